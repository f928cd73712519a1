#include "app/side/AnswerBox.h"

#include "practice/session/writtencheck.h"

#include <QMimeData>
#include <QSignalBlocker>

AnswerBox::AnswerBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, &AnswerBox::keepWithinBounds);
}

// Only as much of a paste as there is room for is put in the box: laying out megabytes of
// text would freeze the window before any check could cut it.
void AnswerBox::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    const QString text = writtencheck::withoutDirectionControls(source->text());
    const qsizetype room = std::max<qsizetype>(0, m_longest - document()->characterCount() + 1 +
                                                      textCursor().selectedText().size());
    insertPlainText(text.left(room));
    if (text.size() > room)
        emit cut(m_longest);
}

// Typed text that would pass the bounds.
void AnswerBox::keepWithinBounds()
{
    const QString text = toPlainText();
    const QString kept = writtencheck::withoutDirectionControls(text).left(m_longest);
    if (kept == text)
        return;
    const QSignalBlocker quiet(this);
    setPlainText(kept);
    moveCursor(QTextCursor::End);
    if (kept.size() == m_longest)
        emit cut(m_longest);
}
