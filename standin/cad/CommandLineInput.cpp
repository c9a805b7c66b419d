#include "cad/CommandLineInput.h"

namespace standin {

std::vector<CommandLineInput::Action> CommandLineInput::Feed(TextView characters) {
    std::vector<Action> actions;
    for (const char16_t c : characters) {
        const bool lfAfterCr = c == u'\n' && afterCr_;
        afterCr_ = c == u'\r';
        if (lfAfterCr) {
            continue;
        }
        if (c == u'\x1b') {
            pending_.clear();
            actions.push_back({Action::Kind::Cancel, {}});
        } else if (c == u'\r' || c == u'\n' ||
                   (c == u' ' && (pending_.empty() || pending_[0] != u'('))) {
            actions.push_back({Action::Kind::Enter, pending_});
            pending_.clear();
        } else if (c == u'\b') {
            if (!pending_.empty()) {
                pending_.pop_back();
            }
        } else if (c >= 0x20) {
            pending_.push_back(c);
        }
    }
    return actions;
}

} // namespace standin
