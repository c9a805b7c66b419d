#pragma once

#include "app/CommandArea.h"
#include "app/CommandLineControls.h"
#include "cad/Options.h"
#include "session/CommandSession.h"
#include "winsupport/win32/Window.h"

namespace standin {

// The CAD's text window, "<TextCaption> - <drawing>", owned by the main
// window: a command area with the history box. Command 32781 copies the
// history to the clipboard; closing it only hides it, as the CAD's does.
class TextWindow final : public vr::Window {
  public:
    TextWindow(const Options& options, JournalSink& journal, CommandSession& session);

    // The window and everything in it; false, reported, on a failure.
    [[nodiscard]] bool Create(HWND owner, HFONT font);

    [[nodiscard]] HWND History() const { return controls_.History(); }

  protected:
    void OnCommand(int id, int notification, HWND control) override;
    void OnSize(int width, int height) override;
    bool OnClose() override;

  private:
    void CopyHistoryToClipboard();

    const Options& options_;
    CommandSession& session_;
    CommandLineControls controls_;
    CommandArea area_;
};

} // namespace standin
