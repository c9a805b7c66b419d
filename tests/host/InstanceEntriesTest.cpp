#include "window/InstanceEntries.h"

#include <gtest/gtest.h>

#include <functional>

namespace vr {
namespace {

// What a drop-down list without sorting answers, step by step: the hidden
// main window's list must answer the same before the real control exists.
TEST(InstanceEntries, AnswersAsADropDownListDoes) {
    struct Case {
        const char* name;
        std::function<void(InstanceEntries&)> steps;
        int count, selected;
        std::vector<std::uint32_t> data;
    };
    const Case cases[] = {
        {"empty", [](InstanceEntries&) {}, 0, -1, {}},
        {"appended in order",
         [](InstanceEntries& list) {
             EXPECT_EQ(list.AddEntry(u"b.dwg"), 0);
             EXPECT_EQ(list.AddEntry(u"a.dwg"), 1);
             EXPECT_EQ(list.AddEntry(u""), 2);
         },
         3,
         -1,
         {0, 0, 0}},
        {"item data and the last selected",
         [](InstanceEntries& list) {
             list.SetItemData(list.AddEntry(u"a.dwg"), 2);
             list.SetItemData(list.AddEntry(u"b.dwg"), 3);
             list.SetSelectedIndex(list.Count() - 1);
         },
         2,
         1,
         {2, 3}},
        {"a selection past the end keeps the one before",
         [](InstanceEntries& list) {
             (void)list.AddEntry(u"a.dwg");
             list.SetSelectedIndex(0);
             list.SetSelectedIndex(1);
             list.SetSelectedIndex(-2);
         },
         1,
         0,
         {0}},
        {"a selection in an empty list is none",
         [](InstanceEntries& list) { list.SetSelectedIndex(0); },
         0,
         -1,
         {}},
        {"a negative selection clears it",
         [](InstanceEntries& list) {
             (void)list.AddEntry(u"a.dwg");
             list.SetSelectedIndex(0);
             list.SetSelectedIndex(-1);
         },
         1,
         -1,
         {0}},
        {"item data out of range changes nothing",
         [](InstanceEntries& list) {
             list.SetItemData(list.AddEntry(u"a.dwg"), 7);
             list.SetItemData(1, 9);
             list.SetItemData(-1, 9);
         },
         1,
         -1,
         {7}},
        {"cleared: no entries, no selection",
         [](InstanceEntries& list) {
             list.SetItemData(list.AddEntry(u"a.dwg"), 1);
             list.SetSelectedIndex(0);
             list.Clear();
         },
         0,
         -1,
         {}},
        {"filled again after clearing",
         [](InstanceEntries& list) {
             list.SetItemData(list.AddEntry(u"a.dwg"), 1);
             list.SetSelectedIndex(0);
             list.Clear();
             EXPECT_EQ(list.AddEntry(u"b.dwg"), 0);
             list.SetItemData(0, 4);
         },
         1,
         -1,
         {4}},
    };
    for (const Case& c : cases) {
        InstanceEntries list;
        c.steps(list);
        EXPECT_EQ(list.Count(), c.count) << c.name;
        EXPECT_EQ(list.SelectedIndex(), c.selected) << c.name;
        for (std::size_t i = 0; i < c.data.size(); ++i) {
            EXPECT_EQ(list.ItemData(static_cast<int>(i)), c.data[i]) << c.name << " " << i;
        }
        // Out of range reads as CB_ERR.
        EXPECT_EQ(list.ItemData(c.count), 0xFFFFFFFFu) << c.name;
        EXPECT_EQ(list.ItemData(-1), 0xFFFFFFFFu) << c.name;
    }
}

} // namespace
} // namespace vr
