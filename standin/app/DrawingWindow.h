#pragma once

#include "session/CommandSession.h"
#include "view/DrawingView.h"
#include "winsupport/win32/Window.h"

namespace standin {

// The drawing area: the session's entities in white on black, the whole
// drawing fitted in; a click answers a point request with the world point
// under it. It has the keyboard focus whenever the CAD's window is
// activated: characters typed here go on to the command line, but Ctrl+V is
// the CAD's paste into the drawing, which places the clipboard's text as
// an object and never reaches the command line.
class DrawingWindow final : public vr::Window {
  public:
    DrawingWindow(CommandSession& session, JournalSink& journal);

    // False when it cannot be created; GetLastError() tells why.
    [[nodiscard]] bool Create(HWND parent);

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(int width, int height) override;

  private:
    void OnPaint();
    void OnClick(ClientPoint client);
    void OnKey(UINT message, WPARAM key, LPARAM flags);
    void OnCharacter(WPARAM character);
    void PasteIntoDrawing();
    [[nodiscard]] DrawingView CurrentView() const;

    CommandSession& session_;
    JournalSink& journal_;
};

} // namespace standin
