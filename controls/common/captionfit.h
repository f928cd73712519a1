#pragma once

class QWidget;

// The width a control needs to show its whole caption (a button's or check box's text and
// icon, a one-line label's text); 0 for a control without one. A style's minimum button
// width is not counted: a wide enough button is not cut short.
int captionWidth(const QWidget* control);

// Grows every control on `form` that is narrower than its caption needs, where the desktop's
// font is wider than the designed one: the control keeps its centre where that leaves its
// neighbours alone, else grows towards the side that has room, and stays inside its parent.
// Places are weighed as designed (from the left), so that a right-to-left interface grows the
// mirror image of the same design.
void fitCaptionsToText(QWidget* form);
