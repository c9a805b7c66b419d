#include "discovery/CadInstances.h"

namespace vr {

Text GetWindowCaption(WindowTree& tree, Hwnd window) {
    return tree.GetWindowTitle(window);
}

Text DocumentNameFromTitle(TextView title) {
    const std::size_t dash = title.find(u'-');
    // From the character after the first dash (from the first character
    // without a dash), skip two characters: the blank and the opening one.
    std::size_t start = dash == TextView::npos ? 0 : dash + 1;
    for (int skipped = 0; skipped < 2 && start < title.size(); ++skipped) {
        start += CharacterUnitsAt(title, start);
    }
    if (start >= title.size()) {
        return {};
    }
    TextView remainder = title.substr(start);
    const std::size_t last = remainder.size() - 1;
    const bool pairAtEnd = last > 0 && CharacterUnitsAt(remainder, last - 1) == 2;
    remainder.remove_suffix(pairAtEnd ? 2 : 1);
    return Text(remainder);
}

} // namespace vr
