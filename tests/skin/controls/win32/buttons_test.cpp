// The skinned buttons, check boxes and item groups under Wine, on a window wearing the built-in skin:
// pixels captured from the controls against the skin's own pictures cut by the portable cutter, and real
// input (SetCursorPos, SendInput) for what users click, hover and type.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <utility>

#include "gui/edit.h"
#include "gui/rich_edit.h"
#include "skin/picture/glyph_layout.h"
#include "skin/controls/morph_looks.h"
#include "skin/picture/picture_cut.h"
#include "skin/controls/win32/caption_text.h"
#include "skin/format/win32/form_skin.h"
#include "skin/controls/win32/button.h"
#include "skin/controls/win32/check_radio_box.h"
#include "skin/controls/win32/item_groups.h"
#include "skin/controls/win32/panel.h"
#include "tests/support/win32/message_pump.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"
#include "tests/support/win32/skinned_host.h"

namespace huecast::skin {
namespace {

using namespace huecast::testing;

// A top-level form of the program's kind on a light blue background of its own, the pointer away from
// every control.
class Host : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = std::make_unique<SkinnedHost>(TestHostArgs{.x = 100,
                                                           .y = 100,
                                                           .width = 400,
                                                           .height = 300,
                                                           .style = WS_POPUP | WS_VISIBLE,
                                                           .exStyle = WS_EX_CONTROLPARENT,
                                                           .background = RGB(0xE6, 0xF5, 0xFF)});
        window_ = host_->Handle();
        SetForegroundWindow(window_);
        MoveAway();
        PumpFor(50);
    }
    void TearDown() override { host_.reset(); }

    TSkinData& Data() { return host_->Skin(); }

    std::unique_ptr<SkinnedHost> host_;
    HWND window_ = nullptr;
};

// A real click, handled by this thread's windows before the test goes on.
void Click(POINT at) {
    ClickAt(at);
    PumpFor(100);
}

void Click(HWND window) {
    Click(CentreOf(window));
}

// ---- Buttons ----

class ButtonTest : public Host {
  protected:
    std::unique_ptr<TSkinButton> Make(int x, int y, int w, int h, const char* caption,
                                      ButtonState::Options options = {}) {
        return std::make_unique<TSkinButton>(TSkinButton::Args{.parent = window_,
                                                               .id = 105,
                                                               .x = x,
                                                               .y = y,
                                                               .width = w,
                                                               .height = h,
                                                               .caption = caption,
                                                               .skinData = &Data(),
                                                               .options = options,
                                                               .useSkinFont = false});
    }
    // The button element's `rect` cut to the button's size.
    Bitmap Expected(const Rect& rect, Size size) { return ExpectedLook(Data(), "button", size, rect); }
    const TDataSkinButtonControl& Element() {
        return *Data().SkinControlAs<TDataSkinButtonControl>("button");
    }
};

TEST_F(ButtonTest, EachStateShowsItsRectWithTheCaptionCentred) {
    auto button = Make(20, 20, 95, 20, "Copy");
    const Size size{95, 20};
    PumpFor(50);
    // Normal: everything but the caption is the skin rect's cut; the caption sits in the client area's
    // middle.
    Bitmap shot = CapturePrintClient(button->Handle());
    Bitmap normal = Expected(Element().skinRect, size);
    const Rect text = DifferenceBox(shot, normal);
    ASSERT_FALSE(text.IsEmpty()) << "the caption is drawn";
    const Rect ncl{5, 5, 90, 15};
    EXPECT_NEAR((text.left + text.right) / 2.0, (ncl.left + ncl.right) / 2.0, 1.5);
    EXPECT_NEAR((text.top + text.bottom) / 2.0, (ncl.top + ncl.bottom) / 2.0, 1.5);
    const Rect skip{text.left - 1, text.top - 1, text.right + 1, text.bottom + 1};

    // Hot: the pointer over it; after the morph the active rect.
    HoverOver(button->Handle());
    EXPECT_TRUE(PumpUntil([&] { return button->MorphFactor() == 1.0; }));
    EXPECT_TRUE(button->State().Hot());
    EXPECT_EQ(CountDifferentPixels(CapturePrintClient(button->Handle()), Expected(Element().activeSkinRect, size), {skip}), 0);

    // Down: the left button held on it.
    PressLeft();
    PumpFor(60);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(CountDifferentPixels(CapturePrintClient(button->Handle()), Expected(Element().downSkinRect, size), {skip}), 0);
    ReleaseLeft();
    PumpFor(60);

    // Back to normal once neither hot nor focused; disabled.
    MoveAway();
    PumpUntil([&] { return !button->State().Hot(); });
    EXPECT_EQ(CountDifferentPixels(CapturePrintClient(button->Handle()), Expected(Element().activeSkinRect, size), {skip}), 0)
        << "focused by the press, it stays active";
    SetFocus(window_);
    EXPECT_TRUE(PumpUntil([&] { return button->MorphFactor() == 0.0; }));
    EXPECT_EQ(CountDifferentPixels(CapturePrintClient(button->Handle()), normal, {skip}), 0);
    EnableWindow(button->Handle(), FALSE);
    PumpFor(30);
    EXPECT_EQ(CountDifferentPixels(CapturePrintClient(button->Handle()), Expected(Element().disabledSkinRect, size), {skip}), 0);
}

TEST_F(ButtonTest, HoverMorphsInTenStepsAndBackOnLeave) {
    auto button = Make(20, 20, 95, 20, "");
    HoverOver(button->Handle());
    PumpFor(90);  // a few 20 ms steps: mid-morph
    const double k = button->MorphFactor();
    EXPECT_GT(k, 0.0);
    EXPECT_LT(k, 1.0);
    // A mid-morph capture is the push morph of the two looks for that k (the factor may step once between
    // reading it and painting, so it is read again right after the capture).
    const Bitmap shot = CapturePrintClient(button->Handle());
    MorphLooks looks;
    const auto* d = &Element();
    const SkinPieces pieces = PiecesOf(*d);
    looks.Prepare(*Data().ActivePicture24(d->pictureIndex), d->skinRect, d->activeSkinRect, pieces,
                  FitToSkin(pieces, {95, 20}));
    Bitmap expected(95, 20, 24);
    looks.Compose(MorphKind::Push, button->MorphFactor(), expected);
    EXPECT_EQ(CountDifferentPixels(shot, expected), 0);
    EXPECT_TRUE(PumpUntil([&] { return button->MorphFactor() == 1.0; }));
    MoveAway();
    EXPECT_TRUE(PumpUntil([&] { return button->MorphFactor() == 0.0; }));
}

TEST_F(ButtonTest, SpaceAndEnterOnAFocusedButtonGiveExactlyOneClick) {
    auto button = Make(20, 20, 95, 20, "Go");
    int clicks = 0;
    button->onClick = [&] { ++clicks; };
    SetFocus(button->Handle());
    PumpFor(30);
    PressKey(VK_SPACE);
    PumpFor(40, window_);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(clicks, 0);
    ReleaseKey(VK_SPACE);
    PumpFor(40, window_);
    EXPECT_EQ(clicks, 1);
    PressKey(VK_RETURN);
    PumpFor(40, window_);
    ReleaseKey(VK_RETURN);
    PumpFor(40, window_);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, AltAndTheAcceleratorClickTheButtonOnce) {
    auto other = Make(20, 60, 95, 20, "Other");
    auto copy = Make(20, 20, 95, 20, "Copy(&C)");
    int clicks = 0, otherClicks = 0;
    copy->onClick = [&] { ++clicks; };
    other->onClick = [&] { ++otherClicks; };
    SetFocus(other->Handle());
    PumpFor(30, window_);
    PressKey(VK_MENU);
    PressKey('C');
    PumpFor(40, window_);
    ReleaseKey('C');
    ReleaseKey(VK_MENU);
    PumpFor(60, window_);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(otherClicks, 0);
    EXPECT_EQ(GetFocus(), copy->Handle()) << "the accelerator focuses the button";
}

// A key pressed and released through the program's message loop (the dialog manager of the host).
void Tap(HWND host, WORD vk, WORD modifier = 0) {
    if (modifier) PressKey(modifier);
    PressKey(vk);
    PumpFor(40, host);
    ReleaseKey(vk);
    if (modifier) ReleaseKey(modifier);
    PumpFor(40, host);
}

TEST_F(ButtonTest, EnterAndEscapeOnTheFormClickTheDefaultAndCancelButtons) {
    auto ok = Make(20, 20, 95, 20, "OK", {.isDefault = true});
    auto cancel = Make(20, 50, 95, 20, "Cancel", {.isCancel = true});
    int okClicks = 0, cancelClicks = 0;
    ok->onClick = [&] { ++okClicks; };
    cancel->onClick = [&] { ++cancelClicks; };
    gui::Edit edit(
        {.parent = window_, .id = 150, .x = 140, .y = 20, .width = 120, .height = 22, .style = WS_TABSTOP});
    TSkinCheckRadioBox box({.parent = window_,
                            .id = 151,
                            .x = 140,
                            .y = 50,
                            .width = 120,
                            .height = 21,
                            .caption = "Box",
                            .skinData = &Data()});
    SetFocus(edit.Handle());
    PumpFor(40, window_);

    // While the focus is on a control of another kind, the default button shows the active look.
    EXPECT_TRUE(ok->State().Hot());
    EXPECT_FALSE(cancel->State().Hot());
    EXPECT_TRUE(PumpUntil([&] { return ok->MorphFactor() == 1.0; }));
    const Rect caption{25, 3, 70, 17};
    EXPECT_EQ(CountDifferentPixels(CapturePrintClient(ok->Handle()), Expected(Element().activeSkinRect, {95, 20}), {caption}), 0);
    EXPECT_EQ(CountDifferentPixels(CapturePrintClient(cancel->Handle()), Expected(Element().skinRect, {95, 20}), {caption}), 0);

    Tap(window_, VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 0);
    Tap(window_, VK_ESCAPE);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 1);
    Tap(window_, VK_ESCAPE, VK_SHIFT);
    EXPECT_EQ(cancelClicks, 1) << "Shift+Escape is no cancel";
    EXPECT_EQ(GetFocus(), edit.Handle()) << "the form's keys click without moving the focus";

    // From a check box too, which does not toggle.
    SetFocus(box.Handle());
    PumpFor(40, window_);
    Tap(window_, VK_RETURN);
    EXPECT_EQ(okClicks, 2);
    EXPECT_FALSE(box.Checked());

    // A focused button is the one Enter clicks; the default button then no longer stands in.
    SetFocus(cancel->Handle());
    PumpFor(40, window_);
    EXPECT_FALSE(ok->State().Hot());
    Tap(window_, VK_RETURN);
    EXPECT_EQ(cancelClicks, 2);
    EXPECT_EQ(okClicks, 2);
    Tap(window_, VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 3);

    // A disabled default button takes no Enter.
    SetFocus(edit.Handle());
    EnableWindow(ok->Handle(), FALSE);
    Tap(window_, VK_RETURN);
    EXPECT_EQ(okClicks, 2);
}

TEST_F(ButtonTest, TheRichEditKeepsEnterForItsLinesBesideADefaultButton) {
    auto ok = Make(20, 20, 95, 20, "OK", {.isDefault = true});
    int okClicks = 0;
    ok->onClick = [&] { ++okClicks; };
    gui::RichEdit editor({.parent = window_, .id = 152, .x = 140, .y = 20, .width = 200, .height = 80});
    SetFocus(editor.Handle());
    PumpFor(40, window_);
    Tap(window_, 'A');
    Tap(window_, VK_RETURN);
    Tap(window_, 'B');
    EXPECT_EQ(okClicks, 0);
    const std::string text = editor.PlainText();
    EXPECT_NE(text.find('a'), std::string::npos) << text;
    EXPECT_NE(text.find('\r'), std::string::npos) << "Enter went to the editor: " << text;
    Tap(window_, VK_ESCAPE);
    EXPECT_TRUE(IsWindow(window_)) << "Escape in the editor leaves its window open";
}

TEST_F(ButtonTest, ClickIsOneAndReleaseOutsideIsNone) {
    auto button = Make(20, 20, 95, 20, "Go");
    int clicks = 0;
    button->onClick = [&] { ++clicks; };
    Click(button->Handle());
    EXPECT_EQ(clicks, 1);
    HoverOver(button->Handle());
    PumpFor(40);
    PressLeft();
    PumpFor(40);
    MoveAway();
    PumpFor(40);
    ReleaseLeft();
    PumpFor(40);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->Down());
    // BM_CLICK, as a program or an accelerator sends it, and its BN_CLICKED.
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
}

// ---- Glyphs ----

// Four 10 × 10 images, each of one colour; the strip's bottom-left pixel (in image 1) is its key colour.
constexpr std::uint32_t kGlyphColours[] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0};  // 0x00BBGGRR
Bitmap GlyphStripOf(int images) {
    Bitmap strip(10 * images, 10, 24);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < strip.Width(); ++x)
            strip.SetPixelColor(x, y, kGlyphColours[x / 10]);
    strip.SetPixelColor(0, 9, 0xFF00FF);
    return strip;
}

// The box of the pixels of `colour`, and how many there are.
std::pair<Rect, int> PixelsOf(const Bitmap& b, std::uint32_t colour) {
    Rect box{b.Width(), b.Height(), 0, 0};
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.PixelColor(x, y) == colour) {
                ++n;
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
    return {box, n};
}

TEST_F(ButtonTest, GlyphShowsTheImageOfEachStateBesideTheLook) {
    auto button = Make(20, 20, 95, 20, "");
    button->SetGlyph(GlyphStripOf(4), 4);
    const Rect ncl = button->Mapping().clientRect;
    // Centred in the client area (margin -1; an empty caption is as wide as nothing, spacing 1).
    const Point at{ncl.left + ncl.Width() / 2 - 5, ncl.top + ncl.Height() / 2 - 5};
    const Rect cell{at.x, at.y, at.x + 10, at.y + 10};
    const auto expectImage = [&](int image, const Rect& look, const char* state) {
        const Bitmap shot = CapturePrintClient(button->Handle());
        const auto [box, n] = PixelsOf(shot, kGlyphColours[image - 1]);
        EXPECT_EQ(box, cell) << state;
        EXPECT_EQ(n, image == 1 ? 99 : 100) << state << ": all of image " << image;
        EXPECT_EQ(CountDifferentPixels(shot, Expected(look, {95, 20}), {cell}), 0) << state << ": the look around it";
    };
    PumpFor(30);
    expectImage(1, Element().skinRect, "normal");
    // The key pixel shows the look beneath.
    EXPECT_EQ(CapturePrintClient(button->Handle()).PixelColor(at.x, at.y + 9),
              Expected(Element().skinRect, {95, 20}).PixelColor(at.x, at.y + 9));

    HoverOver(button->Handle());
    EXPECT_TRUE(PumpUntil([&] { return button->MorphFactor() == 1.0; }));
    expectImage(4, Element().activeSkinRect, "hot");
    PressLeft();
    PumpFor(60);
    expectImage(3, Element().downSkinRect, "down");
    ReleaseLeft();
    PumpFor(60);
    MoveAway();
    EnableWindow(button->Handle(), FALSE);
    PumpFor(60);
    expectImage(2, Element().disabledSkinRect, "disabled");

    // One image: the disabled button shows it too.
    button->SetGlyph(GlyphStripOf(1), 1);
    PumpFor(30);
    expectImage(1, Element().disabledSkinRect, "disabled, one image");

    // Kept `margin` pixels from the right, the caption to its left.
    EnableWindow(button->Handle(), TRUE);
    SetFocus(window_);
    button->SetLayout(ButtonLayout::GlyphRight);
    button->SetMargin(3);
    EXPECT_TRUE(PumpUntil([&] { return button->MorphFactor() == 0.0; }));
    const auto [right, n] = PixelsOf(CapturePrintClient(button->Handle()), kGlyphColours[0]);
    EXPECT_EQ(right, (Rect{ncl.right - 13, at.y, ncl.right - 3, at.y + 10}));
}

TEST_F(ButtonTest, PlainButtonDrawsItsGlyphPressedWhileDown) {
    auto button = std::make_unique<TSkinButton>(TSkinButton::Args{.parent = window_,
                                                                  .x = 20,
                                                                  .y = 20,
                                                                  .width = 60,
                                                                  .height = 30,
                                                                  .skinData = &Data(),
                                                                  .skinDataName = "no such element",
                                                                  .glyph = GlyphStripOf(4),
                                                                  .numGlyphs = 4,
                                                                  .layout = ButtonLayout::GlyphTop,
                                                                  .margin = 4});
    PumpFor(30);
    auto [box, n] = PixelsOf(CapturePrintClient(button->Handle()), kGlyphColours[0]);
    EXPECT_EQ(box, (Rect{25, 4, 35, 14})) << "centred across, 4 pixels from the top";
    HoverOver(button->Handle());
    PumpFor(60);
    PressLeft();
    PumpFor(60);
    std::tie(box, n) = PixelsOf(CapturePrintClient(button->Handle()), kGlyphColours[2]);
    EXPECT_EQ(box, (Rect{26, 5, 36, 15})) << "the down image, one pixel down and right";
    ReleaseLeft();
    PumpFor(60);
}

// ---- Check boxes and groups ----

class CheckTest : public Host {};

TEST_F(CheckTest, FlatBoxShowsItsImageOnTheParentsBackgroundAndAClickTogglesOnce) {
    TSkinCheckRadioBox box({.parent = window_,
                            .id = 108,
                            .x = 20,
                            .y = 60,
                            .width = 140,
                            .height = 21,
                            .caption = "",
                            .skinData = &Data()});
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    PumpFor(30);
    const auto* d = Data().SkinControlAs<TDataSkinCheckRadioControl>("checkbox");
    const Bitmap* picture = Data().ActivePicture24(d->pictureIndex);
    auto boxPixelsAre = [&](const Bitmap& shot, const Rect& image) {
        // Box at (3, 21 div 2 − 8); its non-key pixels are the image's, the rest the host's background.
        const COLORREF key = picture->PixelColor(image.left, image.bottom - 1);
        int wrong = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const auto want = picture->PixelColor(image.left + x, image.top + y);
                const auto got = shot.PixelColor(3 + x, 2 + y);
                if (want == key ? got != 0xFFF5E6u : got != want) ++wrong;
            }
        return wrong;
    };
    Bitmap shot = CapturePrintClient(box.Handle());
    EXPECT_EQ(boxPixelsAre(shot, d->unCheckImageRect), 0);
    EXPECT_EQ(shot.PixelColor(100, 1), 0xFFF5E6u) << "the parent's background around it";

    Click(box.Handle());
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageA(box.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(boxPixelsAre(CapturePrintClient(box.Handle()), d->activeCheckImageRect), 0) << "hot and checked";
    MoveAway();
    EXPECT_TRUE(PumpUntil([&] { return !box.Hot(); }));
    EXPECT_EQ(boxPixelsAre(CapturePrintClient(box.Handle()), d->checkImageRect), 0);
    EnableWindow(box.Handle(), FALSE);
    EXPECT_EQ(boxPixelsAre(CapturePrintClient(box.Handle()), d->unEnabledCheckImageRect), 0);
    SendMessageA(box.Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(boxPixelsAre(CapturePrintClient(box.Handle()), d->unEnabledUnCheckImageRect), 0);
    EXPECT_EQ(clicks, 1) << "BM_SETCHECK tells nobody";
    EnableWindow(box.Handle(), TRUE);
    HoverOver(box.Handle());
    EXPECT_TRUE(PumpUntil([&] { return box.Hot(); }));
    EXPECT_EQ(boxPixelsAre(CapturePrintClient(box.Handle()), d->activeUnCheckImageRect), 0);
}

// The main window's five group boxes at their designed sizes: each caption is drawn whole in the element's
// font colour, not clipped to a caption area narrower than the text.
TEST_F(CheckTest, GroupCaptionsShowWholeInTheSkinsColour) {
    struct Group {
        const char* caption;
        int width, height;
    };
    const Group groups[] = {{"\xBB\xF9\xB1\xBE\xD1\xD5\xC9\xAB", 182, 54},                  // 基本颜色
                            {"\xD7\xD6\xCC\xE5\xC9\xE8\xD6\xC3", 251, 176},                 // 字体设置
                            {"\xCC\xD8\xCA\xE2\xB7\xFB\xBA\xC5", 106, 94},                  // 特殊符号
                            {"\xB8\xC4\xB1\xE4\xCE\xC4\xD7\xD6\xB3\xDF\xB4\xE7", 240, 49},  // 改变文字尺寸
                            {"\xB1\xE0\xBC\xAD\xCA\xD5\xB2\xD8\xBC\xD0", 177, 176}};        // 编辑收藏夹
    const auto* d = Data().SkinControlAs<TDataSkinPanelControl>("groupbox");
    ASSERT_NE(d, nullptr);
    for (const Group& g : groups) {
        TSkinGroupBox box({.parent = window_,
                           .x = 10,
                           .y = 10,
                           .width = g.width,
                           .height = g.height,
                           .caption = g.caption,
                           .skinData = &Data(),
                           .skinDataName = "groupbox",
                           .captionMode = true});
        const Rect area = box.MapRect(d->captionRect);
        const gui::FontHandle font = box.CreateTextFont(&d->font);
        const Size text = MeasureCaption(g.caption, font.get());
        // Where the element's font colour shows inside the caption area's rows.
        const Bitmap shot = CapturePrintClient(box.Handle());
        int left = shot.Width(), right = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = 0; x < shot.Width(); ++x)
                if (shot.PixelColor(x, y) == d->font.color) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
        ASSERT_LT(left, right) << g.width << ": the caption is drawn in the element's colour";
        EXPECT_GE(area.Width(), text.cx) << g.width << ": the caption area holds the text";
        // The strokes in the exact colour begin and end a few pixels inside the measured text (side
        // bearings, smoothed edges); a caption clipped to the old 42-pixel area fell short by 10 or more.
        EXPECT_GE(right - left, text.cx - 6) << g.width << ": the whole caption shows";
        EXPECT_GE(left, area.left);
        EXPECT_LE(right, area.right);
    }
}

TEST_F(CheckTest, GroupCaptionGlyphLeadsTheTextAndShowsItsSecondImageWhileDisabled) {
    const auto* d = Data().SkinControlAs<TDataSkinPanelControl>("groupbox");
    TSkinGroupBox box({.parent = window_,
                       .x = 10,
                       .y = 10,
                       .width = 180,
                       .height = 60,
                       .caption = "Group",
                       .skinData = &Data(),
                       .skinDataName = "groupbox",
                       .glyph = GlyphStripOf(2),
                       .numGlyphs = 2});
    const Rect area = box.MapRect(d->captionRect);
    const auto glyphAndText = [&](std::uint32_t image) {
        const Bitmap shot = CapturePrintClient(box.Handle());
        const auto [glyph, n] = PixelsOf(shot, image);
        EXPECT_EQ(glyph.Width(), 10);
        EXPECT_EQ(glyph.Height(), 10);
        EXPECT_EQ(glyph.top, area.top + area.Height() / 2 - 5) << "centred on the caption's middle";
        int textLeft = shot.Width();
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = 0; x < shot.Width(); ++x)
                if (shot.PixelColor(x, y) == d->font.color) textLeft = std::min(textLeft, x);
        EXPECT_GE(textLeft, glyph.right + 2) << "the text follows the glyph at the spacing";
        EXPECT_LT(textLeft, glyph.right + 8);
        return glyph;
    };
    const Rect enabled = glyphAndText(kGlyphColours[0]);
    EnableWindow(box.Handle(), FALSE);
    PumpFor(30);
    EXPECT_EQ(glyphAndText(kGlyphColours[1]), enabled);
}

TEST_F(CheckTest, RadioGroupItemsUncheckEachOtherAndClickOnlyWhenChecked) {
    TSkinRadioGroup group({.group = {.parent = window_,
                                     .id = 120,
                                     .x = 20,
                                     .y = 100,
                                     .width = 163,
                                     .height = 54,
                                     .caption = "Random",
                                     .skinData = &Data(),
                                     .checkedMode = true,
                                     .checked = true},
                           .items = {"one", "two"},
                           .columns = 2});
    int clicks = 0;
    group.onClick = [&] { ++clicks; };
    group.SetItemIndex(1);
    EXPECT_EQ(clicks, 1);
    HWND first = GetDlgItem(group.Handle(), 1200), second = GetDlgItem(group.Handle(), 1201);
    ASSERT_TRUE(first && second);
    RECT r1, r2;
    GetWindowRect(first, &r1);
    GetWindowRect(second, &r2);
    EXPECT_EQ(r1.top, r2.top) << "two columns, one row";
    EXPECT_LT(r1.left, r2.left);
    Click(first);
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_EQ(SendMessageA(second, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(clicks, 2);
    Click(first);
    EXPECT_EQ(clicks, 2) << "an item already checked stays checked without a click";
    // A click on the caption's check box disables the items, and a second one enables them again.
    const Rect caption = group.MapRect(Data().SkinControlAs<TDataSkinPanelControl>("groupbox")->captionRect);
    POINT onCaption{caption.left + 6, (caption.top + caption.bottom) / 2};
    ClientToScreen(group.Handle(), &onCaption);
    Click(onCaption);
    EXPECT_FALSE(group.Checked());
    EXPECT_FALSE(IsWindowEnabled(first));
    EXPECT_FALSE(IsWindowEnabled(second));
    EXPECT_EQ(SendMessageA(group.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Click(onCaption);
    EXPECT_TRUE(group.Checked());
    EXPECT_TRUE(IsWindowEnabled(first));
    EXPECT_TRUE(IsWindowEnabled(second));
    EXPECT_EQ(clicks, 2) << "the caption is no item";
}

TEST_F(CheckTest, CheckGroupAnswersByIndexAndArrangesNothingWithoutItems) {
    TSkinCheckGroup group({.group = {.parent = window_,
                                     .id = 123,
                                     .x = 20,
                                     .y = 100,
                                     .width = 130,
                                     .height = 65,
                                     .caption = "Style",
                                     .skinData = &Data()},
                           .items = {"b", "i", "u", "s"},
                           .columns = 2});
    int clicks = 0;
    group.onClick = [&] { ++clicks; };
    EXPECT_FALSE(group.Checked(4));
    group.SetChecked(4, true);
    EXPECT_EQ(clicks, 0);
    Click(GetDlgItem(group.Handle(), 1232));
    EXPECT_TRUE(group.Checked(2));
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    RECT r;
    GetWindowRect(GetDlgItem(group.Handle(), 1232), &r);
    MapWindowPoints(nullptr, group.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 64);  // the arrangement of the designed size
    EXPECT_EQ(r.top, 23);
    group.SetItems({});
    EXPECT_EQ(group.Count(), 0);
    SetWindowPos(group.Handle(), nullptr, 0, 0, 90, 40, SWP_NOMOVE | SWP_NOZORDER);  // arranges nothing
}

}  // namespace
}  // namespace huecast::skin
