// Turns a 24-bit sheet into the 8-bit palette picture a skin stores: exactly when it has at most 256
// colours, otherwise through a median-cut palette. Deterministic: the same sheet gives the same bytes.
#pragma once

#include "base/bitmap.h"

namespace huecast::skingen {

Bitmap ToPaletted(const Bitmap& rgb);

}  // namespace huecast::skingen
