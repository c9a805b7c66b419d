#pragma once

#include "session/JournalSink.h"
#include "text/Text.h"
#include "winsupport/win32/AppendingFile.h"

namespace standin {

// The journal file: one JSON object a line, each with the tick count at
// which it happened, appended and written through at once, so that a test
// reading the file meanwhile sees every event as soon as it has happened.
class Journal final : public JournalSink {
  public:
    // False when the file cannot be opened; nothing is written then.
    [[nodiscard]] bool Open(vr::TextView path);
    void Write(const JsonLine& line) override;

  private:
    vr::AppendingFile file_;
};

} // namespace standin
