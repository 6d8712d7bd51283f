// Compiled with the system code page as execution character set: the captions are the bytes shown.
#include "skin/message_box/message_layout.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>

#include "skin/format/skin_data.h"

namespace huecast::skin {

namespace {

constexpr std::array<MsgDlgTypeInfo, 5> kTypes = {{
    {"警告", 32515},  // exclamation
    {"错误", 32513},  // hand
    {"信息", 32516},  // asterisk
    {"确认", 32514},  // question
    {nullptr, 0},
}};

constexpr std::array<MsgDlgButtonInfo, kMsgDlgButtonCount> kButtons = {{
    {"Yes", "是(&Y)", mrYes},
    {"No", "否(&N)", mrNo},
    {"OK", "确定", mrOk},
    {"Cancel", "取消", mrCancel},
    {"Abort", "终止(&A)", mrAbort},
    {"Retry", "重试(&R)", mrRetry},
    {"Ignore", "忽略(&I)", mrIgnore},
    {"All", "全部(&A)", mrAll},
    {"NoToAll", "全否(&O)", mrNoToAll},
    {"YesToAll", "全是(&Y)", mrYesToAll},
    {"Help", "帮助(&H)", mrNone},
}};

std::optional<MsgDlgBtn> FirstOf(MsgDlgButtons buttons, std::initializer_list<MsgDlgBtn> order) {
    for (MsgDlgBtn b : order)
        if (buttons.Has(b)) return b;
    return std::nullopt;
}

}  // namespace

int MsgDlgButtons::Count() const {
    return std::popcount(bits_);
}

const MsgDlgTypeInfo& TypeInfo(MsgDlgType type) {
    const auto index = static_cast<std::size_t>(type);
    assert(index < kTypes.size() && "TypeInfo: not a dialog kind");
    return kTypes[index];
}

const MsgDlgButtonInfo& ButtonInfo(MsgDlgBtn button) {
    const auto index = static_cast<std::size_t>(button);
    assert(index < kButtons.size() && "ButtonInfo: not a message box button");
    return kButtons[index];
}

std::optional<MsgDlgBtn> DefaultButton(MsgDlgButtons buttons) {
    return FirstOf(buttons, {MsgDlgBtn::OK, MsgDlgBtn::Yes, MsgDlgBtn::Retry});
}

std::optional<MsgDlgBtn> CancelButton(MsgDlgButtons buttons) {
    return FirstOf(buttons, {MsgDlgBtn::Cancel, MsgDlgBtn::No, MsgDlgBtn::OK});
}

int CloseResult(MsgDlgButtons buttons) {
    const std::optional<MsgDlgBtn> cancel = CancelButton(buttons);
    return cancel ? ButtonInfo(*cancel).modalResult : mrCancel;
}

int MessageButtonHeight(const TSkinData* ctrlSkinData, std::string_view buttonSkinDataName) {
    if (!ctrlSkinData || ctrlSkinData->Empty()) return kPlainMessageButtonHeight;
    const auto* button = ctrlSkinData->SkinControlAs<TDataSkinButtonControl>(buttonSkinDataName);
    if (!button || button->skinRect.Height() <= 0) return kPlainMessageButtonHeight;
    return button->skinRect.Height();
}

int FrameMinWidth(int mainPictureWidth, int minWidth) {
    if (mainPictureWidth > 0) return std::max(mainPictureWidth, minWidth);
    return minWidth > 0 ? minWidth : 120;
}

MessageBoxLayout LayOutMessageBox(const MessageBoxInput& input) {
    MessageBoxLayout layout;
    const int n = input.buttons.Count();
    const int rowWidth = n == 0 ? 0 : kMessageButtonWidth * n + kMessageButtonGap * (n - 1);
    const int buttonHeight = input.buttonHeight;

    layout.label = {50, 15, 50 + input.label.cx, 15 + input.label.cy};
    if (TypeInfo(input.type).systemIcon != 0) {
        const int y = std::max(10, layout.label.top + layout.label.Height() / 2 - 16);
        layout.icon = Rect{5, y, 5 + 32, y + 32};
    }

    layout.client.cy = buttonHeight + layout.label.Height() + 50;
    int width = std::max(layout.label.right, rowWidth) + 40;
    if (input.workAreaWidth > 0 && width > input.workAreaWidth) width = input.workAreaWidth;
    if (width < input.frameMinWidth) width = input.frameMinWidth;
    layout.client.cx = width;

    int x = (width - rowWidth) / 2;
    const int y = layout.client.cy - buttonHeight - 10;
    for (int bit = 0; bit < kMsgDlgButtonCount; ++bit) {
        const auto button = static_cast<MsgDlgBtn>(bit);
        if (!input.buttons.Has(button)) continue;
        layout.buttons.push_back({button, {x, y, x + kMessageButtonWidth, y + buttonHeight}});
        x += kMessageButtonWidth + kMessageButtonGap;
    }
    return layout;
}

}  // namespace huecast::skin
