#include "discovery/CadInstances.h"

#include "text/AnsiText.h"

#include <algorithm>
#include <vector>

namespace vr {

Text GetWindowCaption(WindowTree& tree, Hwnd window) {
    const std::int32_t length = tree.GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const std::int32_t copied = tree.GetWindowTextA(window, buffer.data(), length + 1);
    const std::size_t stored = copied > 0 ? static_cast<std::size_t>(copied) : 0;
    const BytesView bytes(buffer.data(), std::min<std::size_t>(stored, length));
    return DecodeAnsiPrefix(bytes.substr(0, bytes.find('\0')), static_cast<std::size_t>(length));
}

Text DocumentNameFromTitle(TextView title) {
    const std::size_t dash = title.find(u'-');
    // 1-based position of the dash (0 without one), then skip the dash, the
    // blank and the opening character: the name starts at 1-based p + 3.
    const std::size_t p = dash == TextView::npos ? 0 : dash + 1;
    const std::size_t start = p + 2; // 0-based
    if (start >= title.size()) {
        return {};
    }
    const TextView remainder = title.substr(start);
    return Text(remainder.substr(0, remainder.size() - 1));
}

} // namespace vr
