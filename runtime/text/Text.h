#pragma once

#include <string>
#include <string_view>

namespace vr {

// The program's own string type: UTF-16, as on the platform. Bytes in the ANSI
// code page appear only at the boundaries (files, profile reads, class names,
// the clipboard's plain text) and are held in Bytes.
using Text = std::u16string;
using TextView = std::u16string_view;
using Bytes = std::string;
using BytesView = std::string_view;

// How many UTF-16 units the character at index takes: 2 for a surrogate
// pair, 1 for anything else (a lone surrogate counts as a character).
[[nodiscard]] constexpr std::size_t CharacterUnitsAt(TextView text, std::size_t index) {
    const bool pair = index + 1 < text.size() && text[index] >= 0xD800 && text[index] <= 0xDBFF &&
                      text[index + 1] >= 0xDC00 && text[index + 1] <= 0xDFFF;
    return pair ? 2 : 1;
}

} // namespace vr
