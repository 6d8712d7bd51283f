// Small pictures and skins for the skin tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/bitmap.h"

namespace huecast::skin::testing {

// An 8-bit picture whose pixel (x, y) has palette index (x + 3y) % 7 over a seven-colour palette.
inline Bitmap Paletted(int w, int h, Bitmap::Order order = Bitmap::Order::BottomUp) {
    Bitmap b(w, h, 8, order);
    for (int i = 0; i < 7; ++i)
        b.Palette().push_back(0x102030u * static_cast<std::uint32_t>(i + 1));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Row(y)[x] = static_cast<std::uint8_t>((x + 3 * y) % 7);
    return b;
}

inline Bitmap TrueColour(int w, int h, Bitmap::Order order = Bitmap::Order::BottomUp) {
    Bitmap b(w, h, 24, order);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixelColor(x, y, static_cast<std::uint32_t>(x * 40 | y * 20 << 8 | 0x770000));
    return b;
}

inline bool SamePixels(const Bitmap& a, const Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.PixelColor(x, y) != b.PixelColor(x, y)) return false;
    return true;
}

// A minimal valid skin text with one control and one object.
inline std::vector<std::string> MinimalSkinText() {
    return {"[VERSION]",
            "skinname=Tiny",
            "[PICTURES]",
            "picture=main.bmp",
            "activepicturescount=1",
            "0=controls.bmp",
            "[FORMINFO]",
            "clientrect=2,2,8,8",
            "[SKINOBJECTS]",
            "count=1",
            "0=closebutton:stdbutton",
            "[SKINCONTROLS]",
            "count=1",
            "0=button:button",
            "[closebutton]",
            "command=cmclose",
            "[button]",
            "pictureindex=0",
            "skinrect=0,0,4,4"};
}

}  // namespace huecast::skin::testing
