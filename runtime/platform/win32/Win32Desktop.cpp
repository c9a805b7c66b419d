#include "platform/win32/Win32Services.h"

#include <windows.h>

#include <tlhelp32.h> // after windows.h, which it needs

#include <cstring>

namespace vr {
namespace {

HWND H(Hwnd window) {
    return reinterpret_cast<HWND>(window);
}

Hwnd FromH(HWND window) {
    return reinterpret_cast<Hwnd>(window);
}

RECT ToRect(const ScreenRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

ScreenRect FromRect(const RECT& rect) {
    return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<Hwnd>*>(list)->push_back(FromH(window));
    return TRUE;
}

static_assert(sizeof(INPUT) == 28, "the keyboard record is passed with the size 28");
static_assert(sizeof(PROCESSENTRY32) == 296, "the ANSI process record is 296 bytes");
static_assert(sizeof(THREADENTRY32) == 28, "the thread record is 28 bytes");

} // namespace

Win32Desktop::~Win32Desktop() {
    if (runLock_) {
        ReleaseMutex(runLock_);
        CloseHandle(runLock_);
    }
}

bool Win32Desktop::GetCursorPos(ScreenPoint& point) {
    POINT p{};
    const bool ok = ::GetCursorPos(&p) != FALSE;
    point = ScreenPoint{p.x, p.y};
    return ok;
}

bool Win32Desktop::GetClipCursor(ScreenRect& rect) {
    RECT r{};
    const bool ok = ::GetClipCursor(&r) != FALSE;
    rect = FromRect(r);
    return ok;
}

bool Win32Desktop::SetCursorPos(std::int32_t x, std::int32_t y) {
    return ::SetCursorPos(x, y) != FALSE;
}

bool Win32Desktop::ClipCursor(const ScreenRect& rect) {
    const RECT r = ToRect(rect);
    return ::ClipCursor(&r) != FALSE;
}

bool Win32Desktop::IsWindow(Hwnd window) {
    return ::IsWindow(H(window)) != FALSE;
}

bool Win32Desktop::IsIconic(Hwnd window) {
    return ::IsIconic(H(window)) != FALSE;
}

bool Win32Desktop::OpenIcon(Hwnd window) {
    return ::OpenIcon(H(window)) != FALSE;
}

bool Win32Desktop::SetForegroundWindow(Hwnd window) {
    return ::SetForegroundWindow(H(window)) != FALSE;
}

bool Win32Desktop::GetWindowRect(Hwnd window, ScreenRect& rect) {
    RECT r{};
    const bool ok = ::GetWindowRect(H(window), &r) != FALSE;
    rect = FromRect(r);
    return ok;
}

bool Win32Desktop::SetWindowPos(Hwnd window, Hwnd insertAfter, std::uint32_t flags) {
    return ::SetWindowPos(H(window), H(insertAfter), 0, 0, 0, 0, flags) != FALSE;
}

void Win32Desktop::MouseEvent(std::uint32_t flags) {
    ::mouse_event(flags, 0, 0, 0, 0);
}

std::uint32_t Win32Desktop::MapVirtualKeyA(std::uint32_t code, std::uint32_t mapType) {
    return ::MapVirtualKeyA(code, mapType);
}

std::uint32_t Win32Desktop::SendInput(const KeyboardInputRecord& record) {
    INPUT input{};
    input.type = record.type;
    input.ki.wVk = record.virtualKey;
    input.ki.wScan = record.scanCode;
    input.ki.dwFlags = record.flags;
    input.ki.time = record.time;
    input.ki.dwExtraInfo = record.extraInfo;
    return ::SendInput(1, &input, sizeof(INPUT));
}

bool Win32Desktop::OpenClipboard(Hwnd owner) {
    return ::OpenClipboard(H(owner)) != FALSE;
}

bool Win32Desktop::EmptyClipboard() {
    return ::EmptyClipboard() != FALSE;
}

bool Win32Desktop::SetClipboardText(BytesView text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) {
        return false;
    }
    auto* target = static_cast<char*>(GlobalLock(memory));
    std::memcpy(target, text.data(), text.size());
    target[text.size()] = '\0';
    GlobalUnlock(memory);
    if (!::SetClipboardData(CF_TEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true; // the clipboard owns the memory now
}

bool Win32Desktop::CloseClipboard() {
    return ::CloseClipboard() != FALSE;
}

void Win32Desktop::PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Desktop::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

std::uint32_t Win32Desktop::GetTickCount() {
    return ::GetTickCount();
}

std::vector<ProcessRecord> Win32Desktop::ProcessSnapshot() {
    std::vector<ProcessRecord> records;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return records;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        records.push_back(
            {entry.th32ProcessID, Bytes(entry.szExeFile, strnlen(entry.szExeFile, MAX_PATH))});
    }
    CloseHandle(snapshot);
    return records;
}

std::vector<ThreadRecord> Win32Desktop::ThreadSnapshot() {
    std::vector<ThreadRecord> records;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return records;
    }
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        records.push_back({entry.th32ThreadID, entry.th32OwnerProcessID});
    }
    CloseHandle(snapshot);
    return records;
}

std::vector<Hwnd> Win32Desktop::EnumThreadWindows(std::uint32_t threadId) {
    std::vector<Hwnd> windows;
    ::EnumThreadWindows(threadId, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<Hwnd> Win32Desktop::EnumChildWindows(Hwnd parent) {
    std::vector<Hwnd> windows;
    ::EnumChildWindows(H(parent), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::int32_t Win32Desktop::GetWindowTextLengthA(Hwnd window) {
    return ::GetWindowTextLengthA(H(window));
}

std::int32_t Win32Desktop::GetWindowTextA(Hwnd window, char* buffer, std::int32_t size) {
    return ::GetWindowTextA(H(window), buffer, size);
}

Hwnd Win32Desktop::GetDlgItem(Hwnd parent, std::int32_t id) {
    return FromH(::GetDlgItem(H(parent), id));
}

bool Win32Desktop::SendMessageTimeoutA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam, std::uint32_t timeoutMs,
                                       std::uintptr_t& result) {
    DWORD_PTR answer = 0;
    const LRESULT sent = ::SendMessageTimeoutA(H(window), message, wParam, lParam, SMTO_ABORTIFHUNG,
                                               timeoutMs, &answer);
    result = answer;
    return sent != 0;
}

void Win32Desktop::SendCopyDataA(Hwnd window, std::uintptr_t dwData, BytesView data) {
    Bytes copy(data); // the record must point at memory that lives through the call
    COPYDATASTRUCT record{dwData, static_cast<DWORD>(copy.size()), copy.data()};
    ::SendMessageA(H(window), WM_COPYDATA, 1, reinterpret_cast<LPARAM>(&record));
}

std::intptr_t Win32Desktop::SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                         std::intptr_t lParam) {
    return ::SendMessageA(H(window), message, wParam, lParam);
}

bool Win32Desktop::PostMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    return ::PostMessageA(H(window), message, wParam, lParam) != FALSE;
}

std::optional<Bytes> Win32Desktop::GetClipboardText(Hwnd owner) {
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(H(owner))) {
        return std::nullopt;
    }
    std::optional<Bytes> text;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = Bytes(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

RunLockResult Win32Desktop::AcquireRunLock(std::uint32_t timeoutMs) {
    if (!runLock_) {
        runLock_ = CreateMutexW(nullptr, FALSE, L"Local\\VadoRariri.ToolJob");
        if (!runLock_) {
            return RunLockResult::TimedOut;
        }
    }
    // An abandoned lock (a tool that ended without releasing it) is ours now.
    const DWORD waited = WaitForSingleObject(runLock_, timeoutMs);
    return waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED ? RunLockResult::Acquired
                                                               : RunLockResult::TimedOut;
}

} // namespace vr
