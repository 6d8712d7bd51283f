// The chat-window list and Send, end to end: huecast.exe and the fake messenger as processes of their own,
// the list read from the window, the delivered bytes read from the fake messenger's records.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>

#include "app/control_ids.h"
#include "convert/urtf_reader.h"
#include "convert/win32/ansi_code_page.h"
#include "tests/app/huecast_driver.h"
#include "tests/bridge/fake_messenger_process.h"
#include "tests/support/win32/clipboard_bitmap.h"

namespace huecast::testing {
namespace {

using Names = std::vector<std::string>;

constexpr const char* kNoFriendMessage = "你没有选中你的好友，\r或 好友名单中为空\r请找一个人聊先！";
constexpr const char* kTooLongMessage =
    "您生成的编码超出了QQ所能发送的限制！\r请你尽量少选些颜色或少打长句或少用不同的字体！";
constexpr const char* kWindowGoneMessage =
    "你选中的聊天窗口已经关闭或换成了别的窗口，彩字没有发送。\r请重新选择好友。彩字已放在剪贴板中。";
constexpr const char* kNoInputBoxMessage =
    "你选中的聊天窗口中找不到输入框，彩字没有发送。\r彩字已放在剪贴板中，可以手动粘贴。";
constexpr const char* kNotAnsweredMessage =
    "你选中的聊天窗口没有响应，彩字可能没有发送出去。\r彩字已放在剪贴板中，可以稍后手动粘贴。";
constexpr const char* kSendInPartsQuestion = "您生成的编码超出了QQ一条消息所能发送的400字节。\r要把它分成 ";
constexpr const char* kSendInPartsEnd = " 条消息依次发送吗？";

// 你好 in the default format (宋体, 30 pt, the first swatch's red), 98 bytes converted.
constexpr const char* kNihao = "你好";
constexpr const char* kNihaoConverted =
    "{\\urtf{\\fonttbl{\\f0 "
    "宋体;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60\\u20320?\\u22909?\\par}";

// A saved work: 你 in red, 好 in blue, the Webdings heart in green, ！ in red.
constexpr const char* kColourfulIni =
    "[Head]\r\nCount=1\r\n[1]\r\nname=colourful\r\nrtf={\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{"
    "\\f0\\fnil\\fcharset134 "
    "\\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset2 Webdings;}}{\\colortbl "
    ";\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
    "\\red0\\green128\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\lang2052\\f0\\fs60\\'c4\\'e3\\cf2\\'ba\\'"
    "c3\\cf3\\f1 Y\\cf1\\f0\\'a3\\'a1"
    "\\par}\r\n";

HWND ChatList(const HuecastProcess& p) {
    return p.Control(ids::kSkinListBox4);
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR reply = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 5000, &reply);
    return static_cast<LRESULT>(reply);
}

// Read as UTF-16, the form in which the system carries list items between processes.
Names ListedChats(const HuecastProcess& p) {
    HWND list = ChatList(p);
    Names items;
    const int count = static_cast<int>(Ask(list, LB_GETCOUNT));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        DWORD_PTR ignored = 0;
        if (Ask(list, LB_GETTEXTLEN, static_cast<WPARAM>(i)) < 256)
            SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text),
                                SMTO_NORMAL, 5000, &ignored);
        char bytes[512] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
        items.push_back(bytes);
    }
    return items;
}

int SelectedChat(const HuecastProcess& p) {
    return static_cast<int>(Ask(ChatList(p), LB_GETCURSEL));
}
void SelectChat(const HuecastProcess& p, int index) {
    Ask(ChatList(p), LB_SETCURSEL, static_cast<WPARAM>(index));
}

// Waits for the list to show `expected`: the refresh comes once a second, or later on a busy machine.
::testing::AssertionResult ListShows(const HuecastProcess& p, const Names& expected) {
    if (WaitUntil([&] { return ListedChats(p) == expected; })) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << "the list shows";
    for (const std::string& item : ListedChats(p))
        failure << " [" << item << "]";
    return failure;
}

// Puts windows on top one after the other: the last one given ends up topmost.
void RaiseInOrder(const std::vector<HWND>& windows) {
    for (HWND w : windows)
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Toggle(HuecastProcess& p, int checkBox) {
    Ask(p.Control(checkBox), BM_CLICK);
}

// Waits for the message box Send shows; returns its text and closes it.
std::string ReadSendsMessage(HuecastProcess& p) {
    HWND box = p.FindMessageBox();
    if (!box) return "(no message)";
    const std::string text = p.MessageBoxText(box);
    p.Answer(box, IDOK);
    return text;
}

std::string SendAndReadMessage(HuecastProcess& p) {
    p.Click(ids::kSkinButton5);
    return ReadSendsMessage(p);
}

// Holds the program's thread still while the test changes the chat windows and clicks Send: no refresh of
// the list comes between, as none does when the change falls just after one. When it runs again the thread
// takes the click first, since sent messages go before timers.
class ProgramHeld {
  public:
    explicit ProgramHeld(const HuecastProcess& p)
        : thread_(OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(p.Window(), nullptr))) {
        if (!thread_ || SuspendThread(thread_) == static_cast<DWORD>(-1))
            throw std::runtime_error("cannot hold huecast.exe's thread");
    }
    ~ProgramHeld() {
        ResumeThread(thread_);
        CloseHandle(thread_);
    }
    ProgramHeld(const ProgramHeld&) = delete;
    ProgramHeld& operator=(const ProgramHeld&) = delete;

  private:
    HANDLE thread_;
};

// Makes `change` to the chat windows between two refreshes of the list, clicks Send and reads its message.
std::string SendRightAfter(HuecastProcess& p, const std::function<void()>& change) {
    {
        const ProgramHeld held(p);
        change();
        SendMessageCallbackA(p.Control(ids::kSkinButton5), BM_CLICK, 0, 0, nullptr, 0);
    }
    return ReadSendsMessage(p);
}

bool CommandsEnabled(const HuecastProcess& p) {
    return p.Enabled(ids::kButton1) && p.Enabled(ids::kSkinButton5) && p.Enabled(ids::kSkinButton4);
}

TEST(ChatList, FollowsTheChatWindowsByPositionAndCaptionChoice) {
    HuecastProcess p;
    Sleep(1500);
    EXPECT_TRUE(ListedChats(p).empty());

    FakeMessenger fake({.names = {"张三", "李四", "王五"}, .dialogs = 2});
    RaiseInOrder({fake.Chat(1), fake.Dialogs()[0], fake.Chat(2), fake.Dialogs()[1], fake.Chat(3)});
    ASSERT_TRUE(ListShows(p, {"王五", "李四", "张三"}));
    EXPECT_EQ(SelectedChat(p), 0);  // the first entry is selected when nothing was

    // The selection stays on its place while the windows change order under it.
    SelectChat(p, 1);
    RaiseInOrder({fake.Chat(1)});
    EXPECT_TRUE(ListShows(p, {"张三", "王五", "李四"}));
    EXPECT_EQ(SelectedChat(p), 1);

    Toggle(p, ids::kSkinCheckBox1);  // 显示好友昵称 off: the titles instead
    EXPECT_TRUE(ListShows(p, {"与 张三 的对话", "与 王五 的对话", "与 李四 的对话"}));
    EXPECT_EQ(SelectedChat(p), 1);
    Toggle(p, ids::kSkinCheckBox1);
    EXPECT_TRUE(ListShows(p, {"张三", "王五", "李四"}));

    // Closing a window may hand activation, and with it the top place, to another one: only which windows
    // remain is certain here, not their order.
    fake.CloseChat(3);
    const Names remaining =
        WaitUntil([&] { return ListedChats(p).size() == 2; }) ? ListedChats(p) : Names{};
    EXPECT_TRUE(remaining == Names({"张三", "李四"}) || remaining == Names({"李四", "张三"}))
        << ListShows(p, {"张三", "李四"}).message();
    fake.Kill();
    EXPECT_TRUE(ListShows(p, {}));
}

TEST(ChatList, ShowsOnlyTheTopFortyChatWindows) {
    HuecastProcess p;
    Names names;
    for (int i = 1; i <= 45; ++i)
        names.push_back("好友" + std::to_string(i));
    FakeMessenger fake({.names = names, .dialogs = 2});
    // From the top: 好友45, 好友44, 好友43, the two dialogs, 好友42 and so on down to 好友1.
    std::vector<HWND> order;
    for (int i = 1; i <= 45; ++i)
        order.push_back(fake.Chat(i));
    const std::vector<HWND> dialogs = fake.Dialogs();
    order.insert(order.end() - 3, dialogs.begin(), dialogs.end());
    RaiseInOrder(order);
    Names expected;
    for (int i = 45; i > 5; --i)
        expected.push_back("好友" + std::to_string(i));
    EXPECT_TRUE(ListShows(p, expected));
}

TEST(Send, DeliversExactlyTheConvertedTextThenEmptiesTheEditor) {
    HuecastProcess p(kColourfulIni);
    FakeMessenger fake({.names = {"张三", "李四"}});
    RaiseInOrder({fake.Chat(2), fake.Chat(1)});
    ASSERT_TRUE(ListShows(p, {"张三", "李四"}));
    SelectChat(p, 1);

    // What Copy gives for the same content is what the conversion gives. The click may take the focus
    // from the fake messenger's active chat window, which waits for that program and answers Click()'s
    // Sync() meanwhile: Copy has run once the clipboard has changed and is closed again, or a box says why.
    const DWORD before = GetClipboardSequenceNumber();
    p.Click(ids::kButton1);
    WaitUntil([&] {
        return (GetClipboardSequenceNumber() != before && GetOpenClipboardWindow() == nullptr) ||
               p.FindMessageBox(0) != nullptr;
    });
    const std::optional<std::string> converted = ClipboardText();
    HWND box = converted ? nullptr : p.FindMessageBox();
    ASSERT_TRUE(converted) << "Copy said: " << (box ? p.MessageBoxText(box) : "nothing") << ", Copy is "
                           << (p.Enabled(ids::kButton1) ? "enabled" : "disabled");
    for (const char* piece :
         {"\\u20320?", "\\u22909?", "\\red0\\green0\\blue255", "\\red0\\green128\\blue0", "Webdings"})
        EXPECT_NE(converted->find(piece), std::string::npos) << piece;

    SetClipboardText("old");
    SetForegroundWindow(p.Window());
    p.Click(ids::kSkinButton5);
    ASSERT_TRUE(WaitUntil([&] { return fake.Sent(2).has_value(); }));
    EXPECT_EQ(fake.Sent(2), converted);
    EXPECT_EQ(fake.Sent(1), std::nullopt);

    // 发送后清空 is on by default, 同时清空剪贴板 and 发送后激活QQ窗口 are off: the user's clipboard is back.
    EXPECT_TRUE(WaitUntil([&] { return p.Text(ids::kRichEdit1).empty(); }));
    EXPECT_FALSE(CommandsEnabled(p));
    EXPECT_EQ(ClipboardText(), std::string("old"));
    EXPECT_NE(GetForegroundWindow(), fake.Chat(2));  // flashed instead, which Wine does not show
    EXPECT_EQ(p.FindMessageBox(0), nullptr);
}

TEST(Send, ActivatesTheChatWindowAndEmptiesTheClipboardWhenAsked) {
    HuecastProcess p;
    FakeMessenger fake({.names = {"张三"}});
    ASSERT_TRUE(ListShows(p, {"张三"}));
    p.Type(kNihao);
    Toggle(p, ids::kSkinCheckBox3);  // 发送后激活QQ窗口 on
    Toggle(p, ids::kSkinCheckBox4);  // 发送后清空 off
    Toggle(p, ids::kSkinCheckBox2);  // 同时清空剪贴板 on
    SetForegroundWindow(p.Window());

    p.Click(ids::kSkinButton5);
    ASSERT_TRUE(WaitUntil([&] { return fake.Sent(1).has_value(); }));
    EXPECT_EQ(fake.Sent(1), std::string(kNihaoConverted));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == fake.Chat(1); }));
    EXPECT_TRUE(WaitUntil([&] { return !ClipboardText().has_value(); }));
    EXPECT_EQ(p.Text(ids::kRichEdit1), kNihao);
    EXPECT_TRUE(CommandsEnabled(p));
}

TEST(Send, WithNothingSelectedLeavesTheConvertedTextOnTheClipboard) {
    HuecastProcess p;  // and no messenger at all
    p.Type(kNihao);
    SetClipboardText("old");
    EXPECT_EQ(SendAndReadMessage(p), kNoFriendMessage);
    EXPECT_EQ(ClipboardText(), std::string(kNihaoConverted));
    EXPECT_EQ(p.Text(ids::kRichEdit1), kNihao);
}

TEST(Send, FourHundredBytesAreSentFourHundredAndOneChangeNothing) {
    HuecastProcess p;
    FakeMessenger fake({.names = {"张三"}});
    ASSERT_TRUE(ListShows(p, {"张三"}));
    // The 98 bytes of 你好 plus one byte per letter.
    p.Type(kNihao + std::string(302, 'a'));
    p.Click(ids::kSkinButton5);
    ASSERT_TRUE(WaitUntil([&] { return fake.Sent(1).has_value(); }));
    EXPECT_EQ(fake.Sent(1)->size(), 400u);
    ASSERT_TRUE(WaitUntil([&] { return p.Text(ids::kRichEdit1).empty(); }));  // Send has finished

    // One byte more: Send offers two messages, and declined, changes nothing; Copy refuses.
    p.Type(kNihao + std::string(303, 'a'));
    SetClipboardText("old");
    EXPECT_TRUE(p.ShowsSoon(ids::kStaticText8, "超出范围 (2)")) << p.Text(ids::kStaticText8);
    p.Click(ids::kSkinButton5);
    HWND question = p.FindMessageBox();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(p.MessageBoxText(question), std::string(kSendInPartsQuestion) + "2" + kSendInPartsEnd);
    p.Answer(question, IDNO);
    p.Click(ids::kButton1);
    HWND refusal = p.FindMessageBox();
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(p.MessageBoxText(refusal), kTooLongMessage);
    p.Answer(refusal, IDOK);
    EXPECT_EQ(ClipboardText(), std::string("old"));
    EXPECT_EQ(fake.AllSent(1).size(), 1u);
    EXPECT_EQ(p.Text(ids::kRichEdit1).size(), 4u + 303u);
}

// A delivery that did not happen keeps the work: the editor keeps it, the clipboard holds it converted.
void ExpectWorkKept(const HuecastProcess& p) {
    EXPECT_EQ(p.Text(ids::kRichEdit1), kNihao);
    EXPECT_EQ(ClipboardText(), std::string(kNihaoConverted));
}

TEST(Send, TellsTheUserWhenTheChatWindowClosedWithinTheLastSecond) {
    HuecastProcess p;
    p.Type(kNihao);
    FakeMessenger fake({.names = {"张三"}});
    ASSERT_TRUE(ListShows(p, {"张三"}));
    EXPECT_EQ(SendRightAfter(p, [&] { fake.CloseChat(1); }), kWindowGoneMessage);
    ExpectWorkKept(p);
    EXPECT_TRUE(ListShows(p, {}));
}

TEST(Send, TellsTheUserWhenTheListedPlaceNowHoldsAnotherFriend) {
    HuecastProcess p;
    FakeMessenger fake({.names = {"张三"}});
    ASSERT_TRUE(ListShows(p, {"张三"}));
    p.Type(kNihao);
    // The window behind the selected entry names another friend than the list shows: as when its handle
    // now belongs to another chat window.
    const auto rename = [&] {
        Ask(GetDlgItem(fake.Chat(1), 319), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("王五"));
    };
    EXPECT_EQ(SendRightAfter(p, rename), kWindowGoneMessage);
    ExpectWorkKept(p);
    EXPECT_EQ(fake.Sent(1), std::nullopt);
    EXPECT_TRUE(ListShows(p, {"王五"}));
}

TEST(Send, TellsTheUserWhenTheChatWindowHasNoInputBox) {
    HuecastProcess p;
    FakeMessenger fake({.names = {"没有输入框"}, .withoutInput = {1}});
    ASSERT_TRUE(ListShows(p, {"没有输入框"}));
    p.Type(kNihao);
    EXPECT_EQ(SendAndReadMessage(p), kNoInputBoxMessage);
    ExpectWorkKept(p);
    EXPECT_EQ(fake.Sent(1), std::nullopt);
}

TEST(Send, GivesUpOnAHungMessengerWithoutHanging) {
    HuecastProcess p;
    FakeMessenger fake({.names = {"不响应"}, .hangSeconds = 120});
    ASSERT_TRUE(ListShows(p, {"不响应"}));
    p.Type(kNihao);
    EXPECT_EQ(SendAndReadMessage(p), kNotAnsweredMessage);
    ExpectWorkKept(p);
    // The list goes on refreshing from what the system knows of the hung windows.
    EXPECT_TRUE(ListShows(p, {"不响应"}));
    // Now that the messenger counts as hung, Send gives up without waiting.
    EXPECT_EQ(SendAndReadMessage(p), kNotAnsweredMessage);
    ExpectWorkKept(p);
    EXPECT_EQ(fake.Sent(1), std::nullopt);
}

}  // namespace
}  // namespace huecast::testing

namespace huecast::testing {
namespace {

// About 900 bytes converted, three messages of 39, 39 and 22 characters (a message holds at most 39 of
// these): 100 Chinese characters with a full-width comma after every twelfth, and no space, so that the
// per-word random colour keeps one colour for the whole work.
std::string LongWork() {
    std::string work;
    for (int i = 0; i < 100; ++i)
        work += i % 13 == 12 ? "，" : (i % 2 ? "好" : "你");
    return work;
}

std::u32string Unicode(const std::string& gbk) {
    std::u32string text;
    for (const char16_t unit : AnsiCodePageConverter().ToUtf16(gbk))
        text.push_back(unit);
    return text;
}

// The runs of the messages read one after the other, as one text and the formats it had.
std::u32string ReadBack(const std::vector<std::string>& messages, std::vector<CharFormat>& formats) {
    std::u32string text;
    for (const std::string& message : messages) {
        for (const UrtfRun& run : ReadUrtf(message, AnsiCodePageConverter())) {
            text += run.text;
            formats.push_back(run.format);
        }
    }
    return text;
}

// A 4 by 4 bitmap of distinct colours.
HBITMAP MakeBitmap() {
    std::uint32_t pixels[16];
    for (std::uint32_t i = 0; i < 16; ++i)
        pixels[i] = 0x00102030u * (i + 1);
    return CreateBitmap(4, 4, 1, 32, pixels);
}
// 32-bit Wine hands a 32-bit process another process's bitmap two pixels short, before the program sees it
// (a program that only reads the clipboard shows it); Windows does not. Against the 32-bit program under Wine
// the picture cannot come back whole, so only the text is compared there.
bool PicturesCrossProcessesWhole() {
    const bool underWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    DWORD type = 0;
    const bool program32 = GetBinaryTypeA(BuiltHuecastExe().string().c_str(), &type) && type == SCS_32BIT_BINARY;
    return !(underWine && program32);
}
void SetClipboardTextAndBitmap(const std::string& text) {
    SetClipboardText(text);
    ASSERT_TRUE(OpenClipboard(nullptr));
    SetClipboardData(CF_BITMAP, MakeBitmap());
    CloseClipboard();
}

TEST(SendInParts, DeliversTheMessagesInOrderAndGivesBackTheClipboard) {
    HuecastProcess p;
    FakeMessenger fake({.names = {"张三"}});
    ASSERT_TRUE(ListShows(p, {"张三"}));
    const std::string work = LongWork();
    p.Type(work);
    EXPECT_TRUE(p.ShowsSoon(ids::kStaticText8, "超出范围 (3)")) << p.Text(ids::kStaticText8);

    SetClipboardTextAndBitmap("old");
    const std::vector<std::uint32_t> bitmap = ClipboardBitmapPixels();
    ASSERT_EQ(bitmap.size(), 16u);
    p.Click(ids::kSkinButton5);
    HWND question = p.FindMessageBox();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(p.MessageBoxText(question), std::string(kSendInPartsQuestion) + "3" + kSendInPartsEnd);
    p.Answer(question, IDYES);

    ASSERT_TRUE(WaitUntil([&] { return p.Text(ids::kRichEdit1).empty(); }));  // Send has finished
    const std::vector<std::string> sent = fake.AllSent(1);
    ASSERT_EQ(sent.size(), 3u);
    std::vector<CharFormat> formats;
    EXPECT_EQ(ReadBack(sent, formats), Unicode(work));
    for (const std::string& message : sent)
        EXPECT_LE(message.size(), 400u);
    for (const CharFormat& format : formats)
        EXPECT_EQ(format, formats.front());
    EXPECT_EQ(formats.front().sizeHalfPoints, 60);
    // The user's text and picture are back, as they were.
    EXPECT_EQ(ClipboardText(), std::string("old"));
    if (PicturesCrossProcessesWhole()) {
        EXPECT_EQ(ClipboardBitmapPixels(), bitmap);
    }
    EXPECT_EQ(p.FindMessageBox(0), nullptr);
}

TEST(SendInParts, AMessengerThatStopsAnsweringLeavesTheRestInTheEditor) {
    HuecastProcess p;
    FakeMessenger fake({.names = {"张三"}, .hangSeconds = 30, .hangAfterSends = 1});
    ASSERT_TRUE(ListShows(p, {"张三"}));
    // A line break after 25 characters ends the first of now four parts, and is one character of the editor
    // however the control counts it.
    std::string work = LongWork();
    work.insert(2 * 25, "\r");
    p.Type(work);
    p.Click(ids::kSkinButton5);
    HWND question = p.FindMessageBox();
    ASSERT_NE(question, nullptr);
    p.Answer(question, IDYES);

    HWND box = p.FindMessageBox(15000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(p.MessageBoxText(box),
              std::string("彩字分成 4 条，已发出 1 条，其余的留在编辑框中。\r") + kNotAnsweredMessage);
    p.Answer(box, IDOK);
    const std::vector<std::string> sent = fake.AllSent(1);
    ASSERT_EQ(sent.size(), 1u);
    std::vector<CharFormat> formats;
    const std::u32string first = ReadBack(sent, formats);
    // The editor holds exactly what did not go out.
    ASSERT_EQ(first.size(), 26u);
    std::u32string rest = Unicode(p.Text(ids::kRichEdit1));
    std::erase(rest, U'\n');  // the control's line breaks may be CR LF
    EXPECT_EQ(rest, Unicode(work).substr(first.size()));
    fake.Kill();
}

}  // namespace
}  // namespace huecast::testing
