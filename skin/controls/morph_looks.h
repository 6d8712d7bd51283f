// The two looks a morphing control blends (its normal and its active picture, cut to the control's size),
// cut once and reused by every step of the morph: a step is then one copy and one morph, not two cuts.
//
//     MorphLooks looks;
//     looks.Prepare(*picture, d.skinRect, d.activeSkinRect, pieces, mapping);   // recuts only on change
//     looks.Compose(d.morphKind, morph.K(), offscreen);                        // one morph step
//
// Prepare again after a skin change with Invalidate(): the key is the picture, the two rects and the size.
#pragma once

#include "base/bitmap.h"
#include "base/geometry.h"
#include "skin/picture/effect_bmp.h"
#include "skin/picture/piece_geometry.h"
#include "skin/format/skin_values.h"

namespace huecast::skin {

class MorphLooks {
  public:
    // True when it cut the looks anew (the caller may then draw on them, text for instance).
    bool Prepare(const Bitmap& picture, Rect normalRect, Rect activeRect, const SkinPieces& pieces,
                 const PieceMapping& mapping);
    void Invalidate() { picture_ = nullptr; }

    // The normal look morphed toward the active look by k (0 normal .. 1 active), written into `out`, a
    // 24-bit bitmap of the prepared size (rows of another length are left alone).
    void Compose(MorphKind kind, double k, Bitmap& out) const;

    const TEffectBmp& Normal() const { return normal_; }
    const TEffectBmp& Active() const { return active_; }
    TEffectBmp& Normal() { return normal_; }
    TEffectBmp& Active() { return active_; }

  private:
    const Bitmap* picture_ = nullptr;
    Rect normalRect_, activeRect_;
    Size size_;
    TEffectBmp normal_;
    TEffectBmp active_;
    mutable TEffectBmp work_;
};

}  // namespace huecast::skin
