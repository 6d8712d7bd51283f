// TSkinTrackBar: a track bar drawn from a skin element ("htrackbar", "trackbar") or in the plain look. Its
// rules live in track_bar_model.h; this is the window: paint, thumb drag, optional jump to a click, keys
// and wheel when it may take the focus, and the system track bar's TBM_* messages (TBM_SETPOS runs the
// change event, as writing Value does).
#pragma once

#include <string>

#include "gui/control.h"
#include "skin/format/skin_data.h"
#include "skin/lists/track_bar_model.h"
#include "skin/controls/win32/control.h"

namespace huecast::skin {

struct TrackBarArgs {
    gui::ControlArgs control;
    TSkinData* skinData = nullptr;
    std::string skinDataName = "htrackbar";
    int minValue = 0;
    int maxValue = 100;
    int value = 50;
    bool vertical = false;  // an element's own `vertical` overrides it
};

class TSkinTrackBar : public TSkinCustomControl {
  public:
    explicit TSkinTrackBar(const TrackBarArgs& args);

    int Value() const { return range_.value; }
    int MinValue() const { return range_.minValue; }
    int MaxValue() const { return range_.maxValue; }
    // Clamps; when the value changes, repaints and runs OnChange.
    void SetValue(int value);
    void SetMinValue(int minValue);
    void SetMaxValue(int maxValue);

    bool mouseSupport = true;
    bool jumpWhenClick = false;
    void SetCanFocused(bool canFocused);

    gui::Event OnChange;

    void DrawSkinLook(LookCanvas& canvas) override;
    void DrawPlainLook(LookCanvas& canvas) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    AccessibleInfo Accessible() const override;

  private:
    const TDataSkinTrackBarControl* Element() const;
    TrackBarLayoutArgs LayoutArgs() const;
    // Answers the system track bar's TBM_* messages; false for every other message.
    bool TrackBarMessage(UINT message, LPARAM lParam, LRESULT& result);
    void Press(Point p);
    void Move(Point p);
    void Release(Point p);
    bool Vertical() const;

    TrackBarRange range_;
    bool vertical_ = false;
    bool canFocused_ = false;
    bool dragging_ = false;
    int dragStart_ = 0;  // pointer coordinate along the travel (x, or -y for a vertical bar)
    int dragStartOffset_ = 0;
};

}  // namespace huecast::skin
