#include "skin/lists/combo_box_model.h"

#include <algorithm>

namespace huecast::skin {

ComboBoxLayout LayOutComboBox(const TDataSkinComboBox* element, int width, int height) {
    ComboBoxLayout out;
    if (!element) {
        out.button = {width - 19, 2, width - 2, height - 2};
        out.text = {2, 2, out.button.left - 1, height - 2};
        return out;
    }
    const TDataSkinComboBox& e = *element;
    const int growth = width - e.skinRect.Width();
    out.button = e.buttonRect;
    // A button in the right-hand end piece moves with the width the control gains.
    if (out.button.left >= e.skinRect.Width() - e.rightTopPoint.x) out.button = out.button.Offset(growth, 0);
    out.text = e.clientRect;
    out.text.right += growth;
    return out;
}

ComboItemLook ComboItemLookFor(const TDataSkinComboBox* element, bool focused, int textWidth,
                               int textHeight) {
    ComboItemLook look;
    if (!element) {
        look.textRect = {2, 0, textWidth, textHeight};
        return look;
    }
    const TDataSkinComboBox& e = *element;
    look.source = focused && !e.focusItemRect.IsEmpty() ? e.focusItemRect : e.itemRect;
    look.fontColor = focused ? e.focusFontColor : e.font.color;
    look.textRect = e.itemTextRect;
    look.textRect.right += textWidth - e.itemRect.Width();
    return look;
}

int DropDownRows(int dropDownCount, int itemCount) {
    return std::max(0, std::min(dropDownCount, itemCount));
}

Rect PlaceDropDown(const Rect& combo, int listHeight, const Rect& workArea) {
    const Rect below{combo.left, combo.bottom, combo.right, combo.bottom + listHeight};
    if (below.bottom <= workArea.bottom) return below;
    return {combo.left, combo.top - listHeight, combo.right, combo.top};
}

int DropDownTopIndex(int index, int count, int rows) {
    if (index < rows || count <= rows) return 0;
    return std::clamp(index, 0, count - rows);
}

int ClampComboIndex(int index, int count) {
    return std::clamp(index, -1, std::max(-1, count - 1));
}

std::optional<int> ComboIndexAfterKey(int index, int count, ComboKey key, int dropDownCount) {
    if (count <= 0) return std::nullopt;
    const int from = ClampComboIndex(index, count);
    const int page = std::max(1, dropDownCount - 1);
    int to = from;
    switch (key) {
        case ComboKey::Previous:
            to = from > 0 ? from - 1 : from;
            break;
        case ComboKey::Next:
            to = std::min(from + 1, count - 1);
            break;
        case ComboKey::PageUp:
            to = std::max(0, from - page);
            break;
        case ComboKey::PageDown:
            to = std::clamp(from + page, 0, count - 1);
            break;
        case ComboKey::First:
            to = 0;
            break;
        case ComboKey::Last:
            to = count - 1;
            break;
    }
    if (to == from) return std::nullopt;
    return to;
}

std::optional<int> ComboIndexAfterWheel(int index, int count, int notches) {
    if (count <= 0 || notches == 0) return std::nullopt;
    const int from = ClampComboIndex(index, count);
    // With nothing selected only a turn towards the user selects: the first item.
    if (from < 0 && notches < 0) return std::nullopt;
    const int to =
        static_cast<int>(std::clamp<long long>(static_cast<long long>(from) + notches, 0, count - 1));
    if (to == from) return std::nullopt;
    return to;
}

}  // namespace huecast::skin
