#pragma once

class QWidget;

// Grows every button, check box and one-line label on `form` that is narrower than its
// caption needs, where the desktop's font is wider than the designed one: the control keeps
// its centre and stays inside its parent, so nothing is cut off.
void fitCaptionsToText(QWidget* form);
