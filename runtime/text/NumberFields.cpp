#include "text/NumberFields.h"

namespace vr {
namespace {

bool IsAsciiDigit(char16_t c) noexcept {
    return c >= u'0' && c <= u'9';
}

bool IsFullWidthNumberCharacter(char16_t c) noexcept {
    return (c >= u'０' && c <= u'９') || c == u'．' || c == u'，' || c == u'－' || c == u'＋' ||
           c == u'−' || c == u'\u3000';
}

} // namespace

std::vector<TextView> SplitAtSeparators(TextView line, TextView separators) {
    std::vector<TextView> fields;
    std::size_t position = 0;
    while (position < line.size()) {
        const std::size_t start = line.find_first_not_of(separators, position);
        if (start == TextView::npos) {
            break;
        }
        std::size_t end = line.find_first_of(separators, start);
        if (end == TextView::npos) {
            end = line.size();
        }
        fields.push_back(line.substr(start, end - start));
        position = end;
    }
    return fields;
}

bool HoldsOnly(TextView line, TextView filler) noexcept {
    return line.find_first_not_of(filler) == TextView::npos;
}

NumberSlip SlipInValue(TextView value) noexcept {
    if (value.find(u'\t') != TextView::npos) {
        return NumberSlip::Tab;
    }
    for (const char16_t c : value) {
        if (IsFullWidthNumberCharacter(c)) {
            return NumberSlip::FullWidth;
        }
    }
    std::size_t start = 0;
    if (start < value.size() && (value[start] == u'+' || value[start] == u'-')) {
        ++start;
    }
    if (start + 1 < value.size() && value[start] == u'.' && IsAsciiDigit(value[start + 1])) {
        return NumberSlip::LeadingPoint;
    }
    return NumberSlip::None;
}

bool LooksLikeThousandsSeparators(TextView line, std::size_t fieldCount) noexcept {
    if (fieldCount >= 4) {
        return true;
    }
    for (std::size_t comma = line.find(u','); comma != TextView::npos;
         comma = line.find(u',', comma + 1)) {
        if (comma == 0 || !IsAsciiDigit(line[comma - 1])) {
            continue;
        }
        std::size_t digits = 0;
        while (comma + 1 + digits < line.size() && IsAsciiDigit(line[comma + 1 + digits])) {
            ++digits;
        }
        if (digits == 3) {
            return true;
        }
    }
    return false;
}

} // namespace vr
