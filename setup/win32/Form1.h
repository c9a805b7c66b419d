#pragma once

#include <windows.h>

namespace vr::setup {

// Control IDs of Form1, in tab order.
enum Form1Control : int {
    kPicture1 = 101,
    kCommand1 = 102,
    kCommand2 = 103,
    kLabel1 = 104,
};

// Creates Form1 hidden, with its controls laid out at the screen's DPI,
// placed on the screen and made topmost. The window procedure runs the
// installation on Command1 and ends the program on Command2 or close.
[[nodiscard]] HWND CreateForm1(HINSTANCE instance);

} // namespace vr::setup
