#include "captionfit.h"

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
            sibling->geometry().intersects(place) &&
            !sibling->geometry().intersects(control->geometry()))
            return true;
    }
    return false;
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
