// The check boxes' three 16 × 16 images, drawn here: a window brought to the front (activate the chat
// window after sending), a page being wiped (empty the editor after sending) and a clipboard (empty the
// clipboard too).
#include "app/form1.h"
#include "gui/image_list.h"

namespace huecast {

namespace {

void Fill(HDC dc, RECT r, COLORREF color) {
    const gui::BrushHandle brush(CreateSolidBrush(color));
    FillRect(dc, &r, brush.get());
}

void Frame(HDC dc, RECT r, COLORREF color) {
    const gui::BrushHandle brush(CreateSolidBrush(color));
    FrameRect(dc, &r, brush.get());
}

void Line(HDC dc, POINT from, POINT to, COLORREF color, int width = 1) {
    const gui::GdiPtr<HPEN> pen(CreatePen(PS_SOLID, width, color));
    const gui::SelectedObject selected(dc, pen.get());
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

void DrawWindowToFront(HDC dc) {
    Fill(dc, {4, 5, 15, 15}, RGB(200, 200, 200));  // the window behind
    Frame(dc, {4, 5, 15, 15}, RGB(128, 128, 128));
    Fill(dc, {1, 1, 12, 12}, RGB(255, 255, 255));  // the one in front, with its title bar
    Fill(dc, {1, 1, 12, 4}, RGB(0, 84, 227));
    Frame(dc, {1, 1, 12, 12}, RGB(0, 45, 150));
    Line(dc, {3, 6}, {10, 6}, RGB(160, 160, 160));
    Line(dc, {3, 8}, {9, 8}, RGB(160, 160, 160));
}

void DrawPageWiped(HDC dc) {
    Fill(dc, {2, 1, 13, 15}, RGB(255, 255, 255));
    Frame(dc, {2, 1, 13, 15}, RGB(110, 110, 110));
    for (int y = 4; y <= 11; y += 2)
        Line(dc, {4, y}, {11, y}, RGB(190, 190, 190));
    Line(dc, {6, 14}, {15, 5}, RGB(230, 60, 40), 3);  // the wipe
}

void DrawClipboard(HDC dc) {
    Fill(dc, {2, 2, 14, 16}, RGB(176, 120, 60));   // the board
    Fill(dc, {4, 4, 12, 14}, RGB(255, 255, 255));  // the sheet
    for (int y = 7; y <= 12; y += 2)
        Line(dc, {5, y}, {11, y}, RGB(150, 150, 150));
    Fill(dc, {5, 0, 11, 4}, RGB(150, 150, 160));  // the clip
    Frame(dc, {5, 0, 11, 4}, RGB(80, 80, 90));
}

}  // namespace

gui::ImageListHandle TForm1::MakeCheckBoxImages() {
    return gui::MakeImageList(16, 3, [](HDC dc, int index) {
        if (index == 0) DrawWindowToFront(dc);
        if (index == 1) DrawPageWiped(dc);
        if (index == 2) DrawClipboard(dc);
    });
}

}  // namespace huecast
