#include "window/win32/ClipboardOwnerWindow.h"

#include "winsupport/win32/Handles.h"

namespace vr {
namespace {

constexpr wchar_t kClipboardOwnerClass[] = L"VadoRaririClipboardOwner";

struct OwnerStart {
    HANDLE ready;
    HWND window;
};

DWORD WINAPI ClipboardOwnerThread(void* parameter) {
    auto* start = static_cast<OwnerStart*>(parameter);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClipboardOwnerClass;
    RegisterClassW(&windowClass);
    start->window = CreateWindowExW(0, kClipboardOwnerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, windowClass.hInstance, nullptr);
    const bool created = start->window != nullptr;
    // After this the start data belongs to the waiting thread again: it is
    // not touched any more.
    SetEvent(start->ready);
    if (!created) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace

HWND StartClipboardOwnerWindow() {
    const UniqueHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!ready.IsValid()) {
        return nullptr;
    }
    OwnerStart start{ready.Get(), nullptr};
    const UniqueHandle thread(CreateThread(nullptr, 0, ClipboardOwnerThread, &start, 0, nullptr));
    if (!thread.IsValid()) {
        return nullptr;
    }
    // Until the thread says it is done with the start data, or has ended:
    // never a time-out, after which it would write into a frame that is gone.
    const HANDLE waitFor[] = {ready.Get(), thread.Get()};
    WaitForMultipleObjects(2, waitFor, FALSE, INFINITE);
    return start.window;
}

} // namespace vr
