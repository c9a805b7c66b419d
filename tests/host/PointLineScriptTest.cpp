#include "PointLineScript.h"
#include "FakeServices.h"
#include "TestText.h"

#include <gtest/gtest.h>

namespace vr::pinmark {
namespace {

const Bytes kHead = "(setq enlist1 nil)\r\n(setq enlist1 (append enlist1 ";
const Bytes kTail =
    ")\r\n)\r\n(setq n nil)\r\n(foreach n enlist1 (entmake n))\r\n;(setq enlist1 nil)\r\n";

Bytes Script(BytesView senten) {
    const auto read = SplitInputLines(senten, kMaxInputDataLines);
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
        // Only the exact mode line "node" selects points.
        {"Node\r\n1,2\r\n3,4", " '(((0 . \"LINE\")(10 1 2)(11 3 4)))"},
        {"node \r\n1,2\r\n3,4", " '(((0 . \"LINE\")(10 1 2)(11 3 4)))"},
        {"line\r\n1,2\r\n3,4", " '(((0 . \"LINE\")(10 1 2)(11 3 4)))"},
        {"node", ""},
        {"node\r\n", ""},
        {"line\r\n1,2\r\n", ""},
        {"line", ""},
        // Blank lines count; nothing is trimmed.
        {"node\r\n\r\n", " '(((0 . \"POINT\")(10 )))"},
        {"node\r\n1,2\r\n\r\n", " '(((0 . \"POINT\")(10 1 2))) '(((0 . \"POINT\")(10 )))"},
        {"line\r\n1,2\r\n\r\n", " '(((0 . \"LINE\")(10 1 2)(11 )))"},
        {"node\r\n1 2 3", " '(((0 . \"POINT\")(10 1 2 3)))"},
        {"node\r\n1,,2", " '(((0 . \"POINT\")(10 1  2)))"},
        // A lone CR ends a line; a lone LF stays in it.
        {"node\r1,2\r3,4\r", " '(((0 . \"POINT\")(10 1 2))) '(((0 . \"POINT\")(10 3 4)))"},
        {"node\n1,2\r\n", ""}, // one mode line "node<LF>1,2": line mode, no data
        {"node\r\n1,2\n3,4", " '(((0 . \"POINT\")(10 1 2\n3 4)))"},
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
    EXPECT_TRUE(std::holds_alternative<InputLines>(SplitInputLines(Lines(100, "line"), 100)));
    EXPECT_EQ(SplitInputLines(Lines(101, "line"), 100), Read(InputFault::TooManyLines));
    EXPECT_EQ(SplitInputLines("", 100), Read(InputFault::Empty));
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

TEST(PointLineScriptStep, WritesGoLspBesideTheProgram) {
    StepWorld world;
    world.fake.files.files[u"C:\\表\\senten.txt"] = "node\r\n1,2,3\r\n";
    EXPECT_FALSE(WritePointLineScript(world.fake.files, world.folder));
    EXPECT_EQ(world.fake.files.files.at(u"C:\\表\\go.lsp"),
              kHead + " '(((0 . \"POINT\")(10 1 2 3)))" + kTail);
}

TEST(PointLineScriptStep, FaultsNameTheFileAndLeaveGoLspAlone) {
    struct Case {
        std::optional<Bytes> senten;
        bool failWrite;
        Text message;
    };
    const Case cases[] = {
        {std::nullopt, false, u"senten.txt が見つからないか、読み込めません。\nC:\\表\\senten.txt"},
        {Bytes(""), false,
         u"senten.txt が空です（1行目に node または line が必要です）。\nC:\\表\\senten.txt"},
        {Lines(101, "node"), false,
         u"senten.txt のデータが100行を超えています（102行目）。データは100行までにしてください。\n"
         u"C:\\表\\senten.txt"},
        {Bytes("node\r\n1,2"), true, u"go.lsp を書き込めませんでした。\nC:\\表\\go.lsp"},
    };
    for (const Case& c : cases) {
        StepWorld world;
        world.fake.files.files[u"C:\\表\\go.lsp"] = "old";
        world.fake.files.failWrites = c.failWrite;
        if (c.senten) {
            world.fake.files.files[u"C:\\表\\senten.txt"] = *c.senten;
        }
        const Outcome outcome = WritePointLineScript(world.fake.files, world.folder);
        ASSERT_TRUE(outcome);
        EXPECT_EQ(outcome->message, c.message);
        EXPECT_EQ(world.fake.files.files.at(u"C:\\表\\go.lsp"), "old");
    }
}

} // namespace
} // namespace vr::pinmark
