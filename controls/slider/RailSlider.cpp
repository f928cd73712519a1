#include "controls/slider/RailSlider.h"

#include "controls/accessibility/controlaccessibility.h"
#include "controls/common/PropertyBag.h"
#include "controls/common/drawedge.h"
#include "controls/common/keycodes.h"
#include "controls/common/twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <limits>

namespace {

bool fits16(qint64 value)
{
    return value >= std::numeric_limits<qint16>::min() &&
           value <= std::numeric_limits<qint16>::max();
}

int edgeKindFor(int railStyle)
{
    switch (railStyle) {
    case 0:
        return Edge::SunkenOuter | Edge::SunkenInner;
    case 1:
        return Edge::RaisedOuter | Edge::RaisedInner;
    case 2:
        return Edge::SunkenOuter;
    case 3:
        return Edge::RaisedInner;
    default:
        return 0;
    }
}

} // namespace

RailSlider::RailSlider(QWidget* parent)
    : QWidget(parent)
{
    installControlAccessibility();
    // The value can be set from the keyboard too, so the slider is in the tab order.
    setFocusPolicy(Qt::StrongFocus);
    // A new instance: the knob at the minimum end of the vertical default.
    m_knobPos = QPointF(0, height() - m_knob.height());
}

void RailSlider::changed(const QString& key)
{
    emit propertyChanged(key);
}

float RailSlider::travel() const
{
    return horizontal() ? float(width() - m_knob.width()) : float(height() - m_knob.height());
}

float RailSlider::positionFor(int value) const
{
    const float l = travel();
    const float t = float(value - m_min) / float(m_valueRange);
    return horizontal() ? l * t : l - l * t;
}

int RailSlider::valueFor(float position) const
{
    const float l = travel();
    const float along = horizontal() ? position : l - position;
    return roundHalfEven(double(along) / double(l) * m_valueRange + m_min);
}

void RailSlider::placeKnobAlongAxis(int value)
{
    if (horizontal())
        m_knobPos.setX(positionFor(value));
    else
        m_knobPos.setY(positionFor(value));
}

void RailSlider::setEnabled(bool Value)
{
    m_enabled = Value; // only whether a press starts a drag; nothing is greyed
    changed(QStringLiteral("Enabled"));
}

void RailSlider::setBackColor(OleColor Value)
{
    m_backColor = Value;
    update();
    changed(QStringLiteral("BackColor"));
}

RailSlider::SetResult RailSlider::setMax(qint64 Value)
{
    if (!fits16(Value))
        return SetResult::Overflow;
    if (Value <= m_min)
        return SetResult::InvalidValue;
    m_max = qint16(Value);
    m_valueRange = m_max - m_min;
    changed(QStringLiteral("Max"));
    return SetResult::Ok;
}

RailSlider::SetResult RailSlider::setMin(qint64 Value)
{
    if (!fits16(Value))
        return SetResult::Overflow;
    if (Value >= m_max)
        return SetResult::InvalidValue;
    m_min = qint16(Value);
    setValue(m_min);
    m_valueRange = m_max - m_min;
    changed(QStringLiteral("Min"));
    return SetResult::Ok;
}

RailSlider::SetResult RailSlider::setValue(qint64 Value)
{
    if (!fits16(Value))
        return SetResult::Overflow;
    if (Value < m_min || Value > m_max)
        return SetResult::InvalidValue;
    m_value = qint16(Value);
    if (m_value != m_lastValue) {
        if (!m_isDragging)
            placeKnobAlongAxis(m_value);
        update();
        m_lastValue = m_value;
        if (QAccessible::isActive()) {
            QAccessibleValueChangeEvent announced(this, m_value);
            QAccessible::updateAccessibility(&announced);
        }
        emit ValueChanged();
        if (m_value == m_max)
            emit ArrivedLast();
        if (m_value == m_min)
            emit ArrivedFirst();
    }
    changed(QStringLiteral("Value"));
    return SetResult::Ok;
}

void RailSlider::setOrientation(int Value)
{
    m_orientation = Value;
    m_knobPos = horizontal() ? QPointF(0, 0) : QPointF(0, height() - m_knob.height());
    layOut();
    changed(QStringLiteral("Orientation"));
}

void RailSlider::setRailStyle(int Value)
{
    m_railStyle = Value;
    layOut();
    changed(QStringLiteral("RailStyle"));
}

void RailSlider::setSliderIcon(const QPixmap& Value)
{
    m_knob = Value;
    layOut();
    changed(QStringLiteral("SliderIcon"));
}

void RailSlider::setRailPicture(const QPixmap& Value)
{
    m_railPicture = Value;
    layOut();
    changed(QStringLiteral("RailPicture"));
}

void RailSlider::setShowValueTip(bool Value)
{
    m_showValueTip = Value;
    changed(QStringLiteral("ShowValueTip"));
}

void RailSlider::layOut()
{
    const int kw = m_knob.width();
    const int kh = m_knob.height();
    const int rw = m_railPicture.width();
    const int rh = m_railPicture.height();
    // Sizing sends another resize, which lays out again with the new size.
    if (pictureMode()) {
        if (horizontal())
            resize(rw + 4, rh > kh ? rh : kh);
        else
            resize(rw > kw ? rw : kw, rh + 4);
    } else if (horizontal()) {
        resize(width() == 0 ? kw : width(), kh);
    } else {
        resize(kw, height() == 0 ? kh : height());
    }

    if (pictureMode() && horizontal() && rh > kh)
        m_knobPos.setY((rh - kh) / 2.0);
    else if (pictureMode() && !horizontal() && rw > kw)
        m_knobPos.setX((rw - kw) / 2.0);
    else if (horizontal())
        m_knobPos.setY(0);
    else
        m_knobPos.setX(0);
    placeKnobAlongAxis(m_value);

    if (horizontal()) {
        const int top = roundHalfEven((kh - 4) / 2.0);
        const int left = roundHalfEven(kw / 2.0 - 2);
        m_railRect = QRect(QPoint(left, top), QPoint(width() + left - kw + 4, top + 4));
    } else {
        const int top = roundHalfEven(kh / 2.0 - 2);
        const int left = roundHalfEven((kw - 4) / 2.0);
        m_railRect = QRect(QPoint(left, top), QPoint(left + 4, height() + top - kh + 4));
    }
    update();
}

void RailSlider::resizeEvent(QResizeEvent*)
{
    layOut();
}

void RailSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), resolveColor(m_backColor, palette()));
    if (mirrored()) {
        painter.translate(width(), 0);
        painter.scale(-1, 1);
    }
    if (m_railStyle == 99) {
        if (!m_railPicture.isNull()) {
            const QPointF at = horizontal() ? QPointF(2, (height() - m_railPicture.height()) / 2.0)
                                            : QPointF((width() - m_railPicture.width()) / 2.0, 2);
            painter.drawPixmap(at.toPoint(), m_railPicture);
        }
    } else {
        // railRect's right and bottom are exclusive edges, as the groove is drawn.
        const QRect groove(m_railRect.left(), m_railRect.top(),
                           m_railRect.right() - m_railRect.left(),
                           m_railRect.bottom() - m_railRect.top());
        drawEdge(painter, groove, edgeKindFor(m_railStyle), Side::All, palette());
    }
    painter.drawPixmap(QPoint(roundHalfEven(m_knobPos.x()), roundHalfEven(m_knobPos.y())), m_knob);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

QString RailSlider::valueCaption() const
{
    return m_valueCaptions.value(m_value - m_min, QString::number(m_value));
}

// The keys move the value as a drag would: one step, a page of about a third of the range,
// or to either end. Right and Up raise the value on either axis; right to left, Left does.
void RailSlider::keyPressEvent(QKeyEvent* event)
{
    const int page = qMax(1, (m_valueRange + 2) / 3);
    int value = m_value;
    int key = event->key();
    if (mirrored() && (key == Qt::Key_Left || key == Qt::Key_Right))
        key = key == Qt::Key_Left ? Qt::Key_Right : Qt::Key_Left;
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        ++value;
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        --value;
        break;
    case Qt::Key_PageUp:
        value += page;
        break;
    case Qt::Key_PageDown:
        value -= page;
        break;
    case Qt::Key_Home:
        value = m_min;
        break;
    case Qt::Key_End:
        value = m_max;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_enabled)
        setValue(qBound(int(m_min), value, int(m_max)));
}

void RailSlider::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void RailSlider::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void RailSlider::dragTo(QPointF point)
{
    const float l = travel();
    float p = horizontal() ? float(point.x()) - m_grabOffsetX : float(point.y()) - m_grabOffsetY;
    p = p < 0 ? 0 : (p > l ? l : p);
    const int value = valueFor(p);
    placeKnobAlongAxis(value); // snap to the value's own position
    setValue(value);
}

void RailSlider::mousePressEvent(QMouseEvent* event)
{
    if (!m_enabled || event->button() != Qt::LeftButton)
        return;
    m_isDragging = true;
    const QPointF at = logical(event->position());
    const QRectF knob(m_knobPos, QSizeF(m_knob.size()));
    if (at.x() >= knob.left() && at.x() < knob.right() && at.y() >= knob.top() &&
        at.y() < knob.bottom()) {
        m_grabOffsetX = float(at.x() - m_knobPos.x());
        m_grabOffsetY = float(at.y() - m_knobPos.y());
    } else {
        m_grabOffsetX = m_knob.width() / 2.0f;
        m_grabOffsetY = m_knob.height() / 2.0f;
        dragTo(at);
    }
    emit MouseDown(shiftState(event->modifiers()));
}

void RailSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (m_isDragging)
        dragTo(logical(event->position()));
}

void RailSlider::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (event->button() == Qt::LeftButton && at.x() >= 0 && at.x() < width() && at.y() >= 0 &&
        at.y() < height())
        emit Click();
    if (m_isDragging)
        emit MouseUp(shiftState(event->modifiers()));
    m_isDragging = false;
}

void RailSlider::readProperties(const PropertyBag& bag)
{
    m_backColor = bag.read(QStringLiteral("BackColor"), SystemColor::ButtonFace).toUInt();
    m_enabled = bag.read(QStringLiteral("Enabled"), true).toBool();
    m_orientation = bag.read(QStringLiteral("Orientation"), 1).toInt();
    m_railStyle = bag.read(QStringLiteral("RailStyle"), 0).toInt();
    m_showValueTip = bag.read(QStringLiteral("ShowValueTip"), true).toBool();
    m_min = qint16(bag.read(QStringLiteral("Min"), 0).toInt());
    m_max = qint16(bag.read(QStringLiteral("Max"), 10).toInt());
    m_value = qint16(bag.read(QStringLiteral("Value"), 0).toInt());
    m_knob = bag.read(QStringLiteral("SliderIcon")).value<QPixmap>();
    m_railPicture = bag.read(QStringLiteral("RailPicture")).value<QPixmap>();
    m_valueRange = m_max - m_min;
    // The knob for the stored value on both axes; lastValue stays as it is.
    const float t = m_valueRange ? float(m_value - m_min) / float(m_valueRange) : 0.0f;
    const float lx = float(width() - m_knob.width());
    const float ly = float(height() - m_knob.height());
    m_knobPos = QPointF(lx * t, ly - ly * t);
}

void RailSlider::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("BackColor"), m_backColor, SystemColor::ButtonFace);
    bag.write(QStringLiteral("Enabled"), m_enabled, true);
    bag.write(QStringLiteral("SliderIcon"), m_knob);
    bag.write(QStringLiteral("Orientation"), m_orientation, 1);
    bag.write(QStringLiteral("RailPicture"), m_railPicture);
    bag.write(QStringLiteral("RailStyle"), m_railStyle, 0);
    bag.write(QStringLiteral("ShowValueTip"), m_showValueTip, true);
    bag.write(QStringLiteral("Min"), int(m_min), 0);
    bag.write(QStringLiteral("Max"), int(m_max), 10);
    bag.write(QStringLiteral("Value"), int(m_value), 0);
}
