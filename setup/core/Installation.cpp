#include "Installation.h"

#include "InstallPayload.h"
#include "SetupMessages.h"

namespace vr::setup {

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    if (path.empty() || (path.back() != u'\\' && path.back() != u'/')) {
        path += u'\\';
    }
    path += name;
    return path;
}

InstallOutcome RunInstallation(InstallerPlatform& platform) {
    const std::u16string target = platform.ChooseInstallFolder();
    if (target.empty()) {
        return InstallOutcome::Cancelled;
    }
    const std::u16string source = platform.ProgramFolder();
    // Copying each file onto itself would report success and install nothing.
    if (platform.IsSameFolder(source, target)) {
        platform.ShowMessage(OwnFolderMessage(target));
        return InstallOutcome::RefusedOwnFolder;
    }
    // The tools read their settings, and the CAD loads their files, through
    // the ANSI code page: a folder whose name it cannot write names no file.
    if (const std::u16string character = platform.FirstCharacterOutsideCodePage(target);
        !character.empty()) {
        platform.ShowMessage(FolderNameUnusableMessage(target, character));
        return InstallOutcome::RefusedFolderName;
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
