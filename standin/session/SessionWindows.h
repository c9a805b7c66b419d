#pragma once

#include "text/Text.h"

namespace standin {

// What the command session needs of the windows that show it. The program
// forwards each to its windows and message loop; a test scripts them.
class SessionWindows {
  public:
    virtual ~SessionWindows() = default;
    // Has DrainQueue run from the message loop, after what is queued before.
    virtual void PostDrain() = 0;
    // The characters typed so far on the command line.
    virtual void ShowPendingInput(vr::TextView pending) = 0;
    // The history grew by `added`; `lastLines` is what the command area shows.
    virtual void ShowHistory(vr::TextView added, vr::TextView lastLines) = 0;
    // The drawing changed and is to be painted again.
    virtual void ShowDrawing() = 0;
    // Handles the next message while a point is asked for; false when the
    // program is ending, which cancels the request.
    [[nodiscard]] virtual bool HandleNextMessage() = 0;
};

} // namespace standin
