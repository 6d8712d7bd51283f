// TSkinButton: the skinned push button. Its behaviour is skin::ButtonState's (portable, tested natively);
// this class turns window messages into its events and carries out what they ask: clicks, the repeat and
// morph timers, releasing grouped siblings, repainting.
//
// It answers the push button's standard messages (BM_CLICK, BM_GETSTATE, BM_SETSTATE, WM_GETTEXT) and
// tells its parent BN_CLICKED on every click, so a program that drives system buttons drives it too. The
// dialog manager finds it as a push button (DLGC_BUTTON | DLGC_(UN)DEFPUSHBUTTON). A Default or Cancel
// button (Options::isDefault, isCancel) clicks when its form is offered Enter or Escape (gui::Window's
// DialogKey), that is, while the focus is on a control that leaves the key to the dialog manager.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "skin/controls/button_state.h"
#include "skin/picture/glyph_layout.h"
#include "skin/picture/glyph_strip.h"
#include "skin/controls/morph_looks.h"
#include "skin/controls/win32/control.h"

namespace huecast::skin {

class TSkinButton : public TSkinCustomControl {
  public:
    struct Args {
        HWND parent = nullptr;
        int id = 0;
        int x = 0, y = 0, width = 75, height = 25;
        std::string caption{};
        TSkinData* skinData = nullptr;
        std::string skinDataName = "button";
        ButtonState::Options options{};
        int repeatInterval = 100;  // ms
        bool useSkinFont = true;
        int modalResult = 0;
        // The glyph: a strip of numGlyphs images (1 normal, 2 disabled, 3 down, 4 hot) placed with the
        // caption by `layout`; margin -1 centres glyph and caption together.
        Bitmap glyph{};
        int numGlyphs = 1;
        ButtonLayout layout = ButtonLayout::GlyphLeft;
        int margin = -1;
        int spacing = 1;  // between glyph and caption
    };
    explicit TSkinButton(const Args& args);
    ~TSkinButton() override;

    bool Down() const { return state_.Down(); }
    void SetDown(bool down);
    void SetDefault(bool isDefault);
    void SetCancel(bool isCancel) { state_.SetCancel(isCancel); }
    const GlyphStrip& Glyph() const { return glyph_; }
    void SetGlyph(const Bitmap& strip, int numGlyphs);
    void SetLayout(ButtonLayout layout);
    void SetMargin(int margin);
    void SetSpacing(int spacing);
    const ButtonState& State() const { return state_; }

    // As if the user clicked: the parent hears BN_CLICKED, then OnClick runs.
    void ButtonClick();
    int ModalResult() const { return modalResult_; }
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Enter clicks the acting-default button, Escape a Cancel one (see ButtonState::ClicksOnDialogKey).
    bool DialogKey(UINT key) override;

    std::function<void()> onClick;

    void SkinChanged() override;
    void ReadSkinElement() override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CaptureLost() override;
    void FocusChanged(bool focused) override;
    void TimerTick(UINT_PTR id) override;
    bool MorphTarget() const override;
    AccessibleInfo Accessible() const override;
    void DoDefaultAction() override;
    void DrawSkinLook(LookCanvas& look) override;
    void DrawPlainLook(LookCanvas& look) override;

  private:
    void Apply(const ButtonEffects& effects);
    void SetPointerOver(bool over);
    void DecorateLooks(const TDataSkinButtonControl& d);
    // The form's focus moved to `to`: every other button of the form is told.
    void TellButtonsOfFocus(HWND to);
    void DrawButtonPicture(LookCanvas& look, const TDataSkinButtonControl& d, Rect source, bool active,
                           bool down);
    // Glyph image `glyphIndex` and the caption, placed together in `area`.
    void DrawGlyphAndCaption(LookCanvas& look, const Rect& area, const SkinFont* font, COLORREF color,
                             bool pressed, int glyphIndex);
    // Something the looks show changed: the kept morph looks go and the button repaints.
    void LooksChanged();

    ButtonState state_;
    MorphLooks looks_;  // both looks with their caption, for the morph
    int repeatInterval_;
    int modalResult_;
    GlyphStrip glyph_;
    ButtonLayout layout_;
    int margin_;
    int spacing_;
    bool pointerOver_ = false;
    bool notifying_ = false;  // our own BN_CLICKED is on its way to the parent
};

// The skinned buttons that are children of `parent`.
std::vector<TSkinButton*> SkinButtonsOf(HWND parent);

}  // namespace huecast::skin
