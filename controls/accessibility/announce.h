#pragma once

class QString;
class QWidget;

// Tells a screen reader what just changed on `source`, such as a verdict or a newly listed
// entry: the text becomes the control's description and, while a screen reader listens, an
// alert is raised on it.
void announce(QWidget* source, const QString& text);
