// A static text with its own background and text colours, a tag and click events (the colour swatches and
// the length display).
#pragma once

#include <cstdint>

#include "gui/control.h"
#include "gui/handles.h"

namespace huecast::gui {

class StaticText : public Control {
  public:
    explicit StaticText(const ControlArgs& args);

    std::uint32_t Color() const { return color_; }  // 0x00BBGGRR
    void SetColor(std::uint32_t color);
    void SetFontColor(std::uint32_t color);

    int tag = 0;
    Event onClick;
    Event onDblClick;

    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    std::uint32_t color_ = 0xFFFFFF;
    std::uint32_t fontColor_ = 0;
    BrushHandle brush_;
};

}  // namespace huecast::gui
