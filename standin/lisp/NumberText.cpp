#include "lisp/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace standin::lisp {
namespace {

Text Ascii(const std::string& text) {
    return Text(text.begin(), text.end());
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The length of the decimal number (sign, digits, point, exponent) that
// starts at `from`; 0 when there is none.
std::size_t NumberLength(TextView text, std::size_t from) {
    std::size_t i = from;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i, ++digits;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i, ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i - from;
}

double Convert(TextView number) {
    const std::string ascii(number.begin(), number.end());
    return std::strtod(ascii.c_str(), nullptr);
}

} // namespace

Text DecimalPlaces(double value, int precision, int dimzin) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? u"-1.#IND" : (value < 0 ? u"-1.#INF" : u"1.#INF");
    }
    // The exact digits of the double (glibc's and mingw-w64's ANSI printf
    // write them exactly), far enough to see whether what follows the last
    // kept place is half or more.
    const int length = std::snprintf(nullptr, 0, "%.40f", std::fabs(value));
    std::string digits(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(digits.data(), digits.size(), "%.40f", std::fabs(value));
    digits.resize(static_cast<std::size_t>(length));
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = digits.substr(point + 1, static_cast<std::size_t>(precision));
    if (digits[point + 1 + static_cast<std::size_t>(precision)] >= '5') {
        std::string all = whole + fraction;
        std::size_t i = all.size();
        while (i > 0 && all[i - 1] == '9') {
            all[--i] = '0';
        }
        if (i == 0) {
            all.insert(all.begin(), '1');
        } else {
            ++all[i - 1];
        }
        whole = all.substr(0, all.size() - fraction.size());
        fraction = all.substr(all.size() - fraction.size());
    }
    const bool zero = whole.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    if ((dimzin & 8) != 0) {
        while (!fraction.empty() && fraction.back() == '0') {
            fraction.pop_back();
        }
    }
    if ((dimzin & 4) != 0 && whole == "0" && !fraction.empty()) {
        whole.clear();
    }
    std::string text = (value < 0 && !zero ? "-" : "") + whole;
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return Ascii(text);
}

Text ScientificText(double value, int precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*E", precision, value);
    return Ascii(buffer);
}

double LeadingReal(TextView text) {
    std::size_t from = 0;
    while (from < text.size() && IsBlank(text[from])) {
        ++from;
    }
    const std::size_t length = NumberLength(text, from);
    return length == 0 ? 0.0 : Convert(text.substr(from, length));
}

std::int32_t LeadingInteger(TextView text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i++] == u'-';
    }
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i] - u'0'), 2147483648LL);
    }
    value = negative ? -value : std::min(value, 2147483647LL);
    return static_cast<std::int32_t>(value);
}

std::optional<double> DecimalDistance(TextView text) {
    std::size_t from = 0, to = text.size();
    while (from < to && IsBlank(text[from])) {
        ++from;
    }
    while (to > from && IsBlank(text[to - 1])) {
        --to;
    }
    const std::size_t length = NumberLength(text, from);
    if (length == 0 || from + length != to) {
        return std::nullopt;
    }
    return Convert(text.substr(from, length));
}

} // namespace standin::lisp
