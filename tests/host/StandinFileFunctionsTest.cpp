// The stand-in's AutoLISP file functions over in-memory files: ANSI (code
// page 932) text with CR LF line ends, files that are missing or cannot be
// written, and descriptors used after close.
#include "FakeCadHost.h"
#include "TestText.h"
#include "lisp/Interpreter.h"

#include <gtest/gtest.h>

namespace standin::lisp {
namespace {

using test::FakeCadHost;

// 寸法 and 二行目 and 桁数 in code page 932.
constexpr char kSunpo[] = "\x90\xA1\x96\x40";
constexpr char kNigyome[] = "\x93\xF1\x8D\x73\x96\xDA";
constexpr char kKetasu[] = "\x8C\x85\x90\x94";

struct FileCase {
    const char* name;
    std::map<Text, vr::Bytes> before; // the files there are
    Text source;
    Text result;                     // printed with prin1, or "; error: ..."
    std::map<Text, vr::Bytes> after; // the files then
};

TEST(StandinFileFunctions, ReadAndWriteTextFilesAsTheCadDoes) {
    const vr::Bytes sunpo = kSunpo, nigyome = kNigyome, ketasu = kKetasu;
    const FileCase cases[] = {
        {"lines read in code page 932 without their CR LF, nil at the end",
         {{u"C:\\d\\a.txt", sunpo + "\r\n" + nigyome + "\r\n"}},
         u"(setq f (open \"C:\\\\d\\\\a.txt\" \"r\"))"
         u"(list (read-line f) (read-line f) (read-line f) (close f))",
         u"(\"寸法\" \"二行目\" nil nil)",
         {{u"C:\\d\\a.txt", sunpo + "\r\n" + nigyome + "\r\n"}}},
        {"a last line without a line end, a bare LF, and Ctrl+Z ending the text",
         {{u"a.txt", "1\n2\r\n3\x1A"
                     "4\r\n"}},
         u"(setq f (open \"a.txt\" \"R\")) (list (read-line f) (read-line f) (read-line f) "
         u"(read-line f))",
         u"(\"1\" \"2\" \"3\" nil)",
         {{u"a.txt", "1\n2\r\n3\x1A"
                     "4\r\n"}}},
        {"write-line writes the line and CR LF in code page 932 when closed",
         {{u"a.txt", "old\r\n"}},
         u"(setq f (open \"a.txt\" \"w\")) (write-line \"桁数 2\" f) (write-char 65 f) "
         u"(close f)",
         u"nil",
         {{u"a.txt", ketasu + " 2\r\nA"}}},
        {"nothing written reaches the file before close: open w empties it",
         {{u"a.txt", "old\r\n"}},
         u"(setq f (open \"a.txt\" \"w\")) (write-line \"2\" f)",
         u"\"2\"",
         {{u"a.txt", ""}}},
        {"append keeps what the file held",
         {{u"a.txt", "1\r\n"}},
         u"(setq f (open \"a.txt\" \"a\")) (write-line \"2\" f) (close f)",
         u"nil",
         {{u"a.txt", "1\r\n2\r\n"}}},
        {"append creates a missing file",
         {},
         u"(setq f (open \"n.txt\" \"a\")) (write-line \"寸法\" f) (close f)",
         u"nil",
         {{u"n.txt", sunpo + "\r\n"}}},
        {"utf8-bom writes the mark and reads past it",
         {},
         u"(setq f (open \"u.txt\" \"w\" \"utf8-bom\")) (write-line \"寸法\" f) (close f)"
         u"(setq f (open \"u.txt\" \"r\" \"utf8-bom\")) (read-line f)",
         u"\"寸法\"",
         {{u"u.txt", "\xEF\xBB\xBF\xE5\xAF\xB8\xE6\xB3\x95\r\n"}}},
        {"read-char reads characters and the line end as 10",
         {{u"a.txt", "2\r\n"}},
         u"(setq f (open \"a.txt\" \"r\")) (list (read-char f) (read-char f) (read-char f))",
         u"(50 10 nil)",
         {{u"a.txt", "2\r\n"}}},
        {"a missing file opened for reading is nil",
         {},
         u"(open \"C:\\\\nosuch.dat\" \"r\")",
         u"nil",
         {}},
        {"an unknown mode opens nothing",
         {{u"a.txt", "1"}},
         u"(open \"a.txt\" \"x\")",
         u"nil",
         {{u"a.txt", "1"}}},
        {"an open file prints as the CAD prints a descriptor",
         {{u"C:\\d\\a.txt", ""}},
         u"(open \"C:\\\\d\\\\a.txt\" \"r\")",
         u"#<file \"C:\\\\d\\\\a.txt\">",
         {{u"C:\\d\\a.txt", ""}}},
        {"a closed descriptor is no longer a stream",
         {{u"a.txt", "1\r\n"}},
         u"(setq f (open \"a.txt\" \"r\")) (close f) (read-line f)",
         u"; error: bad argument type: streamp #<file \"a.txt\">",
         {{u"a.txt", "1\r\n"}}},
        {"closing twice fails",
         {},
         u"(setq f (open \"a.txt\" \"w\")) (close f) (close f)",
         u"; error: bad argument type: streamp #<file \"a.txt\">",
         {{u"a.txt", ""}}},
        {"a string is no descriptor",
         {},
         u"(write-line \"x\" \"a.txt\")",
         u"; error: bad argument type: streamp \"a.txt\"",
         {}},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeCadHost host;
        host.bytes = c.before;
        Interpreter lisp(host);
        const auto outcome = lisp.EvaluateText(c.source);
        EXPECT_EQ(outcome.error ? u"; error: " + *outcome.error : Prin1Text(outcome.value),
                  c.result);
        EXPECT_EQ(host.bytes, c.after);
    }
}

TEST(StandinFileFunctions, AFileThatCannotBeWrittenIsNotOpened) {
    FakeCadHost host;
    host.readOnly.insert(u"C:\\ro.dat");
    host.bytes[u"C:\\ro.dat"] = "1\r\n";
    Interpreter lisp(host);
    for (const Text mode : {u"w", u"a"}) {
        const auto outcome = lisp.EvaluateText(u"(open \"C:\\\\ro.dat\" \"" + mode + u"\")");
        EXPECT_FALSE(outcome.error);
        EXPECT_EQ(outcome.value, nullptr) << vr::Utf8FromText(mode);
    }
    EXPECT_EQ(host.bytes[u"C:\\ro.dat"], "1\r\n");
}

} // namespace
} // namespace standin::lisp
