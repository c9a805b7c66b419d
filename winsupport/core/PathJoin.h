#pragma once

#include <string>
#include <string_view>

namespace vr {

// The folder with one backslash at its end, unless it already ends in a
// separator (a drive root such as "C:\" does; the folder browser may hand
// back a path that ends in one). An empty folder becomes "\".
[[nodiscard]] std::u16string FolderWithSeparator(std::u16string_view folder);

// A file in a folder: the folder with its separator (as above), then the
// name.
[[nodiscard]] std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);

} // namespace vr
