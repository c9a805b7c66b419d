#include "discovery/DiscoverCadInstances.h"

#include "discovery/BaseNameOf.h"
#include "discovery/CommandClassSearch.h"
#include "text/AnsiText.h"

#include <optional>
#include <vector>

namespace vr {
namespace {

bool StartsWith(TextView text, TextView prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

class Discovery {
  public:
    Discovery(const Desktop& desktop, const ToolSettings& settings, DiscoveryState& state)
        : tree_(desktop.tree), settings_(settings), state_(state) {}

    // The first descendant titled exactly CommandCaption becomes
    // LastCommandWindow; without one, LastCommandWindow keeps its value.
    bool SearchCommandArea(Hwnd window) {
        for (const Hwnd child : tree_.EnumChildWindows(window)) {
            if (GetWindowCaption(tree_, child) == settings_.CommandCaption) {
                state_.LastCommandWindow = child;
                return true;
            }
        }
        return false;
    }

    // Where the caption search found nothing under the main window and a
    // command-line class is set: that class among the main window's
    // descendants and the process's other top-level windows. A window
    // found is a command area as one found by its caption is.
    void SearchCommandClass(const std::vector<Hwnd>& topLevelWindows) {
        CadInstance& row = state_.InstanceTable.back();
        if (!row.MainWindow || row.MainCommandAreaFound || settings_.CommandClass.empty()) {
            return;
        }
        if (const Hwnd found = FindCommandLineByClass(tree_, row.MainWindow, topLevelWindows,
                                                      settings_.CommandClass)) {
            state_.LastCommandWindow = found;
            row.MainCommandWindow = found;
        }
    }

    void ExamineTopLevelWindow(Hwnd window) {
        CadInstance& row = state_.InstanceTable.back();
        const Text title = GetWindowCaption(tree_, window);
        if (title.empty()) {
            return;
        }
        if (StartsWith(title, settings_.MainCaption)) {
            row.DocumentName = DocumentNameFromTitle(title);
            row.MainWindow = window;
            row.MainCommandAreaFound = SearchCommandArea(window);
            row.MainCommandWindow = state_.LastCommandWindow;
        } else if (StartsWith(title, settings_.TextCaption)) {
            row.TextWindow = window;
            static_cast<void>(SearchCommandArea(window));
            row.TextCommandWindow = state_.LastCommandWindow;
        }
    }

  private:
    WindowTree& tree_;
    const ToolSettings& settings_;
    DiscoveryState& state_;
};

} // namespace

void DiscoverCadInstances(const Desktop& desktop, const ToolSettings& settings,
                          DiscoveryState& state, InstanceListSource& lists) {
    state.InstanceTable.assign(1, CadInstance{});
    InstanceList& list = lists.TouchInstanceList();
    list.Clear();
    Discovery discovery(desktop, settings, state);
    // The threads of the whole system, taken once, when the first CAD is
    // found: one snapshot serves every CAD of this discovery.
    std::optional<std::vector<ThreadRecord>> threads;
    for (const ProcessRecord& process : desktop.processes.ProcessSnapshot()) {
        if (BaseNameOf(DecodeAnsi(process.exeFile)) != settings.ACADName) {
            continue;
        }
        state.InstanceTable.emplace_back();
        const auto row = static_cast<std::uint32_t>(state.InstanceTable.size() - 1);
        state.InstanceTable[row].ProcessId = process.processId;
        std::vector<Hwnd> topLevelWindows;
        if (!threads) {
            threads = desktop.processes.ThreadSnapshot();
        }
        for (const ThreadRecord& thread : *threads) {
            if (thread.ownerProcessId != process.processId) {
                continue;
            }
            for (const Hwnd window : desktop.tree.EnumThreadWindows(thread.threadId)) {
                discovery.ExamineTopLevelWindow(window);
                topLevelWindows.push_back(window);
            }
        }
        discovery.SearchCommandClass(topLevelWindows);
        const int index = list.AddEntry(state.InstanceTable[row].DocumentName);
        list.SetItemData(index, row);
    }
    if (state.InstanceTable.size() > 1) {
        list.SetSelectedIndex(list.Count() - 1);
    }
}

} // namespace vr
