#include "tests/skin/win32/skin_test_support.h"

#include <cstring>

#include "gui/drawing.h"
#include "skin/picture/picture_cut.h"
#include "skin/picture/piece_geometry.h"
#include "skin/controls/win32/control_walk.h"
#include "skin/format/win32/notices.h"
#include "tests/aatext/win32/message_pump.h"
#include "tests/app/real_input.h"

namespace huecast::skin::testing {

SkinTestHost::SkinTestHost(int width, int height, bool skinned, int x, int y) {
    Create({.className = "HuecastSkinTestHost",
            .caption = "skin test",
            .style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
            .x = x,
            .y = y,
            .width = width,
            .height = height});
    if (skinned) skin_.Load(Handle(), GetModuleHandleA(nullptr));
}

SkinTestHost::~SkinTestHost() {
    DestroyHandle();  // the controls on it go while the skin they refer to still lives
}

LRESULT SkinTestHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (TSkinData* data = SkinDataOfNotice(message, wParam, lParam)) {
        const auto notice = static_cast<SkinNotice>(message);
        PassSkinNotice(Handle(), *data, notice);
        if (onNotice) onNotice(notice);
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

namespace {

Size ClientSizeOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

Bitmap OwnedCopy(const Bitmap& view) {
    Bitmap copy(view.Width(), view.Height(), 24);
    for (int y = 0; y < view.Height(); ++y) std::memcpy(copy.Row(y), view.Row(y), 3 * static_cast<std::size_t>(view.Width()));
    return copy;
}

bool Masked(const std::vector<Rect>& masked, int x, int y) {
    for (const Rect& r : masked)
        if (r.Contains({x, y})) return true;
    return false;
}

}  // namespace

Bitmap CapturePrintClient(HWND window) {
    const Size size = ClientSizeOf(window);
    gui::DibSection dib(size.cx, size.cy);
    if (dib.Empty()) return Bitmap(0, 0, 24);
    {
        const gui::MemoryDC dc;
        const gui::SelectedObject selected(dc, dib.Handle());
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), PRF_CLIENT);
        GdiFlush();
    }
    return OwnedCopy(dib.Pixels());
}

Bitmap CaptureScreen(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const Size size = ClientSizeOf(window);
    gui::DibSection dib(size.cx, size.cy);
    if (dib.Empty()) return Bitmap(0, 0, 24);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    {
        const gui::WindowDC screen(nullptr);
        const gui::MemoryDC dc(screen);
        const gui::SelectedObject selected(dc, dib.Handle());
        BitBlt(dc, 0, 0, size.cx, size.cy, screen, origin.x, origin.y, SRCCOPY);
        GdiFlush();
    }
    return OwnedCopy(dib.Pixels());
}

Bitmap ExpectedLook(const TSkinData& skin, const char* name, Size size, Rect lookRect) {
    Bitmap look(size.cx, size.cy, 24);
    const auto* d = skin.SkinControlAs<TDataSkinCustomControl>(name);
    const Bitmap* picture = d ? skin.ActivePicture24(d->pictureIndex) : nullptr;
    if (!picture) return look;
    const SkinPieces pieces = PiecesOf(*d);
    CutPicture(*picture, lookRect.IsEmpty() ? d->skinRect : lookRect, pieces, FitToSkin(pieces, size), look);
    return look;
}

int CountDifferentPixels(const Bitmap& a, const Bitmap& b, const std::vector<Rect>& masked) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return std::max(a.Width() * a.Height(), b.Width() * b.Height());
    int differences = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!Masked(masked, x, y) && a.PixelColor(x, y) != b.PixelColor(x, y)) ++differences;
    return differences;
}

int CountPixelsNot(const Bitmap& bitmap, std::uint32_t color, const std::vector<Rect>& masked) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (!Masked(masked, x, y) && bitmap.PixelColor(x, y) != color) ++count;
    return count;
}

namespace {

POINT ScreenPoint(HWND window, std::optional<Point> client) {
    const Size size = ClientSizeOf(window);
    POINT p = client ? POINT{client->x, client->y} : POINT{size.cx / 2, size.cy / 2};
    ClientToScreen(window, &p);
    return p;
}

}  // namespace

void HoverOver(HWND window, std::optional<Point> client) {
    huecast::testing::MoveTo(ScreenPoint(window, client));
}

void ClickOn(HWND window, std::optional<Point> client) {
    huecast::testing::ClickAt(ScreenPoint(window, client));
}

void MoveAway() {
    huecast::testing::MoveTo({GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    return huecast::testing::PumpUntil(done, ms);
}

void PumpFor(DWORD ms) {
    huecast::testing::PumpFor(ms);
}

}  // namespace huecast::skin::testing
