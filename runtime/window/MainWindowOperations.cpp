#include "window/MainWindowOperations.h"

#include "discovery/DiscoverCadInstances.h"
#include "text/AnsiText.h"

namespace vr {
namespace {

constexpr std::uintptr_t kCommandLineInput = 1;

// The selected instance, or null after telling the user that there is none.
const CadInstance* SelectedInstance(ToolRun& run) {
    InstanceList& list = TouchInstanceList(run);
    const int selected = list.SelectedIndex();
    if (selected >= 0) {
        const std::uint32_t row = list.ItemData(selected);
        if (row < run.discovery.InstanceTable.size()) {
            return &run.discovery.InstanceTable[row];
        }
    }
    run.services.messages.ShowMessage(run.toolName, kNoCadSelectedMessage);
    return nullptr;
}

} // namespace

Bytes CopyDataPayload(TextView text) {
    Bytes data = EncodeAnsi(text);
    data.push_back('\r');
    data.push_back('\0');
    return data;
}

void CadSearch(ToolRun& run) {
    DiscoverCadInstances(run);
}

void Get(ToolRun& run) {
    if (const CadInstance* cad = SelectedInstance(run)) {
        run.services.mainWindow.SetTxtGet(ReadControlText(
            run.services.desktop, cad->MainCommandWindow, run.settings.MainCmdCtrlID));
    }
}

void Put(ToolRun& run, TextView text) {
    const CadInstance* cad = SelectedInstance(run);
    if (!cad) {
        return;
    }
    const Hwnd target = cad->MainWindow;
    run.services.desktop.SendCopyDataA(target, kCommandLineInput, CopyDataPayload(text));
    run.services.desktop.PostMessageA(target, kWmNull, 0, 0);
    Get(run);
}

void History1(ToolRun& run) {
    const CadInstance* cad = SelectedInstance(run);
    if (!cad) {
        return;
    }
    Desktop& desktop = run.services.desktop;
    desktop.SendMessageA(cad->TextWindow, kWmCommand, kCadHistoryToClipboard, 0);
    const std::optional<Bytes> text = desktop.GetClipboardText(run.services.mainWindow.Handle());
    if (!text) {
        run.services.messages.ShowMessage(run.toolName, kNotTextMessage);
        return;
    }
    run.services.mainWindow.ShowHistory(DecodeAnsi(*text));
}

void History2(ToolRun& run) {
    if (const CadInstance* cad = SelectedInstance(run)) {
        run.services.mainWindow.ShowHistory(ReadControlText(
            run.services.desktop, cad->TextCommandWindow, run.settings.TextHistCtrlID));
    }
}

} // namespace vr
