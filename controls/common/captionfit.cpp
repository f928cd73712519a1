#include "captionfit.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

bool showsCaption(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty() && !label->wordWrap() && label->pixmap().isNull();
    return qobject_cast<const QAbstractButton*>(widget) != nullptr;
}

bool overlapsASibling(const QWidget* control, const QRect& place)
{
    for (const QObject* object : control->parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(object);
        if (sibling && sibling != control && !sibling->isWindow() && !sibling->isHidden() &&
            sibling->geometry().intersects(place) &&
            !sibling->geometry().intersects(control->geometry()))
            return true;
    }
    return false;
}

} // namespace

// Widened about its centre where that leaves its neighbours alone, else towards the side
// that has room.
void fitCaptionsToText(QWidget* form)
{
    for (QWidget* control : form->findChildren<QWidget*>()) {
        const int needed = control->sizeHint().width();
        QWidget* parent = control->parentWidget();
        if (!showsCaption(control) || control->width() >= needed || !parent)
            continue;
        const QRect now = control->geometry();
        const int growth = needed - now.width();
        const QRect candidates[] = {
            now.adjusted(-growth / 2, 0, growth - growth / 2, 0),
            now.adjusted(-growth, 0, 0, 0),
            now.adjusted(0, 0, growth, 0),
        };
        QRect place = candidates[0];
        for (const QRect& candidate : candidates) {
            if (candidate.left() >= 0 && candidate.right() < parent->width() &&
                !overlapsASibling(control, candidate)) {
                place = candidate;
                break;
            }
        }
        if (place.right() >= parent->width())
            place.moveRight(parent->width() - 1);
        if (place.left() < 0)
            place.moveLeft(0);
        control->setGeometry(place);
    }
}
