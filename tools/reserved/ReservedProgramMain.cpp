// sheetbridge, drawpull and noticepop: names the installed layout keeps for
// further programs of the tool set. In this edition each only says so.
#include "ReservedMessages.h"

#include <windows.h>

#ifndef VR_RESERVED_NAME
#error "VR_RESERVED_NAME must name the program"
#endif

#define VR_WIDEN2(text) L##text
#define VR_WIDEN(text) VR_WIDEN2(text)

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    constexpr const wchar_t* kName = VR_WIDEN(VR_RESERVED_NAME);
    MessageBoxW(nullptr, vr::reserved::NoFunctionMessage(kName).c_str(), kName,
                MB_OK | MB_SETFOREGROUND);
    return 0;
}
