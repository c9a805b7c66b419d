#include "winsupport/win32/MessagePump.h"

namespace vr {

void PumpPendingMessages(HWND dialogWindow) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (dialogWindow && IsDialogMessageW(dialogWindow, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace vr
