// The CAD-side dimension routines qv and qvpos, run in the stand-in's
// command session with scripted picks and its double of the spreadsheet:
// which number a pick gives, the rounding, the step rule, the workbook they
// find, and every refusal.
#include "SourceFiles.h"
#include "StandinSessionBed.h"
#include "text/AnsiText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace standin {
namespace {

using test::SessionBed;

vr::Bytes InstalledFile(const std::string& name) {
    return vr::test::SourceTextInAnsi("dist/cad/" + name);
}

std::string Utf8(const Text& text) {
    return vr::Utf8FromText(text);
}

// One request to a routine, in a drawing of the test's entities.
struct Request {
    Text expression = u"+1";
    Text row = u"12";
    Text col = u"5";
    Text book = u"C:/data/book1.xlsm";
    Text drawing;               // entmake forms
    std::vector<Text> standin;  // the stand-in's options: picks, workbooks
    vr::Bytes digits = "2\r\n"; // gaugeread_int.dat; empty: no such file
    bool requestWritten = true; // excel_fname.lsp present
    bool bookInRequest = true;  // and its line for excelfnam
    vr::Bytes earlierResult;    // gaugeread_result.txt of an earlier run
    bool folderWritable = true;
};

std::vector<Text> Workbook(Text path = u"C:\\data\\book1.xlsm") {
    return {u"--workbook", std::move(path), u"--sheet", u"寸法"};
}

std::vector<Text> With(std::vector<Text> options, const std::vector<Text>& more) {
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

// The session after the routine has run: its history and journal.
struct Ran {
    Text history;
    std::vector<std::string> journal;
    std::optional<vr::Bytes> result; // gaugeread_result.txt beside the request

    [[nodiscard]] std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& line : journal) {
            if (line.find("\"event\":\"excel-write\"") != std::string::npos) {
                writes.push_back(line);
            }
        }
        return writes;
    }
    [[nodiscard]] bool Shows(const Text& text) const { return history.find(text) != Text::npos; }
    [[nodiscard]] std::size_t Count(const Text& text) const {
        std::size_t count = 0;
        for (auto at = history.find(text); at != Text::npos; at = history.find(text, at + 1)) {
            ++count;
        }
        return count;
    }
    [[nodiscard]] bool Journaled(const std::string& part) const {
        return std::any_of(journal.begin(), journal.end(), [&](const std::string& line) {
            return line.find(part) != std::string::npos;
        });
    }
};

const Text kResultFile = u"C:\\tools\\gaugeread_result.txt";

Ran RunRoutine(const Request& request) {
    std::vector<Text> arguments{u"--support", u"C:\\tools"};
    arguments.insert(arguments.end(), request.standin.begin(), request.standin.end());
    const ParsedOptions parsed = ParseOptions(arguments);
    EXPECT_FALSE(parsed.error) << Utf8(parsed.error.value_or(u""));
    SessionBed bed(parsed.options);
    for (const char* name : {"gaugereadint.lsp", "qv.lsp", "qvpos.lsp"}) {
        bed.files.files[u"C:\\tools\\" + vr::TextFromUtf8(name)] = InstalledFile(name);
    }
    if (!request.digits.empty()) {
        bed.files.files[u"C:\\tools\\gaugeread_int.dat"] = request.digits;
    }
    if (request.requestWritten) {
        bed.files.files[u"C:\\tools\\excel_fname.lsp"] = vr::EncodeAnsi(
            u"(setq expr \"" + request.expression + u"\")\r\n(setq row \"" + request.row +
            u"\")\r\n(setq col \"" + request.col + u"\")\r\n" +
            (request.bookInRequest ? u"(setq excelfnam \"" + request.book + u"\")\r\n" : Text()));
    }
    bed.files.files[u"C:\\tools\\drawing.lsp"] = vr::EncodeAnsi(request.drawing + u"\r\n");
    const bool relative = !request.expression.empty() &&
                          (request.expression[0] == u'+' || request.expression[0] == u'-');
    if (!request.earlierResult.empty()) {
        bed.files.files[kResultFile] = request.earlierResult;
    }
    bed.files.failWrites = !request.folderWritable;
    bed.session.OnInputCharacters(u"(load \"drawing\")\r\n(load \"" +
                                  Text(relative ? u"qv" : u"qvpos") + u"\")\r\n");
    bed.windows.RunMessageLoop();
    const auto result = bed.files.files.find(kResultFile);
    return Ran{bed.session.History(), bed.journal.lines,
               result == bed.files.files.end() ? std::nullopt
                                               : std::optional<vr::Bytes>(result->second)};
}

// Entities of the test drawing, each where a pick finds it.
const Text kSpan = u"(entmake '((0 . \"DIMENSION\") (10 30.0 -8.0 0.0) (11 15.0 -8.0 0.0) "
                   u"(13 0.0 0.0 0.0) (14 30.0 0.0 0.0) (70 . 32) (50 . 0.0) (1 . \"\")))";
const Text kCentreText = u"(entmake '((0 . \"TEXT\") (10 40.0 12.0 0.0) (40 . 2.0) "
                         u"(1 . \"中央径間 L=40m\")))";
Text DimensionWithOverride(const Text& override) {
    return u"(entmake '((0 . \"DIMENSION\") (10 30.0 -8.0 0.0) (11 15.0 -8.0 0.0) "
           u"(13 0.0 0.0 0.0) (14 30.0 0.0 0.0) (70 . 32) (50 . 0.0) (1 . \"" +
           override + u"\")))";
}
Text TextOf(const Text& content) {
    return u"(entmake '((0 . \"TEXT\") (10 0.0 0.0 0.0) (40 . 2.0) (1 . \"" + content + u"\")))";
}
Text MtextOf(const Text& content, const Text& leadingChunk = u"") {
    return u"(entmake '((0 . \"MTEXT\") (10 0.0 0.0 0.0) (40 . 2.0) " +
           (leadingChunk.empty() ? Text() : u"(3 . \"" + leadingChunk + u"\") ") + u"(1 . \"" +
           content + u"\")))";
}

TEST(DimensionRoutines, APickGivesTheNumberItsEntityShows) {
    struct Case {
        const char* name;
        Text drawing;
        Text pick;
        Text echoed; // R12C5 ← value, at 2 decimals
    };
    const Case cases[] = {
        {"a horizontal dimension's measurement", kSpan, u"15,-8", u"R12C5 ← 30.00"},
        {"an aligned dimension",
         u"(entmake '((0 . \"DIMENSION\") (10 3.0 4.0 0.0) (11 1.5 2.0 0.0) (13 0.0 0.0 0.0) "
         u"(14 3.0 4.0 0.0) (70 . 33) (1 . \"\")))",
         u"1.5,2", u"R12C5 ← 5.00"},
        {"a vertical dimension",
         u"(entmake '((0 . \"DIMENSION\") (10 -5.0 12.0 0.0) (11 -5.0 6.0 0.0) (13 0.0 0.0 0.0) "
         u"(14 7.0 12.0 0.0) (70 . 32) (50 . 1.5707963267948966) (1 . \"\")))",
         u"-5,6", u"R12C5 ← 12.00"},
        {"an override holding a number", DimensionWithOverride(u"40.5"), u"15,-8",
         u"R12C5 ← 40.50"},
        {"an override around the measurement", DimensionWithOverride(u"L=<>m"), u"15,-8",
         u"R12C5 ← 30.00"},
        {"an override without a number", DimensionWithOverride(u"TYP"), u"15,-8", u"R12C5 ← 30.00"},
        {"a text's first number", kCentreText, u"42,13", u"R12C5 ← 40.00"},
        {"full-width digits and minus", TextOf(u"高さ－１２．５ｍ"), u"1,1", u"R12C5 ← -12.50"},
        {"digits grouped by commas", TextOf(u"延長 1,200m"), u"1,1", u"R12C5 ← 1200.00"},
        {"a point after a letter", TextOf(u"測点No.12"), u"1,1", u"R12C5 ← 12.00"},
        {"a hyphen after a letter", TextOf(u"A-1"), u"1,1", u"R12C5 ← 1.00"},
        {"a minus after a sign", TextOf(u"標高=-3.25"), u"1,1", u"R12C5 ← -3.25"},
        {"MTEXT codes skipped", MtextOf(u"{\\\\fArial|b0;\\\\H2.5x;L=}\\\\P12.34"), u"1,1",
         u"R12C5 ← 12.34"},
        {"MTEXT in chunks", MtextOf(u"x 7", u"a long chunk "), u"1,1", u"R12C5 ← 7.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Request request;
        request.expression = u"5";
        request.drawing = c.drawing;
        request.standin = With(Workbook(), {u"--picks", c.pick});
        const Ran ran = RunRoutine(request);
        EXPECT_TRUE(ran.Shows(c.echoed)) << Utf8(ran.history);
        EXPECT_EQ(ran.Writes().size(), 1u);
        EXPECT_TRUE(ran.Journaled("\"unreleased\":0"));
    }
}

TEST(DimensionRoutines, PicksThatGiveNoNumberAreAskedAgain) {
    struct Case {
        const char* name;
        Text drawing;
        Text said;
    };
    const Case cases[] = {
        {"a text without a number", TextOf(u"橋台"), u"選んだ文字「橋台」には数値がありません。"},
        {"a line", u"(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 2.0 2.0 0.0)))",
         u"選んだ図形は寸法でも文字でもありません（LINE）。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Request request;
        request.expression = u"5";
        request.drawing = c.drawing + u"\r\n" + kCentreText;
        request.standin = With(Workbook(), {u"--picks", u"1,1;42,13"});
        const Ran ran = RunRoutine(request);
        EXPECT_TRUE(ran.Shows(c.said)) << Utf8(ran.history);
        EXPECT_TRUE(ran.Shows(u"R12C5 ← 40.00")) << Utf8(ran.history);
    }
}

TEST(DimensionRoutines, ValuesAreRoundedToTheDecimalsOfTheSettingsFile) {
    struct Case {
        vr::Bytes digits;
        Text echoed;
        std::string written;
        bool defaultSaid;
    };
    const Case cases[] = {
        {"0\r\n", u"R12C5 ← 40", "\"value\":40,", false},
        {"2\r\n", u"R12C5 ← 40.13", "\"value\":40.13,", false},
        {"8\r\n", u"R12C5 ← 40.12500000", "\"value\":40.125,", false},
        {" 3 \r\n", u"R12C5 ← 40.125", "\"value\":40.125,", false},
        {"9\r\n", u"R12C5 ← 40.13", "\"value\":40.13,", true},
        {"abc\r\n", u"R12C5 ← 40.13", "\"value\":40.13,", true},
        {"", u"R12C5 ← 40.13", "\"value\":40.13,", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.digits);
        Request request;
        request.drawing = DimensionWithOverride(u"L=40.125m");
        request.digits = c.digits;
        // Two picks: the default is said once for the run, not per pick.
        request.standin = With(Workbook(), {u"--picks", u"15,-8;15,-8;enter"});
        const Ran ran = RunRoutine(request);
        EXPECT_TRUE(ran.Shows(c.echoed + u"\n") || ran.Shows(c.echoed + u"\r"))
            << Utf8(ran.history);
        ASSERT_EQ(ran.Writes().size(), 2u);
        EXPECT_NE(ran.Writes()[0].find(c.written), std::string::npos) << ran.Writes()[0];
        EXPECT_EQ(ran.Count(u"小数点以下 2 桁にします"), c.defaultSaid ? 1u : 0u);
    }
}

TEST(DimensionRoutines, QvMovesByItsStepUntilEnterEscOrTheSheetEnds) {
    struct Case {
        const char* name;
        Text expression;
        Text row;
        Text picks;
        std::vector<int> rows; // written, in order
        Text said;
    };
    const Case cases[] = {
        {"two rows down",
         u"+2",
         u"12",
         u"15,-8;15,-8;15,-8;enter",
         {12, 14, 16},
         u"3 個の値を Excel に直接書き込みました。"},
        {"upward off the sheet",
         u"-1",
         u"2",
         u"15,-8;15,-8;15,-8",
         {2, 1},
         u"次の行 0 はシートの外です。ここで終わります。"},
        {"a pick of nothing ends it",
         u"+1",
         u"12",
         u"15,-8;500,500;15,-8",
         {12},
         u"1 個の値を Excel に直接書き込みました。"},
        {"escape ends it",
         u"+1",
         u"12",
         u"15,-8;esc",
         {12},
         u"中止しました。書き込んだ 1 個の値はそのままです。"},
        {"escape at the first pick",
         u"+1",
         u"12",
         u"esc",
         {},
         u"中止しました。書き込んだ 0 個の値はそのままです。"},
        {"a fraction is refused",
         u"+1.5",
         u"12",
         u"15,-8",
         {},
         u"式「+1.5」は qv では使えません。"},
        {"a step of zero is refused",
         u"+0",
         u"12",
         u"15,-8",
         {},
         u"式「+0」は qv では使えません。"},
        {"a sign alone is refused", u"-", u"12", u"15,-8", {}, u"式「-」は qv では使えません。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Request request;
        request.expression = c.expression;
        request.row = c.row;
        request.drawing = kSpan;
        request.standin = With(Workbook(), {u"--picks", c.picks});
        const Ran ran = RunRoutine(request);
        const auto writes = ran.Writes();
        ASSERT_EQ(writes.size(), c.rows.size()) << Utf8(ran.history);
        for (std::size_t i = 0; i < writes.size(); ++i) {
            EXPECT_NE(writes[i].find("\"row\":" + std::to_string(c.rows[i]) + ",\"col\":5,"),
                      std::string::npos)
                << writes[i];
        }
        EXPECT_TRUE(ran.Shows(c.said)) << Utf8(ran.history);
        EXPECT_FALSE(ran.Shows(u"; error")) << Utf8(ran.history);
        EXPECT_FALSE(ran.Journaled("\"unreleased\":1")) << Utf8(ran.history);
    }
}

TEST(DimensionRoutines, TheWorkbookIsFoundByItsFullNameWithoutCase) {
    Request request;
    request.book = u"c:/DATA/Book1.XLSM";
    request.drawing = kSpan;
    request.standin =
        With(With(Workbook(u"C:\\other\\book1.xlsm"), Workbook()), {u"--picks", u"15,-8;enter"});
    const Ran ran = RunRoutine(request);
    ASSERT_EQ(ran.Writes().size(), 1u) << Utf8(ran.history);
    EXPECT_NE(ran.Writes()[0].find("\"workbook\":\"C:\\\\data\\\\book1.xlsm\""), std::string::npos)
        << ran.Writes()[0];
}

TEST(DimensionRoutines, EachFaultIsNamedAndNothingIsLeftUnreleased) {
    struct Case {
        const char* name;
        Request request;
        Text said;
        std::size_t writes;
    };
    auto with = [](auto change) {
        Request request;
        request.drawing = kSpan;
        request.standin = With(Workbook(), {u"--picks", u"15,-8;enter"});
        change(request);
        return request;
    };
    const Case cases[] = {
        {"a protected sheet", with([](Request& r) {
             r.standin = With(Workbook(), {u"--protected", u"--picks", u"15,-8;enter"});
         }),
         u"R12C5 に書き込めませんでした", 0},
        {"a read-only workbook still takes the value", with([](Request& r) {
             r.standin = With(Workbook(), {u"--read-only", u"--picks", u"15,-8;enter"});
         }),
         u"ブック C:\\data\\book1.xlsm は読み取り専用で開かれています。", 1},
        {"row zero", with([](Request& r) { r.row = u"0"; }),
         u"行「0」は 1 から 1048576 までの整数ではありません。", 0},
        {"a row past the sheet", with([](Request& r) { r.row = u"1048577"; }),
         u"行「1048577」は 1 から 1048576 までの整数ではありません。", 0},
        {"a column in letters", with([](Request& r) { r.col = u"E"; }),
         u"列「E」は 1 から 16384 までの整数ではありません。", 0},
        {"a column past the sheet", with([](Request& r) { r.col = u"16385"; }),
         u"列「16385」は 1 から 16384 までの整数ではありません。", 0},
        {"no request", with([](Request& r) { r.requestWritten = false; }),
         u"excel_fname.lsp が見つかりません。", 0},
        {"a request without its book", with([](Request& r) { r.bookInRequest = false; }),
         u"excel_fname.lsp に expr・row・col・excelfnam がそろっていません。", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Ran ran = RunRoutine(c.request);
        EXPECT_TRUE(ran.Shows(c.said)) << Utf8(ran.history);
        EXPECT_EQ(ran.Writes().size(), c.writes) << Utf8(ran.history);
        EXPECT_FALSE(ran.Shows(u"; error")) << Utf8(ran.history);
        EXPECT_FALSE(ran.Journaled("\"unreleased\":1")) << Utf8(ran.history);
        EXPECT_FALSE(ran.Journaled("\"unreleased\":2")) << Utf8(ran.history);
    }
}

// Where the spreadsheet's automation object cannot be reached, or does not
// hold the workbook, the values go through gaugeread_result.txt; on either
// path the file tells the workbook how the request ended.
TEST(DimensionRoutines, TheResultFileCarriesOrRecordsEveryValue) {
    struct Case {
        const char* name;
        std::vector<Text> standin; // before the picks
        Text expression;
        Text picks;
        std::string result;      // the file's bytes
        std::size_t excelWrites; // cells written through automation
        std::vector<Text> said;
    };
    const std::vector<Text> lt{u"--lt"};
    const Case cases[] = {
        {"AutoCAD LT without the automation functions",
         lt,
         u"+1",
         u"15,-8;15,-8;42,13;enter",
         "start +1 12 5\r\nvalue 12 5 30.00\r\nvalue 13 5 30.00\r\nvalue 14 5 40.00\r\nend 3\r\n",
         0,
         {u"この CAD の AutoLISP からは Excel に接続できません",
          u"R12C5 ← 30.00（gaugeread_result.txt へ）",
          u"3 個の値を gaugeread_result.txt に書きました。Excel のブックが取り込みます。"}},
        {"AutoCAD LT whose automation functions raise an error",
         With({u"--lt-automation-error"}, Workbook()),
         u"+1",
         u"15,-8;15,-8;15,-8;enter",
         "start +1 12 5\r\nvalue 12 5 30.00\r\nvalue 13 5 30.00\r\nvalue 14 5 30.00\r\nend 3\r\n",
         0,
         {u"この CAD の AutoLISP からは Excel に接続できません"}},
        {"escape after two picks",
         lt,
         u"+1",
         u"15,-8;15,-8;esc",
         "start +1 12 5\r\nvalue 12 5 30.00\r\nvalue 13 5 30.00\r\ncancelled 2\r\n",
         0,
         {u"中止しました。書き込んだ 2 個の値はそのままです。"}},
        {"qvpos on AutoCAD LT",
         lt,
         u"5",
         u"42,13",
         "start 5 12 5\r\nvalue 12 5 40.00\r\nend 1\r\n",
         0,
         {u"1 個の値を gaugeread_result.txt に書きました。"}},
        {"Enter at once", lt, u"5", u"enter", "start 5 12 5\r\nend 0\r\n", 0, {}},
        {"Excel not running",
         {},
         u"-2",
         u"15,-8;15,-8;enter",
         "start -2 12 5\r\nvalue 12 5 30.00\r\nvalue 10 5 30.00\r\nend 2\r\n",
         0,
         {u"実行中の Excel に接続できません。値は gaugeread_result.txt を通してブック "
          u"C:\\data\\book1.xlsm に届けます。"}},
        {"Excel running without the workbook",
         With({u"--excel"}, {}),
         u"+1",
         u"15,-8;enter",
         "start +1 12 5\r\nvalue 12 5 30.00\r\nend 1\r\n",
         0,
         {u"接続できた Excel ではブック C:\\data\\book1.xlsm が開かれていません。"}},
        {"another workbook open",
         Workbook(u"C:\\data\\book2.xlsm"),
         u"+1",
         u"15,-8;enter",
         "start +1 12 5\r\nvalue 12 5 30.00\r\nend 1\r\n",
         0,
         {u"接続できた Excel ではブック C:\\data\\book1.xlsm が開かれていません。"}},
        {"written through automation",
         Workbook(),
         u"+1",
         u"15,-8;15,-8;15,-8;enter",
         "start +1 12 5\r\nwritten 12 5 30.00\r\nwritten 13 5 30.00\r\nwritten 14 5 30.00\r\n"
         "end 3\r\n",
         3,
         {u"R14C5 ← 30.00", u"3 個の値を Excel に直接書き込みました。"}},
        {"escape on the automation path",
         Workbook(),
         u"+1",
         u"15,-8;15,-8;esc",
         "start +1 12 5\r\nwritten 12 5 30.00\r\nwritten 13 5 30.00\r\ncancelled 2\r\n",
         2,
         {}},
        {"a cell refused",
         With(Workbook(), {u"--protected"}),
         u"+1",
         u"15,-8;15,-8",
         "start +1 12 5\r\nfailed 0\r\n",
         0,
         {u"R12C5 に書き込めませんでした"}},
        {"a bad row",
         lt,
         u"+1",
         u"15,-8",
         "start +1 0 5\r\nfailed 0\r\n",
         0,
         {u"行「0」は 1 から 1048576 までの整数ではありません。"}},
        {"a bad step",
         lt,
         u"+x",
         u"15,-8",
         "start +x 12 5\r\nfailed 0\r\n",
         0,
         {u"式「+x」は qv では使えません。"}},
        {"an expression in Japanese stays ASCII",
         lt,
         u"寸法",
         u"15,-8",
         "start ?? 12 5\r\nvalue 12 5 30.00\r\nend 1\r\n",
         0,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Request request;
        request.expression = c.expression;
        if (std::string(c.name) == "a bad row") {
            request.row = u"0";
        }
        request.drawing = kSpan + u"\r\n" + kCentreText;
        request.earlierResult = "start +1 12 5\r\nvalue 12 5 99.00\r\nend 1\r\n";
        request.standin = With(c.standin, {u"--picks", c.picks});
        const Ran ran = RunRoutine(request);
        ASSERT_TRUE(ran.result) << Utf8(ran.history);
        EXPECT_EQ(*ran.result, c.result) << Utf8(ran.history);
        EXPECT_EQ(ran.Writes().size(), c.excelWrites) << Utf8(ran.history);
        for (const Text& said : c.said) {
            EXPECT_TRUE(ran.Shows(said)) << Utf8(said) << "\n" << Utf8(ran.history);
        }
        EXPECT_FALSE(ran.Shows(u"; error")) << Utf8(ran.history);
        EXPECT_FALSE(ran.Journaled("\"unreleased\":1")) << Utf8(ran.history);
    }
}

TEST(DimensionRoutines, WithoutARequestNoResultFileIsWritten) {
    Request request;
    request.requestWritten = false;
    request.drawing = kSpan;
    request.standin = {u"--lt", u"--picks", u"15,-8"};
    const Ran ran = RunRoutine(request);
    EXPECT_FALSE(ran.result);
    EXPECT_TRUE(ran.Shows(u"excel_fname.lsp が見つかりません。")) << Utf8(ran.history);
}

// A folder the CAD cannot write to: on the file path nothing is asked for,
// since no value could reach the workbook; through automation the values
// still reach the cells.
TEST(DimensionRoutines, AnUnwritableFolderStopsOnlyTheFilePath) {
    const Text refused = u"C:\\tools\\gaugeread_result.txt に書き込めないため、値をブックに届け"
                         u"られません。";
    {
        Request request;
        request.folderWritable = false;
        request.drawing = kSpan;
        request.standin = {u"--lt", u"--picks", u"15,-8;enter"};
        const Ran ran = RunRoutine(request);
        EXPECT_TRUE(ran.Shows(refused)) << Utf8(ran.history);
        EXPECT_FALSE(ran.Shows(u"寸法または文字を選択")) << Utf8(ran.history);
        EXPECT_FALSE(ran.result);
    }
    {
        Request request;
        request.folderWritable = false;
        request.drawing = kSpan;
        request.standin = With(Workbook(), {u"--picks", u"15,-8;15,-8;enter"});
        const Ran ran = RunRoutine(request);
        EXPECT_FALSE(ran.Shows(refused)) << Utf8(ran.history);
        EXPECT_EQ(ran.Writes().size(), 2u) << Utf8(ran.history);
        EXPECT_TRUE(ran.Shows(u"2 個の値を Excel に直接書き込みました。")) << Utf8(ran.history);
    }
}

} // namespace
} // namespace standin
