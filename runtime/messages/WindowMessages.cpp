#include "messages/WindowMessages.h"

#include <string>

namespace vr {

Text WindowNotCreatedMessage(TextView windowName, unsigned long errorCode) {
    const std::string code = std::to_string(errorCode);
    return u"ウィンドウ「" + Text(windowName) + u"」を作成できませんでした（エラー " +
           Text(code.begin(), code.end()) + u"）。";
}

} // namespace vr
