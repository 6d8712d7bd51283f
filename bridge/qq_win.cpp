#include "bridge/qq_win.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

namespace huecast::bridge {

namespace {

constexpr const char* kDialogClass = "#32770";
constexpr const char* kSendButtonText = "发送(&S)";
constexpr const char* kContainerClass = "AfxWnd42";
constexpr const char* kInputClass = "RICHEDIT";

HWND SendButtonOf(HWND window) {
    return FindWindowExA(window, nullptr, nullptr, kSendButtonText);
}

// The bytes of `text` without a lead byte whose trail byte was cut off.
std::size_t WholeCharactersLength(const char* text, std::size_t length) {
    std::size_t i = 0;
    while (i < length) {
        if (!IsDBCSLeadByte(static_cast<BYTE>(text[i]))) {
            ++i;
        } else if (i + 1 < length) {
            i += 2;
        } else {
            break;
        }
    }
    return i;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

}  // namespace

std::string HandleToDecimal(HWND window) {
    return std::to_string(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)));
}

HWND HandleFromDecimal(std::string_view text) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) return nullptr;
    // Back to a full handle the way the system widens one: sign extension.
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}

bool IsChatWindow(HWND window) {
    if (!window || !IsWindow(window) || GetAncestor(window, GA_PARENT) != GetDesktopWindow()) return false;
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, kDialogClass) == 0 && SendButtonOf(window) != nullptr;
}

std::vector<std::string> ListChatWindows() {
    // The system's snapshot of the top-level windows, top first: walking the stacking order window by
    // window instead can meet a window twice while the user brings windows forward. Reading class names
    // and children sends no message, so a hung messenger cannot stop the refresh.
    std::vector<HWND> topLevel;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&topLevel));
    std::vector<std::string> handles;
    for (HWND window : topLevel) {
        if (handles.size() == kMaxChatWindows) break;
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::strcmp(className, kDialogClass) == 0 && SendButtonOf(window))
            handles.push_back(HandleToDecimal(window));
    }
    return handles;
}

std::string ReadChatItemText(HWND window, int id) {
    HWND item = GetDlgItem(window, id);
    if (!item) return {};
    // For another program's window the system answers from the text it keeps, without asking the messenger.
    char buffer[100] = {};
    GetWindowTextA(item, buffer, sizeof buffer);
    return std::string(buffer, WholeCharactersLength(buffer, strnlen(buffer, sizeof buffer - 1)));
}

std::string ReadChatTitle(HWND window) {
    return ReadChatItemText(window, kTitleItem);
}

Delivery DeliverToChatWindow(HWND window, DWORD timeoutMs) {
    if (!IsChatWindow(window)) return Delivery::kNoChatWindow;
    HWND button = SendButtonOf(window);
    HWND container = FindWindowExA(window, nullptr, kContainerClass, nullptr);
    HWND input = container ? FindWindowExA(container, nullptr, kInputClass, nullptr) : nullptr;
    if (!input) return Delivery::kNoInputBox;

    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    const auto send = [deadline](HWND target, UINT message, LPARAM lParam) {
        const ULONGLONG now = GetTickCount64();
        const UINT left = now < deadline ? static_cast<UINT>(deadline - now) : 0;
        DWORD_PTR reply = 0;
        return SendMessageTimeoutA(target, message, 0, lParam,
                                   SMTO_NORMAL | SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, left, &reply) != 0;
    };
    if (send(input, WM_SETTEXT, reinterpret_cast<LPARAM>("")) && send(input, WM_PASTE, 0) &&
        send(button, BM_CLICK, 0))
        return Delivery::kDelivered;
    return IsWindow(window) ? Delivery::kNotAnswered : Delivery::kNoChatWindow;
}

}  // namespace huecast::bridge
