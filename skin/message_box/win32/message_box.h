// The program's modal message box drawn from the skin: TSkinMessage holds the settings, Execute builds a
// TMessageForm for one call, shows it modally and returns the modal result of the button that closed it.
//
//     TSkinMessage SkinMessage1;
//     SkinMessage1.skinData = SkinMessage1.ctrlSkinData = &skin.Data();
//     int r = SkinMessage1.Execute(owner, "text", skin::MsgDlgType::Warning, {MsgDlgBtn::Yes,
//     MsgDlgBtn::No});
//
// The box is a dialog window (class "#32770"), so other programs and tests find it as they find any
// message box: its label is the child 0xFFFF and answers WM_GETTEXT; each button's id is its result.
// Enter clicks the default button, Escape the cancel button; closing the box any other way (its close
// button, the system menu, Alt+F4) acts as Escape.
#pragma once

#include <windows.h>

#include <string>

#include "gui/fonts.h"
#include "skin/message_box/message_layout.h"

namespace huecast::skin {

class TSkinData;

// Id of the help button: it has no modal result of its own, and ids 1..10 are the other buttons' results.
inline constexpr int kMessageHelpButtonId = 0x7FFE;
// Id of the message label, as the system's message box numbers its text.
inline constexpr int kMessageLabelId = 0xFFFF;

class TSkinMessage {
  public:
    TSkinMessage();

    bool alphaBlend = false;
    bool alphaBlendAnimation = false;
    BYTE alphaBlendValue = 200;
    TSkinData* skinData = nullptr;      // the box's frame
    TSkinData* ctrlSkinData = nullptr;  // its buttons and text
    std::string buttonSkinDataName = "button";
    std::string messageLabelSkinDataName = "stdlabel";
    gui::FontSpec defaultFont;
    COLORREF defaultFontColor = RGB(0, 0, 0);
    gui::FontSpec defaultButtonFont;
    COLORREF defaultButtonFontColor = RGB(0, 0, 0);
    bool useSkinFont = true;

    // Shows `text` (lines separated by CR) modally over `owner`. The help context is accepted and ignored.
    int Execute(HWND owner, const std::string& text, MsgDlgType type, MsgDlgButtons buttons,
                int helpContext = 0) const;
};

}  // namespace huecast::skin
