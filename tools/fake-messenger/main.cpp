// A stand-in for the messenger, for tests and for showing Huecast to someone without the real one: chat
// windows shaped like the messenger's that record what they send, ordinary dialogs beside them, and a
// small friend list to open and close chats by hand. Usage: fake-messenger --help.
#include <windows.h>

#include <ole2.h>
#include <shellapi.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "tools/fake-messenger/chat_window.h"
#include "tools/fake-messenger/options.h"

namespace huecast::fake {
namespace {

constexpr const char* kMainClass = "HuecastFakeMessenger";
constexpr UINT kChatDestroyed = WM_APP + 1;  // wParam: the friend's index
constexpr int kFriendList = 100;
constexpr int kOpenChat = 101;
constexpr int kOpenDialog = 102;
constexpr int kStatus = 103;

std::string ToSystemCodePage(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i)
        args.push_back(ToSystemCodePage(words[i]));
    LocalFree(words);
    return args;
}

HFONT UiFont() {
    static HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    return font;
}

class Messenger {
  public:
    explicit Messenger(Options options);
    HWND Handle() const { return window_; }

  private:
    struct Friend {
        std::string name;
        bool withInput = true;
        std::unique_ptr<ChatWindow> chat;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void OpenChat(std::size_t index, bool activate);
    void OpenDialog(bool activate);
    void ShowFriends();
    HWND AddChild(const char* className, const char* text, DWORD style, int id, int x, int y, int w, int h);

    Options options_;
    std::vector<Friend> friends_;
    std::vector<HWND> dialogs_;
    int windowsOpened_ = 0;  // places each new window a step further down the cascade
    HWND window_ = nullptr;
    HWND list_ = nullptr;
};

Messenger::Messenger(Options options) : options_(std::move(options)) {
    for (std::size_t i = 0; i < options_.names.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        bool withInput = true;
        for (int n : options_.withoutInput)
            withInput = withInput && n != number;
        friends_.push_back({options_.names[i], withInput, nullptr});
    }

    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainClass;
    RegisterClassA(&wc);
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 230, 330};
    AdjustWindowRect(&frame, kStyle, FALSE);
    CreateWindowExA(WS_EX_CONTROLPARENT, kMainClass, "模拟聊天程序", kStyle, 1030, 10,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                    GetModuleHandleA(nullptr), this);
    if (!window_) throw std::runtime_error("cannot create the main window");
    CreateControls();
    ShowWindow(window_, SW_SHOWNOACTIVATE);

    // Opened without taking the focus from the program in front, as by a messenger that was already running.
    for (std::size_t i = 0; i < friends_.size(); ++i)
        OpenChat(i, false);
    for (int i = 0; i < options_.dialogs; ++i)
        OpenDialog(false);
    ShowFriends();
}

HWND Messenger::AddChild(const char* className, const char* text, DWORD style, int id, int x, int y, int w,
                         int h) {
    HWND child = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                 nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
    return child;
}

void Messenger::CreateControls() {
    AddChild("STATIC", "好友（双击打开聊天窗口）：", SS_NOPREFIX, -1, 10, 10, 210, 16);
    list_ = AddChild("LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
                     kFriendList, 10, 28, 210, 170);
    AddChild("BUTTON", "打开聊天(&O)", BS_DEFPUSHBUTTON | WS_TABSTOP, kOpenChat, 10, 204, 100, 26);
    AddChild("BUTTON", "普通对话框(&D)", BS_PUSHBUTTON | WS_TABSTOP, kOpenDialog, 120, 204, 100, 26);
    std::string status = options_.recordFolder.empty() ? "发送的内容不记录到文件（用 --record 文件夹）。"
                                                       : "发送的内容记录在：\r\n" + options_.recordFolder;
    if (options_.hangSeconds > 0)
        status +=
            "\r\n\r\n" +
            (options_.hangAfterSends > 0 ? "发送 " + std::to_string(options_.hangAfterSends) + " 条之后，"
                                         : std::string()) +
            "收到第一条投递消息时停止响应 " + std::to_string(options_.hangSeconds) + " 秒。";
    AddChild("STATIC", status.c_str(), SS_NOPREFIX, kStatus, 10, 238, 210, 84);
}

void Messenger::OpenChat(std::size_t index, bool activate) {
    Friend& f = friends_.at(index);
    if (f.chat && f.chat->Handle()) {
        if (IsIconic(f.chat->Handle())) ShowWindow(f.chat->Handle(), SW_RESTORE);
        SetForegroundWindow(f.chat->Handle());
        return;
    }
    const int step = windowsOpened_++ % 8;
    f.chat = std::make_unique<ChatWindow>(ChatSetup{
        .number = static_cast<int>(index) + 1,
        .name = f.name,
        .withInput = f.withInput,
        .hangSeconds = options_.hangSeconds,
        .hangAfterSends = options_.hangAfterSends,
        .recordFolder = options_.recordFolder,
        .x = 820 + 24 * step,
        .y = 360 + 24 * step,
        .activate = activate,
        .onDestroyed = [this, index] { PostMessageA(window_, kChatDestroyed, index, 0); },
    });
    ShowFriends();
}

void Messenger::OpenDialog(bool activate) {
    const int step = windowsOpened_++ % 8;
    if (HWND dialog =
            OpenPlainDialog(static_cast<int>(dialogs_.size()) + 1, 560 + 24 * step, 40 + 24 * step, activate))
        dialogs_.push_back(dialog);
}

void Messenger::ShowFriends() {
    const LRESULT selected = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    for (const Friend& f : friends_) {
        std::string item = f.name;
        if (f.chat) item += "  [聊天中]";
        if (!f.withInput) item += "  [无输入框]";
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(selected == LB_ERR ? 0 : selected), 0);
}

LRESULT Messenger::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if (id == kOpenChat || (id == kFriendList && code == LBN_DBLCLK)) {
                const LRESULT selected = SendMessageA(list_, LB_GETCURSEL, 0, 0);
                if (selected != LB_ERR) OpenChat(static_cast<std::size_t>(selected), true);
                return 0;
            }
            if (id == kOpenDialog) {
                OpenDialog(true);
                return 0;
            }
            break;
        }
        case kChatDestroyed:
            // Freed here, not inside the chat window's own message handling.
            if (wParam < friends_.size() && friends_[wParam].chat && !friends_[wParam].chat->Handle()) {
                friends_[wParam].chat.reset();
                ShowFriends();
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK Messenger::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Messenger*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Messenger*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return self ? self->HandleMessage(message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace
}  // namespace huecast::fake

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace huecast::fake;
    Options options;
    try {
        options = ParseOptions(CommandLineArguments());
    } catch (const std::invalid_argument& e) {
        const std::string problem = e.what();
        const std::string text = problem.empty() ? kUsage : problem + "\n\n" + kUsage;
        MessageBoxA(nullptr, text.c_str(), "fake-messenger", MB_OK | (problem.empty() ? 0 : MB_ICONERROR));
        return problem.empty() ? 0 : 2;
    }
    if (!options.recordFolder.empty()) CreateDirectoryA(options.recordFolder.c_str(), nullptr);
    // The rich-edit control pastes through the OLE clipboard.
    OleInitialize(nullptr);

    Messenger messenger(std::move(options));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab, Enter and the mnemonics work in the chat windows as in any dialog.
        HWND active = GetActiveWindow();
        if (active && IsDialogMessageA(active, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
