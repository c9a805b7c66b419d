#include "messages/MessageText.h"

#include "winsupport/core/DigitText.h"

namespace vr {

Text Join(std::initializer_list<TextView> parts) {
    Text joined;
    for (const TextView part : parts) {
        joined += part;
    }
    return joined;
}

Text Number(std::uint64_t value) {
    return DecimalDigits(value);
}

} // namespace vr
