#include "tests/app/huecast_driver.h"

#include "app/control_ids.h"
#include "tests/support/win32/wine_clipboard_manager.h"

#include <commctrl.h>

#include <cstring>
#include <fstream>
#include <stdexcept>

namespace huecast::testing {

namespace fs = std::filesystem;

namespace {

fs::path ModuleDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

struct TopLevelArgs {
    DWORD process;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM p) {
    auto* a = reinterpret_cast<TopLevelArgs*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != a->process || !IsWindowVisible(window)) return TRUE;
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (!a->className || std::strcmp(name, a->className) == 0) a->found.push_back(window);
    return TRUE;
}

struct ChildArgs {
    int id;
    HWND found;
};

BOOL CALLBACK MatchChildId(HWND child, LPARAM p) {
    auto* a = reinterpret_cast<ChildArgs*>(p);
    if (GetDlgCtrlID(child) != a->id) return TRUE;
    a->found = child;
    return FALSE;
}

}  // namespace

std::vector<HWND> VisibleTopLevels(DWORD process, const char* className) {
    TopLevelArgs args{process, className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&args));
    return args.found;
}

HWND FindTopLevel(DWORD process, const char* className) {
    const std::vector<HWND> found = VisibleTopLevels(process, className);
    return found.empty() ? nullptr : found.front();
}

fs::path BuiltHuecastExe() {
    char named[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("HUECAST_EXE", named, sizeof named);
    if (length > 0 && length < sizeof named) {
        // A missing program must fail the test, not fall back to another one and pass.
        if (!fs::exists(named)) throw std::runtime_error(std::string("HUECAST_EXE names no file: ") + named);
        return named;
    }
    return ModuleDirectory().parent_path().parent_path() / "app" / "huecast.exe";
}

HuecastProcess::HuecastProcess(std::optional<std::string> rtfIni) {
    static int counter = 0;
    folder_ = fs::temp_directory_path() /
              ("huecast-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy_file(BuiltHuecastExe(), ExePath());
    if (rtfIni) std::ofstream(folder_ / "rtf.ini", std::ios::binary) << *rtfIni;
    Start();
}

void HuecastProcess::Restart() {
    if (!Close()) TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
    CloseHandle(std::exchange(process_, nullptr));
    Start();
}

void HuecastProcess::Start() {
    WaitForWineClipboardManager();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + ExePath().string() + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.string().c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + ExePath().string());
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    WaitForInputIdle(process_, 10000);
    if (!WaitUntil([&] { return (window_ = FindTopLevel(processId_, "HUEC2")) != nullptr; }, 15000))
        throw std::runtime_error("huecast.exe showed no main window");
    Sync();
}

HuecastProcess::~HuecastProcess() {
    if (!Close()) TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

HWND HuecastProcess::Control(int id) const {
    ChildArgs args{id, nullptr};
    EnumChildWindows(window_, MatchChildId, reinterpret_cast<LPARAM>(&args));
    if (!args.found) {
        // Say why: a control missing from a living window is another fault than a program that ended.
        std::string why;
        DWORD exitCode = 0;
        if (GetExitCodeProcess(process_, &exitCode) && exitCode != STILL_ACTIVE)
            why = " (huecast.exe ended with " + std::to_string(exitCode) + ")";
        else if (!IsWindow(window_))
            why = " (its main window is gone, huecast.exe still runs)";
        throw std::runtime_error("no control with item number " + std::to_string(id) + why);
    }
    return args.found;
}

void HuecastProcess::Sync() const {
    // A message sent to the window is handled after everything posted before it. The wait is long: on a
    // busy machine hundreds of typed characters take many seconds, and reading before they are handled
    // tests nothing.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored);
}

void HuecastProcess::SyncPosted() const {
    // After Sync the program is between messages, so what it meant to post is posted. Posted messages are
    // handled in order: one more, to the name field, is handled after them, and its modified flag says when.
    Sync();
    HWND field = Control(ids::kEdit2);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(field, EM_SETMODIFY, FALSE, 0, SMTO_NORMAL, 60000, &ignored);
    PostMessageA(field, EM_SETMODIFY, TRUE, 0);
    WaitUntil(
        [&] {
            return SendMessageTimeoutA(field, EM_GETMODIFY, 0, 0, SMTO_NORMAL, 60000, &ignored) && ignored;
        },
        60000);
}

void HuecastProcess::Type(const std::string& text) {
    // Sent, not posted: sent messages are handled in the order they were sent, so Sync() afterwards really
    // waits for them. A Chinese character goes in as its two bytes, as an ANSI window receives it.
    HWND editor = Control(ids::kRichEdit1);
    for (unsigned char c : text)
        SendMessageCallbackA(editor, WM_CHAR, c, 1, nullptr, 0);
    Sync();
}

void HuecastProcess::Key(WPARAM key) {
    KeyIn(ids::kRichEdit1, key);
}

void HuecastProcess::Click(int id) {
    // An asynchronous sent message: the test goes on even when the click opens a modal message box, whose
    // own loop then answers Sync().
    SendMessageCallbackA(Control(id), BM_CLICK, 0, 0, nullptr, 0);
    Sync();
}

void HuecastProcess::Paste(const std::wstring& text) {
    SetClipboardUnicodeText(text);
    SendMessageCallbackA(Control(ids::kRichEdit1), WM_PASTE, 0, 0, nullptr, 0);
    Sync();
}

std::wstring HuecastProcess::WideText(int id) const {
    std::wstring text(1 << 20, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(Control(id), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, 5000, &got);
    text.resize(got);
    return text;
}

bool HuecastProcess::ShowsSoon(int id, const std::string& text, int timeoutMs) const {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (Text(id) != text) {
        if (GetTickCount64() > deadline) return false;
        Sleep(20);
    }
    return true;
}

std::string HuecastProcess::Text(int id) const {
    HWND control = Control(id);
    char buffer[65536] = {};
    SendMessageTimeoutA(control, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL,
                        5000, nullptr);
    return buffer;
}

namespace {

LRESULT Ask(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR reply = 0;
    SendMessageTimeoutA(control, message, wParam, lParam, SMTO_NORMAL, 5000, &reply);
    return static_cast<LRESULT>(reply);
}

// The notification a control's parent gets when the user changes the control.
void NotifyParent(HWND control, WORD code) {
    SendMessageCallbackA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                         reinterpret_cast<LPARAM>(control), nullptr, 0);
}

}  // namespace

bool HuecastProcess::IsChecked(int id) const {
    return Ask(Control(id), BM_GETCHECK) == BST_CHECKED;
}

void HuecastProcess::SetChecked(int id, bool checked) {
    Ask(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

int HuecastProcess::ListCount(int id) const {
    return static_cast<int>(Ask(Control(id), LB_GETCOUNT));
}

std::string HuecastProcess::ListItem(int id, int index) const {
    // Asked for in UTF-16: the system passes that across processes for every kind of list.
    wchar_t text[4096] = {};
    SendMessageW(Control(id), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    char bytes[8192] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

std::vector<std::string> HuecastProcess::ListItems(int id) const {
    std::vector<std::string> items;
    for (int i = 0, n = ListCount(id); i < n; ++i)
        items.push_back(ListItem(id, i));
    return items;
}

int HuecastProcess::ListSelection(int id) const {
    return static_cast<int>(Ask(Control(id), LB_GETCURSEL));
}

void HuecastProcess::SelectListItem(int id, int index) {
    HWND list = Control(id);
    Ask(list, LB_SETCURSEL, static_cast<WPARAM>(index));
    NotifyParent(list, LBN_SELCHANGE);
    Sync();
}

int HuecastProcess::ComboSelection(int id) const {
    return static_cast<int>(Ask(Control(id), CB_GETCURSEL));
}

void HuecastProcess::ChooseComboItem(int id, int index) {
    HWND combo = Control(id);
    Ask(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    NotifyParent(combo, CBN_SELCHANGE);
    Sync();
}

int HuecastProcess::TrackPosition(int id) const {
    return static_cast<int>(Ask(Control(id), TBM_GETPOS));
}

void HuecastProcess::KeyIn(int id, WPARAM key) {
    HWND control = Control(id);
    SendMessageCallbackA(control, WM_KEYDOWN, key, 1, nullptr, 0);
    SendMessageCallbackA(control, WM_KEYUP, key, 0xC0000001, nullptr, 0);
    Sync();
}

void HuecastProcess::SelectEditorText(int start, int end) {
    SendMessageCallbackA(Control(ids::kRichEdit1), EM_SETSEL, static_cast<WPARAM>(start), end, nullptr, 0);
    Sync();
}

std::pair<int, int> HuecastProcess::EditorSelection() const {
    const auto packed = static_cast<DWORD>(Ask(Control(ids::kRichEdit1), EM_GETSEL));
    return {LOWORD(packed), HIWORD(packed)};
}

void HuecastProcess::Notify(int id, WORD code) {
    NotifyParent(Control(id), code);
    Sync();
}

HWND HuecastProcess::FindMessageBox(int timeoutMs) const {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindTopLevel(processId_, "#32770")) != nullptr; }, timeoutMs);
    return box;
}

std::string HuecastProcess::MessageBoxText(HWND box) const {
    char buffer[4096] = {};
    GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
    return buffer;
}

void HuecastProcess::Answer(HWND box, int button) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    WaitUntil([&] { return !IsWindow(box); }, 30000);
    Sync();
}

bool HuecastProcess::Close(int timeoutMs) {
    if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) return true;
    PostMessageA(window_, WM_CLOSE, 0, 0);
    return WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

namespace {

// Opens the clipboard once no program holds it open. The program can answer Sync() while its handler
// holds the clipboard open (emptying it waits for the previous owner, and that wait answers sent
// messages): what it puts there is whole only once it has closed the clipboard again.
void OpenClipboardWhenFree() {
    if (!WaitUntil([] { return GetOpenClipboardWindow() == nullptr && OpenClipboard(nullptr); }, 30000))
        throw std::runtime_error("the clipboard stayed locked");
}

void SetClipboardData(UINT format, const void* data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    try {
        OpenClipboardWhenFree();
    } catch (...) {
        GlobalFree(memory);
        throw;
    }
    EmptyClipboard();
    ::SetClipboardData(format, memory);
    CloseClipboard();
}

}  // namespace

std::optional<std::string> ClipboardText() {
    OpenClipboardWhenFree();
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = std::string(bytes);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const std::string& text) {
    SetClipboardData(CF_TEXT, text.c_str(), text.size() + 1);
}

void SetClipboardUnicodeText(const std::wstring& text) {
    SetClipboardData(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

std::u16string UnicodeEscapes(const std::string& converted) {
    std::u16string units;
    for (std::size_t at = converted.find("\\u"); at != std::string::npos;
         at = converted.find("\\u", at + 2)) {
        std::size_t end = at + 2;
        while (end < converted.size() && converted[end] >= '0' && converted[end] <= '9')
            ++end;
        if (end > at + 2) units += static_cast<char16_t>(std::stoul(converted.substr(at + 2, end - at - 2)));
    }
    return units;
}

std::u16string EscapedUnits(const std::wstring& text) {
    std::u16string units;
    for (const wchar_t c : text)
        if (c >= 0x80) units += static_cast<char16_t>(c);
    return units;
}

}  // namespace huecast::testing
