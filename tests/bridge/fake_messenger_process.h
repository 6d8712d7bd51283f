// Drives the fake messenger from a test: a process of its own with the chat windows and dialogs asked for,
// a record folder of its own, the windows found by their dialog items, and what each chat window sent.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace huecast::testing {

// The fake messenger as built beside the test executables.
std::filesystem::path BuiltFakeMessengerExe();

struct FakeMessengerArgs {
    std::vector<std::string> names{};  // one chat window each; unique, so that tests can tell them apart
    int dialogs = 0;                   // ordinary dialogs without a send button
    std::vector<int> withoutInput{};   // chat numbers (from 1) without an input box
    int hangSeconds = 0;               // the first delivery stops the fake messenger this long
    int hangAfterSends = 0;            // ... the first one after a chat window has sent this many
};

class FakeMessenger {
  public:
    // Starts the fake messenger and waits until all its windows are open.
    explicit FakeMessenger(FakeMessengerArgs args);
    ~FakeMessenger();  // ends the process (a hung one too) and removes the record folder
    FakeMessenger(const FakeMessenger&) = delete;
    FakeMessenger& operator=(const FakeMessenger&) = delete;

    DWORD ProcessId() const { return processId_; }
    // Its chat windows in the desktop's stacking order, from the top.
    std::vector<HWND> ChatWindows() const;
    // Its ordinary dialogs.
    std::vector<HWND> Dialogs() const;
    // The chat window of friend `number` (from 1); nullptr when it is not open.
    HWND Chat(int number) const;
    // The exact bytes that chat window `number` sent last, or nothing when it sent nothing.
    std::optional<std::string> Sent(int number) const;
    // Everything chat window `number` sent, in order.
    std::vector<std::string> AllSent(int number) const;
    // Closes chat window `number` as the user would and waits until it is gone.
    void CloseChat(int number);
    // Ends the process at once, leaving its windows to vanish with it.
    void Kill();

  private:
    FakeMessengerArgs args_;
    std::filesystem::path recordFolder_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// Item 319 (the nickname) and item 688 (the title) of a chat window, read as its own user would see them.
std::string ChatNickname(HWND chat);
std::string ChatTitle(HWND chat);

// Polls `done` every 10 ms until it holds or `timeoutMs` has passed; returns whether it held. The deadline is
// long because a busy machine is slow, and a wait that ends when its condition holds costs nothing for it.
template <typename Predicate>
bool WaitUntil(Predicate done, int timeoutMs = 30000) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (!done()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(10);
    }
    return true;
}

}  // namespace huecast::testing
