#include "FakeCadHost.h"
#include "TestText.h"
#include "lisp/Interpreter.h"

#include <gtest/gtest.h>

namespace standin::lisp {
namespace {

struct LispRun {
    test::FakeCadHost host;
    Interpreter lisp{host};
};

// Each source's value as prin1 shows it, or "error: <message>".
Text Result(TextView source) {
    LispRun run;
    const auto outcome = run.lisp.EvaluateText(source);
    return outcome.error ? u"error: " + *outcome.error : Prin1Text(outcome.value);
}

void ExpectResults(const std::vector<std::pair<Text, Text>>& cases) {
    for (const auto& [source, expected] : cases) {
        EXPECT_EQ(vr::Utf8FromText(Result(source)), vr::Utf8FromText(expected))
            << vr::Utf8FromText(source);
    }
}

TEST(StandinRtos, WritesDecimalsAsTheCadRoundsThem) {
    ExpectResults({
        {u"(rtos 17.5 2 2)", u"\"17.50\""},
        {u"(rtos 17.5)", u"\"17.5000\""}, // LUNITS 2, LUPREC 4
        {u"(rtos 2.5 2 0)", u"\"3\""},    // halves away from zero
        {u"(rtos 3.5 2 0)", u"\"4\""},
        {u"(rtos -2.5 2 0)", u"\"-3\""},
        {u"(rtos 0.125 2 2)", u"\"0.13\""}, // an exact half
        {u"(rtos -0.125 2 2)", u"\"-0.13\""},
        {u"(rtos 2.675 2 2)", u"\"2.67\""}, // the double is below the half
        {u"(rtos 1.005 2 2)", u"\"1.00\""},
        {u"(rtos 0.001 2 2)", u"\"0.00\""},
        {u"(rtos -0.001 2 2)", u"\"0.00\""}, // no sign on a rounded zero
        {u"(rtos 9.9999 2 2)", u"\"10.00\""},
        {u"(rtos 40 2 0)", u"\"40\""},
        {u"(rtos 1234.123456789 2 8)", u"\"1234.12345679\""},
        {u"(rtos 0.123456785 2 8)", u"\"0.12345678\""},
        {u"(rtos 0.5 2 8)", u"\"0.50000000\""},
        {u"(rtos -12.3456 2 8)", u"\"-12.34560000\""},
        {u"(rtos 1.0 2 12)", u"\"1.00000000\""}, // LUPREC goes up to 8
        {u"(rtos 17.5 1 4)", u"\"1.7500E+01\""},
        {u"(setvar \"DIMZIN\" 8) (rtos 1.5 2 4)", u"\"1.5\""},
        {u"(setvar \"DIMZIN\" 8) (rtos 2.0 2 4)", u"\"2\""},
        {u"(setvar \"DIMZIN\" 12) (rtos 0.25 2 4)", u"\".25\""},
        {u"(setvar \"LUPREC\" 1) (rtos 0.25)", u"\"0.3\""},
        {u"(rtos 1 0 2)", u"error: bad argument value: 0"},
        {u"(rtos \"1\")", u"error: bad argument type: numberp: \"1\""},
    });
}

TEST(StandinTextToNumber, ReadsPrefixesAsTheCadDoes) {
    ExpectResults({
        {u"(atof \"40\")", u"40.0"},
        {u"(atof \"40m\")", u"40.0"},
        {u"(atof \"L=40m\")", u"0.0"}, // no number at the start
        {u"(atof \"  -1.5e2x\")", u"-150.0"},
        {u"(atof \".5\")", u"0.5"},
        {u"(atof \"1e\")", u"1.0"},
        {u"(atof \"４０\")", u"0.0"}, // full-width digits are no digits
        {u"(atoi \"3.9\")", u"3"},
        {u"(atoi \"-12abc\")", u"-12"},
        {u"(atoi \"x1\")", u"0"},
        {u"(atoi \"99999999999\")", u"2147483647"},
        {u"(distof \"17.50\" 2)", u"17.5"},
        {u"(distof \" 2.5 \")", u"2.5"},
        {u"(distof \"1.7500E+01\" 1)", u"17.5"},
        {u"(distof \"40m\")", u"nil"},
        {u"(distof \"\")", u"nil"},
        {u"(distof \"L=40\")", u"nil"},
    });
}

TEST(StandinNumberFunctions, FollowTheCadsArithmetic) {
    ExpectResults({
        {u"(numberp 1)", u"T"},
        {u"(numberp \"1\")", u"nil"},
        {u"(fix 3.7)", u"3"},
        {u"(fix -3.7)", u"-3"},
        {u"(fix 1e10)", u"1e+10"}, // beyond the integers: a real
        {u"(float 3)", u"3.0"},
        {u"(abs -4)", u"4"},
        {u"(abs -4.5)", u"4.5"},
        {u"(rem 42 12 5)", u"1"},
        {u"(rem -7 2)", u"-1"},
        {u"(rem 5.5 2)", u"1.5"},
        {u"(rem 5 0)", u"error: divide by zero"},
        {u"(min 3 1 2)", u"1"},
        {u"(max 3 1.0 2)", u"3.0"},
        {u"(max)", u"0"},
        {u"(1+ 2147483647)", u"-2147483648"},
        {u"(1- 1.5)", u"0.5"},
        {u"(zerop 0.0)", u"T"},
        {u"(minusp -0.1)", u"T"},
        {u"(minusp 0)", u"nil"},
        {u"(expt 2 10)", u"1024"},
        {u"(expt 2 -1)", u"0"},
        {u"(expt 2.0 -1)", u"0.5"},
        {u"(expt 10 2000000000)", u"0"}, // wraps, and ends quickly
        {u"(sqrt 16)", u"4.0"},
        {u"(sqrt -1)", u"error: function undefined for argument: -1"},
    });
}

TEST(StandinTypeAndLists, NameKindsAndWalkLists) {
    ExpectResults({
        {u"(type 1)", u"INT"},
        {u"(type 1.0)", u"REAL"},
        {u"(type \"a\")", u"STR"},
        {u"(type 'a)", u"SYM"},
        {u"(type '(1))", u"LIST"},
        {u"(type nil)", u"nil"},
        {u"(type car)", u"SUBR"},
        {u"(defun f () 1) (type f)", u"USUBR"},
        {u"(entmake '((0 . \"POINT\")(10 0 0))) (type (entlast))", u"ENAME"},
        {u"(reverse '(1 2 3))", u"(3 2 1)"},
        {u"(last '(1 2 3))", u"3"},
        {u"(last nil)", u"nil"},
        {u"(member 2 '(1 2 3))", u"(2 3)"},
        {u"(member \"b\" '(\"a\" \"b\"))", u"(\"b\")"},
        {u"(member 4 '(1 2 3))", u"nil"},
        {u"(listp nil)", u"T"},
        {u"(listp 1)", u"nil"},
        {u"(atom '(1))", u"nil"},
        {u"(atom nil)", u"T"},
        {u"(vl-position 3 '(1 2 3))", u"2"},
        {u"(vl-position 9 '(1 2 3))", u"nil"},
        {u"(vl-remove 2 '(1 2 3 2))", u"(1 3)"},
        {u"(mapcar '1+ '(1 2 3))", u"(2 3 4)"},
        {u"(mapcar '+ '(1 2 3) '(10 20))", u"(11 22)"},
        {u"(mapcar '(lambda (x) (* x x)) '(1 2 3))", u"(1 4 9)"},
        {u"(mapcar (function (lambda (x) (strcat x \"!\"))) '(\"a\"))", u"(\"a!\")"},
        {u"(apply '+ '(1 2 3))", u"6"},
        {u"(apply 'max '(1 5 2))", u"5"},
        {u"(apply '(lambda (a b) (- a b)) '(5 2))", u"3"},
        {u"(apply 'nosuch '(1))", u"error: no function definition: NOSUCH"},
    });
}

TEST(StandinStringFunctions, HandleCharactersAsTheCadDoes) {
    ExpectResults({
        {u"(strcase \"abC\")", u"\"ABC\""},
        {u"(strcase \"AbC\" t)", u"\"abc\""},
        {u"(strcase \"ａｂ表\")", u"\"ＡＢ表\""},
        {u"(ascii \"A\")", u"65"},
        {u"(ascii \"\")", u"0"},
        {u"(ascii \"４０\")", u"65300"},
        {u"(chr 65)", u"\"A\""},
        {u"(chr 12354)", u"\"あ\""},
        {u"(strlen \"４０ｍ\")", u"3"},
        {u"(substr \"Ｌ＝４０ｍ\" 3 2)", u"\"４０\""},
        {u"(vl-string->list \"ab\")", u"(97 98)"},
        {u"(vl-list->string '(52 48))", u"\"40\""},
        {u"(vl-string-search \"=\" \"L=40m\")", u"1"},
        {u"(vl-string-search \"x\" \"L=40m\")", u"nil"},
        {u"(vl-string-search \"a\" \"abab\" 1)", u"2"},
        {u"(vl-string-position (ascii \"z\") \"azbdc az\")", u"1"},
        {u"(vl-string-position (ascii \"z\") \"azbdc az\" nil t)", u"7"},
        {u"(vl-string-position (ascii \"z\") \"azbdc az\" 2)", u"7"},
        {u"(vl-string-position (ascii \"q\") \"abc\")", u"nil"},
        {u"(vl-string-subst \"m\" \"mm\" \"40mm mm\")", u"\"40m mm\""},
        {u"(vl-string-subst \"x\" \"a\" \"aa\" 1)", u"\"ax\""},
        {u"(vl-string-translate \"abc\" \"123\" \"a cab\")", u"\"1 312\""},
        {u"(vl-string-translate \"０１２３４\" \"01234\" \"４０\")", u"\"40\""},
        {u"(vl-string-trim \" \\t\" \"  ab \\t\")", u"\"ab\""},
        {u"(vl-string-left-trim \"L=\" \"L=40\")", u"\"40\""},
        {u"(vl-string-right-trim \"m\" \"40mm\")", u"\"40\""},
        {u"(vl-string-elt \"abc\" 1)", u"98"},
        {u"(vl-string-elt \"abc\" 3)",
         u"error: bad argument value: string position out of range 3"},
        {u"(strcase 1)", u"error: bad argument type: stringp 1"},
    });
}

TEST(StandinWcmatch, KnowsTheWholeWildcardSet) {
    struct Case {
        Text text, pattern;
        bool matches;
    };
    const Case cases[] = {
        {u"L=40m", u"*#*", true},
        {u"Lm", u"*#*", false},
        {u"40", u"##", true},
        {u"4a", u"##", false},
        {u"ab", u"@@", true},
        {u"a1", u"@@", false},
        {u"a-b", u"@.@", true},
        {u"a1b", u"@.@", false},
        {u"abc", u"a?c", true},
        {u"ac", u"a?c", false},
        {u"abc", u"a*", true},
        {u"abc", u"*c", true},
        {u"abc", u"*b", false},
        {u"", u"*", true},
        {u"abc", u"~a*", false},
        {u"xbc", u"~a*", true},
        {u"b", u"[abc]", true},
        {u"d", u"[abc]", false},
        {u"d", u"[~abc]", true},
        {u"q", u"[a-z]", true},
        {u"Q", u"[a-z]", false},
        {u"*", u"`*", true},
        {u"a", u"`*", false},
        {u"a,b", u"a`,b", true},
        {u"dim", u"TEXT,MTEXT,DIM*", false},
        {u"MTEXT", u"TEXT,MTEXT", true},
        {u"DIMENSION", u"TEXT,DIM*", true},
        {u"text", u"TEXT", false},
        {u"a#", u"a`#", true},
        {u"４０", u"##", false},
        {u"a]", u"a[]]", true},
        {u"aaaaaaaaaaaaaaaaaaaab", u"*a*a*a*a*a*c", false},
        {u"Name", u"*`,*", false},
        {u"a,b", u"*[,]*", true},
        {u"`", u"[`]", true},
        {u"~", u"[A~]", true},
        {u"x", u"TEXT,~DIM*", true},
    };
    for (const Case& c : cases) {
        const Text source = u"(wcmatch \"" + c.text + u"\" \"" + c.pattern + u"\")";
        EXPECT_EQ(Result(source), c.matches ? u"T" : u"nil") << vr::Utf8FromText(source);
    }
}

TEST(StandinStringFunctions, LongWorkCountsAgainstTheStepBound) {
    const Text cases[] = {
        u"(setq s \"a\") (repeat 14 (setq s (strcat s s))) (repeat 1000 (wcmatch s \"*b*\"))",
        u"(setq s \"a\") (repeat 14 (setq s (strcat s s))) (repeat 1000 (vl-string-search \"b\" "
        u"s))",
        u"(setq s \"a\") (repeat 14 (setq s (strcat s s))) (repeat 1000 (strcase s))",
        u"(setq s \"a\") (repeat 14 (setq s (strcat s s))) (repeat 1000 (atof s))",
        u"(setq l (vl-string->list \"abcdefgh\")) (repeat 10 (setq l (append l l))) "
        u"(repeat 1000 (reverse l))",
    };
    for (const Text& source : cases) {
        test::FakeCadHost host;
        Interpreter lisp(host, 100'000);
        const auto outcome = lisp.EvaluateText(source);
        ASSERT_TRUE(outcome.error) << vr::Utf8FromText(source);
        EXPECT_EQ(*outcome.error, u"evaluation took too long") << vr::Utf8FromText(source);
    }
}

TEST(StandinSystemVariables, GetvarAndSetvarAsTheCadDoes) {
    ExpectResults({
        {u"(getvar \"errno\")", u"0"},
        {u"(getvar \"LUPREC\")", u"4"},
        {u"(getvar \"NOSUCHVAR\")", u"nil"},
        {u"(setvar \"luprec\" 2) (getvar \"LUPREC\")", u"2"},
        {u"(setvar \"LUPREC\" 9)", u"error: AutoCAD variable setting rejected: \"LUPREC\" 9"},
        {u"(setvar \"NOSUCH\" 1)", u"error: AutoCAD variable setting rejected: \"NOSUCH\" 1"},
    });
}

} // namespace
} // namespace standin::lisp
