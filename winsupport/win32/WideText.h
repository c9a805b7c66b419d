#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vr {

// On Windows wchar_t and char16_t are both UTF-16 code units: the program's
// texts go to W calls without conversion.

// A NUL-terminated copy for W calls that need one.
[[nodiscard]] inline std::wstring WideZ(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

[[nodiscard]] inline std::u16string FromWide(const wchar_t* wide, std::size_t length) {
    return std::u16string(wide, wide + length);
}

[[nodiscard]] inline std::u16string FromWide(std::wstring_view wide) {
    return std::u16string(wide.begin(), wide.end());
}

// The text of a window, whole.
[[nodiscard]] inline std::u16string WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    return FromWide(text.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

} // namespace vr
