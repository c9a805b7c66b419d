#include "text/LispString.h"

namespace vr {

Text LispStringContent(TextView text) {
    Text escaped;
    escaped.reserve(text.size());
    for (const char16_t c : text) {
        if (c == u'\\' || c == u'"') {
            escaped.push_back(u'\\');
        }
        escaped.push_back(c);
    }
    return escaped;
}

} // namespace vr
