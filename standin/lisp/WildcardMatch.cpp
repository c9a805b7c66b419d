#include "lisp/WildcardMatch.h"

#include <vector>

namespace standin::lisp {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// One element of a pattern: a run of anything, or a test of one character.
struct Element {
    enum class Kind { Star, Any, Digit, Letter, Other, Literal, Set } kind;
    char16_t literal = 0;
    std::vector<std::pair<char16_t, char16_t>> ranges; // Set
    bool negated = false;                              // Set

    [[nodiscard]] bool Accepts(char16_t c) const {
        switch (kind) {
        case Kind::Star:
        case Kind::Any:
            return true;
        case Kind::Digit:
            return IsDigit(c);
        case Kind::Letter:
            return IsLetter(c);
        case Kind::Other:
            return !IsDigit(c) && !IsLetter(c);
        case Kind::Literal:
            return c == literal;
        case Kind::Set:
            for (const auto& [low, high] : ranges) {
                if (c >= low && c <= high) {
                    return !negated;
                }
            }
            return negated;
        }
        return false;
    }
};

// Reads a bracket expression from just after its "["; nullopt-like false when
// it has no closing "]", and the "[" then stands for itself.
bool ReadSet(TextView pattern, std::size_t& at, Element& set) {
    std::size_t i = at;
    set.kind = Element::Kind::Set;
    if (i < pattern.size() && pattern[i] == u'~') {
        set.negated = true;
        ++i;
    }
    bool first = true;
    while (i < pattern.size() && (pattern[i] != u']' || first)) {
        const char16_t low = pattern[i]; // inside brackets every character is itself
        char16_t high = low;
        if (i + 2 < pattern.size() && pattern[i + 1] == u'-' && pattern[i + 2] != u']') {
            high = pattern[i + 2];
            i += 2;
        }
        set.ranges.emplace_back(low, high);
        ++i;
        first = false;
    }
    if (i >= pattern.size()) {
        return false;
    }
    at = i + 1;
    return true;
}

std::vector<Element> Compile(TextView pattern) {
    std::vector<Element> elements;
    for (std::size_t i = 0; i < pattern.size();) {
        const char16_t c = pattern[i++];
        switch (c) {
        case u'*':
            elements.push_back({Element::Kind::Star});
            break;
        case u'?':
            elements.push_back({Element::Kind::Any});
            break;
        case u'#':
            elements.push_back({Element::Kind::Digit});
            break;
        case u'@':
            elements.push_back({Element::Kind::Letter});
            break;
        case u'.':
            elements.push_back({Element::Kind::Other});
            break;
        case u'`':
            elements.push_back({Element::Kind::Literal, i < pattern.size() ? pattern[i++] : c});
            break;
        case u'[': {
            Element set{Element::Kind::Set};
            if (ReadSet(pattern, i, set)) {
                elements.push_back(std::move(set));
            } else {
                elements.push_back({Element::Kind::Literal, c});
            }
            break;
        }
        default:
            elements.push_back({Element::Kind::Literal, c});
            break;
        }
    }
    return elements;
}

// Every element but "*" takes one character: the last "*" seen is the only
// point to come back to, which keeps the match within text × pattern steps.
bool Matches(TextView text, const std::vector<Element>& elements,
             const std::function<void(std::size_t)>& charge) {
    std::size_t t = 0, e = 0;
    std::size_t starElement = SIZE_MAX, starText = 0;
    std::size_t work = 0;
    while (t < text.size()) {
        if (++work == 1000) {
            charge(work);
            work = 0;
        }
        if (e < elements.size() && elements[e].kind == Element::Kind::Star) {
            starElement = e++;
            starText = t;
        } else if (e < elements.size() && elements[e].Accepts(text[t])) {
            ++e;
            ++t;
        } else if (starElement != SIZE_MAX) {
            e = starElement + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (e < elements.size() && elements[e].kind == Element::Kind::Star) {
        ++e;
    }
    charge(work);
    return e == elements.size();
}

// The alternatives of a pattern, split at commas outside brackets and not
// escaped by a backquote.
std::vector<TextView> Alternatives(TextView patterns) {
    std::vector<TextView> parts;
    std::size_t start = 0;
    bool inSet = false;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const char16_t c = patterns[i];
        if (c == u'`' && !inSet) {
            ++i;
        } else if (c == u'[') {
            inSet = true;
        } else if (c == u']') {
            inSet = false;
        } else if (c == u',' && !inSet) {
            parts.push_back(patterns.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(patterns.substr(start));
    return parts;
}

} // namespace

bool WildcardMatch(TextView text, TextView patterns,
                   const std::function<void(std::size_t)>& charge) {
    charge(patterns.size());
    for (TextView pattern : Alternatives(patterns)) {
        const bool negated = !pattern.empty() && pattern[0] == u'~';
        if (negated) {
            pattern.remove_prefix(1);
        }
        if (Matches(text, Compile(pattern), charge) != negated) {
            return true;
        }
    }
    return false;
}

} // namespace standin::lisp
