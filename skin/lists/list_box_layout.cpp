#include "skin/lists/list_box_layout.h"

#include <algorithm>

namespace huecast::skin {

ListBoxLayout LayOutListBox(const ListBoxLayoutArgs& args) {
    const int vw = args.verticalBar ? args.verticalBarWidth : 0;
    const int hh = args.horizontalBar ? args.horizontalBarHeight : 0;
    ListBoxLayout out;
    if (const TDataSkinListBox* e = args.element) {
        Rect client = e->clientRect;
        client.right += args.width - e->skinRect.Width();
        client.bottom += args.height - e->skinRect.Height();
        out.list = {client.left, client.top, client.right - vw, client.bottom - hh};
        if (args.horizontalBar)
            out.horizontalBar = {client.left, client.bottom - hh, client.right, client.bottom};
        if (args.verticalBar)
            out.verticalBar = {client.right - vw, client.top, client.right, client.bottom - hh};
        return out;
    }
    const int caption = args.captionHeight > 0 ? args.captionHeight : 1;
    out.list = {2, caption + 1, args.width - 2, args.height - 2};
    if (args.horizontalBar) {
        out.horizontalBar = {1, args.height - 1 - hh, args.width - 1, args.height - 1};
        out.list.bottom = out.horizontalBar.top;
    }
    if (args.verticalBar) {
        out.verticalBar = {args.width - 1 - vw, caption, args.width - 1, args.height - 1 - hh};
        out.list.right = out.verticalBar.left;
    }
    return out;
}

namespace {

int WholeRows(int itemHeight, int listHeight) {
    return itemHeight > 0 ? std::max(0, listHeight) / itemHeight : 0;
}

}  // namespace

std::optional<ScrollRange> ListVerticalRange(int count, int itemHeight, int listHeight, int topIndex) {
    const int rows = WholeRows(itemHeight, listHeight);
    if (count < 2 || rows >= count) return std::nullopt;
    ScrollRange range;
    SetScrollRange(range, 0, count - 1, std::max(1, rows), topIndex);
    return range;
}

int ListMaxTopIndex(int count, int itemHeight, int listHeight) {
    return std::max(0, count - std::max(1, WholeRows(itemHeight, listHeight)));
}

int ListTopIndexAfterWheel(int topIndex, int notches, int count, int itemHeight, int listHeight) {
    const long long wanted = static_cast<long long>(topIndex) + notches;
    return static_cast<int>(std::clamp<long long>(wanted, 0, ListMaxTopIndex(count, itemHeight, listHeight)));
}

int ListBoxHeightForRows(const TDataSkinListBox* element, int rows, int itemHeight) {
    // The frame around the rows: the element's border outside its client rect, or the plain 2 + 2.
    const int frame = element ? element->skinRect.Height() - element->clientRect.Height() : 4;
    return std::max(0, rows) * itemHeight + frame;
}

ListItemLook ListItemLookFor(const TDataSkinListBox* element, ListItemState state, int itemWidth,
                             int itemHeight) {
    ListItemLook look;
    if (!element) {
        look.textRect = {2, 0, itemWidth - 2, itemHeight};
        return look;
    }
    const TDataSkinListBox& e = *element;
    const auto orNormal = [&](const Rect& r) { return r.IsEmpty() ? e.itemRect : r; };
    switch (state) {
        case ListItemState::Focused:
            look.source = orNormal(e.focusItemRect);
            look.fontColor = e.focusFontColor;
            break;
        case ListItemState::Selected:
            look.source = orNormal(e.activeItemRect);
            look.fontColor = e.activeFontColor;
            break;
        case ListItemState::Normal:
            look.source = e.itemRect;
            look.fontColor = e.font.color;
            break;
    }
    look.textRect = e.itemTextRect;
    look.textRect.right += itemWidth - e.itemRect.Width();
    return look;
}

}  // namespace huecast::skin
