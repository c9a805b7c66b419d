// senten.txt and mojidata.txt as spreadsheet macros really write them, each
// with what is drawn or which message the user sees. The byte forms follow
// VBA: Print # writes a number with a blank before it (the sign's place) and
// one after it, ";" joins items directly and "," pads to the next 14-column
// zone; Write # puts commas between items and quotes around strings; Str and
// Print # write 0.5 as ".5"; a sheet written out to the end of its selection
// leaves rows of commas or nothing; a cell's line break (Alt+Enter) is a lone
// LF; editors and ADODB.Stream write UTF-8 without a byte order mark.
#include "FakeServices.h"
#include "PointLineScript.h"
#include "TestText.h"
#include "TextPlacementScript.h"
#include "files/ToolFiles.h"
#include "text/AnsiText.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

const Bytes kHead = "(setq enlist1 nil)\r\n(setq enlist1 (append enlist1 ";
const Bytes kTail =
    ")\r\n)\r\n(setq n nil)\r\n(foreach n enlist1 (entmake n))\r\n;(setq enlist1 nil)\r\n";
const Text kSentenPath = u"\nC:\\Tools\\senten.txt";
const Text kMojidataPath = u"\nC:\\Tools\\mojidata.txt";

Bytes Point(const Bytes& p) {
    return " '(((0 . \"POINT\")(10 " + p + ")))";
}
Bytes Line(const Bytes& p, const Bytes& q) {
    return " '(((0 . \"LINE\")(10 " + p + ")(11 " + q + ")))";
}

// go.lsp content when the step accepts, or the message when it refuses.
struct Result {
    Bytes script;
    Text message;
};

template <typename Build> Result RunStep(Build build, const Text& fileName, const Bytes& content) {
    test::FakeToolServices fake;
    fake.files.files[u"C:\\Tools\\" + fileName] = content;
    const auto built = build(fake.files, u"C:\\Tools");
    if (const auto* failure = std::get_if<Failure>(&built)) {
        EXPECT_EQ(failure->kind, StopKind::Input);
        return {{}, failure->message};
    }
    return {std::get<ToolOutputFile>(built).content, {}};
}

Result Pinmark(const Bytes& senten) {
    return RunStep(pinmark::BuildPointLineScript, u"senten.txt", senten);
}
Result Labelpen(const Bytes& mojidata) {
    return RunStep(labelpen::BuildTextPlacementScript, u"mojidata.txt", mojidata);
}

struct Case {
    const char* what;
    Bytes file;
    Bytes drawn;  // go.lsp's entities (pinmark) or whole go.lsp (labelpen)
    Text message; // empty when drawn
};

void ExpectResult(const Case& c, const Result& result, bool wholeScript) {
    SCOPED_TRACE(c.what);
    if (!c.message.empty()) {
        EXPECT_EQ(result.message, c.message);
        EXPECT_TRUE(result.script.empty());
        return;
    }
    EXPECT_EQ(result.message, Text());
    EXPECT_EQ(result.script, wholeScript ? c.drawn : kHead + c.drawn + kTail);
}

TEST(MacroInput, PointFilesAsMacrosWriteThem) {
    const Case cases[] = {
        {"Print #1, x; \",\"; y", "node\r\n 12.5 , 3 \r\n 40 , 3 \r\n",
         Point(" 12.5   3 ") + Point(" 40   3 ")},
        {"Print #1, x; y; z", "node\r\n 12.5  3  0 \r\n", Point(" 12.5  3  0 ")},
        {"Print #1, x, y: print zones", "line\r\n 0             0 \r\n 100           0 \r\n",
         Line(" 0             0 ", " 100           0 ")},
        {"Print # of negative numbers", "node\r\n-3.5 ,-2 \r\n", Point("-3.5  -2 ")},
        {"Write #1, x, y", "node\r\n12.5,3\r\n", Point("12.5 3")},
        {"blanks instead of commas", "node\r\n1 2 3\r\n", Point("1 2 3")},
        {"an empty cell between two", "node\r\n1,,2\r\n", Point("1  2")},
        {"a sheet to the end of its selection", "line\r\n0,0,0\r\n100,0,0\r\n,,\r\n,,\r\n\r\n",
         Line("0 0 0", "100 0 0")},
        {"Print # of empty strings at the end", "node\r\n1,2\r\n\r\n  \r\n", Point("1 2")},
        {"no line end after the last point", "node\r\n1,2", Point("1 2")},
        {"exponents", "node\r\n1e3,-2.5E-1\r\n", Point("1e3 -2.5E-1")},
        // Cannot be told from a point: the guides warn about formatted cells.
        {"thousands separators giving three values", "node\r\n1,234.5,3\r\n", Point("1 234.5 3")},

        {"Print # of 0.5",
         "node\r\n .5 , 1 \r\n",
         {},
         u"senten.txt の2行目の座標「.5」は数値ではありません（例: 12.5、-3、1.5e3）。"
         u"小数点の前の 0 を省かずに、0.5 のように書いてください。" +
             kSentenPath},
        {"a formatted cell's .Text",
         "node\r\n1,234.5,2,345.6\r\n",
         {},
         u"senten.txt の2行目「1,234.5,2,345.6」は座標ではありません。x,y または x,y,z の形で"
         u"書いてください。桁区切りのカンマは使えません。セルの表示（1,234.5）ではなく値"
         u"（1234.5）を書き出してください。" +
             kSentenPath},
        {"full-width digits",
         "node\r\n" + EncodeAnsi(u"１２．５,3") + "\r\n",
         {},
         u"senten.txt の2行目の座標「１２．５」は数値ではありません（例: 12.5、-3、1.5e3）。"
         u"数字・小数点・符号・区切りの空白は半角で書いてください。" +
             kSentenPath},
        {"an ideographic space",
         "node\r\n" + EncodeAnsi(u"12.5\u30003") + "\r\n",
         {},
         u"senten.txt の2行目の座標「12.5\u30003」は数値ではありません（例: 12.5、-3、1.5e3）。"
         u"数字・小数点・符号・区切りの空白は半角で書いてください。" +
             kSentenPath},
        {"cells copied with tabs",
         "node\r\n12.5\t3\r\n",
         {},
         u"senten.txt の2行目「12.5\t3」は座標ではありません。x,y または x,y,z の形で"
         u"書いてください。タブ文字は区切りに使えません。" +
             kSentenPath},
        {"one value",
         "node\r\n12.5\r\n",
         {},
         u"senten.txt の2行目「12.5」は座標ではありません。x,y または x,y,z の形で"
         u"書いてください。" +
             kSentenPath},
        {"an empty row between points",
         "line\r\n0,0\r\n,,\r\n100,0\r\n",
         {},
         u"senten.txt の3行目が空の行です。点と点の間に空の行は置けません。座標を書くか、"
         u"行を詰めてください。" +
             kSentenPath},
        {"a blank row between points",
         "node\r\n0,0\r\n   \r\n1,1\r\n",
         {},
         u"senten.txt の3行目が空の行です。点と点の間に空の行は置けません。座標を書くか、"
         u"行を詰めてください。" +
             kSentenPath},
        {"LF line ends",
         "node\n12.5,3\n40,3\n",
         {},
         u"senten.txt の1行目に改行コード LF だけの改行があります。改行コードを CR LF にして"
         u"保存し直してください。" +
             kSentenPath},
        {"one LF among CR LF",
         "node\r\n1,2\r\n3,4\n5,6\r\n",
         {},
         u"senten.txt の3行目に改行コード LF だけの改行があります。改行コードを CR LF にして"
         u"保存し直してください。" +
             kSentenPath},
        {"only empty rows",
         "\r\n,,\r\n  \r\n",
         {},
         u"senten.txt が空です（1行目に node または line が必要です）。" + kSentenPath},
    };
    for (const Case& c : cases) {
        ExpectResult(c, Pinmark(c.file), false);
    }
}

TEST(MacroInput, ModeLinesThatMeanNodeAreRefusedAndOthersDrawLines) {
    const Text refusal = u"は node と読めません。点を描くときは1行目をちょうど node（小文字、"
                         u"前後の空白や引用符なし）に、線を描くときは line にしてください。";
    const std::pair<Bytes, Text> refused[] = {
        {"NODE", u"「NODE」"},         {"Node", u"「Node」"},
        {"node ", u"「node 」"},       {" node", u"「 node」"},
        {"\"node\"", u"「\"node\"」"}, {"\"node\",\"\"", u"「\"node\",\"\"」"},
        {"node,,", u"「node,,」"},
    };
    for (const auto& [mode, quoted] : refused) {
        EXPECT_EQ(Pinmark(mode + "\r\n1,2\r\n3,4\r\n").message,
                  u"senten.txt の1行目" + quoted + refusal + kSentenPath)
            << mode;
    }
    for (const Bytes& mode : {Bytes("line"), Bytes("LINE"), Bytes("\"line\""), Bytes("nodes"),
                              Bytes("no de"), Bytes(), EncodeAnsi(u"点")}) {
        const Result result = Pinmark(mode + "\r\n1,2\r\n3,4\r\n");
        EXPECT_EQ(result.message, Text()) << mode;
        EXPECT_EQ(result.script, kHead + Line("1 2", "3 4") + kTail) << mode;
    }
}

Bytes Item(const Bytes& label, const Bytes& parameters) {
    return "(setq pos (getpoint \"" + label + EncodeAnsi(u" 文字描画点をクリックしてください。") +
           "\"))\r\n(command \"text\" pos " + parameters + " \"" + label +
           "\")\r\n(princ  \"\\n\")\r\n";
}

TEST(MacroInput, LabelFilesAsMacrosWriteThem) {
    const Bytes abc = Item("ABC", "2.5 0");
    const Case cases[] = {
        {"Print #1, \"2.5 0\"", "2.5 0\r\nABC\r\n", abc},
        // Split at the first blank and written as it stands: AutoLISP reads
        // the two numbers between the blanks.
        {"Print #1, h; a", " 2.5  0 \r\nABC\r\n", Item("ABC", " 2.5  0 ")},
        {"Print #1, h, a", " 2.5          0 \r\nABC\r\n", Item("ABC", " 2.5          0 ")},
        {"Write #1, \"ABC\" keeps its quotes", "2.5 0\r\n\"ABC\"\r\n",
         Item("\\\"ABC\\\"", "2.5 0")},
        {"a sheet to the end of its selection", "2.5 0\r\nABC\r\n\r\n\r\n  \r\n", abc},
        {"an empty label between labels", "2.5 0\r\nABC\r\n\r\nDEF\r\n",
         abc + Item("", "2.5 0") + Item("DEF", "2.5 0")},
        {"a header without labels", "2.5 0\r\n\r\n", ""},

        {"Write #1, h, a",
         "2.5,0\r\nABC\r\n",
         {},
         u"mojidata.txt の1行目「2.5,0」は文字の高さと角度ではありません。2つの数値を半角の"
         u"空白で区切って書いてください（例: 2.5 0）。" +
             kMojidataPath},
        {"three values",
         "2.5 0 1\r\nABC\r\n",
         {},
         u"mojidata.txt の1行目「2.5 0 1」は文字の高さと角度ではありません。2つの数値を半角の"
         u"空白で区切って書いてください（例: 2.5 0）。" +
             kMojidataPath},
        {"Print # of 0.5",
         " .5  0 \r\nABC\r\n",
         {},
         u"mojidata.txt の1行目「 .5  0 」は文字の高さと角度ではありません。2つの数値を半角の"
         u"空白で区切って書いてください（例: 2.5 0）。小数点の前の 0 を省かずに、0.5 のように"
         u"書いてください。" +
             kMojidataPath},
        {"a tab between height and angle",
         "2.5\t0\r\nABC\r\n",
         {},
         u"mojidata.txt の1行目「2.5\t0」は文字の高さと角度ではありません。2つの数値を半角の"
         u"空白で区切って書いてください（例: 2.5 0）。タブ文字は区切りに使えません。" +
             kMojidataPath},
        {"an empty header",
         "\r\nABC\r\n",
         {},
         u"mojidata.txt の1行目が空です。文字の高さと角度の2つの数値を半角の空白で区切って"
         u"書いてください（例: 2.5 0）。" +
             kMojidataPath},
        {"a line break inside a cell",
         "2.5 0\r\n" + EncodeAnsi(u"A1\n橋台") + "\r\n",
         {},
         u"mojidata.txt の2行目に LF だけの改行があります。セルの中の改行（Alt+Enter）は文字に"
         u"入れられません。セルから改行を取り除いてください。" +
             kMojidataPath},
        {"LF line ends",
         "2.5 0\nABC\n",
         {},
         u"mojidata.txt の1行目に改行コード LF だけの改行があります。改行コードを CR LF にして"
         u"保存し直してください。" +
             kMojidataPath},
        {"UTF-8 without a byte order mark",
         "2.5 0\r\nA1\xE6\xA9\x8B\xE5\x8F\xB0\r\n",
         {},
         u"mojidata.txt が UTF-8 で保存されています。ANSI（Shift-JIS）で保存し直して"
         u"ください。" +
             kMojidataPath},
        {"UTF-8 with a byte order mark",
         "\xEF\xBB\xBF"
         "2.5 0\r\nA1\xE6\xA9\x8B\xE5\x8F\xB0\r\n",
         {},
         u"mojidata.txt が UTF-8（BOM付き） で保存されています。ANSI（Shift-JIS）で保存し直して"
         u"ください。" +
             kMojidataPath},
    };
    for (const Case& c : cases) {
        ExpectResult(c, Labelpen(c.file), true);
    }
}

// Shift-JIS that must never be taken for UTF-8: kanji, kana, half-width
// kana (whose bytes C2 to DF are UTF-8 lead bytes), characters whose second
// byte is 0x5C, the labels of the samples, and texts whose bytes happen to be
// valid UTF-8 too (燿ア reads as U+0803 and "A" there).
TEST(MacroInput, ShiftJisLabelsAreNeverTakenForUtf8) {
    const Text labels[] = {
        u"A1橋台",
        u"中央径間 L=32m",
        u"中央径間 L=40m",
        u"A2橋台",
        u"ひらがな",
        u"カタカナ",
        u"ｶﾀｶﾅ",
        u"ﾃｽ",
        u"ﾃｽﾄ ﾃﾞｰﾀ",
        u"表ソ能",
        u"能登橋 表示",
        u"予定",
        u"十",
        u"①㈱㍉",
        u"髙橋",
        u"燿",
        u"燿ア",
        u"燿ｱ",
        u"ｱ",
        u"±0.5°",
        u"※注記",
    };
    for (const Text& label : labels) {
        const Bytes bytes = EncodeAnsi(label);
        ASSERT_EQ(DecodeAnsi(bytes), label);
        const Result result = Labelpen("2.5 0\r\n" + bytes + "\r\n");
        EXPECT_EQ(result.message, Text()) << testing::PrintToString(label);
        EXPECT_EQ(result.script, Item(bytes, "2.5 0")) << testing::PrintToString(label);
        EXPECT_FALSE(NonAnsiEncodingOf(bytes)) << testing::PrintToString(label);
    }
    // Every character of the code page alone, and doubled.
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const Bytes one{static_cast<char>(lead), static_cast<char>(trail)};
            if (!IsAnsiLeadByte(static_cast<unsigned char>(lead)) || trail == 0x7F ||
                DecodeAnsi(one).size() != 1 || EncodeAnsi(DecodeAnsi(one)) != one) {
                continue;
            }
            EXPECT_FALSE(NonAnsiEncodingOf(one + "\r\n" + one + one))
                << std::hex << lead << ' ' << trail;
        }
    }
    for (unsigned kana = 0xA1; kana <= 0xDF; ++kana) {
        const Bytes one(1, static_cast<char>(kana));
        EXPECT_FALSE(NonAnsiEncodingOf(one + one + "\r\n" + one)) << std::hex << kana;
    }
}

TEST(MacroInput, Utf8WithoutMarkIsRecognised) {
    for (const char* utf8 : {"A1\xE6\xA9\x8B\xE5\x8F\xB0",              // A1橋台
                             "\xE3\x81\x82",                            // あ
                             "\xEF\xBC\x91\xEF\xBC\x92",                // １２
                             "\xE8\xA1\xA8\xE3\x82\xBD\xE8\x83\xBD"}) { // 表ソ能
        EXPECT_EQ(NonAnsiEncodingOf(Bytes("2.5 0\r\n") + utf8 + "\r\n"),
                  std::optional<TextView>(u"UTF-8"))
            << utf8;
    }
    // Two-byte sequences alone are no proof: they are half-width kana in
    // Shift-JIS as often as accented letters in UTF-8.
    EXPECT_FALSE(NonAnsiEncodingOf("2.5 0\r\n\xC3\xA9\r\n"));
    EXPECT_FALSE(NonAnsiEncodingOf("node\r\n1,2\r\n"));
}

} // namespace
} // namespace vr
