#pragma once

#include "platform/Desktop.h"
#include "platform/Services.h"
#include "text/Utf8.h"
#include "window/ToolMainWindow.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace vr::test {

// A window of the fake desktop.
struct FakeWindow {
    std::string title; // ANSI bytes
    std::vector<Hwnd> children;
    ScreenRect rect;
    std::int32_t id = 0;
    std::string text; // what WM_GETTEXT answers (ANSI bytes)
    bool iconic = false;
};

// The desktop as a recording fake: every call is written to `calls` in a
// readable form, in order, and answered from a small model of processes,
// windows, cursor and clipboard. A call can be made to fail a number of
// times (or for ever, -1) by its name, or by its name and first argument.
class RecordingDesktop final : public Desktop {
  public:
    std::vector<std::string> calls;
    std::map<std::string, int> failures;

    ScreenPoint cursor{10, 20};
    ScreenRect clip{0, 0, 1280, 1024};
    std::map<Hwnd, FakeWindow> windows;
    std::vector<ProcessRecord> processes;
    std::vector<ThreadRecord> threads;
    std::map<std::uint32_t, std::vector<Hwnd>> threadWindows;
    std::string clipboard;
    bool clipboardHasText = false;
    std::uint32_t now = 0;
    RunLockResult runLock = RunLockResult::Acquired;

    void Record(std::string call) { calls.push_back(std::move(call)); }

    // The calls that change or pace the desktop, without discovery's reads.
    [[nodiscard]] std::vector<std::string> JobCalls() const {
        static const char* const kReads[] = {
            "ProcessSnapshot",      "ThreadSnapshot", "EnumThreadWindows", "EnumChildWindows",
            "GetWindowTextLengthA", "GetWindowTextA", "GetDlgItem",        "SendMessageTimeoutA"};
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
        point = cursor;
        return true;
    }
    bool GetClipCursor(ScreenRect& rect) override {
        Record("GetClipCursor");
        rect = clip;
        return true;
    }
    bool SetCursorPos(std::int32_t x, std::int32_t y) override {
        Record("SetCursorPos(" + std::to_string(x) + "," + std::to_string(y) + ")");
        if (Fails("SetCursorPos")) {
            return false;
        }
        cursor = {x, y};
        return true;
    }
    bool ClipCursor(const ScreenRect& rect) override {
        Record("ClipCursor(" + Rect(rect) + ")");
        if (Fails("ClipCursor")) {
            return false;
        }
        clip = rect;
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
        return !Fails("OpenIcon");
    }
    bool SetForegroundWindow(Hwnd window) override {
        Record("SetForegroundWindow(" + Handle(window) + ")");
        return !Fails("SetForegroundWindow");
    }
    bool GetWindowRect(Hwnd window, ScreenRect& rect) override {
        Record("GetWindowRect(" + Handle(window) + ")");
        rect = windows.count(window) ? windows[window].rect : ScreenRect{};
        return windows.count(window) != 0;
    }
    bool SetWindowPos(Hwnd window, Hwnd insertAfter, std::uint32_t flags) override {
        const std::string after = std::to_string(static_cast<std::intptr_t>(insertAfter));
        Record("SetWindowPos(" + Handle(window) + "," + after + "," + std::to_string(flags) + ")");
        return !Fails("SetWindowPos", after);
    }
    void MouseEvent(std::uint32_t flags) override {
        Record("MouseEvent(" + std::to_string(flags) + ")");
    }
    std::uint32_t MapVirtualKeyA(std::uint32_t code, std::uint32_t mapType) override {
        Record("MapVirtualKeyA(" + std::to_string(code) + "," + std::to_string(mapType) + ")");
        return code == 17 ? 29 : (code == 86 ? 47 : 0);
    }
    std::uint32_t SendInput(const KeyboardInputRecord& r) override {
        Record("SendInput(" + std::to_string(r.type) + "," + std::to_string(r.virtualKey) + "," +
               std::to_string(r.scanCode) + "," + std::to_string(r.flags) + "," +
               std::to_string(r.time) + "," + std::to_string(r.extraInfo) + ")");
        return Fails("SendInput", std::to_string(r.virtualKey) + "/" + std::to_string(r.flags)) ? 0
                                                                                                : 1;
    }
    bool OpenClipboard(Hwnd owner) override {
        Record("OpenClipboard(" + Handle(owner) + ")");
        return !Fails("OpenClipboard");
    }
    bool EmptyClipboard() override {
        Record("EmptyClipboard");
        clipboard.clear();
        clipboardHasText = false;
        return true;
    }
    bool SetClipboardText(BytesView text) override {
        Record("SetClipboardText(" + Escaped(text) + ")");
        clipboard = std::string(text);
        clipboardHasText = true;
        return true;
    }
    bool CloseClipboard() override {
        Record("CloseClipboard");
        return true;
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
    std::int32_t GetWindowTextLengthA(Hwnd window) override {
        Record("GetWindowTextLengthA(" + Handle(window) + ")");
        return windows.count(window) ? static_cast<std::int32_t>(windows[window].title.size()) : 0;
    }
    std::int32_t GetWindowTextA(Hwnd window, char* buffer, std::int32_t size) override {
        Record("GetWindowTextA(" + Handle(window) + ")");
        const std::string title = windows.count(window) ? windows[window].title : "";
        const auto copied = std::min<std::size_t>(title.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buffer, title.data(), copied);
        buffer[copied] = '\0';
        return static_cast<std::int32_t>(copied);
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
        if (Fails("SendMessageTimeoutA") || !windows.count(window)) {
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
        return runLock;
    }

    std::vector<std::uint32_t> sleeps;

    static std::string Handle(Hwnd window) {
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "0x%lx", static_cast<unsigned long>(window));
        return buffer;
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

// Files held in memory, by path exactly as the program names them.
class FakeFiles final : public FileAccess {
  public:
    std::optional<Bytes> ReadWholeFile(TextView path) override {
        reads.emplace_back(path);
        const auto found = files.find(Text(path));
        if (found == files.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    bool ReplaceWholeFile(TextView path, BytesView bytes) override {
        writes.emplace_back(path);
        if (failWrites) {
            return false;
        }
        files[Text(path)] = Bytes(bytes);
        return true;
    }
    std::map<Text, Bytes> files;
    std::vector<Text> reads;
    std::vector<Text> writes;
    bool failWrites = false;
};

// Behaves as GetPrivateProfileStringA does for the cases the tools meet: the
// default for a missing file, section or key; at most size - 1 bytes stored.
class FakeProfiles final : public ProfileAccess {
  public:
    struct Call {
        std::string section, key, defaultValue, path;
        std::uint32_t size;
    };

    std::uint32_t GetPrivateProfileStringA(BytesView section, BytesView key, BytesView defaultValue,
                                           char* buffer, std::uint32_t size,
                                           BytesView path) override {
        calls.push_back({std::string(section), std::string(key), std::string(defaultValue),
                         std::string(path), size});
        std::string value(defaultValue);
        if (const auto file = files.find(std::string(path)); file != files.end()) {
            const auto entry = file->second.find(std::string(section) + '\n' + std::string(key));
            if (entry != file->second.end()) {
                value = entry->second;
            }
        }
        const std::size_t stored = std::min<std::size_t>(value.size(), size - 1);
        std::memcpy(buffer, value.data(), stored);
        buffer[stored] = '\0';
        return static_cast<std::uint32_t>(stored);
    }

    void Set(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value) {
        files[path][section + '\n' + key] = value;
    }

    std::map<std::string, std::map<std::string, std::string>> files;
    std::vector<Call> calls;
};

// Message boxes, written to the desktop's call list too so that a test can
// see that a message comes after the desktop was put back.
class RecordingMessages final : public MessageBoxes {
  public:
    explicit RecordingMessages(RecordingDesktop& desktop) : desktop_(desktop) {}
    struct Shown {
        Text caption, text;
    };
    void ShowMessage(TextView caption, TextView text) override {
        shown.push_back({Text(caption), Text(text)});
        desktop_.Record("MessageBox(" + Utf8FromText(caption) + ")");
    }
    std::vector<Shown> shown;

  private:
    RecordingDesktop& desktop_;
};

// frmMain with a list that behaves as the platform's drop-down list.
class FakeMainWindow final : public ToolMainWindow, public InstanceList {
  public:
    bool CreateIfNeeded() override {
        if (created) {
            return false;
        }
        created = true;
        return true;
    }
    InstanceList& cmbFileName() override { return *this; }
    void SetTxtGet(TextView text) override { txtGet = Text(text); }
    void ShowHistory(TextView text) override { history.emplace_back(text); }
    Hwnd Handle() override { return created ? 0x700 : 0; }
    Hwnd ClipboardOwner() override { return 0x900; }

    void Clear() override {
        entries.clear();
        selected = -1;
    }
    int AddEntry(TextView text) override {
        entries.push_back({Text(text), 0});
        return static_cast<int>(entries.size()) - 1;
    }
    void SetItemData(int index, std::uint32_t data) override { entries.at(index).second = data; }
    std::uint32_t ItemData(int index) override { return entries.at(index).second; }
    int Count() override { return static_cast<int>(entries.size()); }
    void SetSelectedIndex(int index) override { selected = index; }
    int SelectedIndex() override { return selected; }

    bool created = false;
    std::vector<std::pair<Text, std::uint32_t>> entries;
    int selected = -1;
    Text txtGet = u"txtGet";
    std::vector<Text> history;
};

struct FakeToolServices {
    RecordingDesktop desktop;
    FakeFiles files;
    FakeProfiles profiles;
    RecordingMessages messages{desktop};
    FakeMainWindow mainWindow;
    ToolServices Services() { return ToolServices{desktop, files, profiles, messages, mainWindow}; }
};

} // namespace vr::test
