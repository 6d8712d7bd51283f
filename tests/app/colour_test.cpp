// Colour that flows, driven as a user does: the editor's context menu (right click, Shift+F10, the
// context-menu key, access keys, Escape), the rainbow, fitting into one message, the gradient dialog, and
// undo; the colours are read back from what Copy puts on the clipboard.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "colour/oklab.h"
#include "convert/urtf_reader.h"
#include "convert/urtf_split.h"
#include "convert/win32/ansi_code_page.h"
#include "tests/app/huecast_driver.h"
#include "tests/support/win32/real_input.h"
#include "tests/app/skinned_menus.h"

namespace huecast::testing {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;  // the first swatch: the editor's colour at the start

// The runs of what Copy puts on the clipboard, and the copied text's size.
std::vector<UrtfRun> CopiedRuns(HuecastProcess& p, std::size_t* bytes = nullptr) {
    static const AnsiCodePageConverter codePage;
    SetClipboardText("old");
    p.Click(ids::kButton1);
    const std::string copied = ClipboardText().value_or("");
    if (bytes) *bytes = copied.size();
    return ReadUrtf(copied, codePage);
}

std::u32string TextOf(const std::vector<UrtfRun>& runs) {
    std::u32string text;
    for (const UrtfRun& run : runs)
        text += run.text;
    return text;
}

// Hues from red round to purple: the rainbow starts at red's hue, about 29 degrees.
double HueFromRed(std::uint32_t colour) {
    const double hue = ToOkLch(SrgbToOkLab(colour)).h;
    return hue < 20 ? hue + 360 : hue;
}

void ExpectHueOrder(const std::vector<UrtfRun>& runs) {
    double previous = 0;
    for (const UrtfRun& run : runs) {
        ASSERT_TRUE(run.format.color.has_value());
        const double hue = HueFromRed(*run.format.color);
        EXPECT_GT(hue, previous) << "colour " << std::hex << *run.format.color;
        previous = hue;
    }
}

// The window in front and the editor with the keyboard focus, as after a user clicked into it.
void ClickIntoEditor(HuecastProcess& p) {
    ASSERT_TRUE(BringToFront(p.Window()));
    ClickAt(CentreOf(p.Control(ids::kRichEdit1)));
    p.Sync();
}

HWND OpenByRightClick(HuecastProcess& p) {
    RightClickAt(CentreOf(p.Control(ids::kRichEdit1)));
    return WaitForLevels(p, 1);
}

HWND OpenByKeys(HuecastProcess& p, std::initializer_list<WORD> keys) {
    PressKeys(keys);
    return WaitForLevels(p, 1);
}

// A menu item's access key, then the menu gone and the program done with the command.
void Choose(HuecastProcess& p, WORD key) {
    PressKeys({key});
    EXPECT_EQ(WaitForLevels(p, 0), nullptr) << "the menu stayed open";
    p.SyncPosted();
}

std::string Letters(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text.push_back(static_cast<char>('a' + i % 26));
    return text;
}

TEST(EditorMenu, OpensOnRightClickShiftF10AndTheMenuKeyAndClosesWithoutAChange) {
    HuecastProcess p;
    ClickIntoEditor(p);
    p.Type("abc");
    HWND level = OpenByRightClick(p);
    ASSERT_NE(level, nullptr) << "no skinned menu on a right click in the editor";
    EXPECT_EQ(GetForegroundWindow(), p.Window()) << "the menu took the activation";
    RECT r{};
    GetWindowRect(level, &r);
    EXPECT_EQ(r.bottom - r.top, 4 + 9 * 20 + 8) << "nine items and a divider";
    PressKeys({VK_ESCAPE});
    EXPECT_EQ(WaitForLevels(p, 0), nullptr) << "Escape left the menu open";

    // Nothing is selected: 剪切 cannot act, and its access key does nothing.
    ASSERT_NE(OpenByKeys(p, {VK_SHIFT, VK_F10}), nullptr) << "no menu on Shift+F10";
    PressKeys({'T'});
    Sleep(200);
    EXPECT_EQ(MenuLevels(p).size(), 1u) << "a disabled item acted";
    ClickAt(CentreOf(p.Control(ids::kStaticText8)));
    EXPECT_EQ(WaitForLevels(p, 0), nullptr) << "a click outside left the menu open";
    EXPECT_EQ(p.Text(ids::kRichEdit1), "abc");

    ASSERT_NE(OpenByKeys(p, {VK_APPS}), nullptr) << "no menu on the context-menu key";
    Choose(p, 'A');  // 全选
    EXPECT_EQ(p.EditorSelection().first, 0);
    EXPECT_GE(p.EditorSelection().second, 3);
    ASSERT_NE(OpenByRightClick(p), nullptr);
    Choose(p, 'D');  // 删除
    EXPECT_EQ(p.Text(ids::kRichEdit1), "");
    ASSERT_NE(OpenByRightClick(p), nullptr);
    Choose(p, 'U');  // 撤销
    EXPECT_EQ(p.Text(ids::kRichEdit1), "abc");
}

TEST(EditorMenu, RainbowGivesEachLetterItsColourInHueOrderAndCtrlZTakesItBack) {
    HuecastProcess p;
    ClickIntoEditor(p);
    p.Type("abcde\rfghij");  // a line break takes no step, and the whole text is two lines
    ASSERT_NE(OpenByKeys(p, {VK_SHIFT, VK_F10}), nullptr);
    Choose(p, 'R');  // 彩虹色, over the whole text with nothing selected
    const std::vector<UrtfRun> runs = CopiedRuns(p);
    ASSERT_EQ(runs.size(), 10u);
    EXPECT_EQ(TextOf(runs), U"abcde\rfghij");
    std::set<std::uint32_t> colours;
    for (const UrtfRun& run : runs)
        colours.insert(run.format.color.value_or(0));
    EXPECT_EQ(colours.size(), 10u);
    ExpectHueOrder(runs);

    ClickIntoEditor(p);  // back from the Copy button
    PressKeys({VK_CONTROL, 'Z'});
    std::vector<UrtfRun> undone;  // the keys reach the program in their own time
    ASSERT_TRUE(WaitUntil([&] { return (undone = CopiedRuns(p)).size() == 1; }))
        << "one undo did not take the rainbow back";
    EXPECT_EQ(undone[0].format.color, kRed);
    EXPECT_EQ(TextOf(undone), U"abcde\rfghij");
}

TEST(EditorMenu, FittingALongRainbowCopiesOneMessageWithItsHuesAndTheHintSaysSoBefore) {
    HuecastProcess p;
    ClickIntoEditor(p);
    const std::string letters = Letters(150);
    p.Type(letters);
    ASSERT_NE(OpenByRightClick(p), nullptr);
    Choose(p, 'R');
    p.Click(ids::kButton1);  // far too long for one message: Copy refuses
    HWND box = p.FindMessageBox();
    ASSERT_NE(box, nullptr);
    p.Answer(box, IDOK);

    // The length display's hint says what fitting would do.
    ASSERT_TRUE(WaitUntil([&] { return p.Text(ids::kStaticText8).rfind("超出范围", 0) == 0; }));
    Sleep(500);  // the count after typing pauses
    MoveTo({0, 0});
    MoveTo(CentreOf(p.Control(ids::kStaticText8)));
    std::string hint;
    EXPECT_TRUE(WaitUntil([&] {
        const std::vector<HWND> shown = VisibleTopLevels(p.ProcessId(), "HuecastSkinHint");
        char text[512] = {};
        if (shown.size() == 1) GetWindowTextA(shown[0], text, sizeof text);
        hint = text;
        return hint.find("段颜色") != std::string::npos;
    })) << hint;
    EXPECT_NE(hint.find("压缩到一条消息"), std::string::npos) << hint;

    ASSERT_NE(OpenByRightClick(p), nullptr);
    Choose(p, 'F');  // 压缩到一条消息
    std::size_t bytes = 0;
    const std::vector<UrtfRun> runs = CopiedRuns(p, &bytes);
    EXPECT_LE(bytes, kMaxUrtfBytes);
    EXPECT_EQ(TextOf(runs), std::u32string(letters.begin(), letters.end()));
    EXPECT_GE(runs.size(), 3u);
    ExpectHueOrder(runs);
    EXPECT_EQ(p.Text(ids::kStaticText8), std::to_string(bytes));
}

TEST(EditorMenu, PlainTextTooLongForAnyColoursGetsTheMessageAndStaysAsItWas) {
    HuecastProcess p;
    ClickIntoEditor(p);
    const std::string letters = Letters(600);
    p.Paste(std::wstring(letters.begin(), letters.end()));
    ASSERT_TRUE(p.ShowsSoon(ids::kStaticText8, "超出范围 (2)"));
    ASSERT_NE(OpenByRightClick(p), nullptr);
    Choose(p, 'F');
    HWND box = p.FindMessageBox();
    ASSERT_NE(box, nullptr) << "no message for a work that cannot fit";
    const std::string text = p.MessageBoxText(box);
    EXPECT_NE(text.find("无法压缩到一条消息"), std::string::npos) << text;
    EXPECT_NE(text.find("字节"), std::string::npos) << text;
    p.Answer(box, IDOK);
    EXPECT_EQ(p.Text(ids::kRichEdit1), letters);
    EXPECT_EQ(p.Text(ids::kStaticText8), "超出范围 (2)");
}

TEST(GradientDialog, ColoursTheSelectionFromSwatchToSwatchAndUndoTakesItBack) {
    HuecastProcess p;
    ClickIntoEditor(p);
    p.Type("abcdef");
    p.SelectEditorText(0, 3);
    ASSERT_NE(OpenByRightClick(p), nullptr);
    PressKeys({'G'});
    HWND dialog = p.FindMessageBox();  // a dialog window, like the message box
    ASSERT_NE(dialog, nullptr) << "no gradient dialog";
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "渐变色");
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, ids::kFit), BM_GETCHECK, 0, 0), BST_CHECKED);

    // One click on a swatch of each row: the fifth (magenta) to start, the sixth (teal) to end; and a middle
    // colour, switched on by the check box in its group's caption and then switched off again.
    ClickAt(CentreOf(GetDlgItem(GetDlgItem(dialog, ids::kStartGroup), ids::kGroupSwatch1 + 4)));
    ClickAt(CentreOf(GetDlgItem(GetDlgItem(dialog, ids::kEndGroup), ids::kGroupSwatch1 + 5)));
    HWND middle = GetDlgItem(dialog, ids::kMiddleGroup);
    RECT group{};
    GetWindowRect(middle, &group);
    const POINT checkBox{group.left + 26, group.top + 12};
    ClickAt(checkBox);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(middle, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    ClickAt(checkBox);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageA(middle, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
    PressKeys({VK_RETURN});  // 确定
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); })) << "Enter left the dialog open";
    p.Sync();

    const std::vector<UrtfRun> runs = CopiedRuns(p);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(TextOf(runs), U"abcdef");
    EXPECT_EQ(runs[0].format.color, 0xFF00FFu);
    EXPECT_EQ(runs[2].format.color, 0x808000u);
    EXPECT_EQ(runs[3].text, U"def");
    EXPECT_EQ(runs[3].format.color, kRed);
    EXPECT_EQ(p.EditorSelection(), std::make_pair(0, 3)) << "the selection moved";

    ASSERT_NE(OpenByRightClick(p), nullptr);
    Choose(p, 'U');  // 撤销
    const std::vector<UrtfRun> undone = CopiedRuns(p);
    ASSERT_EQ(undone.size(), 1u);
    EXPECT_EQ(undone[0].format.color, kRed);
}

}  // namespace
}  // namespace huecast::testing
