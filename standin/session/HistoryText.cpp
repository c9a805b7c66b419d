#include "session/HistoryText.h"

namespace standin {

vr::Text WithCrLf(vr::TextView text) {
    vr::Text out;
    for (const char16_t c : text) {
        if (c == u'\n') {
            out += u"\r\n";
        } else if (c != u'\r') {
            out.push_back(c);
        }
    }
    return out;
}

vr::TextView LastTwoLines(vr::TextView history) {
    std::size_t end = history.size();
    while (end >= 2 && history.substr(end - 2, 2) == u"\r\n") {
        end -= 2;
    }
    std::size_t start = end;
    for (int lineCount = 0; start > 0 && lineCount < 2;) {
        --start;
        if (history[start] == u'\n' && ++lineCount == 2) {
            ++start;
            break;
        }
    }
    return history.substr(start, end - start);
}

} // namespace standin
