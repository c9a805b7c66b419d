#pragma once

#include <cstdint>

namespace vr::setup {

// Form1's place on the screen, in twips (1/1440 inch). Screens of several
// monitors or high resolutions can be wider than 32767 twips, so every value
// is 64-bit.
struct FormPosition {
    std::int64_t left = 0;
    std::int64_t top = 0;
};

// Centred horizontally, the form's vertical centre at one third of the screen
// height. Each division truncates toward zero, as the integer division of the
// original form does.
[[nodiscard]] FormPosition PlaceForm(std::int64_t screenWidthTwips, std::int64_t screenHeightTwips,
                                     std::int64_t formWidthTwips, std::int64_t formHeightTwips);

} // namespace vr::setup
