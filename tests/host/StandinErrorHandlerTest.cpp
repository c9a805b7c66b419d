// *error*, exit and vl-catch-all-apply as the CAD's AutoLISP has them.
#include "FakeCadHost.h"
#include "StandinSessionBed.h"
#include "TestText.h"
#include "lisp/Interpreter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace standin::lisp {
namespace {

using test::FakeCadHost;

struct Case {
    const char* name;
    Text source;
    std::optional<Text> error; // the error the line ends with, if any
    bool handled;              // whether *error* took it
    Text seen;                 // GOT afterwards, as prin1 prints it
};

TEST(StandinErrorHandler, CallsTheErrorFunctionAsTheCadDoes) {
    const Text global = u"(defun *error* (m) (setq got (strcat \"global:\" m)) (princ))";
    const Case cases[] = {
        {"a global *error* gets the message", global + u"(/ 1 0)", u"divide by zero", true,
         u"\"global:divide by zero\""},
        {"a local *error* is the one called, before the locals are unbound",
         global + u"(defun c:x (/ *error* tmp)"
                  u"  (defun *error* (m) (setq got (strcat \"local:\" m \" \" tmp)))"
                  u"  (setq tmp \"kept\") (/ 1 0))"
                  u"(c:x)",
         u"divide by zero", true, u"\"local:divide by zero kept\""},
        {"the global one is back after the local one's function",
         global + u"(defun c:x (/ *error*) (defun *error* (m) (setq got \"local\")) 1)"
                  u"(c:x) (exit)",
         u"quit / exit abort", true, u"\"global:quit / exit abort\""},
        {"exit and quit raise the abort", global + u"(quit)", u"quit / exit abort", true,
         u"\"global:quit / exit abort\""},
        {"without *error* the CAD reports it", u"(exit)", u"quit / exit abort", false, u"nil"},
        {"an error inside *error* is not handed to it again",
         u"(defun *error* (m) (setq got (cons m got)) (car 1)) (exit)",
         u"bad argument type: listp 1", false, u"(\"quit / exit abort\")"},
        {"vl-catch-all-apply does not call *error*",
         global + u"(setq r (vl-catch-all-apply '/ '(1 0)))"
                  u"(list (vl-catch-all-error-p r) (vl-catch-all-error-message r))",
         std::nullopt, false, u"nil"},
        {"nor for an error in a user function it applies",
         global + u"(defun f (x) (exit)) (vl-catch-all-apply 'f '(1))", std::nullopt, false,
         u"nil"},
        {"an error after it still goes to *error*",
         global + u"(vl-catch-all-apply '/ '(1 0)) (/ 2 0)", u"divide by zero", true,
         u"\"global:divide by zero\""},
    };
    for (const Case& c : cases) {
        FakeCadHost host;
        Interpreter lisp(host);
        const auto outcome = lisp.EvaluateText(c.source);
        EXPECT_EQ(outcome.error, c.error) << c.name;
        EXPECT_EQ(outcome.handled, c.handled) << c.name;
        EXPECT_EQ(Prin1Text(lisp.Get(u"GOT")), c.seen) << c.name;
    }
}

TEST(StandinErrorHandler, CatchAllApplyReturnsTheResultOrTheError) {
    const std::pair<Text, Text> cases[] = {
        {u"(vl-catch-all-apply '+ '(1 2))", u"3"},
        {u"(vl-catch-all-apply (lambda (a b) (* a b)) (list 3 4))", u"12"},
        {u"(vl-catch-all-error-p (vl-catch-all-apply '+ '(1 2)))", u"nil"},
        {u"(vl-catch-all-error-message (vl-catch-all-apply 'exit nil))", u"\"quit / exit abort\""},
        {u"(vl-catch-all-error-message (vl-catch-all-apply 'nosuch nil))",
         u"\"no function definition: NOSUCH\""},
        {u"(vl-catch-all-apply '/ '(1 0))", u"#<%catch-all-apply-error%>"},
    };
    for (const auto& [source, printed] : cases) {
        FakeCadHost host;
        Interpreter lisp(host);
        const auto outcome = lisp.EvaluateText(source);
        EXPECT_FALSE(outcome.error) << vr::Utf8FromText(source);
        EXPECT_EQ(Prin1Text(outcome.value), printed) << vr::Utf8FromText(source);
    }
    // The step bound is not an error a routine can catch.
    FakeCadHost host;
    Interpreter lisp(host, 10'000);
    const auto outcome = lisp.EvaluateText(
        u"(defun spin () (while t)) (vl-catch-all-apply 'spin nil) (setq after 1)");
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(*outcome.error, u"evaluation took too long");
    EXPECT_EQ(lisp.Get(u"AFTER"), nullptr);
}

TEST(StandinErrorHandler, TheCommandLineShowsNoErrorLineWhenStarErrorTookIt) {
    test::SessionBed bed;
    bed.session.OnInputCharacters(u"(defun *error* (m) (princ \"E:\") (princ m) (princ))\r\n"
                                  u"(exit)\r\n");
    bed.windows.RunMessageLoop();
    const auto& lines = bed.journal.lines;
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has(R"j({"event":"print","text":"quit / exit abort"})j"));
    EXPECT_TRUE(has(R"j({"event":"error","message":"quit / exit abort","handler":true})j"));
    EXPECT_FALSE(has(R"j({"event":"print","text":"; error: quit / exit abort\n"})j"));
    EXPECT_EQ(lines.back(), R"j({"event":"print","text":"\n"})j");
}

} // namespace
} // namespace standin::lisp
