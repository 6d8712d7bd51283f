// A Windows measurement beside the native benchmarks: a whole TextOut of a 40-character Chinese line at
// aqHigh with shadow, gradient, blur and outline, glyphs drawn by GDI, as a ratio to memcpy of the line's
// box in the same process. Run it under Wine or on Windows; it prints the medians and the ratios.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "aatext/aa_painter_ex.h"
#include "aatext/win32/dib_canvas.h"

namespace {

// Median time of one call, in nanoseconds, over batches sized to last about a millisecond each.
double MedianNanoseconds(const std::function<void()>& op) {
    using Clock = std::chrono::steady_clock;
    int batch = 1;
    for (;;) {
        const auto start = Clock::now();
        for (int i = 0; i < batch; ++i)
            op();
        if (Clock::now() - start > std::chrono::milliseconds(1) || batch > (1 << 20)) break;
        batch *= 2;
    }
    std::vector<double> samples;
    for (int s = 0; s < 31; ++s) {
        const auto start = Clock::now();
        for (int i = 0; i < batch; ++i)
            op();
        samples.push_back(std::chrono::duration<double, std::nano>(Clock::now() - start).count() / batch);
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

}  // namespace

int main() {
    using namespace huecast;
    std::string line;  // "华彩文字平滑边缘测试" four times, in GBK
    for (int i = 0; i < 4; ++i)
        line += "\xBB\xAA\xB2\xCA\xCE\xC4\xD7\xD6\xC6\xBD\xBB\xAC\xB1\xDF\xD4\xB5\xB2\xE2\xCA\xD4";

    DibCanvas surface(800, 40);
    surface.Canvas().font.height = -16;
    surface.Canvas().brush.style = Brush::Style::Clear;
    TAAPainterEx painter(&surface.Canvas());
    painter.SetQuality(TAAQuality::aqHigh);
    TAAEffect& effect = painter.Effect();
    effect.Shadow().SetEnabled(true);
    effect.Gradual().SetEnabled(true);
    effect.SetBlur(30);
    effect.SetOutline(true);

    const Size box = painter.TextExtent(line);
    const std::size_t boxBytes = 3 * static_cast<std::size_t>(box.cx) * box.cy;
    std::vector<char> from(boxBytes, 1), to(boxBytes);
    const double copy = MedianNanoseconds([&] {
        std::memcpy(to.data(), from.data(), boxBytes);
        asm volatile("" : : "r"(to.data()) : "memory");
    });
    const double mask = MedianNanoseconds([&] { painter.Mask().DrawMask(line); });
    const double textOut = MedianNanoseconds([&] { painter.TextOut(0, 0, line); });
    std::printf("line box %d x %d (%zu bytes)\n", box.cx, box.cy, boxBytes);
    std::printf("memcpy of the box           %10.0f ns\n", copy);
    std::printf("DrawMask (GDI + reduction)  %10.0f ns  %8.1f x memcpy\n", mask, mask / copy);
    std::printf("TextOut with all effects    %10.0f ns  %8.1f x memcpy\n", textOut, textOut / copy);
    return 0;
}
