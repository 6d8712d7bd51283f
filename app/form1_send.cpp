// The chat-window list and Send.
#include "app/form1.h"

#include <utility>

#include "bridge/qq_win.h"
#include "gui/clipboard.h"

namespace huecast {

namespace {

constexpr UINT kRefreshIntervalMs = 1000;

constexpr const char* kNoFriendMessage = "你没有选中你的好友，\r或 好友名单中为空\r请找一个人聊先！";
constexpr const char* kWindowGoneMessage =
    "你选中的聊天窗口已经关闭或换成了别的窗口，彩字没有发送。\r请重新选择好友。彩字已放在剪贴板中。";
constexpr const char* kNoInputBoxMessage =
    "你选中的聊天窗口中找不到输入框，彩字没有发送。\r彩字已放在剪贴板中，可以手动粘贴。";
constexpr const char* kNotAnsweredMessage =
    "你选中的聊天窗口没有响应，彩字可能没有发送出去。\r彩字已放在剪贴板中，可以稍后手动粘贴。";

std::string ChatCaption(HWND window, bool nickname) {
    return nickname ? bridge::ReadChatItemText(window, bridge::kNicknameItem) : bridge::ReadChatTitle(window);
}

// Rewrites the list only when its items change, so that a list that stays the same every second neither
// flickers nor loses its scroll position.
void ShowItems(gui::ListBox& list, const std::vector<std::string>& items) {
    bool same = list.Count() == static_cast<int>(items.size());
    for (int i = 0; same && i < list.Count(); ++i)
        same = list.Item(i) == items[static_cast<std::size_t>(i)];
    if (same) return;
    HWND box = list.Handle();
    const LRESULT top = SendMessageA(box, LB_GETTOPINDEX, 0, 0);
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    list.Clear();
    for (const std::string& item : items)
        list.Add(item);
    SendMessageA(box, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

void FlashUntilActivated(HWND window) {
    FLASHWINFO flash{};
    flash.cbSize = sizeof flash;
    flash.hwnd = window;
    flash.dwFlags = FLASHW_ALL | FLASHW_TIMERNOFG;  // caption and task-bar button, until it comes forward
    FlashWindowEx(&flash);
}

}  // namespace

void TForm1::WireSend() {
    SkinButton5->onClick = [this] { SkinButton5Click(); };
    Timer1 = std::make_unique<gui::Timer>(Handle(), kRefreshIntervalMs, [this] { Timer1Timer(); });
}

void TForm1::Timer1Timer() {
    if (!ChatHandles || !ChatCaptions) return;  // the window is closing
    ChatCaptions->clear();
    const int selected = SkinListBox4->ItemIndex();
    *ChatHandles = bridge::ListChatWindows();
    const bool nicknames = SkinCheckBox1->Checked();
    for (const std::string& handle : *ChatHandles)
        ChatCaptions->push_back(ChatCaption(bridge::HandleFromDecimal(handle), nicknames));
    ShowItems(*SkinListBox4, *ChatCaptions);
    // The selection stays on its place in the list, whichever window stands there now. Selecting only on a
    // change keeps the list from scrolling back to the selection under the user's hand every second.
    const int wanted = selected >= 0 ? selected : 0;
    if (SkinListBox4->ItemIndex() != wanted) SkinListBox4->SetItemIndex(wanted);
}

void TForm1::SkinButton5Click() {
    if (sending_ || !ChatHandles || !ChatCaptions) return;
    // Pasting a clipboard that could not be set would send whatever it held before.
    if (!PutConvertedOnClipboard()) return;
    const int index = SkinListBox4->ItemIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= ChatHandles->size()) {
        ShowError(kNoFriendMessage);
        return;
    }

    // The list is up to a second old: the window may have closed since, and its handle may now belong to
    // another window. Only the chat window that the list shows selected receives the text.
    HWND window = bridge::HandleFromDecimal((*ChatHandles)[static_cast<std::size_t>(index)]);
    const std::string& caption = (*ChatCaptions)[static_cast<std::size_t>(index)];
    bridge::Delivery delivery = bridge::Delivery::kNoChatWindow;
    if (ChatCaption(window, true) == caption || ChatCaption(window, false) == caption) {
        sending_ = true;  // the wait answers other programs' messages, a click on Send among them
        delivery = bridge::DeliverToChatWindow(window);
        sending_ = false;
    }
    // The text did not reach the chat window, or may not have: the editor and the clipboard keep it, and the
    // user is told why.
    if (delivery != bridge::Delivery::kDelivered) {
        ShowError(delivery == bridge::Delivery::kNoInputBox    ? kNoInputBoxMessage
                  : delivery == bridge::Delivery::kNotAnswered ? kNotAnsweredMessage
                                                               : kWindowGoneMessage);
        RichEdit1->SetFocus();
        return;
    }

    if (SkinCheckBox3->Checked()) {
        // Asynchronous: the messenger's thread need not answer for the window to come forward.
        if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
        SetForegroundWindow(window);
    } else {
        FlashUntilActivated(window);
    }
    if (SkinCheckBox4->Checked()) RichEdit1->Clear();
    // The paste has been handled by now, so the clipboard is no longer needed.
    if (SkinCheckBox2->Checked()) gui::clipboard::Clear(Handle());
    RichEdit1->SetFocus();
}

}  // namespace huecast
