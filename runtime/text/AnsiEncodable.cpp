#include "text/AnsiText.h"

namespace vr {

bool IsAnsiEncodable(TextView text) {
    // Both a character without a form in the code page ('?') and one that
    // is written as a look-alike come back as something else.
    return DecodeAnsi(EncodeAnsi(text)) == text;
}

Text FirstUnencodableCharacter(TextView text) {
    for (std::size_t at = 0; at < text.size();) {
        const TextView character = text.substr(at, CharacterUnitsAt(text, at));
        if (!IsAnsiEncodable(character)) {
            return Text(character);
        }
        at += character.size();
    }
    return {};
}

} // namespace vr
