#pragma once

#include "lisp/Value.h"

#include <functional>

namespace standin::lisp {

// wcmatch's patterns: comma-separated alternatives, each of them
//   #  a digit          @  a letter          .  neither letter nor digit
//   *  any run, even empty                   ?  any one character
//   ~  (first) anything the rest does not match
//   [...] one of the characters, ranges a-z   [~...] none of them
//   `  the next character as it is (inside brackets every character is
//      itself: a "]" right after "[" or "[~", a comma, a backquote)
// Case-sensitive, as the CAD's wcmatch. `charge` is told of the work done in
// steps of a thousand comparisons, so that the caller can stop a long match.
[[nodiscard]] bool WildcardMatch(TextView text, TextView patterns,
                                 const std::function<void(std::size_t)>& charge);

} // namespace standin::lisp
