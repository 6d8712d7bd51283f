// The chat-window list and Send.
#include "app/form1.h"

#include <optional>
#include <utility>

#include "bridge/qq_win.h"
#include "convert/urtf_reader.h"
#include "convert/urtf_split.h"
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
constexpr const char* kClipboardBusyMessage = "剪贴板正被其他程序占用，请稍后再试。";
constexpr const char* kSendInPartsQuestion = "您生成的编码超出了QQ一条消息所能发送的400字节。\r要把它分成 ";
constexpr const char* kSendInPartsEnd = " 条消息依次发送吗？";
constexpr const char* kCharacterTooLargeMessage =
    " 个字符单独一条消息也超出了QQ所能发送的限制，无法分条发送。\r请给它换一种字体。";
constexpr const char* kClipboardNotRestoredMessage = "彩字已发送，但剪贴板中原来的内容无法恢复。";
constexpr const char* kClipboardPartlyRestoredMessage = "彩字已发送，但剪贴板中原来的内容只恢复了一部分。";

std::string ChatCaption(HWND window, bool nickname) {
    return nickname ? bridge::ReadChatItemText(window, bridge::kNicknameItem) : bridge::ReadChatTitle(window);
}

// Rewrites the list only when its items change, so that a list that stays the same every second neither
// flickers nor loses its scroll position.
void ShowItems(skin::TSkinListBox& list, const std::vector<std::string>& items) {
    bool same = list.Count() == static_cast<int>(items.size());
    for (int i = 0; same && i < list.Count(); ++i)
        same = list.Item(i) == items[static_cast<std::size_t>(i)];
    if (!same) list.SetItems(items);
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
    sendButton_->onClick = [this] { SendClick(); };
    chatListTimer_ =
        std::make_unique<gui::Timer>(Handle(), kRefreshIntervalMs, [this] { RefreshChatList(); });
}

void TForm1::RefreshChatList() {
    if (!chatHandles_ || !chatCaptions_) return;  // the window is closing
    chatCaptions_->clear();
    const int selected = chatList_->ItemIndex();
    *chatHandles_ = bridge::ListChatWindows();
    const bool nicknames = showNicknames_->Checked();
    for (const std::string& handle : *chatHandles_)
        chatCaptions_->push_back(ChatCaption(bridge::HandleFromDecimal(handle), nicknames));
    ShowItems(*chatList_, *chatCaptions_);
    // The selection stays on its place in the list, whichever window stands there now. Selecting only on a
    // change keeps the list from scrolling back to the selection under the user's hand every second.
    const int wanted = selected >= 0 ? selected : 0;
    if (chatList_->ItemIndex() != wanted) chatList_->SetItemIndex(wanted);
}

void TForm1::SendClick() {
    if (sending_ || !chatHandles_ || !chatCaptions_) return;
    const std::string converted = ConvertEditor();
    std::vector<std::string> parts{converted};
    if (converted.size() > kMaxUrtfBytes) {
        try {
            parts = MessageParts();
        } catch (const UrtfSplitError& error) {
            ShowError("第 " + std::to_string(error.CharacterIndex() + 1) + kCharacterTooLargeMessage);
            return;
        }
        if (AskWarning(kSendInPartsQuestion + std::to_string(parts.size()) + kSendInPartsEnd) == skin::mrNo)
            return;
    }
    const int index = chatList_->ItemIndex();
    const bool chosen = index >= 0 && static_cast<std::size_t>(index) < chatHandles_->size();
    // What the user had on the clipboard comes back after the Send, unless they asked for it to be emptied.
    const bool keepClipboard = !clearClipboardToo_->Checked();
    std::optional<gui::ClipboardContents> previous;
    // A single message goes onto the clipboard even without a chosen chat window, ready to paste by hand.
    // Pasting a clipboard that could not be set would send whatever it held before.
    if (parts.size() == 1) {
        if (chosen && keepClipboard) previous = gui::ClipboardContents::Take(Handle());
        if (!PutOnClipboard(parts[0])) return;
    }
    if (!chosen) {
        ShowError(kNoFriendMessage);
        return;
    }
    if (parts.size() > 1 && keepClipboard) previous = gui::ClipboardContents::Take(Handle());

    // The list is up to a second old: the window may have closed since, and its handle may now belong to
    // another window. Only the chat window that the list shows selected receives the text.
    HWND window = bridge::HandleFromDecimal((*chatHandles_)[static_cast<std::size_t>(index)]);
    const std::string& caption = (*chatCaptions_)[static_cast<std::size_t>(index)];
    bridge::Delivery delivery = bridge::Delivery::kNoChatWindow;
    bool clipboardBusy = false;
    std::size_t sent = 0;
    if (ChatCaption(window, true) == caption || ChatCaption(window, false) == caption) {
        sending_ = true;  // the wait answers other programs' messages, a click on Send among them
        // Each part is pasted and sent before the next goes onto the clipboard: the delivery returns only
        // after the messenger has handled the click on its send button.
        for (; sent < parts.size(); ++sent) {
            const bool onClipboard = sent == 0 && parts.size() == 1;  // put there before the checks
            if (!onClipboard && !gui::clipboard::SetText(Handle(), parts[sent])) {
                clipboardBusy = true;
                break;
            }
            delivery = bridge::DeliverToChatWindow(window);
            if (delivery != bridge::Delivery::kDelivered) break;
        }
        sending_ = false;
    }
    // The text did not reach the chat window, or may not have: the editor keeps what was not sent, the
    // clipboard the part that failed (a messenger that answers late still pastes that, never the user's own
    // content), and the user is told why.
    if (sent < parts.size()) {
        std::string message = clipboardBusy                                ? kClipboardBusyMessage
                              : delivery == bridge::Delivery::kNoInputBox  ? kNoInputBoxMessage
                              : delivery == bridge::Delivery::kNotAnswered ? kNotAnsweredMessage
                                                                           : kWindowGoneMessage;
        if (parts.size() > 1) {
            message = "彩字分成 " + std::to_string(parts.size()) + " 条，已发出 " + std::to_string(sent) +
                      " 条，其余的留在编辑框中。\r" + message;
            RemoveSentParts(parts, sent);
        }
        ShowError(message);
        editor_->SetFocus();
        return;
    }

    if (activateAfterSend_->Checked()) {
        // Asynchronous: the messenger's thread need not answer for the window to come forward.
        if (IsIconic(window)) ShowWindowAsync(window, SW_RESTORE);
        SetForegroundWindow(window);
    } else {
        FlashUntilActivated(window);
    }
    if (clearAfterSend_->Checked()) editor_->Clear();
    // The paste has been handled by now, so the clipboard is no longer needed.
    if (!keepClipboard) {
        gui::clipboard::Clear(Handle());
    } else if (!previous || !previous->Restore(Handle())) {
        ShowError(kClipboardNotRestoredMessage);
    } else if (!previous->Complete()) {
        ShowError(kClipboardPartlyRestoredMessage);
    }
    editor_->SetFocus();
}

void TForm1::RemoveSentParts(const std::vector<std::string>& parts, std::size_t sent) {
    // Every character of the work is one character of the editor, in order, a line break one too.
    std::size_t characters = 0;
    for (std::size_t i = 0; i < sent; ++i) {
        for (const UrtfRun& run : ReadUrtf(parts[i], SystemCodePage()))
            characters += run.text.size();
    }
    editor_->DeleteLeadingCharacters(characters);
}

}  // namespace huecast
