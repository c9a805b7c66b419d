#include "TestText.h"
#include "lisp/Reader.h"

#include <gtest/gtest.h>

namespace standin::lisp {
namespace {

Text ReadOne(TextView source) {
    Reader reader(source);
    const auto result = reader.Next();
    EXPECT_EQ(result.status, Reader::Status::Form) << vr::Utf8FromText(source);
    return Prin1Text(result.form);
}

TEST(StandinReader, ReadsAtomsListsAndQuotes) {
    const std::pair<Text, Text> cases[] = {
        {u"42", u"42"},
        {u"-7", u"-7"},
        {u"2.5", u"2.5"},
        {u".5", u"0.5"},
        {u"1e3", u"1000.0"},
        {u"99999999999", u"1e+11"}, // too large for an integer: a real
        {u"abc", u"ABC"},
        {u"nil", u"nil"},
        {u"()", u"nil"},
        {u"(1 2 3)", u"(1 2 3)"},
        {u"(0 . \"POINT\")", u"(0 . \"POINT\")"},
        {u"(1 2 . 3)", u"(1 2 . 3)"},
        {u"'(1 2)", u"(QUOTE (1 2))"},
        {u"'x", u"(QUOTE X)"},
        {u"(a ; comment\n b)", u"(A B)"},
        {u"(a ;| block\n comment |; b)", u"(A B)"},
        {u"(x.y)", u"(X.Y)"},
        {u"(setq 表 \"ソ\")", u"(SETQ 表 \"ソ\")"},
    };
    for (const auto& [source, printed] : cases) {
        EXPECT_EQ(ReadOne(source), printed) << vr::Utf8FromText(source);
    }
}

TEST(StandinReader, DecodesStringEscapes) {
    const std::pair<Text, Text> cases[] = {
        {u"\"a\\\\b\"", u"a\\b"},
        {u"\"say \\\"hi\\\"\"", u"say \"hi\""},
        {u"\"x\\ny\"", u"x\ny"},
        {u"\"\\r\\t\"", u"\r\t"},
        {u"\"\\e\"", u"\x1b"},
        {u"\"\\101\\102\"", u"AB"},
        {u"\"\\0331\"", u"\x1b"
                        u"1"},
        {u"\"\\q\"", u"q"},
        {u"\"表ソ能\"", u"表ソ能"},
    };
    for (const auto& [source, text] : cases) {
        Reader reader(source);
        const auto result = reader.Next();
        ASSERT_EQ(result.status, Reader::Status::Form) << vr::Utf8FromText(source);
        ASSERT_EQ(result.form->kind, Kind::String);
        EXPECT_EQ(result.form->text, text) << vr::Utf8FromText(source);
    }
}

TEST(StandinReader, ReportsErrorsWithTheirPosition) {
    struct Case {
        Text source;
        Text message;
        int line, column;
    };
    const Case cases[] = {
        {u"(setq a \"open", u"malformed string on input", 1, 14},
        {u"(setq a\n  (list 1 2)", u"malformed list on input", 2, 13},
        {u")", u"extra right paren on input", 1, 1},
        {u"(a . b c)", u"invalid dotted pair", 1, 8},
        {u"( . b)", u"invalid dotted pair", 1, 3},
        {u"(a \x01)", u"invalid character on input", 1, 4},
        {u"'", u"malformed list on input", 1, 2},
    };
    for (const Case& c : cases) {
        Reader reader(c.source);
        const auto result = reader.Next();
        ASSERT_EQ(result.status, Reader::Status::Error) << vr::Utf8FromText(c.source);
        EXPECT_EQ(result.error.message, c.message) << vr::Utf8FromText(c.source);
        EXPECT_EQ(result.error.line, c.line) << vr::Utf8FromText(c.source);
        EXPECT_EQ(result.error.column, c.column) << vr::Utf8FromText(c.source);
    }
}

TEST(StandinReader, NestingBeyondItsBoundIsAReadErrorNotAStackOverflow) {
    // The reader recurses once a level: 200000 open parentheses in a pasted
    // line or a loaded file overflowed the stack.
    for (const Text& opening : {Text(u"("), Text(u"'")}) {
        Text deep;
        for (int i = 0; i < 200'000; ++i) {
            deep += opening;
        }
        deep += u"a";
        Reader reader(deep);
        const auto result = reader.Next();
        ASSERT_EQ(result.status, Reader::Status::Error);
        EXPECT_EQ(result.error.message, u"malformed list on input: nested too deeply");
        EXPECT_EQ(reader.Next().status, Reader::Status::End);
    }
    // Within the bound, and form after form, nesting reads as before.
    const int levels = Reader::kMaxNesting - 1;
    const Text nested = Text(levels, u'(') + u"x" + Text(levels, u')');
    const Text source = nested + u" " + nested + u" '''y";
    Reader reader(source);
    for (int form = 0; form < 2; ++form) {
        const auto result = reader.Next();
        ASSERT_EQ(result.status, Reader::Status::Form);
        EXPECT_EQ(Prin1Text(result.form), Text(levels, u'(') + u"X" + Text(levels, u')'));
    }
    EXPECT_EQ(Prin1Text(reader.Next().form), u"(QUOTE (QUOTE (QUOTE Y)))");
    EXPECT_EQ(reader.Next().status, Reader::Status::End);
}

TEST(StandinReader, ReadsFormByFormUpToAnError) {
    Reader reader(u"(a) (b) \"open");
    EXPECT_EQ(reader.Next().status, Reader::Status::Form);
    EXPECT_EQ(reader.Next().status, Reader::Status::Form);
    EXPECT_EQ(reader.Next().status, Reader::Status::Error);
    EXPECT_EQ(reader.Next().status, Reader::Status::End);
}

} // namespace
} // namespace standin::lisp
