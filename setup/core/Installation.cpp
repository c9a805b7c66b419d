#include "Installation.h"

#include "InstallPayload.h"
#include "SetupMessages.h"

namespace vr::setup {
namespace {

std::u16string DecimalText(std::uint32_t value) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

} // namespace

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    if (path.empty() || (path.back() != u'\\' && path.back() != u'/')) {
        path += u'\\';
    }
    path += name;
    return path;
}

std::u16string CopyFailedMessage(std::u16string_view name, const CopyFailure& failure,
                                 std::u16string_view from, std::u16string_view to) {
    std::u16string text = u"ファイル「";
    text += name;
    text += u"」をコピーできませんでした。インストールを中止します。\r\n\r\n";
    text += failure.description;
    text += u"（エラー ";
    text += DecimalText(failure.code);
    text += u"）\r\n\r\nコピー元: ";
    text += from;
    text += u"\r\nコピー先: ";
    text += to;
    text += u"\r\n\r\nそれまでにコピーしたファイルはそのまま残っています。";
    return text;
}

std::u16string OwnFolderMessage(std::u16string_view folder) {
    std::u16string text = u"選んだフォルダ「";
    text += folder;
    text += u"」はこのインストーラーのあるフォルダです。\r\n"
            u"ここにはインストールできません。別のフォルダを選んでやり直してください。";
    return text;
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
    platform.OpenDocument(JoinPath(target, kSetupGuide));
    return InstallOutcome::Completed;
}

} // namespace vr::setup
