// Menu levels: size, item rects and dividers, the long level cut to the work area, placement and looks.
#include <gtest/gtest.h>

#include "skin/popups/menu_layout.h"
#include "skin/format/skin_data.h"
#include "tests/skin/orange_elements.h"

namespace huecast::skin {
namespace {

// The built-in skin's menu looks.
class OrangeMenu : public ::testing::Test {
  protected:
    MenuLevelInput Input(std::vector<MenuLevelItem> items) {
        MenuLevelInput input;
        input.items = std::move(items);
        input.itemLook = data_.SkinObjectAs<TDataSkinMenuItem>("MENUITEM");
        input.windowLook = &data_.PopupWindow();
        const Bitmap* picture = data_.ActivePicture(input.windowLook->windowPictureIndex);
        input.windowPicture = {picture->Width(), picture->Height()};
        input.workAreaHeight = 738;
        return input;
    }
    const TSkinData& data_ = testing::OrangeSkinData();
};

TEST_F(OrangeMenu, TheMainWindowsSystemMenu) {
    // 最小化(&N), 最大化(&X), a divider, 关闭(&C) with Alt+F4, the widest text measuring 96 pixels.
    const MenuLevelLayout layout = LayOutMenuLevel(Input({{false, 60}, {false, 60}, {true, 0}, {false, 96}}));
    // Items 20, 20, 8 and 20 high inside the 2-pixel margins of pw.bmp around itemsrect.
    EXPECT_EQ(layout.window.cy, 72);
    // The text + 2, the glyph column (19), the shortcut gap (19), the item's text margins (24 + 4) and
    // the window's (2 + 2).
    EXPECT_EQ(layout.window.cx, 98 + 19 + 19 + 28 + 4);
    ASSERT_EQ(layout.items.size(), 4u);
    EXPECT_EQ(layout.items[0], (Rect{2, 2, 166, 22}));
    EXPECT_EQ(layout.items[2], (Rect{2, 42, 166, 50}));
    EXPECT_EQ(layout.items[3], (Rect{2, 50, 166, 70}));
    EXPECT_EQ(layout.itemsArea, (Rect{2, 2, 166, 70}));
    EXPECT_FALSE(layout.scrolls);
    EXPECT_EQ(ItemAt(layout, {10, 45}, 0), 2);
    EXPECT_EQ(ItemAt(layout, {1, 45}, 0), -1);  // the window's border is no item
}

TEST_F(OrangeMenu, ALevelTallerThanTheWorkAreaIsCutAndScrollsBetweenItsMarkerStrips) {
    std::vector<MenuLevelItem> items(60, MenuLevelItem{false, 40});
    MenuLevelInput input = Input(items);
    input.workAreaHeight = 600;
    const MenuLevelLayout layout = LayOutMenuLevel(input);
    EXPECT_TRUE(layout.scrolls);
    EXPECT_EQ(layout.window.cy, 600);
    EXPECT_EQ(layout.contentHeight, 1200);
    EXPECT_EQ(layout.upStrip, (Rect{2, 2, layout.window.cx - 2, 12}));
    EXPECT_EQ(layout.downStrip, (Rect{2, 588, layout.window.cx - 2, 598}));
    EXPECT_EQ(layout.view.Height(), 576);
    EXPECT_EQ(layout.maxScroll, 1200 - 576);
    // The first item starts under the upper strip; nothing in a strip counts as an item.
    EXPECT_EQ(ItemRect(layout, 0, 0).top, 12);
    EXPECT_EQ(ItemAt(layout, {20, 5}, 0), -1);
    EXPECT_EQ(ItemAt(layout, {20, 12}, 0), 0);
    EXPECT_EQ(ItemAt(layout, {20, 12}, 40), 2);
    // Bringing the last item into view scrolls to the end, and no further.
    EXPECT_EQ(ScrollToShow(layout, 59, 0), layout.maxScroll);
    EXPECT_EQ(ItemRect(layout, 59, layout.maxScroll).bottom, layout.view.bottom);
    EXPECT_EQ(ScrollToShow(layout, 0, 300), 0);
    EXPECT_EQ(ScrollToShow(layout, 20, 300), 300);  // already in view
    EXPECT_EQ(ClampScroll(layout, 5000), layout.maxScroll);
    EXPECT_EQ(ClampScroll(layout, -3), 0);
}

TEST_F(OrangeMenu, ItemLooksFollowActivityAndState) {
    const TDataSkinMenuItem& look = *data_.SkinObjectAs<TDataSkinMenuItem>("MENUITEM");
    const MenuItemLook normal = ChooseMenuItemLook(look, false, false, true);
    EXPECT_EQ(normal.source, look.skinRect);
    EXPECT_EQ(normal.textColor, look.font.color);
    EXPECT_EQ(normal.leftOffset, 21);
    EXPECT_EQ(normal.rightOffset, 3);
    const MenuItemLook active = ChooseMenuItemLook(look, false, true, true);
    EXPECT_EQ(active.source, (Rect{0, 20, 49, 40}));
    EXPECT_EQ(active.textColor, look.activeFontColor);
    EXPECT_EQ(ChooseMenuItemLook(look, false, true, false).textColor, look.unEnabledFontColor);
    EXPECT_EQ(ChooseMenuItemLook(look, false, false, false).source, look.skinRect);
    const MenuItemLook divider = ChooseMenuItemLook(look, true, true, true);
    EXPECT_EQ(divider.source, (Rect{0, 40, 49, 48}));
    EXPECT_EQ(divider.leftOffset, 24);
    EXPECT_EQ(divider.rightOffset, 2);
}

TEST_F(OrangeMenu, ItemPartsComeFromTheTextRect) {
    const auto* look = data_.SkinObjectAs<TDataSkinMenuItem>("MENUITEM");
    const MenuItemParts parts = LayOutMenuItem({2, 22, 166, 42}, look, 19);
    EXPECT_EQ(parts.glyph, (Rect{2, 22, 26, 42}));
    EXPECT_EQ(parts.text, (Rect{26, 22, 162, 42}));  // textrect 24..45 of 49: 4 pixels kept at the right
    EXPECT_EQ(parts.shortcutRight, 147);
    EXPECT_EQ(parts.arrow, (Point{159, 32}));
}

TEST(MenuLayout, PlainLevelsUseTheMenusItemHeightAndTwoPixelBorders) {
    MenuLevelInput input;
    input.items = {{false, 50}, {true, 0}, {false, 30}};
    input.plainItemHeight = 19;
    input.imageListWidth = 16;
    const MenuLevelLayout layout = LayOutMenuLevel(input);
    EXPECT_EQ(layout.window, (Size{52 + 21 + 19 + 10, 19 + 4 + 19 + 4}));
    EXPECT_EQ(layout.items[1], (Rect{2, 21, layout.window.cx - 2, 25}));
    const MenuItemParts parts = LayOutMenuItem(layout.items[0], nullptr, MenuGlyphColumn(16));
    EXPECT_EQ(parts.glyph, (Rect{2, 2, 23, 21}));
    EXPECT_EQ(parts.text.left, 26);
}

TEST(MenuLayout, LevelsOpenInsideTheWorkArea) {
    const Rect work{0, 0, 1024, 738};
    const Size level{150, 72};
    EXPECT_EQ(PlaceMenuLevel({100, 100}, level, work), (Point{100, 100}));
    EXPECT_EQ(PlaceMenuLevel({1000, 700}, level, work), (Point{850, 628}));  // flipped left and up
    EXPECT_EQ(PlaceMenuLevel({50, 30}, {150, 800}, work), (Point{50, 0}));   // taller than the area
    // A submenu opens right of its level with its first item beside its opener, else left of the level.
    const Rect parent{100, 100, 250, 300};
    const Rect item{102, 142, 248, 162};
    EXPECT_EQ(PlaceSubmenu(item, parent, level, 2, work), (Point{250, 140}));
    const Rect nearRight{900, 100, 1000, 300};
    EXPECT_EQ(PlaceSubmenu({902, 142, 998, 162}, nearRight, level, 2, work), (Point{750, 140}));
    EXPECT_EQ(PlaceSubmenu({102, 700, 248, 720}, parent, level, 2, work), (Point{250, 666}));
}

}  // namespace
}  // namespace huecast::skin
