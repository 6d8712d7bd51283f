// One morph step of a wide button from the built-in skin at 400 × 25, as a ratio to a memcpy of the look's
// pixels in the same run: the step as the buttons run it (the two looks cut once, then copied and pushed
// one into the other), and the first step, which also cuts both looks.

#include "bench/aatext/bench_ratio.h"
#include "skin/picture/effect_bmp.h"
#include "skin/controls/morph_looks.h"
#include "skin/picture/picture_cut.h"
#include "skin/format/skin_data.h"
#include "tests/skin/orange_elements.h"

namespace huecast {
namespace {

using namespace huecast::skin;

void RegisterAll() {
    const TSkinData& data = skin::testing::OrangeSkinData();
    static const auto* button = data.SkinControlAs<TDataSkinButtonControl>("button");
    static const Bitmap* picture = data.ActivePicture24(button->pictureIndex);
    static const SkinPieces pieces = PiecesOf(*button);
    static const PieceMapping mapping = FitToSkin(pieces, {400, 25});
    static TEffectBmp normal(mapping.size.cx, mapping.size.cy);
    static TEffectBmp active(mapping.size.cx, mapping.size.cy);
    const std::size_t bytes = normal.Stride() * static_cast<std::size_t>(normal.Height());
    bench::Register("Button look 400x25: two cuts and the push morph", bytes, [] {
        CutPicture(*picture, button->skinRect, pieces, mapping, normal.Pixels());
        CutPicture(*picture, button->activeSkinRect, pieces, mapping, active.Pixels());
        normal.MorphPush(active, 0.4);
    });
    static MorphLooks looks;
    static Bitmap out(mapping.size.cx, mapping.size.cy, 24, Bitmap::Order::BottomUp);  // as a DIB section
    looks.Prepare(*picture, button->skinRect, button->activeSkinRect, pieces, mapping);
    bench::Register("Button look 400x25: push morph step from the cut looks", bytes,
                    [] { looks.Compose(button->morphKind, 0.4, out); });
    bench::Register("Button look 400x25: one cut", bytes,
                    [] { CutPicture(*picture, button->skinRect, pieces, mapping, normal.Pixels()); });
}

}  // namespace
}  // namespace huecast

int main(int argc, char** argv) {
    huecast::RegisterAll();
    return huecast::bench::RunWithRatios(argc, argv);
}
