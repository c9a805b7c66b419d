#include "text/DecimalValue.h"
#include "winsupport/core/DigitText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace vr {
namespace {

TEST(DigitText, WritesTheDigitsOfTheWholeRange) {
    struct Case {
        std::u16string written;
        std::u16string expected;
    };
    const Case cases[] = {
        {DecimalDigits(0), u"0"},
        {DecimalDigits(7), u"7"},
        {DecimalDigits(10), u"10"},
        {DecimalDigits(1048576), u"1048576"},
        {DecimalDigits(UINT64_MAX), u"18446744073709551615"},
        {SignedDecimalDigits(0), u"0"},
        {SignedDecimalDigits(-1), u"-1"},
        {SignedDecimalDigits(-32000), u"-32000"},
        {SignedDecimalDigits(INT64_MAX), u"9223372036854775807"},
        {SignedDecimalDigits(INT64_MIN), u"-9223372036854775808"},
        {HexDigits(0, 8), u"00000000"},
        {HexDigits(0x1A2B, 8), u"00001A2B"},
        {HexDigits(0xFFFFFFFF, 8), u"FFFFFFFF"},
        {HexDigits(0x123456789ABCDEF0, 8), u"123456789ABCDEF0"},
        {HexDigits(0xF, 0), u"F"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.written, c.expected);
    }
}

TEST(DecimalValue, GivesTheNearestDoubleOfTypedNumbers) {
    struct Case {
        const char* number;
        double expected;
    };
    const Case cases[] = {
        {"0", 0.0},
        {"-0", -0.0},
        {"5", 5.0},
        {"+5", 5.0},
        {"2.5", 2.5},
        {"-2.5", -2.5},
        {"0.1", 0.1},
        {"000123.4500", 123.45},
        {"1.", 1.0},
        {"5e2", 500.0},
        {"5e-2", 0.05},
        {"1e22", 1e22},
        {"1e23", 1e23},
        {"1e308", 1e308},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"4.9e-324", 4.9e-324},
        {"1e-400", 0.0},
        {"32767.5", 32767.5},
        {"2147483647.4999", 2147483647.4999},
        {"12345678901234567890123", 1.2345678901234568e22},
        {"0.000000000000000000000000000001", 1e-30},
    };
    for (const Case& c : cases) {
        const double value = DecimalValue(c.number);
        EXPECT_EQ(value, c.expected) << c.number;
        EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << c.number;
    }
    EXPECT_TRUE(std::isinf(DecimalValue("1e309")));
    EXPECT_TRUE(std::isinf(DecimalValue("-1e99999999999")));
    EXPECT_EQ(DecimalValue("1e-99999999999"), 0.0);
}

// Random numbers as people and programs write them, against the C library.
TEST(DecimalValue, AgreesWithTheCLibrary) {
    std::mt19937_64 random(20261209);
    for (int round = 0; round < 200000; ++round) {
        const int digits = 1 + static_cast<int>(random() % 25);
        std::string number = random() % 2 ? "-" : "";
        const int point = static_cast<int>(random() % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point) {
                number += '.';
            }
            number += static_cast<char>('0' + random() % 10);
        }
        const int exponent = static_cast<int>(random() % 90) - 45;
        const bool withExponent = random() % 3 == 0;
        if (withExponent) {
            number += "e" + std::to_string(exponent);
        }
        const double expected = std::strtod(number.c_str(), nullptr);
        const double value = DecimalValue(number);
        // Significant digits run from the first non-zero digit; the decimal
        // exponent of the last digit is the written one less the fraction's.
        int significant = 0;
        int fractionDigits = 0;
        bool inFraction = false;
        for (const char c : number) {
            if (c == 'e') {
                break;
            }
            if (c == '.') {
                inFraction = true;
            } else if (c >= '0' && c <= '9') {
                fractionDigits += inFraction ? 1 : 0;
                significant += (significant > 0 || c != '0') ? 1 : 0;
            }
        }
        const int lastDigitExponent = (withExponent ? exponent : 0) - fractionDigits;
        if (significant <= 15 && std::abs(lastDigitExponent) <= 22) {
            EXPECT_EQ(value, expected) << number;
        } else {
            EXPECT_LE(std::fabs(value - expected),
                      std::fabs(std::nextafter(expected, 0.0) - expected))
                << number;
        }
    }
}

} // namespace
} // namespace vr
