#pragma once

#include <Qt>

// Key codes as the controls' key events report them: the classic virtual-key numbers
// (Tab 9, Enter 13, Esc 27, Page Up 33 to Down arrow 40, letters and digits as their
// capitals' character codes). 0 for keys without one.
int virtualKeyCode(int qtKey);

// The Shift bits of key and mouse events: 1 Shift, 2 Control, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

// The Button bits of mouse events: 1 left, 2 right, 4 middle.
int buttonState(Qt::MouseButtons buttons);
