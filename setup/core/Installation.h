#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vr::setup {

// Why a copy failed: the system's error number and its description.
struct CopyFailure {
    std::uint32_t code = 0;
    std::u16string description;
};

// What the installation needs from Windows; one call per platform operation,
// so that a test can record their order.
class InstallerPlatform {
  public:
    virtual ~InstallerPlatform() = default;
    // The folder the user chose in the folder browser; empty when none was.
    [[nodiscard]] virtual std::u16string ChooseInstallFolder() = 0;
    // The folder that holds the running installer.
    [[nodiscard]] virtual std::u16string ProgramFolder() = 0;
    // The folders whose files the user sees loose on the Desktop, as Windows
    // reports them: the user's own and the one all users share. A folder
    // Windows cannot name is left out.
    [[nodiscard]] virtual std::vector<std::u16string> DesktopFolders() = 0;
    // Whether two paths name the same folder on disk.
    [[nodiscard]] virtual bool IsSameFolder(const std::u16string& a, const std::u16string& b) = 0;
    // The first character of the text that the system's ANSI code page
    // cannot write (as one or two UTF-16 units); empty when there is none.
    [[nodiscard]] virtual std::u16string
    FirstCharacterOutsideCodePage(const std::u16string& text) = 0;
    virtual void SetInstallEnabled(bool enabled) = 0;
    // Copies one file, replacing the destination.
    [[nodiscard]] virtual std::optional<CopyFailure> CopyPayloadFile(const std::u16string& from,
                                                                     const std::u16string& to) = 0;
    virtual void ProcessPendingMessages() = 0;
    // A modal box with OK only, no icon, captioned with the program's title.
    virtual void ShowMessage(std::u16string_view text) = 0;
    // A modal warning with Yes and No, captioned with the program's title;
    // No is the default, so that Enter alone never says Yes. True for Yes.
    [[nodiscard]] virtual bool AskYesNo(std::u16string_view text) = 0;
    // Opens a document with its file type's default action, without waiting
    // for the viewer; false when the shell refused (the user has been told).
    [[nodiscard]] virtual bool OpenDocument(const std::u16string& path) = 0;
    // Waits, bounded, until the launch of the document has completed: the
    // shell may hand it to its viewer after OpenDocument has returned, and
    // the program's end would cancel a launch still under way.
    virtual void WaitForDocumentLaunch() = 0;
};

enum class InstallOutcome { Cancelled, CopyFailed, Completed };

// One press of the install button: choose a folder, copy the payload in
// order, confirm and open the guide. The installer's own folder, a folder
// whose name the code page cannot write, and the Desktop unless the user
// confirms it, send the user back to the folder browser. The program ends after any outcome.
InstallOutcome RunInstallation(InstallerPlatform& platform);

} // namespace vr::setup
