// The rich-edit wrapper over the real control: what the editor's RTF writer produces, the control reads
// back to the same text and attributes (the favourites rely on it), and the runs it reports are exact.
#include "gui/rich_edit.h"

#include <gtest/gtest.h>

#include <memory>

#include "convert/editor_rtf.h"

namespace huecast::gui {
namespace {

class RichEditTest : public ::testing::Test {
  protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr,
                                  nullptr, nullptr);
        edit_ =
            std::make_unique<RichEdit>(ControlArgs{.parent = parent_, .id = 1, .width = 380, .height = 150});
    }
    void TearDown() override {
        edit_.reset();
        DestroyWindow(parent_);
    }

    HWND parent_ = nullptr;
    std::unique_ptr<RichEdit> edit_;
};

CharFormat Format(const char* font, int charset, int points, unsigned style,
                  std::optional<std::uint32_t> color) {
    return {
        .fontName = font, .charset = charset, .sizeHalfPoints = points * 2, .style = style, .color = color};
}

std::string WithoutCr(std::string text) {
    std::erase(text, '\n');
    return text;
}

TEST_F(RichEditTest, WhatTheWriterWritesTheControlReadsBackWithEveryAttribute) {
    const std::vector<huecast::TextRun> written = {
        {"你好", Format("宋体", 134, 30, 0, 0x0000FF)},
        {"ab", Format("Arial", 0, 12, 1 | 4, 0xFF0000)},
        {"\r", Format("Arial", 0, 12, 1 | 4, 0xFF0000)},
        {"J", Format("Wingdings", 2, 20, 2 | 8, 0x808000)},
        {"“引号”", Format("宋体", 134, 9, 0, 0x000000)},
        {"{\\}", Format("Courier New", 0, 11, 0, std::nullopt)},
    };
    edit_->StreamIn(WriteEditorRtf(written));
    const std::vector<gui::TextRun> read = edit_->Runs();

    std::string allWritten, allRead;
    for (const huecast::TextRun& run : written)
        allWritten += run.text;
    for (const gui::TextRun& run : read)
        allRead += run.text;
    EXPECT_EQ(WithoutCr(allRead), allWritten);

    // Runs may split or merge at paragraph breaks; every character must carry its own format.
    std::size_t w = 0, wOffset = 0;
    for (const gui::TextRun& run : read) {
        for (std::size_t i = 0; i < run.text.size(); ++i) {
            if (run.text[i] == '\n') continue;
            while (wOffset >= written[w].text.size()) {
                ++w;
                wOffset = 0;
            }
            const CharFormat& expected = written[w].format;
            ++wOffset;
            if (run.text[i] == '\r') continue;  // the break's own format is the control's choice
            SCOPED_TRACE("character " + std::to_string(i) + " of run \"" + run.text + "\"");
            EXPECT_EQ(run.attributes.fontName, expected.fontName);
            EXPECT_EQ(run.attributes.sizeTwips, expected.sizeHalfPoints * 10);
            EXPECT_EQ(run.attributes.style, expected.style);
            EXPECT_EQ(run.attributes.color.value_or(0), expected.color.value_or(0));
        }
    }
}

TEST_F(RichEditTest, RunsSplitExactlyWhereAnAttributeChangesAndLeaveTheSelectionAlone) {
    edit_->SetText("aaaabbc");
    edit_->Select(0, -1);
    edit_->SetSelColor(0x0000FF);
    edit_->Select(4, 2);
    edit_->SetSelSize(20);
    edit_->Select(6, 1);
    edit_->SetSelStyle(1);
    edit_->Select(1, 2);
    int changes = 0;
    edit_->onSelectionChange = [&] { ++changes; };

    const std::vector<gui::TextRun> runs = edit_->Runs();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "aaaa");
    EXPECT_EQ(runs[1].text, "bb");
    EXPECT_EQ(runs[1].attributes.sizeTwips, 400);
    EXPECT_EQ(runs[2].text, "c");
    EXPECT_EQ(runs[2].attributes.style, 1u);
    EXPECT_EQ(edit_->SelStart(), 1);
    EXPECT_EQ(edit_->SelLength(), 2);
    EXPECT_EQ(changes, 0);
}

TEST_F(RichEditTest, ADoubleByteCharacterTypedAsTwoMessagesIsOneCharacter) {
    SendMessageA(edit_->Handle(), WM_CHAR, 0xC4, 1);  // 你
    SendMessageA(edit_->Handle(), WM_CHAR, 0xE3, 1);
    SendMessageA(edit_->Handle(), WM_CHAR, 'a', 1);
    EXPECT_EQ(edit_->PlainText(), "你a");
    EXPECT_EQ(edit_->SelStart(), 2);
}

TEST_F(RichEditTest, DataThatIsNotRtfIsLoadedAsPlainText) {
    edit_->StreamIn("just text, no braces");
    EXPECT_EQ(edit_->PlainText(), "just text, no braces");
}

}  // namespace
}  // namespace huecast::gui
