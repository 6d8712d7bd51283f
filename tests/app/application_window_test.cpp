// The program's entry in the task bar: one window carries the application title and icon, the main form
// keeps its own caption; minimizing and restoring through the skinned frame, the task bar's commands and a
// second start move form and entry together; activating the entry hands the activation to the form.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "tests/app/huecast_driver.h"
#include "tests/support/win32/real_input.h"

namespace huecast::testing {
namespace {

// What a task bar lists: visible top-level windows that no other window owns and that are no tool windows,
// and owned ones that ask for an entry of their own.
std::vector<HWND> TaskBarEntries(const HuecastProcess& p) {
    std::vector<HWND> entries;
    for (HWND window : VisibleTopLevels(p.ProcessId())) {
        const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
        const bool owned = GetWindow(window, GW_OWNER) != nullptr;
        if ((exStyle & WS_EX_APPWINDOW) || (!owned && !(exStyle & WS_EX_TOOLWINDOW)))
            entries.push_back(window);
    }
    return entries;
}

std::string Caption(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND TheEntry(const HuecastProcess& p) {
    const std::vector<HWND> entries = TaskBarEntries(p);
    return entries.size() == 1 ? entries.front() : nullptr;
}

bool Minimized(const HuecastProcess& p, HWND entry) {
    return IsIconic(p.Window()) && !IsWindowVisible(p.Window()) && IsIconic(entry);
}

bool Restored(const HuecastProcess& p, HWND entry) {
    return !IsIconic(p.Window()) && IsWindowVisible(p.Window()) && !IsIconic(entry);
}

// The built-in skin puts the minimize button 56 pixels left of the frame's right edge, 13 below its top
// (close and maximize stand to its right).
POINT MinimizeButton(HWND form) {
    RECT r{};
    GetWindowRect(form, &r);
    return {r.right - 56, r.top + 13};
}

bool RtfIniWritten(const HuecastProcess& p) {
    std::ifstream file(p.Folder() / "rtf.ini", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str().find("Count=0") != std::string::npos;
}

TEST(ApplicationWindow, TheTaskBarShowsTheApplicationTitleWhileTheFormKeepsItsCaption) {
    HuecastProcess p;
    const std::vector<HWND> entries = TaskBarEntries(p);
    ASSERT_EQ(entries.size(), 1u) << "the program must have exactly one task-bar entry";
    HWND entry = entries.front();
    EXPECT_EQ(Caption(entry), "Huecast2.4");
    EXPECT_NE(entry, p.Window());
    EXPECT_EQ(GetWindow(p.Window(), GW_OWNER), entry) << "the form must be owned by the entry";
    EXPECT_EQ(Caption(p.Window()), "Huecast2.4 For 2000/XP");
    // Nothing of the entry stands on the screen.
    RECT r{};
    GetWindowRect(entry, &r);
    EXPECT_TRUE(IsRectEmpty(&r));
}

TEST(ApplicationWindow, TheFramesMinimizeButtonTakesBothDownAndTheTaskBarBringsThemBack) {
    HuecastProcess p;
    HWND entry = TheEntry(p);
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(BringToFront(p.Window()));
    RECT before{};
    GetWindowRect(p.Window(), &before);
    const POINT minimize = MinimizeButton(p.Window());
    ClickAt(minimize);
    ASSERT_TRUE(WaitUntil([&] { return Minimized(p, entry); }))
        << "the frame's minimize left the form shown";
    EXPECT_EQ(TheEntry(p), entry) << "the minimized program must keep its one entry";

    // A click on the entry of a minimized program: the task bar sends the entry its restore command.
    PostMessageA(entry, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Restored(p, entry); })) << "restoring the entry left the form hidden";
    RECT after{};
    GetWindowRect(p.Window(), &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "the form came back elsewhere";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == p.Window(); })) << "the form is not active";

    // The task bar's minimize (a click on the entry of the active program) goes the same way.
    PostMessageA(entry, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return Minimized(p, entry); }))
        << "minimizing the entry left the form shown";
    PostMessageA(entry, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitUntil([&] { return Restored(p, entry); }));
    // The restored frame works as before: its minimize button still takes both down.
    ASSERT_TRUE(BringToFront(p.Window()));
    ClickAt(minimize);
    EXPECT_TRUE(WaitUntil([&] { return Minimized(p, entry); }));
}

TEST(ApplicationWindow, ASecondStartBringsTheMinimizedProgramBack) {
    HuecastProcess p;
    HWND entry = TheEntry(p);
    ASSERT_NE(entry, nullptr);
    PostMessageA(entry, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Minimized(p, entry); }));

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION second{};
    std::string commandLine = "\"" + p.ExePath().string() + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               p.Folder().string().c_str(), &startup, &second));
    EXPECT_EQ(WaitForSingleObject(second.hProcess, 15000), WAIT_OBJECT_0) << "the second copy stayed";
    CloseHandle(second.hThread);
    CloseHandle(second.hProcess);
    EXPECT_TRUE(WaitUntil([&] { return Restored(p, entry); })) << "the running copy stayed minimized";
    EXPECT_EQ(TaskBarEntries(p).size(), 1u);
}

TEST(ApplicationWindow, ActivatingTheEntryActivatesTheFormOrTheMessageBoxItWaitsFor) {
    HuecastProcess p;
    HWND entry = TheEntry(p);
    ASSERT_NE(entry, nullptr);
    SetForegroundWindow(entry);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == p.Window(); }))
        << "the entry kept the activation";

    // Copy refuses a text too long for one message with a message box; the form waits for it.
    p.Paste(std::wstring(500, L'a'));
    p.Click(ids::kButton1);
    HWND box = p.FindMessageBox();
    ASSERT_NE(box, nullptr);
    SetForegroundWindow(entry);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; })) << "the message box lost the front";
    // Closing the entry then does not pull the form away from under its message box.
    PostMessageA(entry, WM_SYSCOMMAND, SC_CLOSE, 0);
    Sleep(300);
    EXPECT_TRUE(IsWindow(box) && IsWindowVisible(p.Window()));
    p.Answer(box, IDOK);
}

TEST(ApplicationWindow, ClosingTheEntryClosesTheFormAsItsOwnCloseWould) {
    HuecastProcess p;
    HWND entry = TheEntry(p);
    ASSERT_NE(entry, nullptr);
    ASSERT_FALSE(RtfIniWritten(p));
    PostMessageA(entry, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(p.Window()); }, 10000)) << "the form stayed open";
    // The form's close handler ran: it saved the (empty) favourites.
    EXPECT_TRUE(WaitUntil([&] { return RtfIniWritten(p); }));
}

}  // namespace
}  // namespace huecast::testing
