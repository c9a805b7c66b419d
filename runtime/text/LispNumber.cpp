#include "text/LispNumber.h"

namespace vr {
namespace {

bool IsBlank(char16_t c) noexcept {
    return c == u' ' || c == u'\t';
}

bool IsDigit(char16_t c) noexcept {
    return c >= u'0' && c <= u'9';
}

// Skips the digits at position, returning how many there were.
std::size_t SkipDigits(TextView text, std::size_t& position) noexcept {
    const std::size_t start = position;
    while (position < text.size() && IsDigit(text[position])) {
        ++position;
    }
    return position - start;
}

void SkipSign(TextView text, std::size_t& position) noexcept {
    if (position < text.size() && (text[position] == u'+' || text[position] == u'-')) {
        ++position;
    }
}

} // namespace

bool IsLispNumber(TextView text) noexcept {
    std::size_t position = 0;
    while (position < text.size() && IsBlank(text[position])) {
        ++position;
    }
    SkipSign(text, position);
    if (SkipDigits(text, position) == 0) {
        return false;
    }
    if (position < text.size() && text[position] == u'.') {
        ++position;
        SkipDigits(text, position);
    }
    if (position < text.size() && (text[position] == u'e' || text[position] == u'E')) {
        ++position;
        SkipSign(text, position);
        if (SkipDigits(text, position) == 0) {
            return false;
        }
    }
    while (position < text.size() && IsBlank(text[position])) {
        ++position;
    }
    return position == text.size();
}

} // namespace vr
