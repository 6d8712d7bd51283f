// The skinned hints of the main window, driven by the real pointer: one topmost hint that never takes the
// activation, its lines, its border cut from the skin's hw.bmp, the switch between neighbours, and the hint
// of a disabled button.
#include <gtest/gtest.h>

#include <vector>

#include "app/control_ids.h"
#include "tests/app/huecast_driver.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"

namespace huecast::testing {
namespace {

std::vector<HWND> ShownHints(const HuecastProcess& p) {
    return VisibleTopLevels(p.ProcessId(), "HuecastSkinHint");
}

std::string TextOf(HWND window) {
    char buffer[1024] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL, 2000,
                        nullptr);
    return buffer;
}

// Waits until exactly one hint shows `text`; returns it, or nullptr.
HWND WaitForHint(const HuecastProcess& p, const std::string& text) {
    const ULONGLONG start = GetTickCount64();
    while (GetTickCount64() - start < 20000) {  // returns as soon as the hint shows
        const std::vector<HWND> shown = ShownHints(p);
        if (shown.size() == 1 && TextOf(shown[0]) == text) return shown[0];
        Sleep(10);
    }
    return nullptr;
}

const std::string kSendHint = "将彩字传到指定的QQ窗口，\r\n并自动发送出去。";
const std::string kClearHint = "清空编辑框及剪贴板";

TEST(SkinnedHints, HoveringShowsOneTopmostNonActivatingHintSwitchingQuicklyBetweenNeighbours) {
    HuecastProcess p;
    ASSERT_TRUE(BringToFront(p.Window()));
    // With the editor empty, Send is disabled: its hint shows all the same.
    HWND send = p.Control(ids::kSkinButton5);
    ASSERT_FALSE(IsWindowEnabled(send));
    MoveTo({CentreOf(send).x - 3, CentreOf(send).y});
    MoveTo(CentreOf(send));
    HWND hint = WaitForHint(p, kSendHint);
    ASSERT_NE(hint, nullptr) << "no hint on the disabled Send button";

    p.Type("ab");
    ASSERT_TRUE(IsWindowEnabled(send));
    MoveTo({0, 0});  // away, and back: the hint of the enabled button
    MoveTo(CentreOf(send));
    hint = WaitForHint(p, kSendHint);
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(GetWindowLongA(hint, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongA(hint, GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    EXPECT_EQ(GetForegroundWindow(), p.Window()) << "the hint took the activation";

    // Two lines of 12-pixel text in hw.bmp's 3-pixel border; its corner and edge pixels are the picture's.
    RECT r{};
    GetWindowRect(hint, &r);
    EXPECT_GE(r.bottom - r.top, 2 * 12 + 6);
    // The hint is found when it shows; its first paint reaches the screen a moment later, or much later on
    // a busy machine.
    const auto drawn = [&] {
        return ScreenPixel({r.left, r.top}) == ScreenPixel({r.right - 1, r.top}) &&
               ScreenPixel({r.left + 10, r.top}) == ScreenPixel({r.left + 40, r.top}) &&
               ScreenPixel({r.left, r.top + 10}) != ScreenPixel({r.left + 5, r.top + 10});
    };
    for (const ULONGLONG until = GetTickCount64() + 20000; !drawn() && GetTickCount64() < until;)
        Sleep(10);
    EXPECT_EQ(ScreenPixel({r.left, r.top}), ScreenPixel({r.right - 1, r.top})) << "corners of hw.bmp";
    EXPECT_EQ(ScreenPixel({r.left + 10, r.top}), ScreenPixel({r.left + 40, r.top})) << "top edge tiled";
    EXPECT_NE(ScreenPixel({r.left, r.top + 10}), ScreenPixel({r.left + 5, r.top + 10})) << "a border, then the fill";

    // To the neighbour while the hint shows: its hint takes the place of the first, never beside it. Which
    // pause the switch waits is the hint schedule's, tested natively; a clock read from another process on
    // a busy machine cannot tell 100 ms from 500.
    MoveTo(CentreOf(p.Control(ids::kSkinButton4)));
    ASSERT_NE(WaitForHint(p, kClearHint), nullptr);
    EXPECT_EQ(ShownHints(p).size(), 1u);

    // A press hides it.
    ClickAt(CentreOf(p.Control(ids::kRichEdit1)));
    EXPECT_TRUE(ShownHints(p).empty());
}

}  // namespace
}  // namespace huecast::testing
