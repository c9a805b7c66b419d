#include "window/MainWindowLayout.h"

#include <algorithm>

namespace vr {

MainWindowWidths LayoutMainWindow(int clientWidthTwips) {
    const int width = std::max(0, clientWidthTwips);
    const int boxes = std::max(0, clientWidthTwips - kTextBoxLeftTwips);
    return {width, boxes, boxes};
}

int LabelWidthTwips(const ControlDesign& label, int textWidthTwips) {
    const int room = std::max(label.width, kTextBoxLeftTwips - label.left);
    return std::clamp(textWidthTwips, label.width, room);
}

} // namespace vr
