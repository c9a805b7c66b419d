#include "platform/win32/LastResort.h"
#include "platform/win32/Win32Desktop.h"

namespace vr {

bool Win32CursorControl::GetCursorPos(ScreenPoint& point) {
    POINT p{};
    const bool ok = ::GetCursorPos(&p) != FALSE;
    point = ScreenPoint{p.x, p.y};
    return ok;
}

bool Win32CursorControl::GetClipCursor(ScreenRect& rect) {
    RECT r{};
    const bool ok = ::GetClipCursor(&r) != FALSE;
    rect = ScreenRect{r.left, r.top, r.right, r.bottom};
    return ok;
}

bool Win32CursorControl::SetCursorPos(std::int32_t x, std::int32_t y) {
    return ::SetCursorPos(x, y) != FALSE;
}

bool Win32CursorControl::ClipCursor(const std::optional<ScreenRect>& rect) {
    if (!rect) {
        const bool released = ::ClipCursor(nullptr) != FALSE;
        NoteCursorConfined(!released);
        return released;
    }
    // Any rectangle counts as a confinement the tool made, even the one it
    // puts back: a crash then frees the cursor rather than leave it pinned.
    NoteCursorConfined(true);
    const RECT r{rect->left, rect->top, rect->right, rect->bottom};
    return ::ClipCursor(&r) != FALSE;
}

} // namespace vr
