#include "skin/lists/list_box_layout.h"

#include <gtest/gtest.h>

#include "tests/skin/orange_elements.h"

namespace huecast::skin {
namespace {

using testing::OrangeElement;

const TDataSkinListBox& ListElement() {
    return OrangeElement<TDataSkinListBox>("listbox");
}

// SkinListBox2, the favourites: 166 × 97 with 20-pixel items.
TEST(ListBoxLayout, FavouritesListWithThreeAndTenItems) {
    ListBoxLayoutArgs args{.width = 166, .height = 97, .element = &ListElement()};
    ListBoxLayout layout = LayOutListBox(args);
    EXPECT_EQ(layout.list, (Rect{2, 2, 164, 95}));
    EXPECT_TRUE(layout.verticalBar.IsEmpty());
    EXPECT_FALSE(ListVerticalRange(3, 20, layout.list.Height(), 0).has_value());

    const auto range = ListVerticalRange(10, 20, layout.list.Height(), 0);
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(*range, (ScrollRange{.min = 0, .max = 9, .pageSize = 4, .position = 0}));
    args.verticalBar = true;
    layout = LayOutListBox(args);
    EXPECT_EQ(layout.list, (Rect{2, 2, 145, 95}));
    EXPECT_EQ(layout.verticalBar, (Rect{145, 2, 164, 95}));
    EXPECT_EQ(ListMaxTopIndex(10, 20, 93), 6);
    const auto scrolled = ListVerticalRange(10, 20, 93, 6);
    ASSERT_TRUE(scrolled.has_value());
    EXPECT_EQ(scrolled->position, 6);
    EXPECT_EQ(scrolled->position, scrolled->MaxPosition());
}

TEST(ListBoxLayout, BothBarsShareTheClientArea) {
    ListBoxLayout skinned = LayOutListBox(
        {.width = 140, .height = 152, .element = &ListElement(), .verticalBar = true, .horizontalBar = true});
    EXPECT_EQ(skinned.list, (Rect{2, 2, 119, 131}));
    EXPECT_EQ(skinned.verticalBar, (Rect{119, 2, 138, 131}));
    EXPECT_EQ(skinned.horizontalBar, (Rect{2, 131, 138, 150}));

    ListBoxLayout plain =
        LayOutListBox({.width = 140, .height = 152, .verticalBar = true, .horizontalBar = true});
    EXPECT_EQ(plain.verticalBar, (Rect{120, 1, 139, 132}));
    EXPECT_EQ(plain.horizontalBar, (Rect{1, 132, 139, 151}));
    EXPECT_EQ(plain.list, (Rect{2, 2, 120, 132}));
    EXPECT_EQ(LayOutListBox({.width = 140, .height = 152, .captionHeight = 20}).list,
              (Rect{2, 21, 138, 150}));
}

TEST(ListBoxLayout, WheelStepsOneLineWithinTheItems) {
    // The chat-window list: 148 pixels of list show 7 rows.
    EXPECT_EQ(ListTopIndexAfterWheel(0, 1, 10, 20, 148), 1);
    EXPECT_EQ(ListTopIndexAfterWheel(2, 5, 10, 20, 148), 3);
    EXPECT_EQ(ListTopIndexAfterWheel(1, -3, 10, 20, 148), 0);
    EXPECT_EQ(ListTopIndexAfterWheel(0, 1, 3, 20, 148), 0);
    EXPECT_EQ(ListTopIndexAfterWheel(0, 1, 0, 0, 148), 0);
    // Items without height still give a bar whose page is at least one row.
    EXPECT_EQ(ListVerticalRange(10, 0, 148, 0)->pageSize, 1);
}

TEST(ListBoxLayout, DropDownHeightFitsExactlyTheRows) {
    EXPECT_EQ(ListBoxHeightForRows(&ListElement(), 8, 20), 164);
    EXPECT_EQ(ListBoxHeightForRows(nullptr, 2, 20), 44);
}

TEST(ListItemLook, ThreeStatesInTheSkinsColours) {
    const TDataSkinListBox& e = ListElement();
    const ListItemLook normal = ListItemLookFor(&e, ListItemState::Normal, 162, 20);
    EXPECT_EQ(normal.source, e.itemRect);
    EXPECT_EQ(normal.fontColor, 533838u);
    EXPECT_EQ(normal.textRect, (Rect{4, 0, 158, 20}));
    const ListItemLook selected = ListItemLookFor(&e, ListItemState::Selected, 162, 20);
    EXPECT_EQ(selected.source, (Rect{160, 244, 210, 264}));
    EXPECT_EQ(selected.fontColor, 5178u);
    const ListItemLook focused = ListItemLookFor(&e, ListItemState::Focused, 162, 20);
    EXPECT_EQ(focused.source, (Rect{210, 244, 260, 264}));
    EXPECT_EQ(focused.fontColor, 3626u);
    EXPECT_EQ(ListItemLookFor(nullptr, ListItemState::Focused, 162, 20).textRect, (Rect{2, 0, 160, 20}));
}

}  // namespace
}  // namespace huecast::skin
