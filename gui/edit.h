// A single-line edit field.
#pragma once

#include <cstdint>

#include "gui/control.h"
#include "gui/handles.h"

namespace huecast::gui {

class Edit : public Control {
  public:
    explicit Edit(const ControlArgs& args, int maxLength = 0);
    void AddStyle(LONG style);  // e.g. ES_NUMBER, read and written with the window-long functions
    // The field and text colours (0x00BBGGRR); until set, or after UseSystemColors, the system's.
    void SetColors(std::uint32_t field, std::uint32_t text);
    void UseSystemColors();

  protected:
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    BrushHandle fieldBrush_;  // set: the colours below are in force
    std::uint32_t field_ = 0, text_ = 0;
};

}  // namespace huecast::gui
