// The window base: binding at creation, one look-up for our classes and subclassed system controls,
// notifications reflected to the control, mouse enter/leave by real input, timers, the destroy order.
#include "gui/window.h"

#include <gtest/gtest.h>

#include <vector>

#include "gui/control.h"
#include "tests/support/win32/host_window.h"
#include "tests/support/win32/message_pump.h"

namespace huecast::gui {
namespace {

using testing::PumpUntil;

using testing::TestHost;

// A custom-drawn child of our own class that records what reaches it.
class Probe : public Window {
  public:
    Probe(HWND parent, int id, std::vector<UINT>* seen) : seen_(seen) {
        Create({.className = "HuecastWindowTestProbe",
                .style = WS_CHILD | WS_VISIBLE,
                .x = 10,
                .y = 10,
                .width = 100,
                .height = 50,
                .parent = parent,
                .id = id,
                .background = nullptr});
    }
    ~Probe() override { DestroyHandle(); }
    int enters = 0, leaves = 0, ticks = 0;
    bool bound = false;
    std::vector<UINT>* destroyed = nullptr;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (seen_) seen_->push_back(message);
        if (message == WM_CREATE) bound = Window::FromHandle(Handle()) == this;
        if (message == WM_DESTROY && destroyed) destroyed->push_back(message);
        return Window::HandleMessage(message, wParam, lParam);
    }
    void MouseEnter() override { ++enters; }
    void MouseLeave() override { ++leaves; }
    void TimerTick(UINT_PTR id) override {
        if (id == 7 && ++ticks == 3) StopTimer(7);
    }

  private:
    std::vector<UINT>* seen_;
};

class Button : public Control {
  public:
    Button(HWND parent, int id) { CreateChild("BUTTON", {.parent = parent, .id = id, .x = 150, .y = 10, .width = 80, .height = 24, .text = "Go"}); }
    int clicks = 0;
    bool Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
        ++clicks;
        result = 0;
        return true;
    }
};

TEST(Window, BindsAtCreationAndFindsEveryKindOfWindowFromItsHandle) {
    TestHost host;
    std::vector<UINT> seen;
    Probe probe(host.Handle(), 31, &seen);
    Button button(host.Handle(), 32);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), static_cast<UINT>(WM_NCCREATE));  // nothing reached the object unbound
    EXPECT_TRUE(probe.bound);
    EXPECT_EQ(Window::FromHandle(probe.Handle()), &probe);
    EXPECT_EQ(Window::FromHandle(button.Handle()), &button);
    EXPECT_EQ(Window::FromHandle(GetDesktopWindow()), nullptr);
    EXPECT_EQ(probe.Id(), 31);
    EXPECT_EQ(GetDlgItem(host.Handle(), 32), button.Handle());
    // Our class has no background brush: a custom-drawn control is never erased.
    EXPECT_EQ(GetClassLongPtrA(probe.Handle(), GCLP_HBRBACKGROUND), 0u);
}

// A control's setter may ask for a repaint before its window exists. That must touch no other window: the
// system reads a null window as the whole desktop, and repainting it waits on every program, a hung one too.
TEST(Window, AnInvalidateBeforeCreationLeavesOtherWindowsAlone) {
    TestHost host;
    UpdateWindow(host.Handle());
    RECT pending{};
    ASSERT_FALSE(GetUpdateRect(host.Handle(), &pending, FALSE));
    Window unborn;
    unborn.Invalidate();
    EXPECT_FALSE(GetUpdateRect(host.Handle(), &pending, FALSE));
}

TEST(Window, ParentsReflectNotificationsToTheControlThatSentThem) {
    TestHost host;
    Button button(host.Handle(), 33);
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(button.clicks, 1);
}

TEST(Window, TimersTickByIdUntilStopped) {
    TestHost host;
    Probe probe(host.Handle(), 34, nullptr);
    probe.StartTimer(7, 10);
    EXPECT_TRUE(PumpUntil([&] { return probe.ticks >= 3; }, 3000));
    testing::PumpFor(100);
    EXPECT_EQ(probe.ticks, 3);
}

TEST(Window, MouseEnterAndLeaveFollowTheRealPointer) {
    TestHost host;
    Probe probe(host.Handle(), 35, nullptr);
    RECT r{};
    GetWindowRect(probe.Handle(), &r);
    SetCursorPos(r.left + 400, r.top + 300);
    testing::PumpFor(50);
    SetCursorPos(r.left + 20, r.top + 20);
    EXPECT_TRUE(PumpUntil([&] { return probe.enters == 1; }, 3000));
    SetCursorPos(r.left + 400, r.top + 300);
    EXPECT_TRUE(PumpUntil([&] { return probe.leaves == 1; }, 3000));
    EXPECT_FALSE(probe.MouseInside());
}

TEST(Window, DestroyOrderLetsTheDerivedObjectSeeItsDestructionAndSurvivesAParentGoingFirst) {
    std::vector<UINT> destroyed;
    {
        TestHost host;
        Probe probe(host.Handle(), 36, nullptr);
        probe.destroyed = &destroyed;
    }
    EXPECT_EQ(destroyed, std::vector<UINT>{WM_DESTROY});
    auto host = std::make_unique<TestHost>();
    Probe orphan(host->Handle(), 37, nullptr);
    Button button(host->Handle(), 38);
    host.reset();  // the system destroys the children with their parent
    EXPECT_EQ(orphan.Handle(), nullptr);
    EXPECT_EQ(button.Handle(), nullptr);
}

}  // namespace
}  // namespace huecast::gui
