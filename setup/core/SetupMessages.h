#pragma once

#include <string_view>

namespace vr::setup {

// What the installer says. Japanese, as the users read it.
inline constexpr std::u16string_view kProgramTitle = u"setupkit";
inline constexpr std::u16string_view kFormCaption = u"Excel連携ツール インストーラー";
inline constexpr std::u16string_view kNotice = u"Excel連携ソフトウェアの\r\n"
                                               u"インストールができます。";
inline constexpr std::u16string_view kInstallButton = u"インストール";
inline constexpr std::u16string_view kCancelButton = u"キャンセル";
inline constexpr std::u16string_view kBrowseTitle = u"インストールするフォルダを選択してください";
inline constexpr std::u16string_view kCompleted =
    u"インストール終了　iJ-CADの設定は表示されたPDFを参照してください。";

} // namespace vr::setup
