#include "skin/controls/morph_looks.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "skin/picture/picture_cut.h"

namespace huecast::skin {

bool MorphLooks::Prepare(const Bitmap& picture, Rect normalRect, Rect activeRect, const SkinPieces& pieces,
                         const PieceMapping& mapping) {
    if (picture_ == &picture && normalRect_ == normalRect && activeRect_ == activeRect &&
        size_ == mapping.size)
        return false;
    picture_ = &picture;
    normalRect_ = normalRect;
    activeRect_ = activeRect;
    size_ = mapping.size;
    normal_ = TEffectBmp(size_.cx, size_.cy);
    active_ = TEffectBmp(size_.cx, size_.cy);
    work_ = TEffectBmp(size_.cx, size_.cy);
    CutPicture(picture, normalRect, pieces, mapping, normal_.Pixels());
    CutPicture(picture, activeRect, pieces, mapping, active_.Pixels());
    return true;
}

void MorphLooks::Compose(MorphKind kind, double k, Bitmap& out) const {
    if (out.Width() != size_.cx || out.Height() != size_.cy || out.BitsPerPixel() != 24 || size_.cx <= 0)
        return;
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(size_.cx);
    if (kind == MorphKind::Push) {
        // The push is two row copies: the active look's right end entering at the left, the normal look's
        // left part moved right (the columns TEffectBmp::MorphPush shows), written straight into the target.
        const int w = size_.cx;
        const int a = std::clamp(static_cast<int>(std::nearbyint(w * k)), 0, w - 1);
        const std::size_t entering = 3 * static_cast<std::size_t>(a + 1);
        for (int y = 0; y < size_.cy; ++y) {
            std::memcpy(out.Row(y), active_.ScanLine(y) + rowBytes - entering, entering);
            std::memcpy(out.Row(y) + entering, normal_.ScanLine(y), rowBytes - entering);
        }
        return;
    }
    // Morphs work in place on a top-down bitmap; the target may be a bottom-up DIB section, so the result
    // is made in the work bitmap unless the target has the same layout.
    const bool direct = out.RowOrder() == Bitmap::Order::TopDown;
    TEffectBmp view = direct ? TEffectBmp::View(out.Row(0), size_.cx, size_.cy) : TEffectBmp{};
    TEffectBmp& target = direct ? view : work_;
    for (int y = 0; y < size_.cy; ++y)
        std::memcpy(target.ScanLine(y), normal_.ScanLine(y), rowBytes);
    target.Morph(kind, active_, k);
    if (!direct)
        for (int y = 0; y < size_.cy; ++y)
            std::memcpy(out.Row(y), work_.ScanLine(y), rowBytes);
}

}  // namespace huecast::skin
