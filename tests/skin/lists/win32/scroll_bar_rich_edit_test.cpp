// The skinned scroll bar and the skinned rich edit under real input, checked by what the screen shows.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/picture/picture_cut.h"
#include "skin/picture/piece_geometry.h"
#include "skin/lists/win32/rich_edit.h"
#include "skin/lists/win32/scroll_bar.h"
#include "tests/support/win32/message_pump.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"
#include "tests/support/win32/screen_reader_view.h"
#include "tests/support/win32/skinned_host.h"

namespace huecast::skin {
namespace {

using namespace huecast::testing;

ScrollBarArgs Bar(const gui::ControlArgs& control, ScrollBarKind kind, TSkinData* skinData, bool enabled) {
    ScrollBarArgs args;
    args.control = control;
    args.kind = kind;
    args.skinData = skinData;
    args.enabled = enabled;
    return args;
}

// The main window's editor and bars, at their places relative to each other.
class EditorWithBars : public ::testing::Test {
  protected:
    void SetUp() override {
        BringToFront(host.Handle());  // keys and the focus go to the active window
        editor = std::make_unique<TSkinRichEdit>(gui::ControlArgs{host.Handle(), 101, 8, 6, 585, 130});
        hbar = std::make_unique<TSkinScrollBar>(
            Bar(gui::ControlArgs{host.Handle(), 102, 450, 124, 134, 12}, ScrollBarKind::Horizontal, &host.Skin(), false));
        vbar = std::make_unique<TSkinScrollBar>(
            Bar(gui::ControlArgs{host.Handle(), 103, 579, 6, 15, 121}, ScrollBarKind::Vertical, &host.Skin(), false));
        editor->SetHScrollBar(hbar.get());
        editor->SetVScrollBar(vbar.get());
        SetWindowPos(editor->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        PumpFor(50);
    }

    const TDataSkinScrollBarControl& Element(const char* name) {
        return *host.Skin().SkinControlAs<TDataSkinScrollBarControl>(name);
    }
    const Bitmap& Picture(const TDataSkinScrollBarControl& e) {
        return *host.Skin().ActivePicture24(e.pictureIndex);
    }

    // The element's picture cut to `size`, as a bar at rest shows it before its thumb is drawn.
    Bitmap CutLook(const char* name, Size size) { return ExpectedLook(host.Skin(), name, size); }

    void Type20Lines() {
        std::string text;
        for (int i = 1; i <= 20; ++i)
            text += "line " + std::to_string(i) + (i < 20 ? "\r\n" : "");
        editor->SetText(text);
        PumpFor(50);
    }

    SkinnedHost host{{.x = 40, .y = 40, .width = 640, .height = 480}};
    std::unique_ptr<TSkinRichEdit> editor;
    std::unique_ptr<TSkinScrollBar> hbar, vbar;
};

int Mismatches(const Bitmap& a, const Bitmap& b, const Rect& area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += a.PixelColor(x, y) != b.PixelColor(x, y);
    return count;
}

TEST_F(EditorWithBars, BothBarsStartDisabledDrawnFromTheSkinWithoutAThumb) {
    EXPECT_FALSE(IsWindowEnabled(vbar->Handle()));
    EXPECT_FALSE(IsWindowEnabled(hbar->Handle()));
    RECT rc{};
    GetClientRect(vbar->Handle(), &rc);
    EXPECT_EQ(rc.right, 19);  // fitted to the element's width
    EXPECT_EQ(rc.bottom, 121);
    GetClientRect(hbar->Handle(), &rc);
    EXPECT_EQ(rc.right, 134);
    EXPECT_EQ(rc.bottom, 19);
    // The horizontal bar covers the vertical one's bottom-left corner, as on the main window.
    EXPECT_EQ(Mismatches(CaptureScreen(vbar->Handle()), CutLook("vscrollbar", {19, 121}), {0, 0, 19, 118}),
              0);
    EXPECT_EQ(Mismatches(CaptureScreen(vbar->Handle()), CutLook("vscrollbar", {19, 121}), {5, 118, 19, 121}),
              0);
    EXPECT_EQ(Mismatches(CaptureScreen(hbar->Handle()), CutLook("hscrollbar", {134, 19}), {0, 0, 134, 19}),
              0);
}

TEST_F(EditorWithBars, TheEditorHasNoBorderNorSystemBars) {
    EXPECT_EQ(GetWindowLongPtrA(editor->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    Type20Lines();
    RECT window{}, client{};
    GetWindowRect(editor->Handle(), &window);
    GetClientRect(editor->Handle(), &client);
    EXPECT_EQ(client.right, window.right - window.left);
    EXPECT_EQ(client.bottom, window.bottom - window.top);
}

TEST_F(EditorWithBars, TwentyLinesEnableTheVerticalBarWithItsThumbWhereTheRangeSays) {
    Type20Lines();
    ASSERT_TRUE(IsWindowEnabled(vbar->Handle()));
    EXPECT_FALSE(IsWindowEnabled(hbar->Handle()));
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(editor->Handle(), SB_VERT, &info);
    EXPECT_EQ(vbar->Min(), info.nMin);
    EXPECT_EQ(vbar->Max(), info.nMax);
    EXPECT_EQ(vbar->PageSize(), 130);
    const ScrollBarGeometry g = LayOutScrollBar(
        {.kind = ScrollBarKind::Vertical, .width = 19, .height = 121, .element = &Element("vscrollbar")},
        vbar->Range());
    // The thumb's fixed top rows come from the thumb picture; the track below it shows the bar's own cut.
    const Bitmap screen = CaptureScreen(vbar->Handle());
    const TDataSkinScrollBarControl& e = Element("vscrollbar");
    Bitmap thumb(g.thumb.Width(), g.thumb.Height(), 24);
    CutVerticalEnds(Picture(e), e.thumbRect, e.thumbOffset1, e.thumbOffset2, thumb,
                    {0, 0, thumb.Width(), thumb.Height()});
    int wrong = 0;
    for (int y = 0; y < e.thumbOffset1; ++y)
        for (int x = 0; x < thumb.Width(); ++x)
            wrong += screen.PixelColor(g.thumb.left + x, g.thumb.top + y) != thumb.PixelColor(x, y);
    EXPECT_EQ(wrong, 0);
    const Bitmap cut = CutLook("vscrollbar", {19, 121});
    EXPECT_EQ(Mismatches(screen, cut, {0, g.thumb.bottom, 19, g.track.bottom}), 0);
}

TEST_F(EditorWithBars, DraggingTheThumbToTheEndShowsTheLastLine) {
    Type20Lines();
    const ScrollBarGeometry g = LayOutScrollBar(
        {.kind = ScrollBarKind::Vertical, .width = 19, .height = 121, .element = &Element("vscrollbar")},
        vbar->Range());
    const Point start{g.thumb.left + 9, g.thumb.top + g.thumb.Height() / 2};
    HoverOver(vbar->Handle(), start);
    PumpFor(20);
    PressLeft();
    PumpFor(10);
    HoverOver(vbar->Handle(), Point{start.x, start.y + 40});
    PumpFor(20);
    HoverOver(vbar->Handle(), Point{start.x, 200});
    PumpFor(20);
    ReleaseLeft();
    PumpFor(20);
    EXPECT_EQ(vbar->Position(), vbar->Range().MaxPosition());
    const int lastLine = static_cast<int>(SendMessageA(editor->Handle(), EM_LINEINDEX, 19, 0));
    POINTL at{};
    SendMessageA(editor->Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), lastLine);
    EXPECT_GE(at.y, 0);
    EXPECT_LT(at.y, 130);
    EXPECT_GT(SendMessageA(editor->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(EditorWithBars, WheelAndKeysKeepTheBarInStep) {
    Type20Lines();
    SendMessageA(editor->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(vbar->Position(), vbar->Range().MaxPosition());
    SendMessageA(editor->Handle(), WM_KEYDOWN, VK_HOME, 0);
    SendMessageA(editor->Handle(), WM_KEYDOWN, VK_PRIOR, 0);
    PumpFor(20);
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(editor->Handle(), SB_VERT, &info);
    EXPECT_EQ(vbar->Position(), info.nPos);
    editor->SetText("short");
    PumpFor(20);
    SCROLLINFO after{sizeof after, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(editor->Handle(), SB_VERT, &after);
    EXPECT_FALSE(IsWindowEnabled(vbar->Handle()))
        << after.nMin << " " << after.nMax << " " << after.nPage << " " << after.nPos << " bar "
        << vbar->Min() << " " << vbar->Max() << " " << vbar->PageSize();
}

// A bar of its own, 0..100, stepping by itself.
class HeldButton : public ::testing::Test {
  protected:
    void SetUp() override {
        BringToFront(host.Handle());  // keys and the focus go to the active window
        bar = std::make_unique<TSkinScrollBar>(
            Bar(gui::ControlArgs{host.Handle(), 7, 20, 20, 134, 19}, ScrollBarKind::Horizontal, &host.Skin(), true));
        bar->OnChange = [this] { changes.push_back(GetTickCount()); };
        bar->OnLastChange = [this] { ++lastChanges; };
        PumpFor(30);
    }
    SkinnedHost host{{.x = 40, .y = 40, .width = 640, .height = 480}};
    std::unique_ptr<TSkinScrollBar> bar;
    std::vector<DWORD> changes;
    int lastChanges = 0;
};

TEST_F(HeldButton, StepsAtOnceAfterTheDelayThenEveryFiftyMsAndPausesOffTheButton) {
    const Point button{125, 9};  // the increment button at the right end
    HoverOver(bar->Handle(), button);
    PumpFor(20);
    const DWORD pressed = GetTickCount();
    PressLeft();
    PumpFor(10);
    EXPECT_EQ(bar->Position(), 1);
    PumpFor(400);
    EXPECT_EQ(bar->Position(), 1) << "no step before 500 ms";
    PumpFor(400);  // about 800 ms held: steps near 550, 600, ... 800
    const int held = bar->Position();
    EXPECT_GE(held, 4);
    EXPECT_LE(held, 8);
    ASSERT_GE(changes.size(), 2u);
    EXPECT_GE(changes[1] - pressed, 500u);

    HoverOver(bar->Handle(), Point{60, 9});  // the track: the repeat pauses
    PumpFor(20);
    const int paused = bar->Position();
    PumpFor(300);
    EXPECT_EQ(bar->Position(), paused);
    HoverOver(bar->Handle(), button);  // back: resumes at the fast pace
    PumpFor(20);
    PumpFor(200);
    EXPECT_GT(bar->Position(), paused);
    EXPECT_EQ(lastChanges, 0);
    ReleaseLeft();
    PumpFor(20);
    const int released = bar->Position();
    PumpFor(200);
    EXPECT_EQ(bar->Position(), released);
    EXPECT_EQ(lastChanges, 1);
}

TEST_F(HeldButton, AnswersTheSystemScrollBarsMessages) {
    SendMessageA(bar->Handle(), SBM_SETRANGE, 10, 100);
    EXPECT_EQ(bar->Position(), 10);
    SCROLLINFO set{sizeof set, SIF_PAGE | SIF_POS, 0, 0, 10, 85, 0};
    SendMessageA(bar->Handle(), SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&set));
    EXPECT_EQ(SendMessageA(bar->Handle(), SBM_GETPOS, 0, 0), 85);
    SendMessageA(bar->Handle(), SBM_SETPOS, 95, TRUE);
    EXPECT_EQ(bar->Position(), 91);
    SCROLLINFO got{sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
    SendMessageA(bar->Handle(), SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got.nMin, 10);
    EXPECT_EQ(got.nMax, 100);
    EXPECT_EQ(got.nPage, 10u);
    EXPECT_EQ(got.nPos, 91);
}

// What the control base gives the bar: the plain look's thickness without skin data, the element's size
// once the skin comes, and what a screen reader reads.
TEST(ScrollBarOnTheBase, PlainWithoutTheSkinFittedWithItAndReadAsAScrollBar) {
    SkinnedHost host{{.x = 40, .y = 40, .width = 640, .height = 480}};
    TSkinScrollBar bar(Bar(gui::ControlArgs{host.Handle(), 9, 20, 20, 134, 40}, ScrollBarKind::Horizontal, nullptr, true));
    RECT rc{};
    GetClientRect(bar.Handle(), &rc);
    EXPECT_EQ(rc.right, 134);
    EXPECT_EQ(rc.bottom, 19) << "the plain thickness";
    bar.SetRange(0, 100, 10, 40);
    PumpFor(30);
    const Bitmap plain = CaptureScreen(bar.Handle());
    EXPECT_EQ(plain.PixelColor(22, 9), GetSysColor(COLOR_BTNFACE)) << "the plain track, before the thumb";

    SetWindowPos(bar.Handle(), nullptr, 0, 0, 134, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    bar.SetSkinData(&host.Skin());
    GetClientRect(bar.Handle(), &rc);
    EXPECT_EQ(rc.bottom, 19) << "fitted to the element";
    PumpFor(30);
    const Bitmap skinned = CaptureScreen(bar.Handle());
    const TDataSkinScrollBarControl& e = *host.Skin().SkinControlAs<TDataSkinScrollBarControl>("hscrollbar");
    EXPECT_EQ(
        skinned.PixelColor(1, 1),
        host.Skin().ActivePicture24(e.pictureIndex)->PixelColor(e.skinRect.left + 1, e.skinRect.top + 1));

    const ScreenReaderView reader(bar.Handle());
    EXPECT_EQ(reader.Role(), ROLE_SYSTEM_SCROLLBAR);
    EXPECT_EQ(reader.Value(), L"40");
}

}  // namespace
}  // namespace huecast::skin
