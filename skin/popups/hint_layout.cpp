#include "skin/popups/hint_layout.h"

#include <algorithm>

#include "skin/picture/picture_cut.h"
#include "skin/picture/piece_geometry.h"

namespace huecast::skin {

namespace {

SkinPieces HintPieces(Size picture, const TDataSkinHintWindow& look) {
    return WholePicturePieces(picture, look.leftTopPoint, look.rightTopPoint, look.leftBottomPoint,
                              look.rightBottomPoint, look.clientRect);
}

}  // namespace

HintLayout LayOutHint(Size text, const HintSkin* skin) {
    if (!skin) {
        const Size window{text.cx + 4, text.cy + 4};
        return {window, {2, 2, window.cx - 2, window.cy - 2}};
    }
    const Rect& client = skin->look.clientRect;
    const Size picture = skin->picture;
    const Size window{std::max(picture.cx, text.cx + client.left + (picture.cx - client.right)),
                      std::max(picture.cy, text.cy + client.top + (picture.cy - client.bottom))};
    return {window, FitToSkin(HintPieces(picture, skin->look), window).clientRect};
}

void ComposeHintPicture(const Bitmap& picture, const TDataSkinHintWindow& look, Bitmap& target) {
    const SkinPieces pieces = HintPieces({picture.Width(), picture.Height()}, look);
    CutPicture(picture, {0, 0, picture.Width(), picture.Height()}, pieces,
               FitToSkin(pieces, {target.Width(), target.Height()}), target);
}

Point PlaceHint(Point suggested, Size hint, const Rect& screen) {
    Point at = suggested;
    if (at.x + hint.cx > screen.right) at.x = std::max(screen.left, at.x - hint.cx - 2);
    if (at.y + hint.cy > screen.bottom) at.y = std::max(screen.top, at.y - hint.cy - 2);
    return at;
}

}  // namespace huecast::skin
