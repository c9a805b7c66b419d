#include "text/NumberText.h"
#include "TestText.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

struct NumberCase {
    Text text;
    std::optional<double> expected;
};

TEST(ConvertWholeNumber, AcceptsOneNumberWithBlanksAround) {
    const NumberCase cases[] = {
        {u"10", 10},
        {u" 7 ", 7},
        {u"\t7\t", 7},
        {u"2.5", 2.5},
        {u"-1", -1},
        {u"+3", 3},
        {u".5", 0.5},
        {u"5.", 5},
        {u"1e3", 1000},
        {u"1D2", 100},
        {u"40000", 40000},
        {u"１０", 10},
        {u"\u3000８\u3000", 8},
        {u"", std::nullopt},
        {u"   ", std::nullopt},
        {u"abc", std::nullopt},
        {u"1 2", std::nullopt},
        {u"12abc", std::nullopt},
        {u"-", std::nullopt},
        {u".", std::nullopt},
        {u"1e", std::nullopt},
        {u"1e999", std::nullopt},
        {u"表", std::nullopt},
        {u"0x10", std::nullopt},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(ConvertWholeNumber(c.text), c.expected) << testing::PrintToString(c.text);
    }
}

TEST(LeadingNumber, ReadsWhileTheTextContinuesANumber) {
    const NumberCase cases[] = {
        {u"1001", 1001},
        {u"12abc", 12},
        {u"abc", 0},
        {u"", 0},
        {u"2.5", 2.5},
        {u"  -42 x", -42},
        {u"+7", 7},
        {u"1e3x", 1000},
        {u"1e", 1},
        {u"1e+", 1},
        {u"3.25.1", 3.25},
        {u"-", 0},
        {u".", 0},
        {u"&H10", 16},
        {u"&h1F", 31},
        {u"&H", 0},
        {u"&HFFFFFFFF", -1},
        {u"&H7FFFFFFF", 2147483647},
        {u"&H0000000010", 16},
        {u"&H100000000", std::nullopt},
        {u"1e400", std::nullopt},
        {u"１２３", 123},
        {u"表1", 0},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(LeadingNumber(c.text), c.expected) << testing::PrintToString(c.text);
    }
}

TEST(RoundToInteger, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, std::int16_t> cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.4999, 1}, {2.51, 3},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(RoundToInt16(value), expected) << value;
        EXPECT_EQ(RoundToInt32(value), expected) << value;
    }
}

TEST(RoundToInteger, ChecksTheRangeAfterRounding) {
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_EQ(RoundToInt16(-32768.6), std::nullopt);
    EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(RoundToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(RoundToInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(RoundToInt32(-2147483649.0), std::nullopt);
}

} // namespace
} // namespace vr
