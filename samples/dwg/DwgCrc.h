#pragma once

#include <cstdint>
#include <span>

namespace vr::samples::dwg {

// The 16-bit CRC of DWG sections and objects (the reflected 0x8005
// polynomial, table-driven), continued from a seed: 0xC0C1 for sections and
// objects, 0 for the file header.
[[nodiscard]] std::uint16_t DwgCrc(std::uint16_t seed, std::span<const std::uint8_t> bytes);

} // namespace vr::samples::dwg
