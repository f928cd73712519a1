#include "app/settings/zoom.h"

#include <algorithm>
#include <array>

namespace zoom {
namespace {

constexpr std::array kSteps{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

} // namespace

int in(int percent)
{
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
    return next == kSteps.end() ? kSteps.back() : *next;
}

int out(int percent)
{
    const auto next = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    return next == kSteps.begin() ? kSteps.front() : *(next - 1);
}

} // namespace zoom
