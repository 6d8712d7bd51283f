// TPicture: the picture holder of a texture fill. It holds one graphic, either a bitmap (drawn opaque) or
// an icon (32 bits with an alpha channel; alpha 0 is transparent, as an icon's mask), and announces every
// change of its graphic.
#pragma once

#include <functional>

#include "base/bitmap.h"
#include "base/geometry.h"

namespace huecast {

class TPicture {
  public:
    TPicture() = default;
    TPicture(const TPicture& other) : graphic_(other.graphic_), icon_(other.icon_) {}
    TPicture& operator=(const TPicture&) = delete;

    // No graphic, or a graphic without pixels.
    bool Empty() const { return graphic_.Empty(); }
    int Width() const { return graphic_.Width(); }
    int Height() const { return graphic_.Height(); }
    bool IsIcon() const { return icon_; }
    const Bitmap& Graphic() const { return graphic_; }

    void SetBitmap(Bitmap bitmap);
    // `icon` must be 32 bits per pixel: blue, green, red, alpha.
    void SetIcon(Bitmap icon);
    void Clear();
    // Copies the other holder's graphic.
    void Assign(const TPicture& source);

    // Called after every change of the graphic.
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    // The graphic's own drawing at (x, y) of `target` (24 or 32 bits), clipped: a bitmap covers its box, an
    // icon only where it is not transparent.
    void Draw(Bitmap& target, int x, int y) const;
    // The graphic stretched over `rect` of `target` (nearest pixel), opaque.
    void StretchDraw(Bitmap& target, const Rect& rect) const;

  private:
    void Notify() {
        if (onChange_) onChange_();
    }

    Bitmap graphic_{0, 0, 24};
    bool icon_ = false;
    std::function<void()> onChange_;
};

}  // namespace huecast
