#pragma once

#include <QString>

#include <optional>

// The Lister's speeds and texts.
namespace listing {

inline constexpr int kManualSpeed = 6;
inline constexpr int kQuickSpeed = 0;

struct Speed {
    QString caption;
    int interval; // ms; 0 stops the listing clock
};

// The six speeds and manual listing by slider value; none for other values.
std::optional<Speed> speed(int sliderValue);

// An entry of the growing list: in line mode the item's number in the whole list before its
// label, in word mode the label alone.
QString entry(bool wordMode, int itemNumber, const QString& displayWords);

// The clipboard reference of a listed entry: the list's name, ":" and its 1-based position.
QString reference(const QString& listName, int position);

} // namespace listing
