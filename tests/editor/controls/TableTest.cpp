#include "code/editor/presets/Table.h"
#include "ControlsTestSupport.h"
#include "code/editor/presets/DisplayText.h"

#include <gtest/gtest.h>

using namespace VSTGUI;
using namespace controls_test;

namespace
{

// 40 rows of 20 in a list 300 high at 10, 10: 500 pixels to scroll.
struct TableFixture : ::testing::Test
{
    TableFixture()
    {
        for (int i = 0; i < 40; ++i)
        {
            const std::string name = "row " + std::to_string(i);
            table.addRow(name.c_str(), "author", "category");
        }
    }
    CMouseEventResult click(CCoord y)
    {
        CPoint where(100, y);
        return table.onMouseDown(where, CButtonState(kLButton));
    }

    HostSpy host;
    CTable table{CRect(10, 10, 660, 310), &host, 175};
};

TEST_F(TableFixture, ScrollingMovesRowsUnderTheMouseAndEndsOnTheLastRow)
{
    EXPECT_EQ(table.rowAt({100, 10 + 25}), 1);
    table.setScrollPosition(1.f);
    EXPECT_EQ(table.getRowOffset(), 500);
    EXPECT_EQ(table.rowAt({100, 309}), 39) << "the last row ends at the bottom";
    EXPECT_EQ(table.rowAt({100, 10}), 25);

    click(10 + 5);
    EXPECT_EQ(table.getLastAction(), CTable::kRowClicked);
    EXPECT_EQ(table.getClickedRow(), 25);
    EXPECT_EQ(host.values.size(), 1u);

    // Three rows a notch; down at the end, nothing moves and nothing is reported.
    table.onWheel({100, 100}, -1.f, CButtonState());
    EXPECT_EQ(host.values.size(), 1u);
    table.onWheel({100, 100}, 1.f, CButtonState());
    EXPECT_EQ(table.getLastAction(), CTable::kScrolled);
    EXPECT_EQ(table.getRowOffset(), 500 - 60);
    EXPECT_EQ(host.values.size(), 2u);
    table.setScrollPosition(-3.f);
    EXPECT_EQ(table.getScrollPosition(), 0.f);
}

TEST_F(TableFixture, ShortListsClicksBesideRowsAndClearing)
{
    table.setCurrentRow(3);
    table.clear();
    EXPECT_EQ(table.getCurrentRow(), -1);
    table.addRow("only", nullptr, "");
    table.setCurrentRow(5);
    EXPECT_EQ(table.getCurrentRow(), -1) << "no such row";
    EXPECT_EQ(table.getWheelStep(), 0.f) << "nothing to scroll";
    table.setScrollPosition(1.f);
    EXPECT_EQ(table.getRowOffset(), 0);
    click(10 + 100);
    EXPECT_EQ(table.getLastAction(), CTable::kRowClicked);
    EXPECT_EQ(table.getClickedRow(), -1);
}

TEST(DisplayTextTest, InvalidUtf8IsRepairedValidTextKept)
{
    std::string repaired;
    const char* valid = "Caf\xC3\xA9 \xE2\x82\xAC";
    EXPECT_EQ(velqa::editor::displayableText(valid, repaired), valid);
    // A stray byte, a sequence cut short by the 127-byte limit, an overlong form, a surrogate.
    for (const char* bad : {"a\xFF"
                            "b",
                            "ab\xE2\x82", "\xC0\xAF", "\xED\xA0\x80"})
    {
        const char* shown = velqa::editor::displayableText(bad, repaired);
        EXPECT_TRUE(velqa::editor::isValidUtf8(shown)) << bad;
        EXPECT_NE(std::string(shown).find('?'), std::string::npos);
    }
}

} // namespace
