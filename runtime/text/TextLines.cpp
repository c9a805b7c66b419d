#include "text/TextLines.h"

namespace vr {

std::vector<BytesView> SplitLines(BytesView bytes) {
    std::vector<BytesView> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (bytes[i] == '\r') {
            lines.push_back(bytes.substr(start, i - start));
            i += (i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

BytesView FirstLine(BytesView bytes) {
    return bytes.substr(0, bytes.find('\r'));
}

} // namespace vr
