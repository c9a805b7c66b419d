#pragma once

#include "app/CommandLineControls.h"
#include "session/JournalSink.h"
#include "text/Text.h"
#include "winsupport/win32/Window.h"

#include <string>

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
    // A child of the window class given (registered here on first use), as
    // a command line nested in a docked panel is.
    [[nodiscard]] bool CreateOfClass(HWND parent, const std::wstring& className);
    // A top-level window of the class given, owned by `owner` and placed at
    // `place` on the screen: a floating command line.
    [[nodiscard]] bool CreateFloating(HWND owner, const std::wstring& className,
                                      vr::TextView caption, const RECT& place);

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
