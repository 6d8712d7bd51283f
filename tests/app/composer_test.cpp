// The main window driven from another process: buttons following the text, the name field, Copy with
// its limit, Clear, and the single running copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/control_ids.h"
#include "tests/app/huecast_driver.h"
#include "tests/support/win32/real_input.h"

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

TEST(Composer, KeysInTheEditorAltCCopiesEnterBreaksTheLineAndEscapeKeepsTheWindow) {
    HuecastProcess p;
    ASSERT_TRUE(BringToFront(p.Window()));
    ClickAt(CentreOf(p.Control(ids::kRichEdit1)));
    p.Type(kNihao);
    SetClipboardText("old");
    PressKeys({VK_MENU, 'C'});
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == std::string(kNihaoConverted); }))
        << ClipboardText().value_or("(nothing)");

    // The accelerator focused Copy; back in the editor, Enter is the editor's (the main window has no
    // default button).
    ClickAt(CentreOf(p.Control(ids::kRichEdit1)));
    PressKeys({VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return p.Text(ids::kRichEdit1).find('\r') != std::string::npos; }));
    PressKeys({VK_ESCAPE});
    p.Sync();
    Sleep(200);
    EXPECT_TRUE(IsWindowVisible(p.Window())) << "Escape in the editor closes nothing";
}

TEST(Composer, FourHundredBytesShowTheirNumberAndAreCopiedFourHundredAndOneAreRefused) {
    HuecastProcess p;
    // The 98 bytes of 你好 plus one byte per letter.
    p.Type(kNihao + std::string(302, 'a'));
    EXPECT_EQ(p.Text(ids::kStaticText8), "400");
    SetClipboardText("old");
    p.Click(ids::kButton1);
    EXPECT_EQ(p.FindMessageBox(0), nullptr);
    const auto copied = ClipboardText();
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->size(), 400u);

    p.Type("a");
    EXPECT_TRUE(p.ShowsSoon(ids::kStaticText8, "超出范围 (2)")) << p.Text(ids::kStaticText8);
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

TEST(Composer, LengthDisplayFollowsTheTextWhileRandomColouringIsOff) {
    HuecastProcess p;
    p.Click(ids::GroupCaptionId(ids::kSkinRadioGroup1));
    p.Type(kNihao);
    EXPECT_EQ(p.Text(ids::kStaticText8), "98");
    p.Type("bcd");
    EXPECT_EQ(p.Text(ids::kStaticText8), "101");
    p.Type(std::string(300, 'x'));  // 401 bytes
    EXPECT_TRUE(p.ShowsSoon(ids::kStaticText8, "超出范围 (2)")) << p.Text(ids::kStaticText8);
    p.Click(ids::kSkinButton4);  // Clear
    p.Type(kNihao);
    EXPECT_EQ(p.Text(ids::kStaticText8), "98");
}

TEST(Composer, EveryCharacterOfAPastedTextReachesTheCopiedMessage) {
    HuecastProcess p;
    // Korean, an emoji outside the Basic Multilingual Plane, kana and symbols the code page lacks, between
    // Chinese, the euro sign (a single byte of the code page) and ASCII.
    const std::wstring text = L"한국어 \U0001F600 你好 €5 ♥ ヷ★ ok";
    p.Paste(text);
    // The name field holds every character too. (The editor itself answers another process only in the
    // system code page, so the test reads it through Copy.)
    EXPECT_EQ(p.WideText(ids::kEdit2), text);

    SetClipboardText("old");
    p.Click(ids::kButton1);
    EXPECT_EQ(p.FindMessageBox(0), nullptr);
    const std::optional<std::string> copied = ClipboardText();
    ASSERT_TRUE(copied);
    const std::u16string expected = EscapedUnits(text);
    EXPECT_EQ(UnicodeEscapes(*copied), expected) << *copied;
    // No character went out as a bare '?': every '?' closes an escape.
    EXPECT_EQ(static_cast<std::size_t>(std::count(copied->begin(), copied->end(), '?')), expected.size());
    // The display counts the escapes too.
    EXPECT_EQ(p.Text(ids::kStaticText8), std::to_string(copied->size()));
}

// Mixed lines of about 64 KB, as a page pasted from a web site or a chat log comes.
std::wstring LongMixedText(std::size_t characters) {
    const std::wstring line = L"你好，朋友！Happy birthday 生日快乐 한국어 \U0001F600 ♥ 天天开心 1234\r\n";
    std::wstring text;
    while (text.size() + line.size() <= characters)
        text += line;
    return text;
}

TEST(Composer, ALongPasteKeepsTheWindowAnsweringAndRaisesNoFreezeReport) {
    HuecastProcess p;
    p.Click(ids::GroupCaptionId(ids::kSkinRadioGroup1));
    const std::wstring text = LongMixedText(64 * 1024 / 2);
    SetClipboardUnicodeText(text);
    HWND editor = p.Control(ids::kRichEdit1);
    PostMessageA(editor, WM_PASTE, 0, 0);
    // While the paste is handled, the window answers another process within a second every time.
    const DWORD start = GetTickCount();
    for (;;) {
        DWORD_PTR ignored = 0;
        const DWORD before = GetTickCount();
        ASSERT_NE(SendMessageTimeoutA(p.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &ignored), 0)
            << "no answer within a second, " << GetTickCount() - start << " ms after the paste";
        EXPECT_LT(GetTickCount() - before, 1000u);
        // The length in the window's own answer: the system's shortcut reads nothing of another process.
        if (static_cast<std::size_t>(SendMessageW(editor, WM_GETTEXTLENGTH, 0, 0)) >= text.size() - 2) break;
        ASSERT_LT(GetTickCount() - start, 60000u) << "the paste never arrived";
        Sleep(50);
    }
    p.Sync();
    // Typing goes on at once; the number of messages follows when typing pauses.
    EXPECT_EQ(p.Text(ids::kStaticText8).substr(0, 8), "超出范围");
    p.Type("a");
    EXPECT_EQ(p.Text(ids::kStaticText8).substr(0, 8), "超出范围");
    // No freeze report: no report log beside the program and no report window.
    for (const auto& entry : std::filesystem::directory_iterator(p.Folder()))
        EXPECT_NE(entry.path().extension(), ".elf") << entry.path();
    EXPECT_EQ(p.FindMessageBox(0), nullptr);
}

// The control that has the keyboard focus in the program's window.
HWND FocusOf(const HuecastProcess& p) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(p.Window(), nullptr), &info);
    return info.hwndFocus;
}

TEST(Composer, TabAndShiftTabLeaveTheEditorCtrlTabTypesATab) {
    HuecastProcess p;
    HWND editor = p.Control(ids::kRichEdit1);
    ASSERT_TRUE(BringToFront(p.Window()));
    ClickAt(CentreOf(editor));
    p.Sync();
    ASSERT_EQ(FocusOf(p), editor);

    PressKeys({VK_TAB});
    p.Sync();
    EXPECT_NE(FocusOf(p), editor);
    EXPECT_EQ(p.Text(ids::kRichEdit1), "");

    ClickAt(CentreOf(editor));
    PressKeys({VK_SHIFT, VK_TAB});
    p.Sync();
    EXPECT_NE(FocusOf(p), editor);
    EXPECT_EQ(p.Text(ids::kRichEdit1), "");

    ClickAt(CentreOf(editor));
    PressKeys({VK_CONTROL, VK_TAB});
    p.Sync();
    EXPECT_EQ(FocusOf(p), editor);
    EXPECT_EQ(p.Text(ids::kRichEdit1), "\t");
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
