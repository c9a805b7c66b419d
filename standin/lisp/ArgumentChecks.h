#pragma once

#include "lisp/Interpreter.h"

#include <cstddef>
#include <string>

// The checks the built-in functions make of their arguments, with the CAD's
// error messages.
namespace standin::lisp::arguments {

using Args = std::vector<ValuePtr>;

inline void Count(const Args& args, std::size_t least, std::size_t most) {
    if (args.size() < least) {
        Interpreter::Fail(u"too few arguments");
    }
    if (args.size() > most) {
        Interpreter::Fail(u"too many arguments");
    }
}

[[noreturn]] inline void BadType(TextView expected, const ValuePtr& value) {
    Interpreter::Fail(u"bad argument type: " + Text(expected) + u" " + Prin1Text(value));
}

inline double Number(const ValuePtr& value) {
    if (!IsNumber(value)) {
        BadType(u"numberp:", value);
    }
    return NumberOf(value);
}

inline const Text& String(const ValuePtr& value) {
    if (!value || value->kind != Kind::String) {
        BadType(u"stringp", value);
    }
    return value->text;
}

inline std::int32_t Integer(const ValuePtr& value) {
    if (!value || value->kind != Kind::Integer) {
        BadType(u"fixnump:", value);
    }
    return value->integer;
}

inline const ValuePtr& List(const ValuePtr& value) {
    if (!IsList(value)) {
        BadType(u"listp", value);
    }
    return value;
}

// The items of a list argument, their number charged.
inline std::vector<ValuePtr> ChargedItems(Interpreter& lisp, const ValuePtr& list) {
    std::vector<ValuePtr> items = ListItems(List(list));
    lisp.Charge(items.size());
    return items;
}

inline Text Ascii(const std::string& text) {
    return Text(text.begin(), text.end());
}

} // namespace standin::lisp::arguments
