#include "skin/lists/combo_box_model.h"

#include <gtest/gtest.h>

#include "tests/skin/orange_elements.h"

namespace huecast::skin {
namespace {

using testing::OrangeElement;

TEST(ComboBoxLayout, RectsAtTheMainWindowsSize) {
    const TDataSkinComboBox& e = OrangeElement<TDataSkinComboBox>("combobox");
    const ComboBoxLayout skinned = LayOutComboBox(&e, 129, 20);
    EXPECT_EQ(skinned.button, (Rect{110, 2, 127, 18}));
    EXPECT_EQ(skinned.text, (Rect{3, 2, 109, 18}));
    EXPECT_EQ(LayOutComboBox(&e, 60, 20).button, e.buttonRect);
    const ComboBoxLayout plain = LayOutComboBox(nullptr, 129, 20);
    EXPECT_EQ(plain.button, (Rect{110, 2, 127, 18}));
    EXPECT_EQ(plain.text, (Rect{2, 2, 109, 18}));

    const ComboItemLook focused = ComboItemLookFor(&e, true, 106, 16);
    EXPECT_EQ(focused.source, (Rect{307, 337, 357, 353}));
    EXPECT_EQ(focused.fontColor, 3626u);
    EXPECT_EQ(focused.textRect, (Rect{3, 0, 103, 16}));
    EXPECT_EQ(ComboItemLookFor(&e, false, 106, 16).source, (Rect{57, 321, 107, 337}));
}

TEST(ComboDropDown, OpensBelowOrAboveWithinTheWorkArea) {
    EXPECT_EQ(DropDownRows(8, 26), 8);
    EXPECT_EQ(DropDownRows(8, 2), 2);
    EXPECT_EQ(DropDownRows(8, 0), 0);
    const Rect work{0, 0, 800, 600};
    EXPECT_EQ(PlaceDropDown({100, 100, 229, 120}, 164, work), (Rect{100, 120, 229, 284}));
    EXPECT_EQ(PlaceDropDown({100, 436, 229, 456}, 164, work), (Rect{100, 272, 229, 436}));
    EXPECT_EQ(PlaceDropDown({100, 416, 229, 436}, 164, work), (Rect{100, 436, 229, 600}));  // just fits
    EXPECT_EQ(PlaceDropDown({100, 500, 229, 520}, 164, work), (Rect{100, 336, 229, 500}));
}

TEST(ComboDropDown, ShowsTheChosenItemWithTheListFull) {
    EXPECT_EQ(DropDownTopIndex(-1, 26, 8), 0);
    EXPECT_EQ(DropDownTopIndex(7, 26, 8), 0);
    EXPECT_EQ(DropDownTopIndex(8, 26, 8), 8);
    EXPECT_EQ(DropDownTopIndex(20, 26, 8), 18);  // no empty rows below the last item
    EXPECT_EQ(DropDownTopIndex(25, 26, 8), 18);
    EXPECT_EQ(DropDownTopIndex(1, 2, 8), 0);
}

TEST(ComboNavigation, ClampsAndRaisesNothingAtTheEnds) {
    EXPECT_EQ(ClampComboIndex(30, 26), 25);
    EXPECT_EQ(ClampComboIndex(-7, 26), -1);
    EXPECT_EQ(ClampComboIndex(3, 0), -1);

    using K = ComboKey;
    struct Case {
        int index, count;
        ComboKey key;
        std::optional<int> to;
    };
    const Case cases[] = {
        {0, 26, K::Previous, std::nullopt},
        {25, 26, K::Next, std::nullopt},
        {-1, 26, K::Previous, std::nullopt},
        {-1, 26, K::Next, 0},
        {4, 26, K::Previous, 3},
        {4, 26, K::Next, 5},
        {10, 26, K::PageUp, 3},
        {5, 26, K::PageUp, 0},
        {0, 26, K::PageUp, std::nullopt},
        {10, 26, K::PageDown, 17},
        {22, 26, K::PageDown, 25},
        {25, 26, K::PageDown, std::nullopt},
        {0, 0, K::Next, std::nullopt},
        {40, 26, K::Next, std::nullopt},
        {10, 26, K::First, 0},
        {-1, 26, K::First, 0},
        {0, 26, K::First, std::nullopt},
        {10, 26, K::Last, 25},
        {-1, 26, K::Last, 25},
        {25, 26, K::Last, std::nullopt},
        {0, 0, K::Last, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComboIndexAfterKey(c.index, c.count, c.key, 8), c.to)
            << c.index << " of " << c.count << " key " << static_cast<int>(c.key);

    EXPECT_EQ(ComboIndexAfterWheel(3, 26, 1), 4);
    EXPECT_EQ(ComboIndexAfterWheel(3, 26, -1), 2);
    EXPECT_EQ(ComboIndexAfterWheel(25, 26, 1), std::nullopt);
    EXPECT_EQ(ComboIndexAfterWheel(0, 26, -2), std::nullopt);
    EXPECT_EQ(ComboIndexAfterWheel(-1, 26, -1), std::nullopt);
    EXPECT_EQ(ComboIndexAfterWheel(-1, 26, 1), 0);
}

}  // namespace
}  // namespace huecast::skin
