#pragma once

#include "platform/DesktopTypes.h"
#include "winsupport/core/NonCopyable.h"

#include <optional>

namespace vr {

// The cursor's position and confinement.
class CursorControl : NonCopyable {
  public:
    virtual ~CursorControl() = default;
    [[nodiscard]] virtual bool GetCursorPos(ScreenPoint& point) = 0;
    [[nodiscard]] virtual bool GetClipCursor(ScreenRect& rect) = 0;
    [[nodiscard]] virtual bool SetCursorPos(std::int32_t x, std::int32_t y) = 0;
    // Confines the cursor to the rectangle; nullopt releases the confinement.
    [[nodiscard]] virtual bool ClipCursor(const std::optional<ScreenRect>& rect) = 0;
};

} // namespace vr
