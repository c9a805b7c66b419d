#include "messages/WindowMessages.h"

#include "winsupport/core/DigitText.h"

namespace vr {

Text WindowNotCreatedMessage(TextView windowName, unsigned long errorCode) {
    return u"ウィンドウ「" + Text(windowName) + u"」を作成できませんでした（エラー " +
           DecimalDigits(errorCode) + u"）。";
}

} // namespace vr
