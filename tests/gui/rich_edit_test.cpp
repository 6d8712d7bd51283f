// The rich-edit wrapper over the real control: what the editor's RTF writer produces, the control reads
// back to the same text and attributes (the favourites rely on it), and the runs it reports are exact.
#include "gui/rich_edit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "convert/editor_rtf.h"
#include "convert/rtf_runs.h"
#include "convert/win32/ansi_code_page.h"
#include "tests/support/win32/host_window.h"
#include "tests/support/win32/wine_clipboard_manager.h"

namespace huecast::gui {
namespace {

class RichEditTest : public ::testing::Test {
  protected:
    testing::TestHost host_{{.x = 0, .y = 0, .width = 400, .height = 200, .style = WS_OVERLAPPEDWINDOW}};
    std::unique_ptr<RichEdit> edit_ =
        std::make_unique<RichEdit>(ControlArgs{.parent = host_.Handle(), .id = 1, .width = 380, .height = 150});
};

CharFormat Format(const char* font, int charset, int points, unsigned style,
                  std::optional<std::uint32_t> color) {
    return {
        .fontName = font, .charset = charset, .sizeHalfPoints = points * 2, .style = style, .color = color};
}

const AnsiCodePageConverter& SystemCodePage() {
    static const AnsiCodePageConverter converter;
    return converter;
}

std::vector<TextRun> RunsOf(const RichEdit& edit) {
    return ReadRtfRuns(edit.StreamOut(), SystemCodePage());
}

std::u16string Utf16(const std::wstring& text) {
    return {text.begin(), text.end()};
}

TEST_F(RichEditTest, WhatTheWriterWritesTheControlReadsBackWithEveryAttribute) {
    const std::vector<TextRun> written = {
        {u"你好", Format("宋体", 134, 30, 0, 0x0000FF)},
        {u"ab", Format("Arial", 134, 12, 1 | 4, 0xFF0000)},
        {u"\r", Format("Arial", 134, 12, 1 | 4, 0xFF0000)},
        {u"J", Format("Wingdings", 2, 20, 2 | 8, 0x808000)},
        {u"“引号”한😀", Format("宋体", 134, 9, 0, 0x000000)},
        {u"{\\}", Format("Courier New", 134, 11, 0, std::nullopt)},
    };
    edit_->StreamIn(WriteEditorRtf(written, SystemCodePage()));
    const std::vector<TextRun> read = RunsOf(*edit_);

    std::u16string allWritten, allRead;
    for (const TextRun& run : written)
        allWritten += run.text;
    for (const TextRun& run : read)
        allRead += run.text;
    EXPECT_EQ(allRead, allWritten);
    // The plain text holds every character too, whatever the control makes of the break and of a symbol.
    std::u16string plain = Utf16(edit_->WidePlainText());
    std::erase(plain, u'\n');
    for (char16_t& c : plain)
        if (c >= 0xF020 && c < 0xF080) c &= 0xFF;
    EXPECT_EQ(plain, allWritten);

    // Runs may split or merge at paragraph breaks; every character must carry its own format.
    std::size_t w = 0, wOffset = 0;
    for (const TextRun& run : read) {
        for (std::size_t i = 0; i < run.text.size(); ++i) {
            while (wOffset >= written[w].text.size()) {
                ++w;
                wOffset = 0;
            }
            const CharFormat& expected = written[w].format;
            ++wOffset;
            if (run.text[i] == u'\r') continue;  // the break's own format is the control's choice
            SCOPED_TRACE("character " + std::to_string(i) + " of run " + std::to_string(&run - read.data()));
            EXPECT_EQ(run.format.fontName, expected.fontName);
            EXPECT_EQ(run.format.sizeHalfPoints, expected.sizeHalfPoints);
            EXPECT_EQ(run.format.style, expected.style);
            EXPECT_EQ(run.format.color.value_or(0), expected.color.value_or(0));
        }
    }
}

TEST_F(RichEditTest, RunsSplitExactlyWhereAnAttributeChanges) {
    edit_->SetText("aaaabbc");
    edit_->Select(0, -1);
    edit_->SetSelColor(0x0000FF);
    edit_->Select(4, 2);
    edit_->SetSelSize(20);
    edit_->Select(6, 1);
    edit_->SetSelStyle(1);

    const std::vector<TextRun> runs = RunsOf(*edit_);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, u"aaaa");
    EXPECT_EQ(runs[1].text, u"bb");
    EXPECT_EQ(runs[1].format.sizeHalfPoints, 40);
    EXPECT_EQ(runs[2].text, u"c");
    EXPECT_EQ(runs[2].format.style, 1u);
}

TEST_F(RichEditTest, TypedTextEndingInABreakKeepsItsBreaks) {
    for (const char* typed : {"a\r", "a\r\r", "\r", "a\rb"}) {
        edit_->Clear();
        for (const char* c = typed; *c; ++c)
            SendMessageA(edit_->Handle(), WM_CHAR, static_cast<unsigned char>(*c), 1);
        std::u16string read;
        for (const TextRun& run : RunsOf(*edit_))
            read += run.text;
        std::u16string expected(typed, typed + std::char_traits<char>::length(typed));
        EXPECT_EQ(read, expected) << typed;
    }
}

TEST_F(RichEditTest, ADoubleByteCharacterTypedAsTwoMessagesIsOneCharacter) {
    SendMessageA(edit_->Handle(), WM_CHAR, 0xC4, 1);  // 你
    SendMessageA(edit_->Handle(), WM_CHAR, 0xE3, 1);
    SendMessageA(edit_->Handle(), WM_CHAR, 'a', 1);
    EXPECT_EQ(edit_->PlainText(), "你a");
    EXPECT_EQ(edit_->SelStart(), 2);
}

TEST_F(RichEditTest, PastedUnicodeTextKeepsEveryCharacterInTheInsertionFormat) {
    edit_->SetText("ab");
    edit_->Select(1, 0);
    edit_->SetSelColor(0x0000FF);
    const std::wstring pasted = L"한\U0001F600♥你";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    huecast::testing::WaitForWineClipboardManager();
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    int changes = 0;
    edit_->onChange = [&] { ++changes; };

    SendMessageA(edit_->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(edit_->WidePlainText(), L"a" + pasted + L"b");
    EXPECT_EQ(changes, 1);
    const std::vector<TextRun> runs = RunsOf(*edit_);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1].text, Utf16(pasted));
    EXPECT_EQ(runs[1].format.color, 0x0000FFu);
}

TEST_F(RichEditTest, DataThatIsNotRtfIsLoadedAsPlainText) {
    edit_->StreamIn("just text, no braces");
    EXPECT_EQ(edit_->PlainText(), "just text, no braces");
}

}  // namespace
}  // namespace huecast::gui
