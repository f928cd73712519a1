#pragma once

class QString;
class QWidget;

// Tells a screen reader what just changed on `source`, such as a verdict or a newly listed
// entry: the text becomes the description of the control, and of the object that has the focus
// in its window, which is what a screen reader speaks. A control not shown tells nothing.
void announce(QWidget* source, const QString& text);
