// Every message of the composer in the skinned message box, answered with real keys and clicks: the
// caption, the text and its one 确定 button; the Delete confirmation that keeps the favourite whenever it
// is not answered Yes, and that lets the window behind it show through.
#include <gtest/gtest.h>

#include <functional>

#include "app/control_ids.h"
#include "tests/app/huecast_driver.h"
#include "tests/app/skinned_menus.h"
#include "tests/support/win32/real_input.h"

namespace huecast::testing {
namespace {

std::string TextOf(HWND window) {
    char buffer[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL,
                        5000, nullptr);
    return buffer;
}

struct BoxButton {
    int id;
    std::string text;
    friend bool operator==(const BoxButton&, const BoxButton&) = default;
};

std::vector<BoxButton> ButtonsOf(HWND box) {
    std::vector<BoxButton> buttons;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (id >= 1 && id <= 10) buttons.push_back({id, TextOf(child)});
    }
    return buttons;
}

// Returns as soon as the box has gone; the deadline is long because a busy machine can take seconds to
// carry a click through the program, and a box that stays fails the caller's check all the same.
void WaitUntilClosed(HWND box) {
    for (int i = 0; i < 1000 && IsWindow(box); ++i)
        Sleep(20);
}

// How a box is answered.
enum class Answer { ClickOk, Enter, Escape };

void AnswerBox(HWND box, Answer answer) {
    ASSERT_TRUE(BringToFront(box));
    switch (answer) {
        case Answer::ClickOk:
            ClickAt(CentreOf(GetDlgItem(box, IDOK)));
            break;
        case Answer::Enter:
            PressKeys({VK_RETURN});
            break;
        case Answer::Escape:
            PressKeys({VK_ESCAPE});
            break;
    }
    WaitUntilClosed(box);
}

// The error box `trigger` opens: caption 错误, `text`, one 确定 button; closed by `answer`.
void ExpectErrorBox(HuecastProcess& p, const std::function<void()>& trigger, const std::string& text,
                    Answer answer) {
    trigger();
    HWND box = p.FindMessageBox();
    ASSERT_NE(box, nullptr) << text;
    EXPECT_EQ(TextOf(box), "错误");
    EXPECT_EQ(p.MessageBoxText(box), text);
    EXPECT_EQ(ButtonsOf(box), (std::vector<BoxButton>{{IDOK, "确定"}}));
    AnswerBox(box, answer);
    EXPECT_FALSE(IsWindow(box)) << text;
    p.Sync();
}

TEST(SkinnedMessages, EveryErrorOfTheComposerIsTheSkinnedBoxClosedByOkEnterAndEscape) {
    HuecastProcess p;
    SetWindowTextA(p.Control(ids::kEdit2), "");
    ExpectErrorBox(
        p, [&] { p.Click(ids::kSkinButton1); }, "你还没有取名呢，请取一个名字先！", Answer::ClickOk);
    ExpectErrorBox(
        p, [&] { p.Click(ids::kSkinButton3); },
        "修改之前，你还没有选中要修改的项呢\r请再列表中选择你要修改的项！", Answer::Enter);
    p.Type("ab");
    ExpectErrorBox(
        p, [&] { p.Click(ids::kSkinButton5); }, "你没有选中你的好友，\r或 好友名单中为空\r请找一个人聊先！",
        Answer::Escape);
    // Far over the messenger's 400 bytes.
    p.Type(std::string(300, 'x') + "彩字彩字彩字彩字彩字彩字彩字彩字彩字彩字彩字彩字彩字彩字彩字彩字彩字");
    const std::string tooLong =
        "您生成的编码超出了QQ所能发送的限制！\r请你尽量少选些颜色或少打长句或少用不同的字体！";
    ExpectErrorBox(
        p, [&] { p.Click(ids::kButton1); }, tooLong, Answer::Enter);
}

const std::string kQuestion = "你确定要删除你的彩字作品吗？不再改改？";
const std::string kTwo =
    "[Head]\r\nCount=2\r\n[1]\r\nname=one\r\nrtf={\\rtf1 one}\r\n[2]\r\nname=two\r\nrtf={\\rtf1 two}\r\n";

int FavouriteCount(HuecastProcess& p) {
    return static_cast<int>(SendMessageA(p.Control(ids::kSkinListBox2), LB_GETCOUNT, 0, 0));
}

// Opens the Delete confirmation with the first favourite selected.
HWND OpenDeleteQuestion(HuecastProcess& p) {
    SendMessageA(p.Control(ids::kSkinListBox2), LB_SETCURSEL, 0, 0);
    p.Click(ids::kSkinButton2);
    return p.FindMessageBox();
}

TEST(SkinnedMessages, TheDeleteQuestionKeepsTheFavouriteUnlessAnsweredYes) {
    HuecastProcess p(kTwo);
    HWND box = OpenDeleteQuestion(p);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), "警告");
    EXPECT_EQ(p.MessageBoxText(box), kQuestion);
    EXPECT_EQ(ButtonsOf(box), (std::vector<BoxButton>{{IDYES, "是(&Y)"}, {IDNO, "否(&N)"}}));
    // Translucent once shown (the frame sets the opacity on a timer right after showing it).
    BYTE alpha = 0;
    DWORD flags = 0;
    for (int i = 0; i < 50 && alpha != 230; ++i) {
        if (!GetLayeredWindowAttributes(box, nullptr, &alpha, &flags)) alpha = 0;
        if (alpha != 230) Sleep(20);
    }
    EXPECT_TRUE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(alpha, 230);

    const std::vector<std::pair<const char*, std::function<void(HWND)>>> closings = {
        {"No", [](HWND b) { ClickAt(CentreOf(GetDlgItem(b, IDNO))); }},
        {"Escape", [](HWND) { PressKeys({VK_ESCAPE}); }},
        {"close button",
         [](HWND b) {
             const std::optional<POINT> close = FindCloseButton(b);
             ASSERT_TRUE(close.has_value());
             ClickAt(*close);
         }},
        {"Alt+F4",
         [](HWND) {
             PressKeys({VK_MENU, VK_F4});
         }},
        {"the system menu's close",
         [&p](HWND b) {
             const std::optional<POINT> caption = FindHitTest(b, HTCAPTION);
             ASSERT_TRUE(caption.has_value());
             RightClickAt(*caption);
             HWND menu = WaitForLevels(p, 1);
             ASSERT_NE(menu, nullptr) << "no skinned system menu on the box's caption";
             ClickAt(CentreOf(menu));  // its one item: 关闭
         }},
    };
    for (const auto& [name, close] : closings) {
        if (!box) box = OpenDeleteQuestion(p);
        ASSERT_NE(box, nullptr) << name;
        ASSERT_TRUE(BringToFront(box)) << name;
        close(box);
        WaitUntilClosed(box);
        EXPECT_FALSE(IsWindow(box)) << name;
        p.Sync();
        EXPECT_EQ(FavouriteCount(p), 2) << name << " deleted the favourite";
        EXPECT_EQ(p.FindMessageBox(200), nullptr) << name << ": nothing more is said";
        box = nullptr;
    }

    // Yes is the default button: Enter presses it; so does a click.
    box = OpenDeleteQuestion(p);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(BringToFront(box));
    PressKeys({VK_RETURN});
    WaitUntilClosed(box);
    p.Sync();
    EXPECT_EQ(FavouriteCount(p), 1) << "Enter did not answer Yes";

    box = OpenDeleteQuestion(p);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(BringToFront(box));
    ClickAt(CentreOf(GetDlgItem(box, IDYES)));
    WaitUntilClosed(box);
    p.Sync();
    EXPECT_EQ(FavouriteCount(p), 0);
}

}  // namespace
}  // namespace huecast::testing
