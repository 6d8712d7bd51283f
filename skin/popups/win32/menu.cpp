#include "skin/popups/win32/menu.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

#include "gui/application.h"
#include "gui/drawing.h"
#include "skin/controls/caption_accelerator.h"
#include "skin/picture/effect_bmp.h"
#include "skin/picture/mask_runs.h"
#include "skin/picture/picture_cut.h"
#include "skin/picture/piece_geometry.h"
#include "skin/format/skin_data.h"

namespace huecast::skin {

namespace {

constexpr const char* kPopupClass = "HuecastSkinPopup";
constexpr UINT_PTR kMorphTimer = 2;
constexpr UINT kPollMs = 50;
constexpr UINT kMorphMs = 20;
constexpr COLORREF kPlainActiveFill = RGB(182, 189, 210);
constexpr COLORREF kPlainActiveFrame = RGB(0, 0, 128);

// The menu whose levels are open: one at a time on the user-interface thread, as with any menu.
TSkinMenu* g_openMenu = nullptr;

Rect WorkAreaAt(POINT p) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &info);
    return gui::FromRECT(info.rcWork);
}

int MeasureLine(HDC dc, const std::string& text) {
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return r.right - r.left;
}

bool Selectable(const TMenuItem& item) {
    return item.enabled && !item.Divider();
}

enum class Symbol { None, Close, Minimize, Maximize, Restore, RollUp, MinimizeToTray };

Symbol SymbolOf(const std::string& name) {
    if (name == "SF_CLOSE" || name == "TRAY_SF_CLOSE") return Symbol::Close;
    if (name == "SF_MINITEM") return Symbol::Minimize;
    if (name == "SF_MAXITEM") return Symbol::Maximize;
    if (name == "SF_RESTORE" || name == "TRAY_SF_RESTORE") return Symbol::Restore;
    if (name == "SF_ROLLUP") return Symbol::RollUp;
    if (name == "SF_MINTOTRAY") return Symbol::MinimizeToTray;
    return Symbol::None;
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void Box(HDC dc, int left, int top, int size) {
    const RECT r{left, top, left + size, top + size};
    FrameRect(dc, &r, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    Line(dc, left, top + 1, left + size, top + 1);  // the title bar of a window
}

// The caption buttons' symbols, drawn small in the item's text colour, centred on (cx, cy).
void DrawSymbol(HDC dc, Symbol symbol, Point centre, COLORREF color) {
    if (symbol == Symbol::None) return;
    gui::GdiPtr<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    gui::BrushHandle brush(CreateSolidBrush(color));
    gui::SelectedObject selectedPen(dc, pen.get());
    gui::SelectedObject selectedBrush(dc, brush.get());
    const int x = centre.x - 4, y = centre.y - 4;  // a 9 x 9 cell
    switch (symbol) {
        case Symbol::Close:
            for (int d = 0; d < 2; ++d) {
                Line(dc, x + d, y + 1, x + 7 + d, y + 8);
                Line(dc, x + 7 + d, y + 1, x + d, y + 8);
            }
            break;
        case Symbol::Minimize: {
            const RECT bar{x + 1, y + 6, x + 8, y + 8};
            FillRect(dc, &bar, brush.get());
            break;
        }
        case Symbol::Maximize:
            Box(dc, x, y, 9);
            break;
        case Symbol::Restore:
            Box(dc, x + 3, y, 6);
            Box(dc, x, y + 3, 6);
            break;
        case Symbol::RollUp:
            for (int i = 0; i < 4; ++i)
                Line(dc, x + 4 - i, y + 2 + i, x + 5 + i, y + 2 + i);
            break;
        case Symbol::MinimizeToTray: {
            for (int i = 0; i < 4; ++i)
                Line(dc, x + 1 + i, y + 1 + i, x + 8 - i, y + 1 + i);
            const RECT bar{x + 1, y + 7, x + 8, y + 9};
            FillRect(dc, &bar, brush.get());
            break;
        }
        case Symbol::None:
            break;
    }
}

void DrawCheck(HDC dc, Point centre, COLORREF color) {
    gui::GdiPtr<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    gui::SelectedObject selected(dc, pen.get());
    for (int d = 0; d < 3; ++d) {
        Line(dc, centre.x - 3, centre.y - 1 + d, centre.x - 1, centre.y + 1 + d);
        Line(dc, centre.x - 1, centre.y + 1 + d, centre.x + 4, centre.y - 4 + d);
    }
}

void DrawArrow(HDC dc, Point centre, COLORREF color, bool up) {
    gui::GdiPtr<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    gui::SelectedObject selected(dc, pen.get());
    for (int i = 0; i < 4; ++i) {
        const int y = up ? centre.y - 2 + i : centre.y + 1 - i;
        Line(dc, centre.x - i, y, centre.x + i + 1, y);
    }
}

void DrawSubmenuArrow(HDC dc, Point centre, COLORREF color) {
    gui::GdiPtr<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    gui::SelectedObject selected(dc, pen.get());
    for (int i = 0; i < 4; ++i)
        Line(dc, centre.x - 2 + i, centre.y - 3 + i, centre.x - 2 + i, centre.y + 4 - i);
}

}  // namespace

// ---- TSkinPopupWindow ----

TSkinPopupWindow::TSkinPopupWindow(TSkinMenu& menu, const std::vector<TMenuItem>& items, int depth)
    : menu_(menu), depth_(depth) {
    for (const TMenuItem& item : items)
        if (item.visible) items_.emplace_back(item);

    MenuLevelInput input;
    {
        gui::WindowDC dc(nullptr);
        gui::SelectedObject selected(dc, menu_.ItemFont());
        for (const TSkinMenuItem& i : items_) {
            const TMenuItem& item = i.Item();
            const std::string text =
                item.shortCut.empty() ? item.caption : item.caption + "  " + item.shortCut;
            input.items.push_back({item.Divider(), item.Divider() ? 0 : MeasureLine(dc, text)});
        }
    }
    input.plainItemHeight = menu_.defaultItemHeight;
    input.itemLook = menu_.ItemLook();
    input.windowLook = menu_.WindowLook();
    if (input.windowLook) {
        const Bitmap* picture = menu_.skinData->ActivePicture24(input.windowLook->windowPictureIndex);
        input.windowPicture = {picture->Width(), picture->Height()};
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    input.workAreaHeight = WorkAreaAt(cursor).Height();
    layout_ = LayOutMenuLevel(input);

    // Topmost and never activated: the opener keeps the focus while the menu is open.
    Create({.className = kPopupClass,
            .style = WS_POPUP,
            .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
            .x = 0,
            .y = 0,
            .width = layout_.window.cx,
            .height = layout_.window.cy,
            .classStyle = CS_SAVEBITS,
            .background = nullptr});
}

TSkinPopupWindow::~TSkinPopupWindow() {
    // The window goes while this level's items still live: no message may reach them half destroyed.
    DestroyHandle();
}

void TSkinPopupWindow::Show(Point at) {
    HWND w = Handle();
    if (menu_.alphaBlend) {
        SetWindowLongPtrA(w, GWL_EXSTYLE, GetWindowLongPtrA(w, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(w, 0, menu_.alphaBlendValue, LWA_ALPHA);
    }
    if (const TDataSkinPopupWindow* look = menu_.WindowLook()) {
        if (const Bitmap* mask = menu_.skinData->ActivePicture24(look->maskPictureIndex)) {
            const SkinPieces pieces =
                WholePicturePieces({mask->Width(), mask->Height()}, look->leftTopPoint, look->rightTopPoint,
                                   look->leftBottomPoint, look->rightBottomPoint, look->itemsRect);
            const auto runs = ShapeRuns(*mask, {0, 0, mask->Width(), mask->Height()}, pieces,
                                        FitToSkin(pieces, layout_.window));
            if (runs) gui::SetWindowShape(w, gui::RegionFromRuns(*runs));
        }
    }
    SetWindowPos(w, HWND_TOPMOST, at.x, at.y, layout_.window.cx, layout_.window.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(w);
}

Rect TSkinPopupWindow::ItemScreenRect(int index) const {
    RECT window{};
    GetWindowRect(Handle(), &window);
    return ItemRect(layout_, index, scroll_).Offset(window.left, window.top);
}

void TSkinPopupWindow::SetActiveItem(int index) {
    if (index == active_) return;
    active_ = index;
    if (active_ >= 0 && layout_.scrolls) scroll_ = ScrollToShow(layout_, active_, scroll_);
    const TDataSkinMenuItem* look = menu_.ItemLook();
    if (look && look->morphing && !morphing_) {
        morphing_ = true;
        StartTimer(kMorphTimer, kMorphMs);
    }
    Invalidate();
}

void TSkinPopupWindow::StepActiveItem(int direction) {
    const int n = ItemCount();
    if (n == 0) return;
    int index = active_;
    for (int tries = 0; tries < n; ++tries) {
        index = index < 0 ? (direction > 0 ? 0 : n - 1) : (index + direction + n) % n;
        if (Selectable(Item(index).Item())) {
            SetActiveItem(index);
            return;
        }
    }
}

bool TSkinPopupWindow::ScrollAt(Point p) {
    if (!layout_.scrolls) return false;
    // One default item height per poll: a 60-item level runs through in about three seconds.
    const int step = menu_.ItemLook() ? menu_.ItemLook()->skinRect.Height() : menu_.defaultItemHeight;
    int scroll = scroll_;
    if (layout_.upStrip.Contains(p))
        scroll = ClampScroll(layout_, scroll_ - step);
    else if (layout_.downStrip.Contains(p))
        scroll = ClampScroll(layout_, scroll_ + step);
    if (scroll == scroll_) return false;
    scroll_ = scroll;
    Invalidate();
    return true;
}

void TSkinPopupWindow::MorphTick() {
    bool moving = false;
    for (int i = 0; i < ItemCount(); ++i)
        moving = items_[static_cast<std::size_t>(i)].Morph().Tick(i == active_) || moving;
    if (!moving) {
        StopTimer(kMorphTimer);
        morphing_ = false;
    }
    Invalidate();
}

void TSkinPopupWindow::Paint(HDC target) {
    const Size size = layout_.window;
    if (size.cx <= 0 || size.cy <= 0) return;
    gui::DibSection canvas(size.cx, size.cy);
    const gui::MemoryDC memory;
    const gui::SelectedObject section(memory, canvas.Handle());
    const HDC dc = memory;
    const TDataSkinPopupWindow* windowLook = menu_.WindowLook();
    const TDataSkinMenuItem* itemLook = menu_.ItemLook();
    const Bitmap* itemPicture =
        itemLook ? menu_.skinData->ActivePicture24(itemLook->activePictureIndex) : nullptr;
    RECT whole{0, 0, size.cx, size.cy};

    if (windowLook) {
        const Bitmap& picture = *menu_.skinData->ActivePicture24(windowLook->windowPictureIndex);
        const SkinPieces pieces = WholePicturePieces(
            {picture.Width(), picture.Height()}, windowLook->leftTopPoint, windowLook->rightTopPoint,
            windowLook->leftBottomPoint, windowLook->rightBottomPoint, windowLook->itemsRect);
        CutPicture(picture, {0, 0, picture.Width(), picture.Height()}, pieces, FitToSkin(pieces, size),
                   canvas.Pixels());
    } else {
        FillRect(dc, &whole, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &whole, EDGE_RAISED, BF_RECT);
    }

    gui::SelectedObject font(dc, menu_.ItemFont());
    SetBkMode(dc, TRANSPARENT);
    const int glyphColumn = MenuGlyphColumn(0);
    const Rect& view = layout_.view;
    for (int i = 0; i < ItemCount(); ++i) {
        const TMenuItem& item = Item(i).Item();
        const Rect r = ItemRect(layout_, i, scroll_);
        if (r.bottom <= view.top || r.top >= view.bottom) continue;
        const bool active = i == active_;
        COLORREF textColor;
        if (itemLook && itemPicture) {
            const MenuItemLook look = ChooseMenuItemLook(*itemLook, item.Divider(), active, item.enabled);
            textColor = look.textColor;
            // Composed apart, so an item cut by the view shows only its visible part.
            TEffectBmp piece(r.Width(), r.Height());
            const Rect local{0, 0, r.Width(), r.Height()};
            const double k = Item(i).Morph().K();
            if (!item.Divider() && itemLook->morphing && k > 0 && k < 1) {
                const MenuItemLook normal = ChooseMenuItemLook(*itemLook, false, false, item.enabled);
                const MenuItemLook hot = ChooseMenuItemLook(*itemLook, false, true, item.enabled);
                TEffectBmp activePiece(r.Width(), r.Height());
                CutHorizontalEnds(*itemPicture, normal.source, normal.leftOffset, normal.rightOffset,
                                  piece.Pixels(), local);
                CutHorizontalEnds(*itemPicture, hot.source, hot.leftOffset, hot.rightOffset,
                                  activePiece.Pixels(), local);
                piece.Morph(itemLook->morphKind, activePiece, k);
            } else {
                CutHorizontalEnds(*itemPicture, look.source, look.leftOffset, look.rightOffset,
                                  piece.Pixels(), local);
            }
            const Rect visible = r.Intersect(view);
            CopyPiece(piece.Pixels(), visible.Offset(-r.left, -r.top), canvas.Pixels(),
                      {visible.left, visible.top});
        } else {
            RECT box = gui::ToRECT(r.Intersect(view));
            if (item.Divider()) {
                RECT line{r.left + 1, r.top + r.Height() / 2 - 1, r.right - 1, r.top + r.Height() / 2 + 1};
                DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
            } else if (active) {
                gui::BrushHandle fill(CreateSolidBrush(kPlainActiveFill));
                gui::BrushHandle frame(CreateSolidBrush(kPlainActiveFrame));
                FillRect(dc, &box, fill.get());
                FrameRect(dc, &box, frame.get());
            }
            textColor = !item.enabled ? GetSysColor(COLOR_BTNSHADOW) : GetSysColor(COLOR_MENUTEXT);
        }
        if (item.Divider()) continue;

        // Text and symbols, clipped to the view.
        SaveDC(dc);
        IntersectClipRect(dc, view.left, view.top, view.right, view.bottom);
        SetTextColor(dc, textColor);
        const MenuItemParts parts = LayOutMenuItem(r, itemLook, glyphColumn);
        const Point glyphCentre{parts.glyph.left + parts.glyph.Width() / 2,
                                parts.glyph.top + parts.glyph.Height() / 2};
        if (item.checked)
            DrawCheck(dc, glyphCentre, textColor);
        else
            DrawSymbol(dc, SymbolOf(item.name), glyphCentre, textColor);
        RECT text = gui::ToRECT(parts.text);
        DrawTextA(dc, item.caption.c_str(), static_cast<int>(item.caption.size()), &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        if (!item.shortCut.empty()) {
            RECT shortcut{parts.text.left, parts.text.top, parts.shortcutRight, parts.text.bottom};
            DrawTextA(dc, item.shortCut.c_str(), static_cast<int>(item.shortCut.size()), &shortcut,
                      DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        if (!item.items.empty()) DrawSubmenuArrow(dc, parts.arrow, textColor);
        RestoreDC(dc, -1);
    }

    if (layout_.scrolls) {
        const COLORREF idle =
            windowLook ? static_cast<COLORREF>(windowLook->scrollMarkerColor) : GetSysColor(COLOR_BTNSHADOW);
        const COLORREF live = windowLook ? static_cast<COLORREF>(windowLook->scrollMarkerActiveColor)
                                         : GetSysColor(COLOR_BTNTEXT);
        for (const bool up : {true, false}) {
            const Rect& strip = up ? layout_.upStrip : layout_.downStrip;
            RECT band = gui::ToRECT(strip);
            FillRect(dc, &band, GetSysColorBrush(COLOR_BTNFACE));
            const bool canScroll = up ? scroll_ > 0 : scroll_ < layout_.maxScroll;
            DrawArrow(dc, {strip.left + strip.Width() / 2, strip.top + strip.Height() / 2},
                      canScroll ? live : idle, up);
        }
    }
    GdiFlush();
    BitBlt(target, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
}

LRESULT TSkinPopupWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND w = Handle();
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;  // a click leaves the focus where it was
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const gui::PaintScope paint(w);
            Paint(paint.Dc());
            return 0;
        }
        case WM_MOUSEMOVE:
            menu_.TrackPointer(true);
            return 0;
        case WM_LBUTTONDOWN:
            return 0;
        case WM_LBUTTONUP: {
            const int index =
                ItemAtClient({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            if (index < 0 || index != active_) return 0;
            const TMenuItem& item = Item(index).Item();
            if (!item.items.empty())
                menu_.OpenSubmenu(depth_, index);
            else
                menu_.Choose(item);  // this window is gone afterwards: touch nothing of it
            return 0;
        }
    }
    return gui::Window::HandleMessage(message, wParam, lParam);
}

void TSkinPopupWindow::TimerTick(UINT_PTR id) {
    if (id == kMorphTimer) MorphTick();
}

// ---- TSkinMenu ----

TSkinMenu::TSkinMenu(TSkinData* data) : skinData(data) {}

TSkinMenu::~TSkinMenu() {
    opener_ = nullptr;  // nobody to tell while going
    CloseAll();
}

const TDataSkinMenuItem* TSkinMenu::ItemLook() const {
    if (!skinData || skinData->Empty()) return nullptr;
    // The first object of the "menuitem" type, whatever its name.
    for (const auto& object : skinData->Objects())
        if (object->Type() == "menuitem")
            if (const auto* look = dynamic_cast<const TDataSkinMenuItem*>(object.get()))
                return skinData->ActivePicture24(look->activePictureIndex) ? look : nullptr;
    return nullptr;
}

const TDataSkinPopupWindow* TSkinMenu::WindowLook() const {
    if (!skinData || skinData->Empty()) return nullptr;
    const TDataSkinPopupWindow& look = skinData->PopupWindow();
    return skinData->ActivePicture24(look.windowPictureIndex) ? &look : nullptr;
}

HFONT TSkinMenu::ItemFont() {
    if (!font_) {
        const TDataSkinMenuItem* look = ItemLook();
        font_ = gui::CreateFontFrom(look ? gui::FontSpecOf(look->font, defaultFont.charset) : defaultFont);
    }
    return font_.get();
}

void TSkinMenu::Popup(HWND opener, const std::vector<TMenuItem>& items, Point at) {
    if (g_openMenu) g_openMenu->CloseAll();
    font_.reset();  // the skin may have changed since the last time
    opener_ = opener;
    auto level = std::make_unique<TSkinPopupWindow>(*this, items, 0);
    const Point place = PlaceMenuLevel(at, level->WindowSize(), WorkAreaAt({at.x, at.y}));
    levels_.push_back(std::move(level));
    g_openMenu = this;
    InstallHooks();
    GetCursorPos(&lastPointer_);
    levels_.back()->Show(place);
}

void TSkinMenu::CloseFrom(int depth) {
    while (static_cast<int>(levels_.size()) > depth + 1)
        levels_.pop_back();
}

void TSkinMenu::CloseAll() {
    if (levels_.empty() && g_openMenu != this) return;
    levels_.clear();
    RemoveHooks();
    if (g_openMenu == this) g_openMenu = nullptr;
    if (HWND opener = std::exchange(opener_, nullptr); opener && IsWindow(opener))
        SendMessageA(opener, kMenuClosedMessage, 0, 0);
}

void TSkinMenu::Choose(const TMenuItem& item) {
    if (!Selectable(item)) return;
    // The levels (and the item with them, when it belongs to a menu built for this showing) go first.
    const std::function<void()> command = item.onClick;
    CloseAll();
    if (!command) return;
    // The level that was clicked is gone: nothing may unwind into its window procedure.
    try {
        command();
    } catch (...) {
        gui::HandleEventException(std::current_exception());
    }
}

void TSkinMenu::OpenSubmenu(int depth, int index) {
    if (depth < 0 || depth >= static_cast<int>(levels_.size())) return;
    TSkinPopupWindow& parent = *levels_[static_cast<std::size_t>(depth)];
    const TMenuItem& item = parent.Item(index).Item();
    if (item.items.empty() || !item.enabled) return;
    CloseFrom(depth);
    auto level = std::make_unique<TSkinPopupWindow>(*this, item.items, depth + 1);
    RECT parentRect{};
    GetWindowRect(parent.Handle(), &parentRect);
    const Rect itemRect = parent.ItemScreenRect(index);
    const int firstTop = level->Layout().items.empty() ? 0 : level->Layout().items.front().top;
    const Point place = PlaceSubmenu(itemRect, gui::FromRECT(parentRect), level->WindowSize(), firstTop,
                                     WorkAreaAt({itemRect.left, itemRect.top}));
    levels_.push_back(std::move(level));
    levels_.back()->Show(place);
}

void TSkinMenu::OpenSubmenuFromKeyboard(int depth, int index) {
    OpenSubmenu(depth, index);
    // Opened from the keyboard, a submenu lights its first item, so that Enter or an arrow acts at once.
    if (static_cast<int>(levels_.size()) == depth + 2) levels_.back()->StepActiveItem(1);
}

int TSkinMenu::LevelAt(POINT p) const {
    HWND w = WindowFromPoint(p);
    for (std::size_t i = 0; i < levels_.size(); ++i)
        if (levels_[i]->Handle() == w) return static_cast<int>(i);
    return -1;
}

void TSkinMenu::TrackPointer(bool moved) {
    POINT p{};
    GetCursorPos(&p);
    if (p.x != lastPointer_.x || p.y != lastPointer_.y) moved = true;
    lastPointer_ = p;
    const int depth = LevelAt(p);
    if (depth < 0) return;
    TSkinPopupWindow& level = *levels_[static_cast<std::size_t>(depth)];
    POINT local = p;
    ScreenToClient(level.Handle(), &local);
    const Point at{local.x, local.y};
    if (level.ScrollAt(at) || !moved) return;
    const int index = level.ItemAtClient(at);
    if (index < 0 || index == level.ActiveItem()) return;
    level.SetActiveItem(index);
    CloseFrom(depth);
    if (!level.Item(index).Item().items.empty()) OpenSubmenu(depth, index);
}

bool TSkinMenu::HandleKey(WPARAM key) {
    if (levels_.empty()) return false;
    TSkinPopupWindow& level = *levels_.back();
    const int depth = static_cast<int>(levels_.size()) - 1;
    switch (key) {
        case VK_ESCAPE:
            if (depth == 0)
                CloseAll();
            else
                CloseFrom(depth - 1);
            return true;
        case VK_LEFT:
            if (depth > 0) CloseFrom(depth - 1);
            return true;
        case VK_UP:
        case VK_DOWN:
            level.StepActiveItem(key == VK_DOWN ? 1 : -1);
            return true;
        case VK_RIGHT:
        case VK_RETURN: {
            const int index = level.ActiveItem();
            if (index < 0) return true;
            const TMenuItem& item = level.Item(index).Item();
            if (!item.items.empty()) {
                OpenSubmenuFromKeyboard(depth, index);
            } else if (key == VK_RETURN) {
                Choose(item);
            }
            return true;
        }
        case VK_MENU:
        case VK_F10:
            CloseAll();
            return true;
    }
    for (int i = 0; i < level.ItemCount(); ++i) {
        const TMenuItem& item = level.Item(i).Item();
        if (Selectable(item) && CaptionAccelerator(item.caption) == static_cast<char>(key)) {
            level.SetActiveItem(i);
            if (!item.items.empty())
                OpenSubmenuFromKeyboard(depth, i);
            else
                Choose(item);
            return true;
        }
    }
    return true;  // while a menu is open, keys belong to it
}

void TSkinMenu::InstallHooks() {
    const DWORD thread = GetCurrentThreadId();
    if (!mouseHook_) mouseHook_ = SetWindowsHookExA(WH_MOUSE, MouseHook, nullptr, thread);
    if (!keyboardHook_) keyboardHook_ = SetWindowsHookExA(WH_KEYBOARD, KeyboardHook, nullptr, thread);
    if (!pollTimer_) pollTimer_ = SetTimer(nullptr, 0, kPollMs, PollTick);
}

void TSkinMenu::RemoveHooks() {
    if (mouseHook_) UnhookWindowsHookEx(std::exchange(mouseHook_, nullptr));
    if (keyboardHook_) UnhookWindowsHookEx(std::exchange(keyboardHook_, nullptr));
    if (pollTimer_) KillTimer(nullptr, std::exchange(pollTimer_, 0));
}

LRESULT CALLBACK TSkinMenu::MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    TSkinMenu* menu = g_openMenu;
    HHOOK hook = menu ? menu->mouseHook_ : nullptr;
    if (code == HC_ACTION && menu) {
        const auto* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        switch (wParam) {
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_NCLBUTTONDOWN:
            case WM_NCRBUTTONDOWN:
            case WM_NCMBUTTONDOWN: {
                // A press outside every level closes the menu; the press itself goes on.
                const bool onLevel =
                    std::any_of(menu->levels_.begin(), menu->levels_.end(),
                                [&](const auto& level) { return level->Handle() == info->hwnd; });
                if (!onLevel) menu->CloseAll();
                break;
            }
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

LRESULT CALLBACK TSkinMenu::KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    TSkinMenu* menu = g_openMenu;
    HHOOK hook = menu ? menu->keyboardHook_ : nullptr;
    const bool down = (static_cast<DWORD>(lParam) & 0x80000000u) == 0;
    const bool alt = (static_cast<DWORD>(lParam) & 0x20000000u) != 0;
    if (code == HC_ACTION && menu && !alt) {
        if (!down) return 1;  // the release of a key the menu took
        if (menu->HandleKey(wParam)) return 1;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

void CALLBACK TSkinMenu::PollTick(HWND, UINT, UINT_PTR, DWORD) {
    TSkinMenu* menu = g_openMenu;
    if (!menu) return;
    // Another program came to the front: the menu goes, as the system's menus do.
    DWORD process = 0;
    if (HWND front = GetForegroundWindow()) GetWindowThreadProcessId(front, &process);
    if (process != GetCurrentProcessId() || (menu->opener_ && !IsWindowVisible(menu->opener_))) {
        menu->CloseAll();
        return;
    }
    menu->TrackPointer(false);
}

}  // namespace huecast::skin
