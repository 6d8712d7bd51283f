// A child window without a background of its own that draws itself whole through Draw, on WM_PAINT and on
// WM_PRINTCLIENT (a parent's or a picture's request) alike: the parts of a form that only show something,
// such as the message box's text and icon or a preview.
#pragma once

#include <windows.h>

#include <string>

#include "base/geometry.h"
#include "gui/window.h"

namespace huecast::gui {

class PaintedPart : public Window {
  protected:
    // A visible child of our class `className` at `r` in `parent`, with its window text and dialog id.
    PaintedPart(const char* className, HWND parent, const Rect& r, const std::string& text = {}, int id = 0);
    virtual void Draw(HDC dc, Size size) = 0;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) final;
};

}  // namespace huecast::gui
