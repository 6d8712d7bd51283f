// TMessageForm: the form of one message of TSkinMessage, on the program's form kit (TDialogForm): the label
// "Message", the icon "Image" and one skinned button per button of the set, laid out by LayOutMessageBox.
// Created by Execute, shown modally, gone when it closes.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/message_box/message_layout.h"
#include "skin/controls/win32/std_label.h"
#include "skin/frame/win32/dialog_form.h"

namespace huecast::skin {

class TSkinMessage;
class TSkinButton;
class MessageLabel;
class MessageIcon;

class TMessageForm final : public TDialogForm {
  public:
    TMessageForm(const TSkinMessage& settings, const std::string& text, MsgDlgType type,
                 MsgDlgButtons buttons);
    ~TMessageForm() override;

  private:
    void Build() override;
    void Command(int id) override;

    const TSkinMessage& settings_;
    const std::string& text_;
    MsgDlgType type_;
    MsgDlgButtons buttons_;
    TSkinStdLabel Message;
    std::unique_ptr<MessageLabel> label_;
    std::unique_ptr<MessageIcon> image_;  // "Image"
    std::vector<std::unique_ptr<TSkinButton>> buttonControls_;
};

}  // namespace huecast::skin
