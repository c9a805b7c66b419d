#include "text/AnsiText.h"

namespace vr {

bool IsAnsiEncodable(TextView text) {
    // Both a character without a form in the code page ('?') and one that
    // is written as a look-alike come back as something else.
    return DecodeAnsi(EncodeAnsi(text)) == text;
}

} // namespace vr
