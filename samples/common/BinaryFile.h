#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vr::samples {

// Writes the bytes as the whole file, replacing it; throws when the file
// cannot be written.
void WriteBinaryFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace vr::samples
