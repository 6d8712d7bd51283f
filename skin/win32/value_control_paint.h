// What the skinned value and list controls share on the Win32 side: their window class, the off-screen
// look every paint composes (GDI and the core's picture cutter draw into the same 24-bit section, which
// one block copy puts on the screen), and the parts of the plain look.
#pragma once

#include <windows.h>

#include <optional>

#include "base/geometry.h"
#include "gui/drawing.h"
#include "skin/skin_data.h"
#include "skin/win32/effect_bmp_dib.h"

namespace huecast::skin {

// A window class without a background brush (the controls never erase) that takes double clicks; the
// controls subclass their windows, so the class's own procedure is the default one.
const char* ValueControlClass();

// Answers WM_PAINT and WM_PRINTCLIENT by `paint(dc)` (through the drawing kit's paint scope) and
// WM_ERASEBKGND by doing nothing, as a control that composes its whole look in one copy does; nullopt
// for every other message.
template <typename Paint>
std::optional<LRESULT> AnswerPaintMessages(HWND window, UINT message, WPARAM wParam, Paint&& paint) {
    if (message == WM_PAINT || message == WM_PRINTCLIENT) {
        const gui::PaintScope scope(window, message == WM_PRINTCLIENT ? reinterpret_cast<HDC>(wParam) : nullptr);
        paint(scope.Dc());
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    return std::nullopt;
}

// The element's picture in 24 bits, or nullptr when the skin data or the picture is missing.
const Bitmap* ElementPicture(const TSkinData* skinData, int pictureIndex);

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
