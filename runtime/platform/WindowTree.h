#pragma once

#include "platform/DesktopTypes.h"
#include "winsupport/core/NonCopyable.h"

#include <vector>

namespace vr {

// The windows of a thread and the descendants of a window, with their
// titles as the program's own text. Another program's titles are read as
// the window manager keeps them, without waiting on the program, so a title
// read never goes unanswered. A window of the tool's own process is asked
// for its title; when its thread does not answer within a few seconds, the
// window reads as untitled, so that nothing the tool reads can hang it.

class WindowTree : NonCopyable {
  public:
    virtual ~WindowTree() = default;
    [[nodiscard]] virtual std::vector<Hwnd> EnumThreadWindows(std::uint32_t threadId) = 0;
    [[nodiscard]] virtual std::vector<Hwnd> EnumChildWindows(Hwnd parent) = 0;
    // The window's whole title in UTF-16, as the system keeps it (no code
    // page in between); empty when it has none or is gone.
    [[nodiscard]] virtual Text GetWindowTitle(Hwnd window) = 0;

    // What the window report and the command-line class search read of a
    // window. None of them sends a message to the window's program, so none
    // waits on a CAD that hangs.
    // GetClassNameA: the class name in the ANSI code page, empty when the
    // window is gone.
    [[nodiscard]] virtual Bytes GetClassNameA(Hwnd window) = 0;
    // GetWindow(GW_OWNER): the owner of a top-level window, 0 for none.
    [[nodiscard]] virtual Hwnd GetWindowOwner(Hwnd window) = 0;
    // GetAncestor(GA_PARENT) of a child window: the window it lies in.
    [[nodiscard]] virtual Hwnd GetParentWindow(Hwnd window) = 0;
    [[nodiscard]] virtual std::int32_t GetDlgCtrlID(Hwnd window) = 0;
    // IsWindowVisible: false when the window or any window it lies in is
    // hidden.
    [[nodiscard]] virtual bool IsWindowVisible(Hwnd window) = 0;
    // GetWindowThreadProcessId: the id of the process that created the
    // window, 0 when it is no window.
    [[nodiscard]] virtual std::uint32_t GetWindowProcessId(Hwnd window) = 0;
    // IsChild: whether the window lies inside the parent, at any depth.
    [[nodiscard]] virtual bool IsChild(Hwnd parent, Hwnd window) = 0;
};

} // namespace vr
