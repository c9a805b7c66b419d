#include "messages/MessageText.h"

#include <string>

namespace vr {

Text Join(std::initializer_list<TextView> parts) {
    Text joined;
    for (const TextView part : parts) {
        joined += part;
    }
    return joined;
}

Text Number(std::uint64_t value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

} // namespace vr
