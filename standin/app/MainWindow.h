#pragma once

#include "app/CommandArea.h"
#include "app/CommandInput.h"
#include "app/CommandLineControls.h"
#include "app/DockPanel.h"
#include "app/DrawingWindow.h"
#include "app/OwnedPopup.h"
#include "cad/Options.h"
#include "session/CommandSession.h"
#include "winsupport/win32/Window.h"

namespace standin {

// Posted to the main window to run the queued command lines.
inline constexpr UINT kDrainMessage = WM_APP + 1;
// Posted to act on a fault step after the message that showed it: wParam 1
// exits, 2 hangs.
inline constexpr UINT kFaultStepMessage = WM_APP + 2;

// The CAD's main window, titled "<MainCaption> - [<drawing>]": the drawing
// above, the command area with the prompt and the input box below. In the
// shapes of later releases the command line is untitled and of a given
// class: two levels deep in a docked panel at the bottom, or a top-level
// window of its own owned by the main window below it. It takes
// WM_COPYDATA as command-line input, runs the queued lines when told, keeps
// the timers of the fault modes, and ends the program when it goes.
class MainWindow final : public vr::Window {
  public:
    MainWindow(const Options& options, JournalSink& journal, CommandSession& session,
               CommandInput& input);

    // The window and everything in it; false, reported, on a failure.
    [[nodiscard]] bool Create(HFONT font);
    void Layout();
    void StartTimers();
    // What keeps a click from the command line, as the options ask: it
    // hidden, a topmost palette over it, a modal dialog open. False,
    // reported, on a failure.
    [[nodiscard]] bool ObstructCommandLine();

    [[nodiscard]] HWND Drawing() const { return drawing_.Handle(); }
    [[nodiscard]] HWND CommandAreaHandle() const { return area_.Handle(); }
    [[nodiscard]] HWND Prompt() const { return controls_.Prompt(); }
    [[nodiscard]] HWND Input() const { return controls_.Input(); }

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(int width, int height) override;
    void OnDestroy() override;

  private:
    void OnActivate(WPARAM wParam);
    void OnCopyData(const COPYDATASTRUCT& data);
    void OnTimer(UINT_PTR id);
    // A step of a tool run was seen: exit or hang there when told to.
    void OnRunStep(TextView step);
    void OnWindowPosChanging(const WINDOWPOS& position);

    const Options& options_;
    JournalSink& journal_;
    CommandSession& session_;
    CommandInput& input_;
    [[nodiscard]] bool CreateCommandLine();

    DrawingWindow drawing_;
    CommandLineControls controls_;
    DockPanel dock_;      // docked shape: the outer panel ...
    DockPanel dockInner_; // ... and the inner one that holds the command line
    CommandArea area_;
    OwnedPopup palette_;
    OwnedPopup dialog_;
};

} // namespace standin
