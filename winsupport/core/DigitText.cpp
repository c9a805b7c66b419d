#include "winsupport/core/DigitText.h"

#include <algorithm>

namespace vr {
namespace {

std::u16string DigitsInBase(std::uint64_t value, unsigned base, std::size_t minWidth) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string digits;
    do {
        digits.push_back(kDigits[value % base]);
        value /= base;
    } while (value != 0);
    if (digits.size() < minWidth) {
        digits.append(minWidth - digits.size(), u'0');
    }
    std::reverse(digits.begin(), digits.end());
    return digits;
}

} // namespace

std::u16string DecimalDigits(std::uint64_t value) {
    return DigitsInBase(value, 10, 1);
}

std::u16string SignedDecimalDigits(std::int64_t value) {
    if (value >= 0) {
        return DecimalDigits(static_cast<std::uint64_t>(value));
    }
    // Negate in unsigned arithmetic so that the most negative value survives.
    std::u16string digits = u"-";
    digits += DecimalDigits(0 - static_cast<std::uint64_t>(value));
    return digits;
}

std::u16string HexDigits(std::uint64_t value, std::size_t minWidth) {
    return DigitsInBase(value, 16, minWidth);
}

} // namespace vr
