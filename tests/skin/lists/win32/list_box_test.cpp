// The skinned list box under real input: its bar as items come and go, its item looks in the skin's
// colours, clicks and the wheel, and no handle leaks across refreshes.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/lists/win32/list_box.h"
#include "tests/support/win32/message_pump.h"
#include "tests/support/win32/object_counts.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"
#include "tests/support/win32/skinned_host.h"

namespace huecast::skin {
namespace {

using namespace huecast::testing;

std::vector<std::string> Names(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back("item " + std::to_string(i));
    return names;
}

class ListBox : public ::testing::Test {
  protected:
    // The favourites list of the main window: 166 x 97, 20-pixel items.
    void Make(int width = 166, int height = 97) {
        BringToFront(host.Handle());  // keys and the focus go to the active window
        ListBoxArgs args;
        args.control.parent = host.Handle();
        args.control.id = 132;
        args.control.x = 10;
        args.control.y = 10;
        args.control.width = width;
        args.control.height = height;
        args.skinData = &host.Skin();
        list = std::make_unique<TSkinListBox>(args);
        list->OnListBoxClick = [this] { ++clicks; };
        PumpFor(30);
    }
    Rect ListRect() {
        RECT rc{};
        GetWindowRect(list->ListHandle(), &rc);
        MapWindowPoints(nullptr, list->Handle(), reinterpret_cast<POINT*>(&rc), 2);
        return {rc.left, rc.top, rc.right, rc.bottom};
    }
    const TDataSkinListBox& Element() { return *host.Skin().SkinControlAs<TDataSkinListBox>("listbox"); }

    SkinnedHost host{{.x = 40, .y = 40, .width = 640, .height = 480}};
    std::unique_ptr<TSkinListBox> list;
    int clicks = 0;
};

TEST_F(ListBox, TheBarComesWithTheItemsThatNeedItAndGoesWithThem) {
    Make();
    list->SetItems(Names(3));
    EXPECT_EQ(list->VScrollBar(), nullptr);
    EXPECT_EQ(ListRect(), (Rect{2, 2, 164, 95}));
    list->SetItems(Names(10));
    ASSERT_NE(list->VScrollBar(), nullptr);
    EXPECT_EQ(list->VScrollBar()->PageSize(), 4);
    EXPECT_EQ(list->VScrollBar()->Max(), 9);
    EXPECT_EQ(ListRect(), (Rect{2, 2, 145, 95}));
    list->Delete(9);
    list->Delete(8);
    EXPECT_EQ(list->VScrollBar()->Max(), 7);
    for (int i = 0; i < 4; ++i)
        list->Delete(0);
    EXPECT_EQ(list->VScrollBar(), nullptr);
    EXPECT_EQ(ListRect(), (Rect{2, 2, 164, 95}));
}

TEST_F(ListBox, ItemsShowTheNormalActiveAndFocusedLooksInTheSkinsColours) {
    Make();
    list->SetItems(Names(3));
    list->SetItemIndex(1);
    PumpFor(30);
    const TDataSkinListBox& e = Element();
    const Bitmap& picture = *host.Skin().ActivePicture24(e.pictureIndex);
    // A column inside the item's left end piece, left of the text, shows the item picture unchanged.
    const auto look = [&](int row) { return CaptureScreen(list->ListHandle()).PixelColor(1, row * 20 + 10); };
    EXPECT_EQ(look(0), picture.PixelColor(e.itemRect.left + 1, e.itemRect.top + 10));
    EXPECT_EQ(look(1), picture.PixelColor(e.activeItemRect.left + 1, e.activeItemRect.top + 10));
    SetFocus(list->ListHandle());
    PumpFor(30);
    EXPECT_EQ(look(1), picture.PixelColor(e.focusItemRect.left + 1, e.focusItemRect.top + 10));
    // The text is drawn in the colour of each state.
    const auto hasColour = [&](int row, Color colour) {
        const Bitmap shot = CaptureScreen(list->ListHandle());
        for (int y = row * 20; y < row * 20 + 20; ++y)
            for (int x = 0; x < shot.Width(); ++x)
                if (shot.PixelColor(x, y) == colour) return true;
        return false;
    };
    EXPECT_TRUE(hasColour(0, e.font.color));
    EXPECT_TRUE(hasColour(1, e.focusFontColor));
}

TEST_F(ListBox, AClickSelectsOnceAndTellsTheParentUnderTheControlsId) {
    Make();
    list->SetItems(Names(3));
    const Rect inner = ListRect();
    HoverOver(list->Handle(), Point{inner.left + 30, inner.top + 30});  // the second item
    PumpFor(20);
    PressLeft();
    PumpFor(10);
    ReleaseLeft();
    PumpFor(20);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    // Cross-process readers ask the control itself, as they ask a system list box.
    EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCURSEL, 0, 0), 1);
    wchar_t text[32] = {};
    SendMessageW(list->Handle(), LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"item 2");
}

TEST_F(ListBox, TheWheelScrollsOneLinePerNotchAndTheBarFollows) {
    Make(140, 152);  // the chat-window list: 7 rows
    list->SetItems(Names(10));
    ASSERT_NE(list->VScrollBar(), nullptr);
    const Rect inner = ListRect();
    HoverOver(list->Handle(), Point{inner.left + 20, inner.top + 10});
    PumpFor(20);
    PressLeft();
    PumpFor(10);
    ReleaseLeft();
    PumpFor(20);
    Wheel(-1);  // towards the user
    PumpFor(20);
    EXPECT_EQ(list->TopIndex(), 1);
    EXPECT_EQ(list->VScrollBar()->Position(), 1);
    Wheel(-5);
    PumpFor(20);
    EXPECT_EQ(list->TopIndex(), 3);
    Wheel(2);
    PumpFor(20);
    EXPECT_EQ(list->TopIndex(), 1);
}

// What the control base gives the list: the plain look without skin data, and what a screen reader reads.
TEST_F(ListBox, WithoutTheSkinItIsPlainAndAScreenReaderReadsTheSelectedItem) {
    Make();
    list->SetItems(Names(3));
    list->SetItemIndex(2);
    list->SetSkinData(nullptr);
    PumpFor(30);
    const Bitmap frame = CaptureScreen(list->Handle());
    EXPECT_EQ(frame.PixelColor(0, 40), GetSysColor(COLOR_BTNSHADOW)) << "the plain frame";

    CoInitialize(nullptr);
    IAccessible* accessible = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(list->Handle(), static_cast<DWORD>(OBJID_CLIENT), kIIDAccessible,
                                         reinterpret_cast<void**>(&accessible)),
              S_OK);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    ASSERT_EQ(accessible->get_accRole(self, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_LIST);
    BSTR value = nullptr;
    ASSERT_EQ(accessible->get_accValue(self, &value), S_OK);
    EXPECT_STREQ(value, L"item 2");
    SysFreeString(value);
    accessible->Release();
    CoUninitialize();
}

TEST_F(ListBox, RefreshesKeepTheSelectionAndLeakNoHandles) {
    Make(140, 152);
    list->SetItems(Names(10));
    list->SetItemIndex(2);
    const auto objects = [] { return CountOwnObjects(); };
    list->SetItems(Names(3));
    list->SetItems(Names(10));
    PumpFor(20);
    const auto before = objects();
    // Ends on 10 items, as measured before: the bar that 10 items need is one window of the count.
    for (int i = 0; i < 100; ++i) {
        list->SetItems(Names(i % 2 ? 10 : 3));
        UpdateWindow(list->Handle());
        UpdateWindow(list->ListHandle());
    }
    PumpFor(20);
    EXPECT_EQ(objects(), before);
    EXPECT_EQ(list->ItemIndex(), 2);
}

}  // namespace
}  // namespace huecast::skin
