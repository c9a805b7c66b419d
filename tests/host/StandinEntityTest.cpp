// Dimensions, multiline texts, entity names and picks.
#include "FakeCadHost.h"
#include "StandinSessionBed.h"
#include "TestText.h"
#include "cad/DimensionGeometry.h"
#include "cad/DxfWriter.h"
#include "cad/EntityPick.h"
#include "cad/MTextFormat.h"
#include "cad/Options.h"
#include "lisp/Interpreter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace standin {
namespace {

struct LispRun {
    test::FakeCadHost host;
    lisp::Interpreter lisp{host};
    Text Result(TextView source) {
        const auto outcome = lisp.EvaluateText(source);
        return outcome.error ? u"error: " + *outcome.error : lisp::Prin1Text(outcome.value);
    }
};

TEST(StandinDimension, MeasuresWhatItsPointsSay) {
    struct Case {
        const char* name;
        Text definition;
        double measurement;
    };
    const Case cases[] = {
        {"horizontal: along x only",
         u"((0 . \"DIMENSION\")(10 0 10)(11 15 10)(13 0 0)(14 30 5)(70 . 0)(50 . 0.0))", 30},
        {"vertical: along y only",
         u"((0 . \"DIMENSION\")(10 40 0)(13 0 0)(14 30 5)(70 . 0)(50 . 1.5707963267948966))", 5},
        {"rotated 45 degrees",
         u"((0 . \"DIMENSION\")(10 0 0)(13 0 0)(14 10 0)(70 . 0)(50 . 0.7853981633974483))",
         10 / std::sqrt(2.0)},
        {"aligned: the straight distance",
         u"((0 . \"DIMENSION\")(10 0 10)(13 0 0)(14 30 40)(70 . 1))", 50},
        {"flags above 31 keep the type",
         u"((0 . \"DIMENSION\")(10 0 10)(13 0 0)(14 30 40)(70 . 161))", 50},
        {"a given 42 is read-only",
         u"((0 . \"DIMENSION\")(10 0 10)(13 0 0)(14 12 0)(70 . 32)(42 . 99.0))", 12},
    };
    for (const Case& c : cases) {
        LispRun run;
        ASSERT_NE(run.Result(u"(entmake '" + c.definition + u")"), u"nil") << c.name;
        ASSERT_EQ(run.host.entities.size(), 1u) << c.name;
        EXPECT_NEAR(run.host.entities[0].measurement, c.measurement, 1e-9) << c.name;
        const Text got = run.Result(u"(cdr (assoc 42 (entget (entlast))))");
        EXPECT_NEAR(std::stod(vr::Utf8FromText(got)), c.measurement, 1e-5) << c.name;
    }
}

TEST(StandinDimension, EntmakeRefusesWhatIsNotALinearDimension) {
    const Text definitions[] = {
        u"((0 . \"DIMENSION\")(10 0 0)(13 0 0))",                 // no 14
        u"((0 . \"DIMENSION\")(13 0 0)(14 1 0))",                 // no 10
        u"((0 . \"DIMENSION\")(10 0 0)(13 0 0)(14 1 0)(70 . 2))", // angular
        u"((0 . \"DIMENSION\")(10 0 0)(13 0 0)(14 1 0)(1 . 5))",  // text not a string
        u"((0 . \"MTEXT\")(10 0 0)(40 . 2.5))",                   // no text
        u"((0 . \"MTEXT\")(10 0 0)(1 . \"a\")(71 . 10))",         // no such attachment
    };
    for (const Text& definition : definitions) {
        LispRun run;
        EXPECT_EQ(run.Result(u"(entmake '" + definition + u")"), u"nil")
            << vr::Utf8FromText(definition);
        EXPECT_TRUE(run.host.entities.empty());
    }
}

TEST(StandinEntget, GivesTheGroupsOfEachType) {
    struct Case {
        Text definition, entget;
    };
    const Case cases[] = {
        {u"((0 . \"DIMENSION\")(8 . \"DIM\")(10 0 10)(11 15 12)(13 0 0)(14 30 5)(70 . 0)(1 . "
         u"\"L=<>m\"))",
         u"((-1 . <Entity name: 60000001>) (0 . \"DIMENSION\") (8 . \"DIM\") (10 0.0 10.0 0.0) "
         u"(11 15.0 12.0 0.0) (70 . 32) (1 . \"L=<>m\") (42 . 30.0) (3 . \"Standard\") "
         u"(13 0.0 0.0 0.0) (14 30.0 5.0 0.0) (50 . 0.0))"},
        {u"((0 . \"DIMENSION\")(10 0 10)(13 0 0)(14 3 4)(70 . 1)(3 . \"ISO-25\"))",
         u"((-1 . <Entity name: 60000001>) (0 . \"DIMENSION\") (8 . \"0\") (10 0.0 10.0 0.0) "
         u"(11 -3.3 5.6 0.0) (70 . 33) (1 . \"\") (42 . 5.0) (3 . \"ISO-25\") "
         u"(13 0.0 0.0 0.0) (14 3.0 4.0 0.0) (50 . 0.0))"},
        {u"((0 . \"MTEXT\")(10 1 2)(40 . 3.5)(71 . 5)(1 . \"{\\\\fArial|b0;40}m\"))",
         u"((-1 . <Entity name: 60000001>) (0 . \"MTEXT\") (8 . \"0\") (10 1.0 2.0 0.0) "
         u"(40 . 3.5) (71 . 5) (1 . \"{\\\\fArial|b0;40}m\") (7 . \"Standard\") (50 . 0.0))"},
        {u"((0 . \"TEXT\")(10 1 2)(40 . 2.5)(1 . \"40\")(50 . 1.0))",
         u"((-1 . <Entity name: 60000001>) (0 . \"TEXT\") (8 . \"0\") (10 1.0 2.0 0.0) "
         u"(40 . 2.5) (1 . \"40\") (50 . 1.0) (7 . \"Standard\"))"},
    };
    for (const Case& c : cases) {
        LispRun run;
        EXPECT_EQ(run.Result(u"(entmake '" + c.definition + u") (entget (entlast))"), c.entget)
            << vr::Utf8FromText(c.definition);
    }
}

TEST(StandinEntget, LongMTextComesInChunksOf250) {
    LispRun run;
    const Text chunk(250, u'a');
    const Text rest = u"tail";
    EXPECT_NE(run.Result(u"(entmake (list '(0 . \"MTEXT\") '(10 0 0) (cons 3 \"" + chunk +
                         u"\") (cons 3 \"" + chunk + u"\") (cons 1 \"" + rest + u"\")))"),
              u"nil");
    ASSERT_EQ(run.host.entities.size(), 1u);
    EXPECT_EQ(run.host.entities[0].text, chunk + chunk + rest);
    EXPECT_EQ(run.Result(u"(setq n 0) (foreach g (entget (entlast)) (if (= (car g) 3) (setq n "
                         u"(+ n (strlen (cdr g)))))) (list n (cdr (assoc 1 (entget (entlast)))))"),
              u"(500 \"tail\")");
}

TEST(StandinEntityNames, EntlastAndEntnextWalkTheDrawing) {
    LispRun run;
    EXPECT_EQ(run.Result(u"(list (entlast) (entnext))"), u"(nil nil)");
    run.Result(u"(entmake '((0 . \"POINT\")(10 0 0))) (entmake '((0 . \"LINE\")(10 0 0)(11 1 1)))");
    EXPECT_EQ(run.Result(u"(cdr (assoc 0 (entget (entnext))))"), u"\"POINT\"");
    EXPECT_EQ(run.Result(u"(cdr (assoc 0 (entget (entnext (entnext)))))"), u"\"LINE\"");
    EXPECT_EQ(run.Result(u"(entnext (entlast))"), u"nil");
    EXPECT_EQ(run.Result(u"(equal (entlast) (entnext (entnext)))"), u"T");
    EXPECT_EQ(run.Result(u"(entget 1)"), u"error: bad argument type: lentityp 1");
}

TEST(StandinDimension, ShowsTheOverrideOrTheMeasurement) {
    struct Case {
        Text override;
        Text shown;
    };
    const Case cases[] = {
        {u"", u"40.00"},  {u"<>", u"40.00"}, {u"L=<>m", u"L=40.00m"},
        {u"40m", u"40m"}, {u" ", u""},       {u"<><>", u"40.00<>"},
    };
    for (const Case& c : cases) {
        Entity dimension;
        dimension.type = EntityType::Dimension;
        dimension.extension2 = {40, 0, 0};
        dimension.measurement = DimensionMeasurement(dimension);
        dimension.text = c.override;
        EXPECT_EQ(DimensionText(dimension), c.shown) << vr::Utf8FromText(c.override);
    }
}

TEST(StandinMText, ShowsItsTextWithoutFormatting) {
    const std::pair<Text, Text> cases[] = {
        {u"L=40m", u"L=40m"},      {u"{\\fArial|b0|i0;L=}40\\Pm", u"L=40\nm"},
        {u"\\H2x;\\C1;40", u"40"}, {u"\\L40\\l \\O5\\o", u"40 5"},
        {u"a\\~b", u"a b"},        {u"\\\\ \\{ \\}", u"\\ { }"},
        {u"\\S1^2;", u"1/2"},      {u"\\S3/4;mm", u"3/4mm"},
        {u"\\U+6771", u"東"},      {u"%%c40 %%d %%p0.1", u"⌀40 ° ±0.1"},
        {u"\\H2.5x;", u""},
    };
    for (const auto& [formatted, plain] : cases) {
        EXPECT_EQ(vr::Utf8FromText(PlainMText(formatted)), vr::Utf8FromText(plain))
            << vr::Utf8FromText(formatted);
    }
}

Entity Dimension(Point3 on, Point3 a, Point3 b) {
    Entity e;
    e.type = EntityType::Dimension;
    e.start = on;
    e.extension1 = a;
    e.extension2 = b;
    e.measurement = DimensionMeasurement(e);
    e.end = DimensionLineMiddle(e);
    return e;
}

Entity Text1(Point3 at, double height, Text text) {
    Entity e;
    e.type = EntityType::SingleLineText;
    e.start = at;
    e.height = height;
    e.text = std::move(text);
    return e;
}

TEST(StandinPick, FindsTheNearestEntityWithinThePickBox) {
    // A horizontal dimension from (0,0) to (40,0), its line at y = 10; a
    // text "40m" at (100, 0) of height 5; a line from (0,50) to (10,50) and
    // another one 1 unit above it.
    Entity line1, line2;
    line1.type = line2.type = EntityType::Line;
    line1.start = {0, 50, 0}, line1.end = {10, 50, 0};
    line2.start = {0, 51, 0}, line2.end = {10, 51, 0};
    const std::vector<Entity> drawing = {Dimension({0, 10, 0}, {0, 0, 0}, {40, 0, 0}),
                                         Text1({100, 0, 0}, 5, u"40m"), line1, line2};
    struct Case {
        const char* name;
        Point3 at;
        double tolerance;
        std::optional<std::size_t> hit;
    };
    const Case cases[] = {
        {"on the dimension line", {20, 10.5, 0}, 1, 0},
        {"on an extension line", {0.4, 5, 0}, 1, 0},
        {"on the dimension's text", {21, 10.9, 0}, 0.1, 0},
        {"beside the dimension", {20, 13, 0}, 1, std::nullopt},
        {"inside the text's box", {105, 2, 0}, 0.1, 1},
        {"just outside the text's box", {100, 6, 0}, 0.5, std::nullopt},
        {"within the tolerance of the text", {100, 6, 0}, 1.5, 1},
        {"nearer to the lower line", {5, 50.3, 0}, 1, 2},
        {"nearer to the upper line", {5, 50.7, 0}, 1, 3},
        {"nowhere", {-50, -50, 0}, 1.5, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NearestEntity(drawing, c.at, c.tolerance), c.hit) << c.name;
    }
}

TEST(StandinEntsel, AnswersAsTheCadDoes) {
    struct Case {
        const char* name;
        PickAnswer pick;
        Text result;
        Text errno_;
    };
    const Case cases[] = {
        {"a hit",
         {PickAnswer::Kind::Entity, {1, 2, 0}, 1},
         u"(<Entity name: 60000001> (1.0 2.0 0.0))",
         u"0"},
        {"a miss", {PickAnswer::Kind::Missed, {9, 9, 0}, 0}, u"nil", u"7"},
        {"enter", {PickAnswer::Kind::Enter, {}, 0}, u"nil", u"52"},
        {"escape", {PickAnswer::Kind::Cancel, {}, 0}, u"error: Function cancelled", u"0"},
    };
    for (const Case& c : cases) {
        LispRun run;
        run.Result(u"(entmake '((0 . \"POINT\")(10 1 2)))");
        run.host.picks.push_back(c.pick);
        EXPECT_EQ(run.Result(u"(entsel)"), c.result) << c.name;
        EXPECT_EQ(run.Result(u"(getvar \"ERRNO\")"), c.errno_) << c.name;
        EXPECT_EQ(run.host.prompts, std::vector<Text>{u"\nSelect object: "}) << c.name;
    }
}

TEST(StandinSessionPicks, ScriptedPicksAreJournaled) {
    const auto parsed = ParsePickList(u"40,10.5;200,200;enter;esc");
    ASSERT_TRUE(parsed);
    Options options;
    options.picks = *parsed;
    test::SessionBed bed(options);
    bed.session.OnInputCharacters(
        u"(entmake '((0 . \"DIMENSION\")(10 0 10)(13 0 0)(14 40 0)(70 . 0)(1 . \"L=<>\")))\r"
        u"(list (car (entsel \"Pick: \")) (entsel) (entsel) (getvar \"errno\"))\r"
        u"(entsel)\r");
    bed.windows.RunMessageLoop();
    std::vector<std::string> events;
    for (const std::string& line : bed.journal.lines) {
        if (line.find("\"event\":\"entsel\"") != std::string::npos ||
            line.find("\"event\":\"entity\"") != std::string::npos) {
            events.push_back(line);
        }
    }
    const std::vector<std::string> expected = {
        R"j({"event":"entity","type":"DIMENSION","number":1,"layer":"0","x":0,"y":10,"z":0,"textX":20,"textY":10,"x13":0,"y13":0,"x14":40,"y14":0,"dimensionType":0,"rotation":0,"style":"Standard","measurement":40,"override":"L=<>"})j",
        R"j({"event":"entsel","source":"script","x":40,"y":10.5,"z":0,"entity":1,"enter":false,"cancel":false})j",
        R"j({"event":"entsel","source":"script","x":200,"y":200,"z":0,"entity":null,"enter":false,"cancel":false})j",
        R"j({"event":"entsel","source":"script","x":null,"y":null,"z":null,"entity":null,"enter":true,"cancel":false})j",
        R"j({"event":"entsel","source":"script","x":null,"y":null,"z":null,"entity":null,"enter":false,"cancel":true})j",
    };
    EXPECT_EQ(events, expected);
    EXPECT_NE(bed.session.History().find(u"(<Entity name: 60000001> nil nil 52)"), Text::npos);
    EXPECT_NE(bed.session.History().find(u"; error: Function cancelled"), Text::npos);
}

TEST(StandinSessionPicks, MTextIsJournaledWithItsPlainText) {
    test::SessionBed bed;
    bed.session.OnInputCharacters(
        u"(entmake '((0 . \"MTEXT\")(10 1 2)(40 . 3.5)(71 . 5)(1 . \"{\\\\H2x;L=}40\\\\Pm\")))\r");
    bed.windows.RunMessageLoop();
    const auto found = std::find_if(
        bed.journal.lines.begin(), bed.journal.lines.end(), [](const std::string& line) {
            return line.find("\"event\":\"entity\"") != std::string::npos;
        });
    ASSERT_NE(found, bed.journal.lines.end());
    EXPECT_EQ(
        *found,
        R"j({"event":"entity","type":"MTEXT","number":1,"layer":"0","x":1,"y":2,"z":0,"height":3.5,"rotation":0,"attachment":5,"text":"{\\H2x;L=}40\\Pm","plain":"L=40\nm"})j");
}

TEST(StandinSessionPicks, ClicksAndTypedAnswersPick) {
    struct Scenario {
        const char* name;
        std::function<void(test::SessionBed&)> answer;
        Text shown;
    };
    const Scenario scenarios[] = {
        {"a click within three pixels",
         [](test::SessionBed& bed) {
             bed.session.DrawingClicked({1, 1}, {5, 2.5, 0}, 1.0);
         },
         u"(<Entity name: 60000001> (5.0 2.5 0.0))"},
        {"a click beyond three pixels",
         [](test::SessionBed& bed) {
             bed.session.DrawingClicked({1, 1}, {5, 4, 0}, 1.0);
         },
         u"nil"},
        {"typed coordinates", [](test::SessionBed& bed) { bed.Type(u"5,0\r"); },
         u"(<Entity name: 60000001> (5.0 0.0 0.0))"},
        {"enter", [](test::SessionBed& bed) { bed.Type(u"\r"); }, u"nil"},
        {"escape", [](test::SessionBed& bed) { bed.Type(u"\x1b"); },
         u"; error: Function cancelled"},
    };
    for (const Scenario& s : scenarios) {
        test::SessionBed bed;
        bed.session.OnInputCharacters(u"(entmake '((0 . \"LINE\")(10 0 0)(11 10 0)))\r");
        bed.windows.RunMessageLoop();
        bed.session.OnInputCharacters(u"(entsel)\r");
        bed.windows.messages.emplace_back([&bed, &s] { s.answer(bed); });
        bed.windows.RunMessageLoop();
        EXPECT_NE(bed.session.History().find(s.shown), Text::npos)
            << s.name << "\n"
            << vr::Utf8FromText(bed.session.History());
    }
}

TEST(StandinPickOption, ParsesPointsEnterAndEscape) {
    EXPECT_EQ(ParsePickList(u"1,2;enter;esc;3,4,5"),
              (std::vector<ScriptedPick>{{ScriptedPick::Kind::Point, {1, 2, 0}},
                                         {ScriptedPick::Kind::Enter, {}},
                                         {ScriptedPick::Kind::Escape, {}},
                                         {ScriptedPick::Kind::Point, {3, 4, 5}}}));
    EXPECT_FALSE(ParsePickList(u"1,2;ENTER"));
    EXPECT_FALSE(ParsePickList(u"1"));
    EXPECT_TRUE(ParseOptions({u"--picks", u"1,2;esc"}).options.picks.size() == 2);
    EXPECT_TRUE(ParseOptions({u"--picks", u"x"}).error);
}

TEST(StandinDxf, WritesDimensionsAndMTextAsRelease12Holds) {
    Entity dimension = Dimension({0, 10, 0}, {0, 0, 0}, {40, 0, 0});
    dimension.text = u"L=<>m";
    Entity mtext;
    mtext.type = EntityType::MText;
    mtext.start = {0, 20, 0};
    mtext.height = 3;
    mtext.text = u"{\\fArial;A}\\PB";
    const vr::Bytes dxf = WriteDxf({dimension, mtext});
    const std::string entities = dxf.substr(dxf.find("ENTITIES"));
    EXPECT_EQ(entities, "ENTITIES\r\n"
                        "  0\r\nDIMENSION\r\n  8\r\n0\r\n  3\r\nStandard\r\n"
                        " 10\r\n0\r\n 20\r\n10\r\n 30\r\n0\r\n"
                        " 11\r\n20\r\n 21\r\n10\r\n 31\r\n0\r\n"
                        " 70\r\n32\r\n  1\r\nL=<>m\r\n 42\r\n40\r\n"
                        " 13\r\n0\r\n 23\r\n0\r\n 33\r\n0\r\n"
                        " 14\r\n40\r\n 24\r\n0\r\n 34\r\n0\r\n 50\r\n0\r\n"
                        "  0\r\nTEXT\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n17\r\n 30\r\n0\r\n"
                        " 40\r\n3\r\n  1\r\nA\r\n"
                        "  0\r\nTEXT\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n12\r\n 30\r\n0\r\n"
                        " 40\r\n3\r\n  1\r\nB\r\n"
                        "  0\r\nENDSEC\r\n  0\r\nEOF\r\n");
    EXPECT_NE(dxf.find("  0\r\nTABLE\r\n  2\r\nDIMSTYLE\r\n"), std::string::npos);
}

} // namespace
} // namespace standin
