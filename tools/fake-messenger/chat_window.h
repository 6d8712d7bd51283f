// The fake messenger's windows: chat windows shaped like the messenger's, and ordinary dialogs.
//
// A chat window is a top-level "#32770" dialog with dialog item 319 (the nickname), item 688 (the title), a
// read-only history, a first "AfxWnd42" child holding the "RICHEDIT" input box, and the buttons "关闭(&C)"
// and "发送(&S)". Send records the input box's exact bytes, shows the message in the history (formatted,
// when it is the messenger's "{\urtf" rich text) and empties the input box, as the messenger does.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace huecast::fake {

struct ChatSetup {
    int number = 1;  // counts the chat windows from 1; names the record file
    std::string name;
    bool withInput = true;
    int hangSeconds = 0;
    int hangAfterSends = 0;  // the hang comes with the first delivery after this many sends
    std::string recordFolder;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    bool activate = true;               // false: opens behind the active window without taking the focus
    std::function<void()> onDestroyed;  // the window is gone; the owner may free the object later
};

class ChatWindow {
  public:
    explicit ChatWindow(ChatSetup setup);
    ~ChatWindow();  // destroys the window if it still exists
    ChatWindow(const ChatWindow&) = delete;
    ChatWindow& operator=(const ChatWindow&) = delete;

    HWND Handle() const { return window_; }
    // Presses Send as the user would.
    void Send();

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK InputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    void CreateControls();
    void Record(const std::string& text) const;
    static void WriteRecord(const std::string& path, const std::string& text);
    void AppendToHistory(const std::string& text);

    ChatSetup setup_;
    HWND window_ = nullptr;
    HWND history_ = nullptr;
    HWND input_ = nullptr;
    bool hung_ = false;
    int sends_ = 0;
};

// An ordinary dialog: "#32770" too, but without a send button.
HWND OpenPlainDialog(int number, int x, int y, bool activate);

// Creates an empty top-level "#32770" dialog of the given client size, bound to `proc` with `param`.
HWND CreateEmptyDialog(DLGPROC proc, LPARAM param, int clientWidth, int clientHeight, int x, int y);

}  // namespace huecast::fake
