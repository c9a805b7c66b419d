// Ctrl+V in the stand-in's drawing is the CAD's paste into the drawing: the
// clipboard's text becomes an object, and the command line gets nothing.
#include "StandinSessionBed.h"

#include <gtest/gtest.h>

namespace standin {
namespace {

using test::SessionBed;

bool AnyLineHas(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(part) != std::string::npos;
    });
}

TEST(StandinPasteClip, TheLoadCommandBecomesATextObjectAndRunsNothing) {
    struct Case {
        const char* name;
        std::optional<vr::Bytes> clipboard;
        std::string journaled;
        std::optional<Text> objectText; // nullopt: no object
    };
    const Case cases[] = {
        {"a load command", vr::Bytes("\x1b(load \"go\")\r\n"),
         R"j({"event":"pasteclip","text":"\u001b(load \"go\")\r\n","hasText":true})j",
         u"(load \"go\")"},
        {"two lines", vr::Bytes("A\r\nB"),
         R"j({"event":"pasteclip","text":"A\r\nB","hasText":true})j", u"A\\PB"},
        {"Japanese text", vr::Bytes("\x93\xFA\x96\x7B"),
         R"j({"event":"pasteclip","text":"日本","hasText":true})j", u"日本"},
        {"no text on the clipboard", std::nullopt,
         R"j({"event":"pasteclip","text":"","hasText":false})j", std::nullopt},
    };
    for (const Case& c : cases) {
        SessionBed bed;
        bed.session.PasteClip(c.clipboard);
        bed.windows.RunMessageLoop();
        ASSERT_FALSE(bed.journal.lines.empty()) << c.name;
        EXPECT_EQ(bed.journal.lines.front(), c.journaled) << c.name;
        EXPECT_TRUE(bed.session.PendingInput().empty()) << c.name;
        EXPECT_FALSE(AnyLineHas(bed.journal.lines, "\"event\":\"execute\"")) << c.name;
        EXPECT_FALSE(AnyLineHas(bed.journal.lines, "\"event\":\"paste\",")) << c.name;
        if (c.objectText) {
            ASSERT_EQ(bed.session.Entities().size(), 1u) << c.name;
            EXPECT_EQ(bed.session.Entities()[0].type, EntityType::MText) << c.name;
            EXPECT_EQ(bed.session.Entities()[0].text, *c.objectText) << c.name;
            EXPECT_TRUE(AnyLineHas(bed.journal.lines, "\"type\":\"MTEXT\"")) << c.name;
        } else {
            EXPECT_TRUE(bed.session.Entities().empty()) << c.name;
        }
    }
}

} // namespace
} // namespace standin
