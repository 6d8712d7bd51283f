// The message box's tables and layout. Compiled with the system code page, like the captions it checks.
#include <gtest/gtest.h>

#include "skin/message_box/message_layout.h"
#include "skin/format/skin_data.h"

namespace huecast::skin {
namespace {

const std::filesystem::path kOrange = std::filesystem::path(HUECAST_SOURCE_DIR) / "app/resources/orange";

MessageBoxInput ErrorBox(Size label) {
    MessageBoxInput input;
    input.type = MsgDlgType::Error;
    input.buttons = {MsgDlgBtn::OK};
    input.label = label;
    input.buttonHeight = 25;
    input.workAreaWidth = 1024;
    input.frameMinWidth = 177;  // the built-in skin's main picture
    return input;
}

TEST(MessageLayout, TheMainWindowsErrorBox) {
    // One line of red 14-pixel text, 216 pixels wide, and one OK button 60 x 25, centred.
    const MessageBoxLayout box = LayOutMessageBox(ErrorBox({216, 14}));
    EXPECT_EQ(box.client, (Size{306, 89}));
    EXPECT_EQ(box.label, (Rect{50, 15, 266, 29}));
    ASSERT_TRUE(box.icon.has_value());
    EXPECT_EQ(*box.icon, (Rect{5, 10, 37, 42}));  // centred on the label would be above 10
    ASSERT_EQ(box.buttons.size(), 1u);
    EXPECT_EQ(box.buttons[0].button, MsgDlgBtn::OK);
    EXPECT_EQ(box.buttons[0].bounds, (Rect{123, 54, 183, 79}));
}

TEST(MessageLayout, WidthFollowsTheLabelWithinTheWorkAreaAndTheFramesSmallestWidth) {
    EXPECT_EQ(LayOutMessageBox(ErrorBox({600, 14})).client.cx, 690);    // a long text widens it
    EXPECT_EQ(LayOutMessageBox(ErrorBox({1200, 14})).client.cx, 1024);  // but not past the work area
    EXPECT_EQ(LayOutMessageBox(ErrorBox({20, 14})).client.cx, 177);     // nor below the frame's width
    // Three lines: taller, and the icon centred on the label.
    const MessageBoxLayout tall = LayOutMessageBox(ErrorBox({200, 60}));
    EXPECT_EQ(tall.client.cy, 25 + 60 + 50);
    EXPECT_EQ(tall.icon->top, 15 + 30 - 16);
}

TEST(MessageLayout, ButtonsInBitOrderCentredAndSpacedByTen) {
    MessageBoxInput input = ErrorBox({100, 14});
    input.type = MsgDlgType::Warning;
    input.buttons = {MsgDlgBtn::No, MsgDlgBtn::Yes};
    input.buttonHeight = 30;
    const MessageBoxLayout box = LayOutMessageBox(input);
    EXPECT_EQ(box.client, (Size{190, 94}));
    ASSERT_EQ(box.buttons.size(), 2u);
    EXPECT_EQ(box.buttons[0].button, MsgDlgBtn::Yes);
    EXPECT_EQ(box.buttons[0].bounds, (Rect{30, 54, 90, 84}));
    EXPECT_EQ(box.buttons[1].button, MsgDlgBtn::No);
    EXPECT_EQ(box.buttons[1].bounds, (Rect{100, 54, 160, 84}));
    // A row of buttons wider than the label sets the width.
    input.buttons = MsgDlgButtons::FromBits(0x7FF);
    const MessageBoxLayout all = LayOutMessageBox(input);
    EXPECT_EQ(all.client.cx, 60 * 11 + 10 * 10 + 40);
    EXPECT_EQ(all.buttons.front().bounds.left, 20);
    EXPECT_EQ(all.buttons.back().button, MsgDlgBtn::Help);
    // Without buttons and for the custom kind: no row, no icon.
    input.buttons = {};
    input.type = MsgDlgType::Custom;
    const MessageBoxLayout bare = LayOutMessageBox(input);
    EXPECT_TRUE(bare.buttons.empty());
    EXPECT_FALSE(bare.icon.has_value());
}

TEST(MessageLayout, DefaultCancelAndCloseChoices) {
    struct Case {
        MsgDlgButtons buttons;
        std::optional<MsgDlgBtn> defaultButton, cancelButton;
        int closeResult;
    } cases[] = {
        {{MsgDlgBtn::OK}, MsgDlgBtn::OK, MsgDlgBtn::OK, mrOk},
        {{MsgDlgBtn::Yes, MsgDlgBtn::No}, MsgDlgBtn::Yes, MsgDlgBtn::No, mrNo},
        {{MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Cancel}, MsgDlgBtn::Yes, MsgDlgBtn::Cancel, mrCancel},
        {{MsgDlgBtn::OK, MsgDlgBtn::Cancel}, MsgDlgBtn::OK, MsgDlgBtn::Cancel, mrCancel},
        {{MsgDlgBtn::Abort, MsgDlgBtn::Retry, MsgDlgBtn::Ignore}, MsgDlgBtn::Retry, std::nullopt, mrCancel},
        {{}, std::nullopt, std::nullopt, mrCancel},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DefaultButton(c.buttons), c.defaultButton) << c.buttons.Bits();
        EXPECT_EQ(CancelButton(c.buttons), c.cancelButton) << c.buttons.Bits();
        EXPECT_EQ(CloseResult(c.buttons), c.closeResult) << c.buttons.Bits();
    }
}

TEST(MessageLayout, TablesOfKindsAndButtons) {
    EXPECT_STREQ(TypeInfo(MsgDlgType::Warning).caption, "警告");
    EXPECT_EQ(TypeInfo(MsgDlgType::Warning).systemIcon, 32515);
    EXPECT_STREQ(TypeInfo(MsgDlgType::Error).caption, "错误");
    EXPECT_EQ(TypeInfo(MsgDlgType::Error).systemIcon, 32513);
    EXPECT_EQ(TypeInfo(MsgDlgType::Custom).caption, nullptr);
    EXPECT_EQ(TypeInfo(MsgDlgType::Custom).systemIcon, 0);
    EXPECT_STREQ(ButtonInfo(MsgDlgBtn::OK).caption, "确定");
    EXPECT_STREQ(ButtonInfo(MsgDlgBtn::OK).name, "OK");
    EXPECT_STREQ(ButtonInfo(MsgDlgBtn::No).caption, "否(&N)");
    EXPECT_EQ(ButtonInfo(MsgDlgBtn::No).modalResult, mrNo);
    EXPECT_EQ(ButtonInfo(MsgDlgBtn::YesToAll).modalResult, mrYesToAll);
    EXPECT_EQ(ButtonInfo(MsgDlgBtn::Help).modalResult, mrNone);
    EXPECT_EQ(std::string(TypeInfo(MsgDlgType::Error).caption), "\xB4\xED\xCE\xF3");  // GBK bytes
}

TEST(MessageLayout, ButtonHeightComesFromTheSkinsButtonElement) {
    TStoredSkin stored;
    stored.LoadFromFile(kOrange / "skin.ini");
    TSkinData data;
    data.SetStoredSkin(&stored);
    EXPECT_EQ(MessageButtonHeight(&data, "button"), 25);
    EXPECT_EQ(MessageButtonHeight(&data, "nosuchbutton"), 25);
    EXPECT_EQ(MessageButtonHeight(&data, "stdlabel"), 25);  // not a button element
    EXPECT_EQ(MessageButtonHeight(nullptr, "button"), 25);
    EXPECT_EQ(FrameMinWidth(data.MainPicture().Width(), 0), 177);
    EXPECT_EQ(FrameMinWidth(177, 300), 300);
    EXPECT_EQ(FrameMinWidth(0, 0), 120);
    EXPECT_EQ(FrameMinWidth(0, 90), 90);
}

}  // namespace
}  // namespace huecast::skin
