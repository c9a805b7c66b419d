#pragma once

#include <array>
#include <string_view>

namespace vr::setup {

// The files the installer copies, flat, in this order. The list is fixed:
// the tools find their own files beside themselves, so this layout is the
// one they run from.
inline constexpr std::array<std::u16string_view, 19> kInstallPayload = {
    u"sheetbridge.exe",       // 1
    u"drawpull.exe",          // 2
    u"delay.dat",             // 3
    u"labelpen.exe",          // 4
    u"excel_install_dir.lsp", // 5
    u"EXCELマクロエラー.pdf", // 6
    u"gaugeread.exe",         // 7
    u"gaugeread_int.dat",     // 8
    u"gaugereadint.dcl",      // 9
    u"gaugereadint.lsp",      // 10
    u"qv.lsp",                // 11
    u"qvpos.lsp",             // 12
    u"setupguide.pdf",        // 13
    u"Quillon連携.pdf",       // 14
    u"noticepop.exe",         // 15
    u"zuduv.ini",             // 16
    u"plotseed.dwg",          // 17
    u"pinmark.exe",           // 18
    u"bridgebook.xlsm",       // 19
};

// The guide opened at the end, from the target folder.
inline constexpr std::u16string_view kSetupGuide = u"setupguide.pdf";

} // namespace vr::setup
