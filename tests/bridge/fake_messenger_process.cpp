#include "tests/bridge/fake_messenger_process.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace huecast::testing {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSendButtonText = "发送(&S)";

fs::path ModuleDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

struct DialogSearch {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<DialogSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == s->process && std::strcmp(className, "#32770") == 0) s->found.push_back(window);
    return TRUE;
}

// The top-level "#32770" windows of a process in stacking order, from the top. From the system's snapshot:
// walking the order window by window misses windows that come forward meanwhile, as each new one does
// while the fake messenger opens them.
std::vector<HWND> DialogsOf(DWORD process) {
    DialogSearch search{process, {}};
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool HasSendButton(HWND window) {
    return FindWindowExA(window, nullptr, nullptr, kSendButtonText) != nullptr;
}

std::string Join(const std::vector<std::string>& parts) {
    std::string joined;
    for (const std::string& part : parts)
        joined += (joined.empty() ? "" : ",") + part;
    return joined;
}

// Read without a message to the fake messenger, which may be hung.
std::string ItemText(HWND chat, int id) {
    char buffer[512] = {};
    if (HWND item = GetDlgItem(chat, id)) GetWindowTextA(item, buffer, sizeof buffer);
    return buffer;
}

}  // namespace

fs::path BuiltFakeMessengerExe() {
    return ModuleDirectory().parent_path().parent_path() / "tools" / "fake-messenger" / "fake-messenger.exe";
}

std::string ChatNickname(HWND chat) {
    return ItemText(chat, 319);
}
std::string ChatTitle(HWND chat) {
    return ItemText(chat, 688);
}

FakeMessenger::FakeMessenger(FakeMessengerArgs args) : args_(std::move(args)) {
    static int counter = 0;
    recordFolder_ = fs::temp_directory_path() / ("fake-messenger-" + std::to_string(GetCurrentProcessId()) +
                                                 "-" + std::to_string(++counter));
    fs::remove_all(recordFolder_);
    fs::create_directories(recordFolder_);

    std::string commandLine = "\"" + BuiltFakeMessengerExe().string() + "\" --chats " +
                              std::to_string(args_.names.size()) + " --dialogs " +
                              std::to_string(args_.dialogs) + " --record \"" + recordFolder_.string() + "\"";
    if (!args_.names.empty()) commandLine += " --names \"" + Join(args_.names) + "\"";
    std::vector<std::string> withoutInput;
    for (int n : args_.withoutInput)
        withoutInput.push_back(std::to_string(n));
    if (!withoutInput.empty()) commandLine += " --no-input " + Join(withoutInput);
    if (args_.hangSeconds > 0) commandLine += " --hang " + std::to_string(args_.hangSeconds);
    if (args_.hangAfterSends > 0) commandLine += " --hang-after " + std::to_string(args_.hangAfterSends);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        throw std::runtime_error("cannot start " + BuiltFakeMessengerExe().string());
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    // Opening dozens of windows takes a busy machine many seconds; the wait ends as soon as they are open,
    // or the process has ended.
    const auto allOpen = [&] {
        return ChatWindows().size() == args_.names.size() &&
               Dialogs().size() == static_cast<std::size_t>(args_.dialogs);
    };
    WaitUntil([&] { return allOpen() || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, 120000);
    if (!allOpen()) {
        DWORD exitCode = STILL_ACTIVE;
        GetExitCodeProcess(process_, &exitCode);
        const std::string state =
            exitCode == STILL_ACTIVE ? "it still runs" : "it ended with " + std::to_string(exitCode);
        const std::string counts = std::to_string(ChatWindows().size()) + " of " +
                                   std::to_string(args_.names.size()) + " chat windows and " +
                                   std::to_string(Dialogs().size()) + " of " + std::to_string(args_.dialogs) +
                                   " dialogs";
        Kill();
        throw std::runtime_error("the fake messenger did not open its windows (" + counts + "; " + state + ")");
    }
    // Let the windows settle: showing them is still going on in the fake messenger.
    WaitForInputIdle(process_, 5000);
}

FakeMessenger::~FakeMessenger() {
    Kill();
    CloseHandle(process_);
    std::error_code ignored;
    fs::remove_all(recordFolder_, ignored);
}

void FakeMessenger::Kill() {
    if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) return;
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 10000);
    // Its windows go with it; wait until none is left, so that the next test starts on a clean desktop.
    WaitUntil([&] { return DialogsOf(processId_).empty(); });
}

std::vector<HWND> FakeMessenger::ChatWindows() const {
    std::vector<HWND> chats;
    for (HWND w : DialogsOf(processId_))
        if (HasSendButton(w)) chats.push_back(w);
    return chats;
}

std::vector<HWND> FakeMessenger::Dialogs() const {
    std::vector<HWND> dialogs;
    for (HWND w : DialogsOf(processId_))
        if (!HasSendButton(w)) dialogs.push_back(w);
    return dialogs;
}

HWND FakeMessenger::Chat(int number) const {
    const std::string& name = args_.names.at(static_cast<std::size_t>(number - 1));
    for (HWND chat : ChatWindows())
        if (ChatNickname(chat) == name) return chat;
    return nullptr;
}

std::optional<std::string> FakeMessenger::Sent(int number) const {
    std::ifstream file(recordFolder_ / ("chat-" + std::to_string(number) + ".txt"), std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> FakeMessenger::AllSent(int number) const {
    std::vector<std::string> sent;
    for (int k = 1;; ++k) {
        const std::string name = "chat-" + std::to_string(number) + "-" + std::to_string(k) + ".txt";
        std::ifstream file(recordFolder_ / name, std::ios::binary);
        if (!file) return sent;
        sent.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
}

void FakeMessenger::CloseChat(int number) {
    HWND chat = Chat(number);
    if (!chat) throw std::runtime_error("chat window " + std::to_string(number) + " is not open");
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(chat, WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, &ignored);
    if (!WaitUntil([&] { return !IsWindow(chat); }))
        throw std::runtime_error("chat window " + std::to_string(number) + " did not close");
}

}  // namespace huecast::testing
