#pragma once

#include <QString>

#include <optional>

// Reading the settings store's text values. A user may edit the file by hand, so every value
// is checked: one that is not a number or lies outside its range counts as absent.
namespace settingsvalues {

// A whole decimal number, optionally signed, surrounded by nothing but spaces.
std::optional<int> parseWholeNumber(const QString& text);

// A whole number within [min, max], or the fallback.
int wholeNumber(const QString& text, int min, int max, int fallback);

// A decimal number within [min, max] rounded to a whole one (halves to even), or the fallback.
int roundedNumber(const QString& text, int min, int max, int fallback);

} // namespace settingsvalues
