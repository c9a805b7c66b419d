#include "FormPlacement.h"

namespace vr::setup {
namespace {

constexpr std::int64_t kTwipsPerInch = 1440;

std::int64_t DivideRounded(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : (numerator - half) / denominator;
}

} // namespace

FormPosition PlaceForm(std::int64_t screenWidthTwips, std::int64_t screenHeightTwips,
                       std::int64_t formWidthTwips, std::int64_t formHeightTwips) {
    return {screenWidthTwips / 2 - formWidthTwips / 2, screenHeightTwips / 3 - formHeightTwips / 2};
}

std::int64_t TwipsAsPixels(std::int64_t twips, int dpi) {
    return DivideRounded(twips * dpi, kTwipsPerInch);
}

std::int64_t PixelsAsTwips(std::int64_t pixels, int dpi) {
    return dpi > 0 ? DivideRounded(pixels * kTwipsPerInch, dpi) : 0;
}

} // namespace vr::setup
