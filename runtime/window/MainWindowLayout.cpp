#include "window/MainWindowLayout.h"

#include <algorithm>

namespace vr {

MainWindowWidths LayoutMainWindow(int clientWidthTwips) {
    const int width = std::max(0, clientWidthTwips);
    const int boxes = std::max(0, clientWidthTwips - kTextBoxLeftTwips);
    return {width, boxes, boxes};
}

} // namespace vr
