#pragma once

#include "practice/session/recallcue.h"

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
QString entry(bool wordMode, const QString& reference, const QString& displayWords);

// What recall first shows of an item before it is revealed: in line mode its first word and an
// ellipsis, in word mode only the line marker it carries (nothing for a word within a line).
// The other cues show the letters or blanks of the item's words instead, the marker kept.
// Words the learner revealed one by one stand whole before the cue of the rest.
QString recallPrompt(const QString& item, bool wordMode,
                     recallcue::Cue cue = recallcue::Cue::FirstWord, int revealed = 0);

// The clipboard reference of a listed entry: the list's name, ":" and the item's reference.
QString reference(const QString& listName, const QString& itemReference);

} // namespace listing
