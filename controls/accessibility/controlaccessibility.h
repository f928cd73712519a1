#pragma once

#include <QString>

class QWidget;

// Makes the program's own controls known to screen readers: the tab strip as a page tab list
// whose tabs can be pressed, the slider and the splitter with their values, and the items of
// the Unicode list box. Each of those controls calls it when it is made, before anything can
// ask for its interface; later calls do nothing.
void installControlAccessibility();

// The name a screen reader announces for `widget`: its accessible name, else that of the
// control it stands in for (its focus proxy's owner), else the caption of the label that
// names it, without its access-key ampersand.
QString accessibleNameOf(const QWidget* widget);

// Tells screen readers that child `child` of `widget`'s accessible interface is now the
// selected one, and the focused one when `widget` has the focus.
void announceSelectedChild(QWidget* widget, int child);
