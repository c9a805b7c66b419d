#include "text/DecimalValue.h"

#include <cstdint>

namespace vr {
namespace {

// Powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
constexpr int kMaxSignificantDigits = 19; // what a 64-bit mantissa holds
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;
// Far beyond any finite double; keeps the exponent arithmetic from overflowing.
constexpr long kExponentLimit = 100000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

long double PowerOfTen(long exponent) {
    long double result = 1.0L;
    long double power = 10.0L;
    for (; exponent != 0; exponent >>= 1) {
        if ((exponent & 1) != 0) {
            result *= power;
        }
        power *= power;
    }
    return result;
}

} // namespace

double DecimalValue(std::string_view number) {
    std::size_t i = 0;
    bool negative = false;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
        negative = number[i] == '-';
        ++i;
    }
    std::uint64_t mantissa = 0;
    int significant = 0;
    long exponent = 0;
    bool fraction = false;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.') {
            fraction = true;
            continue;
        }
        if (!IsDigit(c)) {
            break;
        }
        const int digit = c - '0';
        if (significant < kMaxSignificantDigits) {
            if (mantissa != 0 || digit != 0) {
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(digit);
                ++significant;
            }
            if (fraction) {
                --exponent;
            }
        } else if (!fraction) {
            ++exponent; // a digit beyond what the mantissa holds still scales it
        }
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            negativeExponent = number[i] == '-';
            ++i;
        }
        long written = 0;
        for (; i < number.size() && IsDigit(number[i]); ++i) {
            if (written < kExponentLimit) {
                written = written * 10 + (number[i] - '0');
            }
        }
        exponent += negativeExponent ? -written : written;
    }
    double value = 0.0;
    if (mantissa == 0) {
        value = 0.0;
    } else if (mantissa <= kMaxExactMantissa && exponent >= -kMaxExactPower &&
               exponent <= kMaxExactPower) {
        // Both operands are exact, so the one rounding of the product or
        // quotient gives the nearest double.
        const double exact = static_cast<double>(mantissa);
        value = exponent >= 0 ? exact * kExactPowersOfTen[exponent]
                              : exact / kExactPowersOfTen[-exponent];
    } else {
        const long double scale = PowerOfTen(exponent >= 0 ? exponent : -exponent);
        const long double exact = static_cast<long double>(mantissa);
        value = static_cast<double>(exponent >= 0 ? exact * scale : exact / scale);
    }
    return negative ? -value : value;
}

} // namespace vr
