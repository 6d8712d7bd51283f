// One off-screen piece of a skinned frame (a strip, the plain frame, or the client background), kept
// between paints and made again only when its size changes, so a frame paint creates no GDI objects. The
// core draws into Pixels() (which waits for GDI first), GDI into Dc().
#pragma once

#include <windows.h>

#include <memory>

#include "base/geometry.h"
#include "skin/picture/effect_bmp.h"
#include "skin/picture/win32/offscreen_dib.h"

namespace huecast::skin {

class FrameCanvas {
  public:
    // A canvas of `size`; its pixels are kept when the size stays. An empty size leaves no canvas.
    void Resize(Size size);
    Size GetSize() const { return size_; }
    bool Empty() const { return !dib_; }
    HDC Dc() const { return dib_ ? dib_->Dc() : nullptr; }
    Bitmap& Pixels() { return dib_->Pixels(); }
    // The same pixels as an effect bitmap (the inactive look).
    TEffectBmp Effect() { return TEffectBmp::View(Pixels().Row(0), size_.cx, size_.cy); }
    void Draw(HDC dc, int x, int y) const {
        if (dib_) dib_->CopyTo(dc, x, y);
    }

  private:
    Size size_;
    std::unique_ptr<OffscreenDib> dib_;
};

}  // namespace huecast::skin
