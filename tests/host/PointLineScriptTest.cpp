#include "PointLineScript.h"
#include "FakeServices.h"
#include "TestText.h"
#include "messages/ToolMessages.h"

#include <gtest/gtest.h>

namespace vr::pinmark {
namespace {

const Bytes kHead = "(setq enlist1 nil)\r\n(setq enlist1 (append enlist1 ";
const Bytes kTail =
    ")\r\n)\r\n(setq n nil)\r\n(foreach n enlist1 (entmake n))\r\n;(setq enlist1 nil)\r\n";

Bytes Script(BytesView senten) {
    const auto read = SplitInputLines(senten, kBlankOrCommaRow);
    EXPECT_TRUE(std::holds_alternative<InputLines>(read)) << testing::PrintToString(senten);
    return std::holds_alternative<InputLines>(read) ? PointLineScript(std::get<InputLines>(read))
                                                    : Bytes();
}

TEST(PointLineScript, WorkedExamplesByteForByte) {
    EXPECT_EQ(Script("node\r\n10,20,0\r\n30,40,0\r\n"),
              "(setq enlist1 nil)\r\n"
              "(setq enlist1 (append enlist1  '(((0 . \"POINT\")(10 10 20 0))) "
              "'(((0 . \"POINT\")(10 30 40 0))))\r\n"
              ")\r\n"
              "(setq n nil)\r\n"
              "(foreach n enlist1 (entmake n))\r\n"
              ";(setq enlist1 nil)\r\n");
    EXPECT_EQ(
        Script("line\r\n0,0\r\n100,0\r\n100,50\r\n"),
        kHead + " '(((0 . \"LINE\")(10 0 0)(11 100 0))) '(((0 . \"LINE\")(10 100 0)(11 100 50)))" +
            kTail);
}

TEST(PointLineScript, ModesLinesAndCommas) {
    const std::pair<Bytes, Bytes> cases[] = {
        // Only the exact mode line "node" selects points (the step refuses
        // the near misses before this script is written).
        {"Node\r\n1,2\r\n3,4", " '(((0 . \"LINE\")(10 1 2)(11 3 4)))"},
        {"line\r\n1,2\r\n3,4", " '(((0 . \"LINE\")(10 1 2)(11 3 4)))"},
        {"node", ""},
        {"node\r\n", ""},
        {"line\r\n1,2\r\n", ""},
        {"line", ""},
        // Empty rows at the end are not data: no item for them.
        {"node\r\n\r\n", ""},
        {"node\r\n1,2\r\n\r\n , ,\r\n\r\n", " '(((0 . \"POINT\")(10 1 2)))"},
        {"line\r\n1,2\r\n\r\n", ""},
        // Commas become spaces and nothing else changes.
        {"node\r\n1 2 3", " '(((0 . \"POINT\")(10 1 2 3)))"},
        {"node\r\n1,,2", " '(((0 . \"POINT\")(10 1  2)))"},
        {"node\r\n 12.5 , 3 ", " '(((0 . \"POINT\")(10  12.5   3 )))"},
        // A lone CR ends a line.
        {"node\r1,2\r3,4\r", " '(((0 . \"POINT\")(10 1 2))) '(((0 . \"POINT\")(10 3 4)))"},
        // Japanese text passes byte for byte, 0x5C trail bytes included.
        {"node\r\n\x95\x5c,\x83\x5c", " '(((0 . \"POINT\")(10 \x95\x5c \x83\x5c)))"},
    };
    for (const auto& [senten, items] : cases) {
        EXPECT_EQ(Script(senten), kHead + items + kTail) << testing::PrintToString(senten);
    }
}

Bytes Lines(std::size_t count, const Bytes& mode) {
    Bytes senten = mode + "\r\n";
    for (std::size_t i = 0; i < count; ++i) {
        senten += std::to_string(i) + ",0\r\n";
    }
    return senten;
}

TEST(PointLineScript, AtMostOneHundredDataLines) {
    using Read = std::variant<InputLines, InputFault>;
    const Read tooMany = InputFault{InputFault::Kind::TooManyLines, 102};
    EXPECT_TRUE(std::holds_alternative<InputLines>(SplitInputLines(Lines(100, "line"))));
    EXPECT_EQ(SplitInputLines(Lines(101, "line")), tooMany);
    // Empty rows after the hundredth point do not count.
    EXPECT_TRUE(std::holds_alternative<InputLines>(
        SplitInputLines(Lines(100, "line") + ",,\r\n\r\n  \r\n", kBlankOrCommaRow)));
    EXPECT_EQ(SplitInputLines("", kBlankOrCommaRow), Read(InputFault{InputFault::Kind::Empty}));
    EXPECT_EQ(SplitInputLines(" \r\n,\r\n", kBlankOrCommaRow),
              Read(InputFault{InputFault::Kind::Empty}));
    EXPECT_EQ(SplitInputLines("node\r\n1,2\r\n3,4\n", kBlankOrCommaRow),
              Read(InputFault{InputFault::Kind::LoneLineFeed, 3}));
    const Bytes script = Script(Lines(100, "line"));
    std::size_t items = 0;
    for (std::size_t at = 0; (at = script.find("\"LINE\"", at)) != Bytes::npos; ++at) {
        ++items;
    }
    EXPECT_EQ(items, 99u);
    EXPECT_EQ(std::count(script.begin(), script.end(), '\n'), 6);
}

struct StepWorld {
    test::FakeToolServices fake;
    const Text folder = u"C:\\表";
};

// The built script, or the message of the failure.
std::variant<ToolOutputFile, Failure> Build(StepWorld& world, std::optional<Bytes> senten) {
    if (senten) {
        world.fake.files.files[u"C:\\表\\senten.txt"] = *senten;
    }
    return BuildPointLineScript(world.fake.files, world.folder);
}

TEST(PointLineScriptStep, BuildsGoLspFromSentenTxtAndWritesNothing) {
    StepWorld world;
    const auto built = Build(world, Bytes("node\r\n1,2,3\r\n -4.5 , 6e2\r\n"));
    ASSERT_TRUE(std::holds_alternative<ToolOutputFile>(built));
    EXPECT_EQ(std::get<ToolOutputFile>(built).fileName, u"go.lsp");
    EXPECT_EQ(std::get<ToolOutputFile>(built).content,
              kHead + " '(((0 . \"POINT\")(10 1 2 3))) '(((0 . \"POINT\")(10  -4.5   6e2)))" +
                  kTail);
    EXPECT_TRUE(world.fake.files.writes.empty());
}

TEST(PointLineScriptStep, FaultsNameTheFileTheLineAndTheValue) {
    const Text path = u"\nC:\\表\\senten.txt";
    const std::pair<std::optional<Bytes>, Text> cases[] = {
        {std::nullopt, u"senten.txt が見つからないか、読み込めません。" + path},
        {Bytes(""), u"senten.txt が空です（1行目に node または line が必要です）。" + path},
        {Lines(101, "node"),
         u"senten.txt のデータが100行を超えています（102行目）。データは100行までにしてください。" +
             path},
        {Bytes("node\r\n(princ \"INJECTED\"),0"),
         u"senten.txt の2行目の座標「(princ」は数値ではありません"
         u"（例: 12.5、-3、1.5e3）。" +
             path},
        {Bytes("line\r\n1,2\r\n3,4)(command \"erase\""),
         u"senten.txt の3行目の座標「4)(command」は数値ではありません"
         u"（例: 12.5、-3、1.5e3）。" +
             path},
        {Bytes("node\r\n\x82\x50,2"), // full-width 1
         u"senten.txt の2行目の座標「１」は数値ではありません（例: 12.5、-3、1.5e3）。"
         u"数字・小数点・符号・区切りの空白は半角で書いてください。" +
             path},
        {Bytes("node\r\n.5,1"),
         u"senten.txt の2行目の座標「.5」は数値ではありません（例: 12.5、-3、1.5e3）。"
         u"小数点の前の 0 を省かずに、0.5 のように書いてください。" +
             path},
        {Bytes("node\r\n1,2\r\n"), Text()},
        {Bytes("node\r\n1,2,3,4"),
         u"senten.txt の2行目「1,2,3,4」は座標ではありません。x,y または x,y,z の形で"
         u"書いてください。桁区切りのカンマは使えません。セルの表示（1,234.5）ではなく値"
         u"（1234.5）を書き出してください。" +
             path},
        {Bytes("node\r\n7"),
         u"senten.txt の2行目「7」は座標ではありません。x,y または x,y,z の形で書いてください。" +
             path},
        // A lone LF after the first line ends.
        {Bytes("node\r\n1,2\n3,4\n"),
         u"senten.txt の2行目に改行コード LF だけの改行があります。改行コードを CR LF にして"
         u"保存し直してください。" +
             path},
        {Bytes("\xEF\xBB\xBFnode\r\n1,2"),
         u"senten.txt が UTF-8（BOM付き） で保存されています。ANSI（Shift-JIS）で保存し直して"
         u"ください。" +
             path},
        {Bytes("\xFF\xFEn\0o\0d\0e\0", 10),
         u"senten.txt が UTF-16 で保存されています。ANSI（Shift-JIS）で保存し直してください。" +
             path},
        {Bytes("n\0o\0d\0e\0", 8), u"senten.txt が UTF-16 などテキスト以外の形式 で保存されて"
                                   u"います。ANSI（Shift-JIS）で保存し直してください。" +
                                       path},
        {Bytes(100, '1') + "\r\n" + Bytes(1 << 20, '1'),
         u"senten.txt "
         u"が大きすぎます（1048678バイト）。1048576バイトまでのファイルにしてください。" +
             path},
    };
    for (const auto& [senten, message] : cases) {
        StepWorld world;
        const auto built = Build(world, senten);
        if (message.empty()) {
            EXPECT_TRUE(std::holds_alternative<ToolOutputFile>(built));
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<Failure>(built)) << testing::PrintToString(message);
        EXPECT_EQ(std::get<Failure>(built).message, message);
    }
}

TEST(PointLineScriptStep, AFileOfExactlyTheLimitIsRead) {
    StepWorld world;
    Bytes senten = "node\r\n";
    while (senten.size() + 5 <= kMaxInputFileBytes) {
        senten += "1,2\r\n";
    }
    senten.resize(kMaxInputFileBytes, ' '); // blanks after the last number
    const auto built = Build(world, senten);
    ASSERT_TRUE(std::holds_alternative<Failure>(built)); // far more than 100 lines
    EXPECT_NE(std::get<Failure>(built).message.find(u"100行を超えています"), Text::npos);
}

} // namespace
} // namespace vr::pinmark
