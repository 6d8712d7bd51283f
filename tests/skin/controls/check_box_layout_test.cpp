#include "skin/controls/check_box_layout.h"

#include <gtest/gtest.h>

namespace huecast::skin {
namespace {

// The built-in skin's `checkbox` element, box images 16 × 16.
struct CheckboxElement : TDataSkinCheckRadioControl {
    CheckboxElement();
};
CheckboxElement::CheckboxElement() : TDataSkinCheckRadioControl("checkbox") {
    TDataSkinCheckRadioControl& e = *this;
    e.skinRect = {262, 283, 337, 301};
    e.checkImageArea = {3, 1, 19, 17};
    e.textArea = {21, 2, 72, 16};
    e.checkImageRect = {357, 352, 373, 368};
    e.unCheckImageRect = {34, 339, 50, 355};
    e.activeCheckImageRect = {66, 353, 82, 369};
    e.activeUnCheckImageRect = {50, 353, 66, 369};
    e.unEnabledCheckImageRect = {235, 353, 251, 369};
    e.unEnabledUnCheckImageRect = {82, 353, 98, 369};
}

TEST(CheckImageTest, SixStatesEachWithItsOwnRect) {
    const CheckboxElement e;
    struct Row {
        bool checked, enabled, hot;
        CheckImage image;
        Rect rect;
    };
    const Row rows[] = {
        {true, true, true, CheckImage::HotChecked, e.activeCheckImageRect},
        {false, true, true, CheckImage::HotUnchecked, e.activeUnCheckImageRect},
        {true, true, false, CheckImage::Checked, e.checkImageRect},
        {false, true, false, CheckImage::Unchecked, e.unCheckImageRect},
        {true, false, true, CheckImage::DisabledChecked, e.unEnabledCheckImageRect},
        {false, false, false, CheckImage::DisabledUnchecked, e.unEnabledUnCheckImageRect},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.checked << r.enabled << r.hot);
        EXPECT_EQ(ChooseCheckImage(r.checked, r.enabled, r.hot), r.image);
        EXPECT_EQ(CheckImageRect(e, r.image), r.rect);
    }
}

TEST(CheckImageTest, EmptyHotAndDisabledImagesFallBackToPlainOnes) {
    CheckboxElement e;
    e.activeCheckImageRect = e.activeUnCheckImageRect = {};
    e.unEnabledCheckImageRect = e.unEnabledUnCheckImageRect = {5, 5, 5, 9};  // zero width counts as empty
    EXPECT_EQ(CheckImageRect(e, CheckImage::HotChecked), e.checkImageRect);
    EXPECT_EQ(CheckImageRect(e, CheckImage::HotUnchecked), e.unCheckImageRect);
    EXPECT_EQ(CheckImageRect(e, CheckImage::DisabledChecked), e.checkImageRect);
    EXPECT_EQ(CheckImageRect(e, CheckImage::DisabledUnchecked), e.unCheckImageRect);
}

TEST(FlatCheckLayoutTest, SkinnedBoxTextAndFocus) {
    // "发送后清空" on a 140 × 21 box: text 60 × 12.
    const FlatCheckLayout l = LayOutFlatCheck(SkinnedFlatParts({140, 21}, CheckboxElement(), {60, 12}, {}));
    EXPECT_EQ(l.box, (Rect{3, 2, 19, 18}));  // y = 21 div 2 − 16 div 2
    EXPECT_EQ(l.text, (Rect{23, 4, 83, 16}));
    EXPECT_TRUE(l.image.IsEmpty());
    EXPECT_EQ(l.focus, (Rect{21, 3, 86, 17}));
}

TEST(FlatCheckLayoutTest, ImageListImageGoesBeforeTheTextAndTextStopsShortOfTheEdge) {
    const FlatCheckLayout l =
        LayOutFlatCheck(SkinnedFlatParts({100, 20}, CheckboxElement(), {90, 12}, {16, 16}));
    EXPECT_EQ(l.image, (Rect{23, 2, 39, 18}));
    EXPECT_EQ(l.text.left, 23 + 16 + 5);
    EXPECT_EQ(l.text.right, 98);  // W − 2
}

TEST(FlatCheckLayoutTest, EmptyCaptionFocusesTheImageOrNothing) {
    FlatCheckLayout l = LayOutFlatCheck(PlainFlatParts({50, 20}, {}, {16, 16}));
    EXPECT_EQ(l.box, (Rect{3, 3, 17, 17}));
    EXPECT_EQ(l.image, (Rect{22, 2, 38, 18}));
    EXPECT_EQ(l.focus, (Rect{20, 1, 41, 19}));
    l = LayOutFlatCheck(PlainFlatParts({50, 20}, {}, {}));
    EXPECT_TRUE(l.focus.IsEmpty());
}

TEST(NonFlatCheckLayoutTest, AreasFollowTheControlsWidth) {
    CheckboxElement e;
    NonFlatCheckLayout l = LayOutNonFlatCheck(e, 30);
    EXPECT_EQ(l.text, (Rect{21, 2, 102, 16}));
    EXPECT_EQ(l.box, (Rect{3, 1, 19, 17}));  // the check area left of the text stays
    // A check area right of the text moves with the right edge; a smaller box is centred in it.
    e.textArea = {2, 2, 50, 16};
    e.checkImageArea = {52, 0, 72, 18};
    e.checkImageRect = {0, 0, 12, 12};
    l = LayOutNonFlatCheck(e, 30);
    EXPECT_EQ(l.text, (Rect{2, 2, 80, 16}));
    EXPECT_EQ(l.box, (Rect{86, 3, 98, 15}));
}

TEST(PlainMarksTest, CheckMarkStrokesAndRadioSquare) {
    const auto strokes = CheckMarkStrokes(PlainCheckMarkAt({100, 20}));
    // y = 20 div 2 − 4 = 6: from (7, 11) to (9, 13) to (14, 8) for the first stroke, one up for each next.
    EXPECT_EQ(strokes[0], (CheckMarkStroke{Point{7, 11}, Point{9, 13}, Point{14, 8}}));
    EXPECT_EQ(strokes[2], (CheckMarkStroke{Point{7, 9}, Point{9, 11}, Point{14, 6}}));
    EXPECT_EQ(RadioMark({100, 21}), (Rect{7, 7, 13, 13}));
}

TEST(CheckStateTest, CheckBoxRunsOnClickOnEveryAssignment) {
    CheckState box(false, 0);
    EXPECT_TRUE(box.Toggle().runOnClick);
    EXPECT_TRUE(box.Checked());
    EXPECT_TRUE(box.Toggle().runOnClick);
    EXPECT_FALSE(box.Checked());
    EXPECT_TRUE(box.SetChecked(false).runOnClick);
    EXPECT_FALSE(box.SetChecked(true).uncheckSiblings) << "group 0 has no siblings";
}

TEST(CheckStateTest, RadioBoxStaysCheckedAndRunsOnClickOnlyWhenChecked) {
    CheckState a(true, 1), b(true, 1), other(true, 2);
    other.SetChecked(true);
    CheckEffects e = a.Toggle();
    EXPECT_TRUE(a.Checked());
    EXPECT_TRUE(e.runOnClick);
    EXPECT_TRUE(e.uncheckSiblings);
    e = a.Toggle();
    EXPECT_TRUE(a.Checked());
    EXPECT_FALSE(e.runOnClick);
    EXPECT_FALSE(e.repaint);
    EXPECT_FALSE(a.SetChecked(false).runOnClick);
    a.SetChecked(true);
    b.SetChecked(true);
    EXPECT_TRUE(a.UncheckedBy(b));
    EXPECT_FALSE(b.UncheckedBy(b));
    EXPECT_FALSE(other.UncheckedBy(b));
}

}  // namespace
}  // namespace huecast::skin
