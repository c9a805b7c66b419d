#pragma once

#include "platform/Desktop.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vr::test {

// A window of the fake desktop.
struct FakeWindow {
    Text title;
    std::vector<Hwnd> children;
    ScreenRect rect;
    std::int32_t id = 0;
    std::string text; // what WM_GETTEXT answers (ANSI bytes)
    bool iconic = false;
    std::string className = "Window"; // ANSI bytes
    Hwnd owner = 0;                   // of a top-level window
    bool visible = true;
    bool enabled = true;
};

// The desktop as a recording fake: every call is written to `calls` in a
// readable form, in order, and answered from a small model of processes,
// windows, cursor, keys, mouse button, clipboard and z-order, so that a test
// can both compare the calls with a table and ask what state the desktop is
// left in ("is Ctrl still down?"). A call can be made to fail a number of
// times (or for ever, -1) by its name, or by its name and first argument.
class RecordingDesktop final : public CursorControl,
                               public WindowControl,
                               public WindowTree,
                               public WindowMessaging,
                               public SyntheticInput,
                               public ClipboardAccess,
                               public Clock,
                               public ProcessSnapshots,
                               public RunLock,
                               public ProcessIntegrity {
  public:
    [[nodiscard]] Desktop Services() {
        return Desktop{*this, *this, *this, *this, *this, *this, *this, *this, *this, *this};
    }

    std::vector<std::string> calls;
    std::map<std::string, int> failures;

    ScreenPoint cursor{10, 20};
    ScreenRect clip = kWholeScreen;
    std::map<Hwnd, FakeWindow> windows;
    std::vector<ProcessRecord> processes;
    std::vector<ThreadRecord> threads;
    std::map<std::uint32_t, std::vector<Hwnd>> threadWindows;
    std::string clipboard;
    bool clipboardHasText = false;
    bool clipboardOpen = false;
    Hwnd clipboardHolder = 0; // what GetOpenClipboardWindow answers
    std::uint32_t now = 0;
    RunLockResult runLock = RunLockResult::Acquired;
    bool runLockHeld = false;
    // Each key held down with the flags it was pressed with: the system tells
    // the left and the right Ctrl apart by the extended-key flag, and a
    // release without the flag the press had lets go of the other key.
    std::set<std::pair<std::uint16_t, std::uint32_t>> keysDown;
    bool leftButtonDown = false;
    std::set<Hwnd> topmost;
    Hwnd foreground = 0;
    // Windows whose z-order follows their owner's into topmost but not out
    // of it, as Wine's do.
    bool ownedFollowIntoTopmost = true;
    // After a SetCursorPos, this many reads still give the old position.
    int staleCursorReads = 0;
    // Reads report the point before the last move until the cursor is set
    // again (a late event of the old position overriding the new one).
    bool staleUntilCursorSet = false;
    ScreenPoint staleCursor;
    // Where the user's hand keeps the cursor, whatever the tool sets.
    std::optional<ScreenPoint> heldCursor;
    bool cursorRead = true; // false: GetCursorPos and GetClipCursor fail
    // Integrity levels by process id; a process not listed runs at the
    // tool's own level. nullopt: the level cannot be read.
    std::map<std::uint32_t, std::optional<std::uint32_t>> integrity;
    std::optional<std::uint32_t> ownIntegrity = 0x2000;
    // The monitors: a point outside all of them lies off the screen.
    std::vector<ScreenRect> monitors = {kWholeScreen};
    // Top-level windows that stay above whatever the tool raises (a window
    // of a higher band, or one that keeps making itself topmost again),
    // frontmost first. Below them: the topmost windows, the foreground
    // window, then the rest; each window's owned windows above it.
    std::vector<Hwnd> aboveAll;
    // The keyboard focus of each thread. A click gives it to the window
    // clicked (to its first child where it holds others), unless
    // clicksTakeFocus is false (a CAD that keeps it in its drawing).
    std::map<std::uint32_t, Hwnd> threadFocus;
    bool clicksTakeFocus = true;
    // Clicks that lose the focus they gave (a CAD that handles its
    // activation, which focuses its drawing, after the click).
    int clicksUndone = 0;

    // Called after each call is recorded: a test changes the desktop at a
    // given step (the CAD closes, another window comes to the front).
    std::function<void(const std::string&)> afterCall;

    void Record(std::string call) {
        calls.push_back(std::move(call));
        if (afterCall) {
            afterCall(calls.back());
        }
    }

    // The calls that change or pace the desktop, without discovery's reads.
    [[nodiscard]] std::vector<std::string> JobCalls() const {
        static const char* const kReads[] = {
            "ProcessSnapshot",       "ThreadSnapshot",    "EnumThreadWindows",
            "EnumChildWindows",      "GetWindowTitle",    "GetDlgItem",
            "SendMessageTimeoutA",   "GetClassNameA",     "GetWindowOwner",
            "GetParentWindow",       "GetDlgCtrlID",      "GetWindowProcessId",
            "ProcessIntegrityLevel", "OwnIntegrityLevel", "GetForegroundWindow",
            "GetWindowThreadId",     "IsTopmost"};
        std::vector<std::string> job;
        for (const std::string& call : calls) {
            const bool read = std::any_of(std::begin(kReads), std::end(kReads),
                                          [&](const char* r) { return call.rfind(r, 0) == 0; });
            if (!read) {
                job.push_back(call);
            }
        }
        return job;
    }

    [[nodiscard]] std::size_t Count(const std::string& prefix) const {
        return static_cast<std::size_t>(std::count_if(
            calls.begin(), calls.end(), [&](const auto& c) { return c.rfind(prefix, 0) == 0; }));
    }

    bool GetCursorPos(ScreenPoint& point) override {
        Record("GetCursorPos");
        const bool stale = staleCursorReads > 0 || staleUntilCursorSet;
        point = cursorRead ? heldCursor.value_or(stale ? staleCursor : cursor) : ScreenPoint{};
        if (staleCursorReads > 0) {
            --staleCursorReads;
        }
        return cursorRead;
    }
    bool GetClipCursor(ScreenRect& rect) override {
        Record("GetClipCursor");
        rect = cursorRead ? clip : ScreenRect{};
        return cursorRead;
    }
    bool SetCursorPos(std::int32_t x, std::int32_t y) override {
        staleUntilCursorSet = false;
        Record("SetCursorPos(" + std::to_string(x) + "," + std::to_string(y) + ")");
        if (Fails("SetCursorPos")) {
            return false;
        }
        staleCursor = cursor;
        cursor = {x, y};
        return true;
    }
    bool ClipCursor(const std::optional<ScreenRect>& rect) override {
        Record("ClipCursor(" + (rect ? Rect(*rect) : std::string("release")) + ")");
        if (Fails("ClipCursor")) {
            return false;
        }
        clip = rect ? *rect : kWholeScreen;
        return true;
    }
    bool IsWindow(Hwnd window) override {
        Record("IsWindow(" + Handle(window) + ")");
        return windows.count(window) != 0 && !Fails("IsWindow", Handle(window));
    }
    bool IsIconic(Hwnd window) override {
        Record("IsIconic(" + Handle(window) + ")");
        return windows.count(window) && windows[window].iconic;
    }
    bool OpenIcon(Hwnd window) override {
        Record("OpenIcon(" + Handle(window) + ")");
        if (Fails("OpenIcon")) {
            return false;
        }
        if (windows.count(window)) {
            windows[window].iconic = false;
        }
        foreground = window;
        return true;
    }
    bool SetForegroundWindow(Hwnd window) override {
        Record("SetForegroundWindow(" + Handle(window) + ")");
        if (Fails("SetForegroundWindow")) {
            return false;
        }
        foreground = window;
        return true;
    }
    bool GetWindowRect(Hwnd window, ScreenRect& rect) override {
        Record("GetWindowRect(" + Handle(window) + ")");
        rect = windows.count(window) ? windows[window].rect : ScreenRect{};
        return windows.count(window) != 0 && !Fails("GetWindowRect");
    }
    bool SetWindowPos(Hwnd window, Hwnd insertAfter, std::uint32_t flags) override {
        const std::string after = std::to_string(static_cast<std::intptr_t>(insertAfter));
        Record("SetWindowPos(" + Handle(window) + "," + after + "," + std::to_string(flags) + ")");
        if (Fails("SetWindowPos", after)) {
            return false;
        }
        if (insertAfter == kHwndTopmost) {
            topmost.insert(window);
            for (const auto& [handle, w] : windows) {
                if (w.owner == window && ownedFollowIntoTopmost) {
                    topmost.insert(handle);
                }
            }
        } else if (insertAfter == kHwndNotTopmost) {
            topmost.erase(window);
        }
        return true;
    }
    Hwnd GetForegroundWindow() override {
        Record("GetForegroundWindow");
        return foreground;
    }
    std::uint32_t GetWindowThreadId(Hwnd window) override {
        Record("GetWindowThreadId(" + Handle(window) + ")");
        Hwnd top = window;
        for (Hwnd parent = ParentOf(top); parent != 0; parent = ParentOf(top)) {
            top = parent;
        }
        for (const auto& [thread, list] : threadWindows) {
            if (std::find(list.begin(), list.end(), top) != list.end()) {
                return thread;
            }
        }
        return 0;
    }
    bool IsTopmost(Hwnd window) override {
        Record("IsTopmost(" + Handle(window) + ")");
        return topmost.contains(window);
    }
    bool IsWindowEnabled(Hwnd window) override {
        Record("IsWindowEnabled(" + Handle(window) + ")");
        return windows.count(window) && windows[window].enabled;
    }
    Hwnd WindowFromPoint(ScreenPoint point) override {
        Record("WindowFromPoint(" + Point(point) + ")");
        return WindowAt(point);
    }
    bool IsPointOnMonitor(ScreenPoint point) override {
        Record("MonitorFromPoint(" + Point(point) + ")");
        return std::any_of(monitors.begin(), monitors.end(),
                           [&](const ScreenRect& m) { return Contains(m, point); });
    }
    Hwnd GetThreadFocus(std::uint32_t threadId) override {
        Record("GetGUIThreadInfo(" + std::to_string(threadId) + ")");
        const auto found = threadFocus.find(threadId);
        return found == threadFocus.end() ? 0 : found->second;
    }
    std::uint32_t MapVirtualKeyA(std::uint32_t code, std::uint32_t mapType) override {
        Record("MapVirtualKeyA(" + std::to_string(code) + "," + std::to_string(mapType) + ")");
        return code == 17 ? 29 : (code == 86 ? 47 : 0);
    }
    std::uint32_t SendInput(const KeyboardInputRecord& r) override {
        Record("SendInput(" + std::to_string(r.type) + "," + std::to_string(r.virtualKey) + "," +
               std::to_string(r.scanCode) + "," + std::to_string(r.flags) + "," +
               std::to_string(r.time) + "," + std::to_string(r.extraInfo) + ")");
        if (Fails("SendInput", std::to_string(r.virtualKey) + "/" + std::to_string(r.flags))) {
            return 0;
        }
        const std::pair key{r.virtualKey, r.flags & kKeyExtended};
        if (r.flags & kKeyUp) {
            keysDown.erase(key);
        } else {
            keysDown.insert(key);
        }
        return 1;
    }
    std::uint32_t SendInput(const MouseInputRecord& r) override {
        Record("MouseInput(" + std::to_string(r.flags) + ")");
        if (r.type != kInputMouse || r.dx != 0 || r.dy != 0 ||
            Fails("MouseInput", std::to_string(r.flags))) {
            return 0;
        }
        if (r.flags == kMouseLeftDown) {
            leftButtonDown = true;
        } else if (r.flags == kMouseLeftUp) {
            leftButtonDown = false;
            if (const Hwnd clicked = WindowAt(cursor); clicked != 0 && clicksTakeFocus) {
                if (clicksUndone > 0) {
                    --clicksUndone;
                } else {
                    // A window that holds others gives the focus to its
                    // first, as a command line gives it to its input box.
                    const auto& children = windows[clicked].children;
                    threadFocus[ThreadOf(clicked)] = children.empty() ? clicked : children.front();
                }
            }
        }
        return 1;
    }
    bool OpenClipboard(Hwnd owner) override {
        Record("OpenClipboard(" + Handle(owner) + ")");
        if (clipboardOpen || Fails("OpenClipboard")) {
            return false;
        }
        clipboardOpen = true;
        return true;
    }
    bool EmptyClipboard() override {
        Record("EmptyClipboard");
        if (!clipboardOpen) {
            return false;
        }
        clipboard.clear();
        clipboardHasText = false;
        return true;
    }
    bool SetClipboardText(BytesView text) override {
        Record("SetClipboardText(" + Escaped(text) + ")");
        if (!clipboardOpen || Fails("SetClipboardText")) {
            return false;
        }
        clipboard = std::string(text);
        clipboardHasText = true;
        return true;
    }
    bool CloseClipboard() override {
        Record("CloseClipboard");
        return std::exchange(clipboardOpen, false);
    }
    Hwnd GetOpenClipboardWindow() override {
        Record("GetOpenClipboardWindow");
        return clipboardHolder;
    }
    void PumpMessages() override { Record("PumpMessages"); }
    void Sleep(std::uint32_t milliseconds) override {
        Record("Sleep(" + std::to_string(milliseconds) + ")");
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }
    std::uint32_t GetTickCount() override { return ++now; }
    std::vector<ProcessRecord> ProcessSnapshot() override {
        Record("ProcessSnapshot");
        return processes;
    }
    std::vector<ThreadRecord> ThreadSnapshot() override {
        Record("ThreadSnapshot");
        return threads;
    }
    std::vector<Hwnd> EnumThreadWindows(std::uint32_t threadId) override {
        Record("EnumThreadWindows(" + std::to_string(threadId) + ")");
        return threadWindows[threadId];
    }
    std::vector<Hwnd> EnumChildWindows(Hwnd parent) override {
        Record("EnumChildWindows(" + Handle(parent) + ")");
        std::vector<Hwnd> all;
        Descendants(parent, all);
        return all;
    }
    Text GetWindowTitle(Hwnd window) override {
        Record("GetWindowTitle(" + Handle(window) + ")");
        return windows.count(window) ? windows[window].title : Text();
    }
    Bytes GetClassNameA(Hwnd window) override {
        Record("GetClassNameA(" + Handle(window) + ")");
        return windows.count(window) ? windows[window].className : "";
    }
    Hwnd GetWindowOwner(Hwnd window) override {
        Record("GetWindowOwner(" + Handle(window) + ")");
        return windows.count(window) ? windows[window].owner : 0;
    }
    Hwnd GetParentWindow(Hwnd window) override {
        Record("GetParentWindow(" + Handle(window) + ")");
        return ParentOf(window);
    }
    std::int32_t GetDlgCtrlID(Hwnd window) override {
        Record("GetDlgCtrlID(" + Handle(window) + ")");
        return windows.count(window) ? windows[window].id : 0;
    }
    bool IsWindowVisible(Hwnd window) override {
        Record("IsWindowVisible(" + Handle(window) + ")");
        return ShownWithAncestors(window);
    }
    // The process of the thread whose top-level window the window is, or
    // lies in.
    std::uint32_t GetWindowProcessId(Hwnd window) override {
        Record("GetWindowProcessId(" + Handle(window) + ")");
        Hwnd top = window;
        for (Hwnd parent = ParentOf(top); parent != 0; parent = ParentOf(top)) {
            top = parent;
        }
        for (const auto& [threadId, tops] : threadWindows) {
            if (std::find(tops.begin(), tops.end(), top) == tops.end()) {
                continue;
            }
            for (const ThreadRecord& thread : threads) {
                if (thread.threadId == threadId) {
                    return thread.ownerProcessId;
                }
            }
        }
        return 0;
    }
    bool IsChild(Hwnd parent, Hwnd window) override {
        Record("IsChild(" + Handle(parent) + "," + Handle(window) + ")");
        for (Hwnd up = ParentOf(window); up != 0; up = ParentOf(up)) {
            if (up == parent) {
                return true;
            }
        }
        return false;
    }
    std::optional<std::uint32_t> ProcessIntegrityLevel(std::uint32_t processId) override {
        Record("ProcessIntegrityLevel(" + std::to_string(processId) + ")");
        const auto found = integrity.find(processId);
        return found == integrity.end() ? ownIntegrity : found->second;
    }
    std::optional<std::uint32_t> OwnIntegrityLevel() override {
        Record("OwnIntegrityLevel");
        return ownIntegrity;
    }
    Hwnd GetDlgItem(Hwnd parent, std::int32_t id) override {
        Record("GetDlgItem(" + Handle(parent) + "," + std::to_string(id) + ")");
        if (!windows.count(parent)) {
            return 0;
        }
        for (const Hwnd child : windows[parent].children) {
            if (windows[child].id == id) {
                return child;
            }
        }
        return 0;
    }
    bool SendMessageTimeoutA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam, std::uint32_t timeoutMs,
                             std::uintptr_t& result) override {
        Record("SendMessageTimeoutA(" + Handle(window) + "," + std::to_string(message) + "," +
               std::to_string(timeoutMs) + ")");
        if (Fails("SendMessageTimeoutA", Handle(window)) || !windows.count(window)) {
            return false;
        }
        const std::string& text = windows[window].text;
        if (message == kWmGetTextLength) {
            result = text.size();
        } else if (message == kWmGetText) {
            const std::size_t copied = std::min<std::size_t>(text.size(), wParam - 1);
            auto* buffer = reinterpret_cast<char*>(lParam);
            std::memcpy(buffer, text.data(), copied);
            buffer[copied] = '\0';
            result = copied;
        }
        return true;
    }
    void SendCopyDataA(Hwnd window, std::uintptr_t dwData, BytesView data) override {
        Record("SendCopyDataA(" + Handle(window) + "," + std::to_string(dwData) + "," +
               std::to_string(data.size()) + "," + Escaped(data) + ")");
    }
    std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override {
        Record("SendMessageA(" + Handle(window) + "," + std::to_string(message) + "," +
               std::to_string(wParam) + "," + std::to_string(lParam) + ")");
        if (message == kWmCommand && wParam == kCadHistoryToClipboard && windows.count(window) &&
            !windows[window].text.empty()) {
            clipboard = windows[window].text; // the CAD copies its history
            clipboardHasText = true;
        }
        return 0;
    }
    bool PostMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override {
        Record("PostMessageA(" + Handle(window) + "," + std::to_string(message) + "," +
               std::to_string(wParam) + "," + std::to_string(lParam) + ")");
        return true;
    }
    std::optional<Bytes> GetClipboardText(Hwnd owner) override {
        Record("GetClipboardText(" + Handle(owner) + ")");
        return clipboardHasText ? std::optional<Bytes>(clipboard) : std::nullopt;
    }
    RunLockResult AcquireRunLock(std::uint32_t timeoutMs) override {
        Record("AcquireRunLock(" + std::to_string(timeoutMs) + ")");
        runLockHeld = runLock == RunLockResult::Acquired;
        return runLock;
    }
    void ReleaseRunLock() override {
        Record("ReleaseRunLock");
        runLockHeld = false;
    }

    std::vector<std::uint32_t> sleeps;
    static constexpr ScreenRect kWholeScreen{0, 0, 1280, 1024};

    static std::string Handle(Hwnd window) {
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "0x%lx", static_cast<unsigned long>(window));
        return buffer;
    }
    static std::string Point(const ScreenPoint& p) {
        return std::to_string(p.x) + "," + std::to_string(p.y);
    }
    static std::string Rect(const ScreenRect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
    }
    static std::string Escaped(BytesView text) {
        std::string out;
        for (const char c : text) {
            if (c == '\x1b') {
                out += "<ESC>";
            } else if (c == '\r') {
                out += "<CR>";
            } else if (c == '\n') {
                out += "<LF>";
            } else {
                out.push_back(c);
            }
        }
        return out;
    }

  private:
    static bool Contains(const ScreenRect& r, ScreenPoint p) {
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    }
    // As IsWindowVisible: the window and every window it lies in shown.
    bool ShownWithAncestors(Hwnd window) const {
        for (Hwnd w = window; w != 0; w = ParentOf(w)) {
            const auto found = windows.find(w);
            if (found == windows.end() || !found->second.visible) {
                return false;
            }
        }
        return true;
    }
    std::uint32_t ThreadOf(Hwnd window) const {
        Hwnd top = window;
        for (Hwnd parent = ParentOf(top); parent != 0; parent = ParentOf(top)) {
            top = parent;
        }
        for (const auto& [thread, list] : threadWindows) {
            if (std::find(list.begin(), list.end(), top) != list.end()) {
                return thread;
            }
        }
        return 0;
    }
    // The top-level windows from front to back, as the model orders them.
    std::vector<Hwnd> ZOrder() const {
        std::vector<Hwnd> order;
        const auto add = [&](Hwnd window) {
            if (std::find(order.begin(), order.end(), window) == order.end()) {
                order.push_back(window);
            }
        };
        const auto addWithOwned = [&](Hwnd window) {
            for (const auto& [handle, w] : windows) {
                if (w.owner == window) {
                    add(handle);
                }
            }
            add(window);
        };
        for (const Hwnd window : aboveAll) {
            add(window);
        }
        for (const Hwnd window : topmost) {
            addWithOwned(window);
        }
        if (foreground) {
            addWithOwned(foreground);
        }
        for (const auto& [thread, list] : threadWindows) {
            for (const Hwnd window : list) {
                add(window);
            }
        }
        return order;
    }
    // What a click at the point reaches: the frontmost shown top-level
    // window that holds it, and in it the deepest shown child that does.
    Hwnd WindowAt(ScreenPoint point) const {
        for (const Hwnd top : ZOrder()) {
            const auto found = windows.find(top);
            if (found == windows.end() || !found->second.visible || found->second.iconic ||
                !Contains(found->second.rect, point)) {
                continue;
            }
            Hwnd hit = top;
            for (bool deeper = true; deeper;) {
                deeper = false;
                for (const Hwnd child : windows.at(hit).children) {
                    const auto c = windows.find(child);
                    if (c != windows.end() && c->second.visible &&
                        Contains(c->second.rect, point)) {
                        hit = child;
                        deeper = true;
                        break;
                    }
                }
            }
            return hit;
        }
        return 0;
    }
    bool Fails(const std::string& name, const std::string& argument = "") {
        for (const std::string& key : {name + "(" + argument + ")", name}) {
            auto found = failures.find(key);
            if (found == failures.end() || found->second == 0) {
                continue;
            }
            if (found->second > 0) {
                --found->second;
            }
            return true;
        }
        return false;
    }
    Hwnd ParentOf(Hwnd window) const {
        for (const auto& [handle, candidate] : windows) {
            if (std::find(candidate.children.begin(), candidate.children.end(), window) !=
                candidate.children.end()) {
                return handle;
            }
        }
        return 0;
    }
    void Descendants(Hwnd parent, std::vector<Hwnd>& all) {
        if (!windows.count(parent)) {
            return;
        }
        for (const Hwnd child : windows[parent].children) {
            all.push_back(child);
            Descendants(child, all);
        }
    }
};

} // namespace vr::test
