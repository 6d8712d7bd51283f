// The skinned combo box without a window: its button and text rects, the current item's look, where the
// drop-down list opens, and the index the keys and the wheel move to. Every index it gives lies within
// -1..count-1; a move that cannot go further gives nothing, so the combo raises no click for it.
#pragma once

#include <optional>

#include "base/geometry.h"
#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

struct ComboBoxLayout {
    Rect button;
    Rect text;
};

// `element` nullptr gives the plain look.
ComboBoxLayout LayOutComboBox(const TDataSkinComboBox* element, int width, int height);

// The current item's look in the text area: the skin's piece (the focused one while the combo has the
// focus), its text colour and the text's area within the text rect. Empty source for the plain look.
struct ComboItemLook {
    Rect source;
    Color fontColor = 0;
    Rect textRect;
};
ComboItemLook ComboItemLookFor(const TDataSkinComboBox* element, bool focused, int textWidth, int textHeight);

// The drop-down list: as many rows as fit DropDownCount, at the combo's width, below the combo or, when it
// would pass the bottom of the work area, directly above it. Rects are in screen coordinates.
int DropDownRows(int dropDownCount, int itemCount);
Rect PlaceDropDown(const Rect& comboOnScreen, int listHeight, const Rect& workArea);

// The first row an opening list shows so that `index` is in view: the top while it fits in the first
// `rows`, otherwise the chosen item heads the list, which stays full.
int DropDownTopIndex(int index, int count, int rows);

// An index clamped to -1..count-1.
int ClampComboIndex(int index, int count);

enum class ComboKey { Previous, Next, PageUp, PageDown, First, Last };

// The index a key moves to from `index`, or nothing when it stays where it is.
std::optional<int> ComboIndexAfterKey(int index, int count, ComboKey key, int dropDownCount);

// The index `notches` wheel notches move to (positive: towards the user, the next items), or nothing.
std::optional<int> ComboIndexAfterWheel(int index, int count, int notches);

}  // namespace huecast::skin
