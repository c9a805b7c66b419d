#pragma once

#include "text/Text.h"
#include "text/Utf8.h"

#include <ostream>

namespace vr {

// Lets GoogleTest print the program's strings readably.
inline void PrintTo(const Text& text, std::ostream* out) {
    *out << '"' << Utf8FromText(text) << '"';
}

} // namespace vr
