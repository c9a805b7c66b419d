#include "discovery/DiscoverCadInstances.h"

#include "settings/BaseNameOf.h"
#include "text/AnsiText.h"
#include "window/MainWindowOperations.h"

#include <algorithm>

namespace vr {
namespace {

constexpr std::uint32_t kControlReadTimeoutMs = 2000;
// A command line longer than this is not a command line; it is not read whole.
constexpr std::uintptr_t kMaxControlTextBytes = 1 << 20;

bool StartsWith(TextView text, TextView prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The first descendant titled exactly CommandCaption becomes
// LastCommandWindow; without one, LastCommandWindow keeps its value.
void SearchCommandArea(ToolRun& run, Hwnd window) {
    Desktop& desktop = run.services.desktop;
    for (const Hwnd child : desktop.EnumChildWindows(window)) {
        if (GetWindowCaption(desktop, child) == run.settings.CommandCaption) {
            run.discovery.LastCommandWindow = child;
            return;
        }
    }
}

void ExamineTopLevelWindow(ToolRun& run, Hwnd window) {
    Desktop& desktop = run.services.desktop;
    if (desktop.GetWindowTextLengthA(window) == 0) {
        return;
    }
    const Text title = GetWindowCaption(desktop, window);
    CadInstance& row = run.discovery.InstanceTable.back();
    if (StartsWith(title, run.settings.MainCaption)) {
        row.DocumentName = DocumentNameFromTitle(title);
        row.MainWindow = window;
        SearchCommandArea(run, window);
        row.MainCommandWindow = run.discovery.LastCommandWindow;
    } else if (StartsWith(title, run.settings.TextCaption)) {
        row.TextWindow = window;
        SearchCommandArea(run, window);
        row.TextCommandWindow = run.discovery.LastCommandWindow;
    }
}

// frmMain's load step: CADSearch, then Get when that selected an instance.
void RunMainWindowLoadStep(ToolRun& run) {
    CadSearch(run);
    if (run.services.mainWindow.cmbFileName().SelectedIndex() >= 0) {
        Get(run);
    }
}

} // namespace

InstanceList& TouchInstanceList(ToolRun& run) {
    if (run.services.mainWindow.CreateIfNeeded()) {
        RunMainWindowLoadStep(run);
    }
    return run.services.mainWindow.cmbFileName();
}

void DiscoverCadInstances(ToolRun& run) {
    Desktop& desktop = run.services.desktop;
    run.discovery.InstanceTable.assign(1, CadInstance{});
    InstanceList& list = TouchInstanceList(run);
    list.Clear();
    for (const ProcessRecord& process : desktop.ProcessSnapshot()) {
        if (BaseNameOf(DecodeAnsi(process.exeFile)) != run.settings.ACADName) {
            continue;
        }
        run.discovery.InstanceTable.emplace_back();
        const auto row = static_cast<std::uint32_t>(run.discovery.InstanceTable.size() - 1);
        for (const ThreadRecord& thread : desktop.ThreadSnapshot()) {
            if (thread.ownerProcessId != process.processId) {
                continue;
            }
            for (const Hwnd window : desktop.EnumThreadWindows(thread.threadId)) {
                ExamineTopLevelWindow(run, window);
            }
        }
        const int index = list.AddEntry(run.discovery.InstanceTable[row].DocumentName);
        list.SetItemData(index, row);
    }
    if (run.discovery.InstanceTable.size() > 1) {
        list.SetSelectedIndex(list.Count() - 1);
    }
}

Text ReadControlText(Desktop& desktop, Hwnd parent, std::int32_t id) {
    const Hwnd control = parent ? desktop.GetDlgItem(parent, id) : 0;
    std::uintptr_t length = 0;
    if (control && !desktop.SendMessageTimeoutA(control, kWmGetTextLength, 0, 0,
                                                kControlReadTimeoutMs, length)) {
        length = 0;
    }
    length = std::min(length, kMaxControlTextBytes);
    // A buffer of length + 1 spaces and a NUL: with no control (or no
    // answer) it keeps its single space.
    Bytes buffer(static_cast<std::size_t>(length) + 1, ' ');
    buffer.push_back('\0');
    if (control) {
        std::uintptr_t copied = 0;
        if (!desktop.SendMessageTimeoutA(control, kWmGetText, buffer.size(),
                                         reinterpret_cast<std::intptr_t>(buffer.data()),
                                         kControlReadTimeoutMs, copied)) {
            buffer.assign(1, ' ');
            buffer.push_back('\0');
        }
    }
    return DecodeAnsi(BytesView(buffer.data(), buffer.find('\0')));
}

} // namespace vr
