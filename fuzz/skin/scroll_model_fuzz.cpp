// The scroll bar and track bar models under any sequence of writes and sizes: every position stays within
// its rule, and every thumb lies inside its track whenever the track is long enough for it.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/lists/scroll_bar_model.h"
#include "skin/lists/scroll_repeat.h"
#include "skin/lists/track_bar_model.h"

namespace {

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    bool Empty() const { return size == 0; }
    std::uint8_t Byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    int Int() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | Byte();
        int out;
        std::memcpy(&out, &v, sizeof out);
        return out;
    }
    // A small value, often near the interesting edges.
    int Small() { return static_cast<int>(static_cast<std::int16_t>(Byte() << 8 | Byte())) % 2000; }
};

[[noreturn]] void Fail() {
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace huecast;
    using namespace huecast::skin;
    Reader in{data, size};
    ScrollRange range;
    TrackBarRange track;
    ScrollRepeat repeat;
    while (!in.Empty()) {
        const std::uint8_t op = in.Byte();
        const bool wide = op & 0x80;
        const int value = wide ? in.Int() : in.Small();
        switch (op & 0x0F) {
            case 0:
                SetScrollPosition(range, value);
                break;
            case 1:
                SetScrollMin(range, value);
                break;
            case 2:
                SetScrollMax(range, value);
                break;
            case 3:
                SetScrollPageSize(range, value);
                break;
            case 4:
                SetScrollRange(range, in.Small(), in.Small(), in.Small(), value);
                break;
            case 5:
                SetTrackValue(track, value);
                break;
            case 6:
                SetTrackMinValue(track, value);
                break;
            case 7:
                SetTrackMaxValue(track, value);
                break;
            case 8:
                repeat.Press(static_cast<ScrollRepeat::Mode>(in.Byte() % 5));
                break;
            case 9:
                repeat.Tick(value & 1);
                break;
            case 10:
                repeat.PointerMoved(value & 1);
                break;
            case 11:
                repeat.Release();
                break;
            default: {
                const auto kind = (op & 0x10) ? ScrollBarKind::Vertical : ScrollBarKind::Horizontal;
                const int w = in.Byte() + 1, h = in.Byte() + 1;
                const ScrollBarGeometry g = LayOutScrollBar(
                    {.kind = kind, .width = w, .height = h, .bothMarkerWidth = in.Byte() % 40}, range);
                const int trackStart = kind == ScrollBarKind::Horizontal ? g.track.left : g.track.top;
                const int trackEnd = kind == ScrollBarKind::Horizontal ? g.track.right : g.track.bottom;
                const int thumbStart = kind == ScrollBarKind::Horizontal ? g.thumb.left : g.thumb.top;
                const int thumbEnd = kind == ScrollBarKind::Horizontal ? g.thumb.right : g.thumb.bottom;
                if (g.Travel() < 0 || g.offset < 0 || g.offset > g.Travel()) Fail();
                if (trackEnd - trackStart >= g.thumbLength &&
                    (thumbStart < trackStart || thumbEnd > trackEnd))
                    Fail();
                const int p = ScrollPositionForOffset(range, value, g.Travel());
                if (p != range.Clamp(p)) Fail();
                ScrollBarPartAt(g, kind, {value % 300, in.Small()});
                const TrackBarLayoutArgs targs{.vertical = (op & 0x20) != 0, .width = w, .height = h};
                const TrackBarGeometry tg = LayOutTrackBar(targs, track);
                if (tg.travel < 0 || tg.offset < 0 || tg.offset > tg.travel) Fail();
                if (TrackValueForOffset(track, value, tg.travel) !=
                    track.Clamp(TrackValueForOffset(track, value, tg.travel)))
                    Fail();
                TrackClickOffset(targs, tg, {value % 500, in.Small()});
                break;
            }
        }
        if (range.position != range.Clamp(range.position)) Fail();
        if (track.value != track.Clamp(track.value)) Fail();
        if (repeat.TimerInterval() < 0) Fail();
    }
    return 0;
}
