// Composing a four-line hint of about 300 x 60 from the built-in skin's hint picture, against a memcpy
// of its pixels, side by side in one run (the goal: at most 6x).

#include "bench/aatext/bench_ratio.h"
#include "skin/popups/hint_layout.h"
#include "skin/format/skin_data.h"
#include "tests/skin/orange_elements.h"

namespace {

using namespace huecast;
using namespace huecast::skin;

}  // namespace

int main(int argc, char** argv) {
    const TSkinData& data = skin::testing::OrangeSkinData();
    const TDataSkinHintWindow& look = data.HintWindow();
    const Bitmap& picture = *data.ActivePicture24(look.windowPictureIndex);
    // Four lines of 12-pixel text, about 294 x 54, in hw.bmp's 3-pixel margins.
    const HintSkin skin{look, {picture.Width(), picture.Height()}};
    const HintLayout layout = LayOutHint({294, 54}, &skin);
    static Bitmap target(layout.window.cx, layout.window.cy, 24);
    bench::Register("hint compose 300x60", target.Bytes().size(), [&] {
        ComposeHintPicture(picture, look, target);
        benchmark::DoNotOptimize(target.Bytes().data());
        benchmark::ClobberMemory();
    });
    return bench::RunWithRatios(argc, argv);
}
