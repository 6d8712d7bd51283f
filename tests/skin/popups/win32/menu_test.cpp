// The skinned menus under the real pointer and keyboard: levels that never take the activation, the item
// under the pointer, choosing, Escape and a click outside, a 60-item level that scrolls, and a submenu
// beside its item. The menus live in this process, so the test pumps its own messages while it waits.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "skin/format/win32/form_skin.h"
#include "skin/popups/win32/menu.h"
#include "tests/support/win32/message_pump.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/skinned_host.h"

namespace huecast::skin {
namespace {

using namespace huecast::testing;

TMenuItem Item(std::string caption, std::function<void()> onClick = {}, std::string name = {},
               std::string shortCut = {}) {
    TMenuItem item;
    item.caption = std::move(caption);
    item.onClick = std::move(onClick);
    item.name = std::move(name);
    item.shortCut = std::move(shortCut);
    return item;
}

POINT Centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class SkinnedMenu : public ::testing::Test {
  protected:
    void SetUp() override {
        host_.onMessage = [this](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message == kMenuClosedMessage) ++closedMessages;
            return std::nullopt;
        };
        SetForegroundWindow(opener_);
        SetFocus(opener_);
        PumpFor(100);
        menu_.skinData = &host_.Skin();
    }
    void TearDown() override { menu_.CloseAll(); }
    TSkinPopupWindow& Level(std::size_t i) { return *menu_.Levels().at(i); }

    int closedMessages = 0;
    SkinnedHost host_{{.x = 100,
                       .y = 100,
                       .width = 500,
                       .height = 400,
                       .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       .caption = "opener",
                       .background = GetSysColor(COLOR_WINDOW)}};
    HWND opener_ = host_.Handle();
    TSkinMenu menu_;
};

TEST_F(SkinnedMenu, ASystemMenuHighlightsUnderThePointerWithoutTakingTheActivationAndRunsTheChosenItem) {
    int minimized = 0, closed = 0;
    const std::vector<TMenuItem> items = {
        Item(
            "最小化(&N)", [&] { ++minimized; }, "SF_MINITEM"),
        Item("最大化(&X)", {}, "SF_MAXITEM"),
        Item("-"),
        Item(
            "关闭(&C)", [&] { ++closed; }, "SF_CLOSE", "Alt+F4"),
    };
    menu_.Popup(opener_, items, {300, 300});
    PumpFor(100);
    ASSERT_EQ(menu_.Levels().size(), 1u);
    HWND level = Level(0).Handle();
    EXPECT_TRUE(IsWindowVisible(level));
    EXPECT_EQ(Level(0).WindowSize().cy, 72);  // 20 + 20 + 8 + 20 within pw.bmp's 2-pixel margins
    EXPECT_TRUE(GetWindowLongA(level, GWL_EXSTYLE) & WS_EX_TOPMOST);

    MoveTo(Centre(Level(0).ItemScreenRect(1)));
    PumpFor(150);
    EXPECT_EQ(Level(0).ActiveItem(), 1);
    ClickAt(Centre(Level(0).ItemScreenRect(0)));
    PumpFor(150);
    EXPECT_EQ(GetForegroundWindow(), opener_) << "a click on a level took the activation";
    EXPECT_EQ(GetFocus(), opener_);
    EXPECT_EQ(minimized, 1);
    EXPECT_FALSE(menu_.IsOpen());
    EXPECT_FALSE(IsWindow(level));
    EXPECT_EQ(closedMessages, 1);

    // A divider and a disabled item are not chosen.
    menu_.Popup(opener_, items, {300, 300});
    PumpFor(50);
    ClickAt(Centre(Level(0).ItemScreenRect(2)));
    PumpFor(100);
    EXPECT_TRUE(menu_.IsOpen());
    // Keys go to the menu: down to the next item and Enter chooses.
    PressKeys({VK_DOWN});
    PressKeys({VK_RETURN});
    PumpFor(100);
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(menu_.IsOpen());
}

TEST_F(SkinnedMenu, EscapeOrAClickOutsideCloses) {
    const std::vector<TMenuItem> items = {Item("one"), Item("two")};
    menu_.Popup(opener_, items, {300, 300});
    PumpFor(50);
    PressKeys({VK_ESCAPE});
    PumpFor(100);
    EXPECT_FALSE(menu_.IsOpen());
    EXPECT_EQ(closedMessages, 1);

    menu_.Popup(opener_, items, {300, 300});
    PumpFor(50);
    ClickAt({150, 450});  // on the opener, away from the level
    PumpFor(100);
    EXPECT_FALSE(menu_.IsOpen());
    EXPECT_EQ(closedMessages, 2);
}

TEST_F(SkinnedMenu, ALevelTallerThanTheWorkAreaScrollsUnderThePointer) {
    std::vector<TMenuItem> items(60);
    for (int i = 0; i < 60; ++i)
        items[static_cast<std::size_t>(i)].caption = "item " + std::to_string(i);
    menu_.Popup(opener_, items, {300, 10});
    PumpFor(50);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    TSkinPopupWindow& level = Level(0);
    ASSERT_TRUE(level.Layout().scrolls);
    EXPECT_EQ(level.WindowSize().cy, work.bottom - work.top);
    RECT window{};
    GetWindowRect(level.Handle(), &window);
    const Rect down = level.Layout().downStrip.Offset(window.left, window.top);
    MoveTo(Centre(down));
    PumpFor(600);
    EXPECT_GT(level.Scroll(), 0);
    // The item under the pointer after scrolling is a later one.
    const int scrolled = level.Scroll();
    MoveTo({Centre(down).x, Centre(down).y - 30});
    PumpFor(150);
    EXPECT_GT(level.ActiveItem(), (work.bottom - work.top) / 20 - 3);
    EXPECT_EQ(level.Scroll(), scrolled);
}

TEST_F(SkinnedMenu, ASubmenuOpensBesideItsItem) {
    int chosen = 0;
    std::vector<TMenuItem> items = {Item("first"), Item("more"), Item("last")};
    items[1].items = {Item("sub one"), Item("sub two", [&] { ++chosen; })};
    menu_.Popup(opener_, items, {300, 300});
    PumpFor(50);
    MoveTo(Centre(Level(0).ItemScreenRect(1)));
    PumpFor(150);
    ASSERT_EQ(menu_.Levels().size(), 2u);
    RECT parent{}, child{};
    GetWindowRect(Level(0).Handle(), &parent);
    GetWindowRect(Level(1).Handle(), &child);
    EXPECT_EQ(child.left, parent.right);
    EXPECT_EQ(Level(1).ItemScreenRect(0).top, Level(0).ItemScreenRect(1).top);
    MoveTo(Centre(Level(1).ItemScreenRect(1)));
    PumpFor(150);
    ClickAt(Centre(Level(1).ItemScreenRect(1)));
    PumpFor(150);
    EXPECT_EQ(chosen, 1);
    EXPECT_FALSE(menu_.IsOpen());
    EXPECT_EQ(closedMessages, 1);
}

}  // namespace
}  // namespace huecast::skin
