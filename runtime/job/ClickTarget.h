#pragma once

#include "outcome/Status.h"
#include "platform/Desktop.h"
#include "winsupport/core/RetryBounded.h"

namespace vr {

// How long the command line may take to get the focus after the click: the
// CAD handles the click on its own thread, in its own time.
inline constexpr RetryPolicy kFocusWait{BetweenAttempts::Nothing, 500, 10};
// How long the raised CAD may take to come above the other windows at the
// click point: a window of another thread is raised and made topmost in its
// own thread's time (seen under Wine with two CADs on one spot).
inline constexpr RetryPolicy kRaiseWait{BetweenAttempts::Nothing, 500, 10};

// The point clicked in a rectangle: its centre, each coordinate rounded
// towards minus infinity.
[[nodiscard]] ScreenPoint ClickPoint(const ScreenRect& rect);

// Before the CAD is raised: it takes input, its main window enabled. A
// dialog of the CAD disables it, and the keys would go to the dialog.
[[nodiscard]] Status CheckCadTakesInput(const Desktop& desktop, Hwnd mainWindow);

// Once the CAD is raised (a minimized window's command area lies far off
// the screen): the command area is shown (itself and every window it lies
// in), its rectangle is not empty, and the click point lies on a monitor
// (the cursor calls would move the point onto one and click there).
[[nodiscard]] Status CheckCommandLineShown(const Desktop& desktop, Hwnd commandWindow,
                                           const ScreenRect& commandRect, ScreenPoint click);

// Just before the click, the CAD raised and topmost: the window a click at
// the point reaches is the command area or lies inside it, waited for a
// short bounded while. Otherwise the message names the covering window and
// its program.
[[nodiscard]] Status CheckCommandLineAtPoint(const Desktop& desktop, Hwnd commandWindow,
                                             ScreenPoint click);

// Just before the keys: the keyboard focus of the command area's thread is
// the command area or a window inside it (a CAD may host its input box in
// windows of its own), waited for a short bounded while. Otherwise Ctrl+V
// would reach the drawing, which pastes the text into it as an object.
// After the first click the focus must lie inside the command area, or be
// the area itself only where it holds no window: a floating command line
// that its own activation gave the focus, while the click did not reach
// its input box, would take the keys nowhere. After a second click the
// area itself will do.
enum class FocusInArea { InsideOnly, AreaItselfToo };
[[nodiscard]] Status CheckCommandLineFocused(const Desktop& desktop, Hwnd commandWindow,
                                             FocusInArea accepted);

} // namespace vr
