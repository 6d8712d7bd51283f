// The skinned control base under Wine: the cut look on screen and through WM_PRINTCLIENT, the skin-change
// notices and the rebinding they cause, the plain look of an unknown element, morph steps by real hover,
// and what a screen reader reads.
#include "skin/controls/win32/control.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <vector>

#include "skin/controls/win32/std_label.h"
#include "tests/support/win32/message_pump.h"
#include "tests/support/win32/object_counts.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"
#include "tests/support/win32/screen_reader_view.h"
#include "tests/support/win32/skinned_host.h"

namespace huecast::skin {
namespace {

using namespace huecast::testing;

// A control of the base alone: it draws exactly the cut picture, and records what happens to it.
class Probe : public TSkinCustomControl {
  public:
    explicit Probe(const SkinControlArgs& args) { CreateControl("HuecastSkinControlProbe", args); }
    ~Probe() override { DestroyHandle(); }
    std::vector<std::string> events;
    std::vector<int> morphSteps;
    int clicks = 0;

    void SkinChanging() override {
        events.push_back("changing");
        TSkinCustomControl::SkinChanging();
    }
    void SkinChanged() override {
        events.push_back("changed");
        TSkinCustomControl::SkinChanged();
    }
    void DrawPlainLook(LookCanvas& canvas) override {
        events.push_back("plain");
        TSkinCustomControl::DrawPlainLook(canvas);
    }
    void DrawSkinLook(LookCanvas& canvas) override {
        events.push_back("skin");
        if (Morphing())
            DrawMorphedLook(canvas, Descriptor()->skinRect, DescriptorAs<TDataSkinButtonControl>()->activeSkinRect,
                            MorphKind::Default);
        else
            TSkinCustomControl::DrawSkinLook(canvas);
    }

  protected:
    void TimerTick(UINT_PTR id) override {
        TSkinCustomControl::TimerTick(id);
        if (id == kMorphTimerId) morphSteps.push_back(static_cast<int>(MorphFactor() * 10 + 0.5));
    }
    AccessibleInfo Accessible() const override {
        return {.role = ROLE_SYSTEM_PUSHBUTTON, .state = clicks ? STATE_SYSTEM_PRESSED : 0, .value = "42",
                .defaultAction = "Press"};
    }
    void DoDefaultAction() override { ++clicks; }
};

TEST(SkinControl, AGroupBoxShowsExactlyThePortableCutOnScreenAndThroughPrintClient) {
    SkinnedHost host;
    Probe box({.parent = host.Handle(), .x = 10, .y = 10, .width = 200, .height = 120, .caption = "Group",
               .skinDataName = "groupbox", .skinData = &host.Skin()});
    ASSERT_GE(box.ElementIndex(), 0);
    const Bitmap expected = ExpectedLook(host.Skin(), "groupbox", {200, 120});
    const Rect caption = box.MapRect(host.Skin().SkinControlAs<TDataSkinPanelControl>("groupbox")->captionRect);
    EXPECT_EQ(CountPixelsNot(expected, 0), 200 * 120);  // the cut covers every pixel
    EXPECT_EQ(CountDifferentPixels(CapturePrintClient(box.Handle()), expected, {caption}), 0);
    EXPECT_EQ(CountDifferentPixels(CaptureScreen(box.Handle()), expected, {caption}), 0);
}

TEST(SkinControl, AnUnknownElementDrawsPlainAtTheDefaultSize) {
    SkinnedHost host;
    Probe probe({.parent = host.Handle(), .width = 50, .height = 50, .skinDataName = "no such element"});
    probe.SetDefaultWidth(77);
    probe.SetDefaultHeight(33);
    probe.SetSkinData(&host.Skin());
    EXPECT_EQ(probe.ElementIndex(), -1);
    EXPECT_EQ(probe.ClientSize(), (Size{77, 33}));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t faceBgr = GetRValue(face) | GetGValue(face) << 8 | GetBValue(face) << 16;
    EXPECT_EQ(CountPixelsNot(CapturePrintClient(probe.Handle()), faceBgr), 0);
}

TEST(SkinControl, ASkinReloadDrawsPlainBetweenTheNoticesThenRebindsRefitsAndRepaints) {
    SkinnedHost host;
    Probe bar({.parent = host.Handle(), .width = 201, .height = 22, .skinDataName = "htrackbar",
               .skinData = &host.Skin()});
    ASSERT_EQ(bar.ClientSize(), (Size{201, 22}));
    SetWindowPos(bar.Handle(), nullptr, 0, 0, 201, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(bar.ClientSize(), (Size{201, 22}));  // the bounds rule fits every size change

    std::vector<SkinNotice> notices;
    host.onNotice = [&](SkinNotice notice) {
        notices.push_back(notice);
        if (notice == SkinNotice::BeforeChange) {
            bar.events.push_back("paint-between");
            bar.Repaint();
        }
    };
    bar.events.clear();
    // The skin's own height is restored: the reload must refit the control.
    const TStoredSkin* stored = host.Skin().StoredSkin();
    ASSERT_NE(stored, nullptr);
    MoveWindow(bar.Handle(), 0, 0, 201, 22, FALSE);
    host.Skin().LoadFromStoredSkin(*stored);
    EXPECT_EQ(notices, (std::vector<SkinNotice>{SkinNotice::BeforeChange, SkinNotice::Change, SkinNotice::AfterChange}));
    const auto at = [&](const char* e) {
        return std::find(bar.events.begin(), bar.events.end(), e) - bar.events.begin();
    };
    ASSERT_LT(at("changing"), at("paint-between"));
    EXPECT_EQ(bar.events[static_cast<std::size_t>(at("paint-between")) + 1], "plain");
    ASSERT_LT(at("paint-between"), at("changed"));
    EXPECT_GE(bar.ElementIndex(), 0);
    EXPECT_EQ(bar.ClientSize(), (Size{201, 22}));
    bar.events.clear();
    PumpUntil([&] { return !bar.events.empty(); }, 2000);
    EXPECT_EQ(bar.events, std::vector<std::string>{"skin"});  // repainted skinned
}

TEST(SkinControl, MorphStepsTenTimesUpOnHoverAndTenTimesDownOnLeaveThenStops) {
    SkinnedHost host;
    MoveAway();
    Probe button({.parent = host.Handle(), .x = 20, .y = 20, .width = 95, .height = 25, .caption = "OK",
                  .skinDataName = "button", .skinData = &host.Skin()});
    button.SetMorphing(true);
    HoverOver(button.Handle());
    ASSERT_TRUE(PumpUntil([&] { return button.morphSteps.size() >= 11; }, 3000));
    PumpFor(100);
    EXPECT_EQ(button.morphSteps, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10}));
    button.morphSteps.clear();
    MoveAway();
    ASSERT_TRUE(PumpUntil([&] { return button.morphSteps.size() >= 11; }, 3000));
    PumpFor(100);
    EXPECT_EQ(button.morphSteps, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0}));
    // Fully active, it shows the active look exactly.
    button.SnapMorph(true);
    const auto* d = host.Skin().SkinControlAs<TDataSkinButtonControl>("button");
    EXPECT_EQ(CountDifferentPixels(CapturePrintClient(button.Handle()),
                                   ExpectedLook(host.Skin(), "button", {95, 25}, d->activeSkinRect)),
              0);
}

TEST(SkinControl, AScreenReaderReadsRoleNameStateValueAndActionAndSeesTheFocus) {
    SkinnedHost host;
    Probe probe({.parent = host.Handle(), .width = 95, .height = 25, .caption = "&Send",
                 .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP, .skinDataName = "button", .skinData = &host.Skin()});
    const ScreenReaderView reader(probe.Handle());
    EXPECT_EQ(reader.Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(reader.Name(), L"Send");
    EXPECT_EQ(reader.Value(), L"42");
    EXPECT_EQ(reader.DefaultAction(), L"Press");

    EXPECT_TRUE(reader.State() & STATE_SYSTEM_FOCUSABLE);
    EXPECT_FALSE(reader.State() & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_PRESSED | STATE_SYSTEM_UNAVAILABLE));
    SetForegroundWindow(host.Handle());
    probe.SetFocus();
    reader.DoDefaultAction();
    EXPECT_EQ(probe.clicks, 1);
    EnableWindow(probe.Handle(), FALSE);
    EXPECT_TRUE(reader.State() & STATE_SYSTEM_PRESSED);
    EXPECT_TRUE(reader.State() & STATE_SYSTEM_UNAVAILABLE);
    EnableWindow(probe.Handle(), TRUE);
    probe.SetFocus();
    EXPECT_TRUE(reader.State() & STATE_SYSTEM_FOCUSED);
}

TEST(SkinStdLabel, TakesTheElementsFontWithTheDefaultCharsetAndTheElementsColour) {
    SkinnedHost host;
    TSkinStdLabel label;
    label.caption = "Saved.";
    label.defaultFont = {.spec = {.face = "Tahoma", .height = 11, .charset = GB2312_CHARSET}, .color = 0x123456};
    EXPECT_EQ(label.Style().font.face, "Tahoma");  // no skin: DefaultFont
    EXPECT_EQ(label.Style().color, 0x123456u);
    label.skinData = &host.Skin();
    const auto* element = host.Skin().SkinControlAs<TDataSkinStdLabelControl>("stdlabel");
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(label.Style().font.face, element->font.name);
    EXPECT_EQ(label.Style().font.charset, GB2312_CHARSET);
    EXPECT_EQ(label.Style().color, element->font.color);
    label.useSkinFont = false;
    label.font = {.spec = {.face = "Arial", .height = 20}, .color = 1};
    EXPECT_EQ(label.Style().font.face, "Arial");
    EXPECT_EQ(label.Style().color, element->font.color);  // the colour is the element's either way
    label.caption.clear();
    EXPECT_GT(label.Measure().cx, 0);  // an empty caption measures as a blank
}

}  // namespace
}  // namespace huecast::skin

namespace huecast::skin {
namespace {

using namespace huecast::testing;

// A skin of one horizontal element whose mask rounds its two ends.
TStoredSkin ShapedSkin() {
    TStoredSkin stored;
    stored.iniStrings = {"[VERSION]",        "skinname=Shaped",      "[PICTURES]",        "picture=main.bmp",
                         "activepicturescount=2", "0=look.bmp",      "1=mask.bmp",        "[FORMINFO]",
                         "[SKINOBJECTS]",    "count=0",              "[SKINCONTROLS]",    "count=1",
                         "0=shaped:panel",   "[shaped]",             "pictureindex=0",    "maskpictureindex=1",
                         "skinrect=0,0,8,3", "lefttoppoint=2,0",     "righttoppoint=6,0", "clientrect=2,1,6,2"};
    stored.pictures.main = Bitmap(10, 10, 24);
    Bitmap look(8, 3, 24);
    Bitmap mask(8, 3, 24);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x) {
            look.SetPixelColor(x, y, 0x0000FF00);
            const bool corner = (x == 0 || x == 7) && y != 1;
            mask.SetPixelColor(x, y, corner ? 0xFFFFFF : 0);
        }
    stored.pictures.active = {look, mask};
    return stored;
}

TEST(SkinControl, AThousandShapeReplacementsLeaveTheGdiObjectCountAlone) {
    SkinnedHost host({}, false);
    const TStoredSkin stored = ShapedSkin();
    TSkinData data;
    data.SetStoredSkin(&stored);
    Probe shaped({.parent = host.Handle(), .width = 30, .height = 3, .skinDataName = "shaped", .skinData = &data});
    ASSERT_GE(shaped.ElementIndex(), 0);
    RECT box{};
    ASSERT_EQ(GetWindowRgnBox(shaped.Handle(), &box), COMPLEXREGION);
    EXPECT_EQ(box.right, 30);
    const int before = CountOwnObjects().gdi;
    for (int i = 0; i < 1000; ++i) shaped.SetSize({20 + i % 50, 3});
    const int after = CountOwnObjects().gdi;
    EXPECT_LE(after, before + 2);
    EXPECT_GE(after + 2, before);
    // The corners stay cut at the last width, and the region follows it.
    ASSERT_EQ(GetWindowRgnBox(shaped.Handle(), &box), COMPLEXREGION);
    EXPECT_EQ(box.right, 20 + 999 % 50);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(shaped.Handle(), region);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 0, 1));
    EXPECT_TRUE(PtInRegion(region, 1, 0));
    DeleteObject(region);
    // Without the skin, the shape goes.
    shaped.SkinChanging();
    shaped.SetSkinData(nullptr);
    shaped.SkinChanged();
    EXPECT_EQ(GetWindowRgnBox(shaped.Handle(), &box), ERROR);
}

}  // namespace
}  // namespace huecast::skin
