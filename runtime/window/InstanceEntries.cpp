#include "window/InstanceEntries.h"

namespace vr {

void InstanceEntries::Clear() {
    entries_.clear();
    selected_ = -1;
}

int InstanceEntries::AddEntry(TextView text) {
    entries_.push_back({Text(text), 0});
    return static_cast<int>(entries_.size()) - 1;
}

void InstanceEntries::SetItemData(int index, std::uint32_t data) {
    if (InRange(index)) {
        entries_[static_cast<std::size_t>(index)].data = data;
    }
}

std::uint32_t InstanceEntries::ItemData(int index) {
    return InRange(index) ? entries_[static_cast<std::size_t>(index)].data : 0xFFFFFFFFu;
}

int InstanceEntries::Count() {
    return static_cast<int>(entries_.size());
}

void InstanceEntries::SetSelectedIndex(int index) {
    // -1 clears the selection; an index past the end leaves it as it was,
    // as the control does (whatever its reference page says).
    if (index == -1 || InRange(index)) {
        selected_ = index;
    }
}

int InstanceEntries::SelectedIndex() {
    return selected_;
}

bool InstanceEntries::InRange(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < entries_.size();
}

} // namespace vr
