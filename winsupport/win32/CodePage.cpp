#include "winsupport/win32/CodePage.h"

#include <windows.h>

namespace vr {

std::u16string WideFromCodePage(std::string_view bytes, unsigned codePage) {
    if (bytes.empty()) {
        return {};
    }
    const int inLength = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), inLength, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::u16string result(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), inLength,
                        reinterpret_cast<wchar_t*>(result.data()), length);
    return result;
}

std::string CodePageFromWide(std::u16string_view text, unsigned codePage) {
    if (text.empty()) {
        return {};
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int inLength = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(codePage, 0, wide, inLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return {};
    }
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide, inLength, result.data(), length, nullptr, nullptr);
    return result;
}

std::string Utf8FromWide(std::wstring_view text) {
    return CodePageFromWide(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()), CP_UTF8);
}

} // namespace vr
