#include "skin/popups/menu_layout.h"

#include <algorithm>
#include <cassert>

namespace huecast::skin {

namespace {

// Plain items keep 3 pixels of air on each side of their text, so a plain level is the text, the glyph
// column and the shortcut gap + 10 wide with its 2-pixel border.
constexpr int kPlainItemMargins = 6;
constexpr int kPlainWindowBorder = 2;
constexpr int kPlainDividerHeight = 4;
constexpr int kShortcutGap = 19;
constexpr int kArrowInset = 7;

}  // namespace

int MenuGlyphColumn(int imageListWidth) {
    return imageListWidth > 0 ? imageListWidth + 5 : 19;
}

MenuLevelLayout LayOutMenuLevel(const MenuLevelInput& input) {
    MenuLevelLayout layout;
    const TDataSkinMenuItem* item = input.itemLook;
    const TDataSkinPopupWindow* window = input.windowLook;

    int widest = 0;
    for (const MenuLevelItem& i : input.items)
        if (!i.divider) widest = std::max(widest, i.textWidth + 2);
    const int itemMargins =
        item ? item->textRect.left + (item->skinRect.Width() - item->textRect.right) : kPlainItemMargins;

    // The window's margins around the items.
    Rect margins{kPlainWindowBorder, kPlainWindowBorder, kPlainWindowBorder, kPlainWindowBorder};
    if (window)
        margins = {window->itemsRect.left, window->itemsRect.top,
                   input.windowPicture.cx - window->itemsRect.right,
                   input.windowPicture.cy - window->itemsRect.bottom};

    int y = margins.top;
    const int itemsWidth = widest + MenuGlyphColumn(input.imageListWidth) + kShortcutGap + itemMargins;
    layout.window.cx = itemsWidth + margins.left + margins.right;
    for (const MenuLevelItem& i : input.items) {
        const int height = item ? (i.divider ? item->dividerRect.Height() : item->skinRect.Height())
                                : (i.divider ? kPlainDividerHeight : input.plainItemHeight);
        layout.items.push_back({margins.left, y, margins.left + itemsWidth, y + height});
        y += height;
    }
    layout.contentHeight = y - margins.top;
    layout.window.cy = y + margins.bottom;
    layout.itemsArea = {margins.left, margins.top, layout.window.cx - margins.right, y};
    layout.view = layout.itemsArea;

    if (input.workAreaHeight > 0 && layout.window.cy > input.workAreaHeight) {
        layout.scrolls = true;
        layout.window.cy = input.workAreaHeight;
        layout.itemsArea.bottom = layout.window.cy - margins.bottom;
        const Rect& area = layout.itemsArea;
        layout.upStrip = {area.left, area.top, area.right, area.top + kMenuScrollStrip};
        layout.downStrip = {area.left, area.bottom - kMenuScrollStrip, area.right, area.bottom};
        layout.view = {area.left, layout.upStrip.bottom, area.right, layout.downStrip.top};
        // The first item starts below the upper strip, so scroll 0 shows it whole.
        for (Rect& r : layout.items)
            r = r.Offset(0, kMenuScrollStrip);
        layout.maxScroll = std::max(0, layout.contentHeight - layout.view.Height());
    }
    return layout;
}

Rect ItemRect(const MenuLevelLayout& layout, int index, int scroll) {
    assert(index >= 0 && static_cast<std::size_t>(index) < layout.items.size() && "ItemRect: no such item");
    return layout.items[static_cast<std::size_t>(index)].Offset(0, -scroll);
}

int ItemAt(const MenuLevelLayout& layout, Point p, int scroll) {
    if (!layout.view.Contains(p)) return -1;
    for (std::size_t i = 0; i < layout.items.size(); ++i)
        if (layout.items[i].Offset(0, -scroll).Contains(p)) return static_cast<int>(i);
    return -1;
}

int ClampScroll(const MenuLevelLayout& layout, int scroll) {
    return std::clamp(scroll, 0, layout.maxScroll);
}

int ScrollToShow(const MenuLevelLayout& layout, int index, int scroll) {
    const Rect r = ItemRect(layout, index, scroll);
    if (r.top < layout.view.top)
        scroll -= layout.view.top - r.top;
    else if (r.bottom > layout.view.bottom)
        scroll += r.bottom - layout.view.bottom;
    return ClampScroll(layout, scroll);
}

Point PlaceMenuLevel(Point at, Size level, const Rect& workArea) {
    Point p = at;
    if (p.x + level.cx > workArea.right) p.x -= level.cx;
    if (p.y + level.cy > workArea.bottom) p.y -= level.cy;
    p.x = std::clamp(p.x, workArea.left, std::max(workArea.left, workArea.right - level.cx));
    p.y = std::clamp(p.y, workArea.top, std::max(workArea.top, workArea.bottom - level.cy));
    return p;
}

Point PlaceSubmenu(const Rect& item, const Rect& parent, Size level, int firstItemTop, const Rect& workArea) {
    Point p{parent.right, item.top - firstItemTop};
    if (p.x + level.cx > workArea.right) p.x = parent.left - level.cx;
    p.x = std::clamp(p.x, workArea.left, std::max(workArea.left, workArea.right - level.cx));
    p.y = std::clamp(p.y, workArea.top, std::max(workArea.top, workArea.bottom - level.cy));
    return p;
}

MenuItemParts LayOutMenuItem(const Rect& item, const TDataSkinMenuItem* itemLook, int glyphColumn) {
    MenuItemParts parts;
    if (itemLook) {
        const Rect& t = itemLook->textRect;
        parts.glyph = {item.left, item.top, item.left + t.left, item.bottom};
        parts.text = {item.left + t.left, item.top + t.top,
                      item.right - (itemLook->skinRect.Width() - t.right), item.top + t.bottom};
    } else {
        parts.glyph = {item.left, item.top, item.left + glyphColumn, item.bottom};
        parts.text = {parts.glyph.right + kPlainItemMargins / 2, item.top, item.right - kPlainItemMargins / 2,
                      item.bottom};
    }
    parts.shortcutRight = item.right - kShortcutGap;
    parts.arrow = {item.right - kArrowInset, item.top + item.Height() / 2};
    return parts;
}

MenuItemLook ChooseMenuItemLook(const TDataSkinMenuItem& look, bool divider, bool active, bool enabled) {
    MenuItemLook chosen;
    if (divider) {
        chosen.source = look.dividerRect;
        chosen.leftOffset = look.dividerLeftOffset;
        chosen.rightOffset = look.dividerRightOffset;
        chosen.textColor = look.font.color;
        return chosen;
    }
    chosen.source = active && !look.activeSkinRect.IsEmpty() ? look.activeSkinRect : look.skinRect;
    chosen.leftOffset = look.itemLeftOffset;
    chosen.rightOffset = look.itemRightOffset;
    chosen.textColor = !enabled ? look.unEnabledFontColor : active ? look.activeFontColor : look.font.color;
    return chosen;
}

}  // namespace huecast::skin
