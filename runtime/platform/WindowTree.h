#pragma once

#include "platform/DesktopTypes.h"
#include "winsupport/core/NonCopyable.h"

#include <vector>

namespace vr {

// The windows of a thread and the descendants of a window, with their
// titles read by bytes in the ANSI code page. A window whose thread does not
// answer within a few seconds has a title length of -1 (kTitleUnanswered):
// the read of another program's title waits on that program, and a hung CAD
// must not hang the tool.
inline constexpr std::int32_t kTitleUnanswered = -1;

class WindowTree : NonCopyable {
  public:
    virtual ~WindowTree() = default;
    [[nodiscard]] virtual std::vector<Hwnd> EnumThreadWindows(std::uint32_t threadId) = 0;
    [[nodiscard]] virtual std::vector<Hwnd> EnumChildWindows(Hwnd parent) = 0;
    [[nodiscard]] virtual std::int32_t GetWindowTextLengthA(Hwnd window) = 0;
    [[nodiscard]] virtual std::int32_t GetWindowTextA(Hwnd window, char* buffer,
                                                      std::int32_t size) = 0;
};

} // namespace vr
