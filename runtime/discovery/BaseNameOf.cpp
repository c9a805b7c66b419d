#include "discovery/BaseNameOf.h"

namespace vr {

Text BaseNameOf(TextView path) {
    TextView rest = path;
    for (;;) {
        std::size_t cut = rest.find(u'\\');
        if (cut == TextView::npos) {
            cut = rest.find(u':');
        }
        if (cut == TextView::npos) {
            break;
        }
        rest.remove_prefix(cut + 1);
    }
    return Text(rest.substr(0, rest.find(u'.')));
}

} // namespace vr
