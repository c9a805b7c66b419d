#include "winsupport/core/Twips.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vr {
namespace {

// Form1's design sizes at 96 and 144 DPI.
TEST(Twips, ConvertsAtTheScreenResolution) {
    struct Case {
        std::int64_t twips;
        int dpi;
        std::int64_t pixels;
    };
    const Case cases[] = {
        {9600, 96, 640},    {4845, 96, 323}, {9615, 96, 641},  {1935, 96, 129},
        {615, 96, 41},      {120, 96, 8},    {9600, 144, 960}, {4845, 144, 485}, // 484.5 rounds up
        {9615, 144, 962},   {615, 144, 62},  {5055, 144, 506}, // halves away from zero
        {-4845, 144, -485}, {0, 144, 0},     {4845, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
    }
    EXPECT_EQ(TwipsToPixelsInt(4845, 144), 485);
    EXPECT_EQ(PixelsToTwips(1280, 96), 19200);
    EXPECT_EQ(PixelsToTwips(1280, 144), 12800);
    EXPECT_EQ(PixelsToTwips(7680, 96), 115200);
    EXPECT_EQ(PixelsToTwipsInt(646, 96), 9690);
    EXPECT_EQ(PixelsToTwips(1, 0), 0);
}

} // namespace
} // namespace vr
