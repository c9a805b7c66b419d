#include "discovery/CadInstances.h"

namespace vr {
namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The index after the character that starts at index.
std::size_t AfterCharacter(TextView text, std::size_t index) {
    const bool pair =
        index + 1 < text.size() && IsHighSurrogate(text[index]) && IsLowSurrogate(text[index + 1]);
    return index + (pair ? 2 : 1);
}

} // namespace

Text GetWindowCaption(WindowTree& tree, Hwnd window) {
    return tree.GetWindowTitle(window);
}

Text DocumentNameFromTitle(TextView title) {
    const std::size_t dash = title.find(u'-');
    // From the character after the first dash (from the first character
    // without a dash), skip two characters: the blank and the opening one.
    std::size_t start = dash == TextView::npos ? 0 : dash + 1;
    for (int skipped = 0; skipped < 2 && start < title.size(); ++skipped) {
        start = AfterCharacter(title, start);
    }
    if (start >= title.size()) {
        return {};
    }
    TextView remainder = title.substr(start);
    const std::size_t last = remainder.size() - 1;
    const bool pairAtEnd =
        last > 0 && IsLowSurrogate(remainder[last]) && IsHighSurrogate(remainder[last - 1]);
    remainder.remove_suffix(pairAtEnd ? 2 : 1);
    return Text(remainder);
}

} // namespace vr
