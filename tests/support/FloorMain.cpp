// floor FACTOR: what any program of this kind must spend. It loads user32,
// creates one hidden window, reads the cursor and sleeps the nine waits of a
// tool run (six short, three long) at the given delay factor, then ends. The
// benchmark runs it beside each tool to show what the tool costs beyond this.
#include <windows.h>

#include <cwchar>
#include <initializer_list>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const long factor = std::wcstol(commandLine, nullptr, 10);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"Floor";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, L"Floor", L"Floor", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                        nullptr, nullptr, instance, nullptr);
    POINT cursor{};
    GetCursorPos(&cursor);
    for (const int units : {7, 7, 12, 12, 7, 7, 7, 7, 12}) {
        Sleep(static_cast<DWORD>(factor * units));
    }
    DestroyWindow(window);
    return 0;
}
