#pragma once

#include "Installation.h"
#include "winsupport/win32/Handles.h"

#include <windows.h>

#include <vector>

namespace vr::setup {

// The installation's platform operations on Windows, for Form1.
class Win32Installer final : public InstallerPlatform {
  public:
    Win32Installer(HWND form, HWND installButton) : form_(form), installButton_(installButton) {}

    std::u16string ChooseInstallFolder() override;
    std::u16string ProgramFolder() override;
    std::vector<std::u16string> DesktopFolders() override;
    bool IsSameFolder(const std::u16string& a, const std::u16string& b) override;
    std::u16string FirstCharacterOutsideCodePage(const std::u16string& text) override;
    void SetInstallEnabled(bool enabled) override;
    std::optional<CopyFailure> CopyPayloadFile(const std::u16string& from,
                                               const std::u16string& to) override;
    void ProcessPendingMessages() override;
    void ShowMessage(std::u16string_view text) override;
    bool AskYesNo(std::u16string_view text) override;
    bool OpenDocument(const std::u16string& path) override;
    void WaitForDocumentLaunch() override;

  private:
    HWND form_;
    HWND installButton_;
    UniqueHandle launchJob_; // counts the processes the guide's launch starts
};

} // namespace vr::setup
