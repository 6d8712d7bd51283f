// One pop-up menu level: its size from the measured item texts and the skin, where each item lies, the
// scrolling of a level cut to the work area, where a level opens, and which look an item takes. The Win32
// pop-up window measures, asks, and draws what it is told.
#pragma once

#include <vector>

#include "base/geometry.h"
#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

struct MenuLevelItem {
    bool divider = false;  // a caption of "-"
    int textWidth = 0;     // the caption and the shortcut text joined by two blanks, measured
};

struct MenuLevelInput {
    std::vector<MenuLevelItem> items;
    int imageListWidth = 0;    // the menu's image list width; 0 without images
    int plainItemHeight = 19;  // the menu's item height for the plain look
    // The skin's item look ([MENUITEM] object) or nullptr for plain items.
    const TDataSkinMenuItem* itemLook = nullptr;
    // The skin's window look when it has a picture (of size windowPicture), or nullptr for the plain one.
    const TDataSkinPopupWindow* windowLook = nullptr;
    Size windowPicture;
    int workAreaHeight = 0;  // 0: no limit
};

// Height of the marker strips at the top and bottom of a level that scrolls.
inline constexpr int kMenuScrollStrip = 10;

struct MenuLevelLayout {
    Size window;
    Rect itemsArea;           // where the items lie: itemsrect mapped to the window, or the window less 2
    std::vector<Rect> items;  // unscrolled, in window coordinates
    int contentHeight = 0;    // all items stacked
    bool scrolls = false;
    Rect upStrip, downStrip;  // the marker strips of a level that scrolls
    Rect view;                // where items show: the items area, less the strips when it scrolls
    int maxScroll = 0;        // the largest scroll offset in pixels
};

// The glyph column: the image list's width + 5, or 19 without images.
int MenuGlyphColumn(int imageListWidth);

MenuLevelLayout LayOutMenuLevel(const MenuLevelInput& input);

// The item's rectangle after scrolling by `scroll` pixels (items scroll up as it grows).
Rect ItemRect(const MenuLevelLayout& layout, int index, int scroll);
// The item under `p` (window coordinates) that shows in the view, or -1.
int ItemAt(const MenuLevelLayout& layout, Point p, int scroll);
// `scroll` kept within 0..maxScroll.
int ClampScroll(const MenuLevelLayout& layout, int scroll);
// The scroll offset nearest to `scroll` at which item `index` shows whole.
int ScrollToShow(const MenuLevelLayout& layout, int index, int scroll);

// Top-left corner of a level opened at `at` (a point on the screen): to the right and below, flipped to
// the left and above where it would pass the work area, and kept inside it.
Point PlaceMenuLevel(Point at, Size level, const Rect& workArea);
// Top-left corner of a submenu level opened beside `item` (its opener's rectangle on the screen): right of
// the opener level `parent` with its first item beside the opener, or left of it when there is no room.
Point PlaceSubmenu(const Rect& item, const Rect& parent, Size level, int firstItemTop, const Rect& workArea);

// Parts of one item in window coordinates.
struct MenuItemParts {
    Rect glyph;         // image, check mark or system symbol, centred
    Rect text;          // the caption starts at its left, vertically centred
    int shortcutRight;  // the shortcut text ends here
    Point arrow;        // centre of a submenu arrow
};
MenuItemParts LayOutMenuItem(const Rect& item, const TDataSkinMenuItem* itemLook, int glyphColumn);

// The picture of a skinned item: which rect of the item picture is cut to the item's width, with which
// fixed ends, and the colour of its text.
struct MenuItemLook {
    Rect source;
    int leftOffset = 0, rightOffset = 0;
    Color textColor = 0;
};
// A divider takes `dividerrect`; an active item the active rect (the normal one when it is empty); a
// disabled item's text takes `unenabledfontcolor`, an active one's `activefontcolor`.
MenuItemLook ChooseMenuItemLook(const TDataSkinMenuItem& look, bool divider, bool active, bool enabled);

}  // namespace huecast::skin
