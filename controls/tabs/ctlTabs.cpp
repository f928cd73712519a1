#include "controls/tabs/ctlTabs.h"

#include "controls/accessibility/controlaccessibility.h"
#include "controls/common/PropertyBag.h"
#include "controls/common/drawedge.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPainter>

ctlTabs::ctlTabs(QWidget* parent)
    : QWidget(parent)
{
    installControlAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_tabFont = FontRecord::fromQFont(font());
    m_tabFontActive = m_tabFont;
    m_tabFontActive.bold = !m_tabFont.bold;
    m_tabFontActive.weight = m_tabFontActive.bold ? 700 : 400;
}

void ctlTabs::changed(const QString& key)
{
    emit propertyChanged(key);
}

// Every change draws again: the tab rectangles are rebuilt and only the selected tab's frame
// stays visible.
void ctlTabs::DrawTabs()
{
    m_geometry =
        layoutTabs(m_style, m_count, m_selected, m_tabWidth, m_tabHeight, width(), height());
    // Right to left, the strip reads from the right: its first tab rightmost.
    if (isRightToLeft())
        m_geometry = mirrored(m_geometry, width());
    showSelectedFrame();
    update();
}

void ctlTabs::showSelectedFrame()
{
    const QString frame = m_frames.value(m_selected - 1);
    // A copy: raising a child reorders the list of children.
    const QObjectList frames = children();
    for (QObject* child : frames) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget)
            continue;
        const bool selected = widget->objectName() == frame && !frame.isEmpty();
        widget->setVisible(selected);
        if (selected)
            widget->raise();
    }
}

void ctlTabs::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Window));
    const TabGeometry& geometry = m_geometry;
    const QColor active = resolveColor(m_tabColorActive, colours);
    painter.fillRect(geometry.body.fill(), active);
    drawEdge(painter, geometry.body.fill(), Edge::RaisedInner, Side::All, colours);

    for (int i = 1; i <= m_count; ++i) {
        const TabRect& tab = geometry.tabs[i - 1];
        const bool selected = i == m_selected;
        if (selected) {
            painter.fillRect(tab.fill(), active);
            drawEdge(painter, tab.fill(), Edge::RaisedInner, geometry.selectedSides, colours);
            if (m_useFocusRect && m_hasFocus)
                drawFocusRect(painter, tab.fill().adjusted(2, 2, -2, -2),
                              resolveColor(m_textColorActive, colours));
        } else {
            painter.fillRect(geometry.stored[i - 1].fill(), resolveColor(m_tabColor, colours));
        }
        const QFont font = (selected ? m_tabFontActive : m_tabFont).toQFont();
        const QString caption = m_captions.value(i - 1);
        const QFontMetricsF metrics(font);
        const QSizeF size(metrics.horizontalAdvance(caption), metrics.height());
        const QPointF at = captionPosition(m_captionAlignment, tab, size);
        painter.setFont(font);
        painter.setPen(resolveColor(selected ? m_textColorActive : m_textColor, colours));
        painter.drawText(QRectF(at, size), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         caption);
    }
}

void ctlTabs::resizeEvent(QResizeEvent*)
{
    DrawTabs();
}

void ctlTabs::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        DrawTabs();
}

void ctlTabs::showEvent(QShowEvent*)
{
    // The frame border takes effect when the strip is shown.
    for (QObject* child : children()) {
        if (auto* frame = qobject_cast<QFrame*>(child))
            frame->setFrameStyle(m_showFrameBorder ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    }
    DrawTabs();
}

int ctlTabs::tabAt(QPoint point) const
{
    for (int i = 0; i < m_geometry.stored.size(); ++i) {
        if (m_geometry.stored[i].contains(point))
            return i + 1;
    }
    return 0;
}

void ctlTabs::mousePressEvent(QMouseEvent* event)
{
    if (const int tab = tabAt(event->position().toPoint()))
        setSelectedTab(tab);
}

void ctlTabs::mouseMoveEvent(QMouseEvent* event)
{
    // Over a tab the control's own pointer, a hand, says that it can be clicked.
    setCursor(tabAt(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void ctlTabs::keyPressEvent(QKeyEvent* event)
{
    // The arrow that points to the next tab goes to it, whichever way the strip reads.
    const int forward = isRightToLeft() ? Qt::Key_Left : Qt::Key_Right;
    const int back = isRightToLeft() ? Qt::Key_Right : Qt::Key_Left;
    const int key = event->key();
    if (key == back || key == Qt::Key_Up) {
        setSelectedTab(m_selected - 1);
        return;
    }
    if (key == forward || key == Qt::Key_Down) {
        setSelectedTab(m_selected + 1);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ctlTabs::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_hasFocus = true;
    if (m_useFocusRect)
        DrawTabs();
}

void ctlTabs::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    m_hasFocus = false;
    if (m_useFocusRect)
        DrawTabs();
}

void ctlTabs::setTabsWidth(int Value)
{
    m_tabWidth = Value;
    changed(QStringLiteral("TABWIDE"));
    DrawTabs();
}

void ctlTabs::setTabsHeight(int Value)
{
    m_tabHeight = Value;
    changed(QStringLiteral("TABHIGH"));
    DrawTabs();
}

void ctlTabs::setTabs(int Value)
{
    if (Value <= 0)
        return;
    m_count = Value;
    m_captions.resize(Value);
    m_frames.resize(Value);
    int old = m_selected;
    const bool moved = m_selected > Value;
    if (moved)
        m_selected = Value;
    changed(QStringLiteral("TABCOUNT"));
    DrawTabs();
    if (moved) {
        changed(QStringLiteral("TABSELECTED"));
        int newTab = m_selected;
        emit TabClick(old, newTab);
    }
}

void ctlTabs::setSelectedTab(int Value)
{
    int old = m_selected;
    m_selected = qBound(1, Value, m_count);
    changed(QStringLiteral("TABSELECTED"));
    DrawTabs();
    announceSelectedChild(this, m_selected - 1); // the tabs are the first accessible children
    int newTab = Value;
    emit TabClick(old, newTab);
}

void ctlTabs::setStyle(int Value)
{
    if (Value < 0 || Value > 7)
        return;
    m_style = Value;
    changed(QStringLiteral("TABSTYLE"));
    DrawTabs();
}

void ctlTabs::setCaptionAlignment(int Value)
{
    if (Value < 0 || Value > 8)
        return;
    m_captionAlignment = Value;
    changed(QStringLiteral("CAPTIONSTYLE"));
    DrawTabs();
}

void ctlTabs::setUseFocusRect(bool Value)
{
    m_useFocusRect = Value;
    changed(QStringLiteral("FOCUSRECT"));
    DrawTabs();
}

void ctlTabs::setCaption(const QString& Value)
{
    m_captions[m_selected - 1] = Value;
    changed(QStringLiteral("TABCAPTION%1").arg(m_selected));
    DrawTabs();
}

void ctlTabs::setTabFrame(const QString& Value)
{
    m_frames[m_selected - 1] = Value;
    changed(QStringLiteral("TABFRAME%1").arg(m_selected));
    DrawTabs();
}

void ctlTabs::setTabFont(const FontRecord& Value)
{
    m_tabFont.copyFrom(Value);
    changed(QStringLiteral("TABFONT"));
    DrawTabs();
}

void ctlTabs::setTabFontActive(const FontRecord& Value)
{
    m_tabFontActive.copyFrom(Value);
    changed(QStringLiteral("TABFONTACTIVE"));
    DrawTabs();
}

void ctlTabs::setTabColor(OleColor Value)
{
    m_tabColor = Value;
    changed(QStringLiteral("TABCOLOR"));
    DrawTabs();
}

void ctlTabs::setTabColorActive(OleColor Value)
{
    m_tabColorActive = Value;
    changed(QStringLiteral("TABCOLORACTIVE"));
    DrawTabs();
}

void ctlTabs::setTextColor(OleColor Value)
{
    m_textColor = Value;
    changed(QStringLiteral("TEXTCOLOR"));
    DrawTabs();
}

void ctlTabs::setTextColorActive(OleColor Value)
{
    m_textColorActive = Value;
    changed(QStringLiteral("TEXTCOLORACTIVE"));
    DrawTabs();
}

void ctlTabs::setShowFrameBorder(bool Value)
{
    m_showFrameBorder = Value; // takes effect when the strip is next shown
    changed(QStringLiteral("ShowFrameBorder"));
}

void ctlTabs::readProperties(const PropertyBag& bag)
{
    const FontRecord own = FontRecord::fromQFont(font());
    m_tabWidth = bag.read(QStringLiteral("TABWIDE"), 70).toInt();
    m_tabHeight = bag.read(QStringLiteral("TABHIGH"), 20).toInt();
    m_count = qMax(1, bag.read(QStringLiteral("TABCOUNT"), 2).toInt());
    m_selected = qBound(1, bag.read(QStringLiteral("TABSELECTED"), 1).toInt(), m_count);
    m_style = bag.read(QStringLiteral("TABSTYLE"), 0).toInt();
    m_captionAlignment = bag.read(QStringLiteral("CAPTIONSTYLE"), 4).toInt();
    m_useFocusRect = bag.read(QStringLiteral("FOCUSRECT"), false).toBool();
    m_captions.clear();
    m_frames.clear();
    for (int n = 1; n <= m_count; ++n) {
        m_captions.append(bag.read(QStringLiteral("TABCAPTION%1").arg(n)).toString());
        m_frames.append(bag.read(QStringLiteral("TABFRAME%1").arg(n)).toString());
    }
    m_tabFont = bag.read(QStringLiteral("TABFONT"), QVariant::fromValue(own)).value<FontRecord>();
    m_tabFontActive =
        bag.read(QStringLiteral("TABFONTACTIVE"), QVariant::fromValue(own)).value<FontRecord>();
    m_tabColor = bag.read(QStringLiteral("TABCOLOR"), SystemColor::ButtonShadow).toUInt();
    m_tabColorActive = bag.read(QStringLiteral("TABCOLORACTIVE"), SystemColor::ButtonFace).toUInt();
    m_textColor = bag.read(QStringLiteral("TEXTCOLOR"), SystemColor::ButtonHighlight).toUInt();
    m_textColorActive =
        bag.read(QStringLiteral("TEXTCOLORACTIVE"), SystemColor::ButtonText).toUInt();
    DrawTabs();
    m_showFrameBorder = bag.read(QStringLiteral("ShowFrameBorder"), false).toBool();
}

void ctlTabs::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("TABWIDE"), m_tabWidth);
    bag.write(QStringLiteral("TABHIGH"), m_tabHeight);
    bag.write(QStringLiteral("TABCOUNT"), m_count);
    bag.write(QStringLiteral("TABSELECTED"), m_selected);
    bag.write(QStringLiteral("TABSTYLE"), m_style);
    bag.write(QStringLiteral("CAPTIONSTYLE"), m_captionAlignment);
    bag.write(QStringLiteral("FOCUSRECT"), m_useFocusRect);
    for (int n = 1; n <= m_count; ++n) {
        bag.write(QStringLiteral("TABCAPTION%1").arg(n), m_captions[n - 1], QString());
        bag.write(QStringLiteral("TABFRAME%1").arg(n), m_frames[n - 1], QString());
    }
    bag.write(QStringLiteral("TABFONT"), QVariant::fromValue(m_tabFont));
    bag.write(QStringLiteral("TABFONTACTIVE"), QVariant::fromValue(m_tabFontActive));
    bag.write(QStringLiteral("TABCOLOR"), m_tabColor);
    bag.write(QStringLiteral("TABCOLORACTIVE"), m_tabColorActive);
    bag.write(QStringLiteral("TEXTCOLOR"), m_textColor);
    bag.write(QStringLiteral("TEXTCOLORACTIVE"), m_textColorActive);
    bag.write(QStringLiteral("ShowFrameBorder"), m_showFrameBorder, false);
}
