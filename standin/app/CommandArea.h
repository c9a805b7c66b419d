#pragma once

#include "app/CommandLineControls.h"
#include "session/JournalSink.h"
#include "text/Text.h"
#include "winsupport/win32/Window.h"

namespace standin {

// The command area: a child window titled with the command caption, as the
// CAD's is, that holds the controls of a command line. A click into it is
// written to the journal under the area's name and, where it holds the
// input box, gives that the focus.
class CommandArea final : public vr::Window {
  public:
    CommandArea(JournalSink& journal, vr::TextView journalName,
                const CommandLineControls& controls);

    // False when it cannot be created; GetLastError() tells why.
    [[nodiscard]] bool Create(HWND parent, vr::TextView caption);

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(int width, int height) override;

  private:
    void OnClick(int x, int y);

    JournalSink& journal_;
    vr::TextView journalName_;
    const CommandLineControls& controls_;
};

} // namespace standin
