// The skinned track bar under real input.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <memory>

#include "skin/picture/piece_geometry.h"
#include "skin/lists/win32/track_bar.h"
#include "tests/support/win32/message_pump.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"
#include "tests/support/win32/screen_reader_view.h"
#include "tests/support/win32/skinned_host.h"

namespace huecast::skin {
namespace {

using namespace huecast::testing;

// The main window's size bar: 10..500 at 30, 201 pixels wide.
class SizeBar : public ::testing::Test {
  protected:
    void SetUp() override {
        BringToFront(host.Handle());  // keys and the focus go to the active window
        TrackBarArgs args;
        args.control.parent = host.Handle();
        args.control.id = 128;
        args.control.x = 20;
        args.control.y = 20;
        args.control.width = 201;
        args.control.height = 20;
        args.skinData = &host.Skin();
        args.minValue = 10;
        args.maxValue = 500;
        args.value = 30;
        bar = std::make_unique<TSkinTrackBar>(args);
        bar->OnChange = [this] { ++changes; };
        PumpFor(30);
    }
    TrackBarGeometry Geometry() {
        return LayOutTrackBar({.width = 201,
                               .height = 22,
                               .element = host.Skin().SkinControlAs<TDataSkinTrackBarControl>("htrackbar")},
                              {10, 500, bar->Value()});
    }
    SkinnedHost host{{.x = 40, .y = 40, .width = 640, .height = 480}};
    std::unique_ptr<TSkinTrackBar> bar;
    int changes = 0;
};

TEST_F(SizeBar, FitsTheSkinAndDrawsItsThumbFromThePicture) {
    RECT rc{};
    GetClientRect(bar->Handle(), &rc);
    EXPECT_EQ(rc.right, 201);
    EXPECT_EQ(rc.bottom, 22);
    const auto& e = *host.Skin().SkinControlAs<TDataSkinTrackBarControl>("htrackbar");
    const Bitmap& picture = *host.Skin().ActivePicture24(e.pictureIndex);
    const Bitmap screen = CaptureScreen(bar->Handle());
    const TrackBarGeometry g = Geometry();
    ASSERT_EQ(g.thumb, (Rect{11, 1, 22, 21}));
    int wrong = 0;
    for (int y = 0; y < g.thumb.Height(); ++y)
        for (int x = 0; x < g.thumb.Width(); ++x)
            wrong += screen.PixelColor(g.thumb.left + x, g.thumb.top + y) !=
                     picture.PixelColor(e.buttonRect.left + x, e.buttonRect.top + y);
    EXPECT_EQ(wrong, 0);
}

TEST_F(SizeBar, DraggingTheThumbToTheRightEndGivesTheMaximum) {
    const TrackBarGeometry g = Geometry();
    const Point thumb{g.thumb.left + 5, g.thumb.top + 10};
    HoverOver(bar->Handle(), thumb);
    PumpFor(20);
    PressLeft();
    PumpFor(10);
    HoverOver(bar->Handle(), Point{thumb.x + 60, thumb.y});
    PumpFor(20);
    const int midway = bar->Value();
    EXPECT_GT(midway, 30);
    EXPECT_LT(midway, 500);
    HoverOver(bar->Handle(), Point{thumb.x + 400, thumb.y + 30});
    PumpFor(20);
    ReleaseLeft();
    PumpFor(20);
    EXPECT_EQ(bar->Value(), 500);
    EXPECT_GE(changes, 2);
    // A press beside the thumb does nothing without JumpWhenClick.
    const int before = changes;
    HoverOver(bar->Handle(), Point{40, 10});
    PumpFor(20);
    PressLeft();
    PumpFor(10);
    ReleaseLeft();
    PumpFor(20);
    EXPECT_EQ(bar->Value(), 500);
    EXPECT_EQ(changes, before);
}

TEST_F(SizeBar, AnswersTheSystemTrackBarsMessagesAndSettingRunsTheChangeOnce) {
    EXPECT_EQ(SendMessageA(bar->Handle(), TBM_GETPOS, 0, 0), 30);
    SendMessageA(bar->Handle(), TBM_SETPOS, TRUE, 5);
    EXPECT_EQ(bar->Value(), 10);
    EXPECT_EQ(changes, 1);
    SendMessageA(bar->Handle(), TBM_SETPOS, TRUE, 10);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(SendMessageA(bar->Handle(), TBM_GETRANGEMIN, 0, 0), 10);
    EXPECT_EQ(SendMessageA(bar->Handle(), TBM_GETRANGEMAX, 0, 0), 500);
}

// What the control base gives the track bar: the plain look where the skin has no element, a size that
// follows the element once the skin comes, and what a screen reader reads.
TEST(TrackBarOnTheBase, PlainWithoutTheSkinFittedWithItAndReadAsASlider) {
    SkinnedHost host{{.x = 40, .y = 40, .width = 640, .height = 480}};
    TrackBarArgs args;
    args.control = {.parent = host.Handle(), .id = 9, .x = 20, .y = 20, .width = 150, .height = 40};
    args.skinDataName = "no such element";
    args.skinData = &host.Skin();
    args.minValue = 10;
    args.maxValue = 500;
    args.value = 30;
    TSkinTrackBar bar(args);
    PumpFor(30);
    const Bitmap plain = CaptureScreen(bar.Handle());
    ASSERT_EQ(plain.Width(), 150);
    EXPECT_EQ(plain.PixelColor(0, 0), GetSysColor(COLOR_BTNSHADOW)) << "the plain frame";
    EXPECT_EQ(plain.PixelColor(100, 5), GetSysColor(COLOR_BTNFACE)) << "the plain face";

    bar.SetSkinDataName("htrackbar");
    bar.SkinChanged();
    RECT rc{};
    GetClientRect(bar.Handle(), &rc);
    EXPECT_EQ(rc.bottom, 22) << "fitted to the element's height";
    EXPECT_EQ(rc.right, 150);

    const ScreenReaderView reader(bar.Handle());
    EXPECT_EQ(reader.Role(), ROLE_SYSTEM_SLIDER);
    bar.SetValue(250);
    EXPECT_EQ(reader.Value(), L"250");
}

}  // namespace
}  // namespace huecast::skin
