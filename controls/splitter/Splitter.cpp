#include "controls/splitter/Splitter.h"

#include "controls/accessibility/controlaccessibility.h"
#include "controls/common/PropertyBag.h"
#include "controls/common/twips.h"
#include "controls/splitter/splitlayout.h"

#include <QMouseEvent>

namespace {

QRect toPixels(const QRectF& twips)
{
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

} // namespace

Splitter::Splitter(QWidget* parent)
    : QWidget(parent)
    , m_bar(new QWidget(this))
{
    installControlAccessibility();
    m_bar->setObjectName(QStringLiteral("SplitterBar"));
    m_bar->setAutoFillBackground(true);
    m_bar->installEventFilter(this);
    setOrientation(0);
    setSplitPercent(50);
    setSplitterWidth(50);
}

void Splitter::changed(const QString& key)
{
    emit propertyChanged(key);
}

void Splitter::setOrientation(int Value)
{
    m_stacked = Value != 0;
    m_bar->setCursor(m_stacked ? Qt::SizeVerCursor : Qt::SizeHorCursor);
    changed(QStringLiteral("Orientation"));
    layOut();
}

void Splitter::setChild1(QWidget* Value)
{
    m_child1 = Value;
    changed(QStringLiteral("Child1"));
    layOut();
}

void Splitter::setChild2(QWidget* Value)
{
    m_child2 = Value;
    changed(QStringLiteral("Child2"));
    layOut();
}

int Splitter::SplitPercent() const
{
    return roundHalfEven(double(m_fraction) * 100.0);
}

void Splitter::setSplitPercent(int Value)
{
    m_fraction = float(quint8(Value)) / 100.0f;
    changed(QStringLiteral("SplitPercent"));
    layOut();
}

void Splitter::setSplitterWidth(int Value)
{
    m_barWidth = quint8(Value); // the next layout uses it
    changed(QStringLiteral("SplitterWidth"));
}

void Splitter::setSplitterColor(OleColor Value)
{
    m_barColor = Value;
    changed(QStringLiteral("SplitterColor"));
}

void Splitter::layOut()
{
    const SplitLayout layout =
        splitLayout(m_stacked, float(pixelsToTwips(width())), float(pixelsToTwips(height())),
                    float(m_barWidth), m_fraction);
    // A size that comes out negative leaves that child where it was.
    auto place = [](QWidget* widget, const QRectF& twips) {
        if (widget && twips.width() >= 0 && twips.height() >= 0)
            widget->setGeometry(toPixels(twips));
    };
    place(m_child1, layout.child1);
    place(m_child2, layout.child2);
    place(m_bar, layout.bar);
    m_bar->raise();
    if (m_child1)
        m_child1->update();
    if (m_child2)
        m_child2->update();
    emit Resize();
}

void Splitter::paintBar(const QColor& colour)
{
    QPalette palette = m_bar->palette();
    palette.setColor(QPalette::Window, colour);
    m_bar->setPalette(palette);
}

void Splitter::resizeEvent(QResizeEvent*)
{
    layOut();
}

void Splitter::paintEvent(QPaintEvent*)
{
    paintBar(resolveColor(m_barColor ? m_barColor : SystemColor::ButtonFace, palette()));
}

bool Splitter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_bar)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        paintBar(resolveColor(m_barColor, palette())); // 0 shows black while dragging
        m_bar->raise();
        return true;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() != Qt::LeftButton)
            return true;
        const QPointF at = mouse->position() * kTwipsPerPixel;
        const QRectF bar(QPointF(pixelsToTwips(m_bar->x()), pixelsToTwips(m_bar->y())),
                         QSizeF(pixelsToTwips(m_bar->width()), pixelsToTwips(m_bar->height())));
        if (m_stacked) {
            const float top = float(bar.top() + at.y() - m_barWidth);
            m_fraction = clampFraction(top / float(pixelsToTwips(height())));
            m_bar->move(0, twipsToPixels(top));
        } else {
            const float left = float(bar.left() + at.x() - m_barWidth);
            m_fraction = clampFraction(left / float(pixelsToTwips(width())));
            m_bar->move(twipsToPixels(left), m_bar->y());
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        paintBar(resolveColor(m_barColor, palette()));
        layOut();
        update(); // the next paint gives the bar its resting colour
        return true;
    default:
        return false;
    }
}

void Splitter::readProperties(const PropertyBag& bag)
{
    setOrientation(bag.read(QStringLiteral("Orientation"), 0).toInt());
    setSplitPercent(bag.read(QStringLiteral("SplitPercent"), 50).toInt());
    setSplitterWidth(bag.read(QStringLiteral("SplitterWidth"), 80).toInt());
}

void Splitter::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("Orientation"), Orientation(), 0);
    bag.write(QStringLiteral("SplitPercent"), SplitPercent(), 50);
    bag.write(QStringLiteral("SplitterWidth"), int(m_barWidth), 80);
}
