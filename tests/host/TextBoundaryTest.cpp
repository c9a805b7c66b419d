#include "TestText.h"
#include "text/AnsiText.h"
#include "text/TextLines.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

// Characters whose second byte in code page 932 is 0x5C, the backslash.
const Bytes kHyoBytes = "\x95\x5c"; // 表
const Bytes kSoBytes = "\x83\x5c";  // ソ
const Bytes kNouBytes = "\x94\x5c"; // 能

TEST(TextBoundary, DecodesCodePage932WithBackslashTrailBytes) {
    EXPECT_EQ(DecodeAnsi(kHyoBytes + kSoBytes + kNouBytes), u"表ソ能");
    EXPECT_EQ(DecodeAnsi("C:\\" + kHyoBytes + "\\x"), u"C:\\表\\x");
    EXPECT_EQ(DecodeAnsi("\xb1\xb2"), u"ｱｲ"); // half-width katakana are single bytes
    EXPECT_EQ(DecodeAnsi("\x81\x60"), u"\uFF5E");
}

TEST(TextBoundary, EncodesToCodePage932) {
    EXPECT_EQ(EncodeAnsi(u"表ソ能"), kHyoBytes + kSoBytes + kNouBytes);
    EXPECT_EQ(EncodeAnsi(u"\u3000"), "\x81\x40");
    EXPECT_EQ(EncodeAnsi(u"A\u00e9B"), "A?B");   // é has no code page 932 form
    EXPECT_EQ(EncodeAnsi(u"\U0001F600x"), "?x"); // one '?' for a surrogate pair
    EXPECT_EQ(EncodeAnsi(u""), "");
}

TEST(TextBoundary, LoneSurrogateIsOneCharacterTheCodePageCannotHold) {
    const char16_t high = 0xD800;
    const char16_t low = 0xDC00;
    // The character after a lone high surrogate is kept, not taken as its
    // other half.
    EXPECT_EQ(EncodeAnsi(Text{high, u'A'}), "?A");
    EXPECT_EQ(EncodeAnsi(Text{high, high, u'B'}), "??B");
    EXPECT_EQ(EncodeAnsi(Text{high, u'表', low}), "?" + kHyoBytes + "?");
    EXPECT_EQ(EncodeAnsi(Text{low, u'C'}), "?C");
    EXPECT_EQ(EncodeAnsi(Text{u'x', high}), "x?");
    EXPECT_EQ(EncodeAnsi(Text{u'a', high, low, u'b'}), "a?b"); // a pair: one character
}

TEST(TextBoundary, DropsLeadByteLeftAtTheEnd) {
    EXPECT_EQ(DecodeAnsi("ab\x95"), u"ab");
    EXPECT_EQ(DecodeAnsi("\xff"
                         "a"),
              u"\uFFFDa");
}

TEST(TextBoundary, WholeCharacterLengthScansFromTheStart) {
    struct Case {
        Bytes bytes;
        std::size_t whole;
    };
    const Case cases[] = {
        {"", 0},
        {"abc", 3},
        {kHyoBytes, 2},
        {"\x95", 0},
        {"a" + kHyoBytes + "\x95", 3},
        // The trail byte 0x95 of 表 must not be read as a lead byte: 表 then
        // a lone lead byte 0x83 (first half of ソ).
        {"\x95\x95\x83", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WholeCharacterLength(c.bytes), c.whole) << testing::PrintToString(c.bytes);
    }
}

TEST(TextBoundary, ByteLimitNeverSplitsACharacter) {
    const Bytes ascii300(300, 'x');
    EXPECT_EQ(DecodeAnsiPrefix(ascii300, 254).size(), 254u);

    // 253 ASCII bytes then 表: the 254-byte cut falls inside 表, which goes.
    const Bytes split = Bytes(253, 'y') + kHyoBytes;
    EXPECT_EQ(DecodeAnsiPrefix(split, 254), Text(253, u'y'));

    // 127 times 表 is 254 bytes: every character survives whole.
    Bytes hyo150;
    for (int i = 0; i < 150; ++i) {
        hyo150 += kHyoBytes;
    }
    EXPECT_EQ(DecodeAnsiPrefix(hyo150, 254), Text(127, u'表'));
}

TEST(TextLines, CrLfAndLoneCrEndALineButLoneLfDoesNot) {
    struct Case {
        Bytes bytes;
        std::vector<BytesView> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\r\n", {"a\nb"}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitLines(c.bytes), c.lines) << testing::PrintToString(c.bytes);
    }
    EXPECT_EQ(FirstLine("3\r\nanything"), "3");
    EXPECT_EQ(FirstLine("7"), "7");
    EXPECT_EQ(FirstLine(""), "");
}

} // namespace
} // namespace vr
