// Commands typed by name at the stand-in's prompt: those AutoLISP defined
// as C:NAME run, and the settings command of the tools edits its file
// through its dialog on scripted answers.
#include "SourceFiles.h"
#include "StandinSessionBed.h"
#include "text/AnsiText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace standin {
namespace {

using test::SessionBed;

using vr::test::SourceTextInAnsi;

bool Journaled(const SessionBed& bed, const std::string& line) {
    return std::find(bed.journal.lines.begin(), bed.journal.lines.end(), line) !=
           bed.journal.lines.end();
}

TEST(StandinTypedCommands, RunWhatAutoLispDefinedAndRefuseTheRest) {
    const struct {
        Text typed;
        Text history;
    } cases[] = {
        {u"hello", u"Command: hello\r\nhi\"hi\"\r\n"},
        {u"HELLO", u"Command: HELLO\r\nhi\"hi\"\r\n"},
        {u"quiet", u"Command: quiet\r\n\r\n"},
        {u"fails", u"Command: fails\r\n; error: bad argument type: numberp: \"a\"\r\n"},
        {u"nosuch", u"Command: nosuch\r\nUnknown command \"NOSUCH\".  Press F1 for help.\r\n"},
        {u"sq", u"Command: sq\r\nUnknown command \"SQ\".  Press F1 for help.\r\n"},
    };
    for (const auto& c : cases) {
        SessionBed bed;
        bed.session.OnInputCharacters(
            u"(defun c:hello () (princ \"hi\"))\r\n(defun c:quiet () (princ))\r\n"
            u"(defun c:fails () (+ \"a\" 1))\r\n(defun sq (x) (* x x))\r\n");
        bed.windows.RunMessageLoop();
        const std::size_t before = bed.session.History().size();
        bed.session.OnInputCharacters(c.typed + u"\r\n");
        bed.windows.RunMessageLoop();
        EXPECT_EQ(bed.session.History().substr(before), c.history) << vr::Utf8FromText(c.typed);
    }
}

TEST(StandinTypedCommands, TheSettingsCommandEditsItsFileThroughItsDialog) {
    const struct {
        const char* name;
        Text typed;
        std::vector<Text> dialogs; // --dialog
        vr::Bytes file;            // gaugeread_int.dat afterwards
        std::string journaled;     // the dialog's journal line
    } cases[] = {
        {"a new number accepted",
         u"GAUGEREADINT",
         {u"digits=4;accept"},
         "4\r\n",
         R"j({"event":"dialog","name":"gaugereadint","answers":["digits=4","accept"],"status":1})j"},
        {"a wrong number refused, then cancelled",
         u"gaugereadint",
         {u"digits=9;accept;cancel"},
         "2\n",
         R"j({"event":"dialog","name":"gaugereadint","answers":["digits=9","accept","cancel"],"status":0})j"},
        {"answers that run out",
         u"gaugereadint",
         {u"digits=5"},
         "2\n",
         R"j({"event":"dialog","name":"gaugereadint","answers":["digits=5"],"status":0})j"},
        {"no script",
         u"GaugeReadInt",
         {},
         "2\n",
         R"j({"event":"dialog","name":"gaugereadint","answers":[],"status":0})j"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Options options;
        options.supportFolders = {u"C:\\tools"};
        options.dialogs = c.dialogs;
        SessionBed bed(options);
        bed.files.files[u"C:\\tools\\gaugereadint.lsp"] =
            SourceTextInAnsi("dist/cad/gaugereadint.lsp");
        bed.files.files[u"C:\\tools\\gaugereadint.dcl"] =
            SourceTextInAnsi("dist/cad/gaugereadint.dcl");
        bed.files.files[u"C:\\tools\\gaugeread_int.dat"] = "2\n";
        bed.session.OnInputCharacters(u"(load \"gaugereadint\")\r\n" + c.typed + u"\r\n");
        bed.windows.RunMessageLoop();
        EXPECT_EQ(bed.files.files[u"C:\\tools\\gaugeread_int.dat"], c.file);
        EXPECT_TRUE(Journaled(bed, c.journaled));
        EXPECT_FALSE(Journaled(bed, R"j({"event":"error")j"));
        const bool saved = c.file != "2\n";
        EXPECT_EQ(bed.session.History().find(u"寸法値の小数点以下の桁数を 4 にしました。") !=
                      Text::npos,
                  saved);
    }
}

} // namespace
} // namespace standin
