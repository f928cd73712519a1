#include "controls/common/captionfit.h"

#include "controls/common/designed.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>

namespace {

bool overlapsASibling(const QWidget* control, const QRect& place)
{
    for (const QObject* object : control->parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(object);
        if (sibling && sibling != control && !sibling->isWindow() && !sibling->isHidden() &&
            designedPlace(sibling).intersects(place) &&
            !designedPlace(sibling).intersects(designedPlace(control)))
            return true;
    }
    return false;
}

// A control with no room beside it takes it from the neighbours that stand in the way on its
// right, when their captions leave them the room spare: each keeps its gap to the control and
// gives up width from its left. False, changing nothing, when they cannot.
bool takeRoomOnTheRight(QWidget* control, const QRect& place)
{
    QList<QWidget*> inTheWay;
    for (QObject* object : control->parentWidget()->children()) {
        auto* sibling = qobject_cast<QWidget*>(object);
        if (sibling && sibling != control && !sibling->isWindow() && !sibling->isHidden() &&
            designedPlace(sibling).intersects(place))
            inTheWay.append(sibling);
    }
    const int gap = 4;
    for (const QWidget* sibling : std::as_const(inTheWay)) {
        const int given = place.right() + gap - designedPlace(sibling).x() + 1;
        if (designedPlace(sibling).x() <= designedPlace(control).right() ||
            captionWidth(sibling) == 0 || sibling->width() - given < captionWidth(sibling))
            return false;
    }
    for (QWidget* sibling : std::as_const(inTheWay)) {
        const int given = place.right() + gap - designedPlace(sibling).x() + 1;
        moveDesigned(sibling, designedPlace(sibling).adjusted(given, 0, 0, 0));
    }
    moveDesigned(control, place);
    return true;
}

} // namespace

int captionWidth(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
            return 0;
        return label->sizeHint().width();
    }
    if (qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control))
        return control->sizeHint().width();
    const auto* button = qobject_cast<const QPushButton*>(control);
    if (!button || button->text().isEmpty())
        return 0;
    const QStyle* style = button->style();
    QString text = button->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return button->fontMetrics().horizontalAdvance(text) + icon +
           2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
}

void fitCaptionsToText(QWidget* form)
{
    for (QWidget* control : form->findChildren<QWidget*>()) {
        const int needed = captionWidth(control);
        QWidget* parent = control->parentWidget();
        if (control->width() >= needed || !parent)
            continue;
        const QRect now = designedPlace(control);
        const int growth = needed - now.width();
        const QRect candidates[] = {
            now.adjusted(-growth / 2, 0, growth - growth / 2, 0),
            now.adjusted(-growth, 0, 0, 0),
            now.adjusted(0, 0, growth, 0),
        };
        const QRect* fitting = nullptr;
        for (const QRect& candidate : candidates) {
            if (candidate.left() >= 0 && candidate.right() < parent->width() &&
                !overlapsASibling(control, candidate)) {
                fitting = &candidate;
                break;
            }
        }
        if (!fitting && candidates[2].right() < parent->width() &&
            takeRoomOnTheRight(control, candidates[2]))
            continue;
        QRect place = fitting ? *fitting : candidates[0];
        if (place.right() >= parent->width())
            place.moveRight(parent->width() - 1);
        if (place.left() < 0)
            place.moveLeft(0);
        moveDesigned(control, place);
    }
}
