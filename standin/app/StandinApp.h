#pragma once

#include "app/CommandInput.h"
#include "app/Journal.h"
#include "app/MainWindow.h"
#include "app/TextWindow.h"
#include "cad/Options.h"
#include "session/CommandSession.h"
#include "winsupport/win32/Handles.h"

namespace standin {

// The stand-in CAD program: its journal, its command session and the
// windows that show it. The session reaches the windows and the message
// loop through SessionWindows. One per process.
class StandinApp final : private SessionWindows {
  public:
    StandinApp(Options options, vr::FileAccess& files);

    // Opens the journal, creates and shows the windows and queues the lines
    // to run at start; false, reported to the user, on a failure.
    [[nodiscard]] bool Create();
    // The message loop; the exit code.
    [[nodiscard]] int Run();

  private:
    // SessionWindows
    void PostDrain() override;
    void ShowPendingInput(TextView pending) override;
    void ShowHistory(TextView added, TextView lastLines) override;
    void ShowDrawing() override;
    [[nodiscard]] bool HandleNextMessage() override;

    void JournalReady();

    Options options_;
    Journal journal_;
    CommandSession session_;
    // Declared before the windows, whose controls use them until they go.
    vr::GdiObject<HFONT> uiFont_;
    CommandInput input_;
    MainWindow main_;
    TextWindow text_;
};

} // namespace standin
