#pragma once

#include <cstdint>

namespace vr {

inline constexpr std::int64_t kTwipsPerInch = 1440;

// Twips and pixels at a screen resolution in dots per inch, rounded to the
// nearest pixel (halves away from zero). A resolution of 0 or less gives 0.
[[nodiscard]] std::int64_t TwipsToPixels(std::int64_t twips, int dpi);
[[nodiscard]] std::int64_t PixelsToTwips(std::int64_t pixels, int dpi);

// The same for the sizes of a window design, which always fit in an int.
[[nodiscard]] inline int TwipsToPixelsInt(int twips, int dpi) {
    return static_cast<int>(TwipsToPixels(twips, dpi));
}
[[nodiscard]] inline int PixelsToTwipsInt(int pixels, int dpi) {
    return static_cast<int>(PixelsToTwips(pixels, dpi));
}

} // namespace vr
