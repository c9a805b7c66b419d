#include "window/MainWindowLayout.h"

#include <algorithm>
#include <cstdint>

namespace vr {
namespace {

int RoundedRatio(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t half = denominator / 2;
    return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator
                                           : -((-numerator + half) / denominator));
}

} // namespace

int TwipsToPixels(int twips, int dpi) {
    return RoundedRatio(static_cast<std::int64_t>(twips) * dpi, kTwipsPerInch);
}

int PixelsToTwips(int pixels, int dpi) {
    return RoundedRatio(static_cast<std::int64_t>(pixels) * kTwipsPerInch, dpi);
}

MainWindowWidths LayoutMainWindow(int clientWidthTwips) {
    const int width = std::max(0, clientWidthTwips);
    const int boxes = std::max(0, clientWidthTwips - kTextBoxLeftTwips);
    return {width, boxes, boxes};
}

} // namespace vr
