#pragma once

#include "platform/Desktop.h"
#include "platform/Services.h"

namespace vr {

// The platform seam forwarded one to one to Win32.

class Win32Desktop final : public Desktop {
  public:
    ~Win32Desktop() override;

    bool GetCursorPos(ScreenPoint& point) override;
    bool GetClipCursor(ScreenRect& rect) override;
    bool SetCursorPos(std::int32_t x, std::int32_t y) override;
    bool ClipCursor(const ScreenRect& rect) override;
    bool IsWindow(Hwnd window) override;
    bool IsIconic(Hwnd window) override;
    bool OpenIcon(Hwnd window) override;
    bool SetForegroundWindow(Hwnd window) override;
    bool GetWindowRect(Hwnd window, ScreenRect& rect) override;
    bool SetWindowPos(Hwnd window, Hwnd insertAfter, std::uint32_t flags) override;
    void MouseEvent(std::uint32_t flags) override;
    std::uint32_t MapVirtualKeyA(std::uint32_t code, std::uint32_t mapType) override;
    std::uint32_t SendInput(const KeyboardInputRecord& record) override;
    bool OpenClipboard(Hwnd owner) override;
    bool EmptyClipboard() override;
    bool SetClipboardText(BytesView text) override;
    bool CloseClipboard() override;
    void PumpMessages() override;
    void Sleep(std::uint32_t milliseconds) override;
    std::uint32_t GetTickCount() override;
    std::vector<ProcessRecord> ProcessSnapshot() override;
    std::vector<ThreadRecord> ThreadSnapshot() override;
    std::vector<Hwnd> EnumThreadWindows(std::uint32_t threadId) override;
    std::vector<Hwnd> EnumChildWindows(Hwnd parent) override;
    std::int32_t GetWindowTextLengthA(Hwnd window) override;
    std::int32_t GetWindowTextA(Hwnd window, char* buffer, std::int32_t size) override;
    Hwnd GetDlgItem(Hwnd parent, std::int32_t id) override;
    bool SendMessageTimeoutA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam, std::uint32_t timeoutMs,
                             std::uintptr_t& result) override;
    void SendCopyDataA(Hwnd window, std::uintptr_t dwData, BytesView data) override;
    std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    bool PostMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    std::optional<Bytes> GetClipboardText(Hwnd owner) override;
    RunLockResult AcquireRunLock(std::uint32_t timeoutMs) override;

  private:
    void* runLock_ = nullptr;
};

class Win32FileAccess final : public FileAccess {
  public:
    [[nodiscard]] std::optional<Bytes> ReadWholeFile(TextView path) override;
    [[nodiscard]] bool ReplaceWholeFile(TextView path, BytesView bytes) override;
};

class Win32ProfileAccess final : public ProfileAccess {
  public:
    [[nodiscard]] std::uint32_t GetPrivateProfileStringA(BytesView section, BytesView key,
                                                         BytesView defaultValue, char* buffer,
                                                         std::uint32_t size,
                                                         BytesView path) override;
};

class Win32MessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(TextView caption, TextView text) override;
};

} // namespace vr
