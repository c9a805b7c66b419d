#include "text/AsciiCase.h"

namespace vr {

Text AsciiUpper(TextView text) {
    Text upper(text);
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    return upper;
}

Text AsciiLower(TextView text) {
    Text lower(text);
    for (char16_t& c : lower) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
    }
    return lower;
}

} // namespace vr
