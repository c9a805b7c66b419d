#include "text/NumberText.h"

#include "text/DecimalValue.h"

#include <cmath>
#include <string>

namespace vr {
namespace {

// Maps the text to ASCII for scanning; any character that cannot be part of a
// number becomes '\x01', which stops every scan.
std::string AsciiForm(TextView text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (const char16_t c : text) {
        if (c < 0x80) {
            ascii.push_back(static_cast<char>(c));
        } else if (c >= u'０' && c <= u'９') {
            ascii.push_back(static_cast<char>('0' + (c - u'０')));
        } else if (c == u'＋') {
            ascii.push_back('+');
        } else if (c == u'－' || c == u'−') {
            ascii.push_back('-');
        } else if (c == u'．') {
            ascii.push_back('.');
        } else if (c == u'\u3000') {
            ascii.push_back(' ');
        } else {
            ascii.push_back('\x01');
        }
    }
    return ascii;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Scans a decimal number at ascii[pos]; returns its end, or pos when no
// digits were found. Writes the number in C syntax to number.
std::size_t ScanDecimal(const std::string& ascii, std::size_t pos, std::string& number) {
    std::size_t i = pos;
    number.clear();
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) {
        number.push_back(ascii[i]);
        ++i;
    }
    bool digits = false;
    while (i < ascii.size() && IsDigit(ascii[i])) {
        number.push_back(ascii[i++]);
        digits = true;
    }
    if (i < ascii.size() && ascii[i] == '.') {
        number.push_back(ascii[i++]);
        while (i < ascii.size() && IsDigit(ascii[i])) {
            number.push_back(ascii[i++]);
            digits = true;
        }
    }
    if (!digits) {
        number.clear();
        return pos;
    }
    if (i < ascii.size() &&
        (ascii[i] == 'e' || ascii[i] == 'E' || ascii[i] == 'd' || ascii[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < ascii.size() && (ascii[j] == '+' || ascii[j] == '-')) {
            exponent.push_back(ascii[j++]);
        }
        const std::size_t digitsStart = j;
        while (j < ascii.size() && IsDigit(ascii[j])) {
            exponent.push_back(ascii[j++]);
        }
        if (j > digitsStart) {
            number += exponent;
            i = j;
        }
    }
    return i;
}

std::optional<double> FiniteValue(const std::string& number) {
    const double value = DecimalValue(number);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The value of a hexadecimal digit, or -1 for any other character.
int HexDigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::optional<double> ConvertWholeNumber(TextView text) {
    const std::string ascii = AsciiForm(text);
    std::size_t i = 0;
    while (i < ascii.size() && IsBlank(ascii[i])) {
        ++i;
    }
    std::string number;
    const std::size_t end = ScanDecimal(ascii, i, number);
    if (end == i) {
        return std::nullopt;
    }
    for (std::size_t k = end; k < ascii.size(); ++k) {
        if (!IsBlank(ascii[k])) {
            return std::nullopt;
        }
    }
    return FiniteValue(number);
}

std::optional<double> LeadingNumber(TextView text) {
    const std::string ascii = AsciiForm(text);
    std::size_t i = 0;
    while (i < ascii.size() && IsBlank(ascii[i])) {
        ++i;
    }
    if (ascii.compare(i, 2, "&H") == 0 || ascii.compare(i, 2, "&h") == 0) {
        i += 2;
        while (i < ascii.size() && ascii[i] == '0') {
            ++i;
        }
        std::uint64_t pattern = 0;
        int digits = 0;
        for (; i < ascii.size() && HexDigitValue(ascii[i]) >= 0; ++i, ++digits) {
            if (digits == 8) {
                return std::nullopt;
            }
            pattern = pattern * 16 + static_cast<std::uint64_t>(HexDigitValue(ascii[i]));
        }
        return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern)));
    }
    std::string number;
    if (ScanDecimal(ascii, i, number) == i) {
        return 0.0;
    }
    return FiniteValue(number);
}

std::optional<std::int16_t> RoundToInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int32_t> RoundToInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace vr
