#include "skin/lists/track_bar_model.h"

#include <algorithm>
#include <cmath>

namespace huecast::skin {

int TrackBarRange::Clamp(int v) const {
    return std::clamp(v, minValue, std::max(minValue, maxValue));
}

double TrackBarRange::Fraction() const {
    if (maxValue <= minValue) return 0.0;
    return std::clamp((value - static_cast<double>(minValue)) / (static_cast<double>(maxValue) - minValue),
                      0.0, 1.0);
}

bool SetTrackValue(TrackBarRange& range, int value) {
    const int clamped = range.Clamp(value);
    if (clamped == range.value) return false;
    range.value = clamped;
    return true;
}

void SetTrackMinValue(TrackBarRange& range, int minValue) {
    range.minValue = minValue;
    range.value = range.Clamp(range.value);
}

void SetTrackMaxValue(TrackBarRange& range, int maxValue) {
    range.maxValue = maxValue;
    range.value = range.Clamp(range.value);
}

TrackBarGeometry LayOutTrackBar(const TrackBarLayoutArgs& args, const TrackBarRange& range) {
    TrackBarGeometry g;
    int thumbWidth = 0;
    int thumbHeight = 0;
    if (const TDataSkinTrackBarControl* e = args.element) {
        thumbWidth = e->buttonRect.Width();
        thumbHeight = e->buttonRect.Height();
        g.track = e->trackArea;
        if (!args.fixedResize) {
            if (args.vertical)
                g.track.bottom += args.height - e->skinRect.Height();
            else
                g.track.right += args.width - e->skinRect.Width();
        }
    } else {
        if (args.vertical) {
            thumbWidth = args.width - 4;
            thumbHeight = thumbWidth / 2;
        } else {
            thumbHeight = args.height - 4;
            thumbWidth = thumbHeight / 2;
        }
        g.track = {2, 2, args.width - 2, args.height - 2};
    }

    // The thumb's centre travels half a thumb inside both ends of the track; measured by the thumb's edges
    // so that a thumb of odd length stays inside the track too.
    const double k = range.Fraction();
    if (args.vertical) {
        g.travel = std::max(0, g.track.Height() - thumbHeight);
        g.offset = static_cast<int>(std::lround(g.travel * k));
        const int top = g.track.bottom - thumbHeight - g.offset;
        const int left = g.track.left + (g.track.Width() - thumbWidth) / 2;
        g.thumb = {left, top, left + thumbWidth, top + thumbHeight};
    } else {
        g.travel = std::max(0, g.track.Width() - thumbWidth);
        g.offset = static_cast<int>(std::lround(g.travel * k));
        const int left = g.track.left + g.offset;
        const int top = g.track.top + (g.track.Height() - thumbHeight) / 2;
        g.thumb = {left, top, left + thumbWidth, top + thumbHeight};
    }
    return g;
}

int TrackValueForOffset(const TrackBarRange& range, int offset, int travel) {
    const double f = travel > 0 ? std::clamp(static_cast<double>(offset) / travel, 0.0, 1.0) : 0.0;
    const double span = std::max(0.0, static_cast<double>(range.maxValue) - range.minValue);
    return range.Clamp(static_cast<int>(range.minValue + std::llround(span * f)));
}

int TrackClickOffset(const TrackBarLayoutArgs& args, const TrackBarGeometry& g, Point point) {
    const int thumbWidth = g.thumb.Width();
    const int thumbHeight = g.thumb.Height();
    if (args.vertical) {
        // Measured upwards, like the travel: from the track's bottom end.
        const int trackStart = args.element ? args.height - g.track.bottom : 2;
        return (args.height - point.y) - thumbHeight / 2 - trackStart;
    }
    const int trackStart = args.element ? g.track.left : 2;
    return point.x - thumbWidth / 2 - trackStart;
}

}  // namespace huecast::skin
