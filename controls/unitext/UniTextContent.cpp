// UniText: the text and position interface, in CR LF terms, and loading and saving files.

#include "controls/unitext/UniText.h"

#include "controls/unitext/crlftext.h"
#include "textfiles/atomicsave.h"
#include "textfiles/textfilecodec.h"

#include <QFile>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

QString UniText::editText() const
{
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget)) {
        QString text;
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            if (block != box->document()->begin())
                text += QStringLiteral("\r\n");
            text += block.text();
        }
        return text;
    }
    if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        return line->text();
    return m_p.Text;
}

QString UniText::Text() const
{
    return editText();
}

void UniText::setText(const QString& Value)
{
    m_p.Text = Value;
    const QScopedValueRollback settingText(m_settingText, true);
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget)) {
        box->setPlainText(crlftext::toEditorBreaks(Value));
        spaceLinesForMarks();
    } else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget)) {
        line->setMaxLength(qMax(line->maxLength(), int(Value.size())));
        line->setText(Value);
        applyMaxLength();
    }
    changed(QStringLiteral("Text"));
}

int UniText::toTextPosition(int editPosition) const
{
    return crlftext::fromEditPosition(editorText(), editPosition);
}

int UniText::toEditPosition(int textPosition) const
{
    return crlftext::toEditPosition(editorText(), textPosition);
}

int UniText::Length() const
{
    return static_cast<int>(editText().size());
}

int UniText::Lines() const
{
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget))
        return box->document()->blockCount();
    return m_editWidget ? 1 : 0;
}

int UniText::Line(int Selection) const
{
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
    if (!box)
        return 0;
    const QTextCursor cursor = box->textCursor();
    const int position = Selection != 0 ? cursor.selectionEnd() : cursor.position();
    return box->document()->findBlock(position).blockNumber();
}

QString UniText::GetLine(int Line, int MaxLength) const
{
    if (MaxLength < 1 || !m_editWidget)
        return {};
    const int index = crlftext::lineIndex(Line, Lines(), this->Line());
    if (index < 0)
        return {};
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget))
        return box->document()->findBlockByNumber(index).text().left(MaxLength);
    return editText().left(MaxLength);
}

void UniText::GetSel(int& SelStart, int& SelEnd) const
{
    SelStart = SelEnd = 0;
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget)) {
        const QTextCursor cursor = box->textCursor();
        SelStart = toTextPosition(cursor.selectionStart());
        SelEnd = toTextPosition(cursor.selectionEnd());
    } else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget)) {
        SelStart = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        SelEnd = line->hasSelectedText() ? line->selectionEnd() : line->cursorPosition();
    }
}

void UniText::SetSel(int SelStart, int SelEnd)
{
    const int length = Length();
    const int start = SelStart < 0 ? length : qMin(SelStart, length);
    const int end = SelEnd < 0 ? length : qMin(SelEnd, length);
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget)) {
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(toEditPosition(start));
        cursor.setPosition(toEditPosition(end), QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
    } else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget)) {
        line->setSelection(start, end - start);
    }
}

int UniText::SelStart() const
{
    int start = 0;
    int end = 0;
    GetSel(start, end);
    return start;
}

void UniText::setSelStart(int Value)
{
    SetSel(Value, Value);
}

int UniText::SelLength() const
{
    int start = 0;
    int end = 0;
    GetSel(start, end);
    return end - start;
}

void UniText::setSelLength(int Value)
{
    const int start = SelStart();
    SetSel(start, start + qMax(0, Value));
}

QString UniText::SelText() const
{
    int start = 0;
    int end = 0;
    GetSel(start, end);
    return editText().mid(start, end - start);
}

void UniText::setSelText(const QString& Value)
{
    insertAtSelection(Value);
}

void UniText::ScrollToCaret()
{
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget))
        box->ensureCursorVisible();
}

bool UniText::CanUndo() const
{
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget))
        return box->document()->isUndoAvailable();
    if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        return line->isUndoAvailable();
    return false;
}

void UniText::ClearUndo()
{
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget)) {
        box->document()->clearUndoRedoStacks();
    } else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget)) {
        const int position = line->cursorPosition();
        line->setText(line->text()); // a line editor forgets its undo steps with a new text
        line->setCursorPosition(position);
    }
}

void UniText::Undo()
{
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget))
        box->undo();
    else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        line->undo();
}

int UniText::FirstVisibleLine() const
{
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
    return box ? box->verticalScrollBar()->value() : 0;
}

int UniText::LastVisibleLine() const
{
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
    if (!box)
        return 0;
    const QRect area = box->viewport()->rect();
    return box->cursorForPosition(area.bottomRight()).blockNumber();
}

int UniText::LineHeight() const
{
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
    if (!box)
        return 0;
    const int lines = LastVisibleLine() - FirstVisibleLine();
    if (lines <= 0)
        return 0;
    return qMin(255, box->viewport()->height() / lines);
}

int UniText::ScrollHorizontal() const
{
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
    const bool hasBar = m_p.ScrollBars == 1 || m_p.ScrollBars == 3;
    return box && hasBar ? box->horizontalScrollBar()->value() : 0;
}

void UniText::setScrollHorizontal(int Value)
{
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
    if (box && (m_p.ScrollBars == 1 || m_p.ScrollBars == 3) && Value >= 0 && Value <= 32767)
        box->horizontalScrollBar()->setValue(Value);
}

int UniText::ScrollVertical() const
{
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
    return box && m_p.ScrollBars >= 2 ? box->verticalScrollBar()->value() : 0;
}

void UniText::setScrollVertical(int Value)
{
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
    if (box && m_p.ScrollBars >= 2 && Value >= 0 && Value <= 32767)
        box->verticalScrollBar()->setValue(Value);
}

bool UniText::Modified() const
{
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget))
        return box->document()->isModified();
    if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        return line->isModified();
    return false;
}

void UniText::setModified(bool Value)
{
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget))
        box->document()->setModified(Value);
    else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        line->setModified(Value);
}

// The editor's own text, line breaks as LF.
QString UniText::editorText() const
{
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget))
        return box->toPlainText();
    return editText();
}

int UniText::effectiveCodepage() const
{
    return m_p.FileCodepage != 0 ? m_p.FileCodepage : textfile::systemCodepage();
}

bool UniText::LoadFile(const QString& filename, int IfNoByteOrderMark)
{
    if (filename.isEmpty())
        return false;
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return LoadBytes(bytes, IfNoByteOrderMark);
}

bool UniText::LoadBytes(const QByteArray& bytes, int IfNoByteOrderMark)
{
    if (bytes.isEmpty()) {
        setText(QString());
        return true;
    }
    int bom = textfile::kNone;
    const std::optional<QString> text =
        textfile::decodeFile(bytes, IfNoByteOrderMark == 1, effectiveCodepage(), &bom);
    if (!text)
        return false; // a code page that cannot be read changes nothing
    m_bom = bom;
    setText(*text);
    return true;
}

bool UniText::SaveFile(const QString& filename, int ByteOrderMark, bool OverwriteExisting)
{
    const int bom = ByteOrderMark < 0 ? m_bom : ByteOrderMark;
    const QString text = editText();
    if (filename.isEmpty() || text.isEmpty() || !textfile::isKnownBom(bom))
        return false;
    if (!OverwriteExisting && QFile::exists(filename))
        return false;
    QString error;
    const std::optional<QByteArray> bytes = textfile::encodeFile(text, bom, effectiveCodepage());
    if (!bytes || !saveAtomically(filename, *bytes, &error))
        return false; // any file that was there is as it was
    m_bom = bom;
    return true;
}
