#pragma once

class QString;
class QWidget;

// Tells a screen reader what just changed on `source`, such as a verdict or a newly listed
// entry: the text becomes the control's description and an alert is raised on it. Nothing
// happens while no screen reader listens.
void announce(QWidget* source, const QString& text);
