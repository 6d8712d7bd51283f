// Fitting a 200-letter line with a colour per letter (a rainbow, and random swatch colours) into one
// message of 400 bytes, against
// converting the same line as the length display does on every keystroke (the editor's runs read from its
// RTF, the document written and converted); both are paired with a memcpy of the same bytes, so the two
// ratios printed at the end compare with each other on a noisy machine. Applying a rainbow and a gradient
// to the same line is measured the same way.
#include <string>
#include <vector>

#include "bench/aatext/bench_ratio.h"
#include "colour/colour_fit.h"
#include "colour/colour_steps.h"
#include "convert/editor_rtf.h"
#include "convert/posix/iconv_code_page.h"
#include "convert/rtf_runs.h"
#include "convert/urtf.h"

int main(int argc, char** argv) {
    using namespace huecast;
    static const IconvCodePageConverter cp936;
    std::u16string letters;
    for (int i = 0; i < 200; ++i)
        letters.push_back(static_cast<char16_t>(i % 9 == 8 ? u' ' : u'a' + i % 26));
    const std::vector<TextRun> plain = {{letters, {"\xcb\xce\xcc\xe5", 134, 60, 0, 0x0000FF}}};
    static const std::vector<TextRun> rainbow = WithRainbow(plain);
    static const std::string rtf = WriteEditorRtf(rainbow, cp936);
    static const std::string plainText(letters.begin(), letters.end());
    if (!FitColours(rainbow).fits) return 1;

    // The same letters in random swatch colours (random colouring by character): colours used again and
    // again, where the exact search gives way to the coarser ones.
    static std::vector<TextRun> swatches;
    const std::uint32_t kSwatches[] = {0x0000FF, 0x000000, 0xC0DCC0, 0xFF0000, 0xFF00FF, 0x808000};
    for (std::size_t i = 0; i < letters.size(); ++i)
        swatches.push_back(
            {letters.substr(i, 1), {"\xcb\xce\xcc\xe5", 134, 60, 0, kSwatches[(i * 7 + i / 3) % 6]}});
    if (!FitColours(swatches).fits) return 1;

    bench::Register("FitColours/200-letter rainbow into 400 bytes", rtf.size(),
                    [] { benchmark::DoNotOptimize(FitColours(rainbow)); });
    bench::Register("FitColours/200 letters in random swatch colours", rtf.size(),
                    [] { benchmark::DoNotOptimize(FitColours(swatches)); });
    bench::Register("Convert/200-letter rainbow (one keystroke)", rtf.size(), [] {
        benchmark::DoNotOptimize(
            ConvertToUrtf(WriteEditorRtf(ReadRtfRuns(rtf, cp936), cp936), plainText, cp936));
    });
    bench::Register("WithRainbow/200 letters", rtf.size(),
                    [&plain] { benchmark::DoNotOptimize(WithRainbow(plain)); });
    bench::Register("WithGradient/200 letters, three colours", rtf.size(), [&plain] {
        benchmark::DoNotOptimize(WithGradient(plain, {0x0000FF, 0x00FF00, 0xFF0000, false}));
    });
    return bench::RunWithRatios(argc, argv);
}
