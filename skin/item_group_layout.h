// Item groups (radio and check groups) apart from any window: how their inner buttons are arranged in
// the group's client area, and the clamps on their columns and item index.
#pragma once

#include <vector>

#include "base/geometry.h"

namespace huecast::skin {

constexpr int kMaxColumns = 16;

// `Columns` is kept within 1..16.
int ClampColumns(int columns);
// A radio group's `ItemIndex` is kept within -1..count − 1 (-1: none checked).
int ClampItemIndex(int index, int count);

// The place of each of `count` items in client area `client`, laid out in `columns` columns running down
// the first column first; mirrored for right-to-left reading. Nothing for no items; a client area too
// small for its items gives empty cells, never negative ones.
std::vector<Rect> ArrangeItems(const Rect& client, int count, int columns, bool rightToLeft = false);

}  // namespace huecast::skin
