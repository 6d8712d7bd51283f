// The scroll bar without a window: its range and position rules, its geometry (track, buttons, thumb),
// which part lies under a point, and where a dragged thumb puts the position.
//
// One rule governs every position: without a page it lies in Min..Max, with a page in Min..Max-PageSize+1.
// An inverted range (Max below Min) behaves as Max = Min, and every fraction is guarded against an empty
// range, so no writer or geometry can divide by zero or put the thumb outside its track.
#pragma once

#include "base/geometry.h"
#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

enum class ScrollBarKind { Horizontal, Vertical };

struct ScrollRange {
    int min = 0;
    int max = 100;
    int pageSize = 0;  // 0: no page, the thumb keeps its own length
    int position = 0;

    // The greatest position the rule allows; never below min.
    int MaxPosition() const;
    int Clamp(int value) const;
    // Where the position stands between min (0) and MaxPosition (1). With a page whose range is not
    // positive a horizontal bar stands at its end and a vertical one at its start, as users of the bars
    // expect; without a page an empty range stands at the start.
    double Fraction(ScrollBarKind kind) const;
    friend bool operator==(const ScrollRange&, const ScrollRange&) = default;
};

// The writers of a scroll bar's range. Each returns true when the position changed (the bar then runs its
// change event; SetScrollRange never does).
bool SetScrollPosition(ScrollRange& range, int position);
// Stores all four at once and clamps the position.
void SetScrollRange(ScrollRange& range, int min, int max, int pageSize, int position);
bool SetScrollMin(ScrollRange& range, int min);
bool SetScrollMax(ScrollRange& range, int max);
// A page is taken only when the current position stays valid under it (and it is not negative); otherwise
// the old page stays. Returns whether it was taken.
bool SetScrollPageSize(ScrollRange& range, int pageSize);

// The parts of a bar a point can lie on.
enum class ScrollBarPart { None, Thumb, Increment, Decrement, PageBack, PageForward };

struct ScrollBarGeometry {
    Rect track;
    Rect increment;  // the up button: right end of a horizontal bar, bottom end of a vertical one
    Rect decrement;  // the down button: left or top end
    Rect thumb;
    int thumbLength = 0;
    int firstCentre = 0;  // the thumb centre's travel along the bar
    int lastCentre = 0;
    int offset = 0;  // of the centre from firstCentre

    int Travel() const { return lastCentre - firstCentre; }
};

struct ScrollBarLayoutArgs {
    ScrollBarKind kind = ScrollBarKind::Horizontal;
    int width = 0;
    int height = 0;
    // The skin element, or nullptr for the plain look.
    const TDataSkinScrollBarControl* element = nullptr;
    // The plain look leaves this many pixels at the far end for the corner where two bars meet (0: none).
    int bothMarkerWidth = 0;
};

// Plain buttons are 16 pixels long, and so is a plain thumb without a page.
constexpr int kPlainScrollPartLength = 16;

ScrollBarGeometry LayOutScrollBar(const ScrollBarLayoutArgs& args, const ScrollRange& range);

// The part under `point` (control coordinates).
ScrollBarPart ScrollBarPartAt(const ScrollBarGeometry& geometry, ScrollBarKind kind, Point point);

// The position for a thumb dragged to `offset` (the centre's distance from firstCentre).
int ScrollPositionForOffset(const ScrollRange& range, int offset, int travel);

// The coordinate along the bar: x for a horizontal bar, y for a vertical one.
inline int Along(ScrollBarKind kind, Point p) {
    return kind == ScrollBarKind::Horizontal ? p.x : p.y;
}

}  // namespace huecast::skin
