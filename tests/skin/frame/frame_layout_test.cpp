// The frame's geometry with the built-in skin around the main window's client area, and with skins that
// stretch, shrink or lie.
#include <gtest/gtest.h>

#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_layout.h"
#include "tests/skin/frame/orange_frame.h"

namespace huecast::skin {
namespace {

using testing::kMainWindow;
using testing::OrangePicture;
using testing::OrangeSkinData;

TEST(FrameLayout, BuiltInSkinAroundTheMainWindowsClientArea) {
    const TDataSkinFormInfo& info = OrangeSkinData().FormInfo();
    const FrameMargins margins = SkinnedMargins(info, OrangePicture());
    EXPECT_EQ(margins, (FrameMargins{8, 26, 9, 8}));
    EXPECT_EQ(WindowSizeFor({599, 419}, margins), kMainWindow);

    const FrameLayout l = ComputeFrameLayout(info, OrangePicture(), kMainWindow);
    EXPECT_EQ(l.dx, 439);
    EXPECT_EQ(l.dy, 329);
    EXPECT_EQ(l.clientRect, (Rect{8, 26, 607, 445}));
    EXPECT_EQ(l.clientRect.Width(), 599);
    EXPECT_EQ(l.clientRect.Height(), 419);
    EXPECT_EQ(l.captionRect, (Rect{5, 3, 611, 21}));
    EXPECT_TRUE(l.buttonsRect.IsEmpty());
    EXPECT_EQ(l.leftTop, (Point{10, 28}));
    EXPECT_EQ(l.rightTop, (Point{604, 28}));
    EXPECT_EQ(l.leftBottom, (Point{14, 440}));
    EXPECT_EQ(l.rightBottom, (Point{605, 444}));
    EXPECT_EQ(l.hitTestRightBottom, (Point{605, 444}));

    EXPECT_EQ(SkinnedMinimumSize(info, OrangePicture(), 0, 0, {}), (Size{177, 34}));
}

TEST(FrameLayout, MinimumSizeTakesTheFormsLimitsExceptWhereTheStateForbids) {
    const TDataSkinFormInfo& info = OrangeSkinData().FormInfo();
    EXPECT_EQ(SkinnedMinimumSize(info, OrangePicture(), 300, 200, {}), (Size{300, 200}));
    EXPECT_EQ(SkinnedMinimumSize(info, OrangePicture(), 100, 20, {}), (Size{177, 34}));
    EXPECT_EQ(SkinnedMinimumSize(info, OrangePicture(), 300, 200, {.rolledUp = true}), (Size{300, 34}));
    EXPECT_EQ(SkinnedMinimumSize(info, OrangePicture(), 300, 200, {.minimized = true}), (Size{177, 34}));
    EXPECT_EQ(UnskinnedMinimumSize(false, 0, 0), (Size{120, 25}));
    EXPECT_EQ(UnskinnedMinimumSize(true, 0, 0), (Size{120, 21}));
    EXPECT_EQ(UnskinnedMinimumSize(false, 90, 40), (Size{90, 40}));
}

TEST(FrameLayout, MarginsShrinkTheWindowToItsClientAreaAndNeverInvertIt) {
    EXPECT_EQ(UnskinnedMargins(false), (FrameMargins{3, 22, 3, 3}));
    EXPECT_EQ(UnskinnedMargins(true), (FrameMargins{3, 18, 3, 3}));
    const FrameMargins m{8, 26, 9, 8};
    EXPECT_EQ(ClientRectOf({100, 50, 716, 503}, m), (Rect{108, 76, 707, 495}));
    // A window smaller than its frame gets an empty client rect at the frame's inner corner.
    EXPECT_EQ(ClientRectOf({0, 0, 10, 20}, m), (Rect{8, 26, 8, 26}));
}

TEST(FrameLayout, AButtonsAreaInThePicturesRightHalfFollowsTheRightEdge) {
    TDataSkinFormInfo info;
    info.clientRect = {5, 20, 95, 95};
    info.buttonsRect = {60, 2, 90, 18};
    EXPECT_EQ(ComputeFrameLayout(info, {100, 100}, {300, 100}).buttonsRect, (Rect{260, 2, 290, 18}));
    info.buttonsRect = {10, 2, 40, 18};
    EXPECT_EQ(ComputeFrameLayout(info, {100, 100}, {300, 100}).buttonsRect, (Rect{10, 2, 40, 18}));
}

// ---- Hit test ----

class OrangeHitTest : public ::testing::Test {
  protected:
    HitCode At(int x, int y, bool maximized = false) {
        FrameHitInput in;
        in.point = {x, y};
        in.window = kMainWindow;
        in.layout = &layout_;
        in.captionRects = captions_;
        in.resizable = true;
        in.maximized = maximized;
        in.borderWidth = 3;
        in.overObject = Rect{591, 3, 611, 22}.Contains(in.point);  // the close button
        return FrameHitTest(in);
    }
    FrameLayout layout_ = ComputeFrameLayout(OrangeSkinData().FormInfo(), OrangePicture(), kMainWindow);
    std::vector<Rect> captions_{{21, 3, 549, 21}};
};

TEST_F(OrangeHitTest, EdgesCornersCaptionObjectsAndClient) {
    EXPECT_EQ(At(0, 200), HitCode::Left);
    EXPECT_EQ(At(615, 200), HitCode::Right);
    EXPECT_EQ(At(300, 0), HitCode::Top);
    EXPECT_EQ(At(300, 452), HitCode::Bottom);
    EXPECT_EQ(At(1, 1), HitCode::TopLeft);
    EXPECT_EQ(At(614, 1), HitCode::TopRight);
    EXPECT_EQ(At(1, 451), HitCode::BottomLeft);
    EXPECT_EQ(At(614, 451), HitCode::BottomRight);
    // The corner zones end at the frame points: most of the right and bottom edges resize one way only.
    EXPECT_EQ(At(615, 400), HitCode::Right);
    EXPECT_EQ(At(500, 452), HitCode::Bottom);
    EXPECT_EQ(At(300, 10), HitCode::Caption);
    EXPECT_EQ(At(600, 10), HitCode::Object);
    EXPECT_EQ(At(300, 200), HitCode::Client);
    // On the frame, away from the edges and the caption: the frame's own (objects) area.
    EXPECT_EQ(At(6, 200), HitCode::Object);
}

TEST_F(OrangeHitTest, MaximizedHasNoEdges) {
    EXPECT_EQ(At(0, 200, true), HitCode::Object);
    EXPECT_EQ(At(1, 1, true), HitCode::Object);
    EXPECT_EQ(At(614, 451, true), HitCode::Object);
    EXPECT_EQ(At(300, 10, true), HitCode::Caption);
    EXPECT_EQ(At(300, 200, true), HitCode::Client);
}

TEST_F(OrangeHitTest, RolledUpIsCaptionOrObjectAndAMoveIgnoresObjects) {
    FrameHitInput in;
    in.window = kMainWindow;
    in.layout = &layout_;
    in.captionRects = captions_;
    in.rolledUpOrMinimized = true;
    in.point = {300, 10};
    EXPECT_EQ(FrameHitTest(in), HitCode::Caption);
    in.point = {0, 10};
    EXPECT_EQ(FrameHitTest(in), HitCode::Object);
    in.rolledUpOrMinimized = false;
    in.resizable = true;
    in.borderWidth = 3;
    in.point = {601, 4};
    in.overObject = true;
    EXPECT_EQ(FrameHitTest(in), HitCode::Object);
    in.moveOrSizeInProgress = true;
    EXPECT_EQ(FrameHitTest(in), HitCode::Object);  // not near an edge, not a caption: the frame
    in.point = {601, 1};
    EXPECT_EQ(FrameHitTest(in), HitCode::Top);
}

TEST(FrameHitTest, AMaskedWindowsEdgeIsWhereItsShapeEnds) {
    TDataSkinFormInfo info;
    info.clientRect = {10, 10, 90, 90};
    info.maskRectArea = {10, 10, 90, 90};
    info.hitTestLeftTopPoint = {20, 20};
    info.hitTestRightTopPoint = {80, 20};
    info.hitTestLeftBottomPoint = {20, 80};
    info.hitTestRightBottomPoint = {80, 80};
    const FrameLayout l = ComputeFrameLayout(info, {100, 100}, {100, 100});
    FrameHitInput in;
    in.window = {100, 100};
    in.layout = &l;
    in.resizable = true;
    in.borderWidth = 3;
    // A round shape: nothing left of x = 5 is inside.
    in.insideShape = [](Point p) { return p.x >= 5 && p.x < 95 && p.y >= 0 && p.y < 100; };
    in.point = {6, 50};
    EXPECT_EQ(FrameHitTest(in), HitCode::Left);
    in.insideShape = nullptr;
    EXPECT_EQ(FrameHitTest(in), HitCode::Object);
}

}  // namespace
}  // namespace huecast::skin
