#include "text/AnsiText.h"

#include <algorithm>

namespace vr {

std::size_t WholeCharacterLength(BytesView bytes) noexcept {
    std::size_t whole = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const std::size_t width = IsAnsiLeadByte(byte) ? 2 : 1;
        if (i + width > bytes.size()) {
            break;
        }
        i += width;
        whole = i;
    }
    return whole;
}

Text DecodeAnsiPrefix(BytesView bytes, std::size_t byteCount) {
    const BytesView cut = bytes.substr(0, std::min(byteCount, bytes.size()));
    return DecodeAnsi(cut.substr(0, WholeCharacterLength(cut)));
}

} // namespace vr
