// The stand-in's double of the spreadsheet's automation objects, reached
// through the vlax functions as the CAD-side routines reach the real one.
#include "FakeCadHost.h"
#include "StandinSessionBed.h"
#include "TestText.h"
#include "lisp/Interpreter.h"

#include <gtest/gtest.h>

#include <optional>

namespace standin::lisp {
namespace {

using test::FakeCadHost;

// The objects a routine obtains on its way to the cells.
constexpr char16_t kPrelude[] =
    u"(vl-load-com)"
    u"(setq xl (vlax-get-object \"Excel.Application\")"
    u"      wbs (vlax-get-property xl 'Workbooks)"
    u"      wb (vlax-get-property wbs 'Item 1)"
    u"      ws (vlax-get-property wb 'ActiveSheet)"
    u"      cells (vlax-get-property ws 'Cells)"
    u"      rng (vlax-variant-value (vlax-get-property cells 'Item 2 3)))";

struct Book {
    Text fullName;
    bool readOnly = false;
    bool protectedSheet = false;
};

struct ExcelRun {
    explicit ExcelRun(const std::vector<Book>& books = {{u"C:\\data\\Gauge.xlsx"}},
                      bool running = true) {
        if (running) {
            host.excel.emplace();
            for (const Book& book : books) {
                host.excel->Open(book.fullName, u"Sheet1", book.readOnly, book.protectedSheet);
            }
        }
    }
    Interpreter::Outcome Eval(TextView source) { return lisp.EvaluateText(source); }

    FakeCadHost host;
    Interpreter lisp{host};
};

struct Case {
    const char* name;
    Text source;   // after the prelude
    Text expected; // printed result, or the error message
    bool error = false;
};

void RunCases(const std::vector<Case>& cases, const std::vector<Book>& books) {
    for (const Case& c : cases) {
        ExcelRun run(books);
        const auto prelude = run.Eval(kPrelude);
        ASSERT_FALSE(prelude.error) << vr::Utf8FromText(prelude.error.value_or(u""));
        const auto outcome = run.Eval(c.source);
        if (c.error) {
            ASSERT_TRUE(outcome.error)
                << c.name << ": " << vr::Utf8FromText(Prin1Text(outcome.value));
            EXPECT_EQ(*outcome.error, c.expected) << c.name;
        } else {
            ASSERT_FALSE(outcome.error) << c.name << ": " << vr::Utf8FromText(*outcome.error);
            EXPECT_EQ(Prin1Text(outcome.value), c.expected) << c.name;
        }
    }
}

TEST(StandinExcel, ObjectModelAsTheSpreadsheetHasIt) {
    RunCases(
        {
            {"names without regard to case", u"(vlax-get-property wb \"fULLnAME\")",
             u"\"C:\\\\data\\\\Gauge.xlsx\""},
            {"a workbook's name and path",
             u"(list (vlax-get-property wb 'Name) (vlax-get wb 'Path))",
             u"(\"Gauge.xlsx\" \"C:\\\\data\")"},
            {"workbooks counted", u"(vlax-get-property wbs 'Count)", u"2"},
            {"a workbook by its name, without case",
             u"(vlax-get-property (vlax-invoke-method wbs 'Item \"BOOK2.XLSX\") 'FullName)",
             u"\"D:\\\\Book2.xlsx\""},
            {"a worksheet by index and by name",
             u"(setq sh (vlax-get-property wb 'Worksheets))"
             u"(list (vlax-get-property sh 'Count)"
             u"      (vlax-get-property (vlax-get-property sh 'Item 1) 'Name)"
             u"      (vlax-get-property (vlax-get-property sh 'Item \"sheet1\") 'Index))",
             u"(1 \"Sheet1\" 1)"},
            {"an index below the collection", u"(vlax-get-property wbs 'Item 0)",
             u"ActiveX Server returned an error: Invalid index", true},
            {"an index past the collection", u"(vlax-get-property wbs 'Item 3)",
             u"ActiveX Server returned an error: Invalid index", true},
            {"a name not in the collection", u"(vlax-get-property wbs 'Item \"none.xlsx\")",
             u"ActiveX Server returned an error: Invalid index", true},
            {"an unknown member named as a symbol", u"(vlax-get-property wb 'Colour)",
             u"ActiveX Server returned the error: unknown name: COLOUR", true},
            {"an unknown member named as a string", u"(vlax-invoke-method ws \"Colour\")",
             u"ActiveX Server returned the error: unknown name: Colour", true},
            {"a read-only property cannot be put", u"(vlax-put-property wbs 'Count 3)",
             u"ActiveX Server returned an error: Member not found", true},
            {"Cells.Item hands back a variant of the range",
             u"(setq v (vlax-get-property cells 'Item 4 5)) (vlax-variant-type v)", u"9"},
            {"the range in the variant",
             u"(list (vlax-get-property rng 'Row) (vlax-get rng 'Column))", u"(2 3)"},
            {"a column by its letters",
             u"(vlax-get-property (vlax-variant-value (vlax-get-property cells 'Item 1 \"xfd\"))"
             u" 'Column)",
             u"16384"},
            {"the last cell of the sheet",
             u"(vlax-get (vlax-variant-value (vlax-get-property cells 'Item 1048576 16384)) 'Row)",
             u"1048576"},
            {"row 0", u"(vlax-get-property cells 'Item 0 1)",
             u"Automation Error. Description was not provided.", true},
            {"a row past the sheet", u"(vlax-get-property cells 'Item 1048577 1)",
             u"Automation Error. Description was not provided.", true},
            {"column 0", u"(vlax-get-property cells 'Item 1 0)",
             u"Automation Error. Description was not provided.", true},
            {"a column past the sheet", u"(vlax-get-property cells 'Item 1 16385)",
             u"Automation Error. Description was not provided.", true},
            {"the variant itself is no object",
             u"(vlax-put-property (vlax-get-property cells 'Item 1 1) 'Value2 1)",
             u"bad argument type: VLA-OBJECT #<variant 9 #<VLA-OBJECT Range 0a3c01b0>>", true},
            {"an empty cell's value is an empty variant",
             u"(setq v (vlax-get-property rng 'Value2)) (list (vlax-variant-type v) "
             u"(vlax-variant-value v))",
             u"(0 nil)"},
            {"an integer written reads back as a double",
             u"(vlax-put-property rng 'Value2 7) (setq v (vlax-get-property rng 'Value2))"
             u"(list (vlax-variant-type v) (vlax-variant-value v))",
             u"(5 7.0)"},
            {"a real written", u"(vlax-put-property rng 'Value 2.125) (vlax-get rng 'Value2)",
             u"2.125"},
            {"a number written as text becomes a number",
             u"(vlax-put-property rng 'Value2 \"12.50\") (vlax-get-property rng 'Value2)",
             u"#<variant 5 12.5>"},
            {"text stays text",
             u"(vlax-put rng 'Value2 \"12.5 mm\") (vlax-get-property rng 'Value2)",
             u"#<variant 8 \"12.5 mm\">"},
            {"a list has no variant", u"(vlax-put-property rng 'Value2 '(1 2))",
             u"lisp value has no coercion to VARIANT with this type: (1 2)", true},
            {"a sheet not protected", u"(vlax-get-property ws 'ProtectContents)", u":VLAX-FALSE"},
            {"cells are locked at first", u"(vlax-get-property rng 'Locked)",
             u"#<variant 11 :VLAX-TRUE>"},
            {"a workbook not read-only, in the old form", u"(vlax-get wb 'ReadOnly)", u"0"},
            {"a failing call caught",
             u"(vl-catch-all-error-message (vl-catch-all-apply 'vlax-get-property (list wbs "
             u"'Item 9)))",
             u"\"ActiveX Server returned an error: Invalid index\""},
            {"a released object is unusable",
             u"(vlax-release-object wb) (vlax-get-property wb 'Name)",
             u"Automation Error. Object was released", true},
            {"released once only", u"(vlax-release-object xl) (vlax-release-object xl)",
             u"Automation Error. Object was released", true},
            {"released-p",
             u"(list (vlax-object-released-p xl) (vlax-release-object xl)"
             u" (vlax-object-released-p xl))",
             u"(nil 0 T)"},
        },
        {{u"C:/data/Gauge.xlsx"}, {u"D:\\Book2.xlsx"}});
}

TEST(StandinExcel, ProtectedSheetsRefuseAndReadOnlyBooksAccept) {
    RunCases({{"a locked cell of a protected sheet", u"(vlax-put-property rng 'Value2 1)",
               u"Automation Error. The cell or chart you're trying to change is on a protected "
               u"sheet. To make a change, unprotect the sheet. You might be requested to enter a "
               u"password.",
               true},
              {"the protection shows", u"(vlax-get ws 'ProtectContents)", u"-1"},
              {"nothing was written",
               u"(vl-catch-all-apply 'vlax-put (list rng 'Value2 1))"
               u"(vlax-get rng 'Value2)",
               u"nil"}},
             {{u"C:\\p.xlsx", false, true}});
    RunCases({{"a read-only workbook takes writes",
               u"(vlax-put-property rng 'Value2 \"ok\") (vlax-get rng 'Value2)", u"\"ok\""},
              {"and says it is read-only", u"(vlax-get-property wb 'ReadOnly)", u":VLAX-TRUE"}},
             {{u"C:\\r.xlsx", true, false}});
}

TEST(StandinExcel, OnlyARunningSpreadsheetIsReached) {
    const std::pair<bool, Text> cases[] = {
        {false, u"(vlax-get-object \"Excel.Application\")"},
        {true, u"(vlax-get-object \"Word.Application\")"},
        {true, u"(vlax-create-object \"Excel.Application\")"},
    };
    for (const auto& [running, source] : cases) {
        ExcelRun run(std::vector<Book>{}, running);
        const auto outcome = run.Eval(source);
        EXPECT_FALSE(outcome.error) << vr::Utf8FromText(source);
        EXPECT_EQ(outcome.value, nullptr) << vr::Utf8FromText(source);
    }
    ExcelRun run{std::vector<Book>{}};
    EXPECT_EQ(Prin1Text(run.Eval(u"(vlax-get-object \"excel.application.16\")").value),
              u"#<VLA-OBJECT _Application 0a3c0030>");
    EXPECT_EQ(Prin1Text(run.Eval(u"(vlax-get-property (vlax-get-object \"EXCEL.APPLICATION\")"
                                 u" 'ActiveWorkbook)")
                            .value),
              u"nil");
}

// AutoCAD LT: PROGRAM says so, and the functions that reach another
// program's objects are missing, or raise an error, even with Excel running;
// the rest of the vlax functions stay.
TEST(StandinExcel, AutoCadLtReachesNoOtherProgram) {
    struct Release {
        const char* name;
        std::optional<Product> product;
        Text program;
        Text error; // of vlax-get-object; empty: it reaches Excel
    };
    const Release cases[] = {
        {"AutoCAD", std::nullopt, u"\"acad\"", u""},
        {"AutoCAD LT without the functions", Product::AutoCadLt, u"\"acadlt\"",
         u"no function definition: VLAX-GET-OBJECT"},
        {"AutoCAD LT raising an error", Product::AutoCadLtRaising, u"\"acadlt\"",
         u"Automation Error. Not supported in AutoCAD LT"},
    };
    for (const Release& c : cases) {
        SCOPED_TRACE(c.name);
        ExcelRun run;
        if (c.product) {
            SetProduct(run.lisp, *c.product);
        }
        EXPECT_EQ(Prin1Text(run.Eval(u"(getvar \"program\")").value), c.program);
        for (const Text function :
             {u"vlax-get-object", u"vlax-get-or-create-object", u"vlax-create-object"}) {
            const auto outcome = run.Eval(u"(" + function + u" \"Excel.Application\")");
            if (c.error.empty()) {
                EXPECT_FALSE(outcome.error) << vr::Utf8FromText(function);
                continue;
            }
            ASSERT_TRUE(outcome.error) << vr::Utf8FromText(function);
            if (function == u"vlax-get-object") {
                EXPECT_EQ(*outcome.error, c.error);
            }
        }
        const auto caught = run.Eval(u"(vl-catch-all-error-p (vl-catch-all-apply 'vlax-get-object "
                                     u"'(\"Excel.Application\")))");
        EXPECT_EQ(Prin1Text(caught.value), c.error.empty() ? u"nil" : u"T");
        EXPECT_FALSE(run.Eval(u"(vl-load-com)").error);
        EXPECT_FALSE(run.Eval(u"(vlax-make-variant 1)").error);
        EXPECT_TRUE(run.Eval(u"(setvar \"PROGRAM\" \"acad\")").error);
    }
}

TEST(StandinExcel, CountsTheReferencesNotYetReleased) {
    ExcelRun run;
    ASSERT_FALSE(run.Eval(kPrelude).error);
    // xl, wbs, wb, ws, cells and the range carried by the variant.
    EXPECT_EQ(run.host.excel->Unreleased(), 6);
    ASSERT_FALSE(run.Eval(u"(foreach o (list rng cells ws wb) (vlax-release-object o))").error);
    EXPECT_EQ(run.host.excel->Unreleased(), 2);
    // A release refused (twice) leaves the count as it was.
    EXPECT_TRUE(run.Eval(u"(vlax-release-object wb)").error);
    EXPECT_EQ(run.host.excel->Unreleased(), 2);
    ASSERT_FALSE(run.Eval(u"(vlax-release-object wbs) (vlax-release-object xl)").error);
    EXPECT_EQ(run.host.excel->Unreleased(), 0);
}

TEST(StandinExcel, TheSessionJournalsWritesRefusalsAndReleases) {
    Options options;
    options.excel = true;
    options.workbooks = {{u"C:\\data\\Gauge.xlsx", u"Data", false, false}};
    test::SessionBed bed(options);
    bed.session.OnInputCharacters(
        Text(kPrelude) + u"\r\n"
                         u"(vlax-put-property rng 'Value2 12.5)\r\n"
                         u"(princ 1)\r\n"
                         u"(vlax-put-property rng 'Value2 \"n/a\")\r\n"
                         u"(vlax-get-property wbs 'Item 5)\r\n"
                         u"(foreach o (list rng cells ws wb wbs xl) (vlax-release-object o))\r\n");
    bed.windows.RunMessageLoop();
    bed.session.Exit();
    std::vector<std::string> excel;
    for (const std::string& line : bed.journal.lines) {
        if (line.find(R"("event":"excel-)") != std::string::npos) {
            excel.push_back(line);
        }
    }
    // One count after each line that reached the spreadsheet, none after
    // (princ 1).
    const std::vector<std::string> expected = {
        R"j({"event":"excel-objects","unreleased":6})j",
        R"j({"event":"excel-write","workbook":"C:\\data\\Gauge.xlsx","sheet":"Data","row":2,"col":3,"value":12.5,"kind":"real"})j",
        R"j({"event":"excel-objects","unreleased":6})j",
        R"j({"event":"excel-write","workbook":"C:\\data\\Gauge.xlsx","sheet":"Data","row":2,"col":3,"value":"n/a","kind":"string"})j",
        R"j({"event":"excel-objects","unreleased":6})j",
        R"j({"event":"excel-error","message":"ActiveX Server returned an error: Invalid index"})j",
        R"j({"event":"excel-objects","unreleased":6})j",
        R"j({"event":"excel-objects","unreleased":0})j",
        R"j({"event":"excel-cells","workbook":"C:\\data\\Gauge.xlsx","cells":[{"sheet":"Data","row":2,"col":3,"value":"n/a","kind":"string"}]})j",
    };
    EXPECT_EQ(excel, expected);
}

TEST(StandinExcel, OptionsOpenTheWorkbooks) {
    const auto parsed = ParseOptions({u"--workbook", u"C:\\a.xlsx", u"--read-only", u"--workbook",
                                      u"C:\\b.xlsx", u"--sheet", u"Data", u"--protected"});
    ASSERT_FALSE(parsed.error);
    EXPECT_TRUE(parsed.options.excel);
    ASSERT_EQ(parsed.options.workbooks.size(), 2U);
    EXPECT_EQ(parsed.options.workbooks[0].sheet, u"Sheet1");
    EXPECT_TRUE(parsed.options.workbooks[0].readOnly);
    EXPECT_FALSE(parsed.options.workbooks[0].protectedSheet);
    EXPECT_EQ(parsed.options.workbooks[1].sheet, u"Data");
    EXPECT_FALSE(parsed.options.workbooks[1].readOnly);
    EXPECT_TRUE(parsed.options.workbooks[1].protectedSheet);
    EXPECT_TRUE(ParseOptions({u"--excel"}).options.excel);
    EXPECT_FALSE(ParseOptions({}).options.excel);
    for (const auto& arguments : std::vector<std::vector<Text>>{
             {u"--read-only"}, {u"--protected"}, {u"--sheet", u"S"}, {u"--workbook", u""}}) {
        EXPECT_TRUE(ParseOptions(arguments).error) << vr::Utf8FromText(arguments[0]);
    }
}

} // namespace
} // namespace standin::lisp
