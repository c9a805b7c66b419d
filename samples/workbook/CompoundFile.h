#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vr::samples::workbook {

// One stream of a compound file, named by its path of storages ("VBA/dir").
struct CompoundStream {
    std::string path; // ASCII names joined by '/'
    std::vector<std::uint8_t> bytes;
};

// A compound file (version 3, 512-byte sectors): header, FAT, directory with
// each storage's children in a balanced tree, the mini stream for streams
// under 4096 bytes with its mini FAT, and the larger streams.
[[nodiscard]] std::vector<std::uint8_t>
WriteCompoundFile(const std::vector<CompoundStream>& streams);

// The order of names within a storage: shorter first, then by upper case.
[[nodiscard]] bool CompoundNameLess(const std::string& a, const std::string& b);

} // namespace vr::samples::workbook
