// UniText: the two interception procedures, of the control window and of its editor, and the
// keys the box keeps for itself.

#include "controls/unitext/UniText.h"

#include "controls/common/controlevents.h"
#include "controls/common/keycodes.h"
#include "controls/unitext/crlftext.h"
#include "controls/unitext/keytranslation.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <utility>

namespace {

// Whether Enter has a default button to press in the control's window.
bool hasDefaultButton(const QWidget* window)
{
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    return std::any_of(buttons.begin(), buttons.end(), [window](const QPushButton* button) {
        return button->isDefault() && button->isVisibleTo(window) && button->isEnabled();
    });
}

// Mouse positions are reported in the container's scale units, which are twips here.
constexpr double kTwipsPerPixel = 15.0;

} // namespace

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
        // The editor and its viewport both report leaving: the control left once.
        if (std::exchange(m_mouseOver, false) && m_p.UseEvents)
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
    float x = float(mouse->position().x() * kTwipsPerPixel);
    float y = float(mouse->position().y() * kTwipsPerPixel);
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
    const keytranslation::Rules rules{m_p.CaptureTab,
                                      m_p.CaptureEnter,
                                      m_p.CaptureEsc,
                                      m_p.MultiLine,
                                      m_p.Locked,
                                      m_p.Enabled,
                                      hasDefaultButton(QWidget::window())};
    result = 1;
    switch (keytranslation::translate(code, modifiers, rules)) {
    case keytranslation::Action::TypeTab:
        raiseKeyDown();
        insertAtSelection(QStringLiteral("\t"));
        return true;
    case keytranslation::Action::FocusNext:
    case keytranslation::Action::FocusPrevious:
        focusNextPrevChild(!(modifiers & Qt::ShiftModifier));
        return true;
    case keytranslation::Action::CaptureEnter: {
        raiseKeyDown();
        int keyAscii = code;
        if (m_p.UseEvents)
            emit KeyPress(keyAscii);
        if (keyAscii == code)
            insertAtSelection(QStringLiteral("\r\n"));
        else if (keyAscii != 0)
            insertAtSelection(QString(QChar(char16_t(keyAscii))));
        return true;
    }
    case keytranslation::Action::CaptureEsc: {
        raiseKeyDown();
        int keyAscii = code;
        if (m_p.UseEvents)
            emit KeyPress(keyAscii);
        return true;
    }
    case keytranslation::Action::ToContainer:
        // An ignored key goes on to the container.
        key->ignore();
        result = 0;
        return true;
    case keytranslation::Action::Swallow:
        return true;
    case keytranslation::Action::ToEditor:
        return false;
    }
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
    if (auto* box = qobject_cast<QTextEdit*>(m_editWidget))
        box->textCursor().insertText(crlftext::toEditorBreaks(text));
    else if (auto* line = qobject_cast<QLineEdit*>(m_editWidget))
        line->insert(text);
}
