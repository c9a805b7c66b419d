#pragma once

#include "startup/ToolRun.h"

namespace vr {

inline constexpr TextView kNoCadSelectedMessage = u"AutoCADが選択されていません";
inline constexpr TextView kNotTextMessage = u"テキストデータではありません";

// What frmMain does with the CAD selected in its list. Each reads the
// selection afresh; without one it tells the user and sends nothing.

// CADSearch: discovery again.
void CadSearch(ToolRun& run);
// Get: the CAD's command line into txtGet.
void Get(ToolRun& run);
// Put: the text as command-line input (WM_COPYDATA, dwData 1, text + CR +
// NUL in the ANSI code page), then WM_NULL posted, then Get.
void Put(ToolRun& run, TextView text);
// History1: the CAD's history copy command, then the clipboard's text.
void History1(ToolRun& run);
// History2: the text of the history box in the CAD's text window.
void History2(ToolRun& run);

// The bytes that Put sends: the text, CR and NUL in the ANSI code page.
[[nodiscard]] Bytes CopyDataPayload(TextView text);

} // namespace vr
