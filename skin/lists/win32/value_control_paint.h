// What the skinned value and list controls share on the Win32 side beyond their base: the off-screen look
// of one list item (GDI and the core's picture cutter draw into the same 24-bit section, which one block
// copy puts on the screen), and the parts of the plain look.
#pragma once

#include <windows.h>

#include "base/geometry.h"
#include "skin/format/skin_data.h"
#include "skin/picture/win32/effect_bmp_dib.h"

namespace huecast::skin {

// One paint's off-screen bitmap: a DIB section selected into a memory DC.
class OffscreenLook {
  public:
    OffscreenLook(HDC like, int width, int height);
    ~OffscreenLook();
    OffscreenLook(const OffscreenLook&) = delete;
    OffscreenLook& operator=(const OffscreenLook&) = delete;

    HDC Dc() const { return dc_; }
    // The pixels for the core to draw on; GDI's pending drawing is flushed first.
    Bitmap& Pixels();
    // Copies the whole look to (x, y) of `target` in one block copy.
    void CopyTo(HDC target, int x = 0, int y = 0) const;

  private:
    EffectBmpDib dib_;
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

RECT ToRECT(const Rect& r);

// The state of a part of the plain look (a button, a thumb, a combo button).
enum class PlainPartState { Normal, Hot, Pressed };
// A filled rectangle with a one-pixel frame: pressed navy on RGB 133, 147, 181; hot navy on RGB 182, 189,
// 210; otherwise the button-shadow colour on the button face.
void DrawPlainPart(HDC dc, const Rect& r, PlainPartState state);
void FillSolid(HDC dc, const Rect& r, COLORREF color);
void FrameSolid(HDC dc, const Rect& r, COLORREF color);

enum class ArrowDirection { Left, Right, Up, Down };
// A 4-line triangle centred in `r`.
void DrawArrow(HDC dc, const Rect& r, ArrowDirection direction, COLORREF color);

}  // namespace huecast::skin
