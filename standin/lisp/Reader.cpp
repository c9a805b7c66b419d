#include "lisp/Reader.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <string>

namespace standin::lisp {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool EndsAtom(char16_t c) {
    return IsBlank(c) || c == u'(' || c == u')' || c == u'"' || c == u';' || c == u'\'';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Integer, real or nothing: the CAD's rules for a numeric token.
ValuePtr NumberToken(const Text& token) {
    std::size_t i = 0;
    if (i < token.size() && (token[i] == u'+' || token[i] == u'-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < token.size() && IsDigit(token[i])) {
        ++i;
        ++digits;
    }
    bool real = false;
    if (i < token.size() && token[i] == u'.') {
        real = true;
        ++i;
        while (i < token.size() && IsDigit(token[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return nullptr;
    }
    if (i < token.size() && (token[i] == u'e' || token[i] == u'E')) {
        real = true;
        ++i;
        if (i < token.size() && (token[i] == u'+' || token[i] == u'-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < token.size() && IsDigit(token[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return nullptr;
        }
    }
    if (i != token.size()) {
        return nullptr;
    }
    const std::string ascii(token.begin(), token.end());
    if (!real) {
        errno = 0;
        const long long value = std::strtoll(ascii.c_str(), nullptr, 10);
        if (errno == 0 && value >= std::numeric_limits<std::int32_t>::min() &&
            value <= std::numeric_limits<std::int32_t>::max()) {
            return MakeInteger(static_cast<std::int32_t>(value));
        }
        // Too large for an integer: the CAD reads it as a real.
    }
    return MakeReal(std::strtod(ascii.c_str(), nullptr));
}

} // namespace

char16_t Reader::Take() {
    const char16_t c = source_[pos_++];
    if (c == u'\n') {
        ++line_;
        column_ = 1;
    } else {
        ++column_;
    }
    return c;
}

void Reader::Fail(TextView message) const {
    throw Failed{ReadError{Text(message), line_, column_}};
}

void Reader::SkipBlanksAndComments() {
    while (!AtEnd()) {
        if (IsBlank(Peek())) {
            Take();
        } else if (Peek() == u';') {
            if (pos_ + 1 < source_.size() && source_[pos_ + 1] == u'|') {
                // Block comment ;| ... |;
                Take();
                Take();
                while (!AtEnd() && !(Peek() == u'|' && pos_ + 1 < source_.size() &&
                                     source_[pos_ + 1] == u';')) {
                    Take();
                }
                if (AtEnd()) {
                    Fail(u"malformed comment on input");
                }
                Take();
                Take();
            } else {
                while (!AtEnd() && Peek() != u'\n' && Peek() != u'\r') {
                    Take();
                }
            }
        } else {
            return;
        }
    }
}

Reader::Result Reader::Next() {
    nesting_ = 0;
    try {
        SkipBlanksAndComments();
        if (AtEnd()) {
            return {Status::End, nullptr, {}};
        }
        ValuePtr form = ReadForm();
        return {Status::Form, std::move(form), {}};
    } catch (const Failed& failed) {
        pos_ = source_.size(); // nothing after a read error is read
        return {Status::Error, nullptr, failed.error};
    }
}

ValuePtr Reader::ReadForm() {
    // Counts the forms this one is inside; a read error ends the form, and
    // Next starts the count again.
    struct Nesting {
        int& depth;
        ~Nesting() { --depth; }
    } nesting{++nesting_};
    if (nesting_ > kMaxNesting) {
        Fail(u"malformed list on input: nested too deeply");
    }
    SkipBlanksAndComments();
    if (AtEnd()) {
        Fail(u"malformed list on input");
    }
    const char16_t c = Peek();
    if (c == u'(') {
        Take();
        return ReadList();
    }
    if (c == u')') {
        Fail(u"extra right paren on input");
    }
    if (c == u'\'') {
        Take();
        SkipBlanksAndComments();
        if (AtEnd()) {
            Fail(u"malformed list on input");
        }
        return MakeList({MakeSymbol(u"quote"), ReadForm()});
    }
    if (c == u'"') {
        Take();
        return ReadString();
    }
    return ReadAtom();
}

ValuePtr Reader::ReadList() {
    std::vector<ValuePtr> items;
    ValuePtr tail;
    for (;;) {
        SkipBlanksAndComments();
        if (AtEnd()) {
            Fail(u"malformed list on input");
        }
        if (Peek() == u')') {
            Take();
            break;
        }
        // A lone dot makes a dotted pair: one more form, then the closing paren.
        if (Peek() == u'.' && pos_ + 1 < source_.size() && EndsAtom(source_[pos_ + 1])) {
            if (items.empty()) {
                Fail(u"invalid dotted pair");
            }
            Take();
            tail = ReadForm();
            SkipBlanksAndComments();
            if (AtEnd() || Peek() != u')') {
                Fail(u"invalid dotted pair");
            }
            Take();
            break;
        }
        items.push_back(ReadForm());
    }
    ValuePtr list = tail;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        list = MakeCons(*it, list);
    }
    return list;
}

ValuePtr Reader::ReadString() {
    Text text;
    for (;;) {
        if (AtEnd()) {
            Fail(u"malformed string on input");
        }
        const char16_t c = Take();
        if (c == u'"') {
            return MakeString(std::move(text));
        }
        if (c != u'\\') {
            text.push_back(c);
            continue;
        }
        if (AtEnd()) {
            Fail(u"malformed string on input");
        }
        const char16_t escaped = Take();
        switch (escaped) {
        case u'n':
            text.push_back(u'\n');
            break;
        case u'r':
            text.push_back(u'\r');
            break;
        case u't':
            text.push_back(u'\t');
            break;
        case u'e':
            text.push_back(u'\x1b');
            break;
        default:
            if (escaped >= u'0' && escaped <= u'7') {
                // \nnn: up to three octal digits.
                int code = escaped - u'0';
                for (int k = 0; k < 2 && !AtEnd() && Peek() >= u'0' && Peek() <= u'7'; ++k) {
                    code = code * 8 + (Take() - u'0');
                }
                text.push_back(static_cast<char16_t>(code));
            } else {
                text.push_back(escaped); // \\ and \" and any other character as itself
            }
        }
    }
}

ValuePtr Reader::ReadAtom() {
    Text token;
    while (!AtEnd() && !EndsAtom(Peek())) {
        const char16_t c = Peek();
        if (c < 0x20 || c == 0x7F) {
            Fail(u"invalid character on input");
        }
        token.push_back(Take());
    }
    if (token == u".") {
        Fail(u"invalid dotted pair");
    }
    if (ValuePtr number = NumberToken(token)) {
        return number;
    }
    return MakeSymbol(token);
}

} // namespace standin::lisp
