// TMessageForm: the form of one message of TSkinMessage: a dialog window (class "#32770") in the skinned
// frame with its close button alone, the label "Message", the icon "Image" and one skinned button per
// button of the set, laid out by LayOutMessageBox. Created by Execute, shown modally, gone when it closes.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/message_box/message_layout.h"
#include "skin/controls/win32/std_label.h"

namespace huecast::skin {

class TSkinMessage;
class TSkinFrame;
class TSkinButton;
class MessageLabel;
class MessageIcon;

class TMessageForm {
  public:
    TMessageForm(const TSkinMessage& settings, const std::string& text, MsgDlgType type,
                 MsgDlgButtons buttons);
    ~TMessageForm();
    TMessageForm(const TMessageForm&) = delete;
    TMessageForm& operator=(const TMessageForm&) = delete;

    // Shows the box modally over `owner`; returns the modal result of the button that closed it.
    int ShowModal(HWND owner);

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Command(int id);
    void Build();
    void AttachFrame();
    void PlaceCentred(Size client);

    const TSkinMessage& settings_;
    const std::string& text_;
    MsgDlgType type_;
    MsgDlgButtons buttons_;
    HWND window_ = nullptr;
    TSkinStdLabel Message;
    std::unique_ptr<TSkinFrame> frame_;
    std::unique_ptr<MessageLabel> label_;
    std::unique_ptr<MessageIcon> image_;  // "Image"
    std::vector<std::unique_ptr<TSkinButton>> buttonControls_;
};

}  // namespace huecast::skin
