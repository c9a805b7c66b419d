#pragma once

// Files of the source tree that tests read: golden outputs, and the shipped
// CAD-side files as the source holds them (UTF-8) or as the build installs
// them (code page 932).
#include "text/AnsiText.h"
#include "text/Text.h"
#include "text/Utf8.h"

#include <fstream>
#include <iterator>
#include <string>

namespace vr::test {

// The bytes of a file under the source tree, empty when it cannot be read.
inline Bytes SourceBytes(const std::string& relative) {
    std::ifstream file(std::string(VR_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

inline Text SourceText(const std::string& relative) {
    return TextFromUtf8(SourceBytes(relative));
}

inline Bytes SourceTextInAnsi(const std::string& relative) {
    return EncodeAnsi(SourceText(relative));
}

} // namespace vr::test
