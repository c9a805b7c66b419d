// The stand-in's command session with its files, its history and what
// other programs send it.
#include "StandinSessionBed.h"
#include "cad/DxfWriter.h"
#include "session/HistoryText.h"
#include "text/AnsiText.h"

#include <gtest/gtest.h>

namespace standin {
namespace {

using test::SessionBed;

std::string JournalLineOf(const SessionBed& bed, const std::string& event) {
    for (const std::string& line : bed.journal.lines) {
        if (line.find("{\"event\":\"" + event + "\"") == 0) {
            return line;
        }
    }
    return "(no " + event + " event)";
}

TEST(StandinSessionFiles, LoadSearchesTheSupportFoldersInTurn) {
    const vr::Bytes source = vr::EncodeAnsi(u"(entmake '((0 . \"POINT\")(10 1 2 0)))");
    struct Case {
        const char* name;
        std::vector<Text> present; // files that can be read
        Text line;
        std::vector<Text> reads; // in order: the search, then the source
        std::string load;        // the load event
        std::size_t entities;
    };
    const Case cases[] = {
        {"in the second folder",
         {u"C:\\b\\x.lsp"},
         u"(load \"x\")",
         {u"C:\\a\\x.lsp", u"C:\\b\\x.lsp", u"C:\\b\\x.lsp"},
         R"j({"event":"load","name":"x","file":"C:\\b\\x.lsp"})j",
         1},
        {"in both: the first folder wins",
         {u"C:\\a\\x.lsp", u"C:\\b\\x.lsp"},
         u"(load \"x\")",
         {u"C:\\a\\x.lsp", u"C:\\a\\x.lsp"},
         R"j({"event":"load","name":"x","file":"C:\\a\\x.lsp"})j",
         1},
        {"missing everywhere",
         {},
         u"(load \"x\")",
         {u"C:\\a\\x.lsp", u"C:\\b\\x.lsp"},
         R"j({"event":"load","name":"x","file":null})j",
         0},
        {"a path is taken as it stands",
         {u"D:\\y\\x.lsp", u"C:\\a\\x.lsp"},
         u"(load \"D:\\\\y\\\\x\")",
         {u"D:\\y\\x.lsp", u"D:\\y\\x.lsp"},
         R"j({"event":"load","name":"D:\\y\\x","file":"D:\\y\\x.lsp"})j",
         1},
        {"a missing path is not searched for",
         {u"C:\\a\\x.lsp"},
         u"(load \"D:/y/x.lsp\")",
         {u"D:/y/x.lsp"},
         R"j({"event":"load","name":"D:/y/x.lsp","file":null})j",
         0},
    };
    for (const Case& c : cases) {
        Options options;
        // The second folder ends in a backslash already: none is added.
        options.supportFolders = {u"C:\\a", u"C:\\b\\"};
        SessionBed bed(options);
        for (const Text& path : c.present) {
            bed.files.files[path] = source;
        }
        bed.session.QueueLines({c.line});
        bed.windows.RunMessageLoop();
        EXPECT_EQ(bed.files.reads, c.reads) << c.name;
        EXPECT_EQ(JournalLineOf(bed, "load"), c.load) << c.name;
        EXPECT_EQ(bed.session.Entities().size(), c.entities) << c.name;
        EXPECT_EQ(bed.windows.redraws, static_cast<int>(c.entities)) << c.name;
        if (c.entities == 0) {
            EXPECT_NE(JournalLineOf(bed, "error").find("LOAD failed"), std::string::npos) << c.name;
        }
    }
}

TEST(StandinSessionFiles, SourcesAreReadInTheAnsiCodePage) {
    Options options;
    options.supportFolders = {u"C:\\s"};
    SessionBed bed(options);
    bed.files.files[u"C:\\s\\j.lsp"] = vr::EncodeAnsi(u"(princ \"表ソ\")\r\n");
    ASSERT_EQ(bed.files.files[u"C:\\s\\j.lsp"].size(), 16u); // two bytes a character
    bed.session.QueueLines({u"(load \"j\")"});
    bed.windows.RunMessageLoop();
    EXPECT_EQ(JournalLineOf(bed, "print"), R"j({"event":"print","text":"表ソ"})j");
}

TEST(StandinSessionFiles, DxfoutWritesTheDrawingOrSaysWhyNot) {
    struct Case {
        const char* name;
        Text dxf;
        bool failWrites;
        std::vector<std::string> after; // the journal after the command
        bool written;
    };
    const Case cases[] = {
        {"no file given",
         u"",
         false,
         {R"j({"event":"print","text":"DXFOUT: no file given (--dxf).\n"})j"},
         false},
        {"saved",
         u"C:\\out\\d.dxf",
         false,
         {R"j({"event":"dxf","file":"C:\\out\\d.dxf","entities":2,"saved":true})j"},
         true},
        {"the file cannot be written",
         u"C:\\out\\d.dxf",
         true,
         {R"j({"event":"dxf","file":"C:\\out\\d.dxf","entities":2,"saved":false})j"},
         false},
    };
    for (const Case& c : cases) {
        Options options;
        options.dxf = c.dxf;
        SessionBed bed(options);
        bed.files.failWrites = c.failWrites;
        bed.session.QueueLines({u"(entmake '((0 . \"POINT\")(10 1 2 0)))",
                                u"(entmake '((0 . \"LINE\")(10 0 0)(11 5 5)))"});
        bed.windows.RunMessageLoop();
        const std::size_t before = bed.journal.lines.size();
        bed.session.OnInputCharacters(u"_dxfout\r");
        bed.windows.RunMessageLoop();
        std::vector<std::string> after(bed.journal.lines.begin() + before + 1,
                                       bed.journal.lines.end());
        EXPECT_EQ(after, c.after) << c.name;
        const auto file = bed.files.files.find(c.dxf);
        ASSERT_EQ(file != bed.files.files.end(), c.written) << c.name;
        if (c.written) {
            EXPECT_EQ(file->second, WriteDxf(bed.session.Entities())) << c.name;
        }
    }
}

TEST(StandinSessionFiles, ExitSavesTheDrawingOnlyWhenAFileWasGiven) {
    for (const Text& dxf : {Text(), Text(u"C:\\d.dxf")}) {
        Options options;
        options.dxf = dxf;
        SessionBed bed(options);
        bed.session.Exit();
        std::vector<std::string> expected;
        if (!dxf.empty()) {
            expected.push_back(R"j({"event":"dxf","file":"C:\\d.dxf","entities":0,"saved":true})j");
        }
        expected.push_back(R"j({"event":"exit"})j");
        EXPECT_EQ(bed.journal.lines, expected);
        EXPECT_EQ(bed.files.writes.size(), dxf.empty() ? 0u : 1u);
    }
}

TEST(StandinSessionHistory, KeepsCrLfLinesAndShowsTheLastTwo) {
    const std::pair<Text, Text> crlf[] = {
        {u"a\nb", u"a\r\nb"}, {u"a\r\nb\r\n", u"a\r\nb\r\n"},
        {u"a\rb", u"ab"},     {u"\n\n", u"\r\n\r\n"},
        {u"", u""},
    };
    for (const auto& [text, expected] : crlf) {
        EXPECT_EQ(WithCrLf(text), expected) << vr::Utf8FromText(text);
    }
    const std::pair<Text, Text> lastLines[] = {
        {u"", u""},
        {u"one\r\n", u"one"},
        {u"one\r\ntwo\r\n", u"one\r\ntwo"},
        {u"one\r\ntwo\r\nthree\r\n\r\n", u"two\r\nthree"},
        {u"one\r\ntwo\r\nP", u"two\r\nP"},
        {u"\r\n\r\n", u""},
    };
    for (const auto& [history, shown] : lastLines) {
        EXPECT_EQ(Text(LastTwoLines(history)), shown) << vr::Utf8FromText(history);
    }
}

TEST(StandinSessionHistory, Command32781HandsOverTheHistoryUnlessIgnored) {
    for (const bool ignore : {false, true}) {
        Options options;
        options.ignoreHistoryCommand = ignore;
        SessionBed bed(options);
        bed.session.OnInputCharacters(u"(princ \"表\")\n");
        bed.windows.RunMessageLoop();
        const auto bytes = bed.session.HistoryForClipboard();
        EXPECT_EQ(bed.journal.lines.back(), ignore
                                                ? R"j({"event":"command32781","ignored":true})j"
                                                : R"j({"event":"command32781","ignored":false})j");
        if (ignore) {
            EXPECT_FALSE(bytes);
        } else {
            ASSERT_TRUE(bytes);
            EXPECT_EQ(*bytes, vr::EncodeAnsi(u"Command: (princ \"表\")\r\n表\"表\"\r\n"));
        }
    }
}

TEST(StandinSessionInput, CopyDataAndPasteReachTheCommandLine) {
    struct Case {
        const char* name;
        std::function<void(CommandSession&)> send;
        std::vector<std::string> journal;
    };
    const Case cases[] = {
        {"copydata 1 is input up to its NUL",
         [](CommandSession& s) { s.CopyDataReceived(1, 6, vr::BytesView("ABC\r\0Z", 6)); },
         {R"j({"event":"copydata","dwData":1,"bytes":6,"text":"ABC\r"})j",
          R"j({"event":"execute","line":"ABC"})j",
          R"j({"event":"error","message":"Unknown command \"ABC\""})j",
          R"j({"event":"print","text":"Unknown command \"ABC\".  Press F1 for help.\n"})j"}},
        {"other copydata is only recorded",
         [](CommandSession& s) { s.CopyDataReceived(2, 4, "AB\r"); },
         {R"j({"event":"copydata","dwData":2,"bytes":4,"text":"AB\r"})j"}},
        {"copydata without data",
         [](CommandSession& s) { s.CopyDataReceived(1, 8, {}); },
         {R"j({"event":"copydata","dwData":1,"bytes":8,"text":""})j"}},
        {"a paste is typing",
         [](CommandSession& s) {
             s.Pasted(vr::Bytes("\x1b"
                                "dxfout\r\n"),
                      3);
         },
         {R"j({"event":"paste","text":"\u001bdxfout\r\n","bytes":9,"hasText":true,"formats":3})j",
          R"j({"event":"cancel","pointRequest":false})j",
          R"j({"event":"execute","line":"dxfout"})j",
          R"j({"event":"print","text":"DXFOUT: no file given (--dxf).\n"})j"}},
        {"a clipboard without text",
         [](CommandSession& s) { s.Pasted(std::nullopt, 1); },
         {R"j({"event":"paste","text":"","bytes":0,"hasText":false,"formats":1})j"}},
        {"a clipboard held by another program",
         [](CommandSession& s) { s.PasteRefused(); },
         {R"j({"event":"paste","clipboardBusy":true})j"}},
    };
    for (const Case& c : cases) {
        SessionBed bed;
        c.send(bed.session);
        bed.windows.RunMessageLoop();
        EXPECT_EQ(bed.journal.lines, c.journal) << c.name;
    }
}

TEST(StandinSessionInput, EntitiesAreRecordedAndRedrawn) {
    SessionBed bed;
    bed.session.QueueLines({u"(entmake '((0 . \"LINE\")(8 . \"A\")(10 0 0 1)(11 5 5)))",
                            u"(command \"text\" '(1 2) 2.5 90 \"表\")"});
    bed.windows.RunMessageLoop();
    EXPECT_EQ(
        JournalLineOf(bed, "entity"),
        R"j({"event":"entity","type":"LINE","number":1,"layer":"A","x":0,"y":0,"z":1,"x2":5,"y2":5,"z2":0})j");
    EXPECT_NE(
        std::find(bed.journal.lines.begin(), bed.journal.lines.end(),
                  R"j({"event":"entity","type":"TEXT","number":2,"layer":"0","x":1,"y":2,"z":0,)j"
                  R"j("height":2.5,"rotation":90,"text":"表"})j"),
        bed.journal.lines.end());
    EXPECT_EQ(bed.session.Entities().size(), 2u);
    EXPECT_EQ(bed.windows.redraws, 2);
}

} // namespace
} // namespace standin
