#include "app/StartFailure.h"

#include <windows.h>

#include <string>

namespace standin {

bool ReportStartFailure(std::wstring_view what, unsigned long error) {
    std::wstring text(what);
    text += L" failed (GetLastError " + std::to_wstring(error) + L").";
    MessageBoxW(nullptr, text.c_str(), L"standin", MB_OK);
    return false;
}

} // namespace standin
