// One frame of the scrolling banner as a ratio to memcpy of the frame's bytes: the row-block copies from
// the rendered text (one block, or two where the text wraps round) and the fade of the top and bottom
// rows, alone and as the control draws a frame on each step (ScrollTo). The banner is the main window's:
// 599 × 37 pixels, a fade of 10 rows, its five lines rendered once before measuring.
#include <memory>

#include "aatext/aa_scroll_text.h"
#include "aatext/banner_frame.h"
#include "aatext/synthetic_rasterizer.h"
#include "bench/aatext/bench_ratio.h"

namespace huecast {
namespace {

constexpr int kWidth = 599;
constexpr int kHeight = 37;
constexpr std::uint32_t kSkyBlue = 0xF0CAA6;

// The bench steps the banner itself.
class StillTimer final : public TickTimer {
  public:
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool value) override { enabled_ = value; }
    std::uint16_t Interval() const override { return interval_; }
    void SetInterval(std::uint16_t value) override { interval_ = value; }
    TTimerQuality Quality() const override { return quality_; }
    void SetQuality(TTimerQuality value) override { quality_ = value; }

  private:
    bool enabled_ = false;
    std::uint16_t interval_ = 0;
    TTimerQuality quality_ = TTimerQuality::tqLow;
};

struct Banner {
    SyntheticRasterizer rasterizer;
    FixedSystemTexts system;
    TAAScrollText control{rasterizer, system, std::make_unique<StillTimer>(), std::make_unique<StillTimer>()};

    Banner() {
        control.BeginLoading();
        control.SetSize(kWidth, kHeight);
        control.Text().SetTailSpace(0);
        control.Text().SetQuality(TAAQuality::aqHigh);
        control.Text().SetBackColor(kSkyBlue);
        control.CreateDefaultLabels();
        FontSpec title;
        title.height = -48;
        title.weight = 700;
        control.Fonts().AddItem().SetName("Title4");
        control.Fonts()[0].SetFont(title);
        control.Fonts()[0].Effect().Shadow().SetEnabled(true);
        control.Fonts()[0].Effect().Gradual().SetEnabled(true);
        control.Text().SetLines({"<Center><Title4>Huecast2.04", "<Center><Title4>For Win2000/XP",
                                 "Every character its own colour", "Made by the Huecast team",
                                 "hello@huecast.example"});
        control.Loaded();
    }
};

void RegisterAll() {
    static Banner banner;
    const Bitmap& text = banner.control.TextBmp();
    static Bitmap view(kWidth, kHeight, 24);
    const std::size_t frameBytes = view.Stride() * kHeight;
    const int wrapAt = text.Height() - kHeight / 2;

    bench::Register("copy, one block", frameBytes, [&text] { CopyFrameRows(text, 10, view); });
    bench::Register("copy, two blocks (wrapping)", frameBytes,
                    [&text, wrapAt] { CopyFrameRows(text, wrapAt, view); });
    bench::Register("fade, 2 x 10 rows", frameBytes, [] { FadeEdges(view, 10, kSkyBlue); });
    bench::Register("frame (ScrollTo: copies and fade)", frameBytes, [] {
        TAAScrollText& control = banner.control;
        control.ScrollTo(control.Position() + 1);
    });
}

}  // namespace
}  // namespace huecast

int main(int argc, char** argv) {
    huecast::RegisterAll();
    return huecast::bench::RunWithRatios(argc, argv);
}
