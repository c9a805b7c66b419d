// Win32 build: the system ANSI code page.
#include "text/AnsiText.h"

#include <windows.h>

namespace vr {

bool IsAnsiLeadByte(unsigned char byte) noexcept {
    return IsDBCSLeadByteEx(CP_ACP, byte) != FALSE;
}

Text DecodeAnsi(BytesView bytes) {
    // A lead byte at the very end would decode to a stray character; drop it.
    bytes = bytes.substr(0, WholeCharacterLength(bytes));
    if (bytes.empty()) {
        return {};
    }
    const int inLength = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), inLength, nullptr, 0);
    Text result(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), inLength,
                        reinterpret_cast<wchar_t*>(result.data()), length);
    return result;
}

Bytes EncodeAnsi(TextView text) {
    if (text.empty()) {
        return {};
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int inLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, inLength, nullptr, 0, nullptr, nullptr);
    Bytes result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, inLength, result.data(), length, nullptr, nullptr);
    return result;
}

} // namespace vr
