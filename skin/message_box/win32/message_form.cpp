// TMessageForm: building the box (label, icon, skinned buttons) on the form kit, and turning every way of
// closing it into a modal result.
#include "skin/message_box/win32/message_form.h"

#include "gui/application.h"
#include "gui/drawing.h"
#include "gui/painted_part.h"
#include "gui/window.h"
#include "skin/format/skin_data.h"
#include "skin/controls/win32/button.h"
#include "skin/message_box/win32/message_box.h"

namespace huecast::skin {

// The message text, drawn by the shared label's rule; its window text is the message, so other programs
// read it as any message box's text.
class MessageLabel final : public gui::PaintedPart {
  public:
    MessageLabel(HWND parent, const TSkinStdLabel& label)
        : PaintedPart("HuecastMessageLabel", parent, label.bounds, label.caption, kMessageLabelId),
          label_(label) {}

  private:
    void Draw(HDC dc, Size size) override {
        TSkinStdLabel here = label_;
        here.bounds = {0, 0, size.cx, size.cy};
        here.Draw(dc);
    }

    const TSkinStdLabel& label_;
};

// The kind's system icon, 32 x 32.
class MessageIcon final : public gui::PaintedPart {
  public:
    MessageIcon(HWND parent, const Rect& r, HICON icon)
        : PaintedPart("HuecastMessageIcon", parent, r), icon_(icon) {}

  private:
    void Draw(HDC dc, Size size) override {
        DrawIconEx(dc, 0, 0, icon_, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    }

    HICON icon_;  // a shared system icon: never destroyed
};

TMessageForm::TMessageForm(const TSkinMessage& settings, const std::string& text, MsgDlgType type,
                           MsgDlgButtons buttons)
    : settings_(settings), text_(text), type_(type), buttons_(buttons) {}

TMessageForm::~TMessageForm() = default;

void TMessageForm::Command(int id) {
    if (id == IDCANCEL && !buttons_.Has(MsgDlgBtn::Cancel)) {
        // Escape, the close button, the system menu's close and Alt+F4 all arrive here: they answer
        // what the cancel button would, so a closed question never reads as "yes".
        EndModal(CloseResult(buttons_));
        return;
    }
    for (int bit = 0; bit < kMsgDlgButtonCount; ++bit) {
        const auto button = static_cast<MsgDlgBtn>(bit);
        const int result = ButtonInfo(button).modalResult;
        if (result != mrNone && result == id && buttons_.Has(button)) {
            EndModal(result);
            return;
        }
    }
    // The help button and an Enter without a default button do nothing.
}

void TMessageForm::Build() {
    const TSkinData* ctrl =
        settings_.ctrlSkinData && !settings_.ctrlSkinData->Empty() ? settings_.ctrlSkinData : nullptr;
    const TSkinData* frame =
        settings_.skinData && !settings_.skinData->Empty() ? settings_.skinData : nullptr;

    const char* caption = TypeInfo(type_).caption;
    SetWindowTextA(Handle(), caption ? caption : gui::Application::Title().c_str());

    // The label "Message": its font from the element when asked, its colour always from the element,
    // by the shared label's rule.
    Message.skinData = settings_.ctrlSkinData;
    Message.skinDataName = settings_.messageLabelSkinDataName;
    Message.defaultFont = Message.font = {settings_.defaultFont, settings_.defaultFontColor};
    Message.useSkinFont = settings_.useSkinFont;
    Message.caption = text_;
    Message.format = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_EXPANDTABS;

    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    MessageBoxInput input;
    input.type = type_;
    input.buttons = buttons_;
    input.label = Message.Measure();
    input.buttonHeight = MessageButtonHeight(ctrl, settings_.buttonSkinDataName);
    input.workAreaWidth = work.right - work.left;
    input.frameMinWidth = FrameMinWidth(frame ? frame->MainPicture().Width() : 0, 0);
    const MessageBoxLayout layout = LayOutMessageBox(input);

    Message.bounds = layout.label;
    label_ = std::make_unique<MessageLabel>(Handle(), Message);
    if (layout.icon) {
        HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(TypeInfo(type_).systemIcon));
        image_ = std::make_unique<MessageIcon>(Handle(), *layout.icon, icon);
    }
    const std::optional<MsgDlgBtn> defaultButton = DefaultButton(buttons_);
    for (const PlacedButton& placed : layout.buttons) {
        const MsgDlgButtonInfo& info = ButtonInfo(placed.button);
        const bool isDefault = placed.button == defaultButton;
        auto button = std::make_unique<TSkinButton>(TSkinButton::Args{
            .parent = Handle(),
            .id = placed.button == MsgDlgBtn::Help ? kMessageHelpButtonId : info.modalResult,
            .x = placed.bounds.left,
            .y = placed.bounds.top,
            .width = placed.bounds.Width(),
            .height = placed.bounds.Height(),
            .caption = info.caption,
            .skinData = settings_.ctrlSkinData,
            .skinDataName = settings_.buttonSkinDataName,
            .options = {.isDefault = isDefault},
            .useSkinFont = settings_.useSkinFont,
            .modalResult = info.modalResult});
        button->SetDefaultFont({settings_.defaultButtonFont, settings_.defaultButtonFontColor});
        button->SetDefaultHeight(placed.bounds.Height());
        // The dialog manager presses the default button on Enter while no button has the focus.
        if (isDefault) SendMessageA(Handle(), DM_SETDEFID, static_cast<WPARAM>(button->Id()), 0);
        buttonControls_.push_back(std::move(button));
    }
    // The default button starts with the focus (Enter presses it); without one, the first button.
    for (const auto& button : buttonControls_)
        if (button->State().IsDefault() || !defaultButton) {
            button->SetFocus();
            break;
        }

    // The frame's own close, its system menu and Alt+F4 reach the box as IDCANCEL; the frame also makes it
    // translucent (or fades it in) once it is shown.
    AttachFrame({.skinData = settings_.skinData,
                 .menuSkinData = settings_.ctrlSkinData,
                 .alphaBlend = settings_.alphaBlend,
                 .alphaBlendAnimation = settings_.alphaBlendAnimation,
                 .alphaBlendValue = settings_.alphaBlendValue});
    PlaceCentred(layout.client);
}

}  // namespace huecast::skin
