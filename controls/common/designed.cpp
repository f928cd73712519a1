#include "controls/common/designed.h"

#include <QEvent>
#include <QStyle>

namespace {

const char* const kPlace = "designedPlace";
const char* const kMirrored = "designedChildrenMirrored";

QRect shownPlace(const QWidget* widget, const QRect& place)
{
    const QWidget* parent = widget->parentWidget();
    return parent ? QStyle::visualRect(parent->layoutDirection(), parent->rect(), place) : place;
}

// Puts the designed children of the parents it watches back in their places, measured from the
// right while the parent lays out right to left, whenever the parent's size or direction changes.
class MirroredChildren : public QObject {
public:
    using QObject::QObject;

    static MirroredChildren& instance()
    {
        static MirroredChildren keeper;
        return keeper;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool moved =
            event->type() == QEvent::Resize || event->type() == QEvent::LayoutDirectionChange;
        // Left to right, the places are the designed ones already.
        if (moved && static_cast<QWidget*>(watched)->layoutDirection() == Qt::RightToLeft) {
            for (QObject* child : watched->children()) {
                if (!child->isWidgetType() || !child->property(kPlace).isValid())
                    continue;
                auto* widget = static_cast<QWidget*>(child);
                widget->setGeometry(shownPlace(widget, designedPlace(widget)));
            }
        }
        return false;
    }
};

} // namespace

void placeDesigned(QWidget* widget, const QRect& place)
{
    widget->setProperty(kPlace, place);
    widget->setGeometry(shownPlace(widget, place));
    QWidget* parent = widget->parentWidget();
    if (parent && !parent->property(kMirrored).toBool()) {
        parent->setProperty(kMirrored, true);
        parent->installEventFilter(&MirroredChildren::instance());
    }
}

void moveDesigned(QWidget* widget, const QRect& place)
{
    if (widget->property(kPlace).isValid())
        placeDesigned(widget, place);
    else
        widget->setGeometry(place);
}

QRect designedPlace(const QWidget* widget)
{
    const QVariant place = widget->property(kPlace);
    return place.isValid() ? place.toRect() : widget->geometry();
}
