// OKLab: the published values of the primaries, and every 24-bit colour coming back as itself.
#include "colour/oklab.h"

#include <gtest/gtest.h>

namespace huecast {
namespace {

void ExpectLab(std::uint32_t colour, double L, double a, double b) {
    const OkLab lab = SrgbToOkLab(colour);
    EXPECT_NEAR(lab.L, L, 1e-4) << std::hex << colour;
    EXPECT_NEAR(lab.a, a, 1e-4) << std::hex << colour;
    EXPECT_NEAR(lab.b, b, 1e-4) << std::hex << colour;
}

TEST(OkLab, KnownValues) {
    ExpectLab(0xFFFFFF, 1, 0, 0);
    ExpectLab(0x000000, 0, 0, 0);
    ExpectLab(0x0000FF, 0.627955, 0.224863, 0.125846);    // red
    ExpectLab(0x00FF00, 0.866440, -0.233888, 0.179498);   // green
    ExpectLab(0xFF0000, 0.452014, -0.032457, -0.311528);  // blue
    // Greys lie on the axis, lighter as they get lighter.
    const OkLab grey = SrgbToOkLab(0x808080);
    EXPECT_NEAR(grey.a, 0, 1e-6);
    EXPECT_NEAR(grey.b, 0, 1e-6);
    EXPECT_LT(grey.L, SrgbToOkLab(0x818181).L);
}

TEST(OkLab, EveryColourComesBackAsItself) {
    // Every value of every channel, against a spread of the other two.
    for (std::uint32_t v = 0; v < 256; ++v) {
        for (std::uint32_t w = 0; w < 256; w += 17) {
            for (const std::uint32_t colour :
                 {v | w << 8 | (255 - w) << 16, w | v << 8 | (v ^ w) << 16, (255 - v) | w << 8 | v << 16}) {
                ASSERT_EQ(OkLabToSrgb(SrgbToOkLab(colour)), colour) << std::hex << colour;
                ASSERT_TRUE(InSrgbGamut(SrgbToOkLab(colour))) << std::hex << colour;
            }
        }
    }
}

TEST(OkLab, PolarFormAndGamut) {
    const OkLab red = SrgbToOkLab(0x0000FF);
    const OkLch polar = ToOkLch(red);
    EXPECT_NEAR(polar.h, 29.23, 0.01);
    EXPECT_NEAR(polar.C, 0.2577, 1e-4);
    const OkLab back = FromOkLch(polar);
    EXPECT_NEAR(back.a, red.a, 1e-12);
    EXPECT_NEAR(back.b, red.b, 1e-12);
    // Blue's hue lies past 180 degrees, in the range 0 to 360.
    EXPECT_NEAR(ToOkLch(SrgbToOkLab(0xFF0000)).h, 264.05, 0.01);
    // More chroma than sRGB has is clipped to the nearest colour it has.
    EXPECT_FALSE(InSrgbGamut({0.7, 0.4, 0}));
    EXPECT_EQ(OkLabToSrgb({2, 0, 0}), 0xFFFFFFu);
    EXPECT_EQ(OkLabToSrgb({-1, 0, 0}), 0u);
}

}  // namespace
}  // namespace huecast
