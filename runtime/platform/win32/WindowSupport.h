#pragma once

#include <windows.h>

namespace vr {

// A top-level window class of the tools: the dialog colour, an arrow cursor,
// the application icon. Registering it again is harmless.
void RegisterToolWindowClass(const wchar_t* name, WNDPROC procedure);

// The screen's DPI, at which the twips of the window designs become pixels.
[[nodiscard]] int ScreenDpi();

} // namespace vr
