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

} // namespace vr
