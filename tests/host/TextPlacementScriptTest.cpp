#include "TextPlacementScript.h"
#include "FakeServices.h"
#include "TestText.h"
#include "text/AnsiText.h"

#include <gtest/gtest.h>

namespace vr::labelpen {
namespace {

// " 文字描画点をクリックしてください。" in code page 932.
const Bytes kClickRequest = EncodeAnsi(u" 文字描画点をクリックしてください。");

Bytes ItemLines(const Bytes& literal, const Bytes& parameters) {
    return "(setq pos (getpoint \"" + literal + kClickRequest + "\"))\r\n" +
           "(command \"text\" pos " + parameters + " \"" + literal + "\")\r\n" +
           "(princ  \"\\n\")\r\n";
}

Bytes Script(BytesView mojidata) {
    const auto lines = std::get<InputLines>(SplitInputLines(mojidata));
    return TextPlacementScript(*SplitParameterLine(lines.first), lines.data);
}

TEST(TextPlacementScript, WorkedExampleByteForByte) {
    EXPECT_EQ(Script("2.5 0\r\nABC\r\nNorth wall\r\n"),
              "(setq pos (getpoint \"ABC \x95\xb6\x8e\x9a\x95\x60\x89\xe6\x93\x5f\x82\xf0\x83"
              "\x4e\x83\x8a\x83\x62\x83\x4e\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81"
              "\x42\"))\r\n"
              "(command \"text\" pos 2.5 0 \"ABC\")\r\n"
              "(princ  \"\\n\")\r\n" +
                  ItemLines("North wall", "2.5 0"));
}

TEST(TextPlacementScript, ItemsAndParameters) {
    const std::pair<Bytes, Bytes> cases[] = {
        {"2.5 0", ""},
        {"2.5 0\r\n", ""},
        {" 0\r\nA", ItemLines("A", " 0")},           // empty height part
        {"2.5 0 x\r\nA", ItemLines("A", "2.5 0 x")}, // angle part "0 x" as written
        {"2.5 0\r\n\r\nB", ItemLines("", "2.5 0") + ItemLines("B", "2.5 0")}, // a blank item
        {"2.5 0\r\nA\r\n\r\n  \r\n", ItemLines("A", "2.5 0")},                // trailing rows: none
        {"2.5 0\r\nA\r\n\x95", ItemLines("A", "2.5 0")}, // half a character is nothing
        {" 2.5  0 \r\nA", ItemLines("A", " 2.5  0 ")},   // Print #1, h; a
        {"2.5 0\r\nA B  C", ItemLines("A B  C", "2.5 0")},
        // Quotes and backslashes are escaped inside the string literals.
        {"2.5 0\r\n12\"", ItemLines("12\\\"", "2.5 0")},
        {"2.5 0\r\nC:\\x", ItemLines("C:\\\\x", "2.5 0")},
        {"2.5 0\r\n\") (command \"erase\" \"all\" \"\") (princ \"",
         ItemLines("\\\") (command \\\"erase\\\" \\\"all\\\" \\\"\\\") (princ \\\"", "2.5 0")},
        // 表 and ソ end in byte 0x5C but are characters; a lone 0x5C (the yen
        // sign on Japanese systems) is a backslash and is escaped.
        {"2.5 0\r\n\x95\x5c\x83\x5c", ItemLines("\x95\x5c\x83\x5c", "2.5 0")},
        {"2.5 0\r\n100\x5c", ItemLines("100\x5c\x5c", "2.5 0")},
    };
    for (const auto& [mojidata, script] : cases) {
        EXPECT_EQ(Script(mojidata), script) << testing::PrintToString(mojidata);
    }
}

TEST(TextPlacementScript, OneHundredItemsGiveThreeHundredLines) {
    Bytes mojidata = "3 0\r\n";
    for (int i = 0; i < 100; ++i) {
        mojidata += "item" + std::to_string(i) + "\r\n";
    }
    const Bytes script = Script(mojidata);
    EXPECT_EQ(std::count(script.begin(), script.end(), '\n'), 300);
    EXPECT_EQ(
        SplitInputLines(mojidata + "one more"),
        (std::variant<InputLines, InputFault>(InputFault{InputFault::Kind::TooManyLines, 102})));
}

TEST(TextPlacementScript, ParameterLineSplitsAtTheFirstSpace) {
    EXPECT_EQ(SplitParameterLine(u"2.5 0")->height, u"2.5");
    EXPECT_EQ(SplitParameterLine(u"2.5 0")->angle, u"0");
    EXPECT_EQ(SplitParameterLine(u" 0")->height, u"");
    EXPECT_EQ(SplitParameterLine(u"2.5  0")->angle, u" 0");
    EXPECT_FALSE(SplitParameterLine(u"2.5"));
    EXPECT_FALSE(SplitParameterLine(u""));
}

TEST(TextPlacementScriptStep, FaultsNameTheFileAndLeaveGoLspAlone) {
    struct Case {
        std::optional<Bytes> mojidata;
        Text message;
    };
    const Case cases[] = {
        {std::nullopt, u"mojidata.txt が見つからないか、読み込めません。\nC:\\T\\mojidata.txt"},
        {Bytes(""), u"mojidata.txt が空です（1行目に文字の高さと角度が必要です）。\n"
                    u"C:\\T\\mojidata.txt"},
        {Bytes("2.5\r\nA"), u"mojidata.txt の1行目「2.5」は文字の高さと角度ではありません。2つの"
                            u"数値を半角の空白で区切って書いてください（例: 2.5 0）。\n"
                            u"C:\\T\\mojidata.txt"},
        {Bytes("2.5 0\")(princ \"INJECTED\")\r\nA"),
         u"mojidata.txt の1行目「2.5 0\")(princ \"INJECTED\")」は文字の高さと角度ではありません。"
         u"2つの数値を半角の空白で区切って書いてください（例: 2.5 0）。\nC:\\T\\mojidata.txt"},
        {Bytes("\x91\xe5 0\r\nA"), // 大 in code page 932
         u"mojidata.txt の1行目「大 0」は文字の高さと角度ではありません。2つの数値を半角の"
         u"空白で区切って書いてください（例: 2.5 0）。\nC:\\T\\mojidata.txt"},
        {Bytes("2.5 0\nA\r\n"), u"mojidata.txt の1行目に改行コード LF だけの改行があります。"
                                u"改行コードを CR LF にして保存し直してください。\n"
                                u"C:\\T\\mojidata.txt"},
        {Bytes("\xEF\xBB\xBF"
               "2.5 0\r\nA"),
         u"mojidata.txt が UTF-8（BOM付き） で保存されています。ANSI（Shift-JIS）で保存し直して"
         u"ください。\nC:\\T\\mojidata.txt"},
    };
    for (const Case& c : cases) {
        test::FakeToolServices fake;
        fake.files.files[u"C:\\T\\go.lsp"] = "old";
        if (c.mojidata) {
            fake.files.files[u"C:\\T\\mojidata.txt"] = *c.mojidata;
        }
        const auto built = BuildTextPlacementScript(fake.files, u"C:\\T");
        ASSERT_TRUE(std::holds_alternative<Failure>(built)) << testing::PrintToString(c.message);
        EXPECT_EQ(std::get<Failure>(built).message, c.message);
        EXPECT_EQ(fake.files.files.at(u"C:\\T\\go.lsp"), "old");
    }
    test::FakeToolServices fake;
    fake.files.files[u"C:\\T\\mojidata.txt"] = "2.5 0";
    const auto built = BuildTextPlacementScript(fake.files, u"C:\\T");
    ASSERT_TRUE(std::holds_alternative<ToolOutputFile>(built));
    EXPECT_EQ(std::get<ToolOutputFile>(built).content, ""); // no items: an empty go.lsp
}

} // namespace
} // namespace vr::labelpen
