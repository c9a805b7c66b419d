#pragma once

#include "session/CommandSession.h"
#include "view/DrawingView.h"
#include "winsupport/win32/Window.h"

namespace standin {

// The drawing area: the session's entities in white on black, the whole
// drawing fitted in; a click answers a point request with the world point
// under it.
class DrawingWindow final : public vr::Window {
  public:
    explicit DrawingWindow(CommandSession& session);

    // False when it cannot be created; GetLastError() tells why.
    [[nodiscard]] bool Create(HWND parent);

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(int width, int height) override;

  private:
    void OnPaint();
    void OnClick(ClientPoint client);
    [[nodiscard]] DrawingView CurrentView() const;

    CommandSession& session_;
};

} // namespace standin
