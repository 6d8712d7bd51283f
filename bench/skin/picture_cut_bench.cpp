// Composing a control's look from the 24-bit picture cache, against a memcpy of the same output bytes,
// side by side in one run: the built-in list box (free mode) at 400 × 300, and the horizontal button.
#include <benchmark/benchmark.h>

#include <cstring>

#include "skin/picture/picture_cut.h"
#include "skin/format/skin_data.h"
#include "tests/skin/orange_elements.h"

namespace {

using namespace huecast;
using namespace huecast::skin;

void BM_MemcpyOfTheOutput(benchmark::State& state) {
    Bitmap from(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 24);
    Bitmap to(from.Width(), from.Height(), 24);
    for (auto _ : state) {
        std::memcpy(to.Bytes().data(), from.Bytes().data(), to.Bytes().size());
        benchmark::DoNotOptimize(to.Bytes().data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * to.Bytes().size()));
}
BENCHMARK(BM_MemcpyOfTheOutput)->Args({400, 300})->Args({95, 25});

void BM_CutElement(benchmark::State& state, const char* name) {
    const TSkinData& data = skin::testing::OrangeSkinData();
    const auto* d = data.SkinControlAs<TDataSkinCustomControl>(name);
    const Bitmap* picture = data.ActivePicture24(d->pictureIndex);
    const SkinPieces pieces = PiecesOf(*d);
    const PieceMapping m = FitToSkin(pieces, {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))});
    Bitmap to(m.size.cx, m.size.cy, 24);
    for (auto _ : state) {
        CutPicture(*picture, d->skinRect, pieces, m, to);
        benchmark::DoNotOptimize(to.Bytes().data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * to.Bytes().size()));
}
BENCHMARK_CAPTURE(BM_CutElement, listbox, "listbox")->Args({400, 300});
BENCHMARK_CAPTURE(BM_CutElement, button, "button")->Args({95, 25});

}  // namespace

BENCHMARK_MAIN();
