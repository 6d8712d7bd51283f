// Hint texts for controls, shown as tool tips when the mouse rests on a control. Lines are separated by
// CR LF.
#pragma once

#include <windows.h>

#include <string>

#include "gui/handles.h"

namespace huecast::gui {

class Hints {
  public:
    explicit Hints(HWND owner);
    void Add(HWND control, const std::string& text);

  private:
    HWND owner_;
    WindowHandle tooltip_;
};

}  // namespace huecast::gui
