// TSkinScrollBar: a scroll bar drawn from a skin element ("hscrollbar", "vscrollbar", "bothhscrollbar")
// or in the plain look. Its rules live in scroll_bar_model.h and scroll_repeat.h; this is the window: the
// paint, the mouse, keys and wheel, the repeat timer, and the system scroll bar's SBM_* messages, so a
// program that drives a system scroll bar drives this one unchanged.
#pragma once

#include <functional>
#include <string>

#include "gui/control.h"
#include "skin/lists/scroll_bar_model.h"
#include "skin/lists/scroll_repeat.h"
#include "skin/format/skin_data.h"
#include "skin/controls/win32/control.h"

namespace huecast::skin {

struct ScrollBarArgs {
    gui::ControlArgs control;
    ScrollBarKind kind = ScrollBarKind::Horizontal;
    TSkinData* skinData = nullptr;
    std::string skinDataName;  // empty: "hscrollbar" or "vscrollbar" by kind
    bool enabled = true;
};

class TSkinScrollBar : public TSkinCustomControl {
  public:
    explicit TSkinScrollBar(const ScrollBarArgs& args);
    ~TSkinScrollBar() override;

    ScrollBarKind Kind() const { return kind_; }
    const ScrollRange& Range() const { return range_; }
    int Min() const { return range_.min; }
    int Max() const { return range_.max; }
    int PageSize() const { return range_.pageSize; }
    int Position() const { return range_.position; }
    // Clamps; when the position changes, repaints and runs OnChange.
    void SetPosition(int position);
    void SetMin(int min);
    void SetMax(int max);
    void SetPageSize(int pageSize);
    // All four at once, clamped, repainted when anything changed, without OnChange.
    void SetRange(int min, int max, int pageSize, int position);

    int smallChange = 1;
    int largeChange = 1;
    void SetCanFocused(bool canFocused);
    // A horizontal bar meeting a vertical one: drawn from BothSkinDataName, or plain with a corner left
    // free.
    void SetBoth(bool both);
    int bothMarkerWidth = 19;
    std::string bothSkinDataName = "bothhscrollbar";

    gui::Event OnChange;
    gui::Event OnLastChange;
    gui::Event OnUpButtonClick;    // replaces the increment button's own step when set
    gui::Event OnDownButtonClick;  // replaces the decrement button's own step when set

    void DrawSkinLook(LookCanvas& canvas) override;
    void DrawPlainLook(LookCanvas& canvas) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void MouseLeave() override;
    AccessibleInfo Accessible() const override;

  private:
    const TDataSkinScrollBarControl* Element() const;
    ScrollBarGeometry Geometry() const;
    bool Focused() const { return GetFocus() == Handle(); }

    void Press(Point p);
    void Move(Point p);
    void Release(bool notify);
    void Step(ScrollRepeat::Mode mode);
    void Tick();
    void SyncTimer(int oldInterval);
    bool PointerOnPagingSide() const;
    LRESULT ScrollBarMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

    ScrollBarKind kind_;
    ScrollRange range_;
    std::string nameBeforeBoth_;
    bool both_ = false;
    bool canFocused_ = false;

    ScrollBarPart hot_ = ScrollBarPart::None;
    ScrollBarPart captured_ = ScrollBarPart::None;
    bool dragging_ = false;
    int dragStart_ = 0;  // pointer coordinate along the bar at the press
    int dragStartOffset_ = 0;
    ScrollRepeat repeat_;
    Point lastPointer_;
};

}  // namespace huecast::skin
