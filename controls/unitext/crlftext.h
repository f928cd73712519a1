#pragma once

#include <QString>

// The control's text breaks lines with CR LF, as list files do; its editor holds LF alone.
// These map between the two, over the editor's text.
namespace crlftext {

QString toEditorBreaks(const QString& text);

// The position in the control's text of a position in the editor's text: each break before
// it counts twice.
int fromEditPosition(QStringView editText, int editPosition);

// The position in the editor's text of a position in the control's text. A position inside
// a CR LF pair, or past the end, falls at the end of its line.
int toEditPosition(QStringView editText, int textPosition);

// The 0-based line that GetLine's `line` names among `lineCount` lines: 1 to lineCount
// count from the first, 0 is the caret's line, -1 and below count back from the last but
// one. -1 when it names none.
int lineIndex(int line, int lineCount, int caretLine);

} // namespace crlftext
