#pragma once

#include "text/Text.h"

namespace vr {

// UTF-8 is used for source literals, logs and test reports, never at the
// platform boundary. Invalid input becomes U+FFFD.
[[nodiscard]] std::string Utf8FromText(TextView text);
[[nodiscard]] Text TextFromUtf8(std::string_view utf8);

// True when the bytes are valid UTF-8 throughout and hold at least one
// character of three or four bytes (kana and kanji take three): a file saved
// as UTF-8 without a byte order mark. Shift-JIS text fails the test: its
// double-byte characters and half-width kana break UTF-8's sequences, and
// two-byte sequences alone are not taken as proof.
[[nodiscard]] bool IsUtf8WithWideCharacters(BytesView bytes) noexcept;

} // namespace vr
