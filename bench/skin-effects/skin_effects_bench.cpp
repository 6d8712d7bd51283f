// TEffectBmp's morphs and effects on a caption-sized bitmap, each as a ratio to memcpy of the bitmap's
// bytes in the same run. A morph runs on every 20 ms step of a morphing element.
#include <string>

#include "bench/aatext/bench_ratio.h"
#include "skin/picture/effect_bmp.h"

namespace huecast::skin {
namespace {

TEffectBmp Pattern(int w, int h, int seed) {
    TEffectBmp bmp(w, h);
    for (int y = 0; y < h; ++y)
        for (int i = 0; i < 3 * w; ++i)
            bmp.ScanLine(y)[i] = static_cast<std::uint8_t>((i * 7 + y * 13 + seed) % 256);
    return bmp;
}

void RegisterAll() {
    constexpr int kW = 400, kH = 30;
    static const TEffectBmp normal = Pattern(kW, kH, 1);
    static const TEffectBmp active = Pattern(kW, kH, 99);
    static TEffectBmp work(kW, kH);
    const std::size_t bytes = normal.Stride() * kH;
    std::string size = " ";
    size += std::to_string(kW);
    size += 'x';
    size += std::to_string(kH);

    const std::pair<const char*, MorphKind> morphs[] = {
        {"Morph blend", MorphKind::Default},
        {"Morph centre gradient", MorphKind::Gradient},
        {"Morph left gradient", MorphKind::LeftGradient},
        {"Morph right gradient", MorphKind::RightGradient},
        {"Morph left slide", MorphKind::LeftSlide},
        {"Morph right slide", MorphKind::RightSlide},
        {"Morph push", MorphKind::Push},
    };
    // Each morph includes restoring the normal look (one copy), as a morph step does.
    for (auto [name, kind] : morphs)
        bench::Register(std::string(name) + size, bytes, [kind] {
            work = normal;
            work.Morph(kind, active, 0.37);
        });
    bench::Register("Restore only (morph baseline)" + size, bytes, [] { work = normal; });
    bench::Register("Brightness" + size, bytes, [] { work.Brightness(0.5); });
    bench::Register("Darkness" + size, bytes, [] { work.Darkness(0.3); });
    bench::Register("Grayscale" + size, bytes, [] { work.Grayscale(); });
    bench::Register("Invert" + size, bytes, [] { work.Invert(); });
    bench::Register("SplitBlur 1" + size, bytes, [] { work.SplitBlur(1); });
    static UniformRandom random(1);
    bench::Register("Noise 50" + size, bytes, [] { work.Noise(50, random); });
}

}  // namespace
}  // namespace huecast::skin

int main(int argc, char** argv) {
    huecast::skin::RegisterAll();
    return huecast::bench::RunWithRatios(argc, argv);
}
