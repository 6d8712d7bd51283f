// TPopupListBox: the drop-down list of a skinned combo box. A TSkinListBox in a top-level pop-up of its own
// that is never activated: the form it drops from stays the active window and keeps the keyboard focus,
// which stays on the combo, so every key still reaches the combo.
//
// While shown the pop-up holds the mouse capture, so it sees every press and release wherever they happen:
// the pointer highlights the item under it, a release over an item accepts, and a press outside the list
// cancels. A press on the list's scroll bar lends the capture to the bar until its release. The combo
// decides what accepting and cancelling mean.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "base/geometry.h"
#include "gui/window.h"
#include "skin/format/skin_data.h"
#include "skin/lists/win32/list_box.h"

namespace huecast::skin {

class TPopupListBox : public gui::Window {
  public:
    struct Args {
        HWND owner = nullptr;  // the pop-up stays above this top-level window
        TSkinData* skinData = nullptr;
        std::string skinDataName = {};  // the list's element; empty: the plain look
        int defaultItemHeight = 20;
    };
    explicit TPopupListBox(const Args& args);
    ~TPopupListBox() override;

    TSkinListBox& List() { return *list_; }
    const TSkinListBox& List() const { return *list_; }
    void SetSkin(TSkinData* skinData, const std::string& skinDataName);

    // Shows exactly `rows` rows at the width of `anchor` (a screen rect), directly below it or, when that
    // would pass the bottom of the work area, directly above it; takes the mouse capture. Returns where it
    // is shown.
    Rect Show(const Rect& anchor, int rows);
    void Hide();
    bool Shown() const { return shown_; }

    // The highlighted item (-1: none); setting it scrolls it into view.
    int Highlight() const { return list_->ItemIndex(); }
    void SetHighlight(int index);
    void SetTopIndex(int index);

    std::function<void()> OnAccept;       // a release over an item: the highlight is what was chosen
    std::function<void()> OnCancel;       // a press outside the list, or the capture taken by another window
    std::function<void(WPARAM)> OnWheel;  // a WM_MOUSEWHEEL that the capture brought here

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void TimerTick(UINT_PTR id) override;

  private:
    // The item of the list under a point of this window's client area, or -1.
    int ItemAt(POINT client) const;
    bool OverScrollBar(POINT client) const;
    void LendCaptureToScrollBar(UINT message, WPARAM wParam, POINT client);
    void PressAt(UINT message, WPARAM wParam, POINT client);
    void ReleaseAt(POINT client);

    std::unique_ptr<TSkinListBox> list_;
    bool shown_ = false;
    bool hiding_ = false;  // our own release of the capture is no loss of it
    bool lent_ = false;    // the list's scroll bar holds the capture for its own press
    TSkinData* skinData_ = nullptr;
    std::string skinDataName_;
    int defaultItemHeight_;
};

}  // namespace huecast::skin
