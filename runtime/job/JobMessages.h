#pragma once

#include "text/Text.h"

namespace vr {

// What the user is told when the job stops. Each names the fault and, where
// a setting decides it, the setting.
[[nodiscard]] Text NoCadFoundMessage(TextView acadName);
[[nodiscard]] Text NoMainWindowMessage(TextView acadName, TextView mainCaption);
[[nodiscard]] Text NoCommandAreaMessage(TextView commandCaption);
[[nodiscard]] Text CadWindowGoneMessage();
[[nodiscard]] Text CadNotRespondingMessage(TextView operation);
[[nodiscard]] Text ClipboardBusyMessage();
[[nodiscard]] Text AnotherToolRunningMessage();

} // namespace vr
