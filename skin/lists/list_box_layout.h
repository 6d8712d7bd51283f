// The skinned list box without a window: where the inner system list and the scroll bars go, when the
// vertical bar is needed and with which range, how one item looks and where its text goes, and the
// wheel's one-line steps.
#pragma once

#include <optional>

#include "base/geometry.h"
#include "skin/lists/scroll_bar_model.h"
#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

struct ListBoxLayoutArgs {
    int width = 0;
    int height = 0;
    // The skin element, or nullptr for the plain look.
    const TDataSkinListBox* element = nullptr;
    int captionHeight = 0;  // plain look with a caption strip; 0 without
    bool verticalBar = false;
    bool horizontalBar = false;
    // The bars' thickness: their element's width (vertical) and height (horizontal), 19 for plain bars.
    int verticalBarWidth = kPlainListBarThickness;
    int horizontalBarHeight = kPlainListBarThickness;

    static constexpr int kPlainListBarThickness = 19;
};

struct ListBoxLayout {
    Rect list;           // the inner system list box
    Rect verticalBar;    // empty when there is none
    Rect horizontalBar;  // empty when there is none
};

ListBoxLayout LayOutListBox(const ListBoxLayoutArgs& args);

// The range of the vertical bar for `count` items of `itemHeight` in a list `listHeight` high whose first
// visible item is `topIndex`, or nothing when every item fits. The page is the number of whole rows.
std::optional<ScrollRange> ListVerticalRange(int count, int itemHeight, int listHeight, int topIndex);

// The greatest first visible item that leaves no empty rows below the last.
int ListMaxTopIndex(int count, int itemHeight, int listHeight);

// The first visible item after `notches` wheel notches (positive: towards the user, down the list), one
// line each.
int ListTopIndexAfterWheel(int topIndex, int notches, int count, int itemHeight, int listHeight);

// The height of a list box that shows exactly `rows` rows (a drop-down list's RowCount).
int ListBoxHeightForRows(const TDataSkinListBox* element, int rows, int itemHeight);

enum class ListItemState { Normal, Selected, Focused };

// How one item is drawn: the skin's piece for its state, the text colour and the text's area within the
// item.
struct ListItemLook {
    Rect source;  // in the element's picture; empty for the plain look
    Color fontColor = 0;
    Rect textRect;  // within the item
};

ListItemLook ListItemLookFor(const TDataSkinListBox* element, ListItemState state, int itemWidth,
                             int itemHeight);

}  // namespace huecast::skin
