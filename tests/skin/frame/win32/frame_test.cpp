// The skinned frame on a real window under the real system: pixels read back from the screen, the mouse
// moved and pressed with SetCursorPos and SendInput, as a user does.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <optional>
#include <vector>

#include "skin/frame/frame_strips.h"
#include "skin/format/picture_cache.h"
#include "skin/format/win32/form_skin.h"
#include "skin/frame/win32/frame.h"
#include "tests/support/win32/host_window.h"
#include "tests/support/win32/message_pump.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"

namespace huecast::skin {
namespace {

using namespace huecast::testing;

constexpr int kClientWidth = 599, kClientHeight = 419;
constexpr Size kLargest{700, 520};

class SkinFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = std::make_unique<TestHost>(TestHostArgs{.x = 100,
                                                        .y = 80,
                                                        .width = 640,
                                                        .height = 480,
                                                        .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                                        .caption = "Huecast2.4 For 2000/XP"});
        host_->onMessage = [this](UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
            if (message == WM_CLOSE) {
                closeAsked = true;
                return 0;
            }
            if (message == WM_GETMINMAXINFO) {
                auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
                info->ptMaxTrackSize = info->ptMaxSize = {kLargest.cx, kLargest.cy};
                return 0;
            }
            return std::nullopt;
        };
        form_ = host_->Handle();
        skin_.Load(form_, GetModuleHandleA(nullptr));
        frame_ = std::make_unique<TSkinFrame>(form_);
        frame_->borderIcons = {.systemMenu = true, .minimize = true, .maximize = true, .rollUp = false};
        frame_->showIcon = true;
        frame_->SetSkinData(&skin_.Data());
        const Size size = frame_->WindowSizeFor({kClientWidth, kClientHeight});
        SetWindowPos(form_, nullptr, 100, 80, size.cx, size.cy, SWP_NOZORDER);
        ShowWindow(form_, SW_SHOW);
        SetForegroundWindow(form_);
        PumpFor(300);
    }
    void TearDown() override {
        frame_.reset();
        host_.reset();
        PumpFor(50);
    }
    RECT Bounds() const {
        RECT r{};
        GetWindowRect(form_, &r);
        return r;
    }
    // The screen point at (x, y) of the window.
    POINT At(int x, int y) const {
        const RECT b = Bounds();
        return {b.left + x, b.top + y};
    }
    // Moves the mouse to (x, y) of the window, and lets the frame notice.
    void MoveTo(int x, int y, DWORD settleMs = 150) {
        huecast::testing::MoveTo(At(x, y));
        PumpFor(settleMs);
    }
    void Click(int x, int y) {
        MoveTo(x, y);
        PressLeft();
        ReleaseLeft();
        PumpFor(200);
    }
    // The look of an active.bmp rect as the screen shows it at (x, y) of the window.
    bool ShowsLook(const Rect& look, int x, int y) {
        const Bitmap* active = skin_.Data().ActivePicture24(2);
        const POINT at = At(x, y);
        const Bitmap screen = CaptureScreen(RECT{at.x, at.y, at.x + look.Width(), at.y + look.Height()});
        for (int j = 0; j < look.Height(); ++j)
            for (int i = 0; i < look.Width(); ++i)
                if (screen.PixelColor(i, j) != active->PixelColor(look.left + i, look.top + j)) return false;
        return true;
    }
    // Whether the look comes: a morph takes its steps on a timer, which a busy machine delays. A look that
    // never comes fails all the same, however long the deadline.
    bool ShowsLookSoon(const Rect& look, int x, int y) {
        return huecast::testing::PumpUntil([&] { return ShowsLook(look, x, y); }, 10000);
    }

    bool closeAsked = false;
    std::unique_ptr<TestHost> host_;
    HWND form_ = nullptr;
    FormSkin skin_;
    std::unique_ptr<TSkinFrame> frame_;
};

TEST_F(SkinFrameTest, TheClientAreaKeepsItsSizeInsideTheSkinnedFrame) {
    RECT client{};
    GetClientRect(form_, &client);
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);
    const RECT b = Bounds();
    EXPECT_EQ(b.right - b.left, 616);
    EXPECT_EQ(b.bottom - b.top, 453);
    EXPECT_EQ(GetWindowLongPtrA(form_, GWL_STYLE) & WS_CAPTION, 0);
}

TEST_F(SkinFrameTest, TheTopStripIsThePortableStripOutsideTheCaptionTextAndButtons) {
    const Bitmap main24 = To24Bits(skin_.Data().MainPicture());
    const FrameStrips plan =
        PlanFrameStrips(skin_.Data().FormInfo(), {main24.Width(), main24.Height()}, {616, 453});
    Bitmap expected(plan.top.size.cx, plan.top.size.cy, 24);
    DrawStrip(main24, plan.top, expected);
    const RECT b = Bounds();
    const Bitmap screen = CaptureScreen(RECT{b.left, b.top, b.left + 616, b.top + 26});
    // Objects and text: the icon (5, 4)-(21, 20), the caption text (25, 3)-(545, 21), the buttons from 549.
    const Rect covered[] = {{5, 4, 21, 20}, {25, 3, 546, 22}, {549, 3, 611, 22}};
    int compared = 0;
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 616; ++x) {
            bool skip = false;
            for (const Rect& r : covered)
                skip |= r.Contains({x, y});
            if (skip) continue;
            ASSERT_EQ(screen.PixelColor(x, y), expected.PixelColor(x, y)) << "at " << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 4000);
}

TEST_F(SkinFrameTest, ButtonsShowTheirNormalActiveAndDownLooks) {
    MoveTo(300, 200);
    EXPECT_TRUE(ShowsLookSoon({0, 0, 20, 19}, 591, 3));    // close, normal
    EXPECT_TRUE(ShowsLookSoon({21, 19, 41, 38}, 570, 3));  // maximize, normal
    EXPECT_TRUE(ShowsLookSoon({0, 57, 20, 76}, 549, 3));   // minimize, normal
    MoveTo(580, 10);                                       // over maximize: it morphs to its active look
    EXPECT_TRUE(ShowsLookSoon({0, 38, 20, 57}, 570, 3));
    PressLeft();
    EXPECT_TRUE(ShowsLookSoon({21, 38, 41, 57}, 570, 3));  // down
    MoveTo(300, 200);                                      // released away from it: nothing happens
    ReleaseLeft();
    // The release handled (this thread's view of the button follows the input it has taken), before what
    // it did is read.
    EXPECT_TRUE(huecast::testing::PumpUntil([] { return (GetKeyState(VK_LBUTTON) & 0x8000) == 0; }, 10000));
    EXPECT_TRUE(ShowsLookSoon({21, 19, 41, 38}, 570, 3));
    EXPECT_FALSE(frame_->State().Maximized());
}

TEST_F(SkinFrameTest, DraggingTheBottomRightCornerResizesWithinTheLimits) {
    const RECT before = Bounds();
    DragWhilePumping({before.right - 2, before.bottom - 2}, {before.right - 2 + 40, before.bottom - 2 + 30});
    RECT after = Bounds();
    EXPECT_EQ(after.right - after.left, 656);
    EXPECT_EQ(after.bottom - after.top, 483);
    RECT client{};
    GetClientRect(form_, &client);
    EXPECT_EQ(client.right, kClientWidth + 40);
    // The strips follow: the close button sits at the new right end.
    EXPECT_TRUE(ShowsLook({0, 0, 20, 19}, 631, 3));

    // Never above the largest size, never below the smallest.
    DragWhilePumping({after.right - 2, after.bottom - 2}, {after.right + 300, after.bottom + 300});
    after = Bounds();
    // The system's sizing loop stops the mouse at the largest size (Wine one pixel short of it).
    EXPECT_LE(after.right - after.left, kLargest.cx);
    EXPECT_GE(after.right - after.left, kLargest.cx - 1);
    EXPECT_LE(after.bottom - after.top, kLargest.cy);
    EXPECT_GE(after.bottom - after.top, kLargest.cy - 1);
    DragWhilePumping({after.right - 2, after.bottom - 2}, {after.left - 300, after.top - 300});
    after = Bounds();
    EXPECT_EQ(after.right - after.left, 177);
    EXPECT_EQ(after.bottom - after.top, 34);
}

TEST_F(SkinFrameTest, MaximizeAndRestoreByButtonAndByDoubleClick) {
    const RECT before = Bounds();
    Click(580, 10);
    EXPECT_TRUE(frame_->State().Maximized());
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT b = Bounds();
    EXPECT_EQ(b.left, work.left);
    EXPECT_EQ(b.top, work.top);
    EXPECT_EQ(b.right - b.left, std::min<LONG>(kLargest.cx, work.right - work.left));
    EXPECT_EQ(b.bottom - b.top, std::min<LONG>(kLargest.cy, work.bottom - work.top));
    // The button moved with the right edge and now restores.
    Click(b.right - b.left - 36, 10);
    EXPECT_FALSE(frame_->State().Maximized());
    b = Bounds();
    EXPECT_EQ(b.left, before.left);
    EXPECT_EQ(b.right, before.right);
    EXPECT_EQ(b.bottom, before.bottom);

    MoveTo(300, 10);
    PressLeft();
    ReleaseLeft();
    PressLeft();
    ReleaseLeft();
    PumpFor(300);
    EXPECT_TRUE(frame_->State().Maximized());
    MoveTo(300, 10);  // on the caption where the maximized window has it
    PressLeft();
    ReleaseLeft();
    PressLeft();
    ReleaseLeft();
    PumpFor(300);
    EXPECT_FALSE(frame_->State().Maximized());
    EXPECT_EQ(Bounds().right, before.right);
}

TEST_F(SkinFrameTest, MinimizeAndRestoreFromOutside) {
    const RECT before = Bounds();
    Click(559, 10);
    EXPECT_TRUE(IsIconic(form_));
    EXPECT_TRUE(frame_->State().Minimized());
    // The taskbar (or any program) restores it: the frame follows and the bounds come back.
    ShowWindow(form_, SW_RESTORE);
    PumpFor(200);
    EXPECT_FALSE(IsIconic(form_));
    EXPECT_EQ(frame_->State().Show(), WindowShow::Normal);
    EXPECT_EQ(Bounds().right, before.right);
    EXPECT_EQ(Bounds().bottom, before.bottom);
}

TEST_F(SkinFrameTest, CloseAsksTheFormToClose) {
    Click(600, 10);
    EXPECT_TRUE(closeAsked);
}

// Records the items the frame shows and picks nothing.
class RecordingMenu : public SystemMenuPopup {
  public:
    explicit RecordingMenu(std::vector<std::vector<SystemMenuItem>>* shown) : shown_(shown) {}
    SystemMenuChoice Popup(HWND, const std::vector<SystemMenuItem>& items, const std::vector<TMenuItem>&, POINT,
                           const RECT*) override {
        shown_->push_back(items);
        return {};
    }

  private:
    std::vector<std::vector<SystemMenuItem>>* shown_;
};

TEST_F(SkinFrameTest, RightClickOnTheCaptionShowsTheItemsForTheState) {
    std::vector<std::vector<SystemMenuItem>> shown;
    frame_->SetSystemMenuPopup(std::make_unique<RecordingMenu>(&shown));
    MoveTo(300, 10);
    RightClickAt(At(300, 10));
    PumpFor(200);
    ASSERT_EQ(shown.size(), 1u);
    std::vector<std::string> names;
    for (const auto& item : shown[0])
        names.push_back(item.Separator() ? "-" : item.name);
    EXPECT_EQ(names, (std::vector<std::string>{"SF_MINITEM", "SF_MAXITEM", "-", "SF_CLOSE"}));

    Click(580, 10);  // maximized
    const RECT b = Bounds();
    MoveTo((b.right - b.left) / 2, 10);
    RightClickAt(At((b.right - b.left) / 2, 10));
    PumpFor(200);
    ASSERT_EQ(shown.size(), 2u);
    names.clear();
    for (const auto& item : shown[1])
        names.push_back(item.Separator() ? "-" : item.name);
    EXPECT_EQ(names, (std::vector<std::string>{"SF_MINITEM", "SF_RESTORE", "-", "SF_CLOSE"}));
}

// Pixels of the caption text area in exactly `color`.
int CountColour(HWND form, std::uint32_t color) {
    RECT b{};
    GetWindowRect(form, &b);
    const Bitmap screen = CaptureScreen(RECT{b.left + 25, b.top + 3, b.left + 300, b.top + 21});
    return screen.Width() * screen.Height() - CountPixelsNot(screen, color);
}

TEST_F(SkinFrameTest, TheInactiveCaptionTakesTheSkinsInactiveColours) {
    EXPECT_GT(CountColour(form_, 16777215), 20);  // activefontcolor
    EXPECT_EQ(CountColour(form_, 12903423), 0);
    TestHost other({.x = 900,
                    .y = 700,
                    .width = 100,
                    .height = 100,
                    .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                    .caption = "other"});
    SetForegroundWindow(other.Handle());
    PumpFor(300);
    EXPECT_FALSE(frame_->Active());
    EXPECT_GT(CountColour(form_, 12903423), 20);  // fontcolor
    EXPECT_EQ(CountColour(form_, 16777215), 0);
}

}  // namespace
}  // namespace huecast::skin

namespace huecast::skin {
namespace {

TEST_F(SkinFrameTest, AReloadedSkinRebuildsTheObjectsThroughTheNotices) {
    int changes = 0;
    frame_->onChangeSkinData = [&] { ++changes; };
    skin_.Load(form_, GetModuleHandleA(nullptr));  // before-change, change and after-change notices
    PumpFor(200);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(frame_->Objects().size(), 6u);
    MoveTo(300, 200);
    EXPECT_TRUE(ShowsLook({0, 0, 20, 19}, 591, 3));
}

}  // namespace
}  // namespace huecast::skin

namespace huecast::skin {
namespace {

// A second form of the same kind, with its own frame.
std::unique_ptr<TestHost> MakeForm(int x, int y) {
    return std::make_unique<TestHost>(TestHostArgs{.x = x,
                                                   .y = y,
                                                   .width = 300,
                                                   .height = 200,
                                                   .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                                   .caption = "Plain"});
}

TEST_F(SkinFrameTest, FadingInWithoutTranslucencyEndsOpaqueAndUnlayered) {
    const std::unique_ptr<TestHost> host = MakeForm(400, 300);
    HWND form = host->Handle();
    {
        TSkinFrame frame(form);
        frame.alphaBlendAnimation = true;
        frame.alphaBlend = false;
        frame.SetSkinData(&skin_.Data());
        ShowWindow(form, SW_SHOW);
        // Layered at once, on whatever version the system reports.
        EXPECT_TRUE(GetWindowLongPtrA(form, GWL_EXSTYLE) & WS_EX_LAYERED);
        const DWORD end = GetTickCount() + 5000;
        while ((GetWindowLongPtrA(form, GWL_EXSTYLE) & WS_EX_LAYERED) && GetTickCount() < end)
            PumpFor(20);
        EXPECT_FALSE(GetWindowLongPtrA(form, GWL_EXSTYLE) & WS_EX_LAYERED);
    }
}

TEST_F(SkinFrameTest, WithoutASkinTheFrameIsPlain) {
    const std::unique_ptr<TestHost> host = MakeForm(400, 300);
    HWND form = host->Handle();
    {
        TSkinFrame frame(form);
        frame.SetSkinData(nullptr);
        ShowWindow(form, SW_SHOWNOACTIVATE);
        PumpFor(200);
        RECT client{}, bounds{};
        GetClientRect(form, &client);
        GetWindowRect(form, &bounds);
        EXPECT_EQ(client.right, 300 - 6);
        EXPECT_EQ(client.bottom, 200 - 25);
        const Bitmap screen = CaptureScreen(bounds);
        EXPECT_EQ(screen.PixelColor(0, 0), GetSysColor(COLOR_3DLIGHT));
        EXPECT_EQ(screen.PixelColor(1, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
        EXPECT_EQ(screen.PixelColor(299, 199), GetSysColor(COLOR_3DDKSHADOW));
        EXPECT_EQ(screen.PixelColor(2, 2), GetSysColor(COLOR_BTNFACE));
        // The close button: 17 pixels square at y = 4 against the right border, hit as an object.
        EXPECT_EQ(SendMessageA(form, WM_NCHITTEST, 0, MAKELPARAM(bounds.right - 10, bounds.top + 10)),
                  HTOBJECT);
        EXPECT_EQ(SendMessageA(form, WM_NCHITTEST, 0, MAKELPARAM(bounds.left + 150, bounds.top + 10)),
                  HTCAPTION);
    }
}

}  // namespace
}  // namespace huecast::skin
