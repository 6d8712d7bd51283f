#include "aatext/pixel_math.h"

#include <gtest/gtest.h>

namespace huecast {
namespace {

TEST(PixelMath, MixTowardIsTheFlooredFormulaForEveryByteTriple) {
    for (int d = 0; d < 256; ++d)
        for (int s = 0; s < 256; ++s)
            for (int a = 0; a < 256; ++a) {
                const int want = d + ((s - d) * a >> 8);  // >> of a negative value floors
                ASSERT_EQ(pixel::MixToward(d, s, a), want) << d << " " << s << " " << a;
            }
}

TEST(PixelMath, DivideBy25RoundedForEveryFiveByFiveSum) {
    for (int sum = 0; sum <= 25 * 255; ++sum)
        ASSERT_EQ(pixel::DivideBy25Rounded(sum), (sum + 12) / 25) << sum;
}

}  // namespace
}  // namespace huecast
