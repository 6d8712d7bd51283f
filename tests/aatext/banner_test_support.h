// Helpers for the label, layout and banner tests: a timer ticked by hand, and a look at where ink landed.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "aatext/tick_timer.h"
#include "base/bitmap.h"

namespace huecast::testing {

// A timer that ticks when the test says, with the interval rule of the banner's timer: a new interval
// restarts it and leaves it running.
class ManualTimer : public TickTimer {
  public:
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override {
        if (value == enabled) return;
        enabled = value;
        if (value) ++starts;
    }
    std::uint16_t Interval() const override { return interval; }
    void SetInterval(std::uint16_t value) override {
        if (value == interval) return;
        interval = value;
        SetEnabled(false);
        SetEnabled(true);
    }
    TTimerQuality Quality() const override { return quality; }
    void SetQuality(TTimerQuality value) override { quality = value; }

    // One tick, if enabled; returns whether it fired.
    bool Tick() {
        if (!enabled || !OnTimer) return false;
        OnTimer();
        return true;
    }

    bool enabled = false;
    std::uint16_t interval = 1000;
    TTimerQuality quality = TTimerQuality::tqLow;
    int starts = 0;  // how often it was (re)started
};

// First and last column of row `y` whose colour differs from `background`; (-1, -1) when none does.
inline std::pair<int, int> InkColumns(const Bitmap& bitmap, int y, std::uint32_t background) {
    int first = -1, last = -1;
    for (int x = 0; x < bitmap.Width(); ++x) {
        if (bitmap.PixelColor(x, y) == background) continue;
        if (first < 0) first = x;
        last = x;
    }
    return {first, last};
}

// First row from the top with a pixel that differs from `background`, or -1.
inline int FirstInkRow(const Bitmap& bitmap, std::uint32_t background) {
    for (int y = 0; y < bitmap.Height(); ++y)
        if (InkColumns(bitmap, y, background).first >= 0) return y;
    return -1;
}

}  // namespace huecast::testing
