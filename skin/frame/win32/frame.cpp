// TSkinFrame: hooking the form, the messages it answers, the caption commands and the window state.
#include "skin/frame/win32/frame.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "gui/application.h"
#include "skin/frame/frame_moves.h"
#include "skin/frame/frame_strips.h"
#include "skin/format/picture_cache.h"
#include "skin/frame/system_menu_items.h"
#include "skin/frame/win32/frame_canvas.h"
#include "skin/controls/win32/control_walk.h"
#include "skin/format/win32/notices.h"
#include "skin/popups/win32/tray_icon.h"

namespace huecast::skin {

namespace {

constexpr UINT_PTR kSubclassId = 0x534B4652;  // "SKFR"
// Marks a form's window as carrying a skinned frame, so frames find each other (minimized slots).
constexpr const char* kFrameProperty = "HuecastSkinFrame";
// wParam of the frame's command message: what lParam holds.
constexpr WPARAM kCaptionCommand = 0;
constexpr WPARAM kMenuCommand = 1;
constexpr WPARAM kApplicationCommand = 2;

constexpr UINT kTrackInterval = 50, kMorphInterval = 20, kAnimateInterval = 25;

Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

RECT ToRECT(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

Rect WorkAreaOf(HWND window, bool fullScreen) {
    MONITORINFO info{sizeof info, {}, {}, 0};
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return ToRect(fullScreen ? info.rcMonitor : info.rcWork);
}

MouseButton ButtonOf(UINT message) {
    switch (message) {
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONUP:
        case WM_RBUTTONUP:
            return MouseButton::Right;
        case WM_NCMBUTTONDOWN:
        case WM_NCMBUTTONUP:
        case WM_MBUTTONUP:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
    }
}

}  // namespace

// ---- Hooking ----

TSkinFrame::TSkinFrame(HWND form)
    : form_(form),
      systemMenu_(std::make_unique<SystemPopupMenu>()),
      commandMessage_(RegisterWindowMessageA("HuecastSkinFrameCommand")) {
    for (auto& strip : strips_)
        strip = std::make_unique<FrameCanvas>();
    background_ = std::make_unique<FrameCanvas>();
    SetPropA(form_, kFrameProperty, this);
    SetWindowSubclass(form_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    // The frame draws the caption: the system's goes, and the frame is recalculated without it.
    SetWindowLongPtrA(form_, GWL_STYLE,
                      GetWindowLongPtrA(form_, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CAPTION));
    active_ = GetActiveWindow() == form_;
    wasIconic_ = IsIconic(form_);
    wasZoomed_ = IsZoomed(form_);
    RebuildObjects();
    SetWindowPos(form_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TSkinFrame::~TSkinFrame() {
    StopTimers();
    if (IsWindow(form_)) {
        RemoveWindowSubclass(form_, SubclassProc, kSubclassId);
        RemovePropA(form_, kFrameProperty);
    }
}

LRESULT CALLBACK TSkinFrame::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
    auto* frame = reinterpret_cast<TSkinFrame*>(self);
    try {
        return frame->Handle(message, wParam, lParam);
    } catch (...) {
        gui::HandleEventException(std::current_exception());
        return 0;
    }
}

LRESULT TSkinFrame::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(form_, message, wParam, lParam);
}

void TSkinFrame::SetSystemMenuPopup(std::unique_ptr<SystemMenuPopup> popup) {
    systemMenu_ = popup ? std::move(popup) : std::make_unique<SystemPopupMenu>();
}

// ---- Skin ----

void TSkinFrame::SetSkinData(TSkinData* skinData) {
    if (skinData_ && skinData_ != skinData) SkinChanging(skinData_);
    skinData_ = skinData;
    SkinChanged(skinData_);
}

void TSkinFrame::SkinChanging(TSkinData* announcing) {
    if (announcing != skinData_) return;
    StopTimers();
    objects_.clear();
    mouseIndex_ = oldMouseIndex_ = pressedIndex_ = -1;
}

void TSkinFrame::SkinChanged(TSkinData* announcing) {
    if (announcing != skinData_) return;
    mouseIndex_ = oldMouseIndex_ = pressedIndex_ = -1;
    if (Skinned()) {
        main24_ = To24Bits(skinData_->MainPicture());
        inactive24_ = To24Bits(skinData_->InactivePicture());
        mask24_ = To24Bits(skinData_->MaskPicture());
    } else {
        main24_ = inactive24_ = mask24_ = {};
    }
    RebuildObjects();
    Refresh();
    if (onChangeSkinData) onChangeSkinData();
}

void TSkinFrame::RebuildObjects() {
    static const TSkinData kNoSkin;
    objects_ = Skinned() ? BuildFrameObjects(*this, *skinData_)
                         : BuildPlainButtons(*this, skinData_ ? *skinData_ : kNoSkin);
    ApplyBorderIcons(objects_, borderIcons);
    for (auto& object : objects_)
        if (dynamic_cast<TSkinCaptionObject*>(object.get())) object->SetActive(active_, false);
}

void TSkinFrame::Refresh() {
    ApplyBorderIcons(objects_, borderIcons);
    // The margins may have changed with the skin: let the system ask for them again.
    SetWindowPos(form_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EnlargeToMinimum();
    UpdateRegion();
    RepaintFrame();
    if (!trackTimer_)
        trackTimer_ = std::make_unique<gui::Timer>(form_, kTrackInterval, [this] { TrackMouse(); });
    trackTimer_->SetEnabled(true);
}

void TSkinFrame::EnlargeToMinimum() {
    const Size minimum = MinimumSize();
    const Rect bounds = WindowBounds();
    Size size{bounds.Width(), bounds.Height()};
    if (state_.RolledUp() || Minimized())
        size.cy = minimum.cy;
    else
        size.cy = std::max(size.cy, minimum.cy);
    size.cx = state_.Minimized() ? minimum.cx : std::max(size.cx, minimum.cx);
    if (IsIconic(form_) || (size.cx == bounds.Width() && size.cy == bounds.Height())) return;
    SetWindowPos(form_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Sizes ----

bool TSkinFrame::ToolWindow() const {
    return (GetWindowLongPtrA(form_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
}

bool TSkinFrame::Resizable() const {
    return (GetWindowLongPtrA(form_, GWL_STYLE) & WS_THICKFRAME) != 0;
}

FrameMargins TSkinFrame::Margins() const {
    if (!Skinned()) return UnskinnedMargins(ToolWindow());
    return SkinnedMargins(skinData_->FormInfo(), {main24_.Width(), main24_.Height()});
}

Size TSkinFrame::WindowSizeFor(Size client) const {
    return skin::WindowSizeFor(client, Margins());
}

Size TSkinFrame::MinimumSize() const {
    if (!Skinned()) return UnskinnedMinimumSize(ToolWindow(), minWidth, minHeight);
    return SkinnedMinimumSize(skinData_->FormInfo(), {main24_.Width(), main24_.Height()}, minWidth, minHeight,
                              {.minimized = state_.Minimized(), .rolledUp = state_.RolledUp()});
}

Rect TSkinFrame::WindowBounds() const {
    RECT r{};
    GetWindowRect(form_, &r);
    return ToRect(r);
}

FrameLayout TSkinFrame::Layout() const {
    const Rect b = WindowBounds();
    const Size window{b.Width(), b.Height()};
    if (!Skinned()) return PlainFrameLayout(window, ToolWindow());
    return ComputeFrameLayout(skinData_->FormInfo(), {main24_.Width(), main24_.Height()}, window);
}

void TSkinFrame::PlaceObjects(const FrameLayout& layout) {
    const PlacementOptions options{
        .showIcon = showIcon, .smallIcon = {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}};
    if (Skinned()) {
        PlaceFrameObjects(objects_, skinData_->FormInfo(), {main24_.Width(), main24_.Height()}, layout,
                          options);
    } else {
        const Rect b = WindowBounds();
        plainCaption_ = PlacePlainButtons(objects_, {b.Width(), b.Height()}, ToolWindow(), options);
    }
}

Point TSkinFrame::CursorInWindow() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    const Rect b = WindowBounds();
    return {cursor.x - b.left, cursor.y - b.top};
}

// ---- Messages ----

LRESULT TSkinFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (TSkinData* announcing = SkinDataOfNotice(message, wParam, lParam)) {
        // The frame first, then every skinned control of the form that uses the announcing skin data.
        if (message == kSkinBeforeChangeMessage) {
            SkinChanging(announcing);
            PassSkinNotice(form_, *announcing, SkinNotice::BeforeChange);
        }
        if (message == kSkinChangeMessage) {
            SkinChanged(announcing);
            PassSkinNotice(form_, *announcing, SkinNotice::Change);
        }
        return PassOn(message, wParam, lParam);
    }
    if (message == commandMessage_) {
        if (wParam == kCaptionCommand) RunCommand(static_cast<SkinCommand>(lParam));
        if (wParam == kMenuCommand) RunMenuCommand(static_cast<SystemMenuCommand>(lParam));
        if (wParam == kApplicationCommand)
            if (const std::function<void()> command = std::exchange(pendingApplicationCommand_, nullptr)) command();
        return 0;
    }
    switch (message) {
        case WM_NCCALCSIZE: {
            // The window rect shrinks to the client rect; nothing of the system's frame is kept.
            auto* r = reinterpret_cast<RECT*>(lParam);
            *r = ToRECT(ClientRectOf(ToRect(*r), Margins()));
            return 0;
        }
        case WM_NCPAINT: {
            const HDC dc = GetWindowDC(form_);
            PaintFrame(dc);
            ReleaseDC(form_, dc);
            return 0;
        }
        case WM_NCACTIVATE:
            OnActivate(wParam != FALSE, IsWindowVisible(form_) != FALSE);
            return TRUE;  // the system draws nothing of its own
        case WM_NCHITTEST:
            return static_cast<LRESULT>(
                HitTest({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}));
        case WM_NCMOUSEMOVE:
            TrackMouse();
            if (mouseIndex_ >= 0)
                objects_[static_cast<std::size_t>(mouseIndex_)]->MouseMove(CursorInWindow());
            return 0;
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            if (wParam == HTOBJECT) {
                TrackMouse();
                if (mouseIndex_ < 0) return 0;
                pressedIndex_ = mouseIndex_;
                if (message == WM_NCLBUTTONDOWN) {
                    SetCapture(form_);
                    capturing_ = true;
                }
                // A pop-up menu may run its own loop inside; the object may be gone when it returns.
                objects_[static_cast<std::size_t>(pressedIndex_)]->MouseDown(ButtonOf(message),
                                                                             CursorInWindow());
                return 0;
            }
            if (wParam == HTCAPTION && message != WM_NCLBUTTONDOWN) return 0;  // the menu comes on release
            break;
        case WM_NCRBUTTONUP:
            if (wParam == HTCAPTION) {
                POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                ShowSystemMenu(at, nullptr);
                return 0;
            }
            if (wParam == HTOBJECT) return 0;
            break;
        case WM_NCLBUTTONDBLCLK:
            if (wParam == HTCAPTION) {
                CaptionDoubleClick();
                return 0;
            }
            if (wParam == HTOBJECT) {
                TrackMouse();
                if (mouseIndex_ >= 0) objects_[static_cast<std::size_t>(mouseIndex_)]->DblClick();
                return 0;
            }
            break;
        case WM_MOUSEMOVE:
            if (capturing_) {
                TrackMouse();
                if (pressedIndex_ >= 0)
                    objects_[static_cast<std::size_t>(pressedIndex_)]->MouseMove(CursorInWindow());
                return 0;
            }
            break;
        case WM_LBUTTONUP:
            if (capturing_) {
                capturing_ = false;
                TrackMouse();
                const int pressed = pressedIndex_;
                pressedIndex_ = -1;
                ReleaseCapture();
                if (pressed >= 0 && pressed < static_cast<int>(objects_.size()))
                    objects_[static_cast<std::size_t>(pressed)]->MouseUp(MouseButton::Left, CursorInWindow());
                TrackMouse();
                return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            if (capturing_ && reinterpret_cast<HWND>(lParam) != form_) {
                capturing_ = false;
                const int pressed = pressedIndex_;
                pressedIndex_ = -1;
                if (pressed >= 0 && pressed < static_cast<int>(objects_.size()))
                    objects_[static_cast<std::size_t>(pressed)]->MouseUp(MouseButton::Left, {-1, -1});
            }
            break;
        case WM_GETMINMAXINFO: {
            // The form says first (its own largest size); the frame then sets its limits within that.
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            const LRESULT result = PassOn(message, wParam, lParam);
            const Size minimum = MinimumSize();
            info->ptMinTrackSize = {minimum.cx, minimum.cy};
            const Rect area = WorkAreaOf(form_, maximizeOnFullScreen);
            info->ptMaxTrackSize.x = std::min<LONG>(info->ptMaxTrackSize.x, area.Width());
            info->ptMaxTrackSize.y = std::min<LONG>(info->ptMaxTrackSize.y, area.Height());
            info->ptMaxSize = info->ptMaxTrackSize;
            return result;
        }
        case WM_MOVING:
            if (magnetic) {
                auto* r = reinterpret_cast<RECT*>(lParam);
                *r = ToRECT(SnapToEdges(ToRect(*r), WorkAreaOf(form_, false), magneticSize));
                return TRUE;
            }
            break;
        case WM_ENTERSIZEMOVE:
            moveOrSize_ = true;
            if (trackTimer_) trackTimer_->SetEnabled(false);
            SetObjectUnderMouse(-1);
            break;
        case WM_EXITSIZEMOVE:
            moveOrSize_ = false;
            if (trackTimer_) trackTimer_->SetEnabled(true);
            break;
        case WM_SIZE: {
            const LRESULT result = PassOn(message, wParam, lParam);
            OnSize();
            return result;
        }
        case WM_ERASEBKGND:
            if (EraseClient(reinterpret_cast<HDC>(wParam))) return 1;
            break;
        case WM_SETTEXT:
        case WM_SETICON: {
            // The system would draw its own caption over the frame's: it does its work unseen.
            const LONG_PTR style = GetWindowLongPtrA(form_, GWL_STYLE);
            if (style & WS_VISIBLE)
                SetWindowLongPtrA(form_, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
            const LRESULT result = PassOn(message, wParam, lParam);
            if (style & WS_VISIBLE) SetWindowLongPtrA(form_, GWL_STYLE, style);
            RepaintFrame();
            return result;
        }
        case WM_SHOWWINDOW:
            if (wParam && (alphaBlend || alphaBlendAnimation)) StartFadeIn();
            break;
        case WM_DESTROY:
            StopTimers();
            trackTimer_.reset();
            break;
        case WM_NCDESTROY:
            StopTimers();
            trackTimer_.reset();
            RemoveWindowSubclass(form_, SubclassProc, kSubclassId);
            RemovePropA(form_, kFrameProperty);
            return PassOn(message, wParam, lParam);
        default:
            break;
    }
    return PassOn(message, wParam, lParam);
}

// ---- Hit test and mouse tracking ----

HitCode TSkinFrame::HitTest(POINT screen) {
    const Rect b = WindowBounds();
    const Point p{screen.x - b.left, screen.y - b.top};
    const FrameLayout layout = Layout();
    PlaceObjects(layout);
    std::vector<Rect> captions;
    for (const auto& object : objects_)
        if (object->Visible() && dynamic_cast<const TSkinCaptionObject*>(object.get()))
            captions.push_back(object->WindowRect());
    // The plain caption is the band between the system-menu button and the caption buttons.
    if (!Skinned()) captions.push_back(plainCaption_);
    const int over = ObjectAt(objects_, layout, p);
    FrameHitInput in;
    in.point = p;
    in.window = {b.Width(), b.Height()};
    in.layout = &layout;
    in.captionRects = captions;
    in.overObject =
        over >= 0 && !dynamic_cast<const TSkinCaptionObject*>(objects_[static_cast<std::size_t>(over)].get());
    in.moveOrSizeInProgress = moveOrSize_;
    in.rolledUpOrMinimized = state_.RolledUp() || Minimized();
    in.resizable = Resizable();
    in.maximized = state_.Maximized() || IsZoomed(form_);
    in.borderWidth = Skinned() ? skinData_->FormInfo().borderWidth : 3;
    const HitCode code = FrameHitTest(in);
    if (code == HitCode::Object && !moveOrSize_ && (!trackTimer_ || !trackTimer_->Enabled())) {
        TrackMouse();
        if (trackTimer_) trackTimer_->SetEnabled(true);
    }
    return code;
}

void TSkinFrame::TrackMouse() {
    if (moveOrSize_ || objects_.empty()) return;
    const FrameLayout layout = Layout();
    PlaceObjects(layout);
    const Point p = CursorInWindow();
    POINT screen{};
    GetCursorPos(&screen);
    // Over another window in front of this one, the mouse is over none of its objects.
    HWND under = WindowFromPoint(screen);
    const bool ours = under == form_ || IsChild(form_, under);
    int index = ours ? ObjectAt(objects_, layout, p) : -1;
    // While an object is pressed, no other becomes the one under the mouse.
    if (pressedIndex_ >= 0 && index != pressedIndex_) index = -1;
    SetObjectUnderMouse(index);
    if (trackTimer_ && index < 0 && pressedIndex_ < 0 && GetActiveWindow() != form_)
        trackTimer_->SetEnabled(false);
}

void TSkinFrame::SetObjectUnderMouse(int index) {
    if (index == mouseIndex_) return;
    oldMouseIndex_ = mouseIndex_;
    mouseIndex_ = index;
    if (oldMouseIndex_ >= 0 && oldMouseIndex_ < static_cast<int>(objects_.size()))
        objects_[static_cast<std::size_t>(oldMouseIndex_)]->MouseLeave();
    if (mouseIndex_ >= 0) objects_[static_cast<std::size_t>(mouseIndex_)]->MouseEnter();
}

// ---- Activation, size, state ----

void TSkinFrame::OnActivate(bool active, bool paint) {
    if (active == active_) return;
    active_ = active;
    for (auto& object : objects_)
        if (dynamic_cast<TSkinCaptionObject*>(object.get())) object->SetActive(active, paint);
    if (paint) RepaintFrame();
    if (active && onActivate) onActivate();
    if (!active && onDeActivate) onDeActivate();
}

void TSkinFrame::OnSize() {
    SyncWithSystem();
    const Rect b = WindowBounds();
    const Size minimum = MinimumSize();
    if (IsIconic(form_) || b.Width() < minimum.cx || b.Height() < minimum.cy) return;
    UpdateRegion();
    RepaintFrame();
}

void TSkinFrame::SyncWithSystem() {
    const bool iconic = IsIconic(form_) != FALSE;
    const bool zoomed = IsZoomed(form_) != FALSE;
    if (iconic == wasIconic_ && zoomed == wasZoomed_) return;
    wasIconic_ = iconic;
    wasZoomed_ = zoomed;
    state_.SystemShowed(iconic ? WindowShow::Minimized : zoomed ? WindowShow::Maximized : WindowShow::Normal);
}

void TSkinFrame::ApplyAction(const FrameAction& action) {
    if (action.system == FrameAction::System::Minimize) ShowWindow(form_, SW_MINIMIZE);
    if (action.system == FrameAction::System::Restore) ShowWindow(form_, SW_RESTORE);
    SyncWithSystem();
    if (action.bounds) {
        const Rect& r = *action.bounds;
        SetWindowPos(form_, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (action.restartTracking && trackTimer_) trackTimer_->SetEnabled(true);
    RepaintFrame();
    if (action.rollUpChanged && onChangeRollUpState) onChangeRollUpState();
}

Rect TSkinFrame::MaximizedArea() {
    Rect area = WorkAreaOf(form_, maximizeOnFullScreen);
    // The form may accept less than the whole work area (its largest size).
    MINMAXINFO info{};
    info.ptMaxTrackSize = {area.Width(), area.Height()};
    SendMessageA(form_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    area.right = area.left + std::min<int>(area.Width(), info.ptMaxTrackSize.x);
    area.bottom = area.top + std::min<int>(area.Height(), info.ptMaxTrackSize.y);
    return area;
}

namespace {

struct SlotSearch {
    HWND self;
    HWND mainWindow;
    std::vector<Point> taken;
};

BOOL CALLBACK CollectMinimizedFrame(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<SlotSearch*>(param);
    auto* frame = static_cast<const TSkinFrame*>(GetPropA(window, "HuecastSkinFrame"));
    if (!frame || window == search->self || !IsWindowVisible(window) || frame->mainForm) return TRUE;
    if (!frame->State().Minimized() || !frame->Skinned()) return TRUE;
    RECT r{};
    GetWindowRect(window, &r);
    search->taken.push_back({r.left, r.top});
    return TRUE;
}

}  // namespace

Rect TSkinFrame::MinimizedBounds() {
    const Size minimum = Skinned()
                             ? SkinnedMinimumSize(skinData_->FormInfo(), {main24_.Width(), main24_.Height()},
                                                  minWidth, minHeight, {.minimized = true})
                             : UnskinnedMinimumSize(ToolWindow(), 0, 0);
    SlotSearch search{form_, nullptr, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectMinimizedFrame, reinterpret_cast<LPARAM>(&search));
    const Point slot = FindMinimizedSlot(WorkAreaOf(form_, false), minimum, search.taken);
    return {slot.x, slot.y, slot.x + minimum.cx, slot.y + minimum.cy};
}

// ---- Commands ----

void TSkinFrame::Close() {
    PostMessageA(form_, WM_CLOSE, 0, 0);
}

void TSkinFrame::MaximizeOrRestore() {
    if (state_.Maximized() || IsZoomed(form_)) {
        Restore();
        return;
    }
    if (Minimized()) return;
    ApplyAction(state_.Maximize(WindowBounds(), MaximizedArea()));
}

void TSkinFrame::MinimizeOrRestore() {
    if (Minimized()) {
        Restore();
        return;
    }
    if (alwaysMinimizeToTray && trayIcon) return MinimizeToTray();
    ApplyAction(state_.Minimize(WindowBounds(), mainForm, MinimizedBounds()));
}

void TSkinFrame::MinimizeToTray() {
    if (!trayIcon) {
        if (!Minimized()) ApplyAction(state_.Minimize(WindowBounds(), mainForm, MinimizedBounds()));
        return;
    }
    trayIcon->MinimizeToTray();
    if (onMinimizeToTray) onMinimizeToTray();
}

void TSkinFrame::Restore() {
    ApplyAction(state_.Restore());
}

void TSkinFrame::RollUpOrDown() {
    const FrameMargins m = Margins();
    if (auto action = state_.ToggleRollUp(WindowBounds(), borderIcons.rollUp, m.top + m.bottom))
        ApplyAction(*action);
}

void TSkinFrame::RunCommand(SkinCommand command) {
    switch (command) {
        case SkinCommand::Close:
            Close();
            break;
        case SkinCommand::Maximize:
            MaximizeOrRestore();
            break;
        case SkinCommand::Minimize:
            MinimizeOrRestore();
            break;
        case SkinCommand::RollUp:
            RollUpOrDown();
            break;
        case SkinCommand::SysMenu: {
            RECT r = ToRECT(WindowBounds());
            ShowSystemMenu({r.left, r.top}, nullptr);
            break;
        }
        case SkinCommand::Default:
            break;
    }
}

void TSkinFrame::RunMenuCommand(SystemMenuCommand command) {
    switch (command) {
        case SystemMenuCommand::Minimize:
            if (!Minimized()) MinimizeOrRestore();
            break;
        case SystemMenuCommand::MinimizeToTray:
            MinimizeToTray();
            break;
        case SystemMenuCommand::Maximize:
            if (!state_.Maximized()) MaximizeOrRestore();
            break;
        case SystemMenuCommand::Restore:
            Restore();
            break;
        case SystemMenuCommand::RollDown:
        case SystemMenuCommand::RollUp:
            RollUpOrDown();
            break;
        case SystemMenuCommand::Close:
            Close();
            break;
        case SystemMenuCommand::None:
            break;
    }
}

void TSkinFrame::CaptionDoubleClick() {
    const bool resizable = Resizable();
    if (Minimized() && resizable)
        Restore();
    else if (resizable && !state_.Maximized() && !state_.RolledUp() && borderIcons.maximize)
        MaximizeOrRestore();
    else if (resizable && state_.Maximized() && !state_.RolledUpWhileMaximized())
        Restore();
    else
        RollUpOrDown();
}

std::vector<SystemMenuItem> TSkinFrame::SystemMenuFor() const {
    return BuildSystemMenu({.show = IsIconic(form_) ? WindowShow::Minimized : state_.Show(),
                            .rolledUp = state_.RolledUp(),
                            .rolledUpWhileMaximized = state_.RolledUpWhileMaximized(),
                            .mdiChild = false,
                            .icons = borderIcons});
}

void TSkinFrame::ShowSystemMenu(POINT at, const RECT* exclude) {
    const std::vector<TMenuItem> application = applicationMenuItems ? applicationMenuItems() : std::vector<TMenuItem>{};
    SystemMenuChoice choice = systemMenu_->Popup(form_, SystemMenuFor(), application, at, exclude);
    // Carried out once the handler that showed the menu has returned: an application's command may change
    // the skin, and with it the frame object whose click showed the menu.
    if (choice.application) {
        pendingApplicationCommand_ = std::move(choice.application);
        PostMessageA(form_, commandMessage_, kApplicationCommand, 0);
    } else if (choice.command != SystemMenuCommand::None) {
        PostMessageA(form_, commandMessage_, kMenuCommand, static_cast<LPARAM>(choice.command));
    }
}

// ---- FrameObjectHost ----

void TSkinFrame::RedrawObject(TActiveSkinObject&) {
    // The whole frame is composed off-screen and copied in one step: as cheap as one object, and exact.
    RepaintFrame();
}

void TSkinFrame::StartMorphTimer() {
    if (!morphTimer_)
        morphTimer_ = std::make_unique<gui::Timer>(
            form_, kMorphInterval, [this] { MorphTick(); }, false);
    morphTimer_->SetEnabled(true);
}

void TSkinFrame::StartAnimateTimer() {
    if (!animateTimer_)
        animateTimer_ = std::make_unique<gui::Timer>(
            form_, kAnimateInterval, [this] { AnimateTick(); }, false);
    animateTimer_->SetEnabled(true);
}

void TSkinFrame::MorphTick() {
    bool still = false;
    for (auto& object : objects_)
        if (object->IsMorphing()) still |= object->MorphStep();
    RepaintFrame();
    if (!still) morphTimer_->SetEnabled(false);
}

void TSkinFrame::AnimateTick() {
    bool still = false;
    for (auto& object : objects_)
        if (auto* animate = dynamic_cast<TSkinAnimateObject*>(object.get())) still |= animate->AnimateStep();
    if (!still) animateTimer_->SetEnabled(false);
}

void TSkinFrame::StopTimers() {
    for (auto* timer : {&trackTimer_, &morphTimer_, &animateTimer_, &fadeTimer_})
        if (*timer) (*timer)->SetEnabled(false);
}

void TSkinFrame::PopupSystemMenu(const Rect& objectRect) {
    const Rect b = WindowBounds();
    const RECT exclude = ToRECT(objectRect.Offset(b.left, b.top));
    ShowSystemMenu({exclude.left, exclude.bottom}, &exclude);
}

void TSkinFrame::QueueCommand(SkinCommand command) {
    PostMessageA(form_, commandMessage_, kCaptionCommand, static_cast<LPARAM>(command));
}

void TSkinFrame::MouseEnterEvent(const std::string& name) {
    if (onMouseEnterEvent) onMouseEnterEvent(name);
}
void TSkinFrame::MouseLeaveEvent(const std::string& name) {
    if (onMouseLeaveEvent) onMouseLeaveEvent(name);
}
void TSkinFrame::MouseDownEvent(const std::string& name, MouseButton button, Point at) {
    if (onMouseDownEvent) onMouseDownEvent(name, button, at);
}
void TSkinFrame::MouseUpEvent(const std::string& name, MouseButton button, Point at) {
    if (onMouseUpEvent) onMouseUpEvent(name, button, at);
}
void TSkinFrame::MouseMoveEvent(const std::string& name, Point at) {
    if (onMouseMoveEvent) onMouseMoveEvent(name, at);
}

// ---- Fade-in ----

void TSkinFrame::StartFadeIn() {
    // Layered windows exist on every system this program runs on; no version decides it.
    SetWindowLongPtrA(form_, GWL_EXSTYLE, GetWindowLongPtrA(form_, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(form_, 0, 0, LWA_ALPHA);
    fadeAlpha_ = 0;
    if (!fadeTimer_)
        fadeTimer_ = std::make_unique<gui::Timer>(
            form_, 1, [this] { FadeStep(); }, false);
    fadeTimer_->SetEnabled(true);
}

void TSkinFrame::FadeStep() {
    const int target = alphaBlend ? alphaBlendValue : 255;
    fadeAlpha_ = alphaBlendAnimation ? std::min(fadeAlpha_ + 5, target) : target;
    SetLayeredWindowAttributes(form_, 0, static_cast<BYTE>(fadeAlpha_), LWA_ALPHA);
    if (fadeAlpha_ < target) return;
    fadeTimer_->SetEnabled(false);
    if (fadeAlpha_ == 255) {
        SetWindowLongPtrA(form_, GWL_EXSTYLE,
                          GetWindowLongPtrA(form_, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        RedrawWindow(form_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

}  // namespace huecast::skin
