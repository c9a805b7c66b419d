#pragma once

#include "cad/JsonLine.h"

#include <windows.h>

namespace standin {

// The journal file: one JSON object per line, written through at once so
// that a test reading it sees every event as soon as it has happened.
class Journal {
  public:
    Journal() = default;
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    bool Open(vr::TextView path);
    void Write(const JsonLine& line);

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

} // namespace standin
