#include "UniText.h"

#include "accessibility/controlaccessibility.h"
#include "common/PropertyBag.h"
#include "common/atomicsave.h"
#include "common/controlevents.h"
#include "common/drawedge.h"
#include "common/keycodes.h"
#include "common/mousepointer.h"
#include "unitext/textfilecodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTextBlock>

class UniText::EditBox : public InterceptableScrollArea<QPlainTextEdit> {
public:
    using InterceptableScrollArea::InterceptableScrollArea;
};

class UniText::EditLine : public Interceptable<QLineEdit> {
public:
    using Interceptable::Interceptable;
};

namespace {

constexpr int kKeyTab = 9;
constexpr int kKeyEnter = 13;
constexpr int kKeyEsc = 27;
constexpr int kFirstNavigationKey = 33; // Page Up
constexpr int kLastNavigationKey = 40;  // Down arrow

// A single-line editor masks its text with the first character of PasswordChar.
class PasswordStyle : public QProxyStyle {
public:
    explicit PasswordStyle(QChar mask)
        : m_mask(mask)
    {
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return m_mask.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar m_mask;
};

QString toEditorBreaks(const QString& text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The container's scale units per pixel, by the names containers report; 0 for others.
double unitsPerPixel(const QString& units)
{
    if (units == u"Twip" || units == u"User")
        return 15.0;
    if (units == u"Point")
        return 0.75;
    if (units == u"Pixel")
        return 1.0;
    if (units == u"Character")
        return 15.0 / 120.0;
    if (units == u"Inch")
        return 1.0 / 96.0;
    if (units == u"Millimeter")
        return 25.4 / 96.0;
    if (units == u"Centimeter")
        return 2.54 / 96.0;
    return 0.0;
}

} // namespace

UniText::UniText(QWidget* parent)
    : Interceptable<QWidget>(parent)
    , m_ssc(this, QStringLiteral("UniText"))
{
    m_p.Font = FontRecord::fromQFont(QWidget::font());
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus); // the control takes the focus and hands it to its editor
    setAutoFillBackground(true);
    if (m_ssc.ssc_Subclass(this, 0, 1)) {
        m_ssc.ssc_AddMsg(this, SscInterception::MSG_BEFORE,
                         {ControlEvent::EditChange, ControlEvent::EditUpdate,
                          ControlEvent::EditSetFocus, QEvent::FocusIn});
        m_ssc.ssc_AddMsg(this, SscInterception::MSG_AFTER,
                         {ControlEvent::EditChange, ControlEvent::EditUpdate,
                          ControlEvent::EditSetFocus, QEvent::Paint});
    }
    createEditWindow();
}

UniText::~UniText()
{
    destroyEditWindow();
    if (m_ssc.isSubclassed(this))
        m_ssc.ssc_UnSubclass(this);
}

SscCallback UniText::sscCallback(int position)
{
    auto bind = [this](auto handler) -> SscCallback {
        return [this, handler](bool before, bool& handled, qintptr& result, QWidget* target,
                               int message, QEvent* event, qint32&) {
            (this->*handler)(before, handled, result, target, message, event);
        };
    };
    switch (position) {
    case 1:
        return bind(&UniText::ControlWndProc);
    case 2:
        return bind(&UniText::EditWndProc);
    default:
        return {};
    }
}

// ---- the editor ------------------------------------------------------------------------

void UniText::createEditWindow()
{
    int selStart = 0;
    int selEnd = 0;
    int scrollH = 0;
    int scrollV = 0;
    if (m_editWidget) {
        GetSel(selStart, selEnd);
        scrollH = ScrollHorizontal();
        scrollV = ScrollVertical();
        destroyEditWindow();
    }

    if (m_p.MultiLine) {
        auto* box = new EditBox(this);
        const bool wraps = m_p.ScrollBars == 2;
        box->setLineWrapMode(wraps ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        box->setHorizontalScrollBarPolicy(m_p.ScrollBars == 1 || m_p.ScrollBars == 3
                                              ? Qt::ScrollBarAsNeeded
                                              : Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(m_p.ScrollBars >= 2 ? Qt::ScrollBarAsNeeded
                                                            : Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true); // a captured Tab is inserted by the control itself
        QTextOption option = box->document()->defaultTextOption();
        const Qt::Alignment horizontal = m_p.Alignment == 1   ? Qt::AlignRight
                                         : m_p.Alignment == 2 ? Qt::AlignHCenter
                                                              : Qt::AlignLeft;
        option.setAlignment(horizontal | Qt::AlignAbsolute);
        box->document()->setDefaultTextOption(option);
        box->setPlainText(toEditorBreaks(m_p.Text));
        box->viewport()->setMouseTracking(true);
        connect(box->document(), &QTextDocument::contentsChange, this, [this] {
            applyMaxLength();
            notify(ControlEvent::EditUpdate);
        });
        connect(box->document(), &QTextDocument::contentsChanged, this,
                [this] { notify(ControlEvent::EditChange); });
        connect(box->horizontalScrollBar(), &QScrollBar::valueChanged, box, [box] {
            QEvent scrolled(ControlEvent::HorizontalScroll);
            QCoreApplication::sendEvent(box, &scrolled);
        });
        connect(box->verticalScrollBar(), &QScrollBar::valueChanged, box, [box] {
            QEvent scrolled(ControlEvent::VerticalScroll);
            QCoreApplication::sendEvent(box, &scrolled);
        });
        box->setReadOnly(m_p.Locked);
        if (m_p.Locked) // the caret still moves in a locked box
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        m_editWidget = box;
        m_edit = box;
    } else {
        auto* line = new EditLine(this);
        line->setText(m_p.Text);
        line->setMouseTracking(true);
        if (!m_p.PasswordChar.isEmpty()) {
            auto* style = new PasswordStyle(m_p.PasswordChar.front());
            style->setParent(line);
            line->setStyle(style);
            line->setEchoMode(QLineEdit::Password);
        }
        connect(line, &QLineEdit::textChanged, this, [this] {
            notify(ControlEvent::EditUpdate);
            notify(ControlEvent::EditChange);
        });
        line->setReadOnly(m_p.Locked);
        m_editWidget = line;
        m_edit = line;
    }
    m_editWidget->setObjectName(QStringLiteral("edit"));
    nameEditor();
    m_editWidget->setLayoutDirection(m_p.RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // A new editor takes the control's place in the focus chain; with the proxy still set,
    // the order would be asked of the old editor.
    setFocusProxy(nullptr);
    QWidget::setTabOrder(this, m_editWidget);
    setFocusProxy(m_editWidget);
    setCursor(pointerCursor(m_p.MousePointer, m_p.MouseIcon));
    QWidget::setEnabled(m_p.Enabled);
    applyMaxLength();
    applyColours();
    placeEditWindow();
    m_editWidget->show();

    if (m_ssc.ssc_Subclass(m_edit, 0, 2)) {
        m_ssc.ssc_AddMsg(
            m_edit, SscInterception::MSG_BEFORE,
            {QEvent::KeyPress, QEvent::InputMethod, QEvent::ContextMenu, QEvent::MouseButtonPress});
        m_ssc.ssc_AddMsg(m_edit, SscInterception::MSG_AFTER,
                         {QEvent::ContextMenu, QEvent::KeyRelease, QEvent::Leave, QEvent::MouseMove,
                          QEvent::Wheel, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                          QEvent::FocusIn, ControlEvent::HorizontalScroll,
                          ControlEvent::VerticalScroll});
    }
    applyFont();

    if (selStart != 0 || selEnd != 0)
        SetSel(selStart, selEnd);
    if (scrollH != 0)
        setScrollHorizontal(scrollH);
    if (scrollV != 0)
        setScrollVertical(scrollV);
}

void UniText::destroyEditWindow()
{
    if (!m_editWidget)
        return;
    if (m_ssc.isSubclassed(m_edit))
        m_ssc.ssc_UnSubclass(m_edit);
    m_p.Text = editText();
    QWidget* old = m_editWidget;
    m_editWidget = nullptr;
    m_edit = nullptr;
    old->disconnect(this);
    if (auto* box = qobject_cast<QPlainTextEdit*>(old))
        box->document()->disconnect(this);
    old->hide();
    // The old editor may be delivering the event whose handler re-creates it.
    old->deleteLater();
}

void UniText::placeEditWindow()
{
    if (!m_editWidget)
        return;
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    auto* line = qobject_cast<QLineEdit*>(m_editWidget);
    if (m_p.Appearance == 1) {
        m_editWidget->setGeometry(rect());
        if (box) {
            box->setFrameStyle(m_p.BorderStyle == 0   ? QFrame::NoFrame
                               : m_p.BorderStyle == 1 ? QFrame::Box | QFrame::Plain
                                                      : QFrame::StyledPanel | QFrame::Sunken);
            box->setLineWidth(1);
        }
        if (line)
            line->setFrame(m_p.BorderStyle != 0);
    } else {
        const int inset = qBound(0, m_p.BorderStyle, 2);
        m_editWidget->setGeometry(rect().adjusted(inset, inset, -inset, -inset));
        if (box)
            box->setFrameStyle(QFrame::NoFrame);
        if (line)
            line->setFrame(false);
    }
}

void UniText::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeEditWindow();
}

void UniText::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    nameEditor();
}

void UniText::nameEditor()
{
    m_editWidget->setAccessibleName(accessibleNameOf(this));
    m_editWidget->setAccessibleDescription(accessibleDescription());
}

void UniText::applyFont()
{
    if (!m_editWidget)
        return;
    m_editWidget->setFont(m_p.Font.toQFont());
    emit FontChanged();
}

void UniText::applyColours()
{
    const QColor background = resolveColor(m_p.BackColor);
    const QColor foreground = resolveColor(m_p.ForeColor);
    QPalette own = palette();
    own.setColor(QPalette::Window, background);
    setPalette(own);
    if (!m_editWidget)
        return;
    QPalette palette = m_editWidget->palette();
    // A disabled box shows its text as it is; it only takes no input.
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, foreground);
    }
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor highlightText = palette.color(QPalette::Active, QPalette::HighlightedText);
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     m_p.HideSelection ? background : highlight);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     m_p.HideSelection ? foreground : highlightText);
    m_editWidget->setPalette(palette);
    m_editWidget->update();
}

void UniText::applyMaxLength()
{
    const int limit = m_p.MaxLength > 0 ? m_p.MaxLength : 0;
    if (auto* line = qobject_cast<QLineEdit*>(m_editWidget)) {
        line->setMaxLength(limit > 0 ? limit : 32767 * 1024);
        return;
    }
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    if (!box || limit == 0)
        return;
    // The editor has no limit of its own: what goes beyond is taken off the end.
    const int excess = box->document()->characterCount() - 1 - limit;
    if (excess > 0) {
        QTextCursor cursor(box->document());
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, excess);
        cursor.removeSelectedText();
    }
}

void UniText::notify(QEvent::Type type)
{
    QEvent notification(type);
    QCoreApplication::sendEvent(this, &notification);
}

void UniText::changed(const QString& key)
{
    emit propertyChanged(key);
}

void UniText::paintBorder()
{
    if (m_p.Appearance != 0 || m_p.BorderStyle == 0)
        return;
    QPainter painter(this);
    const int kind =
        m_p.BorderStyle == 1 ? Edge::SunkenOuter : Edge::SunkenOuter | Edge::SunkenInner;
    drawEdge(painter, rect(), kind, Side::All, palette());
}

// ---- the two window procedures -----------------------------------------------------------

void UniText::ControlWndProc(bool before, bool& handled, qintptr&, QWidget*, int message, QEvent*)
{
    if (!before) {
        if (message == QEvent::Paint)
            paintBorder();
        return;
    }
    if (message == ControlEvent::EditSetFocus) {
        handled = true; // the container does not hear of it
    } else if (message == ControlEvent::EditChange) {
        if (m_p.UseEvents)
            emit Change();
    } else if (message == ControlEvent::EditUpdate) {
        if (m_p.UseEvents)
            emit Update();
    } else if (message == QEvent::FocusIn) {
        if (m_editWidget && !m_editWidget->hasFocus())
            m_editWidget->setFocus();
    }
}

void UniText::EditWndProc(bool before, bool& handled, qintptr& result, QWidget*, int message,
                          QEvent* event)
{
    if (before) {
        switch (message) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (preTranslateKey(key, result)) {
                handled = true;
                return;
            }
            if (!m_p.UseEvents)
                return;
            int keyCode = virtualKeyCode(key->key());
            emit KeyDown(keyCode, shiftState(key->modifiers()));
            if (keyCode == 0 && virtualKeyCode(key->key()) != 0) {
                handled = true;
                result = 1;
                return;
            }
            if (!key->text().isEmpty()) {
                int keyAscii = key->text().front().unicode();
                emit KeyPress(keyAscii);
                if (keyAscii == 0) {
                    handled = true;
                    result = 1;
                }
            }
            return;
        }
        case QEvent::InputMethod:
            filterInputMethodText(static_cast<QInputMethodEvent*>(event), handled, result);
            return;
        case QEvent::ContextMenu:
            if (m_p.UseEvents) {
                bool cancel = false;
                emit ContextMenu(cancel);
                handled = cancel;
                result = cancel ? 1 : 0;
            }
            return;
        case QEvent::MouseButtonPress:
            if (m_editWidget && !m_editWidget->hasFocus())
                m_editWidget->setFocus(Qt::MouseFocusReason);
            raiseMouse(message, event);
            return;
        default:
            return;
        }
    }

    switch (message) {
    case QEvent::MouseMove:
        if (!m_mouseOver) {
            m_mouseOver = true;
            if (m_p.UseEvents)
                emit MouseEnter();
        }
        raiseMouse(message, event);
        break;
    case QEvent::Leave:
        m_mouseOver = false;
        if (m_p.UseEvents)
            emit MouseLeave();
        break;
    case QEvent::MouseButtonRelease:
        raiseMouse(message, event);
        if (m_mouseOver && m_p.UseEvents) {
            int button = buttonState(static_cast<QMouseEvent*>(event)->button());
            if (button != 0)
                emit Click(button);
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (m_p.UseEvents) {
            int button = buttonState(static_cast<QMouseEvent*>(event)->button());
            if (button != 0)
                emit DblClick(button);
        }
        break;
    case QEvent::Wheel:
        if (m_p.UseEvents) {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            emit MouseWheel(wheel->angleDelta().y() > 0 ? 1 : 0, shiftState(wheel->modifiers()));
        }
        break;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        int keyCode = virtualKeyCode(key->key());
        emit KeyUp(keyCode, shiftState(key->modifiers()));
        break;
    }
    case QEvent::FocusIn:
        notify(ControlEvent::EditSetFocus);
        break;
    default:
        if (message == ControlEvent::HorizontalScroll)
            emit Scroll(1);
        else if (message == ControlEvent::VerticalScroll)
            emit Scroll(2);
        break;
    }
}

void UniText::raiseMouse(int message, QEvent* event)
{
    if (!m_p.UseEvents)
        return;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // A button-up reports the buttons still held, the released one no longer among them.
    int button =
        buttonState(message == QEvent::MouseButtonPress ? mouse->buttons() | mouse->button()
                                                        : mouse->buttons());
    if (message != QEvent::MouseMove && buttonState(mouse->button()) == 0)
        return;
    const int shift = shiftState(mouse->modifiers());
    float x = float(mouse->position().x() * m_unitsPerPixel);
    float y = float(mouse->position().y() * m_unitsPerPixel);
    if (message == QEvent::MouseButtonPress)
        emit MouseDown(button, shift, x, y);
    else if (message == QEvent::MouseMove)
        emit MouseMove(button, shift, x, y);
    else
        emit MouseUp(button, shift, x, y);
}

// The keys the box keeps for itself before anyone else sees them. True when the key is
// dealt with here; an ignored key then goes on to the container.
bool UniText::preTranslateKey(QKeyEvent* key, qintptr& result)
{
    if (m_editWidget && !m_editWidget->hasFocus())
        m_editWidget->setFocus();
    const int code = virtualKeyCode(key->key());
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    auto raiseKeyDown = [&] {
        if (m_p.UseEvents) {
            int keyCode = code;
            emit KeyDown(keyCode, shiftState(modifiers));
        }
    };
    result = 1;
    if (code == kKeyTab && m_p.CaptureTab) {
        if (!(modifiers & (Qt::ShiftModifier | Qt::ControlModifier))) {
            raiseKeyDown();
            insertAtSelection(QStringLiteral("\t"));
        } else {
            focusNextPrevChild(!(modifiers & Qt::ShiftModifier));
        }
        return true;
    }
    if (code == kKeyEnter && m_p.CaptureEnter) {
        raiseKeyDown();
        int keyAscii = kKeyEnter;
        emit KeyPress(keyAscii);
        if (keyAscii == kKeyEnter)
            insertAtSelection(QStringLiteral("\r\n"));
        else if (keyAscii != 0)
            insertAtSelection(QString(QChar(char16_t(keyAscii))));
        return true;
    }
    if (code == kKeyEsc && m_p.CaptureEsc) {
        raiseKeyDown();
        int keyAscii = kKeyEsc;
        emit KeyPress(keyAscii);
        return true;
    }
    if (code >= kFirstNavigationKey && code <= kLastNavigationKey)
        return false; // the editor moves the caret, locked or not
    if (code == kKeyEnter && m_p.MultiLine) {
        // Not captured: Enter is the container's (its default button), not a line break.
        key->ignore();
        result = 0;
        return true;
    }
    if (code == kKeyTab || code == kKeyEnter || code == kKeyEsc)
        return false;
    if (m_p.Locked || !m_p.Enabled)
        return true;
    return false;
}

// Text an input method commits is typed characters: each raises KeyPress, and a locked box
// takes none of them.
void UniText::filterInputMethodText(QInputMethodEvent* input, bool& handled, qintptr& result)
{
    if (input->commitString().isEmpty())
        return;
    if (m_p.Locked || !m_p.Enabled) {
        handled = true;
        result = 1;
        return;
    }
    if (!m_p.UseEvents)
        return;
    QString accepted;
    for (const QChar c : input->commitString()) {
        int keyAscii = c.unicode();
        emit KeyPress(keyAscii);
        if (keyAscii != 0)
            accepted += c;
    }
    input->setCommitString(accepted, input->replacementStart(), input->replacementLength());
}

void UniText::insertAtSelection(const QString& text)
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget))
        box->textCursor().insertText(toEditorBreaks(text));
    else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        line->insert(text);
}

// ---- text and positions ------------------------------------------------------------------

QString UniText::editText() const
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget)) {
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
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget))
        box->setPlainText(toEditorBreaks(Value));
    else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        line->setText(Value);
    changed(QStringLiteral("Text"));
}

int UniText::toTextPosition(int editPosition) const
{
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    if (!box)
        return editPosition;
    // Each line break before the position is one character in the editor, two in the text.
    return editPosition + box->document()->findBlock(editPosition).blockNumber();
}

int UniText::toEditPosition(int textPosition) const
{
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    if (!box)
        return qBound(0, textPosition, Length());
    QTextBlock block = box->document()->begin();
    while (block.isValid()) {
        const int start = block.position() + block.blockNumber();
        const int length = block.length() - 1;
        const QTextBlock next = block.next();
        if (!next.isValid() || textPosition < next.position() + next.blockNumber())
            return block.position() + qBound(0, textPosition - start, length);
        block = next;
    }
    return 0;
}

int UniText::Length() const
{
    return static_cast<int>(editText().size());
}

int UniText::Lines() const
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget))
        return box->document()->blockCount();
    return m_editWidget ? 1 : 0;
}

int UniText::Line(int Selection) const
{
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
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
    const int count = Lines();
    int index;
    if (Line >= 1 && Line <= count)
        index = Line - 1;
    else if (Line == 0)
        index = this->Line();
    else if (Line < 0 && -Line < count)
        index = count + Line - 1;
    else
        return {};
    QString text;
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget))
        text = box->document()->findBlockByNumber(index).text();
    else
        text = editText();
    return text.left(MaxLength);
}

void UniText::GetSel(int& SelStart, int& SelEnd) const
{
    SelStart = SelEnd = 0;
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget)) {
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
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget)) {
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
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget))
        box->ensureCursorVisible();
}

bool UniText::CanUndo() const
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget))
        return box->document()->isUndoAvailable();
    if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        return line->isUndoAvailable();
    return false;
}

void UniText::ClearUndo()
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget)) {
        box->document()->clearUndoRedoStacks();
    } else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget)) {
        const int position = line->cursorPosition();
        line->setText(line->text()); // a line editor forgets its undo steps with a new text
        line->setCursorPosition(position);
    }
}

void UniText::Undo()
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget))
        box->undo();
    else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        line->undo();
}

int UniText::FirstVisibleLine() const
{
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    return box ? box->verticalScrollBar()->value() : 0;
}

int UniText::LastVisibleLine() const
{
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    if (!box)
        return 0;
    const QRect area = box->viewport()->rect();
    return box->cursorForPosition(area.bottomRight()).blockNumber();
}

int UniText::LineHeight() const
{
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    if (!box)
        return 0;
    const int lines = LastVisibleLine() - FirstVisibleLine();
    if (lines <= 0)
        return 0;
    return qMin(255, box->viewport()->height() / lines);
}

int UniText::ScrollHorizontal() const
{
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    const bool hasBar = m_p.ScrollBars == 1 || m_p.ScrollBars == 3;
    return box && hasBar ? box->horizontalScrollBar()->value() : 0;
}

void UniText::setScrollHorizontal(int Value)
{
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    if (box && (m_p.ScrollBars == 1 || m_p.ScrollBars == 3) && Value >= 0 && Value <= 32767)
        box->horizontalScrollBar()->setValue(Value);
}

int UniText::ScrollVertical() const
{
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    return box && m_p.ScrollBars >= 2 ? box->verticalScrollBar()->value() : 0;
}

void UniText::setScrollVertical(int Value)
{
    auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget);
    if (box && m_p.ScrollBars >= 2 && Value >= 0 && Value <= 32767)
        box->verticalScrollBar()->setValue(Value);
}

bool UniText::Modified() const
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget))
        return box->document()->isModified();
    if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        return line->isModified();
    return false;
}

void UniText::setModified(bool Value)
{
    if (auto* box = qobject_cast<QPlainTextEdit*>(m_editWidget))
        box->document()->setModified(Value);
    else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        line->setModified(Value);
}

void UniText::setContainerScaleUnits(const QString& units)
{
    // "User" units turn the container to twips, as the control does.
    m_unitsPerPixel = unitsPerPixel(units);
}

// ---- properties --------------------------------------------------------------------------

void UniText::setAlignment(int Value)
{
    if (!m_p.MultiLine)
        return; // a single line has no alignment, and does not even keep the value
    m_p.Alignment = Value;
    changed(QStringLiteral("Alignment"));
    createEditWindow();
}

void UniText::setAppearance(int Value)
{
    m_p.Appearance = Value;
    changed(QStringLiteral("Appearance"));
    createEditWindow();
}

void UniText::setBackColor(OleColor Value)
{
    m_p.BackColor = Value;
    changed(QStringLiteral("BackColor"));
    applyColours();
}

void UniText::setBorderStyle(int Value)
{
    m_p.BorderStyle = Value;
    changed(QStringLiteral("BorderStyle"));
    if (m_p.Appearance == 1)
        createEditWindow();
    else
        placeEditWindow();
    update();
}

void UniText::setCaptureEnter(bool Value)
{
    m_p.CaptureEnter = Value;
    changed(QStringLiteral("CaptureEnter"));
}

void UniText::setCaptureEsc(bool Value)
{
    m_p.CaptureEsc = Value;
    changed(QStringLiteral("CaptureEsc"));
}

void UniText::setCaptureTab(bool Value)
{
    m_p.CaptureTab = Value;
    changed(QStringLiteral("CaptureTab"));
}

void UniText::setEnabled(bool Value)
{
    if (!m_editWidget)
        return;
    m_p.Enabled = Value;
    QWidget::setEnabled(Value);
    changed(QStringLiteral("Enabled"));
}

void UniText::setFileCodepage(int Value)
{
    m_p.FileCodepage = Value;
    changed(QStringLiteral("FileCodepage"));
}

void UniText::changeFont(const std::function<void(FontRecord&)>& change)
{
    change(m_p.Font);
    changed(QStringLiteral("Font"));
    applyFont();
}

void UniText::setFont(const FontRecord& Value)
{
    changeFont([&](FontRecord& font) { font.copyFrom(Value); });
}

void UniText::setFontBold(bool Value)
{
    changeFont([&](FontRecord& font) {
        font.bold = Value;
        font.weight = Value ? qMax(700, font.weight) : qMin(400, font.weight);
    });
}

void UniText::setFontItalic(bool Value)
{
    changeFont([&](FontRecord& font) { font.italic = Value; });
}

void UniText::setFontName(const QString& Value)
{
    changeFont([&](FontRecord& font) { font.name = Value; });
}

void UniText::setFontSize(double Value)
{
    changeFont([&](FontRecord& font) { font.size = Value; });
}

void UniText::setFontStrikethru(bool Value)
{
    changeFont([&](FontRecord& font) { font.strikethrough = Value; });
}

void UniText::setFontUnderline(bool Value)
{
    changeFont([&](FontRecord& font) { font.underline = Value; });
}

void UniText::setForeColor(OleColor Value)
{
    m_p.ForeColor = Value;
    changed(QStringLiteral("ForeColor"));
    applyColours();
}

void UniText::setHideSelection(bool Value)
{
    m_p.HideSelection = Value;
    changed(QStringLiteral("HideSelection"));
    createEditWindow();
}

void UniText::setLocked(bool Value)
{
    m_p.Locked = Value;
    changed(QStringLiteral("Locked"));
    createEditWindow();
}

void UniText::setMaxLength(int Value)
{
    m_p.MaxLength = Value <= 0 ? -1 : Value;
    changed(QStringLiteral("MaxLength"));
    applyMaxLength();
}

void UniText::setMouseIcon(const QPixmap& Value)
{
    m_p.MouseIcon = Value;
    changed(QStringLiteral("MouseIcon"));
    setCursor(pointerCursor(m_p.MousePointer, m_p.MouseIcon));
}

void UniText::setMousePointer(int Value)
{
    m_p.MousePointer = Value;
    changed(QStringLiteral("MousePointer"));
    setCursor(pointerCursor(m_p.MousePointer, m_p.MouseIcon));
}

void UniText::setMultiLine(bool Value)
{
    m_p.MultiLine = Value;
    changed(QStringLiteral("MultiLine"));
    createEditWindow();
}

void UniText::setPasswordChar(const QString& Value)
{
    const bool had = !m_p.PasswordChar.isEmpty();
    if (Value == m_p.PasswordChar)
        return;
    m_p.PasswordChar = Value;
    changed(QStringLiteral("PasswordChar"));
    auto* line = qobject_cast<QLineEdit*>(m_editWidget);
    if (had && !Value.isEmpty() && line) {
        auto* style = new PasswordStyle(Value.front());
        style->setParent(line);
        line->setStyle(style);
        line->update();
        return;
    }
    createEditWindow();
}

void UniText::setRightToLeft(bool Value)
{
    m_p.RightToLeft = Value;
    changed(QStringLiteral("RightToLeft"));
    createEditWindow();
}

void UniText::setScrollBars(int Value)
{
    m_p.ScrollBars = Value;
    changed(QStringLiteral("ScrollBars"));
    createEditWindow();
}

void UniText::setUseEvents(bool Value)
{
    m_p.UseEvents = Value;
    changed(QStringLiteral("UseEvents"));
}

void UniText::setProperties(const UniTextProperties& properties)
{
    destroyEditWindow(); // its text gives way to the one read
    m_p = properties;
    applyColours();
    createEditWindow();
}

void UniText::readProperties(const PropertyBag& bag)
{
    setProperties(UniTextProperties::read(bag, FontRecord::fromQFont(QWidget::font())));
}

void UniText::writeProperties(PropertyBag& bag) const
{
    UniTextProperties properties = m_p;
    properties.Text = editText();
    properties.write(bag);
}

// ---- files --------------------------------------------------------------------------------

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
    if (bytes.isEmpty()) {
        setText(QString());
        return true;
    }
    setText(textfile::decodeFile(bytes, IfNoByteOrderMark == 1, effectiveCodepage(), &m_bom));
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
    if (!saveAtomically(filename, textfile::encodeFile(text, bom, effectiveCodepage()), &error))
        return false;
    m_bom = bom;
    return true;
}
