// The skin's pictures in 24 bits, made once per skin load, so that cutting a control's look is row copies
// with no palette look-up per pixel. The skin data object owns one (TSkinData::ActivePicture24).
//
//     SkinPictureCache cache;
//     cache.Build(skinData.ActivePictures());
//     const Bitmap* p = cache.Picture(index);   // nullptr for -1 or an index out of range
#pragma once

#include <span>
#include <vector>

#include "base/bitmap.h"

namespace huecast::skin {

// A top-down 24-bit copy of an 8, 24 or 32-bit picture (an empty picture gives an empty bitmap).
Bitmap To24Bits(const Bitmap& picture);

class SkinPictureCache {
  public:
    void Build(std::span<const Bitmap> pictures);
    void Clear() { pictures_.clear(); }
    const Bitmap* Picture(int index) const {
        return index < 0 || index >= static_cast<int>(pictures_.size()) ? nullptr
                                                                         : &pictures_[static_cast<std::size_t>(index)];
    }

  private:
    std::vector<Bitmap> pictures_;
};

}  // namespace huecast::skin
