// Item groups (radio and check groups) apart from any window: how their inner buttons are arranged in
// the group's client area, the clamps on their columns and item index, and the ids of their items.
#pragma once

#include <vector>

#include "base/geometry.h"

namespace huecast::skin {

constexpr int kMaxColumns = 16;

// The items of a group are its own children, numbered group id * 10 + item index, so that a program that
// drives the window from outside finds them by number. A radio group's caption check box is the group
// itself, which answers a check box's messages for it.
constexpr int GroupItemId(int groupId, int index) {
    return groupId * 10 + index;
}
constexpr int GroupCaptionId(int groupId) {
    return groupId;
}

// `Columns` is kept within 1..16.
int ClampColumns(int columns);
// A radio group's `ItemIndex` is kept within -1..count − 1 (-1: none checked).
int ClampItemIndex(int index, int count);

// The place of each of `count` items in client area `client`, laid out in `columns` columns running down
// the first column first; mirrored for right-to-left reading. Nothing for no items; a client area too
// small for its items gives empty cells, never negative ones.
std::vector<Rect> ArrangeItems(const Rect& client, int count, int columns, bool rightToLeft = false);

}  // namespace huecast::skin
