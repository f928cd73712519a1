#include "controls/accessibility/controlaccessibility.h"

#include "controls/accessibility/ListBoxAccessible.h"
#include "controls/accessibility/TabStripAccessible.h"
#include "controls/accessibility/ValueAccessible.h"
#include "controls/slider/RailSlider.h"
#include "controls/splitter/Splitter.h"
#include "controls/tabs/ctlTabs.h"
#include "controls/unilistbox/NativeList.h"

#include <QAccessible>
#include <QLabel>

namespace {

QString withoutAccessKey(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    caption.replace(u'\x01', u'&');
    return caption;
}

QAccessibleInterface* controlInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == u"ctlTabs")
        return new TabStripAccessible(static_cast<ctlTabs*>(widget));
    if (className == u"NativeList")
        return new ListBoxAccessible(static_cast<NativeList*>(widget));
    if (className == u"RailSlider") {
        auto* slider = static_cast<RailSlider*>(widget);
        return new ValueAccessible(
            widget, QAccessible::Slider,
            {[slider] { return slider->Value(); }, [slider] { return slider->Min(); },
             [slider] { return slider->Max(); }, [slider](int value) { slider->setValue(value); },
             [slider] { return slider->valueCaption(); }});
    }
    if (className == u"Splitter") {
        auto* splitter = static_cast<Splitter*>(widget);
        return new ValueAccessible(
            widget, QAccessible::Splitter,
            {[splitter] { return splitter->SplitPercent(); }, [] { return 0; }, [] { return 100; },
             [splitter](int percent) { splitter->setSplitPercent(percent); }});
    }
    return nullptr;
}

} // namespace

void installControlAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

QString accessibleNameOf(const QWidget* widget)
{
    for (const QWidget* named = widget; named; named = named->parentWidget()) {
        if (!named->accessibleName().isEmpty())
            return named->accessibleName();
        // A control whose focus goes to an inner widget is named for the inner widget too.
        const QWidget* owner = named->parentWidget();
        if (!owner || owner->focusProxy() != named)
            break;
    }
    if (const QWidget* window = widget->window()) {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            const QWidget* buddy = label->buddy();
            if (buddy && (buddy == widget || buddy->focusProxy() == widget))
                return withoutAccessKey(label->text());
        }
    }
    return {};
}

void announceSelectedChild(QWidget* widget, int child)
{
    // Without a screen reader nothing listens, and asking would make the interfaces for nothing.
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent selection(widget, QAccessible::Selection);
    selection.setChild(child);
    QAccessible::updateAccessibility(&selection);
    if (widget->hasFocus()) {
        QAccessibleEvent focus(widget, QAccessible::Focus);
        focus.setChild(child);
        QAccessible::updateAccessibility(&focus);
    }
}
