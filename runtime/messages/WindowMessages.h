#pragma once

#include "text/Text.h"

namespace vr {

// The texts of the VadoRariri window and its history window.
inline constexpr TextView kNoCadSelectedMessage = u"AutoCADが選択されていません";
inline constexpr TextView kNotTextMessage = u"テキストデータではありません";

// A window of the program that could not be created: which one, and the
// platform's error code.
[[nodiscard]] Text WindowNotCreatedMessage(TextView windowName, unsigned long errorCode);

} // namespace vr
