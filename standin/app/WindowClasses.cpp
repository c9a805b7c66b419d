#include "app/WindowClasses.h"

#include "app/StartFailure.h"
#include "winsupport/win32/Window.h"

#include <string>

namespace standin {

bool RegisterWindowClasses() {
    const HICON icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    const vr::WindowClassArgs classes[] = {
        {.name = kMainClass, .icon = icon},
        {.name = kTextClass, .icon = icon},
        {.name = kCommandAreaClass, .icon = icon},
        {.name = kDockPanelClass, .icon = icon},
        {.name = kPaletteClass, .icon = icon},
        {.name = kDialogClass, .icon = icon},
        // The drawing is black with a cross-hair, as a CAD's is.
        {.name = kDrawingClass,
         .icon = icon,
         .background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)),
         .cursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_CROSS))},
    };
    for (const vr::WindowClassArgs& windowClass : classes) {
        if (!vr::RegisterWindowClass(windowClass)) {
            const DWORD error = GetLastError();
            return ReportStartFailure(
                L"Registering the window class " + std::wstring(windowClass.name), error);
        }
    }
    return true;
}

} // namespace standin
