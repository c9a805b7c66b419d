#include "cad/MTextFormat.h"

#include <string>

namespace standin {
namespace {

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// A code that takes a value up to ";".
bool TakesValue(char16_t code) {
    return TextView(u"fFHCcTQWAp").find(code) != TextView::npos;
}

// A code that switches a line on or off and takes nothing.
bool IsSwitch(char16_t code) {
    return TextView(u"LlOoKk").find(code) != TextView::npos;
}

} // namespace

Text PlainMText(TextView formatted) {
    Text plain;
    for (std::size_t i = 0; i < formatted.size(); ++i) {
        const char16_t c = formatted[i];
        if (c == u'{' || c == u'}') {
            continue;
        }
        if (c == u'%' && i + 2 < formatted.size() && formatted[i + 1] == u'%') {
            const char16_t special = formatted[i + 2];
            const TextView codes = u"dDpPcC%";
            const TextView signs = u"\u00B0\u00B0\u00B1\u00B1\u2300\u2300%";
            const std::size_t at = codes.find(special);
            if (at != TextView::npos) {
                plain += signs[at];
                i += 2;
                continue;
            }
        }
        if (c != u'\\' || i + 1 >= formatted.size()) {
            plain += c;
            continue;
        }
        const char16_t code = formatted[++i];
        if (code == u'P' || code == u'X' || code == u'N') {
            plain += u'\n';
        } else if (code == u'~') {
            plain += u' ';
        } else if (IsSwitch(code)) {
            // nothing to show
        } else if (TakesValue(code)) {
            const std::size_t end = formatted.find(u';', i);
            i = end == TextView::npos ? formatted.size() : end;
        } else if (code == u'S') {
            const std::size_t end = formatted.find(u';', i);
            const TextView stacked =
                formatted.substr(i + 1, (end == TextView::npos ? formatted.size() : end) - i - 1);
            for (const char16_t s : stacked) {
                plain += (s == u'^' || s == u'#') ? u'/' : s;
            }
            i = end == TextView::npos ? formatted.size() : end;
        } else if (code == u'U' && i + 5 < formatted.size() && formatted[i + 1] == u'+' &&
                   IsHexDigit(formatted[i + 2]) && IsHexDigit(formatted[i + 3]) &&
                   IsHexDigit(formatted[i + 4]) && IsHexDigit(formatted[i + 5])) {
            const std::string hex(formatted.begin() + static_cast<std::ptrdiff_t>(i) + 2,
                                  formatted.begin() + static_cast<std::ptrdiff_t>(i) + 6);
            plain += static_cast<char16_t>(std::stoul(hex, nullptr, 16));
            i += 5;
        } else {
            plain += code; // \\ \{ \} and any other escaped character
        }
    }
    return plain;
}

std::vector<Text> TextLines(TextView plain) {
    std::vector<Text> lines(1);
    for (const char16_t c : plain) {
        if (c == u'\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

} // namespace standin
