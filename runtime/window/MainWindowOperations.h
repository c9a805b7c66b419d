#pragma once

#include "discovery/DiscoverCadInstances.h"
#include "platform/Desktop.h"
#include "platform/MessageBoxes.h"
#include "platform/ToolMainWindow.h"
#include "settings/ToolSettings.h"

namespace vr {

// What frmMain does with the CAD selected in its list, and the load step
// that runs when a touch of its list creates it. Each operation reads the
// selection afresh; without one it tells the user and sends nothing.
class MainWindowOperations final : public InstanceListSource {
  public:
    MainWindowOperations(const Desktop& desktop, MessageBoxes& messages, ToolMainWindow& mainWindow,
                         const ToolSettings& settings, DiscoveryState& discovery, TextView caption)
        : desktop_(desktop), messages_(messages), mainWindow_(mainWindow), settings_(settings),
          discovery_(discovery), caption_(caption) {}

    // The list; its first touch creates frmMain and runs its load step: a
    // discovery, then Get when that selected an instance.
    [[nodiscard]] InstanceList& TouchInstanceList() override;

    // CADSearch: discovery again.
    void CadSearch();
    // Get: the CAD's command line into txtGet.
    void Get();
    // Put: the text as command-line input (WM_COPYDATA, dwData 1, text + CR +
    // NUL in the ANSI code page), then WM_NULL posted, then Get.
    void Put(TextView text);
    // History1: the CAD's history copy command, then the clipboard's text.
    void History1();
    // History2: the text of the history box in the CAD's text window.
    void History2();

  private:
    [[nodiscard]] const CadInstance* SelectedInstance();

    const Desktop& desktop_;
    MessageBoxes& messages_;
    ToolMainWindow& mainWindow_;
    const ToolSettings& settings_;
    DiscoveryState& discovery_;
    Text caption_;
};

// The bytes that Put sends: the text, CR and NUL in the ANSI code page.
[[nodiscard]] Bytes CopyDataPayload(TextView text);

} // namespace vr
