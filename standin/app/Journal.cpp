#include "app/Journal.h"

#include "winsupport/win32/WideText.h"

#include <string>

namespace standin {

bool Journal::Open(vr::TextView path) {
    return file_.Open(vr::WideZ(path));
}

void Journal::Write(const JsonLine& line) {
    if (!file_.IsOpen()) {
        return;
    }
    // Every event carries the time it happened, so that the order of events
    // across programs can be told.
    std::string text = line.Finish();
    text.insert(text.size() - 2, ",\"tick\":" + std::to_string(GetTickCount()));
    // A line that cannot be written is missing from the file, which is what
    // its reader notices; the stand-in has no one else to tell.
    static_cast<void>(file_.Append(text));
}

} // namespace standin
