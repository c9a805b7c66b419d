#pragma once

#include "text/Text.h"

#include <cstddef>

namespace vr {

// Conversion between the program's strings and the system ANSI code page
// (932 on the target systems). The Win32 build uses the system code page; the
// host build uses code page 932 so that tests see the bytes a user's machine has.

// Decodes bytes; a byte sequence that is not a character of the code page
// becomes U+FFFD, and a lead byte at the very end is dropped.
[[nodiscard]] Text DecodeAnsi(BytesView bytes);

// Encodes text; a character the code page cannot hold becomes '?'.
[[nodiscard]] Bytes EncodeAnsi(TextView text);

// True when every character of the text has its own form in the code page,
// so that writing it and reading it back gives the same text.
[[nodiscard]] bool IsAnsiEncodable(TextView text);

// The first character of the text (one or two UTF-16 units) that is not
// encodable as above; empty when every character is.
[[nodiscard]] Text FirstUnencodableCharacter(TextView text);

// True when the byte starts a double-byte character in the ANSI code page.
[[nodiscard]] bool IsAnsiLeadByte(unsigned char byte) noexcept;

// Length of the longest prefix of bytes that does not end inside a
// double-byte character. Scans from the start, since a trail byte may look
// like a lead byte.
[[nodiscard]] std::size_t WholeCharacterLength(BytesView bytes) noexcept;

// The first byteCount bytes (or all, when fewer), cut before decoding so that
// a limit counted in bytes never produces half a character.
[[nodiscard]] Text DecodeAnsiPrefix(BytesView bytes, std::size_t byteCount);

} // namespace vr
