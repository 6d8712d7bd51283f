// TSkinComboBox: the skinned drop-down list ("combobox"): a box showing the current item and a button,
// drawn from the element's picture (or its plain look without one), that drops down a TPopupListBox of
// DropDownCount rows. Which index a key or the wheel moves to, and where the list opens, is
// skin::combo_box_model's (portable, tested natively); this class turns messages into those moves.
//
// The chosen index is the combo's; the list's highlight only becomes it when the list closes accepting.
// OnClick (then OnChange) runs whenever the index is set: by a choice in the list, a key or the wheel,
// and by the program writing ItemIndex. Escape puts back the index the list opened with.
//
// It answers the system combo box's messages a program uses (CB_GETCOUNT, CB_GETCURSEL, CB_SETCURSEL,
// CB_GETLBTEXT, CB_GETLBTEXTLEN, CB_ADDSTRING, CB_RESETCONTENT, CB_FINDSTRINGEXACT, CB_SHOWDROPDOWN,
// CB_GETDROPPEDSTATE, WM_GETTEXT, WM_SETTEXT) and tells its parent CBN_SELCHANGE, CBN_DROPDOWN and
// CBN_CLOSEUP under its id, so a program drives it as it drives the system's. As with the system's,
// CB_SETCURSEL selects silently; a CBN_SELCHANGE that another sends its parent on its behalf runs OnClick.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "skin/lists/combo_box_model.h"
#include "skin/lists/win32/popup_list_box.h"
#include "skin/controls/win32/control.h"

namespace huecast::skin {

class TSkinComboBox : public TSkinCustomControl {
  public:
    struct Args {
        HWND parent = nullptr;
        int id = 0;
        int x = 0, y = 0, width = 120, height = 20;
        std::string text = {};  // shown until an item is chosen
        TSkinData* skinData = nullptr;
        std::string skinDataName = "combobox";
        int dropDownCount = 8;
        int listBoxDefaultItemHeight = 20;
    };
    explicit TSkinComboBox(const Args& args);
    ~TSkinComboBox() override;

    int Count() const;
    std::string Item(int index) const;  // empty outside the items
    void Add(const std::string& item);
    void Clear();  // no items, nothing chosen

    int ItemIndex() const { return itemIndex_; }
    // Clamped to -1..Count()-1. Chooses the item (Text becomes its line; -1 clears Text), repaints, then
    // runs OnClick and OnChange.
    void SetItemIndex(int index);

    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);

    bool DroppedDown() const { return popup_->Shown(); }
    // Opens the list (nothing happens without items or while it is open).
    void DropDown();
    // Closes an open list: accepting makes its highlight the chosen item; cancelling puts back the index
    // the list opened with.
    void CloseUp(bool accept);
    TPopupListBox& Popup() { return *popup_; }

    std::function<void()> OnClick;
    std::function<void()> OnChange;
    std::function<void()> OnCloseUp;

    void SkinChanged() override;
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void MouseLeave() override;
    void FocusChanged(bool focused) override;
    void DrawSkinLook(LookCanvas& canvas) override;
    void DrawPlainLook(LookCanvas& canvas) override;
    AccessibleInfo Accessible() const override;
    void DoDefaultAction() override;

  private:
    const TDataSkinComboBox* Element() const;
    ComboBoxLayout Layout() const;
    // Sets the index without any event.
    void Choose(int index);
    // A choice of the user's: OnClick, OnChange, and CBN_SELCHANGE to the parent.
    void ChooseByUser(int index);
    void RunClick();
    void Notify(WORD code);
    void PressAt(POINT client);
    bool KeyDown(WPARAM key, bool alt);
    void Wheel(int notches);
    void SetButtonHot(bool hot);
    void DrawCurrentItem(LookCanvas& canvas, const Rect& area);
    LRESULT FindExact(int after, const char* text) const;

    std::unique_ptr<TPopupListBox> popup_;
    int itemIndex_ = -1;
    int savedIndex_ = -1;  // the index the open list started from
    int dropDownCount_;
    bool buttonHot_ = false;
    bool notifying_ = false;  // our own notice is on its way to the parent and back
    bool inClick_ = false;    // OnClick or OnChange is running
};

}  // namespace huecast::skin
