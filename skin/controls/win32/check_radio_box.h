// TSkinCheckRadioBox: the skinned check box and radio box, and TGroupButton / TCheckGroupButton, the inner
// buttons of the item groups. The rules of Checked and Toggle are skin::CheckState's; the layouts are
// skin/controls/check_box_layout.h's.
//
// It answers the system check box's standard messages: BM_CLICK toggles as a click does, BM_GETCHECK,
// BM_SETCHECK (which, as for the system's box, changes the state without running OnClick), WM_GETTEXT;
// the parent hears BN_CLICKED whenever OnClick runs.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "skin/controls/check_box_layout.h"
#include "skin/controls/win32/control.h"

namespace huecast::skin {

class TSkinCheckRadioBox : public TSkinCustomControl {
  public:
    struct Args {
        HWND parent = nullptr;
        int id = 0;
        int x = 0, y = 0, width = 150, height = 25;
        std::string caption{};
        TSkinData* skinData = nullptr;
        std::string skinDataName{};  // empty: "radiobox" for a radio box, "checkbox" otherwise
        bool flat = true;
        bool radio = false;
        int groupIndex = 0;
        bool canFocused = true;
        bool checked = false;
        HIMAGELIST images = nullptr;
        int imageIndex = 0;
        bool useSkinFont = true;
    };
    explicit TSkinCheckRadioBox(const Args& args);
    ~TSkinCheckRadioBox() override;

    bool Checked() const { return state_.Checked(); }
    // Stores, repaints, unchecks the checked siblings of its group, then runs OnClick (a check box always,
    // a radio box only when it is now checked).
    void SetChecked(bool checked);
    void Toggle();
    bool Radio() const { return state_.Radio(); }
    void SetImages(HIMAGELIST images, int imageIndex);
    void SetImageIndex(int imageIndex);
    bool Hot() const { return hot_; }

    std::function<void()> onClick;

    void SkinChanged() override;
    void ReadSkinElement() override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void FocusChanged(bool focused) override;
    bool MorphTarget() const override;
    AccessibleInfo Accessible() const override;
    void DoDefaultAction() override;
    Size FitToSkin(Size proposed) override;
    void DrawSkinLook(LookCanvas& look) override;
    void DrawPlainLook(LookCanvas& look) override;

  private:
    void Apply(const CheckEffects& effects);
    void SetHot(bool hot);
    bool Focused() const;
    bool Flat() const { return flat_; }
    // The parent's look under the control: the flat box shows it around its box and text.
    void DrawParentBackground(LookCanvas& look);
    void DrawFlat(LookCanvas& look, const TDataSkinCheckRadioControl* element);
    void DrawNonFlat(LookCanvas& look, const TDataSkinCheckRadioControl& element, bool active);
    void DrawImageAndFocus(HDC dc, const FlatCheckLayout& layout);
    void DrawPlainBox(HDC dc, const Rect& box, bool hot);
    void DrawBoxImage(LookCanvas& look, const TDataSkinCheckRadioControl& d, const Rect& at);

    CheckState state_;
    bool flat_;
    bool canFocused_;
    bool hot_ = false;
    bool pointerOver_ = false;
    bool pressed_ = false;       // a left press began on it
    bool spacePressed_ = false;  // Space went down on it
    HIMAGELIST images_;
    int imageIndex_;
};

// The inner button of a radio group: a flat radio box of group 1.
class TGroupButton : public TSkinCheckRadioBox {
  public:
    explicit TGroupButton(Args args);
};

// The inner button of a check group: a flat check box.
class TCheckGroupButton : public TSkinCheckRadioBox {
  public:
    explicit TCheckGroupButton(Args args);
};

}  // namespace huecast::skin
