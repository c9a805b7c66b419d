// The stand-in's command session: lines in order, one at a time, escape,
// and the answers to getpoint.
#include "StandinSessionBed.h"

#include <gtest/gtest.h>

namespace standin {
namespace {

using test::SessionBed;

// One thing the user does while the session runs.
struct UserAction {
    Text typed;          // characters typed, when not a click
    bool click = false;  // a click into the drawing
    ClientPoint pixel{}; // where
    Point3 world{};      // and the world point under it
};

UserAction Typed(Text characters) {
    return UserAction{std::move(characters)};
}
UserAction ClickAt(ClientPoint pixel, Point3 world) {
    return UserAction{{}, true, pixel, world};
}

struct Scenario {
    const char* name;
    std::vector<Point3> scripted; // --points
    Text entered;                 // reaches the command line first
    std::vector<UserAction> then; // handled by the message loop in turn
    std::vector<std::string> journal;
};

TEST(StandinSession, RunsLinesInOrderOneAtATimeAndAnswersGetpoint) {
    const Scenario scenarios[] = {
        {"lines run in the order entered",
         {},
         u"(princ 1)\r\n(princ 2)\r\n",
         {},
         {R"j({"event":"execute","line":"(princ 1)"})j", R"j({"event":"print","text":"1"})j",
          R"j({"event":"print","text":"1\n"})j", R"j({"event":"execute","line":"(princ 2)"})j",
          R"j({"event":"print","text":"2"})j", R"j({"event":"print","text":"2\n"})j"}},
        {"a line entered while another runs waits for it to end",
         {},
         u"(getpoint \"P\")\r\n(princ 2)\r\n",
         {ClickAt({10, 20}, {7, 8, 0})},
         {R"j({"event":"execute","line":"(getpoint \"P\")"})j", R"j({"event":"print","text":"P"})j",
          R"j({"event":"prompt","text":"P"})j",
          R"j({"event":"click","window":"drawing","x":10,"y":20})j",
          R"j({"event":"print","text":"\n"})j",
          R"j({"event":"getpoint","x":7,"y":8,"z":0,"source":"click"})j",
          R"j({"event":"print","text":"(7.0 8.0 0.0)\n"})j",
          R"j({"event":"execute","line":"(princ 2)"})j", R"j({"event":"print","text":"2"})j",
          R"j({"event":"print","text":"2\n"})j"}},
        {"escape cancels the point request and the lines not yet run",
         {},
         u"(getpoint \"P\")\r\n(princ 2)\r\n",
         {Typed(u"\x1b")},
         {R"j({"event":"execute","line":"(getpoint \"P\")"})j", R"j({"event":"print","text":"P"})j",
          R"j({"event":"prompt","text":"P"})j", R"j({"event":"cancel","pointRequest":true})j",
          R"j({"event":"print","text":"*Cancel*\n"})j",
          R"j({"event":"error","message":"Function cancelled"})j",
          R"j({"event":"print","text":"; error: Function cancelled\n"})j"}},
        {"escape before the loop turns drops the line entered",
         {},
         u"(princ 1)\r\n\x1b",
         {},
         {R"j({"event":"cancel","pointRequest":false})j"}},
        {"a click outside a point request is only recorded",
         {},
         u"",
         {ClickAt({3, 4}, {1, 1, 0})},
         {R"j({"event":"click","window":"drawing","x":3,"y":4})j"}},
        {"the program ending cancels a point request",
         {},
         u"(getpoint \"P\")\r\n",
         {},
         {R"j({"event":"execute","line":"(getpoint \"P\")"})j", R"j({"event":"print","text":"P"})j",
          R"j({"event":"prompt","text":"P"})j", R"j({"event":"print","text":"*Cancel*\n"})j",
          R"j({"event":"error","message":"Function cancelled"})j",
          R"j({"event":"print","text":"; error: Function cancelled\n"})j"}},
        {"scripted points first, then a click, then typed coordinates",
         {{1, 2, 0}},
         u"(list (getpoint \"A\") (getpoint \"B\") (getpoint \"C\"))\r\n",
         {ClickAt({5, 6}, {7, 8, 0}), Typed(u"x\r"), Typed(u"5,6,1\r")},
         {R"j({"event":"execute","line":"(list (getpoint \"A\") (getpoint \"B\") (getpoint \"C\"))"})j",
          R"j({"event":"print","text":"A"})j", R"j({"event":"prompt","text":"A"})j",
          R"j({"event":"print","text":"\n"})j",
          R"j({"event":"getpoint","x":1,"y":2,"z":0,"source":"script"})j",
          R"j({"event":"print","text":"B"})j", R"j({"event":"prompt","text":"B"})j",
          R"j({"event":"click","window":"drawing","x":5,"y":6})j",
          R"j({"event":"print","text":"\n"})j",
          R"j({"event":"getpoint","x":7,"y":8,"z":0,"source":"click"})j",
          R"j({"event":"print","text":"C"})j", R"j({"event":"prompt","text":"C"})j",
          R"j({"event":"execute","line":"x","pointRequest":true})j",
          R"j({"event":"execute","line":"5,6,1","pointRequest":true})j",
          R"j({"event":"getpoint","x":5,"y":6,"z":1,"source":"typed"})j",
          R"j({"event":"print","text":"((1.0 2.0 0.0) (7.0 8.0 0.0) (5.0 6.0 1.0))\n"})j"}},
        {"scripted points are used up in order",
         {{1, 2, 0}, {3, 4, 5}},
         u"(list (getpoint) (getpoint))\r\n",
         {},
         {R"j({"event":"execute","line":"(list (getpoint) (getpoint))"})j",
          R"j({"event":"print","text":""})j", R"j({"event":"prompt","text":""})j",
          R"j({"event":"print","text":"\n"})j",
          R"j({"event":"getpoint","x":1,"y":2,"z":0,"source":"script"})j",
          R"j({"event":"print","text":""})j", R"j({"event":"prompt","text":""})j",
          R"j({"event":"print","text":"\n"})j",
          R"j({"event":"getpoint","x":3,"y":4,"z":5,"source":"script"})j",
          R"j({"event":"print","text":"((1.0 2.0 0.0) (3.0 4.0 5.0))\n"})j"}},
    };
    for (const Scenario& s : scenarios) {
        Options options;
        options.points = s.scripted;
        SessionBed bed(options);
        bed.session.OnInputCharacters(s.entered);
        for (const UserAction& action : s.then) {
            if (action.click) {
                bed.Click(action.pixel, action.world);
            } else {
                bed.Type(action.typed);
            }
        }
        bed.windows.RunMessageLoop();
        EXPECT_EQ(bed.journal.lines, s.journal) << s.name;
    }
}

TEST(StandinSession, EachLineEnteredAsksForOneDrain) {
    SessionBed bed;
    bed.session.OnInputCharacters(u"(princ 1)\r\n(princ 2)\r(princ 3)\n");
    EXPECT_EQ(bed.windows.drainsPosted, 3);
    bed.session.QueueLines({u"(princ 4)", u"(princ 5)"});
    EXPECT_EQ(bed.windows.drainsPosted, 4); // lines given at start: one drain for all
    bed.windows.RunMessageLoop();
    std::vector<std::string> executed;
    for (const std::string& line : bed.journal.lines) {
        if (line.find(R"("event":"execute")") != std::string::npos) {
            executed.push_back(line);
        }
    }
    EXPECT_EQ(executed, (std::vector<std::string>{
                            R"j({"event":"execute","line":"(princ 1)"})j",
                            R"j({"event":"execute","line":"(princ 2)"})j",
                            R"j({"event":"execute","line":"(princ 3)"})j",
                            R"j({"event":"execute","line":"(princ 4)"})j",
                            R"j({"event":"execute","line":"(princ 5)"})j",
                        }));
}

TEST(StandinSession, ShowsThePendingInputAfterEachFeed) {
    const std::pair<Text, Text> steps[] = {
        {u"(pri", u"(pri"}, {u"\b", u"(pr"}, {u"nc 1", u"(prnc 1"},
        {u"\x1b", u""},     {u"AB", u"AB"},  {u" ", u""},
    };
    SessionBed bed;
    for (const auto& [typed, pending] : steps) {
        bed.session.OnInputCharacters(typed);
        ASSERT_FALSE(bed.windows.shownPending.empty());
        EXPECT_EQ(bed.windows.shownPending.back(), pending) << vr::Utf8FromText(typed);
        EXPECT_EQ(bed.session.PendingInput(), pending) << vr::Utf8FromText(typed);
    }
    EXPECT_EQ(bed.windows.shownPending.size(), std::size(steps));
}

TEST(StandinSession, AnInvalidTypedPointAsksAgain) {
    SessionBed bed;
    bed.session.OnInputCharacters(u"(getpoint \"P\")\r\n");
    bed.Type(u"1;2\r");
    bed.Type(u"3,4\r");
    bed.windows.RunMessageLoop();
    EXPECT_EQ(bed.session.History(), u"Command: (getpoint \"P\")\r\n"
                                     u"P1;2\r\nInvalid point.\r\n"
                                     u"3,4\r\n"
                                     u"(3.0 4.0 0.0)\r\n");
    EXPECT_EQ(bed.windows.historyBox, bed.session.History());
    EXPECT_EQ(bed.windows.commandArea, u"3,4\r\n(3.0 4.0 0.0)");
}

} // namespace
} // namespace standin
