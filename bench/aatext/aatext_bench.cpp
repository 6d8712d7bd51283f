// The anti-aliased text pipeline, each step as a ratio to memcpy of the bytes it works on:
//   the reductions (the supersampled work bitmap's bytes), the mask blur (the mask's bytes), BlendColor and
//   BlendForeground (the 24-bit box's bytes), and a whole TextOut of a 40-character Chinese line at aqHigh
//   with shadow, gradient, blur and outline (the box's bytes).
// Glyphs come from a rasterizer that hands out a rendering made once, so the figures are the core's own
// work and not that of a system or a synthetic glyph drawer.
#include <map>
#include <memory>
#include <string>

#include "aatext/aa_painter_ex.h"
#include "aatext/synthetic_rasterizer.h"
#include "bench/aatext/bench_ratio.h"

namespace huecast {
namespace {

// "华彩文字平滑边缘测试" four times: 40 double-byte characters.
std::string ChineseLine() {
    std::string line;
    for (int i = 0; i < 4; ++i)
        line += "\xBB\xAA\xB2\xCA\xCE\xC4\xD7\xD6\xC6\xBD\xBB\xAC\xB1\xDF\xD4\xB5\xB2\xE2\xCA\xD4";
    return line;
}

// Draws each distinct request once with the synthetic rasterizer and afterwards hands out views of it.
class PrebakedRasterizer : public GlyphRasterizer {
  public:
    Size TextExtent(const FontSpec& font, std::string_view text) override {
        return synthetic_.TextExtent(font, text);
    }
    std::unique_ptr<GlyphSurface> RenderText(const FontSpec& font, int width, int height, Point start,
                                             std::string_view text) override {
        const std::string key = std::to_string(font.height) + "/" + std::to_string(font.escapement) + "/" +
                                std::to_string(width) + "x" + std::to_string(height) + "@" +
                                std::to_string(start.x) + "," + std::to_string(start.y) + ":" +
                                std::string(text);
        auto& cached = cache_[key];
        if (!cached) cached = synthetic_.RenderText(font, width, height, start, text);
        const Bitmap& pixels = cached->Pixels();
        return std::make_unique<ViewSurface>(Bitmap::View(const_cast<std::uint8_t*>(pixels.Bytes().data()),
                                                          pixels.Width(), pixels.Height(), 8,
                                                          pixels.RowOrder()));
    }

  private:
    struct ViewSurface : GlyphSurface {
        explicit ViewSurface(Bitmap pixels) : view_(std::move(pixels)) {}
        const Bitmap& Pixels() const override { return view_; }
        Bitmap view_;
    };
    SyntheticRasterizer synthetic_;
    std::map<std::string, std::unique_ptr<GlyphSurface>> cache_;
};

struct Scene {
    PrebakedRasterizer rasterizer;
    Bitmap target{800, 40, 24};
    AACanvas canvas;
    std::unique_ptr<TAAPainterEx> painter;
    Scene() {
        canvas.target = &target;
        canvas.rasterizer = &rasterizer;
        canvas.font.height = -16;
        canvas.font.color = 0x203040;
        canvas.brush.style = Brush::Style::Clear;
        painter = std::make_unique<TAAPainterEx>(&canvas);
    }
};

void RegisterAll() {
    static Scene scene;
    const std::string line = ChineseLine();
    TAAPainterEx& painter = *scene.painter;

    for (TAAQuality quality : {TAAQuality::aqHigh, TAAQuality::aqNormal, TAAQuality::aqLow}) {
        painter.SetQuality(quality);
        const Size size = painter.Mask().TextSize(line);
        const int scale = ScaleOf(quality);
        const std::size_t workBytes = static_cast<std::size_t>(size.cx) * scale * size.cy * scale;
        bench::Register("DrawMask (reduce by " + std::to_string(scale) + ")", workBytes, [quality, line] {
            scene.painter->SetQuality(quality);
            scene.painter->Mask().DrawMask(line);
        });
    }

    painter.SetQuality(TAAQuality::aqHigh);
    painter.Mask().DrawMask(line);
    const int w = painter.Mask().Width(), h = painter.Mask().Height();
    static TAAMask original(painter);
    original.Assign(painter.Mask());
    const std::size_t maskBytes = static_cast<std::size_t>(w) * h;
    const std::size_t boxBytes = 3 * maskBytes;
    bench::Register("Mask Blur 100 (" + std::to_string(w) + "x" + std::to_string(h) + ")", maskBytes, [] {
        scene.painter->Mask().Assign(original);
        scene.painter->Mask().Blur(100);
    });
    bench::Register("Mask Assign only (blur baseline)", maskBytes,
                    [] { scene.painter->Mask().Assign(original); });
    bench::Register("BlendColor", boxBytes,
                    [] { scene.painter->Blend().BlendColor(2, 2, original, 100, 0x0000FF); });
    painter.Blend().ForeBmp() = Bitmap(w, h, 24);
    bench::Register("BlendForeground", boxBytes,
                    [] { scene.painter->Blend().BlendForeground(2, 2, original, 90); });

    bench::Register("TextOut aqHigh shadow+gradient+blur+outline", boxBytes, [line] {
        TAAPainterEx& p = *scene.painter;
        p.SetQuality(TAAQuality::aqHigh);
        TAAEffect& e = p.Effect();
        e.Shadow().SetEnabled(true);
        e.Gradual().SetEnabled(true);
        e.SetBlur(30);
        e.SetOutline(true);
        p.TextOut(0, 0, line);
    });
}

}  // namespace
}  // namespace huecast

int main(int argc, char** argv) {
    huecast::RegisterAll();
    return huecast::bench::RunWithRatios(argc, argv);
}
