#pragma once

#include <string>
#include <string_view>

namespace vr {

// Conversions between UTF-16 and the bytes of a code page: CP_ACP (the
// system's ANSI code page, 932 on the target systems) unless told otherwise.
// Bytes that are no character, and characters the code page cannot hold,
// become what the system's conversion makes of them (its default character).
[[nodiscard]] std::u16string WideFromCodePage(std::string_view bytes, unsigned codePage = 0);
[[nodiscard]] std::string CodePageFromWide(std::u16string_view text, unsigned codePage = 0);

// UTF-8, for what the tests and helper programs log.
[[nodiscard]] std::string Utf8FromWide(std::wstring_view text);

} // namespace vr
