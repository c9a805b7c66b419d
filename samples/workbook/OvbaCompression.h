#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vr::samples::workbook {

// The run-length compression of VBA project streams: a signature byte, then
// chunks of up to 4096 input bytes, each a header and groups of eight
// tokens (literal bytes or copy tokens) behind a flag byte.
[[nodiscard]] std::vector<std::uint8_t> CompressContainer(std::span<const std::uint8_t> data);

// The inverse, for the tests; empty optional on malformed input.
[[nodiscard]] bool DecompressContainer(std::span<const std::uint8_t> container,
                                       std::vector<std::uint8_t>& out);

} // namespace vr::samples::workbook
