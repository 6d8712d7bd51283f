#include "skin/picture/win32/effect_bmp_dib.h"

namespace huecast::skin {

EffectBmpDib::EffectBmpDib(int width, int height) : EffectBmpDib(gui::DibSection(width, height)) {}

EffectBmpDib::EffectBmpDib(gui::DibSection section) : section_(std::move(section)) {
    // The section's rows are the effect bitmap's layout: 24 bits, top-down, padded to four bytes.
    if (!section_.Empty())
        bmp_ = TEffectBmp::View(section_.Pixels().Row(0), section_.Width(), section_.Height());
}

std::unique_ptr<EffectBmpDib> EffectBmpDib::FromBitmap(HBITMAP source) {
    return std::make_unique<EffectBmpDib>(gui::DibSection::FromBitmap(source));
}

}  // namespace huecast::skin
