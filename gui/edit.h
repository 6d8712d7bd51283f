// A single-line edit field.
#pragma once

#include "gui/control.h"

namespace huecast::gui {

class Edit : public Control {
  public:
    explicit Edit(const ControlArgs& args, int maxLength = 0);
    void AddStyle(LONG style);  // e.g. ES_NUMBER, read and written with the window-long functions
};

}  // namespace huecast::gui
