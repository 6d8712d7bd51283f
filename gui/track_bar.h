// A horizontal track bar with a range and a position.
#pragma once

#include "gui/control.h"

namespace huecast::gui {

class TrackBar : public Control {
  public:
    TrackBar(const ControlArgs& args, int min, int max, int position);
    int Position() const;
    void SetPosition(int position);  // raises onChange, as a moved thumb does
    int Min() const;
    int Max() const;

    Event onChange;
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    int lastPosition_;
};

class ScrollBar : public Control {
  public:
    ScrollBar(const ControlArgs& args, bool vertical, int min, int max);
    void SetRange(int min, int max, int page);
    int Position() const;
    void SetPosition(int position);
    // The user scrolled: the new position, or the SB_ code for a line or page step.
    std::function<void(int code, int position)> onScroll;
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace huecast::gui
