// Long messages cut into parts the messenger takes, and the writer the parts are written with.
#include "convert/urtf_split.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "convert/urtf_writer.h"
#include "tests/convert/gbk.h"

namespace huecast {
namespace {

const std::string kSongti = "\xcb\xce\xcc\xe5";  // 宋体

std::vector<UrtfRun> Read(std::string_view urtf) {
    return ReadUrtf(urtf, test::Cp936());
}

CharFormat Format(std::optional<std::uint32_t> colour = 0x0000FF, int sizeHalfPoints = 60) {
    return {kSongti, 134, sizeHalfPoints, 0, colour};
}

// Runs as ReadUrtf gives them: neighbours of one format merged.
std::vector<UrtfRun> Merged(const std::vector<UrtfRun>& runs) {
    std::vector<UrtfRun> out;
    for (const UrtfRun& run : runs) {
        if (run.text.empty()) continue;
        if (!out.empty() && out.back().format == run.format) {
            out.back().text += run.text;
        } else {
            out.push_back(run);
        }
    }
    return out;
}

// The runs of all parts read back one after the other.
std::vector<UrtfRun> ReadParts(const std::vector<std::string>& parts) {
    std::vector<UrtfRun> all;
    for (const std::string& part : parts) {
        const std::vector<UrtfRun> runs = Read(part);
        all.insert(all.end(), runs.begin(), runs.end());
    }
    return Merged(all);
}

// Any characters at all, from ASCII with RTF's symbols to emoji beyond U+FFFF, in many formats.
std::vector<UrtfRun> RandomRuns(std::mt19937& random, int runs) {
    static const char32_t kCharacters[] = {U'a', U'Z', U'0',  U' ',  U'-',  U'\\', U'{',  U'}',
                                           U'?', U';', U'\t', U'\r', U'你', U'好', U'，', U'“',
                                           U'€', U'·', U'한', U'♥',  U'😀',  U'🎉',  0x01,  0x7F};
    static const std::pair<std::string, int> kFonts[] = {{kSongti, 134}, {"Webdings", 2}, {"Arial", 0}};
    std::vector<UrtfRun> out(static_cast<std::size_t>(runs));
    for (UrtfRun& run : out) {
        for (int n = static_cast<int>(random() % 12) + 1; n > 0; --n)
            run.text.push_back(kCharacters[random() % std::size(kCharacters)]);
        const auto& font = kFonts[random() % std::size(kFonts)];
        run.format = {font.first, font.second, static_cast<int>(random() % 491 + 10) * 2,
                      unsigned(random() % 16),
                      random() % 4 == 0 ? std::nullopt : std::optional<std::uint32_t>(random() & 0xFFFFFF)};
    }
    return out;
}

TEST(WriteUrtf, WritesEveryCharacterSoThatItReadsBack) {
    std::mt19937 random(400);
    for (int n = 0; n < 2'000; ++n) {
        const std::vector<UrtfRun> runs = Merged(RandomRuns(random, static_cast<int>(random() % 8) + 1));
        ASSERT_EQ(Read(WriteUrtf(runs)), runs) << WriteUrtf(runs);
    }
}

TEST(WriteUrtf, WritesTheConversionsForm) {
    EXPECT_EQ(WriteUrtf(std::vector<UrtfRun>{{U"你好", Format()}}),
              "{\\urtf{\\fonttbl{\\f0 " + kSongti +
                  ";}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\cf1\\f0\\fs60\\u20320?\\u22909?\\par}");
    // Black as "\;", a symbol font with its character set, a delimiting space only where it is needed, a
    // character beyond U+FFFF as two surrogates.
    EXPECT_EQ(WriteUrtf(std::vector<UrtfRun>{{U"a b", Format(0x000000, 24)},
                                             {U"Y", {"Webdings", 2, 24, 1, 0x000000}},
                                             {U"😀\\", {"\xba\xda\xcc\xe5", 134, 24, 0, std::nullopt}}}),
              "{\\urtf{\\fonttbl{\\f0 " + kSongti +
                  ";}{\\f1\\fcharset2 Webdings;}{\\f2 \\'ba\\'da\\'cc\\'e5;}}{\\colortbl;\\;}"
                  "\\pard\\cf1\\f0 a b\\b\\f1 Y\\cf0\\b0\\f2\\u55357?\\u56832?\\\\\\par}");
    EXPECT_EQ(WriteUrtf({}), "{\\urtf{\\fonttbl}{\\colortbl;}\\pard\\par}");
}

TEST(UrtfBuilder, KnowsItsSizeAtEveryStepAndGoesBackToAnyMark) {
    std::mt19937 random(401);
    const std::vector<UrtfRun> runs = RandomRuns(random, 30);
    UrtfBuilder builder;
    std::vector<UrtfRun> written;
    std::vector<std::pair<UrtfBuilder::Mark, std::string>> marks;  // and the text at that step
    for (const UrtfRun& run : runs) {
        written.push_back({{}, run.format});
        for (const char32_t c : run.text) {
            builder.Append(c, run.format);
            written.back().text.push_back(c);
            const std::string text = WriteUrtf(written);
            ASSERT_EQ(builder.Size(), text.size());
            marks.emplace_back(builder.Here(), text);
        }
    }
    for (int n = 0; n < 50; ++n) {
        const auto& [mark, text] = marks[random() % marks.size()];
        UrtfBuilder copy = builder;
        copy.Rewind(mark);
        ASSERT_EQ(copy.Size(), text.size());
        // And it goes on from there as if it had never gone further.
        const CharFormat& format = runs.back().format;
        copy.Append(U'x', format);
        std::vector<UrtfRun> more = Read(text);
        more.push_back({U"x", format});
        ASSERT_EQ(Read(std::move(copy).Finish()), Merged(more));
    }
}

TEST(UrtfColourCost, AddsUpToTheWrittenSizeForAnyColours) {
    std::mt19937 random(403);
    for (int n = 0; n < 2'000; ++n) {
        std::vector<UrtfRun> runs = RandomRuns(random, static_cast<int>(random() % 8) + 1);
        // Few colours, so that some recur; now and then eleven, so that indices take two digits.
        const std::uint32_t palette = n % 10 == 0 ? 11 : 3;
        for (UrtfRun& run : runs) {
            const std::uint32_t pick = random() % (palette + 1);
            run.format.color = pick == palette ? std::nullopt : std::optional<std::uint32_t>(pick * 0x30507);
        }
        const UrtfColourCost cost(runs);
        std::size_t size = cost.ColourlessSize();
        std::vector<std::uint32_t> inUse;
        int index = 0;
        std::size_t at = 0;
        for (const UrtfRun& run : runs) {
            int runIndex = 0;
            if (run.format.color) {
                auto found = std::find(inUse.begin(), inUse.end(), *run.format.color);
                if (found == inUse.end()) {
                    size += UrtfColourCost::EntrySize(*run.format.color);
                    found = inUse.insert(inUse.end(), *run.format.color);
                }
                runIndex = static_cast<int>(found - inUse.begin()) + 1;
            }
            if (runIndex != index) size += cost.ChangeSize(at, index = runIndex);
            at += run.text.size();
        }
        ASSERT_EQ(size, WriteUrtf(runs).size()) << WriteUrtf(runs);
    }
}

TEST(SplitUrtf, PartsFitAndTogetherGiveTheWhole) {
    std::mt19937 random(402);
    for (int n = 0; n < 300; ++n) {
        const std::vector<UrtfRun> runs = Merged(RandomRuns(random, static_cast<int>(random() % 200) + 1));
        const std::vector<std::string> parts = SplitUrtf(runs);
        ASSERT_FALSE(parts.empty());
        for (const std::string& part : parts) {
            ASSERT_LE(part.size(), kMaxUrtfBytes);
            ASSERT_TRUE(part.starts_with("{\\urtf{\\fonttbl"));
            ASSERT_FALSE(Read(part).empty());
        }
        ASSERT_EQ(ReadParts(parts), runs) << "document " << n;
        // A text that fits is one part, written as a whole.
        if (WriteUrtf(runs).size() <= kMaxUrtfBytes) {
            EXPECT_EQ(parts, std::vector{WriteUrtf(runs)});
        }
    }
}

TEST(SplitUrtf, CutsAfterWordsInOneFormat) {
    std::u32string text;
    for (int i = 0; i < 150; ++i)
        text += i % 7 == 6 ? U"sentence, " : U"words ";
    const std::vector<UrtfRun> runs{{text, Format()}};
    const std::vector<std::string> parts = SplitUrtf(runs);
    ASSERT_GE(parts.size(), 3u);
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::u32string partText = Read(parts[i]).at(0).text;
        EXPECT_EQ(partText.back(), U' ') << "part " << i;
        EXPECT_GT(parts[i].size(), kMaxUrtfBytes - 12) << "part " << i << " is short";
    }
    EXPECT_EQ(ReadParts(parts), runs);
}

TEST(SplitUrtf, PrefersLineBreaksThenWordsThenFormatChanges) {
    // Chinese without spaces, a new colour every eight characters: the parts end where a colour ends.
    std::vector<UrtfRun> runs;
    for (int i = 0; i < 40; ++i)
        runs.push_back({U"你好你好你好你好", Format(i % 2 ? 0xFF0000 : 0x0000FF)});
    for (const std::string& part : SplitUrtf(runs))
        EXPECT_EQ(Read(part).back().text.size() % 8, 0u) << part;

    // The first part holds four runs and a little: a clause mark in its second half comes before the end of
    // the fourth run.
    runs[3].text = U"你好，你好你好你";
    const std::vector<std::string> parts = SplitUrtf(runs);
    EXPECT_EQ(Read(parts[0]).back().text, U"你好，");
    EXPECT_EQ(ReadParts(parts), Merged(runs));

    // A line break in the second half comes before both.
    runs[2].text = U"你好你\r你好你好";
    EXPECT_EQ(Read(SplitUrtf(runs)[0]).back().text, U"你好你\r");

    // Where the only natural place lies in the first half, the part is filled to the limit instead.
    const std::vector<UrtfRun> early{{U"ab " + std::u32string(300, U'c') + U"z", Format()}};
    const std::vector<std::string> cut = SplitUrtf(early, WriteUrtf(early).size() - 1);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(Read(cut[1]).at(0).text, U"z");
}

TEST(SplitUrtf, EdgeCases) {
    EXPECT_TRUE(SplitUrtf({}).empty());
    EXPECT_TRUE(SplitUrtf(std::vector<UrtfRun>{{U"", Format()}}).empty());
    // Exactly the limit is one part.
    const std::vector<UrtfRun> runs{{U"你好", Format()}};
    const std::size_t whole = WriteUrtf(runs).size();
    EXPECT_EQ(SplitUrtf(runs, whole).size(), 1u);
    EXPECT_EQ(SplitUrtf(runs, whole - 1).size(), 2u);

    // A character too large for any message is reported with its place, not cut.
    const std::vector<UrtfRun> huge{{U"ab", Format()},
                                    {U"c", {std::string(400, 'F'), 0, 24, 0, std::nullopt}}};
    try {
        SplitUrtf(huge);
        ADD_FAILURE() << "no error";
    } catch (const UrtfSplitError& error) {
        EXPECT_EQ(error.CharacterIndex(), 2u);
        EXPECT_NE(std::string(error.what()).find("character 2 needs"), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace huecast
