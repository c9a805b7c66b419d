#pragma once

#include "text/Text.h"
#include "winsupport/core/NonCopyable.h"

namespace vr {

// A modal message box with an OK button only and no icon.
class MessageBoxes : NonCopyable {
  public:
    virtual ~MessageBoxes() = default;
    virtual void ShowMessage(TextView caption, TextView text) = 0;
};

} // namespace vr
