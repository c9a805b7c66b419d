#include "messages/ToolMessages.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

Text Repeated(char16_t unit, std::size_t count) {
    return Text(count, unit);
}

TEST(QuotedValue, CutsLongValuesAndKeepsShortOnesWhole) {
    const struct {
        Text value;
        Text quoted;
    } cases[] = {
        {u"", u"「」"},
        {u"node", u"「node」"},
        {Repeated(u'a', 60), u"「" + Repeated(u'a', 60) + u"」"},
        {Repeated(u'a', 61), u"「" + Repeated(u'a', 60) + u"…」"},
        {Repeated(u'表', 1'000'000), u"「" + Repeated(u'表', 60) + u"…」"},
        // A surrogate pair across the cut is dropped whole, never halved.
        {Repeated(u'a', 59) + u"\U0001F600" + u"b", u"「" + Repeated(u'a', 59) + u"…」"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuotedValue(c.value), c.quoted) << c.value.size();
    }
}

TEST(QuotedValue, AFirstLineOfAMegabyteMakesAMessageOfOneScreen) {
    const Text line = Repeated(u'1', 1 << 20);
    EXPECT_LT(ParameterLineMessage(line, u"C:\\tools\\mojidata.txt", kHintFullWidth).size(), 250u);
    EXPECT_LT(RequestTooShortMessage(Repeated(u'x', 32767)).size(), 200u);
}

TEST(QuotedValue, PathsStayWhole) {
    const Text path = u"C:\\" + Repeated(u'd', 200) + u"\\ZuDuv.ini";
    EXPECT_NE(SettingOutOfRangeMessage(path, u"Main", u"Left", u"x").find(path), Text::npos);
}

} // namespace
} // namespace vr
