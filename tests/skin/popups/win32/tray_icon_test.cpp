// The notification-area icon: the shell takes the build's own record, mouse reports from the shell become
// clicks, double clicks and the pop-up menu, a restarted task bar gets the icon again, icons cycle.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/format/win32/form_skin.h"
#include "skin/frame/win32/frame.h"
#include "skin/popups/win32/menu.h"
#include "skin/popups/win32/tray_icon.h"
#include "tests/support/win32/message_pump.h"
#include "tests/support/win32/skinned_host.h"

namespace huecast::skin {
namespace {

using namespace huecast::testing;

class Tray : public ::testing::Test {
  protected:
    void SetUp() override {
        tray_ = std::make_unique<TTrayIcon>(owner_);
        tray_->SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
        tray_->SetHint("Huecast");
        tray_->onClick = [this] { ++clicks_; };
        tray_->onDblClick = [this] { ++doubleClicks_; };
    }
    void TearDown() override { tray_.reset(); }
    // What the shell sends for a mouse event on the icon.
    void Shell(UINT mouseMessage) {
        SendMessageA(tray_->MessageWindow(), kTrayCallbackMessage, 1, mouseMessage);
    }

    SkinnedHost host_{{.x = 100,
                       .y = 100,
                       .width = 300,
                       .height = 200,
                       .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       .caption = "owner"}};
    HWND owner_ = host_.Handle();
    std::unique_ptr<TTrayIcon> tray_;
    int clicks_ = 0, doubleClicks_ = 0;
};

TEST_F(Tray, TheShellTakesTheIconAndAgainAfterTheTaskBarRestarts) {
    EXPECT_TRUE(tray_->Shown()) << "the shell refused the record";
    // A hint longer than the tip holds, in double-byte text: cut whole, and still taken.
    std::string hint;
    for (int i = 0; i < 80; ++i)
        hint += "\xB2\xCA";  // 彩
    tray_->SetHint(hint);
    EXPECT_TRUE(tray_->Shown());
    SendMessageA(tray_->MessageWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(tray_->Shown());
    tray_->SetIconVisible(false);
    EXPECT_FALSE(tray_->Shown());
    tray_->SetIconVisible(true);
    EXPECT_TRUE(tray_->Shown());
}

TEST_F(Tray, AClickWaitsForTheDoubleClickTimeAndADoubleClickChoosesTheDefaultItem) {
    Shell(WM_LBUTTONDOWN);
    Shell(WM_LBUTTONUP);
    EXPECT_EQ(clicks_, 0);  // a double click may still come
    PumpFor(GetDoubleClickTime() + 150);
    EXPECT_EQ(clicks_, 1);

    int defaults = 0;
    TSkinPopupMenu menu(&host_.Skin());
    menu.items.resize(2);
    menu.items[0].caption = "open";
    menu.items[0].defaultItem = true;
    menu.items[0].onClick = [&] { ++defaults; };
    menu.items[1].caption = "quit";
    tray_->popupMenu = &menu;
    Shell(WM_LBUTTONDOWN);
    Shell(WM_LBUTTONUP);
    Shell(WM_LBUTTONDBLCLK);
    Shell(WM_LBUTTONUP);
    PumpFor(GetDoubleClickTime() + 150);
    EXPECT_EQ(doubleClicks_, 1);
    EXPECT_EQ(defaults, 1);
    EXPECT_EQ(clicks_, 1) << "a double click is no single click";

    // A right press pops the menu up; nothing happens while the icon is disabled.
    Shell(WM_RBUTTONDOWN);
    PumpFor(50);
    EXPECT_TRUE(menu.Menu().IsOpen());
    menu.Menu().CloseAll();
    tray_->enabled = false;
    Shell(WM_RBUTTONDOWN);
    Shell(WM_LBUTTONDOWN);
    Shell(WM_LBUTTONUP);
    PumpFor(GetDoubleClickTime() + 150);
    EXPECT_FALSE(menu.Menu().IsOpen());
    EXPECT_EQ(clicks_, 1);
    tray_->popupMenu = nullptr;
}

TEST_F(Tray, IconsOfTheListCycleWithTheAnimationTimer) {
    tray_->SetIconList({LoadIconA(nullptr, IDI_APPLICATION), LoadIconA(nullptr, IDI_WARNING),
                        LoadIconA(nullptr, IDI_ERROR)});
    tray_->SetAnimateTimerInterval(250);
    tray_->SetCycleIcons(true);
    EXPECT_EQ(tray_->IconIndex(), 0);
    PumpFor(50);
    const ULONGLONG end = GetTickCount64() + 3000;
    std::vector<int> seen{tray_->IconIndex()};
    while (GetTickCount64() < end && seen.size() < 4) {
        PumpFor(10);
        if (tray_->IconIndex() != seen.back()) seen.push_back(tray_->IconIndex());
    }
    ASSERT_GE(seen.size(), 4u);
    for (std::size_t i = 1; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], (seen[i - 1] + 1) % 3);  // the next one, wrapping to the first
}

TEST_F(Tray, TheFrameMinimizesToTheTrayAndADoubleClickOnTheIconBringsTheFormBack) {
    tray_->SetIconVisible(false);
    TSkinFrame frame(owner_);
    frame.borderIcons.minimizeToTray = true;
    frame.trayIcon = tray_.get();
    frame.SetSkinData(&host_.Skin());
    int toTray = 0, back = 0;
    frame.onMinimizeToTray = [&] { ++toTray; };
    tray_->onRestoreFromTray = [&] { ++back; };

    frame.MinimizeToTray();  // the system menu's 最小化到系统托盘区
    EXPECT_FALSE(IsWindowVisible(owner_)) << "the form (and its task bar button) stays visible";
    EXPECT_TRUE(tray_->Shown()) << "no icon stands for the hidden form";
    EXPECT_EQ(toTray, 1);

    // The shell's report of a double click: down, up, double click, up.
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        Shell(message);
    EXPECT_TRUE(IsWindowVisible(owner_));
    EXPECT_FALSE(IsIconic(owner_));
    EXPECT_FALSE(tray_->Shown()) << "IconVisible is off: the icon leaves with the tray mode";
    EXPECT_EQ(back, 1);
    EXPECT_EQ(doubleClicks_, 1);

    // With alwaysMinimizeToTray the minimize command goes to the tray as well.
    frame.alwaysMinimizeToTray = true;
    frame.MinimizeOrRestore();
    EXPECT_FALSE(IsWindowVisible(owner_));
    EXPECT_TRUE(tray_->InTray());
    tray_->RestoreFromTray();
    EXPECT_TRUE(IsWindowVisible(owner_));
}

TEST_F(Tray, WithMinimizeToTrayTheFormsOwnMinimizeGoesToTheTray) {
    tray_->minimizeToTray = true;
    ShowWindow(owner_, SW_MINIMIZE);  // as the system's caption button does
    PumpFor(100);
    EXPECT_FALSE(IsWindowVisible(owner_));
    EXPECT_TRUE(tray_->InTray());
    tray_->RestoreFromTray();
    EXPECT_TRUE(IsWindowVisible(owner_));
    EXPECT_FALSE(IsIconic(owner_));
    EXPECT_TRUE(tray_->Shown()) << "IconVisible is on: the icon stays";
}

TEST(TrayStart, MinimizedOnStartSendsTheFormToTheTrayOrMinimizesIt) {
    for (const bool toTray : {true, false}) {
        const TestHost host(
            {.x = 100, .y = 100, .width = 300, .height = 200, .style = WS_OVERLAPPEDWINDOW, .caption = "form"});
        HWND form = host.Handle();
        {
            TTrayIcon tray(form);
            tray.SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
            tray.SetIconVisible(false);
            tray.minimizedOnStart = true;
            tray.minimizeToTray = toTray;
            ShowWindow(form, SW_SHOW);
            PumpFor(100);
            EXPECT_EQ(IsWindowVisible(form) != FALSE, !toTray) << toTray;
            EXPECT_EQ(tray.InTray(), toTray);
            EXPECT_EQ(tray.Shown(), toTray);
            EXPECT_EQ(IsIconic(form) != FALSE, !toTray) << "minimized in place without the tray";
            // Only the first show: shown again later, the form stays.
            tray.RestoreFromTray();
            ShowWindow(form, SW_RESTORE);
            ShowWindow(form, SW_HIDE);
            ShowWindow(form, SW_SHOW);
            PumpFor(100);
            EXPECT_TRUE(IsWindowVisible(form));
            EXPECT_FALSE(IsIconic(form));
        }
    }
}

}  // namespace
}  // namespace huecast::skin
