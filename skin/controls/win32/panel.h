// TSkinPanel and TSkinGroupBox: skinned containers with an optional caption, a check box in the caption
// (checked mode: the children follow it) and a roll-up arrow that folds the panel to its caption. Areas
// and caption layout are skin/controls/panel_layout.h's.
//
// In checked mode the panel answers BM_CLICK, BM_GETCHECK and BM_SETCHECK for its caption's check box,
// as a check box would, and tells its parent BN_CLICKED when the user toggles it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "skin/picture/glyph_strip.h"
#include "skin/controls/panel_layout.h"
#include "skin/controls/win32/control.h"

namespace huecast::skin {

class TSkinPanel : public TSkinCustomControl {
  public:
    struct Args {
        HWND parent = nullptr;
        int id = 0;
        int x = 0, y = 0, width = 150, height = 150;
        std::string caption{};
        TSkinData* skinData = nullptr;
        std::string skinDataName = "panel";
        bool captionMode = false;
        bool checkedMode = false;
        bool checked = false;
        bool autoEnabledControls = true;
        bool rollUpMode = false;
        TSkinBorderStyle borderStyle = TSkinBorderStyle::bvFrame;
        int defaultCaptionHeight = 22;
        Alignment defaultAlignment = Alignment::LeftJustify;
        bool useSkinFont = true;
        // The caption's glyph: a strip of one image, or two (the second shown while disabled), leading the
        // caption's text at `spacing` pixels.
        Bitmap glyph{};
        int numGlyphs = 1;
        int spacing = 2;
    };
    explicit TSkinPanel(const Args& args);
    ~TSkinPanel() override;

    bool Checked() const { return checked_; }
    // Stores, repaints, in checked mode lets the children follow (AutoEnabledControls), runs OnChecked.
    void SetChecked(bool checked);
    bool RollUpState() const { return rolledUp_; }
    void SetRollUpState(bool rolledUp);
    void SetGlyph(const Bitmap& strip, int numGlyphs);
    // Where the children go, in the panel's client coordinates.
    Rect ClientArea();

    std::function<void()> onChecked;

    void SkinChanged() override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawSkinLook(LookCanvas& look) override;
    void DrawPlainLook(LookCanvas& look) override;
    AccessibleInfo Accessible() const override;
    PanelShape Shape();
    // Every caption change (text, check state, skin) repaints; an item group also re-arranges.
    virtual void AreaChanged() { Invalidate(); }

  private:
    Rect CaptionHit();
    void DrawSkinCaption(LookCanvas& look, const TDataSkinPanelControl& d);
    void DrawPlainCaption(LookCanvas& look);
    void DrawArrow(HDC dc, const Rect& box, COLORREF color);
    void DrawGlyph(LookCanvas& look, const CaptionLayout& layout);

    bool captionMode_;
    bool checkedMode_;
    bool checked_;
    bool autoEnabledControls_;
    bool rollUpMode_;
    bool rolledUp_ = false;
    TSkinBorderStyle borderStyle_;
    int defaultCaptionHeight_;
    Alignment defaultAlignment_;
    GlyphStrip glyph_;
    int spacing_;
    int unrolledHeight_ = 0;
    std::vector<HWND> hiddenChildren_;
};

class TSkinGroupBox : public TSkinPanel {
  public:
    explicit TSkinGroupBox(Args args);
};

}  // namespace huecast::skin
