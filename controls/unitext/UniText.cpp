// UniText: the control and its properties. The editor's life is in UniTextEditor.cpp, the
// two interception procedures in UniTextProcedures.cpp, the text and position interface and
// the files in UniTextContent.cpp.

#include "controls/unitext/UniText.h"

#include "controls/common/PropertyBag.h"
#include "controls/common/controlevents.h"
#include "controls/common/mousepointer.h"

#include <QLineEdit>

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
        maskWithPasswordChar(line); // only the mask changes
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

void UniText::changed(const QString& key)
{
    emit propertyChanged(key);
}
