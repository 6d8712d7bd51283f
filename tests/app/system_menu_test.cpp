// The main window's system menu in the skinned menus, driven by the real pointer and keys: it opens on a
// right click on the caption without taking the activation, lights the item under the pointer, minimizes
// on 最小化, and closes on Escape and on a click outside.
#include <gtest/gtest.h>

#include <vector>

#include "app/control_ids.h"
#include "tests/app/huecast_driver.h"
#include "tests/app/real_input.h"

namespace huecast::testing {
namespace {

std::vector<HWND> MenuLevels(const HuecastProcess& p) {
    return VisibleTopLevels(p.ProcessId(), "HuecastSkinPopup");
}

HWND WaitForLevel(const HuecastProcess& p, bool open) {
    for (int i = 0; i < 150; ++i) {
        const std::vector<HWND> levels = MenuLevels(p);
        if (open && levels.size() == 1) return levels[0];
        if (!open && levels.empty()) return nullptr;
        Sleep(20);
    }
    return open ? nullptr : MenuLevels(p).front();
}

COLORREF ScreenPixel(POINT at) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return c;
}

// Items of the built-in skin are 20 pixels high below a 2-pixel border: 最小化, 最大化, a divider, 关闭.
POINT ItemPoint(HWND level, int index, int x = 40) {
    RECT r{};
    GetWindowRect(level, &r);
    return {r.left + x, r.top + 2 + 20 * index + 10};
}

HWND OpenByCaption(HuecastProcess& p) {
    const std::optional<POINT> caption = FindHitTest(p.Window(), HTCAPTION);
    if (!caption) return nullptr;
    RightClickAt(*caption);
    return WaitForLevel(p, true);
}

TEST(SystemMenu, OpensOnTheCaptionWithoutTakingTheActivationAndMinimizes) {
    HuecastProcess p;
    ASSERT_TRUE(BringToFront(p.Window()));
    HWND level = OpenByCaption(p);
    ASSERT_NE(level, nullptr) << "no skinned menu on a right click on the caption";
    EXPECT_EQ(GetForegroundWindow(), p.Window()) << "the menu took the activation";
    EXPECT_TRUE(GetWindowLongA(level, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT r{};
    GetWindowRect(level, &r);
    EXPECT_EQ(r.bottom - r.top, 72);

    // The item under the pointer lights up (the active look of the skin's menu item).
    const POINT second = ItemPoint(level, 1, 5);
    const COLORREF before = ScreenPixel(second);
    MoveTo(ItemPoint(level, 1));
    Sleep(200);
    EXPECT_NE(ScreenPixel(second), before) << "the item under the pointer did not light up";

    ClickAt(ItemPoint(level, 0));  // 最小化
    EXPECT_EQ(WaitForLevel(p, false), nullptr);
    for (int i = 0; i < 100 && !IsIconic(p.Window()); ++i)
        Sleep(20);
    EXPECT_TRUE(IsIconic(p.Window()));
}

TEST(SystemMenu, ClosesOnEscapeAndOnAClickOutside) {
    HuecastProcess p;
    ASSERT_TRUE(BringToFront(p.Window()));
    ASSERT_NE(OpenByCaption(p), nullptr);
    PressKeys({VK_ESCAPE});
    EXPECT_EQ(WaitForLevel(p, false), nullptr) << "Escape left the menu open";
    EXPECT_TRUE(IsWindowVisible(p.Window()));

    ASSERT_NE(OpenByCaption(p), nullptr);
    ClickAt(CentreOf(p.Control(ids::kRichEdit1)));
    EXPECT_EQ(WaitForLevel(p, false), nullptr) << "a click outside left the menu open";
    EXPECT_FALSE(IsIconic(p.Window()));
}

}  // namespace
}  // namespace huecast::testing
