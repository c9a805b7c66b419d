#pragma once

#include "text/Text.h"

#include <vector>

namespace standin {

using vr::Text;
using vr::TextView;

// The CAD's command line as characters arrive, typed or pasted: the escape
// character cancels the input (and a pending point request); CR, LF or CR LF
// enters the line; a space enters it too unless it is an AutoLISP
// expression; backspace takes back one character; other control characters
// are ignored.
class CommandLineInput {
  public:
    struct Action {
        enum class Kind { Cancel, Enter };
        Kind kind;
        Text line; // for Enter
        friend bool operator==(const Action&, const Action&) = default;
    };

    [[nodiscard]] std::vector<Action> Feed(TextView characters);
    [[nodiscard]] const Text& Pending() const { return pending_; }

  private:
    Text pending_;
    bool afterCr_ = false;
};

} // namespace standin
