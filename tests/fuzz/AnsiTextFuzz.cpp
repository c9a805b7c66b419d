// The code page boundary. The input is read twice: as bytes in the ANSI code
// page (what files, profiles and titles give) and as UTF-16 code units (what
// the program holds, lone surrogates included). The promises of AnsiText.h
// must hold for both.
#include "FuzzSupport.h"
#include "text/AnsiText.h"
#include "text/Utf8.h"

namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Characters of a text: a surrogate pair is one, any other code unit one.
std::size_t CharacterCount(vr::TextView text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++count) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
        }
    }
    return count;
}

// The text with every lone surrogate replaced, as UTF-8 cannot hold one.
vr::Text WithoutLoneSurrogates(vr::TextView text) {
    vr::Text out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            out.push_back(text[i]);
            out.push_back(text[++i]);
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            out.push_back(u'\uFFFD');
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

// Bytes in the code page as the encoder writes them: whole characters only.
void CheckWellFormed(vr::BytesView encoded) {
    VR_FUZZ_CHECK(vr::WholeCharacterLength(encoded) == encoded.size());
}

// A byte limit cuts well-formed bytes at the last whole character before it.
void CheckCut(vr::BytesView encoded, std::size_t limit) {
    const vr::Text all = vr::DecodeAnsi(encoded);
    const vr::Text prefix = vr::DecodeAnsiPrefix(encoded, limit);
    VR_FUZZ_CHECK(vr::TextView(all).starts_with(prefix));
    const std::size_t kept = vr::EncodeAnsi(prefix).size();
    const std::size_t wanted = std::min(limit, encoded.size());
    VR_FUZZ_CHECK(kept <= wanted);
    VR_FUZZ_CHECK(kept + 1 >= wanted); // at most half a character is lost
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vr::BytesView bytes = vr::fuzz::AsBytes(data, size);

    // Any bytes: the whole-character length is the longest prefix that does
    // not end inside a double-byte character.
    const std::size_t whole = vr::WholeCharacterLength(bytes);
    VR_FUZZ_CHECK(whole <= bytes.size());
    VR_FUZZ_CHECK(vr::WholeCharacterLength(bytes.substr(0, whole)) == whole);
    if (whole < bytes.size()) {
        VR_FUZZ_CHECK(whole + 1 == bytes.size());
        VR_FUZZ_CHECK(vr::IsAnsiLeadByte(static_cast<unsigned char>(bytes[whole])));
    }
    const vr::Text decoded = vr::DecodeAnsi(bytes);
    for (const char16_t c : decoded) {
        VR_FUZZ_CHECK(!IsHighSurrogate(c) && !IsLowSurrogate(c)); // the code page is in the BMP
    }
    // Decoded text is written back as whole characters, one for each.
    const vr::Bytes encoded = vr::EncodeAnsi(decoded);
    CheckWellFormed(encoded);
    const vr::Text again = vr::DecodeAnsi(encoded);
    VR_FUZZ_CHECK(again.size() == decoded.size());
    VR_FUZZ_CHECK(vr::EncodeAnsi(again) == encoded);
    if (size > 0) {
        CheckCut(encoded, data[0] % (encoded.size() + 1));
    }
    CheckCut(encoded, encoded.size() / 2);
    CheckCut(encoded, encoded.size() == 0 ? 0 : encoded.size() - 1);
    VR_FUZZ_CHECK(vr::DecodeAnsiPrefix(bytes, bytes.size()) ==
                  vr::DecodeAnsi(bytes.substr(0, whole)));

    // Any UTF-16: one character in the code page for each character of the
    // text ('?' for those it cannot hold), in whole characters.
    const vr::Text text = vr::fuzz::AsUtf16(data, size);
    const vr::Bytes written = vr::EncodeAnsi(text);
    CheckWellFormed(written);
    const vr::Text readBack = vr::DecodeAnsi(written);
    VR_FUZZ_CHECK(readBack.size() == CharacterCount(text));
    const bool encodable = vr::IsAnsiEncodable(text);
    VR_FUZZ_CHECK(encodable == (readBack == text));
    if (encodable) {
        VR_FUZZ_CHECK(vr::IsAnsiEncodable(text + readBack));
    }
    // Text that came from the code page goes back to it unchanged.
    VR_FUZZ_CHECK(vr::IsAnsiEncodable(readBack));

    // UTF-8 for logs and reports: any text survives, lone surrogates aside.
    VR_FUZZ_CHECK(vr::TextFromUtf8(vr::Utf8FromText(text)) == WithoutLoneSurrogates(text));
    const vr::Text fromUtf8 = vr::TextFromUtf8(bytes);
    VR_FUZZ_CHECK(vr::TextFromUtf8(vr::Utf8FromText(fromUtf8)) == fromUtf8);
    return 0;
}
