// Gradients and the rainbow: exact ends, no steps on white space, steps by word, hues around the wheel.
#include "colour/colour_steps.h"

#include <gtest/gtest.h>

#include <random>

#include "colour/oklab.h"

namespace huecast {
namespace {

std::vector<TextRun> Line(const std::u16string& text) {
    return {{text, {"Arial", 0, 24, 0, 0x000000}}};
}

std::vector<std::uint32_t> Gradient(const std::u16string& text, const huecast::Gradient& gradient) {
    return GradientColours(TextCells(Line(text)), gradient);
}

TEST(GradientColours, FirstAndLastVisibleCharactersKeepTheEndColoursExactly) {
    std::mt19937 random(25);
    const std::u16string pieces[] = {u"a", u"你", u" ", u"\r", u"😀", u"e\u0301", u"\u3000", u"go "};
    for (int n = 0; n < 500; ++n) {
        std::u16string text;
        for (int k = int(random() % 12); k >= 0; --k)
            text += pieces[random() % std::size(pieces)];
        huecast::Gradient gradient{std::uint32_t(random() & 0xFFFFFF), std::nullopt,
                                   std::uint32_t(random() & 0xFFFFFF), n % 2 == 0};
        if (n % 3 == 0) gradient.middle = std::uint32_t(random() & 0xFFFFFF);
        const std::vector<TextCell> cells = TextCells(Line(text));
        const std::vector<std::uint32_t> colours = GradientColours(cells, gradient);
        ASSERT_EQ(colours.size(), cells.size());
        std::vector<std::size_t> visible;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (!cells[i].blank) visible.push_back(i);
        }
        if (visible.empty()) continue;
        ASSERT_EQ(colours[visible.front()], gradient.start);
        // With two steps or more, the last has the end colour; a single step (one word) the start colour.
        const bool oneStep = gradient.perWord
                                 ? std::count_if(cells.begin(), cells.end(),
                                                 [](const TextCell& c) { return c.startsWord; }) == 1
                                 : visible.size() == 1;
        ASSERT_EQ(colours[visible.back()], oneStep ? gradient.start : gradient.end);
    }
}

TEST(GradientColours, WhiteSpaceTakesNoStepAndWordsTakeOneEach) {
    const huecast::Gradient redToBlue{0x0000FF, std::nullopt, 0xFF0000, false};
    // Three steps; the spaces keep the colour before them, and the middle step lies half-way in OKLab.
    const std::vector<std::uint32_t> byCharacter = Gradient(u"  a b  c", redToBlue);
    EXPECT_EQ(byCharacter, (std::vector<std::uint32_t>{0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF, byCharacter[4],
                                                       byCharacter[4], byCharacter[4], 0xFF0000}));
    const OkLab red = SrgbToOkLab(0x0000FF), blue = SrgbToOkLab(0xFF0000),
                middle = SrgbToOkLab(byCharacter[4]);
    EXPECT_NEAR(middle.L, (red.L + blue.L) / 2, 0.005);
    EXPECT_NEAR(middle.a, (red.a + blue.a) / 2, 0.005);
    EXPECT_NEAR(middle.b, (red.b + blue.b) / 2, 0.005);

    // By words: "ab", "cd," and each Chinese character.
    const std::vector<std::uint32_t> byWord = Gradient(u"ab cd, 你好", {0x0000FF, 0x00FF00, 0xFF0000, true});
    EXPECT_EQ(byWord, (std::vector<std::uint32_t>{0x0000FF, 0x0000FF, 0x0000FF, byWord[3], byWord[3],
                                                  byWord[3], byWord[3], byWord[7], 0xFF0000}));
    EXPECT_NE(byWord[3], 0x00FF00u);  // four steps: none lies on the middle
    EXPECT_NE(byWord[7], byWord[3]);
    EXPECT_EQ(Gradient(u"x y z", {0x0000FF, 0x00FF00, 0xFF0000, false})[2], 0x00FF00u);  // three: one does
}

TEST(GradientColours, RedToGreenPassesThroughAClearColourNotBrown) {
    const std::vector<std::uint32_t> colours = Gradient(u"abcde", {0x0000FF, std::nullopt, 0x00FF00, false});
    const OkLch middle = ToOkLch(SrgbToOkLab(colours[2]));
    EXPECT_GT(middle.L, 0.7);  // mixing in sRGB gives 0x008080, an olive of L 0.58
    EXPECT_GT(middle.C, 0.15);
}

TEST(RainbowColours, HuesGoOnceAroundAtOneLightness) {
    const std::vector<TextCell> cells = TextCells(Line(u"Rain bow!\rcolours"));
    const std::vector<std::uint32_t> colours = RainbowColours(cells);
    double previousHue = -1;
    std::uint32_t previous = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].blank) {
            EXPECT_EQ(colours[i], previous);
            continue;
        }
        const OkLch lch = ToOkLch(SrgbToOkLab(colours[i]));
        EXPECT_NEAR(lch.L, ToOkLch(SrgbToOkLab(colours[0])).L, 0.01);
        EXPECT_GT(lch.C, 0.09) << i;
        const double hue = lch.h < 20 ? lch.h + 360 : lch.h;  // from red round to purple
        EXPECT_GT(hue, previousHue + 10) << i;
        previousHue = hue;
        previous = colours[i];
    }
    EXPECT_EQ(colours[0], RainbowColours(TextCells(Line(u"x")))[0]);
    EXPECT_NEAR(ToOkLch(SrgbToOkLab(colours[0])).h, 29.2, 1);  // red first
}

TEST(WithGradient, ChangesOnlyTheColours) {
    const std::vector<TextRun> runs = {{u"ab", {"Arial", 0, 24, 1, 5}},
                                       {u"c", {"\xcb\xce\xcc\xe5", 134, 60, 0, {}}}};
    const std::vector<TextRun> coloured = WithGradient(runs, {0x0000FF, std::nullopt, 0xFF0000, false});
    ASSERT_EQ(coloured.size(), 3u);
    EXPECT_EQ(coloured[0].text + coloured[1].text + coloured[2].text, u"abc");
    EXPECT_EQ(coloured[0].format.color, 0x0000FFu);
    EXPECT_EQ(coloured[2].format.color, 0xFF0000u);
    EXPECT_EQ(coloured[1].format.style, 1u);
    EXPECT_EQ(coloured[2].format.sizeHalfPoints, 60);
    EXPECT_EQ(WithRainbow(runs).size(), 3u);
}

}  // namespace
}  // namespace huecast
