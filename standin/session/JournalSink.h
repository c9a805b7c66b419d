#pragma once

#include "cad/JsonLine.h"

namespace standin {

// Where the stand-in writes what it saw and did, one event at a time: the
// journal file in the program, a list in the tests.
class JournalSink {
  public:
    virtual ~JournalSink() = default;
    virtual void Write(const JsonLine& line) = 0;
};

} // namespace standin
