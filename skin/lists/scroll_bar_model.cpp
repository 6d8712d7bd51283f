#include "skin/lists/scroll_bar_model.h"

#include <algorithm>
#include <cmath>

namespace huecast::skin {

namespace {

int RoundToInt(double v) {
    return static_cast<int>(std::lround(v));
}

// The start and end of a rect along the bar, and its extent across it.
int Start(ScrollBarKind kind, const Rect& r) {
    return kind == ScrollBarKind::Horizontal ? r.left : r.top;
}
int End(ScrollBarKind kind, const Rect& r) {
    return kind == ScrollBarKind::Horizontal ? r.right : r.bottom;
}
int Length(ScrollBarKind kind, const Rect& r) {
    return End(kind, r) - Start(kind, r);
}
int Across(ScrollBarKind kind, const Rect& r) {
    return kind == ScrollBarKind::Horizontal ? r.Height() : r.Width();
}

// A rect from its extent along the bar and across it.
Rect FromAlong(ScrollBarKind kind, int start, int end, int acrossStart, int acrossEnd) {
    return kind == ScrollBarKind::Horizontal ? Rect{start, acrossStart, end, acrossEnd}
                                             : Rect{acrossStart, start, acrossEnd, end};
}

}  // namespace

int ScrollRange::MaxPosition() const {
    const long long top = pageSize > 0 ? static_cast<long long>(max) - pageSize + 1 : max;
    return static_cast<int>(std::max<long long>(min, top));
}

int ScrollRange::Clamp(int value) const {
    return std::clamp(value, min, MaxPosition());
}

double ScrollRange::Fraction(ScrollBarKind kind) const {
    if (pageSize > 0) {
        const double span = static_cast<double>(max) - pageSize + 1 - min;
        if (span <= 0) return kind == ScrollBarKind::Horizontal ? 1.0 : 0.0;
        return std::clamp((position - static_cast<double>(min)) / span, 0.0, 1.0);
    }
    if (max <= min) return 0.0;
    return std::clamp((position - static_cast<double>(min)) / (static_cast<double>(max) - min), 0.0, 1.0);
}

bool SetScrollPosition(ScrollRange& range, int position) {
    const int clamped = range.Clamp(position);
    if (clamped == range.position) return false;
    range.position = clamped;
    return true;
}

void SetScrollRange(ScrollRange& range, int min, int max, int pageSize, int position) {
    range.min = min;
    range.max = max;
    range.pageSize = std::max(0, pageSize);
    range.position = range.Clamp(position);
}

bool SetScrollMin(ScrollRange& range, int min) {
    range.min = min;
    const int old = range.position;
    range.position = range.Clamp(old);
    return range.position != old;
}

bool SetScrollMax(ScrollRange& range, int max) {
    range.max = max;
    const int old = range.position;
    range.position = range.Clamp(old);
    return range.position != old;
}

bool SetScrollPageSize(ScrollRange& range, int pageSize) {
    // The position must already lie within the range the new page allows.
    if (pageSize < 0 ||
        static_cast<long long>(range.position) + pageSize > static_cast<long long>(range.max) + 1)
        return false;
    range.pageSize = pageSize;
    return true;
}

ScrollBarGeometry LayOutScrollBar(const ScrollBarLayoutArgs& args, const ScrollRange& range) {
    const ScrollBarKind kind = args.kind;
    const bool horizontal = kind == ScrollBarKind::Horizontal;
    ScrollBarGeometry g;
    int fixedThumbLength = kPlainScrollPartLength;
    int thumbAcross = 0;
    if (const TDataSkinScrollBarControl* e = args.element) {
        // The skin's pieces keep their place except those at or beyond the growing middle, which move with
        // the control's growth along the bar.
        const int growth = horizontal ? args.width - e->skinRect.Width() : args.height - e->skinRect.Height();
        const int growFrom = horizontal ? e->rightTopPoint.x : e->leftBottomPoint.y;
        const auto moved = [&](Rect r) {
            if (Start(kind, r) < growFrom) return r;
            return horizontal ? r.Offset(growth, 0) : r.Offset(0, growth);
        };
        g.track = e->trackArea;
        (horizontal ? g.track.right : g.track.bottom) += growth;
        g.increment = moved(e->upButtonRect);
        g.decrement = moved(e->downButtonRect);
        fixedThumbLength = Length(kind, e->thumbRect);
        thumbAcross = Across(kind, e->thumbRect);
    } else {
        const int length = (horizontal ? args.width : args.height) - std::max(0, args.bothMarkerWidth);
        const int across = horizontal ? args.height : args.width;
        const int part = kPlainScrollPartLength;
        g.decrement = FromAlong(kind, 1, 1 + part, 1, across - 1);
        g.increment = FromAlong(kind, length - 1 - part, length - 1, 1, across - 1);
        g.track = FromAlong(kind, 1 + part, length - 1 - part, 1, across - 1);
        thumbAcross = across - 2;
    }

    const int trackStart = Start(kind, g.track);
    const int trackLength = std::max(0, Length(kind, g.track));
    int length = fixedThumbLength;
    if (range.pageSize > 0) {
        const double span = static_cast<double>(range.max) - range.min + 1;
        const double share = span > 0 ? std::min(1.0, range.pageSize / span) : 1.0;
        length = std::max(fixedThumbLength, RoundToInt(trackLength * share));
        // A page as large as the range fills the track, and never more.
        if (trackLength >= fixedThumbLength) length = std::min(length, trackLength);
    }
    g.thumbLength = length;
    // The centre travels from half a thumb inside the track's start to half a thumb inside its end,
    // measured so that a thumb of odd length ends exactly at the track's end too.
    g.firstCentre = trackStart + length / 2;
    g.lastCentre = g.firstCentre + std::max(0, trackLength - length);
    g.offset = RoundToInt(g.Travel() * range.Fraction(kind));
    const int thumbStart = trackStart + g.offset;
    const int acrossStart =
        (horizontal ? g.track.top : g.track.left) + (Across(kind, g.track) - thumbAcross) / 2;
    g.thumb = FromAlong(kind, thumbStart, thumbStart + length, acrossStart, acrossStart + thumbAcross);
    return g;
}

ScrollBarPart ScrollBarPartAt(const ScrollBarGeometry& g, ScrollBarKind kind, Point point) {
    if (g.thumb.Contains(point)) return ScrollBarPart::Thumb;
    if (g.increment.Contains(point)) return ScrollBarPart::Increment;
    if (g.decrement.Contains(point)) return ScrollBarPart::Decrement;
    // Paging reaches across the whole bar, not only the track's own pixels.
    const int along = Along(kind, point);
    const int trackStart = Start(kind, g.track);
    const int trackEnd = End(kind, g.track);
    if (along < trackStart || along >= trackEnd) return ScrollBarPart::None;
    return along < Start(kind, g.thumb) ? ScrollBarPart::PageBack : ScrollBarPart::PageForward;
}

int ScrollPositionForOffset(const ScrollRange& range, int offset, int travel) {
    const double f = travel > 0 ? std::clamp(static_cast<double>(offset) / travel, 0.0, 1.0) : 0.0;
    const double span = static_cast<double>(range.MaxPosition()) - range.min;
    return range.Clamp(static_cast<int>(range.min + std::llround(f * span)));
}

}  // namespace huecast::skin
