// TSkinControl and TSkinCustomControl: the base of every skinned control. A control finds its element
// (a control descriptor) in its skin data by name, fits its size to it, cuts its look from the element's
// picture off screen and copies it to the window in one step, never erasing first. Without skin data, with
// empty skin data or an unknown name it draws its plain look at DefaultWidth × DefaultHeight.
//
//     class TSkinThing : public TSkinCustomControl {
//       public:
//         TSkinThing(const SkinControlArgs& args) { CreateControl("HuecastSkinThing", args); }
//       protected:
//         void ReadSkinElement() override {          // the base binds and copies the corner points first
//             TSkinCustomControl::ReadSkinElement();
//             if (auto* d = DescriptorAs<TDataSkinLabelControl>()) font_ = d->font;
//         }
//         void DrawSkinLook(LookCanvas& c) override {
//             TSkinCustomControl::DrawSkinLook(c);    // the element's skin rect, cut to the size
//             const gui::FontHandle font = CreateTextFont(&font_);
//             const gui::SelectedObject selected(c.Dc(), font.get());
//             gui::DrawTransparentText(c.Dc(), Text(), MapRect(textArea_), TextColor(font_.color), DT_CENTER);
//         }
//         void DrawPlainLook(LookCanvas& c) override; // the built-in look
//         AccessibleInfo Accessible() const override; // role, state, value of the system counterpart
//     };
//     TSkinThing thing({.parent = form, .id = 12, .width = 95, .height = 20, .caption = "OK",
//                       .skinDataName = "button", .skinData = &skinData});
//
// Virtual operations, in the order the skin engine knows them: ReadSkinElement, SetSkinDataName,
// SetSkinData, DrawPlainLook, DrawSkinLook, SkinChanged, SkinChanging, DefaultFontChanged, FitToSkin,
// UpdateShape. Every paint and every change of position or size runs ReadSkinElement first.
//
// Bounds: a size change of a control with an element goes through FitToSkin (WM_WINDOWPOSCHANGING), then
// UpdateShape runs and the control repaints (WM_SIZE). SkinChanging (the frame's before-change pass) makes
// the control draw plain until SkinChanged rebinds, refits and repaints it.
//
// Morphing (buttons, check boxes): SetMorphing(true); the control steps its morph factor with a 20 ms
// timer toward 1 while MorphTarget() (hot or focused) and back to 0 otherwise; DrawMorphedLook blends the
// two looks. Call MorphStateChanged() when something MorphTarget() depends on changes besides hover and
// focus, which the base already follows.
//
// Destruction: the window goes with the object (the destroy order is in gui/window.h); a control that must
// see its own WM_DESTROY calls DestroyHandle() first thing in its destructor.
//
// Accessibility: WM_GETOBJECT answers with an object that reports Accessible() (see accessible.h).
// The standard messages each control answers are listed in skin_control_messages.h.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "gui/drawing.h"
#include "gui/fonts.h"
#include "gui/window.h"
#include "skin/controls/morph_looks.h"
#include "skin/picture/morph_stepper.h"
#include "skin/picture/piece_geometry.h"
#include "skin/format/skin_data.h"
#include "skin/controls/win32/accessible.h"

namespace huecast::skin {

struct SkinControlArgs {
    HWND parent = nullptr;
    int id = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::string caption = {};
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    std::string skinDataName = {};
    TSkinData* skinData = nullptr;
};

// Where a look is drawn: a 24-bit top-down DIB section of the control's size (core pixels) with a memory
// DC selected into it, so a look mixes cut pictures and GDI text.
class LookCanvas {
  public:
    LookCanvas(gui::DibSection& section, HDC dc) : section_(section), dc_(dc) {}
    HDC Dc() const { return dc_; }
    // The pixels, after GDI has finished what it was asked to draw.
    Bitmap& Pixels() {
        GdiFlush();
        return section_.Pixels();
    }
    int Width() const { return section_.Width(); }
    int Height() const { return section_.Height(); }
    Rect Bounds() const { return {0, 0, Width(), Height()}; }

  private:
    gui::DibSection& section_;
    HDC dc_;
};

class TSkinControl : public gui::Window {
  public:
    TSkinData* SkinData() const { return skinData_; }
    // Stores the reference; unless it is nullptr or empty, runs SkinChanged at once.
    virtual void SetSkinData(TSkinData* skinData);
    const std::string& SkinDataName() const { return skinDataName_; }
    // Takes effect at the next ReadSkinElement (every paint and skin change runs it).
    virtual void SetSkinDataName(std::string name) { skinDataName_ = std::move(name); }
    // The element's position in the skin data's control list, or -1 (plain look).
    int ElementIndex() const { return elementIndex_; }

    virtual void ReadSkinElement();
    // The built-in look: the button face.
    virtual void DrawPlainLook(LookCanvas& canvas);
    // The skinned look; the base has no picture and draws the plain look.
    virtual void DrawSkinLook(LookCanvas& canvas);
    virtual void SkinChanged();
    virtual void SkinChanging();
    // The size this control takes for a proposed one; the base keeps it.
    virtual Size FitToSkin(Size proposed) { return proposed; }
    virtual void UpdateShape() {}

    Size ClientSize() const;
    void SetBounds(int x, int y, int width, int height);
    void SetSize(Size size);
    // Paints now, without erasing.
    void Repaint();

    std::function<void()> OnMouseEnter, OnMouseLeave;

  protected:
    // Creates the window of our class `className` (no background brush, double clicks) and binds the skin.
    void CreateControl(const char* className, const SkinControlArgs& args);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // Without an element: the hook for the default size.
    virtual void ApplyDefaultSize() {}

    // What a screen reader learns of this control; the base is a plain client area named by its text.
    virtual AccessibleInfo Accessible() const;
    // The accessible default action (a click for buttons).
    virtual void DoDefaultAction() {}
    friend class SkinAccessible;

    // A paint into `dc` (the window's, or one handed over by WM_PRINTCLIENT).
    void Paint(HDC dc);

    int elementIndex_ = -1;

  private:
    TSkinData* skinData_ = nullptr;
    std::string skinDataName_;
    bool changing_ = false;  // between the before-change and the change notice
    gui::DibSection look_;   // kept while the size stays
};

// The plain look's font and its colour.
struct ControlFont {
    gui::FontSpec spec{.face = "\xCB\xCE\xCC\xE5", .height = 12};  // "宋体" in the system code page
    Color color = 0;  // 0x00BBGGRR
    friend bool operator==(const ControlFont&, const ControlFont&) = default;
};

class TSkinCustomControl : public TSkinControl {
  public:
    int DefaultWidth() const { return defaultWidth_; }
    int DefaultHeight() const { return defaultHeight_; }
    // Stores the value; without an element and above 0 it becomes the width / height at once.
    void SetDefaultWidth(int width);
    void SetDefaultHeight(int height);
    const ControlFont& DefaultFont() const { return defaultFont_; }
    // Runs DefaultFontChanged and, without an element, repaints.
    void SetDefaultFont(const ControlFont& font);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool use);

    void ReadSkinElement() override;
    // Cuts the element's skin rect to the control's size (the plain look when it has no picture).
    void DrawSkinLook(LookCanvas& canvas) override;
    Size FitToSkin(Size proposed) override;
    void UpdateShape() override;
    virtual void DefaultFontChanged() {}

    // The element (nullptr without one), and as a descriptor class of a subclass (nullptr when it is not).
    const TDataSkinCustomControl* Descriptor() const;
    template <class T>
    const T* DescriptorAs() const {
        return dynamic_cast<const T*>(descriptor_);
    }
    const Bitmap* Picture() const { return picture_; }
    const Bitmap* MaskPicture() const { return mask_; }
    const SkinPieces& Pieces() const { return pieces_; }
    // The pieces mapped to the current size.
    const PieceMapping& Mapping() const { return mapping_; }
    // A rect of the element (skin coordinates) moved or widened with the control.
    Rect MapRect(Rect skinRect) const { return MapSkinRect(pieces_, ClientSize(), skinRect); }
    // Cuts `lookRect` (the skin rect or an active, down or disabled rect of its size) onto the canvas.
    void CutLook(LookCanvas& canvas, Rect lookRect);

    // The fonts rule: with an element and UseSkinFont, the element's font with DefaultFont's character
    // set; otherwise DefaultFont.
    gui::FontSpec TextFontSpec(const SkinFont* elementFont) const;
    gui::FontHandle CreateTextFont(const SkinFont* elementFont) const { return gui::CreateFontFrom(TextFontSpec(elementFont)); }
    // The element's colour whenever there is an element, else DefaultFont's.
    COLORREF TextColor(std::optional<Color> elementColor) const;

    // Morphing.
    bool Morphing() const { return morphing_; }
    void SetMorphing(bool on);
    double MorphFactor() const { return morph_.K(); }
    // Jumps to 1 or 0 and stops the timer (pressing, disabling, a skin change).
    void SnapMorph(bool active);
    void StopMorph();
    void MorphStateChanged();
    // The normal look blended toward the active look by the morph factor.
    void DrawMorphedLook(LookCanvas& canvas, Rect normalRect, Rect activeRect, MorphKind kind);
    static constexpr UINT_PTR kMorphTimerId = 0x4D4F;  // "MO"
    static constexpr UINT kMorphIntervalMs = 20;

  protected:
    void ApplyDefaultSize() override;
    void TimerTick(UINT_PTR id) override;
    void FocusChanged(bool focused) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // Hot (the pointer inside an enabled control) or focused.
    virtual bool MorphTarget() const;

  private:
    int defaultWidth_ = 0, defaultHeight_ = 0;
    ControlFont defaultFont_;
    bool useSkinFont_ = true;
    const TDataSkinCustomControl* descriptor_ = nullptr;
    const Bitmap* picture_ = nullptr;
    const Bitmap* mask_ = nullptr;
    SkinPieces pieces_;
    PieceMapping mapping_;
    bool hasShape_ = false;
    bool morphing_ = false;
    bool morphTimer_ = false;
    MorphStepper morph_;
    MorphLooks morphLooks_;
};

}  // namespace huecast::skin
