// TAAScrollTextWindow: the scrolling banner as a child window. It feeds the portable TAAScrollText its
// size and paint requests, draws glyphs with GDI, ticks with two TTimerEx, and puts each frame on the
// screen with one block copy. Docked to the bottom (or top) of its parent, it follows the parent's size.
//
//   auto banner = std::make_unique<TAAScrollTextWindow>(ScrollTextArgs{.parent = form, .width = 599,
//                                                                       .height = 37, .align =
//                                                                       TAlign::alBottom});
//   banner->BeginLoading();
//   banner->Text().SetLines({"<Center>Hello"});
//   banner->Loaded();   // renders the text and shows the first frame
#pragma once

#include <windows.h>

#include "aatext/aa_scroll_text.h"
#include "aatext/win32/gdi_rasterizer.h"
#include "gui/window.h"

namespace huecast {

enum class TAlign : std::uint8_t { alNone, alTop, alBottom };

struct ScrollTextArgs {
    HWND parent = nullptr;
    int id = 0;
    int x = 0, y = 0, width = 240, height = 280;
    TAlign align = TAlign::alNone;
};

namespace detail {
// Constructed before the control, which measures with it.
struct GdiRasterizerHolder {
    GdiRasterizer gdiRasterizer;
};
}  // namespace detail

class TAAScrollTextWindow final : private detail::GdiRasterizerHolder,
                                  public TAAScrollText,
                                  private gui::Window {
  public:
    static constexpr const char* kClassName = "TAAScrollText";

    explicit TAAScrollTextWindow(const ScrollTextArgs& args);
    ~TAAScrollTextWindow() override;

    HWND Handle() const { return gui::Window::Handle(); }
    using TAAScrollText::Text;  // the banner's text, not the window's caption
    TAlign Align() const { return align_; }
    // Docks the window to its parent's client area (full width, own height) and keeps it there.
    void SetAlign(TAlign align);

    // The banner whose window `window` is, or nullptr.
    static TAAScrollTextWindow* FromHandle(HWND window);

  protected:
    void Invalidate() override;
    void PresentFrame(const Bitmap& frame) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void MouseEnter() override;
    void MouseLeave() override;

  private:
    static LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
    void Dock();
    void ReleaseParent();

    TAlign align_ = TAlign::alNone;
    HWND parent_ = nullptr;
    bool parentHooked_ = false;
    HDC paintDc_ = nullptr;  // while WM_PAINT is handled
};

}  // namespace huecast
