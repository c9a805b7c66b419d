#pragma once

namespace vr {

// The screen's resolution in dots per inch, at which the twips of a window
// design become pixels. One value for both axes: Windows keeps them equal.
[[nodiscard]] int ScreenDpi();

} // namespace vr
