#include "aatext/win32/scroll_text_window.h"

#include <gtest/gtest.h>

#include <memory>

#include "aatext/win32/system_texts.h"
#include "tests/support/win32/host_window.h"
#include "tests/support/win32/message_pump.h"

namespace huecast {
namespace {

using testing::PumpFor;
using testing::PumpUntil;
using testing::TestHost;

// A form with the main window's client area, shown without taking the activation.
std::unique_ptr<TestHost> MakeHost() {
    RECT frame{0, 0, 599, 419};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    auto host = std::make_unique<TestHost>(testing::TestHostArgs{.x = 10,
                                                                 .y = 10,
                                                                 .width = frame.right - frame.left,
                                                                 .height = frame.bottom - frame.top,
                                                                 .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                                                 .caption = "banner test"});
    ShowWindow(host->Handle(), SW_SHOWNOACTIVATE);
    return host;
}

RECT ChildRect(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// One host window for the suite: destroying a top-level window takes Wine a while.
class ScrollTextWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { sharedHost = MakeHost(); }
    static void TearDownTestSuite() { sharedHost.reset(); }

    ScrollTextWindowTest()
        : host(*sharedHost),
          banner(ScrollTextArgs{
              .parent = host.Handle(), .width = 599, .height = 37, .align = TAlign::alBottom}) {
        RestoreHostSize();
        banner.BeginLoading();
        banner.SetScrollDelay(40);
        banner.SetRepeatDelay(0);
        banner.Text().SetTailSpace(0);
        banner.Text().SetLines({"<Center>one", "two", "three", "four"});
        banner.CreateDefaultLabels();
        banner.OnPainted = [this](TAACustomText&) { ++frames; };
        banner.Loaded();
    }
    ~ScrollTextWindowTest() override {
        if (IsWindow(host.Handle())) RestoreHostSize();
    }

    void ResizeHost(int width, int height) {
        RECT frame{0, 0, width, height};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
        SetWindowPos(host.Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void RestoreHostSize() { ResizeHost(599, 419); }

    static inline std::unique_ptr<TestHost> sharedHost;
    TestHost& host;
    TAAScrollTextWindow banner;
    int frames = 0;
};

TEST_F(ScrollTextWindowTest, DockedToTheBottomAndFollowsTheParentsSize) {
    RECT rect = ChildRect(banner.Handle());
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 419 - 37);
    EXPECT_EQ(rect.right, 599);
    EXPECT_EQ(rect.bottom, 419);
    EXPECT_EQ(banner.Width(), 599);
    EXPECT_EQ(banner.Height(), 37);

    ResizeHost(500, 300);
    rect = ChildRect(banner.Handle());
    EXPECT_EQ(rect.top, 300 - 37);
    EXPECT_EQ(rect.right, 500);
    EXPECT_EQ(banner.Width(), 500);
    EXPECT_EQ(banner.TextBmp().Width(), 500);  // laid out again for the new width
}

TEST_F(ScrollTextWindowTest, ScrollsOnTheMessageLoopAndPaintsEveryStep) {
    EXPECT_EQ(TAAScrollTextWindow::FromHandle(banner.Handle()), &banner);
    EXPECT_EQ(banner.ScrollQuality(), TTimerQuality::tqHigh);
    ASSERT_TRUE(PumpUntil([&] { return banner.Position() >= 5; }, 5000));
    EXPECT_GE(frames, 5);

    banner.SetActive(false);
    PumpFor(60);
    const int stopped = banner.Position();
    PumpFor(200);
    EXPECT_EQ(banner.Position(), stopped);
}

TEST_F(ScrollTextWindowTest, FrameReachesTheScreen) {
    banner.Text().SetFade(false);
    banner.SetActive(false);
    banner.SetColor(0x00FF00);
    banner.ScrollTo(3);
    HDC dc = GetDC(banner.Handle());
    const COLORREF corner = GetPixel(dc, 0, 0);
    ReleaseDC(banner.Handle(), dc);
    EXPECT_EQ(corner, RGB(0, 255, 0));
}

TEST(ScrollTextWindow, ParentDestroyedFirstStopsTheBanner) {
    const std::unique_ptr<TestHost> host = MakeHost();
    TAAScrollTextWindow banner(
        ScrollTextArgs{.parent = host->Handle(), .height = 37, .align = TAlign::alBottom});
    banner.SetScrollDelay(20);
    banner.SetRepeatDelay(0);
    banner.Loaded();
    ASSERT_TRUE(PumpUntil([&] { return banner.Position() >= 1; }, 5000));
    DestroyWindow(host->Handle());
    EXPECT_FALSE(IsWindow(banner.Handle()));
    EXPECT_FALSE(banner.ScrollTimer().Enabled());
    const int position = banner.Position();
    PumpFor(150);
    EXPECT_EQ(banner.Position(), position);
}

TEST(SystemTexts, LeadBytesOfTheChineseCodePage) {
    ASSERT_EQ(GetACP(), 936u) << "the tests run with the zh_CN locale";
    const LeadByteTable table = SystemLeadBytes();
    EXPECT_FALSE(table.IsLead('\x80'));
    EXPECT_TRUE(table.IsLead('\x81'));
    EXPECT_TRUE(table.IsLead('\xFE'));
    EXPECT_FALSE(table.IsLead('\xFF'));
    EXPECT_FALSE(table.IsLead('A'));
}

TEST(SystemTexts, RegistryStringsAreReadSafely) {
    constexpr const char* kKey = "SOFTWARE\\HuecastBannerTest";
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    const char owner[] = "Ann";
    RegSetValueExA(key, "Owner", 0, REG_SZ, reinterpret_cast<const BYTE*>(owner), sizeof owner);
    const char unterminated[] = {'B', 'o', 'b'};  // stored without its NUL
    RegSetValueExA(key, "Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated), sizeof unterminated);
    const DWORD number = 7;
    RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);

    EXPECT_EQ(ReadMachineString(kKey, "Owner"), "Ann");
    EXPECT_EQ(ReadMachineString(kKey, "Raw"), "Bob");
    EXPECT_EQ(ReadMachineString(kKey, "Number"), "");
    EXPECT_EQ(ReadMachineString(kKey, "Missing"), "");
    EXPECT_EQ(ReadMachineString("SOFTWARE\\NoSuchKeyAnywhere", "Owner"), "");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);

    // Whatever the machine says, the owner label never ends up empty when a user is logged on.
    Win32SystemTexts texts;
    TUserLabels labels(texts);
    EXPECT_FALSE(labels.RegOwner().empty());
    EXPECT_EQ(labels.RegOwner(),
              texts.RegisteredOwner().empty() ? texts.UserName() : texts.RegisteredOwner());
    EXPECT_FALSE(texts.ShortDate().empty());
    EXPECT_FALSE(texts.LongTime().empty());
    EXPECT_FALSE(texts.AppTitle().empty());
}

}  // namespace
}  // namespace huecast
