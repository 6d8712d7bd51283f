// The perceptual colour space OKLab, in which equal distances look like equal differences of colour, and
// its polar form OKLCh (lightness, chroma, hue). Colours blend here: a straight line between red and green
// passes through yellow, not through the muddy brown that mixing their sRGB values gives.
//
// Colours of the program are 24-bit sRGB values 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace huecast {

struct OkLab {
    double L = 0;  // lightness, 0 (black) to 1 (white)
    double a = 0;  // green (negative) to red
    double b = 0;  // blue (negative) to yellow
};

struct OkLch {
    double L = 0;
    double C = 0;  // chroma: the distance from the grey axis
    double h = 0;  // hue in degrees, 0 to 360
};

OkLab SrgbToOkLab(std::uint32_t colour);

// The nearest 24-bit colour: a colour outside what sRGB can show is clipped channel by channel in linear
// light. Every 24-bit colour comes back as itself from SrgbToOkLab.
std::uint32_t OkLabToSrgb(const OkLab& colour);

// Whether sRGB can show the colour (within a rounding error far below one step of 8 bits).
bool InSrgbGamut(const OkLab& colour);

OkLch ToOkLch(const OkLab& colour);
OkLab FromOkLch(const OkLch& colour);

// The square of the distance between two colours: the error the fitter (colour/colour_fit.h) adds up.
inline double SquaredDistance(const OkLab& x, const OkLab& y) {
    const double dL = x.L - y.L, da = x.a - y.a, db = x.b - y.b;
    return dL * dL + da * da + db * db;
}

}  // namespace huecast
