// The main window driven from another process: buttons following the text, the name field, Copy with
// its limit, Clear, and the single running copy.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "tests/app/huecast_driver.h"

namespace huecast::testing {
namespace {

// 你好 in the default format (宋体, 30 pt, the first swatch's red).
constexpr const char* kNihao = "你好";
constexpr const char* kNihaoConverted =
    "{\\urtf{\\fonttbl{\\f0 "
    "宋体;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60\\u20320?\\u22909?\\par}";

bool CommandsEnabled(const HuecastProcess& p) {
    const bool copy = p.Enabled(ids::kButton1);
    EXPECT_EQ(p.Enabled(ids::kSkinButton5), copy);
    EXPECT_EQ(p.Enabled(ids::kSkinButton4), copy);
    return copy;
}

TEST(Composer, CommandsFollowWhetherTheTextIsBlank) {
    HuecastProcess p;
    EXPECT_EQ(p.Text(ids::kRichEdit1), "");
    EXPECT_FALSE(CommandsEnabled(p));
    p.Type("a");
    EXPECT_TRUE(CommandsEnabled(p));
    p.Key(VK_BACK);
    EXPECT_FALSE(CommandsEnabled(p));
    p.Type("  \r  ");  // spaces and a line break are still blank
    EXPECT_FALSE(CommandsEnabled(p));
    p.Type("x");
    EXPECT_TRUE(CommandsEnabled(p));
}

TEST(Composer, NameFieldTakesTheTextOnEveryChange) {
    HuecastProcess p;
    p.Type("ab\rc");
    EXPECT_EQ(p.Text(ids::kEdit2), "abc");  // without the line break
    SetWindowTextA(p.Control(ids::kEdit2), "my name");
    p.Type("d");
    EXPECT_EQ(p.Text(ids::kEdit2), "abcd");
}

TEST(Composer, CopyPutsTheConvertedTextOnTheClipboardEvenAfterANameWasTyped) {
    HuecastProcess p;
    p.Type(kNihao);
    // A different name must not change what the editor's text converts to.
    SetWindowTextA(p.Control(ids::kEdit2), "朋友");
    SetClipboardText("old");
    p.Click(ids::kButton1);
    EXPECT_EQ(p.FindMessageBox(0), nullptr);
    EXPECT_EQ(ClipboardText(), std::string(kNihaoConverted));
    EXPECT_EQ(p.Text(ids::kStaticText8), "98");
}

TEST(Composer, FourHundredBytesAreCopiedFourHundredAndOneAreRefused) {
    HuecastProcess p;
    // The 98 bytes of 你好 plus one byte per letter.
    p.Type(kNihao + std::string(302, 'a'));
    EXPECT_EQ(p.Text(ids::kStaticText8), "超出范围");
    SetClipboardText("old");
    p.Click(ids::kButton1);
    EXPECT_EQ(p.FindMessageBox(0), nullptr);
    const auto copied = ClipboardText();
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->size(), 400u);

    p.Type("a");
    SetClipboardText("old");
    p.Click(ids::kButton1);
    HWND box = p.FindMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(p.MessageBoxText(box),
              "您生成的编码超出了QQ所能发送的限制！\r请你尽量少选些颜色或少打长句或少用不同的字体！");
    p.Answer(box, IDOK);
    EXPECT_EQ(ClipboardText(), std::string("old"));
}

TEST(Composer, ClearEmptiesTheEditorAndTheClipboardOnlyWhenAsked) {
    HuecastProcess p;
    p.Type("hello");
    SetClipboardText("keep");
    p.Click(ids::kSkinButton4);
    EXPECT_EQ(p.Text(ids::kRichEdit1), "");
    EXPECT_FALSE(CommandsEnabled(p));
    EXPECT_EQ(ClipboardText(), std::string("keep"));

    p.Type("hello");
    p.Click(ids::kSkinCheckBox2);
    p.Click(ids::kSkinButton4);
    EXPECT_EQ(p.Text(ids::kRichEdit1), "");
    EXPECT_EQ(ClipboardText(), std::nullopt);
}

TEST(Composer, LengthDisplayRestsWhileRandomColouringIsOff) {
    HuecastProcess p;
    p.Type("a");
    const std::string shown = p.Text(ids::kStaticText8);
    EXPECT_NE(shown, "StaticText8");
    p.Click(ids::GroupCaptionId(ids::kSkinRadioGroup1));
    p.Type("bcd");
    EXPECT_EQ(p.Text(ids::kStaticText8), shown);
}

TEST(Composer, ASecondStartHandsOverToTheRunningCopy) {
    HuecastProcess p;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + p.ExePath().string() + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &info));
    ASSERT_EQ(WaitForSingleObject(info.hProcess, 15000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    EXPECT_EQ(code, 0u);
    int windows = 0;
    for (HWND w = FindWindowA("HUEC2", nullptr); w; w = FindWindowExA(nullptr, w, "HUEC2", nullptr))
        ++windows;
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(GetForegroundWindow(), p.Window());
}

}  // namespace
}  // namespace huecast::testing
