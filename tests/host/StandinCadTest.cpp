#include "FakeCadHost.h"
#include "TestText.h"
#include "cad/CommandLineInput.h"
#include "cad/DxfWriter.h"
#include "cad/JsonLine.h"
#include "cad/Options.h"
#include "lisp/Interpreter.h"

#include <gtest/gtest.h>

namespace standin {
namespace {

TEST(StandinEntmake, ChecksDefinitionsAsTheCadDoes) {
    struct Case {
        Text definition;
        bool made;
    };
    const Case cases[] = {
        {u"'((0 . \"POINT\")(10 1 2 3))", true},
        {u"'((0 . \"POINT\")(10 1 2))", true},
        {u"'((0 . \"POINT\")(8 . \"0\")(10 1.5 2 3))", true},
        {u"'((0 . \"LINE\")(10 0 0)(11 1 1))", true},
        {u"'((0 . \"TEXT\")(10 0 0)(40 . 2.5)(1 . \"表\"))", true},
        {u"'((10 1 2 3)(0 . \"POINT\"))", false},         // group 0 not first
        {u"'((0 . \"POINT\"))", false},                   // no point
        {u"'((0 . \"LINE\")(10 0 0))", false},            // no end point
        {u"'((0 . \"TEXT\")(10 0 0)(1 . \"a\"))", false}, // no height
        {u"'((0 . \"CIRCLE\")(10 0 0)(40 . 1))", false},  // unknown here
        {u"'((0 . \"POINT\")(10 1))", false},             // one coordinate
        {u"'((0 . \"POINT\")(10 \"1\" 2 3))", false},     // text coordinate
        {u"'((0 . \"POINT\")(10 1 2 3 4))", false},       // four coordinates
        {u"'(((0 . \"POINT\")(10 1 2 3)))", false},       // one level too deep
        {u"'((0 . POINT)(10 1 2 3))", false},             // type not a string
        {u"nil", false},
    };
    for (const Case& c : cases) {
        test::FakeCadHost host;
        lisp::Interpreter lisp(host);
        const auto outcome = lisp.EvaluateText(u"(entmake " + c.definition + u")");
        ASSERT_FALSE(outcome.error) << vr::Utf8FromText(c.definition);
        EXPECT_EQ(outcome.value != nullptr, c.made) << vr::Utf8FromText(c.definition);
        EXPECT_EQ(host.entities.size(), c.made ? 1u : 0u) << vr::Utf8FromText(c.definition);
    }
}

using Action = CommandLineInput::Action;
const auto kCancel = Action::Kind::Cancel;
const auto kEnter = Action::Kind::Enter;

TEST(StandinCommandLine, TurnsCharactersIntoLines) {
    struct Case {
        Text input;
        std::vector<Action> actions;
        Text pending;
    };
    const Case cases[] = {
        {u"\x1b(load \"go\")\r\n", {{kCancel, {}}, {kEnter, u"(load \"go\")"}}, u""},
        {u"ABC\r", {{kEnter, u"ABC"}}, u""},
        {u"ABC\n", {{kEnter, u"ABC"}}, u""},
        {u"AB", {}, u"AB"},
        {u"AB\x1b"
         u"C",
         {{kCancel, {}}},
         u"C"},
        {u"AB\bC\r", {{kEnter, u"AC"}}, u""},
        {u"LINE ", {{kEnter, u"LINE"}}, u""},
        {u"(princ \"a b\")\r", {{kEnter, u"(princ \"a b\")"}}, u""},
        {u"\r\n\r\n", {{kEnter, u""}, {kEnter, u""}}, u""},
        {u"a\x16\x01"
         u"b",
         {},
         u"ab"},
        {u"(表ソ)\r", {{kEnter, u"(表ソ)"}}, u""},
    };
    for (const Case& c : cases) {
        CommandLineInput input;
        EXPECT_EQ(input.Feed(c.input), c.actions) << vr::Utf8FromText(c.input);
        EXPECT_EQ(input.Pending(), c.pending) << vr::Utf8FromText(c.input);
    }
}

TEST(StandinCommandLine, CrLfSplitAcrossFeedsIsOneLineEnd) {
    CommandLineInput input;
    EXPECT_EQ(input.Feed(u"A\r"), (std::vector<Action>{{kEnter, u"A"}}));
    EXPECT_EQ(input.Feed(u"\nB\r"), (std::vector<Action>{{kEnter, u"B"}}));
}

TEST(StandinDxf, WritesEntitiesInCodePage932) {
    Entity point;
    point.start = {1, 2, 0};
    Entity line;
    line.type = EntityType::Line;
    line.start = {0, 0, 0};
    line.end = {10.5, 0, 0};
    Entity text;
    text.type = EntityType::SingleLineText;
    text.start = {3, 4, 0};
    text.height = 2.5;
    text.rotation = 90;
    text.text = u"表";
    const vr::Bytes dxf = WriteDxf({point, line, text});
    const std::string entities = dxf.substr(dxf.find("ENTITIES"));
    EXPECT_EQ(entities, "ENTITIES\r\n"
                        "  0\r\nPOINT\r\n  8\r\n0\r\n 10\r\n1\r\n 20\r\n2\r\n 30\r\n0\r\n"
                        "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n0\r\n 30\r\n0\r\n"
                        " 11\r\n10.5\r\n 21\r\n0\r\n 31\r\n0\r\n"
                        "  0\r\nTEXT\r\n  8\r\n0\r\n 10\r\n3\r\n 20\r\n4\r\n 30\r\n0\r\n"
                        " 40\r\n2.5\r\n  1\r\n\x95\x5c\r\n 50\r\n90\r\n"
                        "  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
    EXPECT_EQ(dxf.rfind("  0\r\nSECTION\r\n  2\r\nHEADER\r\n", 0), 0u);
    EXPECT_NE(dxf.find("$DWGCODEPAGE\r\n  3\r\nANSI_932\r\n"), std::string::npos);
}

TEST(StandinJournal, EscapesControlCharactersAndKeepsJapanese) {
    EXPECT_EQ(JsonLine("paste").Add("text", TextView(u"\x1b(load \"go\")\r\n")).Finish(),
              "{\"event\":\"paste\",\"text\":\"\\u001b(load \\\"go\\\")\\r\\n\"}\n");
    EXPECT_EQ(JsonLine("entity").Add("text", TextView(u"表\\")).Add("x", 1.5).Finish(),
              "{\"event\":\"entity\",\"text\":\"表\\\\\",\"x\":1.5}\n");
    EXPECT_EQ(JsonLine("copydata").Add("bytes", 5LL).AddBool("ok", true).Finish(),
              "{\"event\":\"copydata\",\"bytes\":5,\"ok\":true}\n");
    EXPECT_EQ(JsonNumber(0.1), "0.1");
    EXPECT_EQ(JsonNumber(-3), "-3");
}

TEST(StandinOptions, ParsesEverySituationATestBuilds) {
    const auto parsed = ParseOptions({u"--main-caption", u"AutoCAD 2020",
                                      u"--drawing",      u"表.dwg",
                                      u"--main-cmd-id",  u"12",
                                      u"--support",      u"C:\\a",
                                      u"--support",      u"C:\\b",
                                      u"--points",       u"1,2;3,4,5",
                                      u"--no-dash",      u"--ignore-32781",
                                      u"--hang-after",   u"100",
                                      u"--hang-for",     u"5000",
                                      u"--exit-after",   u"0"});
    ASSERT_FALSE(parsed.error);
    const Options& o = parsed.options;
    EXPECT_EQ(o.mainCaption, u"AutoCAD 2020");
    EXPECT_EQ(o.drawing, u"表.dwg");
    EXPECT_EQ(o.mainCmdCtrlId, 12);
    EXPECT_EQ(o.supportFolders, (std::vector<Text>{u"C:\\a", u"C:\\b"}));
    EXPECT_EQ(o.points, (std::vector<Point3>{{1, 2, 0}, {3, 4, 5}}));
    EXPECT_TRUE(o.noDash);
    EXPECT_TRUE(o.ignoreHistoryCommand);
    EXPECT_FALSE(o.noTextWindow);
    EXPECT_EQ(o.hangAfterMs, 100u);
    EXPECT_EQ(o.hangForMs, 5000u);
    EXPECT_EQ(o.exitAfterMs, 0u);

    const std::vector<std::vector<Text>> bad = {
        {u"--bogus"},           {u"--drawing"},           {u"--points", u"1"},
        {u"--hang-for", u"-1"}, {u"--main-cmd-id", u"x"},
    };
    for (const auto& arguments : bad) {
        EXPECT_TRUE(ParseOptions(arguments).error) << vr::Utf8FromText(arguments[0]);
    }
}

TEST(StandinOptions, ParsesTheModernWindowShapes) {
    struct Case {
        std::vector<Text> arguments;
        Text prefix, floating, floatingTitle, docked;
        bool noCaptions;
    };
    const Case cases[] = {
        {{u"--product-prefix", u"Autodesk "}, u"Autodesk ", u"", u"", u"", false},
        {{u"--floating-command-line", u"AcEdCommandLine"},
         u"",
         u"AcEdCommandLine",
         u"",
         u"",
         false},
        {{u"--floating-command-line", u"X", u"--floating-title", u"コマンド"},
         u"",
         u"X",
         u"コマンド",
         u"",
         false},
        {{u"--docked-command-line", u"AcEdCommandLine"}, u"", u"", u"", u"AcEdCommandLine", false},
        {{u"--no-captions"}, u"", u"", u"", u"", true},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseOptions(c.arguments);
        ASSERT_FALSE(parsed.error) << vr::Utf8FromText(c.arguments[0]);
        const Options& o = parsed.options;
        EXPECT_EQ(o.productPrefix, c.prefix);
        EXPECT_EQ(o.floatingCommandClass, c.floating);
        EXPECT_EQ(o.floatingCommandTitle, c.floatingTitle);
        EXPECT_EQ(o.dockedCommandClass, c.docked);
        EXPECT_EQ(o.noCaptions, c.noCaptions);
        EXPECT_EQ(o.ModernCommandLine(), !c.floating.empty() || !c.docked.empty());
    }
    const std::vector<std::vector<Text>> bad = {
        {u"--floating-command-line", u""},
        {u"--docked-command-line", u""},
        {u"--floating-command-line", u"A", u"--docked-command-line", u"B"},
    };
    for (const auto& arguments : bad) {
        EXPECT_TRUE(ParseOptions(arguments).error) << vr::Utf8FromText(arguments.back());
    }
}

} // namespace
} // namespace standin
