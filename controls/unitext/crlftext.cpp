#include "controls/unitext/crlftext.h"

namespace crlftext {

QString toEditorBreaks(const QString& text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

int fromEditPosition(QStringView editText, int editPosition)
{
    const QStringView before = editText.left(qBound(0, editPosition, int(editText.size())));
    return editPosition + int(before.count(u'\n'));
}

int toEditPosition(QStringView editText, int textPosition)
{
    int editStart = 0;
    int textStart = 0;
    for (;;) {
        const qsizetype lineFeed = editText.indexOf(u'\n', editStart);
        const int length = int(lineFeed < 0 ? editText.size() : lineFeed) - editStart;
        if (lineFeed < 0 || textPosition < textStart + length + 2)
            return editStart + qBound(0, textPosition - textStart, length);
        editStart += length + 1;
        textStart += length + 2;
    }
}

int lineIndex(int line, int lineCount, int caretLine)
{
    if (line >= 1 && line <= lineCount)
        return line - 1;
    if (line == 0)
        return caretLine;
    if (line < 0 && -line < lineCount)
        return lineCount + line - 1;
    return -1;
}

} // namespace crlftext
