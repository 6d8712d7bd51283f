#include "skin/hint_layout.h"

#include <algorithm>

namespace huecast::skin {

HintLayout LayOutHint(Size text, const HintSkin* skin) {
    if (!skin) {
        const Size window{text.cx + 4, text.cy + 4};
        return {window, {2, 2, window.cx - 2, window.cy - 2}};
    }
    const Rect& client = skin->look.clientRect;
    const Size picture = skin->picture;
    const Size window{std::max(picture.cx, text.cx + client.left + (picture.cx - client.right)),
                      std::max(picture.cy, text.cy + client.top + (picture.cy - client.bottom))};
    const int dW = window.cx - picture.cx, dH = window.cy - picture.cy;
    return {window, {client.left, client.top, client.right + dW, client.bottom + dH}};
}

Point PlaceHint(Point suggested, Size hint, const Rect& screen) {
    Point at = suggested;
    if (at.x + hint.cx > screen.right) at.x = std::max(screen.left, at.x - hint.cx - 2);
    if (at.y + hint.cy > screen.bottom) at.y = std::max(screen.top, at.y - hint.cy - 2);
    return at;
}

}  // namespace huecast::skin
