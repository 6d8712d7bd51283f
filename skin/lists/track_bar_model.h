// The track bar without a window: its value rule, the thumb's geometry and the value a dragged thumb or a
// click gives. A vertical bar has its maximum at the top. An inverted range behaves as MaxValue =
// MinValue, and an empty one puts the thumb at the start.
#pragma once

#include "base/geometry.h"
#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

struct TrackBarRange {
    int minValue = 0;
    int maxValue = 100;
    int value = 50;

    int Clamp(int v) const;
    double Fraction() const;  // 0 at MinValue, 1 at MaxValue
    friend bool operator==(const TrackBarRange&, const TrackBarRange&) = default;
};

// Writers. SetTrackValue returns true when the value changed (the bar then runs its change event); the
// bounds move the value inside themselves silently.
bool SetTrackValue(TrackBarRange& range, int value);
void SetTrackMinValue(TrackBarRange& range, int minValue);
void SetTrackMaxValue(TrackBarRange& range, int maxValue);

struct TrackBarGeometry {
    Rect track;
    Rect thumb;
    // How far the thumb's centre can travel, and how far it stands from the start of that travel:
    // rightwards, or upwards from the bottom for a vertical bar.
    int travel = 0;
    int offset = 0;
};

struct TrackBarLayoutArgs {
    bool vertical = false;
    int width = 0;
    int height = 0;
    // The skin element, or nullptr for the plain look.
    const TDataSkinTrackBarControl* element = nullptr;
    // The element keeps its track as drawn when the control takes exactly the skin's size.
    bool fixedResize = false;
};

TrackBarGeometry LayOutTrackBar(const TrackBarLayoutArgs& args, const TrackBarRange& range);

// The value for a thumb whose centre stands `offset` from the start of its travel.
int TrackValueForOffset(const TrackBarRange& range, int offset, int travel);

// The offset a click at `point` asks for when the bar jumps to clicks.
int TrackClickOffset(const TrackBarLayoutArgs& args, const TrackBarGeometry& geometry, Point point);

}  // namespace huecast::skin
