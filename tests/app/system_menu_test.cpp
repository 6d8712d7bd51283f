// The main window's system menu in the skinned menus, driven by the real pointer and keys: it opens on a
// right click on the caption without taking the activation, lights the item under the pointer, minimizes
// on 最小化, and closes on Escape and on a click outside. Choosing skins from it: skin_choice_test.cpp.
#include <gtest/gtest.h>

#include <vector>

#include "app/control_ids.h"
#include "tests/app/huecast_driver.h"
#include "tests/app/skinned_menus.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"

namespace huecast::testing {
namespace {

TEST(SystemMenu, OpensOnTheCaptionWithoutTakingTheActivationAndMinimizes) {
    HuecastProcess p;
    ASSERT_TRUE(BringToFront(p.Window()));
    HWND level = OpenSystemMenu(p);
    ASSERT_NE(level, nullptr) << "no skinned menu on a right click on the caption";
    EXPECT_EQ(GetForegroundWindow(), p.Window()) << "the menu took the activation";
    EXPECT_TRUE(GetWindowLongA(level, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT r{};
    GetWindowRect(level, &r);
    EXPECT_EQ(r.bottom - r.top, 92);  // 最小化, 最大化, 皮肤, a divider, 关闭

    // The item under the pointer lights up (the active look of the skin's menu item).
    const POINT second = ItemPoint(level, 1, 5);
    const COLORREF before = ScreenPixel(second);
    MoveTo(ItemPoint(level, 1));
    Sleep(200);
    EXPECT_NE(ScreenPixel(second), before) << "the item under the pointer did not light up";

    ClickAt(ItemPoint(level, 0));  // 最小化
    EXPECT_EQ(WaitForLevels(p, 0), nullptr);
    for (int i = 0; i < 100 && !IsIconic(p.Window()); ++i)
        Sleep(20);
    EXPECT_TRUE(IsIconic(p.Window()));
}

TEST(SystemMenu, ClosesOnEscapeAndOnAClickOutside) {
    HuecastProcess p;
    ASSERT_TRUE(BringToFront(p.Window()));
    ASSERT_NE(OpenSystemMenu(p), nullptr);
    PressKeys({VK_ESCAPE});
    EXPECT_EQ(WaitForLevels(p, 0), nullptr) << "Escape left the menu open";
    EXPECT_TRUE(IsWindowVisible(p.Window()));

    ASSERT_NE(OpenSystemMenu(p), nullptr);
    ClickAt(CentreOf(p.Control(ids::kRichEdit1)));
    EXPECT_EQ(WaitForLevels(p, 0), nullptr) << "a click outside left the menu open";
    EXPECT_FALSE(IsIconic(p.Window()));
}

}  // namespace
}  // namespace huecast::testing
