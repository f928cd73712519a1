#include "controls/unitext/keytranslation.h"

namespace keytranslation {

namespace {

constexpr int kKeyTab = 9;
constexpr int kKeyEnter = 13;
constexpr int kKeyEsc = 27;
constexpr int kFirstNavigationKey = 33; // Page Up
constexpr int kLastNavigationKey = 40;  // Down arrow
constexpr int kKeyInsert = 45;
constexpr int kKeyA = 65;
constexpr int kKeyC = 67;

// Selecting and copying change nothing: a reader of a locked box may do both.
bool readsOnly(int virtualKey, Qt::KeyboardModifiers modifiers)
{
    return modifiers == Qt::ControlModifier &&
           (virtualKey == kKeyA || virtualKey == kKeyC || virtualKey == kKeyInsert);
}

} // namespace

Action translate(int virtualKey, Qt::KeyboardModifiers modifiers, const Rules& rules)
{
    if (virtualKey == kKeyTab && rules.captureTab) {
        if (modifiers & Qt::ShiftModifier)
            return Action::FocusPrevious;
        return modifiers & Qt::ControlModifier ? Action::FocusNext : Action::TypeTab;
    }
    if (virtualKey == kKeyEnter && rules.captureEnter)
        return Action::CaptureEnter;
    if (virtualKey == kKeyEsc && rules.captureEsc)
        return Action::CaptureEsc;
    if (virtualKey >= kFirstNavigationKey && virtualKey <= kLastNavigationKey)
        return Action::ToEditor; // the caret moves, locked or not
    if (virtualKey == kKeyEnter && rules.multiLine) {
        // Without a default button Enter breaks the line as in any editor, typed by the box
        // itself like a captured one.
        return rules.containerHasDefaultButton ? Action::ToContainer : Action::CaptureEnter;
    }
    if (virtualKey == kKeyTab || virtualKey == kKeyEnter || virtualKey == kKeyEsc)
        return Action::ToEditor;
    if (!rules.enabled || (rules.locked && !readsOnly(virtualKey, modifiers)))
        return Action::Swallow;
    return Action::ToEditor;
}

} // namespace keytranslation
