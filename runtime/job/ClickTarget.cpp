#include "job/ClickTarget.h"

#include "discovery/CadInstances.h"
#include "messages/ToolMessages.h"
#include "text/AnsiText.h"

namespace vr {
namespace {

std::int32_t FloorHalf(std::int64_t sum) {
    return static_cast<std::int32_t>(sum >= 0 ? sum / 2 : -((-sum + 1) / 2));
}

// A chain of parents longer than this is no window tree.
constexpr int kMaxDepth = 64;

bool IsCommandLine(const Desktop& desktop, Hwnd commandWindow, Hwnd window) {
    return window != 0 && (window == commandWindow || desktop.tree.IsChild(commandWindow, window));
}

// The top-level window that the window lies in: parents are followed while
// they belong to its program, which the desktop window above every
// top-level window does not.
Hwnd TopLevelOf(const Desktop& desktop, Hwnd window, std::uint32_t processId) {
    Hwnd top = window;
    for (int depth = 0; depth < kMaxDepth; ++depth) {
        const Hwnd parent = desktop.tree.GetParentWindow(top);
        if (parent == 0 || desktop.tree.GetWindowProcessId(parent) != processId) {
            break;
        }
        top = parent;
    }
    return top;
}

Text ProgramOf(const Desktop& desktop, std::uint32_t processId) {
    if (processId == 0) {
        return {};
    }
    for (const ProcessRecord& process : desktop.processes.ProcessSnapshot()) {
        if (process.processId == processId) {
            return DecodeAnsi(process.exeFile);
        }
    }
    return {};
}

Failure Unreachable(Text message) {
    return Failure{StopKind::CommandLineUnreachable, std::move(message)};
}

} // namespace

ScreenPoint ClickPoint(const ScreenRect& rect) {
    return ScreenPoint{FloorHalf(static_cast<std::int64_t>(rect.left) + rect.right),
                       FloorHalf(static_cast<std::int64_t>(rect.top) + rect.bottom)};
}

Status CheckCadTakesInput(const Desktop& desktop, Hwnd mainWindow) {
    if (!desktop.windows.IsWindowEnabled(mainWindow)) {
        return Unreachable(CadDialogOpenMessage());
    }
    return Status::Ok();
}

Status CheckCommandLineShown(const Desktop& desktop, Hwnd commandWindow,
                             const ScreenRect& commandRect, ScreenPoint click) {
    if (!desktop.tree.IsWindowVisible(commandWindow) || commandRect.right <= commandRect.left ||
        commandRect.bottom <= commandRect.top) {
        return Unreachable(CommandLineHiddenMessage());
    }
    if (!desktop.windows.IsPointOnMonitor(click)) {
        return Unreachable(CommandLineOffScreenMessage());
    }
    return Status::Ok();
}

Status CheckCommandLineAtPoint(const Desktop& desktop, Hwnd commandWindow, ScreenPoint click) {
    Hwnd hit = 0;
    if (RetryBounded(desktop.clock, kRaiseWait, [&] {
            hit = desktop.windows.WindowFromPoint(click);
            return IsCommandLine(desktop, commandWindow, hit);
        })) {
        return Status::Ok();
    }
    if (hit == 0) {
        return Unreachable(CommandLineOffScreenMessage());
    }
    const std::uint32_t processId = desktop.tree.GetWindowProcessId(hit);
    const Hwnd cover = TopLevelOf(desktop, hit, processId);
    return Unreachable(CommandLineCoveredMessage(GetWindowCaption(desktop.tree, cover),
                                                 ProgramOf(desktop, processId)));
}

Status CheckCommandLineFocused(const Desktop& desktop, Hwnd commandWindow, FocusInArea accepted) {
    const std::uint32_t thread = desktop.windows.GetWindowThreadId(commandWindow);
    const bool areaWillDo = accepted == FocusInArea::AreaItselfToo ||
                            desktop.tree.EnumChildWindows(commandWindow).empty();
    Hwnd focus = 0;
    if (RetryBounded(desktop.clock, kFocusWait, [&] {
            focus = desktop.windows.GetThreadFocus(thread);
            return focus == commandWindow ? areaWillDo
                                          : IsCommandLine(desktop, commandWindow, focus);
        })) {
        return Status::Ok();
    }
    if (focus == 0) {
        return Unreachable(CommandLineFocusNotTakenMessage({}, {}));
    }
    return Unreachable(CommandLineFocusNotTakenMessage(
        DecodeAnsi(desktop.tree.GetClassNameA(focus)), GetWindowCaption(desktop.tree, focus)));
}

} // namespace vr
