#pragma once

// What the setupkit tests share: an unpacked distribution, the guide
// recorder, one run of setupkit driven as a user would (its form and the
// shell's folder browser), and what a finished installation holds.
#include "Win32TestSupport.h"
#include "winsupport/win32/Handles.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vr::test {

inline constexpr DWORD kSetupkitWaitMs = 15000;

// The name of the payload's file at this index, and content that tells the
// file and its edition apart.
[[nodiscard]] std::wstring PayloadName(std::size_t index);
[[nodiscard]] std::string PayloadBytes(std::size_t index, std::string_view edition);

// The names of the files (not folders) in a folder.
[[nodiscard]] std::vector<std::wstring> FilesIn(const std::wstring& folder);

// The unpacked distribution: setupkit.exe of the build and the payload
// beside it, each file "new"; one file can be left out.
void LayOutDistribution(const ScratchFolder& folder, std::optional<std::size_t> leftOut = {});

// The user's Desktop moved to a folder of the test while the object lives,
// as Windows moves a redirected Desktop: setupkit must know it by the path
// Windows reports, and no test writes onto the machine's own desktop.
class RedirectedDesktop {
  public:
    explicit RedirectedDesktop(const std::wstring& path);
    ~RedirectedDesktop();
    RedirectedDesktop(const RedirectedDesktop&) = delete;
    RedirectedDesktop& operator=(const RedirectedDesktop&) = delete;

  private:
    std::optional<std::wstring> before_;
    DWORD beforeType_ = REG_EXPAND_SZ;
};

// A window's picture as a bitmap file, for a person to look at.
void SaveBitmap(HWND window, const std::wstring& path);

// .pdf documents open with the recorder, which notes them in opened.txt.
class GuideRecorder {
  public:
    GuideRecorder();
    ~GuideRecorder();
    GuideRecorder(const GuideRecorder&) = delete;
    GuideRecorder& operator=(const GuideRecorder&) = delete;

    // What was opened, waiting up to waitMs for the viewer to start.
    [[nodiscard]] std::string Opened(DWORD waitMs) const;
};

// One run of setupkit from a distribution folder, ended when the object goes.
class Setupkit {
  public:
    explicit Setupkit(const ScratchFolder& distribution);
    ~Setupkit();
    Setupkit(const Setupkit&) = delete;
    Setupkit& operator=(const Setupkit&) = delete;

    // Form1 once it shows; null when it did not within the wait.
    [[nodiscard]] HWND Form() const { return form_; }
    [[nodiscard]] DWORD ThreadId() const { return process_.dwThreadId; }

    // A click on one of Form1's buttons.
    void Press(int id) const;

    // Chooses a folder and confirms it, then watches the installer to its
    // end, pressing OK on each message box. A press of Command2 can follow
    // at once, while the copies run.
    [[nodiscard]] ProcessRun InstallInto(const std::wstring& folder, bool thenCancel = false) const;

    // Command1 pressed: the shell's folder browser it opens.
    [[nodiscard]] HWND BrowserOnce() const;
    // The folder browser once it shows (again); null when it did not.
    [[nodiscard]] HWND WaitForBrowser() const;
    // A message box of setupkit's once it shows; null when none did.
    [[nodiscard]] HWND WaitForBox() const;

    // Selects a folder in the browser and confirms it with OK.
    [[nodiscard]] bool Choose(HWND browser, const std::wstring& folder) const;
    // OK at once on the item the browser opened with, the Desktop.
    [[nodiscard]] bool ConfirmAtOnce(HWND browser) const;

    [[nodiscard]] ProcessRun Watch() const { return WatchProcess(process_, kSetupkitWaitMs); }

  private:
    [[nodiscard]] bool Select(HWND browser, const std::wstring& folder) const;

    const PROCESS_INFORMATION process_;
    const UniqueHandle ownedProcess_;
    const UniqueHandle ownedThread_;
    HWND form_ = nullptr;
};

// Presses a button of a dialog (IDYES, IDNO, IDCANCEL, ...) and waits,
// bounded, until the dialog is gone.
[[nodiscard]] bool PressButton(HWND dialog, int id);

// Enter, pressed where the dialog's keyboard focus is; waits, bounded, until
// the dialog is gone.
[[nodiscard]] bool PressEnter(HWND dialog);

// The run ended after the one box that says the installation is complete.
void ExpectCompletionOnly(const ProcessRun& run);

// Every file of the payload in the folder, as the distribution has it.
void ExpectPayloadInstalled(const std::wstring& target);

// The line the recorder writes when the guide at this path is opened.
[[nodiscard]] std::string OpenedLine(const std::wstring& guide);

} // namespace vr::test
