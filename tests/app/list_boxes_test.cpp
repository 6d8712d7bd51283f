// The main window's skinned lists under real input, end to end: a favourite opened by a click, and the
// chat list's bar as the fake messenger's chat windows come and go.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "tests/app/huecast_driver.h"
#include "tests/support/win32/object_counts.h"
#include "tests/support/win32/real_input.h"
#include "tests/bridge/fake_messenger_process.h"

namespace huecast::testing {
namespace {

constexpr const char* kSendButtonText = "发送(&S)";

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR reply = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 5000, &reply);
    return static_cast<LRESULT>(reply);
}

// The system list box inside a skinned list.
HWND InnerList(HWND skinnedList) {
    return FindWindowExA(skinnedList, nullptr, "ListBox", nullptr);
}

// The skinned list's visible vertical bar: its one visible child besides the inner list, or nullptr.
HWND VisibleBar(HWND skinnedList) {
    HWND inner = InnerList(skinnedList);
    for (HWND child = GetWindow(skinnedList, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (child != inner && IsWindowVisible(child)) return child;
    return nullptr;
}

// The centre of item `index` on the screen.
POINT ItemCentre(HWND skinnedList, int index) {
    HWND inner = InnerList(skinnedList);
    RECT item{};
    SendMessageA(inner, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(inner, &centre);
    return centre;
}

std::string Favourite(int number) {
    const std::string n = std::to_string(number);
    return "[" + n + "]\r\nname=favourite " + n +
           "\r\nrtf={\\rtf1\\ansi{\\fonttbl{\\f0\\fnil Arial;}}\\pard\\f0\\fs40 words of favourite " + n +
           "\\par}\r\n";
}

TEST(FavouritesList, AClickOnAFavouriteOpensItOnce) {
    HuecastProcess p("[Head]\r\nCount=3\r\n" + Favourite(1) + Favourite(2) + Favourite(3));
    ASSERT_TRUE(BringToFront(p.Window()));
    HWND list = p.Control(ids::kSkinListBox2);
    ASSERT_EQ(p.ListCount(ids::kSkinListBox2), 3);

    ClickAt(ItemCentre(list, 1));
    ASSERT_TRUE(WaitUntil([&] { return p.Text(ids::kEdit2) == "favourite 2"; }, 3000)) << p.Text(ids::kEdit2);
    EXPECT_EQ(p.ListSelection(ids::kSkinListBox2), 1);
    // Opened once, not streamed in on top of itself.
    EXPECT_EQ(p.Text(ids::kRichEdit1), "words of favourite 2");

    // A second opening arriving late (a repeated notice, a double click made of one click) would throw
    // away what the user typed since (at the start of the text, where opening leaves the insertion point).
    p.Type("!");
    Sleep(700);
    p.Sync();
    EXPECT_EQ(p.Text(ids::kRichEdit1), "!words of favourite 2");
}

std::vector<std::string> ChatNames(const char* prefix, int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back(prefix + std::to_string(i));
    return names;
}

// The send buttons of a fake messenger's chat windows. A chat window whose send button is renamed no
// longer counts as a chat window, and counts again once the name is back: the windows come and go without
// starting processes.
std::vector<HWND> SendButtons(const FakeMessenger& fake, int count) {
    std::vector<HWND> buttons;
    for (int n = 1; n <= count; ++n)
        buttons.push_back(FindWindowExA(fake.Chat(n), nullptr, nullptr, kSendButtonText));
    return buttons;
}

void SetChatWindowsPresent(const std::vector<HWND>& sendButtons, bool present) {
    for (HWND button : sendButtons)
        SetWindowTextA(button, present ? kSendButtonText : "gone");
}

class ChatList : public ::testing::Test {
  protected:
    void SetUp() override {
        list = p.Control(ids::kSkinListBox4);
        ASSERT_NE(list, nullptr);
        comeButtons = SendButtons(come, 7);
        for (HWND button : comeButtons)
            ASSERT_NE(button, nullptr);
    }
    // The list follows the chat windows at its next refresh, a second later or more on a busy machine.
    bool Lists(int count) {
        return WaitUntil([&] { return p.ListCount(ids::kSkinListBox4) == count; });
    }

    HuecastProcess p;
    HWND list = nullptr;
    FakeMessenger stay{{.names = ChatNames("stays ", 3)}};
    FakeMessenger come{{.names = ChatNames("comes ", 7)}};
    std::vector<HWND> comeButtons;
};

TEST_F(ChatList, ItsBarComesWithTenChatWindowsScrollsByLinesAndGoesAtThree) {
    ASSERT_TRUE(Lists(10));
    ASSERT_TRUE(WaitUntil([&] { return VisibleBar(list) != nullptr; }));
    HWND bar = VisibleBar(list);
    RECT inner{}, barRect{};
    GetWindowRect(InnerList(list), &inner);
    GetWindowRect(bar, &barRect);
    EXPECT_LE(inner.right, barRect.left) << "the list is narrowed beside its bar";

    // Real wheel input reaches the list that has the focus; a click on the first row gives it the focus.
    ASSERT_TRUE(BringToFront(p.Window()));
    ClickAt(ItemCentre(list, 0));
    ASSERT_TRUE(WaitUntil([&] { return p.ListSelection(ids::kSkinListBox4) == 0; }, 2000));
    ASSERT_EQ(Ask(list, LB_GETTOPINDEX), 0);
    Wheel(-1);
    EXPECT_TRUE(WaitUntil([&] { return Ask(list, LB_GETTOPINDEX) == 1; }, 2000));
    Wheel(-2);
    EXPECT_TRUE(WaitUntil([&] { return Ask(list, LB_GETTOPINDEX) == 3; }, 2000));
    EXPECT_EQ(Ask(bar, SBM_GETPOS), 3) << "the bar follows the list";
    Wheel(1);
    EXPECT_TRUE(WaitUntil([&] { return Ask(list, LB_GETTOPINDEX) == 2; }, 2000));
    EXPECT_EQ(Ask(bar, SBM_GETPOS), 2);

    SetChatWindowsPresent(comeButtons, false);
    ASSERT_TRUE(Lists(3));
    EXPECT_TRUE(WaitUntil([&] { return VisibleBar(list) == nullptr; }));
    EXPECT_EQ(Ask(list, LB_GETTOPINDEX), 0);
}

TEST_F(ChatList, AHundredRefreshesBetweenTenAndThreeWindowsLeakNoObjects) {
    ASSERT_TRUE(Lists(10));
    // One round first, so that whatever is made once (the bar's pictures, fonts) exists before counting.
    SetChatWindowsPresent(comeButtons, false);
    ASSERT_TRUE(Lists(3));
    SetChatWindowsPresent(comeButtons, true);
    ASSERT_TRUE(Lists(10));
    p.Sync();
    const ObjectCounts before = CountObjects(p.ProcessId());
    for (int round = 0; round < 50; ++round) {
        SetChatWindowsPresent(comeButtons, false);
        ASSERT_TRUE(Lists(3)) << "round " << round;
        SetChatWindowsPresent(comeButtons, true);
        ASSERT_TRUE(Lists(10)) << "round " << round;
    }
    ASSERT_TRUE(WaitUntil([&] { return VisibleBar(list) != nullptr; }));
    p.Sync();
    const ObjectCounts after = CountObjects(p.ProcessId());
    EXPECT_GT(before.gdi, 0);
    EXPECT_GT(before.user, 0);
    // A few objects of the system's own come and go (a caret, a cached brush); a leak per refresh is 100.
    EXPECT_LE(after.gdi, before.gdi + 5);
    EXPECT_LE(after.user, before.user + 2);
}

}  // namespace
}  // namespace huecast::testing
