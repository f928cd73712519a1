#pragma once

// The zoom of the Arabic text, in percent of the designed size, by the steps the View menu's
// Zoom In and Zoom Out take.
namespace zoom {

inline constexpr int kActualSize = 100;
inline constexpr int kSmallest = 50;
inline constexpr int kLargest = 300;

// The next step up or down from `percent`; the end it already stands at stays.
int in(int percent);
int out(int percent);

} // namespace zoom
