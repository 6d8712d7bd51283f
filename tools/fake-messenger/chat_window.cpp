#include "tools/fake-messenger/chat_window.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <utility>

namespace huecast::fake {

namespace {

constexpr int kNicknameItem = 319;
constexpr int kTitleItem = 688;
constexpr int kHistoryItem = 1001;
constexpr int kContainerItem = 1002;
constexpr int kInputItem = 1003;
constexpr const char* kContainerClass = "AfxWnd42";
constexpr const char* kUrtfStart = "{\\urtf";

HFONT UiFont(bool bold) {
    static HFONT normal = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    static HFONT heavy = CreateFontA(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    return bold ? heavy : normal;
}

HWND AddChild(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle, int id, int x,
              int y, int width, int height, bool bold = false) {
    HWND child = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont(bold)), FALSE);
    return child;
}

// The input box's container: it only frames its one child and hands it the focus.
LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (HWND child = GetWindow(window, GW_CHILD))
                MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_SETFOCUS:
            if (HWND child = GetWindow(window, GW_CHILD)) SetFocus(child);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterContainerClass() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ContainerProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_IBEAM);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kContainerClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
}

void LoadRichEditLibraries() {
    static const bool loaded = LoadLibraryA("riched32.dll") && LoadLibraryA("riched20.dll");
    (void)loaded;
}

std::string WindowText(HWND window) {
    // The rich-edit control may count characters rather than bytes: room for two bytes each.
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) * 2 + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

DWORD CALLBACK ReadString(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    auto* rest = reinterpret_cast<std::string*>(cookie);
    const std::size_t n = std::min(rest->size(), static_cast<std::size_t>(size));
    rest->copy(reinterpret_cast<char*>(buffer), n);
    rest->erase(0, n);
    *done = static_cast<LONG>(n);
    return 0;
}

void InsertRtf(HWND edit, std::string rtf) {
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rtf), 0, ReadString};
    SendMessageA(edit, EM_STREAMIN, SF_RTF | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
}

INT_PTR CALLBACK PlainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if ((message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) ||
        message == WM_CLOSE) {
        DestroyWindow(window);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

HWND CreateEmptyDialog(DLGPROC proc, LPARAM param, int clientWidth, int clientHeight, int x, int y) {
    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
    // A template without items, menu, class or title: the dialog's controls are made afterwards.
    struct alignas(4) Template {
        DLGTEMPLATE dialog;
        WORD menu, windowClass, title;
    } empty{};
    empty.dialog.style = kStyle;
    empty.dialog.dwExtendedStyle = kExStyle;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &empty.dialog, nullptr, proc, param);
    if (!dialog) return nullptr;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    SetWindowPos(dialog, nullptr, x, y, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return dialog;
}

ChatWindow::ChatWindow(ChatSetup setup) : setup_(std::move(setup)) {
    LoadRichEditLibraries();
    RegisterContainerClass();
    CreateEmptyDialog(DialogProc, reinterpret_cast<LPARAM>(this), 400, 330, setup_.x, setup_.y);
    if (window_) ShowWindow(window_, setup_.activate ? SW_SHOW : SW_SHOWNOACTIVATE);
}

ChatWindow::~ChatWindow() {
    if (window_) DestroyWindow(window_);
}

void ChatWindow::CreateControls() {
    SetWindowTextA(window_, ("与 " + setup_.name + " 聊天中").c_str());
    AddChild(window_, "STATIC", setup_.name.c_str(), SS_NOPREFIX, 0, kNicknameItem, 12, 10, 376, 20, true);
    AddChild(window_, "STATIC", ("与 " + setup_.name + " 的对话").c_str(), SS_NOPREFIX, 0, kTitleItem, 12, 32,
             376, 16);
    history_ = AddChild(window_, "RichEdit20A", "", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
                        WS_EX_CLIENTEDGE, kHistoryItem, 12, 54, 376, 160);
    HWND container = AddChild(window_, kContainerClass, "", WS_TABSTOP, WS_EX_CLIENTEDGE, kContainerItem, 12,
                              222, 376, 64);
    RECT inside{};
    GetClientRect(container, &inside);
    if (setup_.withInput) {
        input_ = AddChild(container, "RICHEDIT", "", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                          0, kInputItem, 0, 0, inside.right, inside.bottom);
        SetWindowSubclass(input_, InputProc, 0, reinterpret_cast<DWORD_PTR>(this));
    } else {
        AddChild(container, "STATIC", "（这个聊天窗口没有输入框）", SS_CENTER | SS_CENTERIMAGE, 0, kInputItem,
                 0, 0, inside.right, inside.bottom);
    }
    AddChild(window_, "BUTTON", "关闭(&C)", BS_PUSHBUTTON | WS_TABSTOP, 0, IDCANCEL, 228, 294, 76, 26);
    AddChild(window_, "BUTTON", "发送(&S)", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, IDOK, 312, 294, 76, 26);
}

void ChatWindow::Send() {
    if (!input_) {
        MessageBeep(MB_ICONWARNING);
        return;
    }
    const std::string text = WindowText(input_);
    if (text.empty()) {
        MessageBeep(MB_ICONWARNING);  // the messenger does not send an empty message either
        return;
    }
    Record(text);
    AppendToHistory(text);
    SetWindowTextA(input_, "");
    // Counted after the input box is cleared, so that clearing it is not the delivery a hang waits for.
    ++sends_;
}

void ChatWindow::Record(const std::string& text) const {
    if (setup_.recordFolder.empty()) return;
    // Every send in a file of its own, numbered from 1, and the last one again under the window's name.
    const std::string name = setup_.recordFolder + "\\chat-" + std::to_string(setup_.number);
    WriteRecord(name + "-" + std::to_string(sends_ + 1) + ".txt", text);
    WriteRecord(name + ".txt", text);
}

void ChatWindow::WriteRecord(const std::string& path, const std::string& text) {
    // Written beside and then moved into place, so that a reader never sees half a record.
    const std::string part = path + ".part";
    HANDLE file =
        CreateFileA(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    const bool whole = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                       written == text.size();
    CloseHandle(file);
    if (whole) MoveFileExA(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void ChatWindow::AppendToHistory(const std::string& text) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char time[16] = {};
    std::snprintf(time, sizeof time, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
    SendMessageA(history_, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    InsertRtf(history_, std::string("{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 宋体;}}"
                                    "{\\colortbl;\\red0\\green110\\blue54;}\\cf1\\f0\\fs18 我  ") +
                            time + "\\par}");
    SendMessageA(history_, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    // The messenger's rich text is ordinary RTF under another name: shown as the friend would see it.
    if (text.starts_with(kUrtfStart))
        InsertRtf(history_,
                  "{\\rtf1\\ansi\\ansicpg936" + text.substr(std::char_traits<char>::length(kUrtfStart)));
    else
        SendMessageA(history_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>((text + "\r\n").c_str()));
    SendMessageA(history_, WM_VSCROLL, SB_BOTTOM, 0);
}

INT_PTR CALLBACK ChatWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<ChatWindow*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->window_ = window;
        self->CreateControls();
        return TRUE;
    }
    auto* self = reinterpret_cast<ChatWindow*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) {
                self->Send();
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                DestroyWindow(window);
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            DestroyWindow(window);
            return TRUE;
        case WM_DESTROY:
            SetWindowLongPtrA(window, DWLP_USER, 0);
            self->window_ = nullptr;
            if (self->setup_.onDestroyed) self->setup_.onDestroyed();
            return TRUE;
        default:
            return FALSE;
    }
}

LRESULT CALLBACK ChatWindow::InputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR selfPointer) {
    auto* self = reinterpret_cast<ChatWindow*>(selfPointer);
    // A messenger that stops answering: a delivery from another program finds the thread asleep.
    if ((message == WM_SETTEXT || message == WM_PASTE) && self->setup_.hangSeconds > 0 && !self->hung_ &&
        self->sends_ >= self->setup_.hangAfterSends && InSendMessage()) {
        self->hung_ = true;
        Sleep(static_cast<DWORD>(self->setup_.hangSeconds) * 1000);
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, InputProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

HWND OpenPlainDialog(int number, int x, int y, bool activate) {
    HWND dialog = CreateEmptyDialog(PlainDialogProc, 0, 260, 90, x, y);
    if (!dialog) return nullptr;
    SetWindowTextA(dialog, ("系统消息 " + std::to_string(number)).c_str());
    AddChild(dialog, "STATIC", "这是一个普通对话框，没有发送按钮。", SS_NOPREFIX, 0, -1, 16, 16, 228, 20);
    AddChild(dialog, "BUTTON", "确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, IDOK, 92, 52, 76, 26);
    ShowWindow(dialog, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
    return dialog;
}

}  // namespace huecast::fake
