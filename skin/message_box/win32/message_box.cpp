#include "skin/message_box/win32/message_box.h"

#include "skin/message_box/win32/message_form.h"

namespace huecast::skin {

TSkinMessage::TSkinMessage() : defaultFont{"宋体", 12}, defaultButtonFont{"宋体", 12} {}

int TSkinMessage::Execute(HWND owner, const std::string& text, MsgDlgType type, MsgDlgButtons buttons,
                          int /*helpContext*/) const {
    TMessageForm form(*this, text, type, buttons);
    return form.ShowModal(owner);
}

}  // namespace huecast::skin
