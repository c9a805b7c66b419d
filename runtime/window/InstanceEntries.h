#pragma once

#include "platform/ToolMainWindow.h"

#include <vector>

namespace vr {

// The instance list held in memory, answering as a drop-down list (no
// sorting) does: entries are appended, -1 clears the selection while another
// index out of range leaves it alone, and an out-of-range item datum reads
// as -1 (CB_ERR). The hidden
// main window keeps its list here and creates the real control only when it
// is shown.
class InstanceEntries final : public InstanceList {
  public:
    struct Entry {
        Text text;
        std::uint32_t data = 0;
    };

    void Clear() override;
    [[nodiscard]] int AddEntry(TextView text) override;
    void SetItemData(int index, std::uint32_t data) override;
    [[nodiscard]] std::uint32_t ItemData(int index) override;
    [[nodiscard]] int Count() override;
    void SetSelectedIndex(int index) override;
    [[nodiscard]] int SelectedIndex() override;

    [[nodiscard]] const std::vector<Entry>& Entries() const { return entries_; }

  private:
    [[nodiscard]] bool InRange(int index) const;

    std::vector<Entry> entries_;
    int selected_ = -1;
};

} // namespace vr
