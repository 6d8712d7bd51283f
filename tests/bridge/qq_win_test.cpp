// The chat-window operations against the fake messenger running as a process of its own: which windows
// count as chat windows and in what order, what their items read, and each way a delivery can end.
#include <gtest/gtest.h>

#include <cstdint>

#include "bridge/qq_win.h"
#include "gui/clipboard.h"
#include "tests/bridge/fake_messenger_process.h"

namespace huecast::bridge {
namespace {

using testing::FakeMessenger;

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

// Puts windows on top one after the other: the last one given ends up topmost.
void RaiseInOrder(const std::vector<HWND>& windows) {
    for (HWND w : windows)
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::vector<std::string> ListedNicknames() {
    std::vector<std::string> names;
    for (const std::string& handle : ListChatWindows())
        names.push_back(testing::ChatNickname(HandleFromDecimal(handle)));
    return names;
}

HWND InputBoxOf(HWND chat) {
    HWND container = FindWindowExA(chat, nullptr, "AfxWnd42", nullptr);
    return container ? FindWindowExA(container, nullptr, "RICHEDIT", nullptr) : nullptr;
}

TEST(ChatHandleText, IsTheUnsigned32BitDecimalOnEveryBuild) {
    // 64-bit Windows widens a 32-bit window handle by sign extension; the text stays that of 32 bits.
    HWND high = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-2));
    EXPECT_EQ(HandleToDecimal(high), "4294967294");
    EXPECT_EQ(HandleFromDecimal("4294967294"), high);
    HWND low = reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x10064));
    EXPECT_EQ(HandleToDecimal(low), "65636");
    EXPECT_EQ(HandleFromDecimal("65636"), low);
    EXPECT_EQ(HandleFromDecimal(HandleToDecimal(GetDesktopWindow())), GetDesktopWindow());
    for (const char* bad : {"", "-1", "+5", " 12", "12a", "4294967296", "99999999999999999999"})
        EXPECT_EQ(HandleFromDecimal(bad), nullptr) << '"' << bad << '"';
}

TEST(ListChatWindows, ChatWindowsInStackingOrderAndNoOtherDialogs) {
    EXPECT_TRUE(ListChatWindows().empty());
    FakeMessenger fake({.names = {"甲", "乙", "丙"}, .dialogs = 2});
    const std::vector<HWND> dialogs = fake.Dialogs();
    RaiseInOrder({fake.Chat(1), dialogs[0], fake.Chat(2), dialogs[1], fake.Chat(3)});
    EXPECT_EQ(ListedNicknames(), (std::vector<std::string>{"丙", "乙", "甲"}));

    RaiseInOrder({fake.Chat(2)});  // activating a chat window moves it to the top
    EXPECT_EQ(ListedNicknames(), (std::vector<std::string>{"乙", "丙", "甲"}));

    const std::string closed = HandleToDecimal(fake.Chat(3));
    fake.CloseChat(3);
    EXPECT_EQ(ListedNicknames(), (std::vector<std::string>{"乙", "甲"}));
    fake.Kill();
    EXPECT_TRUE(ListChatWindows().empty());
}

TEST(ListChatWindows, TakesTheTopFortyAndDialogsDoNotCount) {
    std::vector<std::string> names;
    for (int i = 1; i <= 45; ++i)
        names.push_back("好友" + std::to_string(i));
    FakeMessenger fake({.names = names, .dialogs = 3});
    // From the top: 好友45 down to 好友1, with the dialogs among the first ones.
    std::vector<HWND> order;
    for (int i = 1; i <= 45; ++i) {
        order.push_back(fake.Chat(i));
        if (i % 20 == 0 || i == 44) order.push_back(fake.Dialogs()[static_cast<std::size_t>(i % 3)]);
    }
    RaiseInOrder(order);
    std::vector<std::string> expected;
    for (int i = 45; i > 5; --i)
        expected.push_back("好友" + std::to_string(i));
    EXPECT_EQ(ListedNicknames(), expected);
}

TEST(ReadChatItemText, NicknameTitleAtMost99BytesAndNothingForAMissingItem) {
    const std::string ninetyNine = "a" + Repeat("好", 49);  // 99 bytes
    FakeMessenger fake({.names = {"小明", "a" + Repeat("好", 60), Repeat("好", 60)}});
    HWND ming = fake.Chat(1);
    EXPECT_EQ(ReadChatItemText(ming, kNicknameItem), "小明");
    EXPECT_EQ(ReadChatTitle(ming), "与 小明 的对话");
    EXPECT_EQ(ReadChatItemText(ming, 4242), "");
    EXPECT_EQ(ReadChatItemText(nullptr, kNicknameItem), "");
    EXPECT_EQ(ReadChatItemText(fake.Chat(2), kNicknameItem), ninetyNine);
    // The 99th byte would be the first half of a character: it is left out.
    EXPECT_EQ(ReadChatItemText(fake.Chat(3), kNicknameItem), Repeat("好", 49));
}

TEST(DeliverToChatWindow, ReplacesTheInputBoxWithTheClipboardAndSends) {
    FakeMessenger fake({.names = {"张三", "李四"}});
    HWND chat = fake.Chat(2);
    SendMessageA(InputBoxOf(chat), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("半句草稿"));
    const std::string text =
        "{\\urtf{\\fonttbl{\\f0 宋体;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60"
        "\\u20320?\\u22909?\\par}";
    ASSERT_TRUE(gui::clipboard::SetText(nullptr, text));
    EXPECT_EQ(DeliverToChatWindow(chat), Delivery::kDelivered);
    EXPECT_EQ(fake.Sent(2), text);
    EXPECT_EQ(fake.Sent(1), std::nullopt);
    // The fake messenger empties its input box after sending, as the messenger does.
    EXPECT_EQ(GetWindowTextLengthA(InputBoxOf(chat)), 0);
}

TEST(DeliverToChatWindow, SendsNothingWithoutAChatWindowOrAnInputBox) {
    FakeMessenger fake({.names = {"有输入框", "没有输入框"}, .dialogs = 1, .withoutInput = {2}});
    ASSERT_TRUE(gui::clipboard::SetText(nullptr, "hello"));
    EXPECT_EQ(DeliverToChatWindow(fake.Chat(2)), Delivery::kNoInputBox);
    EXPECT_EQ(DeliverToChatWindow(fake.Dialogs()[0]), Delivery::kNoChatWindow);
    EXPECT_EQ(DeliverToChatWindow(nullptr), Delivery::kNoChatWindow);
    HWND closed = fake.Chat(1);
    fake.CloseChat(1);
    EXPECT_EQ(DeliverToChatWindow(closed), Delivery::kNoChatWindow);
    EXPECT_EQ(fake.Sent(1), std::nullopt);
    EXPECT_EQ(fake.Sent(2), std::nullopt);
}

TEST(DeliverToChatWindow, GivesUpOnAMessengerThatDoesNotAnswer) {
    FakeMessenger fake({.names = {"不响应"}, .hangSeconds = 120});
    HWND chat = fake.Chat(1);
    ASSERT_TRUE(gui::clipboard::SetText(nullptr, "hello"));
    EXPECT_EQ(DeliverToChatWindow(chat, 300), Delivery::kNotAnswered);

    // Once the system knows the messenger is hung, a delivery does not wait out its time-out at all.
    ASSERT_TRUE(testing::WaitUntil([&] { return IsHungAppWindow(chat) != FALSE; }, 15000));
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(DeliverToChatWindow(chat, 100000), Delivery::kNotAnswered);
    EXPECT_LT(GetTickCount64() - start, 50000u);
    EXPECT_EQ(fake.Sent(1), std::nullopt);
}

}  // namespace
}  // namespace huecast::bridge
