#pragma once

#include "startup/ToolRun.h"

namespace vr {

// Finds the running CAD processes (executable base name equal to ACADName),
// their main and text windows and command areas, fills InstanceTable and
// the list cmbFileName, and selects the last entry. The list's first touch
// creates the tool's main window, whose load step runs a discovery of its
// own first.
void DiscoverCadInstances(ToolRun& run);

// The list cmbFileName; its first touch creates frmMain and runs its load
// step (a discovery, then Get when that selected an instance).
[[nodiscard]] InstanceList& TouchInstanceList(ToolRun& run);

// The text of a control of another program: GetDlgItem, then its length
// and its text, each message bounded by a time-out so that a hung CAD
// cannot hang the tool. One space when the control does not exist.
[[nodiscard]] Text ReadControlText(Desktop& desktop, Hwnd parent, std::int32_t id);

} // namespace vr
