// The font list of the real huecast.exe under real mouse and keys: its drop-down opens below the box
// without taking the activation from the main window, Escape leaves the choice alone, and a click on an
// entry gives the selected text that font.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"
#include "tests/app/huecast_driver.h"
#include "tests/support/win32/real_input.h"

namespace huecast::testing {
namespace {

constexpr int kRowHeight = 20;
constexpr int kListFrame = 2;  // the skin's list frame around the rows, on each side

// Clicks the box's button and waits for the drop-down; nullptr when it did not open.
HWND OpenDropDown(HuecastProcess& p, HWND combo) {
    const Rect box = ScreenRect(combo);
    ClickAt({box.right - 8, (box.top + box.bottom) / 2});
    for (int i = 0; i < 60; ++i) {
        p.Sync();
        if (HWND popup = FindTopLevel(p.ProcessId(), "HuecastPopupListBox")) return popup;
        Sleep(50);
    }
    return nullptr;
}

POINT RowPoint(HWND popup, int row) {
    const Rect list = ScreenRect(popup);
    return {list.left + 30, list.top + kListFrame + row * kRowHeight + kRowHeight / 2};
}

TEST(FontList, DropsDownWithoutTakingTheActivationAndAClickChoosesTheSelectionsFont) {
    HuecastProcess p;
    p.Type("abc");
    p.SelectEditorText(0, 3);
    ASSERT_TRUE(BringToFront(p.Window()));
    HWND combo = p.Control(ids::kSkinComboBox1);
    const int before = p.ComboSelection(ids::kSkinComboBox1);
    const std::string shown = p.Text(ids::kSkinComboBox1);

    HWND popup = OpenDropDown(p, combo);
    ASSERT_NE(popup, nullptr);
    const Rect box = ScreenRect(combo), list = ScreenRect(popup);
    EXPECT_EQ(list.left, box.left);
    EXPECT_EQ(list.right, box.right);
    EXPECT_EQ(list.top, box.bottom);
    EXPECT_EQ(list.bottom - list.top, 8 * kRowHeight + 2 * kListFrame) << "8 of the 26 fonts";
    EXPECT_EQ(GetForegroundWindow(), p.Window());

    // Escape goes to the open list, not to the window: the choice stays.
    MoveTo(RowPoint(popup, 3));
    PressKeys({VK_ESCAPE});
    p.Sync();
    EXPECT_FALSE(IsWindowVisible(popup));
    EXPECT_EQ(p.ComboSelection(ids::kSkinComboBox1), before);
    EXPECT_EQ(p.Text(ids::kSkinComboBox1), shown);
    EXPECT_TRUE(IsWindowVisible(p.Window()));

    popup = OpenDropDown(p, combo);
    ASSERT_NE(popup, nullptr);
    ClickAt(RowPoint(popup, 1));  // "Arial"
    p.Sync();
    EXPECT_FALSE(IsWindowVisible(popup));
    EXPECT_EQ(p.ComboSelection(ids::kSkinComboBox1), 1);
    EXPECT_EQ(p.Text(ids::kSkinComboBox1), "Arial");
    EXPECT_EQ(GetForegroundWindow(), p.Window());
    SetClipboardText("");
    p.Click(ids::kButton1);
    const std::string copied = ClipboardText().value_or("<nothing copied>");
    EXPECT_NE(copied.find("Arial"), std::string::npos) << copied;
}

}  // namespace
}  // namespace huecast::testing
