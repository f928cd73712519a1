// UniText: the life of its editor, a multi-line box or a single line, made afresh whenever a
// property that shapes it changes.

#include "controls/unitext/UniText.h"

#include "controls/accessibility/controlaccessibility.h"
#include "controls/common/controlevents.h"
#include "controls/common/drawedge.h"
#include "controls/common/inkextent.h"
#include "controls/common/mousepointer.h"
#include "controls/unitext/crlftext.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTextEdit>

class UniText::EditBox : public InterceptableScrollArea<QTextEdit> {
public:
    using InterceptableScrollArea::InterceptableScrollArea;
};

class UniText::EditLine : public Interceptable<QLineEdit> {
public:
    using Interceptable::Interceptable;
};

namespace {

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

} // namespace

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
        box->setLineWrapMode(wraps ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
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
        box->setAcceptRichText(false);
        box->setPlainText(crlftext::toEditorBreaks(m_p.Text));
        box->viewport()->setMouseTracking(true);
        connect(box->document(), &QTextDocument::contentsChange, this,
                [this](int position, int, int added) {
                    refuseInputBeyondMaxLength(position, added);
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
        line->setMaxLength(qMax(line->maxLength(), int(m_p.Text.size())));
        line->setText(m_p.Text);
        line->setMouseTracking(true);
        if (!m_p.PasswordChar.isEmpty()) {
            maskWithPasswordChar(line);
            line->setEchoMode(QLineEdit::Password);
        }
        connect(line, &QLineEdit::textChanged, this, [this] {
            applyMaxLength();
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
    if (auto* box = qobject_cast<QTextEdit*>(old))
        box->document()->disconnect(this);
    old->hide();
    // The old editor may be delivering the event whose handler re-creates it.
    old->deleteLater();
}

void UniText::placeEditWindow()
{
    if (!m_editWidget)
        return;
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
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
    if (m_spaceLinesWhenShown)
        spaceLinesForMarks();
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
    spaceLinesForMarks();
    emit FontChanged();
}

// The editor spaces its lines by the font's ascent and descent; the marks that stand beyond
// them would touch the line above, so each line gets the room they need, and the first line
// the room above it. A hidden box waits until it shows: measuring the marks shapes a probe
// in the font, and a box is made in another font than the one it shows.
void UniText::spaceLinesForMarks()
{
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
    if (!box)
        return;
    m_spaceLinesWhenShown = !isVisible();
    if (m_spaceLinesWhenShown)
        return;
    const QFont font = m_p.Font.toQFont();
    const QFontMetricsF metrics(font);
    const InkExtent ink = arabicInkExtent(font);
    const double above = ink.above - metrics.ascent();
    const double below = ink.below - metrics.descent();
    QTextDocument* document = box->document();
    document->setDocumentMargin(qMax(4.0, above + 2));
    QTextBlockFormat spacing;
    spacing.setLineHeight(qCeil(above + below), QTextBlockFormat::LineDistanceHeight);
    // Formatting is no edit the user can undo; the document's undo steps go with it.
    const bool undo = document->isUndoRedoEnabled();
    const bool modified = document->isModified();
    document->setUndoRedoEnabled(false);
    QTextCursor all(document);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(spacing);
    document->setUndoRedoEnabled(undo);
    document->setModified(modified);
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

// The limit holds for what the user types or pastes, as the native limit does; a text set by
// code or read from a file is kept whole.
void UniText::applyMaxLength()
{
    auto* line = qobject_cast<QLineEdit*>(m_editWidget);
    if (!line)
        return;
    const int limit = m_p.MaxLength > 0 ? m_p.MaxLength : 32767 * 1024;
    line->setMaxLength(qMax(limit, int(line->text().size())));
}

// What went beyond the limit is taken off what was just added, never off what was there.
void UniText::refuseInputBeyondMaxLength(int position, int added)
{
    auto* box = qobject_cast<QTextEdit*>(m_editWidget);
    if (!box || m_p.MaxLength <= 0 || m_settingText || added <= 0)
        return;
    const int length = box->document()->characterCount() - 1; // less the closing separator
    const int excess = length - m_p.MaxLength;
    if (excess <= 0)
        return;
    // The document reports a changed stretch that may be larger than what was typed, but the
    // caret stands right after what was typed or pasted.
    const int end = qBound(position, box->textCursor().position(), length);
    QTextCursor cursor(box->document());
    cursor.setPosition(qMax(position, end - excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void UniText::notify(QEvent::Type type)
{
    QEvent notification(type);
    QCoreApplication::sendEvent(this, &notification);
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

void UniText::maskWithPasswordChar(QLineEdit* line)
{
    auto* style = new PasswordStyle(m_p.PasswordChar.front());
    style->setParent(line);
    line->setStyle(style);
    line->update();
}
