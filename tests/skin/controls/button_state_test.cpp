#include "skin/controls/button_state.h"

#include "skin/controls/caption_accelerator.h"

#include <gtest/gtest.h>

#include <vector>

namespace huecast::skin {
namespace {

using L = ButtonLook;

// ---- The look choice ----

TEST(ButtonLookTest, TableOfTheSixSteps) {
    struct Row {
        const char* what;
        ButtonLookInputs in;
        ButtonLook look;
    };
    const Row rows[] = {
        {"mid-morph blends", {.morphing = true, .k = 0.3}, L::Morph},
        {"mid-morph blends over a down look",
         {.morphing = true, .k = 0.5, .down = true, .hot = true},
         L::Morph},
        {"a disabled button never morphs",
         {.morphing = true, .k = 0.5, .enabled = false, .disabledRectEmpty = false},
         L::Disabled},
        {"disabled without a disabled rect falls through", {.enabled = false}, L::Normal},
        {"disabled and down without a disabled rect", {.enabled = false, .down = true, .hot = true}, L::Down},
        {"down and hot", {.down = true, .hot = true}, L::Down},
        {"down by a key while focused", {.down = true, .focused = true}, L::Down},
        {"down by a press dragged out, focused",
         {.down = true, .focused = true, .mousePressed = true},
         L::Active},
        {"down by a press dragged out, not focused", {.down = true, .mousePressed = true}, L::Normal},
        {"a grouped down button is always down", {.down = true, .groupIndex = 2}, L::Down},
        {"focused", {.focused = true}, L::Active},
        {"hot", {.hot = true}, L::Active},
        {"a finished morph rests active", {.morphing = true, .k = 1}, L::Active},
        {"k = 1 without morphing is no look", {.k = 1}, L::Normal},
        {"a finished morph back rests normal", {.morphing = true, .k = 0}, L::Normal},
        {"nothing", {}, L::Normal},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ChooseButtonLook(row.in), row.look) << row.what;
}

// Every combination of the inputs, checked against what each step promises.
TEST(ButtonLookTest, EveryCombinationKeepsTheOrderOfTheSteps) {
    for (int bits = 0; bits < 256; ++bits)
        for (double k : {0.0, 0.5, 1.0}) {
            const auto bit = [bits](int i) { return (bits >> i & 1) != 0; };
            const ButtonLookInputs in{.morphing = bit(0),
                                      .k = k,
                                      .enabled = bit(1),
                                      .disabledRectEmpty = bit(2),
                                      .down = bit(3),
                                      .groupIndex = bit(4) ? 1 : 0,
                                      .hot = bit(5),
                                      .focused = bit(6),
                                      .mousePressed = bit(7)};
            const ButtonLook look = ChooseButtonLook(in);
            const bool morphing = in.morphing && k == 0.5 && in.enabled;
            const bool disabled = !morphing && !in.enabled && !in.disabledRectEmpty;
            const bool down = in.down && (in.groupIndex != 0 || in.hot || (in.focused && !in.mousePressed));
            SCOPED_TRACE(testing::Message() << "bits " << bits << " k " << k);
            EXPECT_EQ(look == L::Morph, morphing);
            EXPECT_EQ(look == L::Disabled, disabled);
            EXPECT_EQ(look == L::Down, !morphing && !disabled && down);
            if (!morphing && !disabled && !down) {
                EXPECT_EQ(look == L::Active, in.focused || in.hot || (in.morphing && k == 1.0));
            }
        }
}

TEST(ButtonLookTest, PlainLookFollowsTheSameDownRule) {
    EXPECT_EQ(ChoosePlainButtonLook({.down = true, .hot = true}), PlainButtonLook::Pressed);
    EXPECT_EQ(ChoosePlainButtonLook({.down = true, .groupIndex = 1}), PlainButtonLook::Pressed);
    EXPECT_EQ(ChoosePlainButtonLook({.down = true, .focused = true, .mousePressed = true}),
              PlainButtonLook::Lit);
    EXPECT_EQ(ChoosePlainButtonLook({.hot = true}), PlainButtonLook::Lit);
    EXPECT_EQ(ChoosePlainButtonLook({.morphing = true, .k = 1}), PlainButtonLook::Normal);
}

TEST(ButtonLookTest, GlyphImageOfEachStripLength) {
    // numGlyphs, enabled, active, down -> image
    EXPECT_EQ(ButtonGlyphIndex(2, false, false, false), 2);  // disabled shows the second image
    EXPECT_EQ(ButtonGlyphIndex(1, false, false, false), 1);  // ... unless there is none
    EXPECT_EQ(ButtonGlyphIndex(3, true, true, true), 3);
    EXPECT_EQ(ButtonGlyphIndex(2, true, true, true), 1);
    EXPECT_EQ(ButtonGlyphIndex(4, true, true, false), 4);
    EXPECT_EQ(ButtonGlyphIndex(3, true, true, false), 1);
    EXPECT_EQ(ButtonGlyphIndex(4, true, true, true), 3);  // down wins over hot
    EXPECT_EQ(ButtonGlyphIndex(4, false, true, false), 4);
    EXPECT_EQ(ButtonGlyphIndex(4, false, false, false), 2);
}

TEST(ButtonLookTest, TextColourOfEachState) {
    const ButtonFontColors c{.normal = 1, .active = 2, .down = 3, .disabled = 4};
    EXPECT_EQ(ButtonTextColor(c, true, false, false), 1u);
    EXPECT_EQ(ButtonTextColor(c, true, true, false), 2u);
    EXPECT_EQ(ButtonTextColor(c, true, true, true), 3u);
    EXPECT_EQ(ButtonTextColor(c, true, false, true), 1u);
    EXPECT_EQ(ButtonTextColor(c, false, true, true), 4u);
}

// ---- Input ----

TEST(ButtonInputTest, ClickIsPressAndReleaseOverTheButton) {
    ButtonState b;
    b.MouseEnter();
    ButtonEffects e = b.MouseDown();
    EXPECT_TRUE(b.Down());
    EXPECT_TRUE(e.downChanged);
    EXPECT_EQ(e.clicks, 0);
    e = b.MouseUp();
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(e.clicks, 1);
    EXPECT_FALSE(b.MousePressed());
}

TEST(ButtonInputTest, ReleaseOutsideGivesNoClick) {
    ButtonState b;
    b.MouseEnter();
    b.MouseDown();
    b.MouseLeave();
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(ChooseButtonLook(b.LookInputs(false, 0, true)), L::Normal);  // shown up while outside
    const ButtonEffects e = b.MouseUp();
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(e.clicks, 0);
}

TEST(ButtonInputTest, ReleaseThatEndsNoPressOfOursGivesNoClick) {
    ButtonState b;
    b.MouseEnter();
    EXPECT_EQ(b.MouseUp().clicks, 0);
}

TEST(ButtonInputTest, EnteringADownButtonShowsItDownAtOnce) {
    ButtonState b;
    b.MouseEnter();
    b.MouseDown();
    b.MouseLeave();
    const ButtonEffects e = b.MouseEnter();
    EXPECT_TRUE(e.morphDirect);
    EXPECT_TRUE(e.repaint);
    EXPECT_EQ(ChooseButtonLook(b.LookInputs(true, 1, true)), L::Down);
}

TEST(ButtonInputTest, HoverOfAFocusedButtonDoesNotRepaint) {
    ButtonState b;
    b.FocusChanged(true);
    EXPECT_FALSE(b.MouseEnter().repaint);  // it already shows active
    EXPECT_FALSE(b.MouseLeave().repaint);
    ButtonState plain;
    EXPECT_TRUE(plain.MouseEnter().litChanged);
    EXPECT_TRUE(plain.MouseLeave().litChanged);
}

TEST(ButtonInputTest, SpaceClicksOnReleaseAndEnterAtOnce) {
    ButtonState b;
    b.FocusChanged(true);
    ButtonEffects e = b.KeyDown(ButtonState::Key::Space);
    EXPECT_TRUE(b.Down());
    EXPECT_EQ(e.clicks, 0);
    EXPECT_EQ(b.KeyDown(ButtonState::Key::Space).clicks, 0);  // key repeat
    e = b.KeyUp(ButtonState::Key::Space);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(e.clicks, 1);
    EXPECT_EQ(b.KeyUp(ButtonState::Key::Space).clicks, 0);  // no second release
    EXPECT_EQ(b.KeyDown(ButtonState::Key::Enter).clicks, 1);
    EXPECT_EQ(b.KeyUp(ButtonState::Key::Enter).clicks, 0);
}

TEST(ButtonInputTest, KeysNeedAFocusableEnabledButton) {
    ButtonState grouped({.groupIndex = 1});
    EXPECT_FALSE(grouped.CanFocused());
    EXPECT_EQ(grouped.KeyDown(ButtonState::Key::Enter).clicks, 0);
    ButtonState b;
    b.SetEnabled(false);
    EXPECT_EQ(b.KeyDown(ButtonState::Key::Enter).clicks, 0);
}

TEST(ButtonInputTest, SpaceWhoseReleaseGoesElsewhereLetsTheButtonUpWithoutAClick) {
    ButtonState b;
    b.FocusChanged(true);
    b.KeyDown(ButtonState::Key::Space);
    const ButtonEffects e = b.FocusChanged(false);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ(e.clicks, 0);
    EXPECT_EQ(b.KeyUp(ButtonState::Key::Space).clicks, 0);
}

TEST(ButtonInputTest, RepeatModeClicksPerTickWhileHeldOverTheButton) {
    ButtonState b({.repeatMode = true});
    b.MouseEnter();
    ButtonEffects e = b.MouseDown();
    EXPECT_EQ(e.repeat, RepeatTimer::Start);
    EXPECT_EQ(e.clicks, 0);  // the first click comes after one period
    EXPECT_EQ(b.RepeatTick().clicks, 1);
    EXPECT_EQ(b.MouseLeave().repeat, RepeatTimer::Stop);
    EXPECT_EQ(b.MouseEnter().repeat, RepeatTimer::Start);
    e = b.MouseUp();
    EXPECT_EQ(e.repeat, RepeatTimer::Stop);
    EXPECT_EQ(e.clicks, 1);
    e = b.RepeatTick();  // a tick already queued when the button came up
    EXPECT_EQ(e.clicks, 0);
    EXPECT_EQ(e.repeat, RepeatTimer::Stop);
}

TEST(ButtonInputTest, RepeatModeSpaceClicksOnEveryKeyDown) {
    ButtonState b({.repeatMode = true});
    b.FocusChanged(true);
    EXPECT_EQ(b.KeyDown(ButtonState::Key::Space).clicks, 1);
    EXPECT_EQ(b.KeyDown(ButtonState::Key::Space).clicks, 1);
    EXPECT_EQ(b.KeyUp(ButtonState::Key::Space).clicks, 1);
}

TEST(ButtonInputTest, DisablingClearsHotAndStopsTheRepeat) {
    ButtonState b({.repeatMode = true});
    b.MouseEnter();
    b.MouseDown();
    const ButtonEffects e = b.SetEnabled(false);
    EXPECT_FALSE(b.Hot());
    EXPECT_EQ(e.repeat, RepeatTimer::Stop);
    EXPECT_EQ(b.MouseUp().clicks, 0);
}

// ---- Grouped buttons ----

// Siblings under one parent, released as the window layer does.
struct Siblings {
    std::vector<ButtonState> buttons;
    int clicks = 0;
    void Apply(std::size_t who, const ButtonEffects& e) {
        clicks += e.clicks;
        if (e.releaseSiblings)
            for (ButtonState& s : buttons)
                if (s.ReleasedBy(buttons[who])) s.SetDown(false);
    }
    void Click(std::size_t who) {
        Apply(who, buttons[who].MouseEnter());
        Apply(who, buttons[who].MouseDown());
        Apply(who, buttons[who].MouseUp());
        Apply(who, buttons[who].MouseLeave());
    }
};

TEST(GroupedButtonTest, PressingOneReleasesItsSibling) {
    Siblings g{{ButtonState({.groupIndex = 1}), ButtonState({.groupIndex = 1}),
                ButtonState({.groupIndex = 2}), ButtonState()}};
    g.Click(2);
    g.Click(0);
    EXPECT_EQ(g.clicks, 2);  // a grouped button clicks as it goes down
    EXPECT_TRUE(g.buttons[0].Down());
    g.Click(1);
    EXPECT_EQ(g.clicks, 3);
    EXPECT_FALSE(g.buttons[0].Down());
    EXPECT_TRUE(g.buttons[1].Down());
    EXPECT_TRUE(g.buttons[2].Down()) << "another group is left alone";
}

TEST(GroupedButtonTest, PressingADownButtonAgainLeavesItDownWithoutAClick) {
    Siblings g{{ButtonState({.groupIndex = 1}), ButtonState({.groupIndex = 1})}};
    g.Click(0);
    g.Click(0);
    EXPECT_TRUE(g.buttons[0].Down());
    EXPECT_EQ(g.clicks, 1);
}

TEST(GroupedButtonTest, AllowAllUpReleasesOnASecondClickAndLeavesSiblings) {
    Siblings g{{ButtonState({.allowAllUp = true, .groupIndex = 1}),
                ButtonState({.allowAllUp = true, .groupIndex = 1})}};
    g.Click(0);
    g.Click(1);
    EXPECT_TRUE(g.buttons[0].Down());
    EXPECT_TRUE(g.buttons[1].Down());
    g.Click(1);
    EXPECT_FALSE(g.buttons[1].Down());
    EXPECT_EQ(g.clicks, 3);
}

TEST(GroupedButtonTest, AllowAllUpReleaseNeedsThePointerOverIt) {
    ButtonState b({.allowAllUp = true, .groupIndex = 1});
    b.MouseEnter();
    b.MouseDown();
    b.MouseUp();
    b.MouseDown();
    b.MouseLeave();
    EXPECT_EQ(b.MouseUp().clicks, 0);
    EXPECT_TRUE(b.Down());
}

// ---- Default button ----

TEST(DefaultButtonTest, StandsInAsHotWhileTheFocusIsOnAnotherKindOfControl) {
    ButtonState b({.isDefault = true});
    EXPECT_TRUE(b.Hot());
    EXPECT_TRUE(b.ActingDefault());
    b.MouseEnter();
    b.MouseLeave();
    EXPECT_TRUE(b.Hot()) << "leaving does not put out a default stand-in";
    ButtonEffects e = b.FocusMovedElsewhere(true);
    EXPECT_FALSE(b.ActingDefault());
    EXPECT_FALSE(b.Hot());
    EXPECT_TRUE(e.litChanged);
    b.FocusMovedElsewhere(false);
    EXPECT_TRUE(b.ActingDefault());
    EXPECT_TRUE(b.Hot());
    // A default stand-in released away from the pointer is no click, though it still shows hot.
    b.MouseDown();
    b.MouseLeave();
    EXPECT_TRUE(b.Hot());
    EXPECT_EQ(b.MouseUp().clicks, 0);
}

TEST(DefaultButtonTest, AnyFocusedButtonActsAsDefault) {
    ButtonState b;
    EXPECT_FALSE(b.ActingDefault());
    b.FocusChanged(true);
    EXPECT_TRUE(b.ActingDefault());
    EXPECT_FALSE(b.Hot());
    EXPECT_EQ(ChooseButtonLook(b.LookInputs(false, 0, true)), L::Active);
}

TEST(DefaultButtonTest, FormKeysClickTheActingDefaultAndAFocusableCancelButton) {
    using K = ButtonState::DialogKey;
    ButtonState ok({.isDefault = true});
    ButtonState cancel({.isCancel = true});
    ButtonState plain;
    EXPECT_TRUE(ok.ClicksOnDialogKey(K::Enter, true, false));
    EXPECT_TRUE(ok.ClicksOnDialogKey(K::Enter, true, true)) << "only Escape asks for no modifier";
    EXPECT_FALSE(ok.ClicksOnDialogKey(K::Escape, true, false));
    EXPECT_FALSE(ok.ClicksOnDialogKey(K::Enter, false, false)) << "hidden or disabled";
    EXPECT_TRUE(cancel.ClicksOnDialogKey(K::Escape, true, false));
    EXPECT_FALSE(cancel.ClicksOnDialogKey(K::Escape, true, true)) << "Shift, Ctrl or Alt held";
    EXPECT_FALSE(cancel.ClicksOnDialogKey(K::Escape, false, false));
    EXPECT_FALSE(cancel.ClicksOnDialogKey(K::Enter, true, false));
    EXPECT_FALSE(plain.ClicksOnDialogKey(K::Enter, true, false));
    EXPECT_FALSE(plain.ClicksOnDialogKey(K::Escape, true, false));

    // Focus on another button takes the default role away; focus back on a non-button returns it.
    ok.FocusMovedElsewhere(true);
    EXPECT_FALSE(ok.ClicksOnDialogKey(K::Enter, true, false));
    ok.FocusMovedElsewhere(false);
    EXPECT_TRUE(ok.ClicksOnDialogKey(K::Enter, true, false));
    ok.SetEnabled(false);
    EXPECT_FALSE(ok.ClicksOnDialogKey(K::Enter, true, false));

    // A Cancel button that may not take the focus (a grouped one) is passed over.
    ButtonState grouped({.groupIndex = 1, .isCancel = true});
    EXPECT_FALSE(grouped.ClicksOnDialogKey(K::Escape, true, false));
}

TEST(CaptionAcceleratorTest, LetterAfterASingleAmpersand) {
    EXPECT_EQ(CaptionAccelerator("\xB8\xB4\xD6\xC6(&C)"), 'C');  // 复制(&C)
    EXPECT_EQ(CaptionAccelerator("&send"), 'S');
    EXPECT_EQ(CaptionAccelerator("a && b"), 0);
    EXPECT_EQ(CaptionAccelerator("a &&&b"), 'B');
    EXPECT_EQ(CaptionAccelerator("end&"), 0);
    EXPECT_EQ(CaptionAccelerator(""), 0);
    // A double-byte character whose trail byte is "&" (0x26) hides no accelerator.
    EXPECT_EQ(CaptionAccelerator("\x81&x"), 0);
}

}  // namespace
}  // namespace huecast::skin
