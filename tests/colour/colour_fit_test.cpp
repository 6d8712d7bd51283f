// The fitter against an exhaustive search over every way to cut short lines into runs, with the converter
// measuring each; and what it keeps, reports and refuses.
#include "colour/colour_fit.h"

#include <gtest/gtest.h>

#include <random>

#include "colour/colour_steps.h"
#include "colour/oklab.h"

namespace huecast {
namespace {

const std::string kSongti = "\xcb\xce\xcc\xe5";  // 宋体

std::size_t ConvertedSize(const std::vector<TextRun>& runs) {
    return WriteUrtf(UrtfRunsOf(runs)).size();
}

// Code unit by code unit: the character and its format without the colour.
std::vector<std::pair<char16_t, CharFormat>> Uncoloured(const std::vector<TextRun>& runs) {
    std::vector<std::pair<char16_t, CharFormat>> out;
    for (const TextRun& run : runs) {
        CharFormat format = run.format;
        format.color.reset();
        for (const char16_t unit : run.text)
            out.emplace_back(unit, format);
    }
    return out;
}

// What the fitter's error means, worked out from the texts themselves: the squared OKLab distances between
// each visible cell's colours, before and after.
double Error(const std::vector<TextRun>& before, const std::vector<TextRun>& after) {
    const std::vector<TextCell> cells = TextCells(before), changed = TextCells(after);
    double error = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const CharFormat& format = before[cells[i].run].format;
        if (cells[i].blank && !(format.style & 12)) continue;
        error += SquaredDistance(SrgbToOkLab(format.color.value_or(0)),
                                 SrgbToOkLab(after[changed[i].run].format.color.value_or(0)));
    }
    return error;
}

// A short line of random characters in a few formats, with colours from a small palette (so that some
// recur), random ones, or the automatic colour.
std::vector<TextRun> RandomLine(std::mt19937& random, std::size_t maxCells) {
    static const std::u16string kPieces[] = {
        u"a", u"Z", u"7", u" ", u"-", u"你", u"“", u"😀", u"e\u0301", u"\r", u"{", u"\u2764\uFE0F", u"한"};
    const std::uint32_t palette[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x000000,
                                     std::uint32_t(random() & 0xFFFFFF)};
    const int mode = int(random() % 3);
    std::vector<TextRun> runs;
    std::size_t cells = 0;
    const std::size_t wanted = random() % maxCells + 1;
    while (cells < wanted) {
        TextRun run{kPieces[random() % std::size(kPieces)],
                    {random() % 4 == 0 ? "Arial" : kSongti, random() % 4 == 0 ? 0 : 134,
                     random() % 3 == 0 ? 40 : 60, unsigned(random() % 5 == 0 ? 4 : 0), std::nullopt}};
        if (mode == 0 || random() % 8 != 0) {
            run.format.color =
                mode == 1 ? std::uint32_t(random() & 0xFFFFFF) : palette[random() % std::size(palette)];
        }
        runs.push_back(run);
        cells = TextCells(runs).size();
    }
    return runs;
}

TEST(ColourFitter, FindsTheLeastErrorOfEveryWayToCutTheLine) {
    std::mt19937 random(2025);
    int fitted = 0, refused = 0;
    for (int n = 0; n < 130; ++n) {
        std::vector<TextRun> line = RandomLine(random, n < 100 ? 8 : 12);
        if (n >= 120) {
            // Twelve letters in twelve colours, so that a tenth colour needs a two-digit index.
            line.clear();
            for (char16_t c = u'a'; c < u'm'; ++c)
                line.push_back(
                    {std::u16string(1, c), {kSongti, 134, 60, 0, std::uint32_t(random() & 0xFFFFFF)}});
        }
        const ColourFitter fitter(line);
        const std::size_t m = fitter.CellCount();
        const std::size_t given = ConvertedSize(line);
        // A limit between the colourless text and the line as given, where the fitting has work to do.
        const std::size_t lowest =
            n >= 120 ? given - 60 : ConvertedSize(fitter.Cut(std::vector<std::size_t>{0})) - 30;
        const std::size_t limit = lowest + random() % std::max<std::size_t>(given - lowest, 1);

        double best = -1;
        for (std::uint32_t mask = 0; mask < (1u << (m - 1)); ++mask) {
            std::vector<std::size_t> starts{0};
            for (std::size_t k = 1; k < m; ++k) {
                if (mask >> (k - 1) & 1) starts.push_back(k);
            }
            const std::vector<TextRun> cut = fitter.Cut(starts);
            if (ConvertedSize(cut) > limit) continue;
            const double error = Error(line, cut);
            if (best < 0 || error < best) best = error;
        }

        const ColourFit fit = fitter.Fit(limit);
        if (given <= limit) {
            EXPECT_TRUE(fit.fits);
            EXPECT_EQ(fit.runs, line);
            continue;
        }
        if (best < 0) {
            ++refused;
            EXPECT_FALSE(fit.fits) << "line " << n;
            EXPECT_GT(fit.bytes, limit);
            EXPECT_EQ(fit.bytes, ConvertedSize(fitter.Cut(std::vector<std::size_t>{0})));
            continue;
        }
        ++fitted;
        ASSERT_TRUE(fit.fits) << "line " << n;
        EXPECT_TRUE(fit.exact);
        EXPECT_NEAR(fit.error, best, 1e-9) << "line " << n;
        EXPECT_NEAR(Error(line, fit.runs), fit.error, 1e-9) << "line " << n;
        EXPECT_EQ(ConvertedSize(fit.runs), fit.bytes) << "line " << n;
        EXPECT_LE(fit.bytes, limit);
        EXPECT_EQ(Uncoloured(fit.runs), Uncoloured(line)) << "line " << n;
    }
    EXPECT_GT(fitted, 50);
    EXPECT_GT(refused, 5);
}

TEST(ColourFitter, FitsLongLinesIntoOneMessageAndRefusesPlainTextTooLong) {
    const std::vector<TextRun> plain = {{std::u16string(150, u'x'), {kSongti, 134, 60, 0, 0x0000FF}}};
    const std::vector<TextRun> rainbow = WithRainbow(plain);
    ASSERT_GT(ConvertedSize(rainbow), 1000u);
    const ColourFit fit = FitColours(rainbow);
    ASSERT_TRUE(fit.fits);
    EXPECT_EQ(ConvertedSize(fit.runs), fit.bytes);
    EXPECT_LE(fit.bytes, kMaxUrtfBytes);
    EXPECT_GT(fit.colourRuns, 4u);
    EXPECT_EQ(Uncoloured(fit.runs), Uncoloured(rainbow));
    // The runs keep the rainbow's order of hues.
    double previous = 0;
    for (const TextRun& run : fit.runs) {
        double hue = ToOkLch(SrgbToOkLab(*run.format.color)).h;
        if (hue < 20) hue += 360;
        EXPECT_GT(hue, previous);
        previous = hue;
    }

    // Random swatch colours letter by letter, where ways that keep different colours for later multiply:
    // the search gives way to a coarser one, whose answer still fits and beats one colour for all.
    std::mt19937 random(150);
    std::vector<TextRun> swatches;
    for (int i = 0; i < 120; ++i) {
        const std::uint32_t kSwatches[] = {0x0000FF, 0x000000, 0xC0DCC0, 0xFF0000, 0xFF00FF, 0x808000};
        swatches.push_back(
            {std::u16string(1, char16_t(u'a' + i % 26)), {kSongti, 134, 60, 0, kSwatches[random() % 6]}});
    }
    const ColourFitter fitter(swatches);
    const ColourFit coarse = fitter.Fit();
    ASSERT_TRUE(coarse.fits);
    EXPECT_FALSE(coarse.exact);
    EXPECT_EQ(ConvertedSize(coarse.runs), coarse.bytes);
    EXPECT_LE(coarse.bytes, kMaxUrtfBytes);
    EXPECT_EQ(Uncoloured(coarse.runs), Uncoloured(swatches));
    EXPECT_LT(coarse.error, Error(swatches, fitter.Cut(std::vector<std::size_t>{0})));

    const std::vector<TextRun> tooLong = {{std::u16string(600, u'x'), {kSongti, 134, 60, 0, 0x0000FF}}};
    const ColourFit refused = FitColours(tooLong);
    EXPECT_FALSE(refused.fits);
    EXPECT_TRUE(refused.runs.empty());
    EXPECT_EQ(refused.bytes, ConvertedSize(tooLong));  // one colour already: what it needs as it is
}

}  // namespace
}  // namespace huecast
