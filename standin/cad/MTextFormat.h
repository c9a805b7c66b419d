#pragma once

#include "cad/Entity.h"

#include <vector>

namespace standin {

// The text of an MTEXT as it reads on the drawing, its formatting codes
// taken out: \P (and \X, \N) end a line; \~ is a space; \\ \{ \} stand for
// the character; { } group and go; \L \l \O \o \K \k switch under-, over-
// and strike-lines; \f \F \H \C \c \T \Q \W \A \p take their value up to
// ";"; \S stacks "a^b;", "a/b;" or "a#b;" and shows "a/b"; \U+XXXX is the
// character of that code. %%d, %%p, %%c and %%% are the degree, plus-minus
// and diameter signs and the percent sign, as in any text.
[[nodiscard]] Text PlainMText(TextView formatted);

// The lines of a plain text, split at its line ends.
[[nodiscard]] std::vector<Text> TextLines(TextView plain);

} // namespace standin
