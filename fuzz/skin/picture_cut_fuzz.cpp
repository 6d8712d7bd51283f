// Untrusted element geometry: random corner points, client rects, source rects beyond the picture, pieces of
// length 0 and control sizes 0..2000, through the fitting, the picture cutter and the mask scan. The
// sanitizers catch any read or write outside a bitmap; a pixel written outside the mapped size traps.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/picture/mask_runs.h"
#include "skin/picture/picture_cut.h"

namespace {

using namespace huecast;
using namespace huecast::skin;

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    int Next(int lo, int hi) {  // lo .. hi
        std::uint16_t v = 0;
        if (size >= 2) {
            std::memcpy(&v, data, 2);
            data += 2;
            size -= 2;
        }
        return lo + v % (hi - lo + 1);
    }
    Point NextPoint() { return {Next(-8, 80), Next(-8, 80)}; }
    Rect NextRect(int lo, int hi) { return {Next(lo, hi), Next(lo, hi), Next(lo, hi), Next(lo, hi)}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    Bitmap picture(in.Next(0, 90), in.Next(0, 90), 24);
    for (std::uint8_t& b : picture.Bytes()) b = static_cast<std::uint8_t>(in.Next(0, 1) ? 0 : 255);
    const Size skinSize{in.Next(-4, 80), in.Next(-4, 80)};
    const Point lt = in.NextPoint(), rt = in.NextPoint(), lb = in.NextPoint(), rb = in.NextPoint();
    SkinPieces pieces{skinSize, lt, rt, lb, rb, in.NextRect(-8, 80), ResizeModeOf(skinSize, rt, lb, rb)};
    const Rect source = in.NextRect(-20, 120);
    const PieceMapping m = FitToSkin(pieces, {in.Next(0, 2000), in.Next(0, 2000)});
    // A guard column and row beyond the mapped size must stay untouched.
    const int w = std::max(m.size.cx, 0), h = std::max(m.size.cy, 0);
    if (static_cast<long long>(w) * h > 4'000'000) return 0;
    Bitmap target(w + 1, h + 1, 24);
    std::memset(target.Bytes().data(), 0x5A, target.Bytes().size());
    Bitmap view = Bitmap::View(target.Bytes().data(), w + 1, h + 1, 24, Bitmap::Order::TopDown);
    CutPicture(picture, source, pieces, m, view);
    for (int y = 0; y <= h; ++y)
        for (int x = y == h ? 0 : w; x <= w; ++x)
            if (view.PixelColor(x, y) != 0x5A5A5A) __builtin_trap();
    CutNinePiece(picture, source, lt, rb, view, in.NextRect(-50, 2100));
    (void)MaskRuns(picture);
    (void)ShapeRuns(picture, source, pieces, m);
    return 0;
}
