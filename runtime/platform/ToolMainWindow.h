#pragma once

#include "platform/DesktopTypes.h"
#include "text/Text.h"
#include "winsupport/core/NonCopyable.h"

#include <cstdint>

namespace vr {

// The instance list cmbFileName: a drop-down list whose entries carry a
// 32-bit item datum; the selected index is -1 when nothing is selected.
class InstanceList : NonCopyable {
  public:
    virtual ~InstanceList() = default;
    virtual void Clear() = 0;
    [[nodiscard]] virtual int AddEntry(TextView text) = 0; // index of the entry added
    virtual void SetItemData(int index, std::uint32_t data) = 0;
    [[nodiscard]] virtual std::uint32_t ItemData(int index) = 0;
    [[nodiscard]] virtual int Count() = 0;
    virtual void SetSelectedIndex(int index) = 0;
    [[nodiscard]] virtual int SelectedIndex() = 0;
};

// What CreateIfNeeded throws when the window cannot be created, which a tool
// run cannot do without: the window's name and the platform's error code.
// The job reports it where it reports every stop, with the desktop put back.
struct MainWindowNotCreated {
    Text windowName;
    unsigned long errorCode = 0;
};

// The tool's main window frmMain as the job and discovery see it. It is
// created hidden on the first touch of its instance list and never shown by
// a tool run.
class ToolMainWindow : NonCopyable {
  public:
    virtual ~ToolMainWindow() = default;
    // Creates the window (hidden) if it does not exist yet; true when this
    // call created it, so that its load step runs. Throws
    // MainWindowNotCreated when it cannot.
    [[nodiscard]] virtual bool CreateIfNeeded() = 0;
    [[nodiscard]] virtual InstanceList& cmbFileName() = 0;
    virtual void SetTxtGet(TextView text) = 0;
    // frmHistory with the text, shown non-modally; created on first use and
    // reused while it is open.
    virtual void ShowHistory(TextView text) = 0;
    [[nodiscard]] virtual Hwnd Handle() = 0;
    // The tool's window that owns the clipboard while the job sets it. It
    // answers messages at once even while the job waits, so that a program
    // that opens the clipboard (the CAD pasting) is never kept waiting on
    // the tool.
    [[nodiscard]] virtual Hwnd ClipboardOwner() = 0;
};

} // namespace vr
