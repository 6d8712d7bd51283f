// The messenger's chat windows, driven from outside the messenger: found among the desktop's top-level
// windows, named by one of their dialog items, and given a message by clearing the input box, pasting the
// clipboard into it and pressing the send button.
//
// A chat window is a top-level "#32770" window with a direct child whose text is "发送(&S)". Its input box
// is the first "RICHEDIT" child of its first "AfxWnd42" child.
//
// Nothing here sends a message to the messenger except DeliverToChatWindow, and that one never waits
// longer than its time-out: a messenger that has stopped answering cannot hang the caller.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace huecast::bridge {

inline constexpr std::size_t kMaxChatWindows = 40;
inline constexpr int kNicknameItem = 319;  // the friend's nickname
inline constexpr int kTitleItem = 688;
// How long a whole delivery may take before the chat window counts as not answering.
inline constexpr DWORD kDeliveryTimeoutMs = 5000;

// Window handles are kept as unsigned 32-bit decimals. Windows keeps window handles within 32 bits on
// 64-bit systems too (a 32-bit value sign-extended), so the text is the same for the 32-bit and the 64-bit
// program and nothing is lost.
std::string HandleToDecimal(HWND window);
// The handle written by HandleToDecimal; nullptr for text that is not an unsigned 32-bit decimal.
HWND HandleFromDecimal(std::string_view text);

// True for a window that is, right now, a top-level "#32770" window with the send button.
bool IsChatWindow(HWND window);

// The handles (as HandleToDecimal writes them) of at most 40 chat windows, in the desktop's stacking order
// from the top. Dialogs without the send button are passed over and do not count.
std::vector<std::string> ListChatWindows();

// The text of the chat window's dialog item `id`, at most 99 bytes in the system code page (a double-byte
// character cut in half at the end is dropped); empty when there is no such item.
std::string ReadChatItemText(HWND window, int id);
// The text of item 688.
std::string ReadChatTitle(HWND window);

enum class Delivery {
    kDelivered,     // cleared, pasted and the send button pressed, each answered in time
    kNoChatWindow,  // the handle is no longer a chat window (it closed); nothing was sent
    kNoInputBox,    // the chat window has no input box; nothing was sent
    kNotAnswered,   // the messenger did not handle a message in time or is hung; what it had not yet
                    // handled stays queued for it
};

// Clears the chat window's input box, pastes the clipboard into it and presses its send button, in this
// order, each message waiting for the messenger to handle it. Gives up at once on a window the system
// knows to be hung, and otherwise after `timeoutMs` for the three together.
Delivery DeliverToChatWindow(HWND window, DWORD timeoutMs = kDeliveryTimeoutMs);

}  // namespace huecast::bridge
