#include "skin/popups/win32/hint.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "gui/application.h"
#include "gui/drawing.h"
#include "skin/picture/mask_runs.h"
#include "skin/picture/picture_cut.h"
#include "skin/picture/piece_geometry.h"
#include "skin/format/skin_data.h"

namespace huecast::skin {

namespace {

constexpr const char* kHintClass = "HuecastSkinHint";
constexpr UINT kTextFormat = DT_NOPREFIX | DT_EXPANDTABS;
// The standard arrow cursor is about 20 pixels tall: the hint opens just below its tip.
constexpr int kBelowCursor = 20;
constexpr UINT kPollMs = 100;

std::vector<TSkinHint*>& AllHints() {
    static std::vector<TSkinHint*> hints;
    return hints;
}

Size MeasureHint(HFONT font, const std::string& text) {
    gui::WindowDC dc(nullptr);
    gui::SelectedObject selected(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | kTextFormat);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

// ---- TSkinHintWindow ----

TSkinHintWindow::TSkinHintWindow(TSkinHint& owner) : owner_(owner) {
    // Topmost and never activated; a tool window so the task bar does not list it.
    Create({.className = kHintClass,
            .style = WS_POPUP,
            .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
            .x = 0,
            .y = 0,
            .width = 0,
            .height = 0,
            .classStyle = CS_SAVEBITS,
            .background = nullptr});
}

const TSkinData* TSkinHintWindow::Skin() const {
    const TSkinData* skin = owner_.skinData;
    if (!skin || skin->Empty() || skin->HintWindow().windowPictureIndex == -1) return nullptr;
    if (!skin->ActivePicture24(skin->HintWindow().windowPictureIndex)) return nullptr;
    return skin;
}

gui::FontHandle TSkinHintWindow::CreateHintFont() const {
    const TSkinData* skin = Skin();
    if (skin && owner_.useSkinFont) {
        return gui::CreateFontFrom(gui::FontSpecOf(skin->HintWindow().font, owner_.defaultFont.charset));
    }
    return gui::CreateFontFrom(owner_.defaultFont);
}

void TSkinHintWindow::ActivateHint(Point suggested, const std::string& text) {
    text_ = text;
    SetWindowTextA(Handle(), text_.c_str());  // what screen readers and tests read
    const TSkinData* skin = Skin();
    const gui::FontHandle font = CreateHintFont();
    const Size textSize = MeasureHint(font.get(), text_);
    if (skin) {
        const Bitmap* picture = skin->ActivePicture24(skin->HintWindow().windowPictureIndex);
        const HintSkin hintSkin{skin->HintWindow(), {picture->Width(), picture->Height()}};
        layout_ = LayOutHint(textSize, &hintSkin);
    } else {
        layout_ = LayOutHint(textSize, nullptr);
    }
    HMONITOR monitor = MonitorFromPoint({suggested.x, suggested.y}, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    const Rect screen{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
    const Point at = PlaceHint(suggested, layout_.window, screen);

    UpdateAlpha();
    SetWindowPos(Handle(), HWND_TOPMOST, at.x, at.y, layout_.window.cx, layout_.window.cy,
                 SWP_NOACTIVATE | SWP_NOREDRAW);
    UpdateShape(skin);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    Invalidate();
    UpdateWindow(Handle());
}

void TSkinHintWindow::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

void TSkinHintWindow::UpdateShape(const TSkinData* skin) {
    const Bitmap* mask = skin ? skin->ActivePicture24(skin->HintWindow().maskPictureIndex) : nullptr;
    std::optional<std::vector<Rect>> runs;
    if (mask) {
        const TDataSkinHintWindow& look = skin->HintWindow();
        const SkinPieces pieces =
            WholePicturePieces({mask->Width(), mask->Height()}, look.leftTopPoint, look.rightTopPoint,
                               look.leftBottomPoint, look.rightBottomPoint, look.clientRect);
        runs = ShapeRuns(*mask, {0, 0, mask->Width(), mask->Height()}, pieces,
                         FitToSkin(pieces, layout_.window));
    }
    if (!runs && !shaped_) return;
    shaped_ = gui::SetWindowShape(Handle(), runs ? gui::RegionFromRuns(*runs) : gui::RegionHandle());
}

void TSkinHintWindow::UpdateAlpha() {
    HWND w = Handle();
    if (owner_.alphaBlend) {
        if (appliedAlpha_ == owner_.alphaBlendValue) return;
        SetWindowLongPtrA(w, GWL_EXSTYLE, GetWindowLongPtrA(w, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(w, 0, owner_.alphaBlendValue, LWA_ALPHA);
        appliedAlpha_ = owner_.alphaBlendValue;
    } else if (appliedAlpha_ != -1) {
        SetWindowLongPtrA(w, GWL_EXSTYLE, GetWindowLongPtrA(w, GWL_EXSTYLE) & ~WS_EX_LAYERED);
        appliedAlpha_ = -1;
    }
}

void TSkinHintWindow::Paint(HDC target) {
    RECT client{};
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    gui::DibSection canvas(client.right, client.bottom);
    const gui::MemoryDC dc;
    const gui::SelectedObject section(dc, canvas.Handle());
    const TSkinData* skin = Skin();
    COLORREF textColor = GetSysColor(COLOR_INFOTEXT);
    if (skin) {
        const TDataSkinHintWindow& look = skin->HintWindow();
        const Bitmap& picture = *skin->ActivePicture24(look.windowPictureIndex);
        const SkinPieces pieces =
            WholePicturePieces({picture.Width(), picture.Height()}, look.leftTopPoint, look.rightTopPoint,
                               look.leftBottomPoint, look.rightBottomPoint, look.clientRect);
        const PieceMapping mapping = FitToSkin(pieces, {client.right, client.bottom});
        CutPicture(picture, {0, 0, picture.Width(), picture.Height()}, pieces, mapping, canvas.Pixels());
        textColor = look.font.color;
    } else {
        FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
        FrameRect(dc, &client, GetSysColorBrush(COLOR_BTNSHADOW));
    }
    const gui::FontHandle font = CreateHintFont();
    gui::SelectedObject selected(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor);
    // The text block centred in the text area, its lines as written.
    const Size size = MeasureHint(font.get(), text_);
    const Rect& area = layout_.textArea;
    const int x = skin ? area.left + (area.Width() - size.cx) / 2 : 2;
    const int y = skin ? area.top + (area.Height() - size.cy) / 2 : 2;
    RECT r{x, y, x + size.cx, y + size.cy};
    DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &r, kTextFormat);
    GdiFlush();
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

LRESULT TSkinHintWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_NCHITTEST:
            return HTTRANSPARENT;  // the pointer finds the control beneath, never the hint
        case WM_ERASEBKGND:
            return 1;
        case WM_NCPAINT:
            return 0;
        case WM_PAINT: {
            const gui::PaintScope paint(Handle());
            Paint(paint.Dc());
            return 0;
        }
    }
    return gui::Window::HandleMessage(message, wParam, lParam);
}

// ---- TSkinHint ----

TSkinHint::TSkinHint(TSkinData* data) : skinData(data), window_(*this) {
    AllHints().push_back(this);
    SetActive(true);
    HintTimings timings = ApplicationHints::Instance().Timings();
    timings.shortPause = 100;
    ApplicationHints::Instance().SetTimings(timings);
}

TSkinHint::~TSkinHint() {
    auto& all = AllHints();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
    ApplicationHints::Instance().Forget(this);
}

bool TSkinHint::Active() const {
    return ApplicationHints::Instance().ActiveHint() == this;
}

void TSkinHint::SetActive(bool active) {
    ApplicationHints& hints = ApplicationHints::Instance();
    if (active)
        hints.SetActiveHint(this);  // every other one is inactive now
    else if (hints.ActiveHint() == this)
        hints.SetActiveHint(nullptr);
}

// ---- ApplicationHints ----

ApplicationHints& ApplicationHints::Instance() {
    static ApplicationHints instance;
    return instance;
}

ApplicationHints::~ApplicationHints() {
    if (mouseHook_) UnhookWindowsHookEx(mouseHook_);
    if (keyboardHook_) UnhookWindowsHookEx(keyboardHook_);
}

void ApplicationHints::SetHint(HWND control, std::string text) {
    if (text.empty())
        hints_.erase(control);
    else
        hints_[control] = std::move(text);
    Install();
}

const std::string* ApplicationHints::HintFor(HWND window, HWND* owner) const {
    for (HWND w = window; w; w = GetAncestor(w, GA_PARENT)) {
        if (w == GetDesktopWindow()) break;
        const auto it = hints_.find(w);
        if (it != hints_.end()) {
            if (owner) *owner = w;
            return &it->second;
        }
    }
    return nullptr;
}

HWND ApplicationHints::WindowAt(POINT p) {
    // The system hands the pointer of a disabled control to its parent; descending from there finds the
    // disabled control itself, whose hint shows like any other.
    HWND w = WindowFromPoint(p);
    if (!w) return nullptr;
    DWORD process = 0;
    if (GetWindowThreadProcessId(w, &process) != GetCurrentThreadId()) return nullptr;
    for (;;) {
        POINT local = p;
        ScreenToClient(w, &local);
        HWND child = ChildWindowFromPointEx(w, local, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == w) return w;
        w = child;
    }
}

void ApplicationHints::SetActiveHint(TSkinHint* hint) {
    if (active_ && active_ != hint) active_->Window().Hide();
    active_ = hint;
    Install();
}

void ApplicationHints::Forget(TSkinHint* hint) {
    if (active_ == hint) active_ = nullptr;
}

void ApplicationHints::Install() {
    const DWORD thread = GetCurrentThreadId();
    if (!mouseHook_) mouseHook_ = SetWindowsHookExA(WH_MOUSE, MouseHook, nullptr, thread);
    if (!keyboardHook_) keyboardHook_ = SetWindowsHookExA(WH_KEYBOARD, KeyboardHook, nullptr, thread);
}

void ApplicationHints::Apply(HintStep step) {
    if (step.hide && active_) active_->Window().Hide();
    if (step.show && active_) {
        HWND owner = nullptr;
        const std::string* text = HintFor(static_cast<HWND>(const_cast<void*>(schedule_.Current())), &owner);
        std::string shown = text ? *text : std::string();
        if (active_->onShowHint) active_->onShowHint(shown);
        if (!shown.empty()) {
            POINT cursor{};
            GetCursorPos(&cursor);
            active_->Window().ActivateHint({cursor.x, cursor.y + kBelowCursor}, shown);
        }
    }
    if (step.timer == 0 && scheduleTimer_) {
        KillTimer(nullptr, scheduleTimer_);
        scheduleTimer_ = 0;
    } else if (step.timer > 0) {
        if (scheduleTimer_) KillTimer(nullptr, scheduleTimer_);
        scheduleTimer_ = SetTimer(nullptr, 0, static_cast<UINT>(step.timer), ScheduleTick);
    }
    // While a hint waits or shows, the pointer is polled too: it may leave the program's windows, where
    // no mouse message tells.
    const bool busy = scheduleTimer_ != 0 || schedule_.Showing();
    if (busy && !pollTimer_) pollTimer_ = SetTimer(nullptr, 0, kPollMs, PollTick);
    if (!busy && pollTimer_) {
        KillTimer(nullptr, pollTimer_);
        pollTimer_ = 0;
    }
}

void ApplicationHints::PointerMoved() {
    POINT cursor{};
    GetCursorPos(&cursor);
    HWND owner = nullptr;
    if (!active_ || !HintFor(WindowAt(cursor), &owner)) owner = nullptr;
    Apply(schedule_.PointerOver(owner));
}

void ApplicationHints::Cancel() {
    Apply(schedule_.Cancel());
}

LRESULT CALLBACK ApplicationHints::MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    ApplicationHints& self = Instance();
    if (code == HC_ACTION) {
        switch (wParam) {
            case WM_MOUSEMOVE:
            case WM_NCMOUSEMOVE:
                self.PointerMoved();
                break;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_NCLBUTTONDOWN:
            case WM_NCRBUTTONDOWN:
            case WM_NCMBUTTONDOWN:
            case WM_MOUSEWHEEL:
                self.Cancel();
                break;
        }
    }
    return CallNextHookEx(self.mouseHook_, code, wParam, lParam);
}

LRESULT CALLBACK ApplicationHints::KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    ApplicationHints& self = Instance();
    const bool down = (lParam & (1u << 31)) == 0;
    if (code == HC_ACTION && down) self.Cancel();
    return CallNextHookEx(self.keyboardHook_, code, wParam, lParam);
}

void CALLBACK ApplicationHints::ScheduleTick(HWND, UINT, UINT_PTR, DWORD) {
    ApplicationHints& self = Instance();
    // One tick at a time: the step says whether the timer runs on.
    KillTimer(nullptr, self.scheduleTimer_);
    self.scheduleTimer_ = 0;
    HintStep step = self.schedule_.TimerElapsed();
    if (step.timer == 0) step.timer = -1;  // already stopped
    self.Apply(step);
}

void CALLBACK ApplicationHints::PollTick(HWND, UINT, UINT_PTR, DWORD) {
    Instance().PointerMoved();
}

}  // namespace huecast::skin
