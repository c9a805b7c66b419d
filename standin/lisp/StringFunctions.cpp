// Strings as the CAD's AutoLISP handles them: characters are UTF-16 units,
// so that a full-width "４" is one character for ascii, substr and strlen.
#include "lisp/ArgumentChecks.h"
#include "lisp/WildcardMatch.h"

#include <algorithm>

namespace standin::lisp {
namespace {

using namespace arguments;

// Letters change case in ASCII and in the full-width Latin block.
char16_t ToUpper(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= u'\uFF41' && c <= u'\uFF5A')) {
        return static_cast<char16_t>(c - 0x20);
    }
    return c;
}

char16_t ToLower(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'\uFF21' && c <= u'\uFF3A')) {
        return static_cast<char16_t>(c + 0x20);
    }
    return c;
}

// A character position argument: an integer from 0.
std::size_t Position(const ValuePtr& value) {
    const std::int32_t position = Integer(value);
    if (position < 0) {
        Interpreter::Fail(u"bad argument value: non-negative " + Prin1Text(value));
    }
    return static_cast<std::size_t>(position);
}

ValuePtr IndexOrNil(std::size_t index) {
    return index == Text::npos ? nullptr : MakeInteger(static_cast<std::int32_t>(index));
}

char16_t CharacterCode(const ValuePtr& value) {
    const std::int32_t code = Integer(value);
    if (code < 0 || code > 0xFFFF) {
        Interpreter::Fail(u"bad argument value: " + Prin1Text(value));
    }
    return static_cast<char16_t>(code);
}

enum class Trim { Left, Right, Both };

ValuePtr Trimmed(Interpreter& lisp, const Args& a, Trim side) {
    Count(a, 2, 2);
    const Text& set = String(a[0]);
    const Text& text = String(a[1]);
    lisp.Charge(text.size() + set.size());
    std::size_t from = 0, to = text.size();
    if (side != Trim::Right) {
        while (from < to && set.find(text[from]) != Text::npos) {
            ++from;
        }
    }
    if (side != Trim::Left) {
        while (to > from && set.find(text[to - 1]) != Text::npos) {
            --to;
        }
    }
    return MakeString(text.substr(from, to - from));
}

} // namespace

void DefineStringFunctions(Interpreter& lisp) {
    // (strcase string [which]): upper case, or lower case when which is not nil.
    lisp.Define(u"strcase", [](Interpreter& l, const Args& a) {
        Count(a, 1, 2);
        Text text = String(a[0]);
        l.Charge(text.size());
        const bool lower = a.size() == 2 && a[1];
        for (char16_t& c : text) {
            c = lower ? ToLower(c) : ToUpper(c);
        }
        return MakeString(std::move(text));
    });
    // (ascii string): the code of the first character; 0 for "".
    lisp.Define(u"ascii", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        const Text& text = String(a[0]);
        return MakeInteger(text.empty() ? 0 : text[0]);
    });
    // (chr code): the one-character string; code 0 gives "".
    lisp.Define(u"chr", [](Interpreter&, const Args& a) {
        Count(a, 1, 1);
        const char16_t code = CharacterCode(a[0]);
        return MakeString(code == 0 ? Text() : Text(1, code));
    });
    lisp.Define(u"vl-string->list", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        const Text& text = String(a[0]);
        l.Charge(text.size());
        std::vector<ValuePtr> codes;
        codes.reserve(text.size());
        for (const char16_t c : text) {
            codes.push_back(MakeInteger(c));
        }
        return MakeList(codes);
    });
    lisp.Define(u"vl-list->string", [](Interpreter& l, const Args& a) {
        Count(a, 1, 1);
        Text text;
        for (const ValuePtr& code : ChargedItems(l, a[0])) {
            const char16_t c = CharacterCode(code);
            if (c != 0) {
                text += c;
            }
        }
        return MakeString(std::move(text));
    });
    // (vl-string-search pattern string [start]): the index of the first
    // occurrence from start, or nil.
    lisp.Define(u"vl-string-search", [](Interpreter& l, const Args& a) {
        Count(a, 2, 3);
        const Text& pattern = String(a[0]);
        const Text& text = String(a[1]);
        const std::size_t start = a.size() == 3 ? Position(a[2]) : 0;
        l.Charge(text.size() + pattern.size());
        if (start > text.size()) {
            return ValuePtr();
        }
        return IndexOrNil(text.find(pattern, start));
    });
    // (vl-string-position code string [start [from-end]]): the index of the
    // character; from-end searches backwards from the end down to start.
    lisp.Define(u"vl-string-position", [](Interpreter& l, const Args& a) {
        Count(a, 2, 4);
        const char16_t code = CharacterCode(a[0]);
        const Text& text = String(a[1]);
        const std::size_t start = a.size() >= 3 && a[2] ? Position(a[2]) : 0;
        const bool fromEnd = a.size() == 4 && a[3];
        l.Charge(text.size());
        if (start >= text.size()) {
            return ValuePtr();
        }
        if (fromEnd) {
            const std::size_t found = text.rfind(code);
            return found == Text::npos || found < start ? nullptr : IndexOrNil(found);
        }
        return IndexOrNil(text.find(code, start));
    });
    // (vl-string-subst new pattern string [start]): the first occurrence
    // replaced.
    lisp.Define(u"vl-string-subst", [](Interpreter& l, const Args& a) {
        Count(a, 3, 4);
        const Text& replacement = String(a[0]);
        const Text& pattern = String(a[1]);
        Text text = String(a[2]);
        const std::size_t start = a.size() == 4 ? Position(a[3]) : 0;
        l.Charge(text.size() + pattern.size() + replacement.size());
        if (start <= text.size()) {
            const std::size_t found = text.find(pattern, start);
            if (found != Text::npos) {
                text.replace(found, pattern.size(), replacement);
            }
        }
        return MakeString(std::move(text));
    });
    // (vl-string-translate from to string): each character of from that
    // has one at its place in to is replaced by it.
    lisp.Define(u"vl-string-translate", [](Interpreter& l, const Args& a) {
        Count(a, 3, 3);
        const Text& from = String(a[0]);
        const Text& to = String(a[1]);
        Text text = String(a[2]);
        l.Charge(text.size() * std::max<std::size_t>(1, from.size()));
        for (char16_t& c : text) {
            const std::size_t at = from.find(c);
            if (at != Text::npos && at < to.size()) {
                c = to[at];
            }
        }
        return MakeString(std::move(text));
    });
    lisp.Define(u"vl-string-trim",
                [](Interpreter& l, const Args& a) { return Trimmed(l, a, Trim::Both); });
    lisp.Define(u"vl-string-left-trim",
                [](Interpreter& l, const Args& a) { return Trimmed(l, a, Trim::Left); });
    lisp.Define(u"vl-string-right-trim",
                [](Interpreter& l, const Args& a) { return Trimmed(l, a, Trim::Right); });
    // (vl-string-elt string position): the code of the character at the
    // position from 0.
    lisp.Define(u"vl-string-elt", [](Interpreter&, const Args& a) {
        Count(a, 2, 2);
        const Text& text = String(a[0]);
        const std::size_t position = Position(a[1]);
        if (position >= text.size()) {
            Interpreter::Fail(u"bad argument value: string position out of range " +
                              Prin1Text(a[1]));
        }
        return MakeInteger(text[position]);
    });
    lisp.Define(u"wcmatch", [](Interpreter& l, const Args& a) {
        Count(a, 2, 2);
        const Text& text = String(a[0]);
        const Text& pattern = String(a[1]);
        return WildcardMatch(text, pattern, [&l](std::size_t work) { l.Charge(work); }) ? True()
                                                                                        : nullptr;
    });
}

} // namespace standin::lisp
