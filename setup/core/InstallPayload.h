#pragma once

#include <array>
#include <string_view>

namespace vr::setup {

// The files the installer copies, flat, in this order. The list is fixed:
// the tools find their own files beside themselves, so this layout is the
// one they run from.
inline constexpr std::array<std::u16string_view, 19> kInstallPayload = {
    u"sheetbridge.exe",       u"drawpull.exe",          u"delay.dat",       u"labelpen.exe",
    u"excel_install_dir.lsp", u"EXCELマクロエラー.pdf", u"gaugeread.exe",   u"gaugeread_int.dat",
    u"gaugereadint.dcl",      u"gaugereadint.lsp",      u"qv.lsp",          u"qvpos.lsp",
    u"setupguide.pdf",        u"Quillon連携.pdf",       u"noticepop.exe",   u"zuduv.ini",
    u"plotseed.dwg",          u"pinmark.exe",           u"bridgebook.xlsm",
};

// The guide opened at the end, from the target folder.
inline constexpr std::u16string_view kSetupGuide = u"setupguide.pdf";

} // namespace vr::setup
