#include "skin/controls/button_state.h"

namespace huecast::skin {

namespace {

// A down button shows its down picture when it belongs to a group, or when the press is one the user
// still holds over it (a mouse press with the pointer on it, or a key press).
bool ShowsDown(const ButtonLookInputs& in) {
    return in.down && (in.groupIndex != 0 || in.hot || (in.focused && !in.mousePressed));
}

}  // namespace

ButtonLook ChooseButtonLook(const ButtonLookInputs& in) {
    if (in.morphing && in.k > 0 && in.k < 1 && in.enabled) return ButtonLook::Morph;
    if (!in.enabled && !in.disabledRectEmpty) return ButtonLook::Disabled;
    if (ShowsDown(in)) return ButtonLook::Down;
    if (in.focused || in.hot) return ButtonLook::Active;
    if (in.morphing && in.k >= 1) return ButtonLook::Active;
    return ButtonLook::Normal;
}

PlainButtonLook ChoosePlainButtonLook(const ButtonLookInputs& in) {
    if (ShowsDown(in)) return PlainButtonLook::Pressed;
    if (in.hot || in.focused) return PlainButtonLook::Lit;
    return PlainButtonLook::Normal;
}

int ButtonGlyphIndex(int numGlyphs, bool enabled, bool active, bool down) {
    if (down && active && numGlyphs > 2) return 3;
    if (active && numGlyphs > 3) return 4;
    if (enabled || numGlyphs < 2) return 1;
    return 2;
}

unsigned ButtonTextColor(const ButtonFontColors& colors, bool enabled, bool active, bool down) {
    if (!enabled) return colors.disabled;
    if (active && down) return colors.down;
    if (active) return colors.active;
    return colors.normal;
}

ButtonEffects& ButtonEffects::operator|=(const ButtonEffects& o) {
    clicks += o.clicks;
    if (o.repeat != RepeatTimer::Keep) repeat = o.repeat;
    repaint |= o.repaint;
    downChanged |= o.downChanged;
    morphDirect |= o.morphDirect;
    litChanged |= o.litChanged;
    releaseSiblings |= o.releaseSiblings;
    return *this;
}

ButtonState::ButtonState(const Options& options)
    : repeatMode_(options.repeatMode),
      allowAllUp_(options.allowAllUp),
      canFocused_(options.canFocused),
      isDefault_(options.isDefault),
      isCancel_(options.isCancel),
      actingDefault_(options.isDefault) {
    SetGroupIndex(options.groupIndex);
}

template <class Change>
ButtonEffects ButtonState::Relight(Change change) {
    const bool before = Lit();
    change();
    ButtonEffects e;
    if (Lit() != before) e.repaint = e.litChanged = true;
    return e;
}

ButtonEffects ButtonState::SetDown(bool down) {
    ButtonEffects e;
    if (down == down_) return e;
    down_ = down;
    e.repaint = e.downChanged = true;
    e.releaseSiblings = down && groupIndex_ != 0 && !allowAllUp_;
    return e;
}

void ButtonState::SetGroupIndex(int groupIndex) {
    groupIndex_ = groupIndex;
    // A sticky button of a group is set by the pointer only; it never takes the focus.
    if (groupIndex != 0) canFocused_ = false;
}

void ButtonState::SetDefault(bool isDefault) {
    isDefault_ = isDefault;
    actingDefault_ = isDefault;
}

ButtonEffects ButtonState::SetEnabled(bool enabled) {
    ButtonEffects e;
    if (enabled == enabled_) return e;
    enabled_ = enabled;
    e.repaint = true;
    if (!enabled) {
        pointerOver_ = false;
        mousePressed_ = false;
        spacePressed_ = false;
        e.repeat = RepeatTimer::Stop;
        e.litChanged = true;
    }
    return e;
}

bool ButtonState::RefreshOnHover() const {
    return groupIndex_ != 0 ? !down_ : (!Focused() || down_);
}

ButtonEffects ButtonState::MouseDown() {
    ButtonEffects e;
    mousePressed_ = true;
    if (!down_) {
        e |= Relight([this] { pointerOver_ = true; });
        e |= SetDown(true);
        if (repeatMode_ && groupIndex_ == 0)
            e.repeat = RepeatTimer::Start;  // the first click comes after one period
        else if (groupIndex_ != 0)
            e.clicks = 1;
        wasDown_ = false;
    } else if (groupIndex_ != 0) {
        wasDown_ = true;
    }
    return e;
}

ButtonEffects ButtonState::MouseUp() {
    ButtonEffects e;
    // A release that ends no press of ours (the press began over another window) is not a click.
    if (!mousePressed_) return e;
    mousePressed_ = false;
    if (groupIndex_ == 0) {
        const bool over = pointerOver_;
        e |= SetDown(false);
        e.repeat = RepeatTimer::Stop;
        if (over) e.clicks = 1;
    } else if (down_ && allowAllUp_ && wasDown_ && pointerOver_) {
        e |= SetDown(false);
        e.clicks = 1;
    }
    return e;
}

ButtonEffects ButtonState::MouseEnter() {
    ButtonEffects e;
    const bool litBefore = Lit();
    pointerOver_ = true;
    if (RefreshOnHover()) {
        e.repaint = true;
        if (down_)
            e.morphDirect = true;
        else
            e.litChanged = Lit() != litBefore;
    }
    if (down_ && repeatMode_ && groupIndex_ == 0 && mousePressed_) e.repeat = RepeatTimer::Start;
    return e;
}

ButtonEffects ButtonState::MouseLeave() {
    ButtonEffects e;
    const bool litBefore = Lit();
    pointerOver_ = false;  // Hot() stays true for a default button standing in while the focus is elsewhere
    if (RefreshOnHover()) {
        e.repaint = true;
        e.litChanged = Lit() != litBefore;
    }
    if (down_ && repeatMode_ && groupIndex_ == 0) e.repeat = RepeatTimer::Stop;
    return e;
}

ButtonEffects ButtonState::RepeatTick() {
    ButtonEffects e;
    if (down_ && groupIndex_ == 0 && pointerOver_ && mousePressed_)
        e.clicks = 1;
    else
        e.repeat = RepeatTimer::Stop;  // a tick that outlived its press
    return e;
}

ButtonEffects ButtonState::KeyDown(Key key) {
    ButtonEffects e;
    if (!canFocused_ || !enabled_) return e;
    if (key == Key::Enter) {
        e.clicks = 1;
    } else {
        spacePressed_ = true;
        e |= SetDown(true);
        if (repeatMode_) e.clicks = 1;  // every key repeat clicks again
    }
    return e;
}

ButtonEffects ButtonState::KeyUp(Key key) {
    ButtonEffects e;
    // Only the release of a Space pressed on this button clicks it.
    if (key != Key::Space || !spacePressed_) return e;
    spacePressed_ = false;
    e |= SetDown(false);
    e.clicks = 1;
    return e;
}

ButtonEffects ButtonState::FocusChanged(bool hasFocus) {
    ButtonEffects e = Relight([&] {
        hasFocus_ = hasFocus;
        if (hasFocus) actingDefault_ = true;
    });
    // A Space press whose release goes to another control never clicks; the button comes up.
    if (!hasFocus && spacePressed_) {
        spacePressed_ = false;
        if (groupIndex_ == 0 && !mousePressed_) e |= SetDown(false);
    }
    return e;
}

ButtonEffects ButtonState::FocusMovedElsewhere(bool toButton) {
    return Relight([&] { actingDefault_ = toButton ? false : isDefault_; });
}

bool ButtonState::ClicksOnDialogKey(DialogKey key, bool canTakeFocus, bool modifierHeld) const {
    if (!enabled_ || !canTakeFocus) return false;
    if (key == DialogKey::Enter) return actingDefault_;
    return isCancel_ && canFocused_ && !modifierHeld;
}

ButtonLookInputs ButtonState::LookInputs(bool morphing, double k, bool disabledRectEmpty) const {
    return {.morphing = morphing,
            .k = k,
            .enabled = enabled_,
            .disabledRectEmpty = disabledRectEmpty,
            .down = down_,
            .groupIndex = groupIndex_,
            .hot = Hot(),
            .focused = Focused(),
            .mousePressed = mousePressed_};
}

}  // namespace huecast::skin
