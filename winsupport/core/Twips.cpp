#include "winsupport/core/Twips.h"

namespace vr {
namespace {

std::int64_t DivideRounded(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : (numerator - half) / denominator;
}

} // namespace

std::int64_t TwipsToPixels(std::int64_t twips, int dpi) {
    return dpi > 0 ? DivideRounded(twips * dpi, kTwipsPerInch) : 0;
}

std::int64_t PixelsToTwips(std::int64_t pixels, int dpi) {
    return dpi > 0 ? DivideRounded(pixels * kTwipsPerInch, dpi) : 0;
}

} // namespace vr
