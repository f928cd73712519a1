#pragma once

#include <Qt>

// What the text box does with a key before its editor or anyone else sees it.
namespace keytranslation {

struct Rules {
    bool captureTab = false;
    bool captureEnter = false;
    bool captureEsc = false;
    bool multiLine = false;
    bool locked = false;
    bool enabled = true;
    bool containerHasDefaultButton = false; // Enter then presses it
};

enum class Action {
    TypeTab,       // a captured Tab: the box types it
    FocusNext,     // a captured Tab with Control: the next control
    FocusPrevious, // a captured Tab with Shift: the previous control
    CaptureEnter,  // raise KeyPress and type the line break it leaves (also the plain
                   // Enter of a multi-line box in a window without a default button)
    CaptureEsc,    // raise KeyPress
    ToContainer,   // the container's key (its default button), not the editor's
    Swallow,       // nobody's: a locked or disabled box takes no keys
    ToEditor,      // the editor's usual handling
};

// `virtualKey` is the key's classic code (keycodes.h).
Action translate(int virtualKey, Qt::KeyboardModifiers modifiers, const Rules& rules);

} // namespace keytranslation
