#pragma once

#include "excel/ComValue.h"

#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

// What the members of every automation object share: their arguments
// counted, their result typed or declared as a variant, the names an object
// knows.
namespace standin::excel::members {

using Args = std::vector<ComValue>;

inline void CountArgs(const Args& args, std::size_t count) {
    if (args.size() != count) {
        Refuse(AutomationError::Kind::BadParamCount);
    }
}

inline ComResult Typed(ComValue value) {
    return ComResult{std::move(value), false};
}

inline ComResult AsVariant(ComValue value) {
    return ComResult{std::move(value), true};
}

inline bool InList(const Text& upperName, std::initializer_list<const char16_t*> names) {
    for (const char16_t* name : names) {
        if (upperName == name) {
            return true;
        }
    }
    return false;
}

} // namespace standin::excel::members
