// Resize modes, fitted sizes and the mapping of skin rects onto a control.
#include <gtest/gtest.h>

#include "skin/picture/piece_geometry.h"
#include "skin/format/skin_data.h"
#include "tests/skin/orange_elements.h"

namespace huecast::skin {
namespace {

SkinPieces Pieces(Size skin, Point lt, Point rt, Point lb, Point rb, Rect cl) {
    return {skin, lt, rt, lb, rb, cl, ResizeModeOf(skin, rt, lb, rb)};
}

TEST(ResizeMode, FollowsTheCornerPointsInTheirOrderOfPrecedence) {
    EXPECT_EQ(ResizeModeOf({0, 25}, {5, 5}, {5, 5}, {5, 5}), ResizeMode::None);
    EXPECT_EQ(ResizeModeOf({10, -1}, {}, {}, {}), ResizeMode::None);
    EXPECT_EQ(ResizeModeOf({10, 10}, {1, 0}, {0, 1}, {2, 2}), ResizeMode::Free);
    // RB with one coordinate 0 is not free; RT decides before LB.
    EXPECT_EQ(ResizeModeOf({10, 10}, {0, 1}, {0, 1}, {2, 0}), ResizeMode::Horizontal);
    EXPECT_EQ(ResizeModeOf({10, 10}, {}, {3, 0}, {0, 4}), ResizeMode::Vertical);
    EXPECT_EQ(ResizeModeOf({10, 10}, {}, {}, {}), ResizeMode::Fixed);
}

TEST(FitToSkin, AHorizontalButtonKeepsItsSkinHeightAndMovesItsRightPoint) {
    const SkinPieces p = Pieces({69, 25}, {9, 12}, {58, 13}, {}, {}, {9, 2, 58, 23});
    ASSERT_EQ(p.mode, ResizeMode::Horizontal);
    const PieceMapping m = FitToSkin(p, {95, 20});
    EXPECT_EQ(m.size, (Size{95, 25}));
    EXPECT_EQ(m.leftTop, (Point{9, 12}));
    EXPECT_EQ(m.rightTop, (Point{84, 13}));
    EXPECT_EQ(m.clientRect, (Rect{9, 2, 84, 23}));
}

TEST(FitToSkin, EachModeMovesOnlyItsOwnPoints) {
    const Point lt{4, 5}, rt{30, 5}, lb{4, 20}, rb{30, 20};
    const Rect cl{4, 5, 30, 20};
    const PieceMapping free = FitToSkin(Pieces({40, 30}, lt, rt, lb, rb, cl), {100, 50});
    EXPECT_EQ(free.size, (Size{100, 50}));
    EXPECT_EQ(free.leftTop, lt);
    EXPECT_EQ(free.rightTop, (Point{90, 5}));
    EXPECT_EQ(free.leftBottom, (Point{4, 40}));
    EXPECT_EQ(free.rightBottom, (Point{90, 40}));
    EXPECT_EQ(free.clientRect, (Rect{4, 5, 90, 40}));

    const PieceMapping vertical = FitToSkin(Pieces({40, 30}, lt, {}, lb, {}, cl), {100, 50});
    EXPECT_EQ(vertical.size, (Size{40, 50}));
    EXPECT_EQ(vertical.leftBottom, (Point{4, 40}));
    EXPECT_EQ(vertical.rightTop, (Point{}));
    EXPECT_EQ(vertical.clientRect, (Rect{4, 5, 30, 40}));

    const PieceMapping fixed = FitToSkin(Pieces({40, 30}, lt, {}, {}, {}, cl), {100, 50});
    EXPECT_EQ(fixed.size, (Size{40, 30}));
    EXPECT_EQ(fixed.clientRect, cl);

    const PieceMapping none = FitToSkin(Pieces({0, 0}, lt, rt, lb, rb, cl), {100, 50});
    EXPECT_EQ(none.size, (Size{100, 50}));
    EXPECT_EQ(none.rightBottom, rb);
}

// The elements of the built-in skin that the main window uses, at the sizes its form gives them.
TEST(FitToSkin, BuiltInSkinElementsFitAsTheMainWindowUsesThem) {
    const TSkinData& data = testing::OrangeSkinData();
    struct Row {
        const char* name;
        ResizeMode mode;
        Size proposed, fitted;
    };
    const Row rows[] = {
        {"button", ResizeMode::Free, {95, 20}, {95, 20}},
        {"htrackbar", ResizeMode::Horizontal, {201, 20}, {201, 22}},
        {"hscrollbar", ResizeMode::Horizontal, {134, 12}, {134, 19}},
        {"vscrollbar", ResizeMode::Vertical, {15, 121}, {19, 121}},
        {"combobox", ResizeMode::Horizontal, {129, 24}, {129, 20}},
        {"listbox", ResizeMode::Free, {400, 300}, {400, 300}},
        {"groupbox", ResizeMode::Free, {200, 120}, {200, 120}},
        {"richedit", ResizeMode::None, {300, 90}, {300, 90}},
        {"stdlabel", ResizeMode::None, {60, 12}, {60, 12}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto* d = data.SkinControlAs<TDataSkinControl>(row.name);
        ASSERT_NE(d, nullptr);
        const SkinPieces pieces = PiecesOf(*d);
        EXPECT_EQ(pieces.mode, row.mode);
        EXPECT_EQ(FitToSkin(pieces, row.proposed).size, row.fitted);
    }
    EXPECT_EQ(data.ActivePicture24(data.SkinControlAs<TDataSkinControl>("richedit")->pictureIndex), nullptr);
    EXPECT_EQ(data.ActivePicture24(data.SkinControlAs<TDataSkinControl>("stdlabel")->pictureIndex), nullptr);
}

TEST(MapSkinRect, FreeModeFollowsTheCornerAreasTheRectTouches) {
    // 40 × 30 skin; corner areas LTA (0,0,10,8), RTA (30,0,40,8), LBA (0,22,10,30), RBA (30,22,40,30).
    const SkinPieces p = Pieces({40, 30}, {10, 8}, {30, 8}, {10, 22}, {30, 22}, {10, 8, 30, 22});
    const Size size{100, 50};  // dW 60, dH 20
    struct Case {
        Rect in, out;
    };
    const Case cases[] = {
        {{1, 1, 9, 7}, {1, 1, 9, 7}},              // inside LTA: stays at every size
        {{31, 1, 39, 7}, {91, 1, 99, 7}},          // inside RTA: moves right
        {{1, 23, 9, 29}, {1, 43, 9, 49}},          // inside LBA: moves down
        {{31, 23, 39, 29}, {91, 43, 99, 49}},      // inside RBA: moves both ways
        {{2, 2, 35, 25}, {2, 2, 95, 45}},          // LTA to RBA: grows both ways
        {{2, 2, 35, 6}, {2, 2, 95, 6}},            // LTA to RTA: grows in width
        {{2, 24, 35, 28}, {2, 44, 95, 48}},        // LBA to RBA: grows in width, moves down
        {{2, 2, 8, 26}, {2, 2, 8, 46}},            // LTA to LBA: grows in height
        {{32, 2, 38, 26}, {92, 2, 98, 46}},        // RTA to RBA: moves right, grows in height
        {{0, 0, 10, 8}, {0, 0, 10, 8}},            // exactly LTA: not inside (edge excluded), touches
                                                   // no second area: unchanged
        {{12, 10, 20, 18}, {12, 10, 20, 18}},      // the middle: unchanged
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.in.left << "," << c.in.top << "," << c.in.right << "," << c.in.bottom);
        EXPECT_EQ(MapSkinRect(p, size, c.in), c.out);
    }
    // At the skin's own size nothing moves.
    EXPECT_EQ(MapSkinRect(p, {40, 30}, {2, 2, 35, 25}), (Rect{2, 2, 35, 25}));
}

TEST(MapSkinRect, HorizontalVerticalAndFixedModes) {
    const SkinPieces h = Pieces({69, 25}, {9, 12}, {58, 13}, {}, {}, {});
    EXPECT_EQ(MapSkinRect(h, {95, 25}, {5, 2, 60, 20}), (Rect{5, 2, 86, 20}));   // spans: widens
    EXPECT_EQ(MapSkinRect(h, {95, 25}, {58, 2, 66, 20}), (Rect{84, 2, 92, 20}));  // right piece: moves
    EXPECT_EQ(MapSkinRect(h, {95, 25}, {10, 2, 40, 20}), (Rect{10, 2, 40, 20}));  // middle: stays
    EXPECT_EQ(MapSkinRect(h, {95, 25}, {58, 2, 58, 20}), (Rect{58, 2, 58, 20}));  // empty at RT: stays

    const SkinPieces v = Pieces({19, 60}, {0, 19}, {}, {0, 41}, {}, {});
    EXPECT_EQ(MapSkinRect(v, {19, 121}, {0, 10, 19, 45}), (Rect{0, 10, 19, 106}));
    EXPECT_EQ(MapSkinRect(v, {19, 121}, {0, 41, 19, 60}), (Rect{0, 102, 19, 121}));
    EXPECT_EQ(MapSkinRect(v, {19, 121}, {0, 20, 19, 30}), (Rect{0, 20, 19, 30}));

    const SkinPieces f = Pieces({20, 20}, {}, {}, {}, {}, {});
    EXPECT_EQ(MapSkinRect(f, {90, 90}, {1, 2, 3, 4}), (Rect{1, 2, 3, 4}));
}

}  // namespace
}  // namespace huecast::skin
