#include "skin/win32/skin_message.h"

#include <memory>
#include <stdexcept>
#include <vector>

#include "gui/application.h"
#include "gui/handles.h"
#include "skin/skin_data.h"
#include "skin/win32/skin_button.h"
#include "skin/win32/skin_frame.h"
#include "skin/win32/skin_std_label.h"
#include "skin/win32/skinned_system_menu.h"

namespace huecast::skin {

namespace {

// A dialog template without controls: the form creates its children itself once it knows their sizes.
struct alignas(4) EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD menu = 0, windowClass = 0, title = 0;
};

}  // namespace

// The form of one message: created by Execute, shown modally, destroyed when it closes.
class TMessageForm {
  public:
    TMessageForm(const TSkinMessage& settings, const std::string& text, MsgDlgType type,
                 MsgDlgButtons buttons)
        : settings_(settings), text_(text), type_(type), buttons_(buttons) {}

    int ShowModal(HWND owner) {
        EmptyDialogTemplate dialog{};
        dialog.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        const INT_PTR result = DialogBoxIndirectParamA(gui::Application::Instance(), &dialog.header, owner,
                                                       DialogProc, reinterpret_cast<LPARAM>(this));
        if (result == -1) throw std::runtime_error("Cannot create the message box");
        return static_cast<int>(result);
    }

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) SetWindowLongPtrA(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<TMessageForm*>(GetWindowLongPtrA(window, DWLP_USER));
        if (!self) return FALSE;
        try {
            return self->Handle(window, message, wParam, lParam);
        } catch (...) {
            gui::HandleEventException(std::current_exception());
            return FALSE;
        }
    }

    INT_PTR Handle(HWND window, UINT message, WPARAM wParam, LPARAM) {
        switch (message) {
            case WM_INITDIALOG:
                window_ = window;
                Build();
                return FALSE;  // the default button has the focus already
            case WM_COMMAND:
                Command(LOWORD(wParam));
                return TRUE;
            case WM_CTLCOLORSTATIC:
                SetTextColor(reinterpret_cast<HDC>(wParam), labelColor_);
                SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                // The label and the icon lie on the frame's client background, which shows through.
                return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        }
        return FALSE;
    }

    void Command(int id) {
        if (id == IDCANCEL && !buttons_.Has(MsgDlgBtn::Cancel)) {
            // Escape, the close button, the system menu's close and Alt+F4 all arrive here: they answer
            // what the cancel button would, so a closed question never reads as "yes".
            EndDialog(window_, CloseResult(buttons_));
            return;
        }
        for (int bit = 0; bit < kMsgDlgButtonCount; ++bit) {
            const auto button = static_cast<MsgDlgBtn>(bit);
            const int result = ButtonInfo(button).modalResult;
            if (result != mrNone && result == id && buttons_.Has(button)) {
                EndDialog(window_, result);
                return;
            }
        }
        // The help button and an Enter without a default button do nothing.
    }

    void Build() {
        const TSkinData* ctrl =
            settings_.ctrlSkinData && !settings_.ctrlSkinData->Empty() ? settings_.ctrlSkinData : nullptr;
        const TSkinData* frame =
            settings_.skinData && !settings_.skinData->Empty() ? settings_.skinData : nullptr;

        const char* caption = TypeInfo(type_).caption;
        SetWindowTextA(window_, caption ? caption : gui::Application::Title().c_str());

        // The label "Message": its font from the element when asked, its colour always from the element,
        // by the shared label's rule; a child that answers WM_GETTEXT shows it.
        Message.skinData = settings_.ctrlSkinData;
        Message.skinDataName = settings_.messageLabelSkinDataName;
        Message.defaultFont = Message.font = {settings_.defaultFont, settings_.defaultFontColor};
        Message.useSkinFont = settings_.useSkinFont;
        Message.caption = text_;
        Message.format = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_EXPANDTABS;
        const TSkinStdLabel::TextStyle labelStyle = Message.Style();
        labelFont_ = gui::CreateFontFrom(labelStyle.font);
        labelColor_ = labelStyle.color;

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

        HWND label = Child("STATIC", text_, SS_LEFT | SS_NOPREFIX, layout.label, kMessageLabelId);
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.get()), FALSE);
        if (layout.icon) {
            HWND icon = Child("STATIC", "", SS_ICON, *layout.icon, 0);
            SendMessageA(
                icon, STM_SETICON,
                reinterpret_cast<WPARAM>(LoadIconA(nullptr, MAKEINTRESOURCEA(TypeInfo(type_).systemIcon))),
                0);
        }
        const std::optional<MsgDlgBtn> defaultButton = DefaultButton(buttons_);
        for (const PlacedButton& placed : layout.buttons) {
            const MsgDlgButtonInfo& info = ButtonInfo(placed.button);
            const bool isDefault = placed.button == defaultButton;
            auto button = std::make_unique<TSkinButton>(TSkinButton::Args{
                .parent = window_,
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
            if (isDefault) SendMessageA(window_, DM_SETDEFID, static_cast<WPARAM>(button->Id()), 0);
            buttonControls_.push_back(std::move(button));
        }
        // The default button starts with the focus (Enter presses it); without one, the first button.
        for (const auto& button : buttonControls_)
            if (button->State().IsDefault() || !defaultButton) {
                button->SetFocus();
                break;
            }

        AttachFrame();
        PlaceCentred(layout.client);
    }

    // The box wears the skinned frame with its close button alone; the frame's own close, its system menu
    // and Alt+F4 all reach the dialog as WM_CLOSE, which the dialog manager turns into IDCANCEL. The frame
    // also makes the box translucent (or fades it in) once it is shown.
    void AttachFrame() {
        frame_ = std::make_unique<TSkinFrame>(window_);
        frame_->borderIcons = {.systemMenu = false, .minimize = false, .maximize = false, .rollUp = false};
        frame_->mainForm = false;
        frame_->alphaBlend = settings_.alphaBlend;
        frame_->alphaBlendAnimation = settings_.alphaBlendAnimation;
        frame_->alphaBlendValue = settings_.alphaBlendValue;
        frame_->SetSystemMenuPopup(std::make_unique<SkinnedSystemMenu>(settings_.ctrlSkinData));
        frame_->SetSkinData(settings_.skinData);
    }

    HWND Child(const char* className, const std::string& text, DWORD style, const Rect& r, int id) {
        HWND child =
            CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                            r.Width(), r.Height(), window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            gui::Application::Instance(), nullptr);
        if (!child) throw std::runtime_error(std::string("Cannot create the message box's ") + className);
        return child;
    }

    // Sizes the window to the client size the layout asks for, whatever frame it wears, in the middle of
    // the screen.
    void PlaceCentred(Size client) {
        RECT window{}, inner{};
        GetWindowRect(window_, &window);
        GetClientRect(window_, &inner);
        const int width = client.cx + (window.right - window.left) - inner.right;
        const int height = client.cy + (window.bottom - window.top) - inner.bottom;
        const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    const TSkinMessage& settings_;
    const std::string& text_;
    MsgDlgType type_;
    MsgDlgButtons buttons_;
    HWND window_ = nullptr;
    TSkinStdLabel Message;
    std::unique_ptr<TSkinFrame> frame_;
    std::vector<std::unique_ptr<TSkinButton>> buttonControls_;
    gui::FontHandle labelFont_;
    COLORREF labelColor_ = 0;
};

TSkinMessage::TSkinMessage() : defaultFont{"宋体", 12}, defaultButtonFont{"宋体", 12} {}

int TSkinMessage::Execute(HWND owner, const std::string& text, MsgDlgType type, MsgDlgButtons buttons,
                          int /*helpContext*/) const {
    TMessageForm form(*this, text, type, buttons);
    return form.ShowModal(owner);
}

}  // namespace huecast::skin
