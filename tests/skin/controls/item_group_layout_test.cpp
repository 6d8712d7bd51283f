#include "skin/controls/item_group_layout.h"

#include <gtest/gtest.h>

namespace huecast::skin {
namespace {

// The built-in group box element (skin rect 64 × 50, client rect (3, 23, 61, 47)) fitted to the two item
// groups of the main window gives these client areas.
constexpr Rect kCheckGroup1Client{3, 23, 3 + 58 + 66, 47 + 15};  // 130 × 65
constexpr Rect kRadioGroup1Client{3, 23, 61 + 99, 47 + 4};       // 163 × 54

TEST(ItemGroupLayoutTest, DesignedSizesOfTheMainWindowsGroups) {
    // Four style items in two columns: two rows of 60 × 19, down the first column first.
    EXPECT_EQ(ArrangeItems(kCheckGroup1Client, 4, 2),
              (std::vector<Rect>{{4, 23, 64, 42}, {4, 42, 64, 61}, {64, 23, 124, 42}, {64, 42, 124, 61}}));
    // Two random-colour items side by side, one row of 76 × 28.
    EXPECT_EQ(ArrangeItems(kRadioGroup1Client, 2, 2),
              (std::vector<Rect>{{4, 23, 80, 51}, {80, 23, 156, 51}}));
}

TEST(ItemGroupLayoutTest, ThreeItemsInTwoColumnsFillTheFirstColumnFirst) {
    const auto cells = ArrangeItems({0, 0, 100, 40}, 3, 2);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].left, cells[1].left);
    EXPECT_EQ(cells[1].top, 20);
    EXPECT_EQ(cells[2].top, 0);
    EXPECT_GT(cells[2].left, cells[0].left);
}

TEST(ItemGroupLayoutTest, NoItemsPlacesNothing) {
    EXPECT_TRUE(ArrangeItems(kCheckGroup1Client, 0, 2).empty());
    EXPECT_TRUE(ArrangeItems(kCheckGroup1Client, 0, 0).empty());
}

TEST(ItemGroupLayoutTest, ColumnsAreClampedToOneToSixteen) {
    EXPECT_EQ(ClampColumns(0), 1);
    EXPECT_EQ(ClampColumns(-3), 1);
    EXPECT_EQ(ClampColumns(20), 16);
    EXPECT_EQ(ClampColumns(7), 7);
    // Columns 0 arranges as one column; 20 as sixteen.
    EXPECT_EQ(ArrangeItems(kCheckGroup1Client, 4, 0), ArrangeItems(kCheckGroup1Client, 4, 1));
    const auto cells = ArrangeItems(kCheckGroup1Client, 4, 20);
    EXPECT_EQ(cells, ArrangeItems(kCheckGroup1Client, 4, 16));
    EXPECT_EQ(cells[1].left - cells[0].left, 124 / 16 - 2);
    EXPECT_EQ(cells[0].Height(), 39);
}

TEST(ItemGroupLayoutTest, TooSmallAClientGivesEmptyCellsNotNegativeOnes) {
    for (const Rect& cell : ArrangeItems({3, 23, 5, 20}, 4, 2)) {
        EXPECT_EQ(cell.Width(), 0);
        EXPECT_EQ(cell.Height(), 0);
    }
}

TEST(ItemGroupLayoutTest, RightToLeftMirrorsTheColumns) {
    const auto cells = ArrangeItems({0, 0, 100, 40}, 2, 2, true);
    EXPECT_EQ(cells[0], (Rect{51, 0, 99, 40}));  // 100 − 1 − 48
    EXPECT_EQ(cells[1], (Rect{3, 0, 51, 40}));   // 100 − 49 − 48
}

TEST(ItemGroupLayoutTest, ItemIndexIsClamped) {
    EXPECT_EQ(ClampItemIndex(5, 2), 1);
    EXPECT_EQ(ClampItemIndex(-4, 2), -1);
    EXPECT_EQ(ClampItemIndex(1, 2), 1);
    EXPECT_EQ(ClampItemIndex(0, 0), -1);
}

}  // namespace
}  // namespace huecast::skin
