// Captions of buttons, check boxes and group boxes: one line, "&" marking the accelerator, which is shown
// underlined and not drawn itself.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/geometry.h"

namespace huecast::skin {

// The size the caption takes in `font` (the "&" of an accelerator takes no room).
Size MeasureCaption(std::string_view caption, HFONT font);
// Draws the caption transparently in `color`, in `font`, with `format` (DT_* flags; DT_SINGLELINE is
// always added).
void DrawCaption(HDC dc, std::string_view caption, HFONT font, const Rect& rect, COLORREF color, UINT format);

}  // namespace huecast::skin
