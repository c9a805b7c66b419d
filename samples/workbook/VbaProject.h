#pragma once

#include "CompoundFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vr::samples::workbook {

// One module of the project: its name and its source text as Excel stores
// it (code page 932, CR LF, the Attribute lines first).
struct VbaModule {
    std::string name;
    bool document = false; // ThisWorkbook and the sheets; else a standard module
    std::string source;
};

// The streams of vbaProject.bin for an Excel project in code page 932: the
// PROJECT and PROJECTwm streams, VBA/_VBA_PROJECT at version 0xFFFF (no
// compiled code: Excel compiles the source when it opens the workbook),
// VBA/dir and one compressed stream per module.
[[nodiscard]] std::vector<CompoundStream> VbaProjectStreams(const std::string& projectId,
                                                            const std::vector<VbaModule>& modules);

// The project-protection texts (CMG, DPB, GC) are hex of data encrypted
// against the project's ID with a seed byte, as described for VBA projects.
[[nodiscard]] std::string EncryptProjectData(const std::string& projectId, std::uint8_t seed,
                                             const std::vector<std::uint8_t>& data);
[[nodiscard]] bool DecryptProjectData(const std::string& hex, std::vector<std::uint8_t>& data);

} // namespace vr::samples::workbook
