#include "FakeCadHost.h"
#include "SourceFiles.h"
#include "TestText.h"
#include "lisp/Interpreter.h"

#include <gtest/gtest.h>

namespace standin::lisp {
namespace {

using test::FakeCadHost;

struct Session {
    FakeCadHost host;
    Interpreter lisp{host};
    Interpreter::Outcome Eval(TextView source) { return lisp.EvaluateText(source); }
    Text Printed(TextView source) {
        const auto outcome = Eval(source);
        EXPECT_FALSE(outcome.error) << vr::Utf8FromText(outcome.error.value_or(u""));
        return Prin1Text(outcome.value);
    }
};

TEST(StandinInterpreter, EvaluatesTheLanguageTheToolsUse) {
    const std::pair<Text, Text> cases[] = {
        {u"(setq a 1 b 2)", u"2"},
        {u"(+ 1 2 3)", u"6"},
        {u"(+ 1 2.5)", u"3.5"},
        {u"(- 10 4 1)", u"5"},
        {u"(- 3)", u"-3"},
        {u"(* 2 3)", u"6"},
        {u"(/ 7 2)", u"3"},
        {u"(/ 7 2.0)", u"3.5"},
        {u"(+ 2147483647 1)", u"-2147483648"},
        {u"(append '(1 2) '(3) nil '(4))", u"(1 2 3 4)"},
        {u"(setq l nil) (setq l (append l '((1 . 2))))", u"((1 . 2))"},
        {u"(setq s 0) (foreach x '(1 2 3) (setq s (+ s x))) s", u"6"},
        {u"(strcat \"a\" \"表\" \"c\")", u"\"a表c\""},
        {u"(if nil 1 2)", u"2"},
        {u"(if 0 1 2)", u"1"},
        {u"(progn 1 2 3)", u"3"},
        {u"(defun sq (x) (* x x)) (sq 7)", u"49"},
        {u"(defun f (/ tmp) (setq tmp 5)) (setq tmp 1) (f) tmp", u"1"},
        {u"(setq x 9) (defun g (x) x) (g 3) x", u"9"},
        {u"unbound", u"nil"},
        {u"(quote (a . b))", u"(A . B)"},
        {u"(cdr '(10 20 0))", u"(20 0)"},
        {u"(= 1 1.0)", u"T"},
        {u"(< 1 2 3)", u"T"},
        {u"(boundp 'nosuch)", u"nil"},
        {u"(cond (nil 1) (t 2))", u"2"},
        {u"(itoa 12)", u"\"12\""},
        {u"(substr \"abcdef\" 2 3)", u"\"bcd\""},
        {u"(length '(1 2 3))", u"3"},
        {u"(princ)", u""},
    };
    for (const auto& [source, printed] : cases) {
        Session run;
        EXPECT_EQ(run.Printed(source), printed) << vr::Utf8FromText(source);
    }
}

TEST(StandinInterpreter, ReportsErrorsAsTheCadDoes) {
    const std::pair<Text, Text> cases[] = {
        {u"(nosuch 1)", u"no function definition: NOSUCH"},
        {u"(/ 1 0)", u"divide by zero"},
        {u"(+ 1 \"a\")", u"bad argument type: numberp: \"a\""},
        {u"(strcat \"a\" 1)", u"bad argument type: stringp 1"},
        {u"(append 1)", u"bad argument type: listp 1"},
        {u"(defun f (x) x) (f)", u"too few arguments"},
        {u"(setq t 1)", u"attempt to set constant: T"},
        {u"(load \"missing\")", u"LOAD failed: \"missing\""},
        {u"(defun r () (r)) (r)", u"stack overflow"},
        {u"(setq a \"open", u"malformed string on input (line 1, column 14)"},
    };
    for (const auto& [source, message] : cases) {
        Session run;
        const auto outcome = run.Eval(source);
        ASSERT_TRUE(outcome.error) << vr::Utf8FromText(source);
        EXPECT_EQ(*outcome.error, message) << vr::Utf8FromText(source);
    }
}

TEST(StandinInterpreter, EveryLoopStopsAtTheStepBound) {
    // Loops whose body is empty count their turns too: (repeat N) alone would
    // otherwise run 2^31 turns, and nested ones for ever.
    const Text loops[] = {
        u"(while t)",
        u"(repeat 2147483647)",
        u"(repeat 100000 (repeat 100000))",
        u"(setq l '(1 2 3 4 5 6 7 8 9 10)) (repeat 100000 (foreach x l))",
    };
    for (const Text& source : loops) {
        FakeCadHost host;
        Interpreter lisp(host, 10'000);
        const auto outcome = lisp.EvaluateText(source);
        ASSERT_TRUE(outcome.error) << vr::Utf8FromText(source);
        EXPECT_EQ(*outcome.error, u"evaluation took too long") << vr::Utf8FromText(source);
    }
    // Within the bound a loop runs to its end, and each evaluation has a
    // bound of its own.
    FakeCadHost host;
    Interpreter lisp(host, 10'000);
    for (int run = 0; run < 3; ++run) {
        const auto outcome = lisp.EvaluateText(u"(setq i 0) (repeat 1000 (setq i (+ i 1))) i");
        EXPECT_FALSE(outcome.error);
        EXPECT_EQ(Prin1Text(outcome.value), u"1000");
    }
}

TEST(StandinValues, LongAndDeepStructuresGoWithoutRecursion) {
    // A cell destroyed the one after it, so a long list overflowed the stack.
    ValuePtr list;
    ValuePtr deep;
    for (int i = 0; i < 200'000; ++i) {
        list = MakeCons(MakeInteger(i), list);
        deep = MakeCons(deep, nullptr);
    }
    EXPECT_EQ(ListItems(list).size(), 200'000u);
    list.reset();
    deep.reset();
    // Parts that another value still holds stay whole.
    const ValuePtr shared = MakeList({MakeInteger(1), MakeString(u"表")});
    { const ValuePtr holder = MakeCons(shared, MakeCons(shared, nullptr)); }
    EXPECT_EQ(Prin1Text(shared), u"(1 \"表\")");
    // And an evaluation that builds a long list ends cleanly.
    FakeCadHost host;
    {
        Interpreter lisp(host);
        const auto outcome =
            lisp.EvaluateText(u"(setq l nil) (repeat 50000 (setq l (cons 1 l))) (length l)");
        EXPECT_FALSE(outcome.error);
        EXPECT_EQ(Prin1Text(outcome.value), u"50000");
    }
}

TEST(StandinValues, PrintingAndComparingNeedNoRecursionAndPrintingEnds) {
    ValuePtr deep;
    ValuePtr first;
    ValuePtr second;
    for (int i = 0; i < 200'000; ++i) {
        deep = MakeCons(deep, nullptr);
        first = MakeCons(MakeInteger(i), first);
        second = MakeCons(MakeInteger(i), second);
    }
    const Text printed = Prin1Text(deep);
    EXPECT_EQ(printed.size(), kMaxPrintedLength + 3);
    EXPECT_EQ(printed.substr(0, 3), u"(((");
    EXPECT_EQ(printed.substr(printed.size() - 3), u"...");
    EXPECT_TRUE(Equal(first, second));
    EXPECT_FALSE(Equal(first, MakeCons(MakeInteger(-1), second->cdr)));
    EXPECT_FALSE(Equal(deep, first));

    // A list that shares its parts would print 2^60 atoms.
    ValuePtr shared = MakeInteger(1);
    for (int i = 0; i < 60; ++i) {
        shared = MakeList({shared, shared});
    }
    EXPECT_EQ(PrincText(shared).size(), kMaxPrintedLength + 3);
    // Forms of every shape print as before.
    EXPECT_EQ(Prin1Text(MakeList({MakeCons(MakeSymbol(u"a"), MakeReal(2.5)), nullptr,
                                  MakeList({MakeString(u"x\"y")})})),
              u"((A . 2.5) nil (\"x\\\"y\"))");
    EXPECT_EQ(PrincText(MakeCons(MakeInteger(1), MakeCons(MakeInteger(2), MakeInteger(3)))),
              u"(1 2 . 3)");
}

TEST(StandinInterpreter, WorkThatGrowsWithItsDataCountsAgainstTheBound) {
    // A few steps could double a list or a string forty times over, or walk
    // a long one in every turn of a loop, outside the bound.
    const Text sources[] = {
        u"(setq l '(1)) (repeat 40 (setq l (append l l)))",
        u"(setq s \"ab\") (repeat 40 (setq s (strcat s s)))",
        u"(setq l '(1)) (repeat 15 (setq l (append l l))) (repeat 100000 (length l))",
        u"(setq l '(1)) (repeat 15 (setq l (append l l))) (repeat 100000 (nth 32767 l))",
        u"(setq l '(1)) (repeat 15 (setq l (append l l))) (setq m (append l nil))"
        u" (repeat 100000 (equal l m))",
        u"(setq s \"abcdefgh\") (repeat 12 (setq s (strcat s s))) (repeat 100000 (= s s))",
        u"(setq s \"abcdefgh\") (repeat 12 (setq s (strcat s s))) (repeat 100000 (substr s 2))",
        u"(setq s \"abcdefgh\") (repeat 12 (setq s (strcat s s))) (repeat 100000 (princ s))",
        u"(setq l '(1)) (repeat 15 (setq l (append l l))) (repeat 100000 (entmake l))",
    };
    for (const Text& source : sources) {
        FakeCadHost host;
        Interpreter lisp(host, 200'000);
        const auto outcome = lisp.EvaluateText(source);
        ASSERT_TRUE(outcome.error) << vr::Utf8FromText(source);
        EXPECT_EQ(*outcome.error, u"evaluation took too long") << vr::Utf8FromText(source);
    }
    // Within the bound the same functions give their results.
    FakeCadHost host;
    Interpreter lisp(host, 200'000);
    const auto outcome =
        lisp.EvaluateText(u"(setq l '(1 2)) (repeat 10 (setq l (append l l)))"
                          u" (list (length l) (nth 1023 l) (equal l (append l nil)))");
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(Prin1Text(outcome.value), u"(2048 2 T)");
}

TEST(StandinInterpreter, ErrorStopsTheRestOfTheLine) {
    Session run;
    const auto outcome = run.Eval(u"(setq a 1) (nosuch) (setq b 2)");
    EXPECT_TRUE(outcome.error);
    EXPECT_EQ(Prin1Text(run.lisp.Get(u"A")), u"1");
    EXPECT_EQ(run.lisp.Get(u"B"), nullptr);
}

// The files the point/line tool writes, as in its worked examples.
const Text kPointModeGo = u"(setq enlist1 nil)\r\n"
                          u"(setq enlist1 (append enlist1  '(((0 . \"POINT\")(10 10 20 0))) "
                          u"'(((0 . \"POINT\")(10 30 40 0))))\r\n"
                          u")\r\n"
                          u"(setq n nil)\r\n"
                          u"(foreach n enlist1 (entmake n))\r\n"
                          u";(setq enlist1 nil)\r\n";

TEST(StandinInterpreter, PointModeWorkedExampleMakesTwoPoints) {
    Session run;
    run.host.files[u"C:\\support\\go.lsp"] = kPointModeGo;
    const auto outcome = run.Eval(u"(load \"go\")");
    ASSERT_FALSE(outcome.error) << vr::Utf8FromText(*outcome.error);
    ASSERT_EQ(run.host.entities.size(), 2u);
    EXPECT_EQ(run.host.entities[0].type, EntityType::Point);
    EXPECT_EQ(run.host.entities[0].start, (Point3{10, 20, 0}));
    EXPECT_EQ(run.host.entities[1].start, (Point3{30, 40, 0}));
    ASSERT_EQ(run.host.loads.size(), 1u);
    EXPECT_EQ(run.host.loads[0].second, Text(u"C:\\support\\go.lsp"));
}

TEST(StandinInterpreter, LineModeWorkedExampleMakesTwoLines) {
    Session run;
    run.host.files[u"C:\\support\\go.lsp"] =
        u"(setq enlist1 nil)\r\n"
        u"(setq enlist1 (append enlist1  '(((0 . \"LINE\")(10 0 0)(11 100 0))) "
        u"'(((0 . \"LINE\")(10 100 0)(11 100 50))))\r\n"
        u")\r\n(setq n nil)\r\n(foreach n enlist1 (entmake n))\r\n;(setq enlist1 nil)\r\n";
    ASSERT_FALSE(run.Eval(u"(load \"go\")").error);
    ASSERT_EQ(run.host.entities.size(), 2u);
    EXPECT_EQ(run.host.entities[0].type, EntityType::Line);
    EXPECT_EQ(run.host.entities[0].start, (Point3{0, 0, 0}));
    EXPECT_EQ(run.host.entities[0].end, (Point3{100, 0, 0}));
    EXPECT_EQ(run.host.entities[1].start, (Point3{100, 0, 0}));
    EXPECT_EQ(run.host.entities[1].end, (Point3{100, 50, 0}));
}

TEST(StandinInterpreter, TextWorkedExampleAsksForPointsAndPlacesTexts) {
    Session run;
    run.host.files[u"C:\\support\\go.lsp"] =
        u"(setq pos (getpoint \"ABC 文字描画点をクリックしてください。\"))\r\n"
        u"(command \"text\" pos 2.5 0 \"ABC\")\r\n"
        u"(princ  \"\\n\")\r\n"
        u"(setq pos (getpoint \"North wall 文字描画点をクリックしてください。\"))\r\n"
        u"(command \"text\" pos 2.5 0 \"North wall\")\r\n"
        u"(princ  \"\\n\")\r\n";
    run.host.points = {{1, 2, 0}, {3, 4, 0}};
    ASSERT_FALSE(run.Eval(u"(load \"go\")").error);
    EXPECT_EQ(run.host.prompts,
              (std::vector<Text>{u"ABC 文字描画点をクリックしてください。",
                                 u"North wall 文字描画点をクリックしてください。"}));
    ASSERT_EQ(run.host.entities.size(), 2u);
    EXPECT_EQ(run.host.entities[0].type, EntityType::SingleLineText);
    EXPECT_EQ(run.host.entities[0].text, u"ABC");
    EXPECT_EQ(run.host.entities[0].start, (Point3{1, 2, 0}));
    EXPECT_EQ(run.host.entities[0].height, 2.5);
    EXPECT_EQ(run.host.entities[0].rotation, 0);
    EXPECT_EQ(run.host.entities[1].text, u"North wall");
    EXPECT_EQ(run.host.printed, u"\n\n");
}

TEST(StandinInterpreter, CancelledPointStopsTheLoad) {
    Session run;
    run.host.files[u"C:\\support\\go.lsp"] =
        u"(setq pos (getpoint \"A\"))\r\n(command \"text\" pos 2.5 0 \"A\")\r\n";
    const auto outcome = run.Eval(u"(load \"go\")");
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(*outcome.error, u"Function cancelled");
    EXPECT_TRUE(run.host.entities.empty());
}

TEST(StandinInterpreter, RequestFileSetsTheFourVariables) {
    Session run;
    run.host.files[u"C:\\support\\excel_fname.lsp"] =
        u"(setq expr \"+1\")\r\n(setq row \"12\")\r\n"
        u"(setq col \"5\")\r\n"
        u"(setq excelfnam \"C:/data/book1.xlsm\")\r\n";
    ASSERT_FALSE(run.Eval(u"(load \"excel_fname\")").error);
    EXPECT_EQ(Prin1Text(run.lisp.Get(u"EXPR")), u"\"+1\"");
    EXPECT_EQ(Prin1Text(run.lisp.Get(u"ROW")), u"\"12\"");
    EXPECT_EQ(Prin1Text(run.lisp.Get(u"COL")), u"\"5\"");
    EXPECT_EQ(Prin1Text(run.lisp.Get(u"EXCELFNAM")), u"\"C:/data/book1.xlsm\"");
}

TEST(StandinInterpreter, ReadErrorInALoadedFileKeepsTheFormsBeforeIt) {
    Session run;
    run.host.files[u"C:\\support\\x.lsp"] = u"(setq a 1)\r\n(entmake '((0 . \"POINT\")(10 1 1 "
                                            u"0)))\r\n(setq b \"open)\r\n(setq c 3)\r\n";
    const auto outcome = run.Eval(u"(load \"x\")");
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(*outcome.error, u"malformed string on input (line 5, column 1)");
    EXPECT_EQ(Prin1Text(run.lisp.Get(u"A")), u"1");
    EXPECT_EQ(run.host.entities.size(), 1u);
    EXPECT_EQ(run.lisp.Get(u"C"), nullptr);
}

TEST(StandinInterpreter, TextCommandRejectsWrongAnswers) {
    const std::pair<Text, Text> cases[] = {
        {u"(command \"text\" '(0 0) 2.5 0)", u"TEXT: incomplete input, command cancelled"},
        {u"(command \"text\" '(0 0) 2.5 0 x \"A\")", u"TEXT: too many answers, command cancelled"},
        {u"(command \"text\" nil 2.5 0 \"A\")", u"TEXT: invalid start point nil"},
        {u"(command \"text\" '(0 0) 0 0 \"A\")", u"TEXT: invalid height 0"},
        {u"(command \"text\" '(0 0) 2.5 0 5)", u"TEXT: invalid text 5"},
    };
    for (const auto& [source, message] : cases) {
        Session run;
        const auto outcome = run.Eval(source);
        ASSERT_TRUE(outcome.error) << vr::Utf8FromText(source);
        EXPECT_EQ(*outcome.error, message);
        EXPECT_TRUE(run.host.entities.empty());
    }
    Session run;
    EXPECT_FALSE(run.Eval(u"(command \"_.TEXT\" '(1 2) \"3\" \"90\" \"表\")").error);
    ASSERT_EQ(run.host.entities.size(), 1u);
    EXPECT_EQ(run.host.entities[0].height, 3);
    EXPECT_EQ(run.host.entities[0].rotation, 90);
}

} // namespace
} // namespace standin::lisp

namespace standin::lisp {
namespace {

using vr::test::SourceText;

} // namespace
} // namespace standin::lisp

namespace standin::lisp {
namespace {

TEST(CadSideRoutines, InstallDirRecordsTheFolderItWasFoundIn) {
    test::FakeCadHost host;
    Interpreter lisp(host);
    host.files[u"C:\\support\\excel_install_dir.lsp"] =
        SourceText("dist/cad/excel_install_dir.lsp");
    const auto loaded = lisp.EvaluateText(u"(load \"excel_install_dir\")");
    EXPECT_FALSE(loaded.error) << vr::Utf8FromText(loaded.error.value_or(u""));
    EXPECT_EQ(Prin1Text(lisp.Get(u"*EXCEL-INSTALL-DIR*")), u"\"C:\\\\support\"");
    EXPECT_EQ(host.printed, u"\nVadoRariri のフォルダー: C:\\support");

    // Run without the file on the search path: nothing recorded, and the
    // user is told what to set up.
    test::FakeCadHost bare;
    Interpreter unfound(bare);
    const auto run = unfound.EvaluateText(SourceText("dist/cad/excel_install_dir.lsp"));
    EXPECT_FALSE(run.error);
    EXPECT_EQ(unfound.Get(u"*EXCEL-INSTALL-DIR*"), nullptr);
    EXPECT_NE(bare.printed.find(u"サポート ファイル検索パス"), Text::npos);

    const std::pair<Text, Text> folders[] = {
        {u"\"C:/cad/x.lsp\"", u"\"C:/cad\""},
        {u"\"D:\\\\表\\\\x.lsp\"", u"\"D:\\\\表\""},
        {u"\"x.lsp\"", u"nil"},
    };
    for (const auto& [path, folder] : folders) {
        const auto outcome = unfound.EvaluateText(u"(excel-install-dir-of " + path + u")");
        EXPECT_EQ(Prin1Text(outcome.value), folder) << vr::Utf8FromText(path);
    }
}

// The settings command's AutoLISP defines its command, and every tile it
// names is defined in its dialog, under the dialog name it asks for.
TEST(CadSideRoutines, SettingsCommandMatchesItsDialog) {
    const Text lisp = SourceText("dist/cad/gaugereadint.lsp");
    const Text dcl = SourceText("dist/cad/gaugereadint.dcl");
    test::FakeCadHost host;
    Interpreter interpreter(host);
    const auto outcome = interpreter.EvaluateText(lisp);
    EXPECT_FALSE(outcome.error) << vr::Utf8FromText(outcome.error.value_or(u""));
    EXPECT_NE(interpreter.Get(u"C:GAUGEREADINT"), nullptr);

    EXPECT_NE(lisp.find(u"(new_dialog \"gaugereadint\""), Text::npos);
    EXPECT_NE(dcl.find(u"gaugereadint : dialog {"), Text::npos);
    for (const Text key : {u"digits", u"message"}) {
        EXPECT_NE(lisp.find(u"\"" + key + u"\""), Text::npos) << vr::Utf8FromText(key);
        EXPECT_NE(dcl.find(u"key = \"" + key + u"\";"), Text::npos) << vr::Utf8FromText(key);
    }
    EXPECT_NE(dcl.find(u"ok_cancel;"), Text::npos); // the accept and cancel tiles
    long depth = 0;
    for (const char16_t c : dcl) {
        depth += c == u'{' ? 1 : c == u'}' ? -1 : 0;
        EXPECT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

} // namespace
} // namespace standin::lisp
