// DCL files as the stand-in reads them, and dialogs run on scripted answers.
#include "FakeCadHost.h"
#include "SourceFiles.h"
#include "TestText.h"
#include "cad/DclFile.h"
#include "lisp/Interpreter.h"

#include <gtest/gtest.h>

namespace standin {
namespace {

using test::FakeCadHost;

using vr::test::SourceText;

// "key:type=value" for each tile, in order.
std::vector<Text> TileList(const DclDialog& dialog) {
    std::vector<Text> tiles;
    for (const DclTile& tile : dialog.tiles) {
        tiles.push_back(tile.key + u":" + tile.type + u"=" + tile.value);
    }
    return tiles;
}

TEST(StandinDcl, ReadsTheSettingsDialogOfTheTools) {
    const DclFile file = ReadDcl(SourceText("dist/cad/gaugereadint.dcl"));
    ASSERT_FALSE(file.error) << vr::Utf8FromText(*file.error);
    ASSERT_EQ(file.dialogs.size(), 1U);
    EXPECT_EQ(file.dialogs[0].name, u"gaugereadint");
    EXPECT_EQ(TileList(file.dialogs[0]), (std::vector<Text>{u"digits:edit_box=", u"message:text=",
                                                            u"accept:button=", u"cancel:button="}));
    EXPECT_EQ(file.Find(u"GAUGEREADINT"), nullptr); // dialog names keep their case
}

TEST(StandinDcl, ReadsDefinitionsAndRefusesFaultyFiles) {
    struct Case {
        const char* name;
        Text source;
        std::vector<Text> dialogs; // the names found
        std::vector<Text> tiles;   // of the first dialog
        bool error;
    };
    const Case cases[] = {
        {"values, comments, nested columns and a standard row",
         u"/* settings */ a : dialog { label = \"A\"; // title\n"
         u" : row { : edit_box { key = \"n\"; value = \"3\"; } : toggle { key = \"t\"; "
         u"value = \"1\"; } }\n ok_only; }",
         {u"a"},
         {u"n:edit_box=3", u"t:toggle=1", u"accept:button="},
         false},
        {"a prototype's attributes under the instance's own",
         u"mybox : edit_box { key = \"p\"; value = \"0\"; }\n"
         u"b : dialog { : mybox { value = \"7\"; } errtile; }\n"
         u"c : dialog { mybox; ok_cancel_help; }",
         {u"b", u"c"},
         {u"p:edit_box=7", u"error:errtile="},
         false},
        {"escapes in strings",
         u"d : dialog { : text { key = \"m\"; value = \"say \\\"hi\\\"\"; } }",
         {u"d"},
         {u"m:text=say \"hi\""},
         false},
        {"a missing semicolon", u"e : dialog { label = \"E\" }", {}, {}, true},
        {"an unclosed brace", u"f : dialog { ok_cancel;", {}, {}, true},
        {"an unclosed string", u"g : dialog { label = \"G; }", {}, {}, true},
        {"a prototype that uses itself", u"h : h { } i : dialog { h; }", {}, {}, true},
        {"a prototype derived from another",
         u"p : edit_box { key = \"k\"; value = \"1\"; } q : p { value = \"2\"; }\n"
         u"r : dialog { q; }",
         {u"r"},
         {u"k:edit_box=2"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DclFile file = ReadDcl(c.source);
        EXPECT_EQ(file.error.has_value(), c.error);
        std::vector<Text> names;
        for (const DclDialog& dialog : file.dialogs) {
            names.push_back(dialog.name);
        }
        EXPECT_EQ(names, c.dialogs);
        if (!file.dialogs.empty()) {
            EXPECT_EQ(TileList(file.dialogs[0]), c.tiles);
        }
    }
}

// A dialog of one edit box with the standard buttons, and a routine that
// shows it and returns what start_dialog returned and the box's text.
constexpr char16_t kDialogFile[] =
    u"t : dialog { : edit_box { key = \"n\"; value = \"1\"; } ok_cancel; }";

TEST(StandinDialogs, RunOnScriptedAnswers) {
    struct Case {
        const char* name;
        Text setup; // between new_dialog and start_dialog
        Text defaultAction;
        std::optional<std::vector<Text>> answers;
        Text result;               // (list status log)
        std::vector<Text> applied; // as the host was told
    };
    const Case cases[] = {
        {"accept without an action of its own ends with 1",
         u"",
         u"",
         std::vector<Text>{u"n=5", u"accept"},
         u"(1 nil)",
         {u"n=5", u"accept"}},
        {"cancel without an action ends with 0",
         u"",
         u"",
         std::vector<Text>{u"n=5", u"cancel", u"accept"},
         u"(0 nil)",
         {u"n=5", u"cancel"}},
        {"an edit box runs its action with $key, $value and $reason 2",
         u"(action_tile \"n\" \"(setq log (list $key $value $reason))\")",
         u"",
         std::vector<Text>{u"n=42", u"accept"},
         u"(1 (\"n\" \"42\" 2))",
         {u"n=42", u"accept"}},
        {"a button's action replaces the standard one, with $reason 1",
         u"(action_tile \"accept\" \"(setq log $reason) (done_dialog 3)\")",
         u"",
         std::vector<Text>{u"accept"},
         u"(3 1)",
         {u"accept"}},
        {"done_dialog without a status ends as cancelled",
         u"(action_tile \"accept\" \"(done_dialog)\")",
         u"",
         std::vector<Text>{u"accept"},
         u"(0 nil)",
         {u"accept"}},
        {"an accept action that does not end the dialog leaves it open",
         u"(action_tile \"accept\" \"(setq log 1)\")",
         u"",
         std::vector<Text>{u"accept", u"accept"},
         u"(0 1)",
         {u"accept", u"accept"}},
        {"the accept action reads the text typed",
         u"(action_tile \"accept\" \"(setq log (get_tile \\\"n\\\")) (done_dialog 1)\")",
         u"",
         std::vector<Text>{u"n=5", u"accept"},
         u"(1 \"5\")",
         {u"n=5", u"accept"}},
        {"answers that run out cancel the dialog",
         u"",
         u"",
         std::vector<Text>{u"n=9"},
         u"(0 nil)",
         {u"n=9"}},
        {"without a script the dialog is cancelled at once",
         u"(set_tile \"n\" \"2\")",
         u"",
         std::nullopt,
         u"(0 nil)",
         {}},
        {"a disabled tile and an unknown key take no answer",
         u"(mode_tile \"n\" 1)"
         u"(action_tile \"accept\" \"(setq log (get_tile \\\"n\\\")) (done_dialog 1)\")",
         u"",
         std::vector<Text>{u"n=8", u"nosuch", u"accept"},
         u"(1 \"1\")",
         {u"accept"}},
        {"the default action of new_dialog serves tiles without one",
         u"",
         u"(setq log $key) (done_dialog 6)",
         std::vector<Text>{u"n=4"},
         u"(6 \"n\")",
         {u"n=4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeCadHost host;
        host.files[u"C:\\support\\t.dcl"] = kDialogFile;
        if (c.answers) {
            host.dialogScripts.push_back(*c.answers);
        }
        lisp::Interpreter lisp(host);
        const auto outcome =
            lisp.EvaluateText(u"(setq id (load_dialog \"t\") log nil)(new_dialog \"t\" id " +
                              lisp::Prin1Text(lisp::MakeString(c.defaultAction)) + u")" + c.setup +
                              u"(setq status (start_dialog)) (list status log)");
        ASSERT_FALSE(outcome.error) << vr::Utf8FromText(*outcome.error);
        EXPECT_EQ(lisp::Prin1Text(outcome.value), c.result);
        ASSERT_EQ(host.dialogs.size(), 1U);
        EXPECT_EQ(host.dialogs[0].name, u"t");
        EXPECT_EQ(host.dialogs[0].applied, c.applied);
    }
}

TEST(StandinDialogs, LoadAndNewDialogAnswerAsTheCadDoes) {
    const std::pair<Text, Text> cases[] = {
        {u"(load_dialog \"nosuch\")", u"-1"},
        {u"(load_dialog \"t.dcl\")", u"1"},
        {u"(list (load_dialog \"t\") (load_dialog \"t\"))", u"(1 2)"},
        {u"(load_dialog \"bad\")", u"-1"},
        {u"(new_dialog \"t\" (load_dialog \"t\"))", u"T"},
        {u"(new_dialog \"other\" (load_dialog \"t\"))", u"nil"},
        {u"(new_dialog \"t\" 7)", u"nil"},
        {u"(setq id (load_dialog \"t\")) (unload_dialog id) (new_dialog \"t\" id)", u"nil"},
        {u"(new_dialog \"t\" (load_dialog \"t\")) (list (set_tile \"n\" \"x\") "
         u"(set_tile \"none\" \"x\") (get_tile \"none\") (action_tile \"n\" \"1\"))",
         u"(\"x\" nil nil T)"},
    };
    for (const auto& [source, result] : cases) {
        FakeCadHost host;
        host.files[u"C:\\support\\t.dcl"] = kDialogFile;
        host.files[u"C:\\support\\bad.dcl"] = u"t : dialog {";
        lisp::Interpreter lisp(host);
        const auto outcome = lisp.EvaluateText(source);
        ASSERT_FALSE(outcome.error) << vr::Utf8FromText(*outcome.error);
        EXPECT_EQ(lisp::Prin1Text(outcome.value), result) << vr::Utf8FromText(source);
    }
}

} // namespace
} // namespace standin
