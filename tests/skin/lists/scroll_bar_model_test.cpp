#include "skin/lists/scroll_bar_model.h"

#include <gtest/gtest.h>

#include "tests/skin/orange_elements.h"

namespace huecast::skin {
namespace {

using testing::OrangeElement;

ScrollRange Range(int min, int max, int page, int position) {
    ScrollRange r;
    SetScrollRange(r, min, max, page, position);
    return r;
}

TEST(ScrollRange, WritersKeepEveryPositionWithinTheOneRule) {
    struct Case {
        const char* what;
        ScrollRange start;
        void (*write)(ScrollRange&);
        int position;
        int pageSize;
        bool changed;
    };
    const Case cases[] = {
        {"a position past the page end", Range(0, 100, 10, 0),
         [](ScrollRange& r) { SetScrollPosition(r, 95); }, 91, 10, true},
        {"a position below Min", Range(10, 100, 0, 50), [](ScrollRange& r) { SetScrollPosition(r, 3); }, 10,
         0, true},
        {"the same position again", Range(0, 100, 0, 40), [](ScrollRange& r) { SetScrollPosition(r, 40); },
         40, 0, false},
        {"Max kept with Min 10 keeps a valid position", Range(10, 100, 10, 85),
         [](ScrollRange& r) { SetScrollMax(r, 100); }, 85, 10, false},
        {"Max lowered with Min 10 and a page", Range(10, 100, 10, 85),
         [](ScrollRange& r) { SetScrollMax(r, 90); }, 81, 10, true},
        {"Max lowered with Min 0 and a page", Range(0, 100, 10, 85),
         [](ScrollRange& r) { SetScrollMax(r, 90); }, 81, 10, true},
        {"Max lowered without a page", Range(0, 100, 0, 80), [](ScrollRange& r) { SetScrollMax(r, 50); }, 50,
         0, true},
        {"Min raised past the position", Range(0, 100, 0, 5), [](ScrollRange& r) { SetScrollMin(r, 20); }, 20,
         0, true},
        {"Min raised past Max: an inverted range", Range(0, 10, 0, 5),
         [](ScrollRange& r) { SetScrollMin(r, 50); }, 50, 0, true},
        {"Max lowered below Min", Range(20, 100, 0, 60), [](ScrollRange& r) { SetScrollMax(r, 0); }, 20, 0,
         true},
        {"a page that fits with Min 10", Range(10, 100, 0, 85),
         [](ScrollRange& r) { SetScrollPageSize(r, 16); }, 85, 16, false},
        {"a page that would not fit", Range(10, 100, 0, 85), [](ScrollRange& r) { SetScrollPageSize(r, 17); },
         85, 0, false},
        {"a negative page", Range(0, 100, 5, 0), [](ScrollRange& r) { SetScrollPageSize(r, -3); }, 0, 5,
         false},
        {"the range at once clamps silently", Range(0, 100, 0, 0),
         [](ScrollRange& r) { SetScrollRange(r, 0, 199, 130, 150); }, 70, 130, true},
        {"a page larger than the range", Range(0, 100, 0, 0),
         [](ScrollRange& r) { SetScrollRange(r, 0, 9, 20, 5); }, 0, 20, false},
    };
    for (const Case& c : cases) {
        ScrollRange r = c.start;
        const int before = r.position;
        c.write(r);
        EXPECT_EQ(r.position, c.position) << c.what;
        EXPECT_EQ(r.pageSize, c.pageSize) << c.what;
        EXPECT_EQ(r.position != before, c.changed) << c.what;
    }
}

TEST(ScrollRange, FractionIsGuardedForEmptyAndInvertedRanges) {
    EXPECT_DOUBLE_EQ(Range(0, 100, 0, 25).Fraction(ScrollBarKind::Horizontal), 0.25);
    EXPECT_DOUBLE_EQ(Range(10, 110, 0, 35).Fraction(ScrollBarKind::Vertical), 0.25);
    EXPECT_DOUBLE_EQ(Range(10, 109, 10, 55).Fraction(ScrollBarKind::Vertical), 0.5);
    EXPECT_DOUBLE_EQ(Range(7, 7, 0, 7).Fraction(ScrollBarKind::Horizontal), 0.0);
    EXPECT_DOUBLE_EQ(Range(50, 10, 0, 30).Fraction(ScrollBarKind::Horizontal), 0.0);
    // A page covering the whole range: a horizontal bar stands at its end, a vertical one at its start.
    EXPECT_DOUBLE_EQ(Range(0, 9, 20, 0).Fraction(ScrollBarKind::Horizontal), 1.0);
    EXPECT_DOUBLE_EQ(Range(0, 9, 20, 0).Fraction(ScrollBarKind::Vertical), 0.0);
}

struct GeometryCase {
    const char* what;
    ScrollBarKind kind;
    int width, height;
    const char* element;  // nullptr: plain
    ScrollRange range;
    Rect track, increment, decrement, thumb;
    int travel;
};

TEST(ScrollBarGeometry, BuiltInBarsAtTheMainWindowsSizes) {
    const auto H = ScrollBarKind::Horizontal;
    const auto V = ScrollBarKind::Vertical;
    const GeometryCase cases[] = {
        {"hscrollbar, no page, at the start",
         H,
         134,
         19,
         "hscrollbar",
         Range(0, 100, 0, 0),
         {19, 0, 115, 19},
         {115, 0, 134, 19},
         {0, 0, 19, 19},
         {19, 0, 43, 19},
         72},
        {"hscrollbar, no page, half way",
         H,
         134,
         19,
         "hscrollbar",
         Range(0, 100, 0, 50),
         {19, 0, 115, 19},
         {115, 0, 134, 19},
         {0, 0, 19, 19},
         {55, 0, 79, 19},
         72},
        {"hscrollbar, no page, at the end",
         H,
         134,
         19,
         "hscrollbar",
         Range(0, 100, 0, 100),
         {19, 0, 115, 19},
         {115, 0, 134, 19},
         {0, 0, 19, 19},
         {91, 0, 115, 19},
         72},
        {"hscrollbar, half a page, at the end",
         H,
         134,
         19,
         "hscrollbar",
         Range(0, 99, 50, 50),
         {19, 0, 115, 19},
         {115, 0, 134, 19},
         {0, 0, 19, 19},
         {67, 0, 115, 19},
         48},
        {"hscrollbar, a small page keeps the thumb's own length",
         H,
         134,
         19,
         "hscrollbar",
         Range(0, 99, 5, 0),
         {19, 0, 115, 19},
         {115, 0, 134, 19},
         {0, 0, 19, 19},
         {19, 0, 43, 19},
         72},
        {"vscrollbar, no page",
         V,
         19,
         121,
         "vscrollbar",
         Range(0, 100, 0, 0),
         {0, 19, 19, 102},
         {0, 102, 19, 121},
         {0, 0, 19, 19},
         {0, 19, 19, 43},
         59},
        {"vscrollbar, the editor's page at the end",
         V,
         19,
         121,
         "vscrollbar",
         Range(0, 199, 130, 70),
         {0, 19, 19, 102},
         {0, 102, 19, 121},
         {0, 0, 19, 19},
         {0, 48, 19, 102},
         29},
        {"vscrollbar, Min = Max: thumb at the start",
         V,
         19,
         121,
         "vscrollbar",
         Range(5, 5, 0, 5),
         {0, 19, 19, 102},
         {0, 102, 19, 121},
         {0, 0, 19, 19},
         {0, 19, 19, 43},
         59},
        {"vscrollbar, inverted: thumb inside the track",
         V,
         19,
         121,
         "vscrollbar",
         Range(80, 10, 0, 80),
         {0, 19, 19, 102},
         {0, 102, 19, 121},
         {0, 0, 19, 19},
         {0, 19, 19, 43},
         59},
        {"vscrollbar, a page past the range fills the track",
         V,
         19,
         121,
         "vscrollbar",
         Range(0, 9, 40, 0),
         {0, 19, 19, 102},
         {0, 102, 19, 121},
         {0, 0, 19, 19},
         {0, 19, 19, 102},
         0},
        {"hscrollbar, a thumb of odd length ends at the track's end",
         H,
         134,
         19,
         "hscrollbar",
         Range(0, 100, 73, 28),
         {19, 0, 115, 19},
         {115, 0, 134, 19},
         {0, 0, 19, 19},
         {46, 0, 115, 19},
         27},
        {"plain horizontal",
         H,
         134,
         19,
         nullptr,
         Range(0, 100, 0, 100),
         {17, 1, 117, 18},
         {117, 1, 133, 18},
         {1, 1, 17, 18},
         {101, 1, 117, 18},
         84},
        {"plain vertical with a page",
         V,
         19,
         121,
         nullptr,
         Range(0, 9, 5, 0),
         {1, 17, 18, 104},
         {1, 104, 18, 120},
         {1, 1, 18, 17},
         {1, 17, 18, 61},
         43},
    };
    for (const GeometryCase& c : cases) {
        ScrollBarLayoutArgs args{.kind = c.kind, .width = c.width, .height = c.height};
        if (c.element) args.element = &OrangeElement<TDataSkinScrollBarControl>(c.element);
        const ScrollBarGeometry g = LayOutScrollBar(args, c.range);
        EXPECT_EQ(g.track, c.track) << c.what;
        EXPECT_EQ(g.increment, c.increment) << c.what;
        EXPECT_EQ(g.decrement, c.decrement) << c.what;
        EXPECT_EQ(g.thumb, c.thumb) << c.what;
        EXPECT_EQ(g.Travel(), c.travel) << c.what;
    }
}

TEST(ScrollBarGeometry, PlainBarLeavesTheCornerMarkerEmpty) {
    const ScrollBarGeometry g = LayOutScrollBar(
        {.kind = ScrollBarKind::Horizontal, .width = 134, .height = 19, .bothMarkerWidth = 19},
        Range(0, 10, 0, 0));
    EXPECT_EQ(g.increment, (Rect{98, 1, 114, 18}));
    EXPECT_EQ(g.track.right, 98);
}

TEST(ScrollBarGeometry, PartsUnderThePointer) {
    const ScrollBarLayoutArgs args{.kind = ScrollBarKind::Horizontal,
                                   .width = 134,
                                   .height = 19,
                                   .element = &OrangeElement<TDataSkinScrollBarControl>("hscrollbar")};
    const ScrollBarGeometry g = LayOutScrollBar(args, Range(0, 100, 0, 50));  // thumb 55..79
    const auto at = [&](int x, int y) { return ScrollBarPartAt(g, ScrollBarKind::Horizontal, {x, y}); };
    EXPECT_EQ(at(5, 9), ScrollBarPart::Decrement);
    EXPECT_EQ(at(18, 0), ScrollBarPart::Decrement);
    EXPECT_EQ(at(19, 9), ScrollBarPart::PageBack);
    EXPECT_EQ(at(54, 18), ScrollBarPart::PageBack);
    EXPECT_EQ(at(55, 9), ScrollBarPart::Thumb);
    EXPECT_EQ(at(78, 9), ScrollBarPart::Thumb);
    EXPECT_EQ(at(79, 9), ScrollBarPart::PageForward);
    EXPECT_EQ(at(114, 9), ScrollBarPart::PageForward);
    EXPECT_EQ(at(115, 9), ScrollBarPart::Increment);
    EXPECT_EQ(at(133, 18), ScrollBarPart::Increment);
    EXPECT_EQ(at(134, 9), ScrollBarPart::None);
}

TEST(ScrollBarDrag, OffsetsGiveRoundedPositionsWithinTheRule) {
    EXPECT_EQ(ScrollPositionForOffset(Range(0, 100, 0, 0), 36, 72), 50);
    EXPECT_EQ(ScrollPositionForOffset(Range(0, 100, 0, 0), 200, 72), 100);
    EXPECT_EQ(ScrollPositionForOffset(Range(0, 100, 0, 0), -10, 72), 0);
    EXPECT_EQ(ScrollPositionForOffset(Range(0, 199, 130, 0), 29, 29), 70);
    EXPECT_EQ(ScrollPositionForOffset(Range(10, 100, 10, 10), 72, 72), 91);
    EXPECT_EQ(ScrollPositionForOffset(Range(10, 100, 10, 10), 36, 72), 51);
    // No travel, or an inverted range: the start.
    EXPECT_EQ(ScrollPositionForOffset(Range(0, 100, 0, 0), 5, 0), 0);
    EXPECT_EQ(ScrollPositionForOffset(Range(30, 10, 0, 30), 50, 72), 30);
}

}  // namespace
}  // namespace huecast::skin
