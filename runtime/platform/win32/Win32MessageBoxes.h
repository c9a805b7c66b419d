#pragma once

#include "platform/MessageBoxes.h"

namespace vr {

class Win32MessageBoxes final : public MessageBoxes {
  public:
    void ShowMessage(TextView caption, TextView text) override;
};

} // namespace vr
