// Drives a real huecast.exe from another process, as a user would: a fresh copy of the program in a
// folder of its own (so rtf.ini is the test's), its window and controls found by class and item number,
// typing as character messages, clicks as button messages, message boxes read and answered.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/wait_until.h"

namespace huecast::testing {

// The visible top-level windows a process owns (of one class when `className` is given), front to back.
std::vector<HWND> VisibleTopLevels(DWORD process, const char* className = nullptr);
// The first of them of the class, or nullptr.
HWND FindTopLevel(DWORD process, const char* className);

// The huecast.exe under test: the one HUECAST_EXE names (the 32-bit program, for the same tests run
// against it), else the one built beside the test executables.
std::filesystem::path BuiltHuecastExe();

class HuecastProcess {
  public:
    // Copies huecast.exe into a new folder, writes `rtfIni` beside it when given, starts it and waits for
    // its main window.
    explicit HuecastProcess(std::optional<std::string> rtfIni = std::nullopt);
    ~HuecastProcess();  // closes the window (or ends the process) and removes the folder
    HuecastProcess(const HuecastProcess&) = delete;
    HuecastProcess& operator=(const HuecastProcess&) = delete;

    // Closes the program as the user would and starts it again in the same folder.
    void Restart();

    HWND Window() const { return window_; }
    HWND Control(int id) const;  // anywhere below the main window
    DWORD ProcessId() const { return processId_; }
    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path ExePath() const { return folder_ / "huecast.exe"; }

    // Types text (system code page bytes) into the editor as character messages, and waits until the
    // program has handled them.
    void Type(const std::string& text);
    void Key(WPARAM key);  // a key going down and up in the editor
    // Presses a button; returns when the click has been handled or a message box has opened.
    void Click(int id);
    // Puts `text` on the clipboard and pastes it into the editor, as the editor's Paste command does.
    void Paste(const std::wstring& text);
    std::string Text(int id) const;  // in the system code page
    // Whether the control's text becomes `text` within the time: for what the program sets a moment later,
    // such as the number of messages a long work takes, counted once typing pauses.
    bool ShowsSoon(int id, const std::string& text, int timeoutMs = 5000) const;
    std::wstring WideText(int id) const;  // every character
    bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

    // What a user sees and does with each kind of control, through the standard messages every control
    // answers whether it is a stand-in or a skinned control (skin/controls/win32/control_messages.h).
    bool IsChecked(int id) const;                   // a check box, radio item or check caption
    void SetChecked(int id, bool checked);          // sets the mark without a click's notification
    int ListCount(int id) const;
    std::string ListItem(int id, int index) const;  // system code page bytes
    std::vector<std::string> ListItems(int id) const;
    int ListSelection(int id) const;                // -1: none
    void SelectListItem(int id, int index);         // as a click on the item does (-1 selects none)
    int ComboSelection(int id) const;
    void ChooseComboItem(int id, int index);        // as choosing from the drop-down does
    int TrackPosition(int id) const;
    void KeyIn(int id, WPARAM key);                 // a key going down and up in a control
    void SelectEditorText(int start, int end);
    std::pair<int, int> EditorSelection() const;
    // The notification (STN_CLICKED, STN_DBLCLK...) a control's parent gets when the user acts on it.
    void Notify(int id, WORD code);
    // Waits until every message sent so far has been handled.
    void Sync() const;
    // Waits besides until the program has handled what it posted to itself until now, such as a menu
    // command it runs once the menu has gone.
    void SyncPosted() const;

    // The message box the program shows now, or nothing. The wait ends as soon as a box shows; the long
    // deadline is for a busy machine, a short one for a check that no box follows.
    HWND FindMessageBox(int timeoutMs = 30000) const;
    std::string MessageBoxText(HWND box) const;
    void Answer(HWND box, int button);  // IDOK, IDYES, IDNO

    // Asks the window to close as the user would and waits for the process to end; false if it hung.
    bool Close(int timeoutMs = 10000);

  private:
    void Start();  // starts the copy in the folder and waits for its main window

    std::filesystem::path folder_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

// The clipboard's text, or nothing when it holds none.
std::optional<std::string> ClipboardText();
void SetClipboardText(const std::string& text);
void SetClipboardUnicodeText(const std::wstring& text);

// The code units of the "\uN?" escapes of a converted text, in order.
std::u16string UnicodeEscapes(const std::string& converted);
// The code units of `text` that a converted text writes as escapes: all from U+0080 on.
std::u16string EscapedUnits(const std::wstring& text);

}  // namespace huecast::testing
