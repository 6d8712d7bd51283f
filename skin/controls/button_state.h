// The push button's behaviour apart from any window: which of its looks shows, what a mouse press, a
// release, a key or the pointer entering and leaving does to it, and when it clicks. The Win32 button feeds
// it the events and carries out the effects it returns (clicks, the repeat timer, a repaint, releasing its
// grouped siblings, the morph).
//
//     ButtonState state({.groupIndex = 1});
//     ButtonEffects e = state.MouseDown();
//     if (e.releaseSiblings) for (sibling ...) if (sibling.ReleasedBy(state)) sibling.SetDown(false);
//     for (int i = 0; i < e.clicks; ++i) ButtonClick();
#pragma once

namespace huecast::skin {

// The picture a skinned button shows, in the order the choice tries them.
enum class ButtonLook {
    Morph,     // the normal and the active picture blended by the morph factor k
    Disabled,  // the disabled rect
    Down,      // the down rect, drawn as active and down
    Active,    // the active rect
    Normal     // the skin rect
};

// The built-in look of a button without a skin element.
enum class PlainButtonLook { Pressed, Lit, Normal };

// What the look depends on; `focused` means focused with CanFocused.
struct ButtonLookInputs {
    bool morphing = false;
    double k = 0;  // morph factor, 0 normal .. 1 active
    bool enabled = true;
    bool disabledRectEmpty = true;
    bool down = false;
    int groupIndex = 0;
    bool hot = false;
    bool focused = false;
    bool mousePressed = false;
};

ButtonLook ChooseButtonLook(const ButtonLookInputs& in);
PlainButtonLook ChoosePlainButtonLook(const ButtonLookInputs& in);

// The image of a glyph strip of `numGlyphs` images (1 normal, 2 disabled, 3 down, 4 hot) that a button
// draws; numbered from 1.
int ButtonGlyphIndex(int numGlyphs, bool enabled, bool active, bool down);

// The text colour of a skinned button's state, from the element's four colours.
struct ButtonFontColors {
    unsigned normal = 0, active = 0, down = 0, disabled = 0;
};
unsigned ButtonTextColor(const ButtonFontColors& colors, bool enabled, bool active, bool down);

enum class RepeatTimer { Keep, Start, Stop };

// What the window must do after an event. Clicks run ButtonClick in order.
struct ButtonEffects {
    int clicks = 0;
    RepeatTimer repeat = RepeatTimer::Keep;
    bool repaint = false;
    // `Down` changed: the morph factor jumps to 1; the morph timer stops when the button went down and
    // starts when it came up.
    bool downChanged = false;
    // The pointer entered a down button: show the active side at once (k := 1), without morphing.
    bool morphDirect = false;
    // Hot or focused changed: a morphing button starts its morph timer.
    bool litChanged = false;
    // The button went down in a group that allows no button up: release every sibling ReleasedBy it.
    bool releaseSiblings = false;

    ButtonEffects& operator|=(const ButtonEffects& o);
};

class ButtonState {
  public:
    struct Options {
        bool repeatMode = false;
        bool allowAllUp = false;
        bool canFocused = true;
        int groupIndex = 0;      // non-zero also makes the button unfocusable
        bool isDefault = false;  // Enter on the form clicks it
        bool isCancel = false;   // Escape on the form clicks it
    };

    ButtonState() : ButtonState(Options{}) {}
    explicit ButtonState(const Options& options);

    bool Down() const { return down_; }
    // The pointer is over it, or it stands in as the form's default button while the focus is elsewhere.
    bool Hot() const { return pointerOver_ || DefaultLit(); }
    bool MousePressed() const { return mousePressed_; }
    bool ActingDefault() const { return actingDefault_; }
    bool Enabled() const { return enabled_; }
    // Has the focus and may take it.
    bool Focused() const { return hasFocus_ && canFocused_; }
    // What the morph runs toward: the active look while hot or focused.
    bool Lit() const { return Hot() || Focused(); }
    int GroupIndex() const { return groupIndex_; }
    bool AllowAllUp() const { return allowAllUp_; }
    bool CanFocused() const { return canFocused_; }
    bool RepeatMode() const { return repeatMode_; }
    bool IsDefault() const { return isDefault_; }
    bool IsCancel() const { return isCancel_; }

    ButtonEffects SetDown(bool down);
    void SetGroupIndex(int groupIndex);
    void SetAllowAllUp(bool allowAllUp) { allowAllUp_ = allowAllUp; }
    void SetCanFocused(bool canFocused) { canFocused_ = canFocused; }
    void SetRepeatMode(bool repeatMode) { repeatMode_ = repeatMode; }
    void SetDefault(bool isDefault);
    void SetCancel(bool isCancel) { isCancel_ = isCancel; }
    ButtonEffects SetEnabled(bool enabled);

    // True when this sibling must come up because `pressed` went down in its group.
    bool ReleasedBy(const ButtonState& pressed) const {
        return &pressed != this && down_ && groupIndex_ != 0 && groupIndex_ == pressed.groupIndex_;
    }

    // Left button only.
    ButtonEffects MouseDown();
    ButtonEffects MouseUp();
    ButtonEffects MouseEnter();
    ButtonEffects MouseLeave();
    ButtonEffects RepeatTick();  // one click per tick of the repeat timer

    enum class Key { Space, Enter };
    ButtonEffects KeyDown(Key key);
    ButtonEffects KeyUp(Key key);

    // Focus arrives at (true) or leaves (false) this button.
    ButtonEffects FocusChanged(bool hasFocus);
    // The form's focus moved to another control: `toButton` says whether that control is a skinned button.
    ButtonEffects FocusMovedElsewhere(bool toButton);

    // The form's pass of a key that the focused control left to it: Enter clicks the acting-default button,
    // Escape a focusable Cancel button while no Shift, Ctrl or Alt is held. `canTakeFocus`: the window is
    // visible and enabled.
    enum class DialogKey { Enter, Escape };
    bool ClicksOnDialogKey(DialogKey key, bool canTakeFocus, bool modifierHeld) const;

    ButtonLookInputs LookInputs(bool morphing, double k, bool disabledRectEmpty) const;

  private:
    bool DefaultLit() const { return canFocused_ && isDefault_ && actingDefault_ && !hasFocus_; }
    bool RefreshOnHover() const;
    // Runs `change` and reports a repaint and a morph start when it changed Lit().
    template <class Change>
    ButtonEffects Relight(Change change);

    bool repeatMode_;
    bool allowAllUp_;
    bool canFocused_;
    int groupIndex_ = 0;
    bool isDefault_;
    bool isCancel_;

    bool down_ = false;
    bool pointerOver_ = false;
    bool hasFocus_ = false;
    bool enabled_ = true;
    bool mousePressed_ = false;
    bool wasDown_ = false;
    bool actingDefault_;
    bool spacePressed_ = false;
};

}  // namespace huecast::skin
