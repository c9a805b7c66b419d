#include "window/MainWindowOperations.h"

#include "messages/WindowMessages.h"
#include "text/AnsiText.h"
#include "window/ReadControlText.h"

namespace vr {
namespace {

constexpr std::uintptr_t kCommandLineInput = 1;

} // namespace

Bytes CopyDataPayload(TextView text) {
    Bytes data = EncodeAnsi(text);
    data.push_back('\r');
    data.push_back('\0');
    return data;
}

InstanceList& MainWindowOperations::TouchInstanceList() {
    if (mainWindow_.CreateIfNeeded()) {
        CadSearch();
        if (mainWindow_.cmbFileName().SelectedIndex() >= 0) {
            Get();
        }
    }
    return mainWindow_.cmbFileName();
}

const CadInstance* MainWindowOperations::SelectedInstance() {
    InstanceList& list = TouchInstanceList();
    const int selected = list.SelectedIndex();
    if (selected >= 0) {
        const std::uint32_t row = list.ItemData(selected);
        if (row < discovery_.InstanceTable.size()) {
            return &discovery_.InstanceTable[row];
        }
    }
    messages_.ShowMessage(caption_, kNoCadSelectedMessage);
    return nullptr;
}

void MainWindowOperations::CadSearch() {
    DiscoverCadInstances(desktop_, settings_, discovery_, *this);
}

void MainWindowOperations::Get() {
    if (const CadInstance* cad = SelectedInstance()) {
        mainWindow_.SetTxtGet(
            ReadControlText(desktop_.messaging, cad->MainCommandWindow, settings_.MainCmdCtrlID));
    }
}

void MainWindowOperations::Put(TextView text) {
    const CadInstance* cad = SelectedInstance();
    if (!cad) {
        return;
    }
    const Hwnd target = cad->MainWindow;
    desktop_.messaging.SendCopyDataA(target, kCommandLineInput, CopyDataPayload(text));
    // Only a nudge for the CAD's message loop; the input itself was sent.
    (void)desktop_.messaging.PostMessageA(target, kWmNull, 0, 0);
    Get();
}

void MainWindowOperations::History1() {
    const CadInstance* cad = SelectedInstance();
    if (!cad) {
        return;
    }
    desktop_.messaging.SendMessageA(cad->TextWindow, kWmCommand, kCadHistoryToClipboard, 0);
    const std::optional<Bytes> text = desktop_.clipboard.GetClipboardText(mainWindow_.Handle());
    if (!text) {
        messages_.ShowMessage(caption_, kNotTextMessage);
        return;
    }
    mainWindow_.ShowHistory(DecodeAnsi(*text));
}

void MainWindowOperations::History2() {
    if (const CadInstance* cad = SelectedInstance()) {
        mainWindow_.ShowHistory(
            ReadControlText(desktop_.messaging, cad->TextCommandWindow, settings_.TextHistCtrlID));
    }
}

} // namespace vr
