#include "Installation.h"

#include "InstallPayload.h"
#include "SetupMessages.h"
#include "winsupport/core/PathJoin.h"

namespace vr::setup {

namespace {

// What the checks make of a chosen folder.
enum class Verdict { ChooseAgain, Install };

bool IsDesktop(InstallerPlatform& platform, const std::u16string& target) {
    for (const std::u16string& desktop : platform.DesktopFolders()) {
        if (platform.IsSameFolder(desktop, target)) {
            return true;
        }
    }
    return false;
}

// The checks of a folder the browser returned, before anything is copied.
Verdict CheckTarget(InstallerPlatform& platform, const std::u16string& source,
                    const std::u16string& target) {
    // Copying each file onto itself would report success and install nothing.
    if (platform.IsSameFolder(source, target)) {
        platform.ShowMessage(OwnFolderMessage(target));
        return Verdict::ChooseAgain;
    }
    // The tools read their settings, and the CAD loads their files, through
    // the ANSI code page: a folder whose name it cannot write names no file.
    if (const std::u16string character = platform.FirstCharacterOutsideCodePage(target);
        !character.empty()) {
        platform.ShowMessage(FolderNameUnusableMessage(target, character));
        return Verdict::ChooseAgain;
    }
    // The browser opens with the Desktop selected, so one OK would scatter
    // the files over it. Asked last, so that a Yes is never followed by a
    // refusal.
    if (IsDesktop(platform, target) && !platform.AskYesNo(DesktopQuestion(target))) {
        return Verdict::ChooseAgain;
    }
    return Verdict::Install;
}

} // namespace

InstallOutcome RunInstallation(InstallerPlatform& platform) {
    std::u16string target;
    std::u16string source;
    for (;;) {
        target = platform.ChooseInstallFolder();
        if (target.empty()) {
            return InstallOutcome::Cancelled;
        }
        source = platform.ProgramFolder();
        const Verdict verdict = CheckTarget(platform, source, target);
        if (verdict == Verdict::Install) {
            break;
        }
    }
    // The window keeps answering during the copies; a second press must not
    // start a second installation.
    platform.SetInstallEnabled(false);
    for (const std::u16string_view name : kInstallPayload) {
        const std::u16string from = JoinPath(source, name);
        const std::u16string to = JoinPath(target, name);
        if (const auto failure = platform.CopyPayloadFile(from, to)) {
            platform.ShowMessage(CopyFailedMessage(name, *failure, from, to));
            return InstallOutcome::CopyFailed;
        }
        platform.ProcessPendingMessages();
    }
    platform.ShowMessage(kCompleted);
    if (platform.OpenDocument(JoinPath(target, kSetupGuide))) {
        platform.WaitForDocumentLaunch();
    }
    return InstallOutcome::Completed;
}

} // namespace vr::setup
