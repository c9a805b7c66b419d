#include "job/ToolJobPlan.h"

namespace vr {

Text LoadCommandFor(TextView name) {
    return u"\x1b(load \"" + Text(name) + u"\")\r\n";
}

} // namespace vr
