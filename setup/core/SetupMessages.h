#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vr::setup {

struct CopyFailure;

// Everything the installer shows the user, in one place. Japanese, as the
// users read it.
inline constexpr std::u16string_view kProgramTitle = u"setupkit";
// The product is VadoRariri; the caption and the notice say what it is, an
// Excel integration, since the name alone does not.
inline constexpr std::u16string_view kFormCaption = u"VadoRariri（Excel連携ツール）インストーラー";
inline constexpr std::u16string_view kNotice = u"VadoRariri（Excel連携ツール）の\r\n"
                                               u"インストールができます。";
inline constexpr std::u16string_view kInstallButton = u"インストール";
inline constexpr std::u16string_view kCancelButton = u"キャンセル";
inline constexpr std::u16string_view kBrowseTitle = u"インストールするフォルダを選択してください";
inline constexpr std::u16string_view kCompleted =
    u"インストール終了　iJ-CADの設定は表示されたPDFを参照してください。";
// Stands for the system's description when it gives none.
inline constexpr std::u16string_view kUnknownError = u"不明なエラーです。";
// The first line of the message when Form1 cannot be made.
inline constexpr std::u16string_view kFormFailed =
    u"インストーラーの画面を表示できませんでした。setupkit を終了します。";

// The message after a failed copy: the file, the system's description and
// number, and where it was copied from and to.
[[nodiscard]] std::u16string CopyFailedMessage(std::u16string_view name, const CopyFailure& failure,
                                               std::u16string_view from, std::u16string_view to);

// The message when the chosen folder is the installer's own; the folder
// browser opens again after it.
[[nodiscard]] std::u16string OwnFolderMessage(std::u16string_view folder);

// The question when the chosen folder is the Desktop: the payload would lie
// loose on it. No (the default) opens the folder browser again.
[[nodiscard]] std::u16string DesktopQuestion(std::u16string_view folder);

// A target whose name holds a character the ANSI code page cannot write:
// the folder and the character.
[[nodiscard]] std::u16string FolderNameUnusableMessage(std::u16string_view folder,
                                                       std::u16string_view character);

// The message after the copies when the guide could not be opened: where it
// is, so that the user can open it.
[[nodiscard]] std::u16string GuideNotOpenedMessage(std::u16string_view guidePath);

// The message when Form1 or one of its controls could not be made: the
// system's description and number.
[[nodiscard]] std::u16string FormFailedMessage(std::uint32_t code, std::u16string_view description);

} // namespace vr::setup
