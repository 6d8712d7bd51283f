#include "tools/skin-generator/preview.h"

#include <algorithm>

#include "skin/format/picture_cache.h"
#include "skin/picture/picture_cut.h"
#include "tools/skin-generator/canvas.h"

namespace huecast::skingen {

using namespace skin;

namespace {

void Tile(Canvas& c, const Bitmap& picture, Rect source, Rect target) {
    TilePiece(picture, source, c.Pixels(), target);
}

void NinePiece(Canvas& c, const Bitmap& p, Rect r, Point lt, Point rb, Rect target) {
    CutNinePiece(p, r, lt, rb, c.Pixels(), target);
}

void Control(Canvas& c, const TSkinData& d, const char* name, Rect target, int look = 0) {
    const auto* control = d.SkinControlAs<TDataSkinCustomControl>(name);
    if (!control) return;
    const Bitmap* p = d.ActivePicture24(control->pictureIndex);
    if (!p) return;
    Rect r = control->skinRect;
    if (const auto* button = dynamic_cast<const TDataSkinButtonControl*>(control)) {
        const Rect looks[4] = {button->skinRect, button->activeSkinRect, button->downSkinRect,
                               button->disabledSkinRect};
        r = looks[look];
    }
    if (const auto* box = dynamic_cast<const TDataSkinCheckRadioControl*>(control)) {
        const Rect images[4] = {box->unCheckImageRect, box->checkImageRect, box->activeCheckImageRect,
                                box->unEnabledCheckImageRect};
        if (look == 2) r = box->activeSkinRect;
        Point lt = control->leftTopPoint, rb{control->rightTopPoint.x, r.Height()};
        NinePiece(c, *p, r, {lt.x, 0}, rb, target);
        const Rect img = images[look];
        Tile(c, *p, img,
             Rect{target.left + 3, target.top + 1, target.left + 3 + img.Width(),
                  target.top + 1 + img.Height()});
        return;
    }
    Point lt = control->leftTopPoint, rb = control->rightBottomPoint;
    if (rb.x == 0 && rb.y == 0) {
        if (control->rightTopPoint.x != 0)
            rb = {control->rightTopPoint.x, r.Height()};
        else
            rb = {r.Width(), control->leftBottomPoint.y};
        if (control->rightTopPoint.x != 0)
            lt.y = 0;
        else
            lt.x = 0;
    }
    NinePiece(c, *p, r, lt, rb, target);
}

}  // namespace

Bitmap DrawPreview(const TSkinData& d) {
    constexpr int kW = 340, kH = 240;
    const TDataSkinFormInfo& f = d.FormInfo();
    const Bitmap main = To24Bits(d.MainPicture());
    // The client area of the main picture shows the form's own background.
    Canvas c(kW, kH, main.PixelColor(f.clientRect.left + 1, f.clientRect.top + 1));
    const Rect mainRect{0, 0, main.Width(), main.Height()};
    NinePiece(c, main, mainRect, f.leftTopPoint, f.rightBottomPoint, {0, 0, kW, kH});

    // Caption buttons from the right end of the caption rect, as the frame lays them out.
    const int dx = kW - mainRect.Width();
    int right = f.captionRect.right + dx;
    const char* buttons[3] = {"closebutton", "maxbutton", "minbutton"};
    const Bitmap* active = d.ActivePicture24(2);
    for (int i = 0; i < 3 && active; ++i) {
        const auto* b = d.SkinObjectAs<TDataSkinStdButton>(buttons[i]);
        const Rect look = i == 0 ? b->activeSkinRect : i == 1 ? b->downRect : b->skinRect;
        Tile(c, *active, look,
             {right - look.Width(), f.captionRect.top, right, f.captionRect.top + look.Height()});
        right -= look.Width() + f.buttonsOffset;
    }

    Control(c, d, "groupbox", {14, 34, 170, 140});
    Control(c, d, "button", {24, 66, 99, 91}, 0);
    Control(c, d, "button", {24, 96, 99, 121}, 1);
    Control(c, d, "button", {104, 66, 164, 91}, 2);
    Control(c, d, "button", {104, 96, 164, 121}, 3);
    Control(c, d, "checkbox", {180, 34, 330, 52}, 1);
    Control(c, d, "checkbox", {180, 54, 330, 72}, 2);
    Control(c, d, "radiobox", {180, 74, 330, 92}, 1);
    Control(c, d, "combobox", {180, 98, 330, 118});
    Control(c, d, "htrackbar", {180, 122, 330, 144});
    Control(c, d, "listbox", {14, 148, 150, 220});
    const auto* list = d.SkinControlAs<TDataSkinListBox>("listbox");
    const Bitmap* controls = d.ActivePicture24(3);
    if (list && controls) {
        NinePiece(c, *controls, list->activeItemRect, {list->itemLeftOffset, 0},
                  {list->activeItemRect.Width() - list->itemRightOffset, 20}, {16, 170, 148, 190});
        NinePiece(c, *controls, list->focusItemRect, {list->itemLeftOffset, 0},
                  {list->focusItemRect.Width() - list->itemRightOffset, 20}, {16, 190, 148, 210});
    }
    Control(c, d, "vscrollbar", {150, 148, 169, 220});
    Control(c, d, "edit", {180, 150, 330, 170});
    Control(c, d, "gauge", {180, 176, 330, 192});
    Control(c, d, "hscrollbar", {180, 198, 330, 217});
    return c.Pixels();
}

}  // namespace huecast::skingen
