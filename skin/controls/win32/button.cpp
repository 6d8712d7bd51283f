#include "skin/controls/win32/button.h"

#include <algorithm>
#include <cstring>

#include "skin/picture/picture_cut.h"
#include "skin/controls/win32/caption_text.h"
#include "skin/controls/win32/press_capture.h"

namespace huecast::skin {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr LRESULT kHotState = 0x0200;  // BST_HOT, which MinGW's headers declare only with commctrl.h

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kPressedFill = RGB(133, 147, 181);
constexpr COLORREF kLitFill = RGB(182, 189, 210);

BOOL CALLBACK CollectButton(HWND child, LPARAM list) {
    if (auto* button = dynamic_cast<TSkinButton*>(gui::Window::FromHandle(child)))
        reinterpret_cast<std::vector<TSkinButton*>*>(list)->push_back(button);
    return TRUE;
}

// Same-sized 24-bit bitmaps, whatever their row order.
void CopyRows(const Bitmap& from, Bitmap& to) {
    const std::size_t bytes = 3 * static_cast<std::size_t>(std::min(from.Width(), to.Width()));
    for (int y = 0; y < std::min(from.Height(), to.Height()); ++y)
        std::memcpy(to.Row(y), from.Row(y), bytes);
}

// Visible and enabled, with every window it lies in.
bool CanTakeFocus(HWND window) {
    if (!IsWindowVisible(window)) return false;
    const HWND form = GetAncestor(window, GA_ROOT);
    for (HWND w = window; w != form; w = GetParent(w))
        if (!IsWindowEnabled(w)) return false;
    return IsWindowEnabled(form) != FALSE;
}

bool ModifierHeld() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

void FrameAndFill(HDC dc, const Rect& r, COLORREF frame, COLORREF fill) {
    const gui::BrushHandle frameBrush(CreateSolidBrush(frame));
    const gui::BrushHandle fillBrush(CreateSolidBrush(fill));
    const RECT outer = gui::ToRECT(r);
    FillRect(dc, &outer, frameBrush.get());
    const RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    FillRect(dc, &inner, fillBrush.get());
}

}  // namespace

std::vector<TSkinButton*> SkinButtonsOf(HWND parent) {
    std::vector<TSkinButton*> buttons;
    // EnumChildWindows walks grandchildren too; siblings are the direct children only.
    EnumChildWindows(parent, CollectButton, reinterpret_cast<LPARAM>(&buttons));
    std::erase_if(buttons, [parent](TSkinButton* b) { return GetParent(b->Handle()) != parent; });
    return buttons;
}

TSkinButton::TSkinButton(const Args& args)
    : state_(args.options),
      repeatInterval_(args.repeatInterval),
      modalResult_(args.modalResult),
      glyph_(args.glyph, args.numGlyphs),
      layout_(args.layout),
      margin_(args.margin),
      spacing_(args.spacing) {
    SetUseSkinFont(args.useSkinFont);
    CreateControl("HuecastSkinButton",
                  {.parent = args.parent,
                   .id = args.id,
                   .x = args.x,
                   .y = args.y,
                   .width = args.width,
                   .height = args.height,
                   .caption = args.caption,
                   .style = WS_CHILD | WS_VISIBLE | (state_.CanFocused() ? WS_TABSTOP : 0u),
                   .skinDataName = args.skinDataName,
                   .skinData = args.skinData});
}

TSkinButton::~TSkinButton() {
    DestroyHandle();  // the timers die with the window, while this object is whole
}

void TSkinButton::SetDown(bool down) {
    Apply(state_.SetDown(down));
}

void TSkinButton::SetDefault(bool isDefault) {
    state_.SetDefault(isDefault);
    Invalidate();
}

void TSkinButton::SetGlyph(const Bitmap& strip, int numGlyphs) {
    glyph_ = GlyphStrip(strip, numGlyphs);
    LooksChanged();
}

void TSkinButton::SetLayout(ButtonLayout layout) {
    layout_ = layout;
    LooksChanged();
}

void TSkinButton::SetMargin(int margin) {
    margin_ = margin;
    LooksChanged();
}

void TSkinButton::SetSpacing(int spacing) {
    spacing_ = spacing;
    LooksChanged();
}

void TSkinButton::LooksChanged() {
    looks_.Invalidate();
    Invalidate();
}

void TSkinButton::ButtonClick() {
    // A dialog built of skinned buttons (the message box) reads ModalResult() in its click handler.
    // The parent hears of it as of a system button's click; then the program's own handler runs.
    notifying_ = true;
    SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Handle()));
    notifying_ = false;
    if (onClick) onClick();
}

void TSkinButton::Apply(const ButtonEffects& e) {
    if (e.releaseSiblings)
        for (TSkinButton* sibling : SkinButtonsOf(GetParent(Handle())))
            if (sibling->state_.ReleasedBy(state_)) sibling->SetDown(false);
    if (e.repeat == RepeatTimer::Start) StartTimer(kRepeatTimer, static_cast<UINT>(repeatInterval_));
    if (e.repeat == RepeatTimer::Stop) StopTimer(kRepeatTimer);
    if (e.downChanged) {
        SnapMorph(true);
        if (!state_.Down()) MorphStateChanged();
    }
    if (e.morphDirect) SnapMorph(true);
    if (e.litChanged) MorphStateChanged();
    if (e.repaint) Invalidate();
    for (int i = 0; i < e.clicks; ++i)
        ButtonClick();
}

AccessibleInfo TSkinButton::Accessible() const {
    return {.role = ROLE_SYSTEM_PUSHBUTTON,
            .state = state_.Down() ? STATE_SYSTEM_PRESSED : 0,
            .defaultAction = "Press"};
}

void TSkinButton::DoDefaultAction() {
    if (IsWindowEnabled(Handle())) ButtonClick();
}

bool TSkinButton::MorphTarget() const {
    return state_.Enabled() && state_.Lit();
}

void TSkinButton::TimerTick(UINT_PTR id) {
    if (id == kRepeatTimer)
        Apply(state_.RepeatTick());
    else
        TSkinCustomControl::TimerTick(id);
}

void TSkinButton::ReadSkinElement() {
    TSkinCustomControl::ReadSkinElement();
    const auto* d = DescriptorAs<TDataSkinButtonControl>();
    SetMorphing(d && d->morphing);
}

void TSkinButton::SetPointerOver(bool over) {
    if (over == pointerOver_) return;
    pointerOver_ = over;
    Apply(over ? state_.MouseEnter() : state_.MouseLeave());
}

void TSkinButton::MouseEnter() {
    SetPointerOver(true);
    TSkinCustomControl::MouseEnter();
}

void TSkinButton::MouseLeave() {
    // Under the capture of a press the pointer is followed by WM_MOUSEMOVE instead.
    if (!state_.MousePressed()) SetPointerOver(false);
    TSkinCustomControl::MouseLeave();
}

void TSkinButton::CaptureLost() {
    // Another window took the mouse in the middle of a press: the press ends outside, without a click.
    if (!state_.MousePressed()) return;
    SetPointerOver(false);
    Apply(state_.MouseUp());
}

void TSkinButton::FocusChanged(bool focused) {
    Apply(state_.FocusChanged(focused));
    TSkinCustomControl::FocusChanged(focused);
    if (focused) TellButtonsOfFocus(Handle());
}

void TSkinButton::TellButtonsOfFocus(HWND to) {
    // Focus on a button makes it the one Enter clicks; focus on any other control gives that role back to
    // the Default buttons.
    const bool toButton = dynamic_cast<TSkinButton*>(gui::Window::FromHandle(to)) != nullptr;
    HWND form = GetAncestor(Handle(), GA_ROOT);
    std::vector<TSkinButton*> all;
    EnumChildWindows(form, CollectButton, reinterpret_cast<LPARAM>(&all));
    for (TSkinButton* other : all)
        if (other->Handle() != to) other->Apply(other->state_.FocusMovedElsewhere(toButton));
}

void TSkinButton::SkinChanged() {
    SnapMorph(false);
    looks_.Invalidate();
    TSkinCustomControl::SkinChanged();
    if (Morphing() && MorphTarget()) SnapMorph(true);
}

LRESULT TSkinButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            if (state_.CanFocused() && GetFocus() != Handle()) {
                ::SetFocus(Handle());
                if (GetFocus() != Handle()) return 0;  // a press on a button that cannot take the focus
            }
            SetCapture(Handle());
            Apply(state_.MouseDown());
            return 0;
        }
        case WM_MOUSEMOVE:
            if (state_.MousePressed()) {
                RECT client;
                GetClientRect(Handle(), &client);
                const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                SetPointerOver(PtInRect(&client, at) != FALSE);
            }
            break;
        case WM_LBUTTONUP: {
            const ButtonEffects e = state_.MouseUp();
            EndPressCapture(Handle());
            Apply(e);
            return 0;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = TSkinCustomControl::HandleMessage(message, wParam, lParam);
            TellButtonsOfFocus(reinterpret_cast<HWND>(wParam));
            return result;
        }
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) Apply(state_.KeyDown(ButtonState::Key::Space));
            if (wParam == VK_RETURN) Apply(state_.KeyDown(ButtonState::Key::Enter));
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE) Apply(state_.KeyUp(ButtonState::Key::Space));
            return 0;
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_BUTTON | (state_.ActingDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
            // Enter on a focused button clicks it here, rather than the dialog manager clicking it again.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN && state_.CanFocused())
                code |= DLGC_WANTALLKEYS;
            return code;
        }
        case WM_ENABLE:
            Apply(state_.SetEnabled(wParam != FALSE));
            if (!wParam) SnapMorph(false);
            break;
        case WM_SETTEXT: {
            const LRESULT result = TSkinCustomControl::HandleMessage(message, wParam, lParam);
            LooksChanged();
            return result;
        }
        case BM_CLICK:
            // An accelerator or a program: the button takes the focus when it may, then clicks.
            if (!IsWindowEnabled(Handle())) return 0;
            if (state_.CanFocused()) ::SetFocus(Handle());
            ButtonClick();
            return 0;
        case BM_GETSTATE:
            return (state_.Down() ? BST_PUSHED : 0) | (state_.Hot() ? kHotState : 0) |
                   (GetFocus() == Handle() ? BST_FOCUS : 0);
        case BM_SETSTATE:
            SetDown(wParam != FALSE);
            return 0;
        case BM_SETSTYLE:
            return 0;  // the dialog manager marks the default button; acting-default is ours to keep
        default:
            break;
    }
    return TSkinCustomControl::HandleMessage(message, wParam, lParam);
}

bool TSkinButton::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    // The dialog manager's Enter for the default button arrives as the parent's WM_COMMAND; our own
    // BN_CLICKED to the parent comes back here too and is no second click.
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED || notifying_) return false;
    if (IsWindowEnabled(Handle())) ButtonClick();
    result = 0;
    return true;
}

bool TSkinButton::DialogKey(UINT key) {
    if (key != VK_RETURN && key != VK_ESCAPE) return false;
    const auto which = key == VK_RETURN ? ButtonState::DialogKey::Enter : ButtonState::DialogKey::Escape;
    if (!state_.ClicksOnDialogKey(which, CanTakeFocus(Handle()), ModifierHeld())) return false;
    ButtonClick();
    return true;
}

void TSkinButton::DrawGlyphAndCaption(LookCanvas& look, const Rect& area, const SkinFont* font,
                                      COLORREF color, bool pressed, int glyphIndex) {
    const std::string caption = Text();
    const gui::FontHandle handle = CreateTextFont(font);
    const Size text = MeasureCaption(caption, handle.get());
    const GlyphTextPlacement at =
        LayoutGlyphAndText(area, margin_, pressed, glyph_.CellSize(), text, layout_, spacing_);
    glyph_.Draw(glyphIndex, look.Pixels(), at.glyph);
    DrawCaption(look.Dc(), caption, handle.get(), at.text, color, DT_CENTER | DT_VCENTER);
}

void TSkinButton::DrawButtonPicture(LookCanvas& look, const TDataSkinButtonControl& d, Rect source,
                                    bool active, bool down) {
    CutLook(look, source);
    const ButtonFontColors colors{d.font.color, d.activeFontColor, d.downFontColor, d.disabledFontColor};
    const COLORREF color = ButtonTextColor(colors, state_.Enabled(), active, down);
    DrawGlyphAndCaption(look, Mapping().clientRect, &d.font, color, false,
                        ButtonGlyphIndex(glyph_.NumGlyphs(), state_.Enabled(), active, down));
}

void TSkinButton::DrawSkinLook(LookCanvas& look) {
    const auto* d = DescriptorAs<TDataSkinButtonControl>();
    if (!d || !Picture() || Pieces().mode == ResizeMode::None) return DrawPlainLook(look);
    const Rect active = d->activeSkinRect.IsEmpty() ? d->skinRect : d->activeSkinRect;
    const Rect downRect = d->downSkinRect.IsEmpty() ? active : d->downSkinRect;
    switch (ChooseButtonLook(state_.LookInputs(Morphing(), MorphFactor(), d->disabledSkinRect.IsEmpty()))) {
        case ButtonLook::Morph: {
            // Both looks, text included, are cut once and kept; a step only blends them.
            if (looks_.Prepare(*Picture(), d->skinRect, active, Pieces(), Mapping())) DecorateLooks(*d);
            return looks_.Compose(d->morphKind, MorphFactor(), look.Pixels());
        }
        case ButtonLook::Disabled:
            return DrawButtonPicture(look, *d, d->disabledSkinRect, false, false);
        case ButtonLook::Down:
            return DrawButtonPicture(look, *d, downRect, true, true);
        case ButtonLook::Active:
            return DrawButtonPicture(look, *d, active, true, false);
        case ButtonLook::Normal:
            return DrawButtonPicture(look, *d, d->skinRect, false, false);
    }
}

void TSkinButton::DecorateLooks(const TDataSkinButtonControl& d) {
    // Text goes onto the kept looks through a section of their size, once per preparation.
    const Size size = Mapping().size;
    gui::DibSection section(size.cx, size.cy);
    const gui::MemoryDC dc;
    const gui::SelectedObject selected(dc, section.Handle());
    LookCanvas scratch(section, dc);
    const ButtonFontColors colors{d.font.color, d.activeFontColor, d.downFontColor, d.disabledFontColor};
    for (bool active : {false, true}) {
        Bitmap& target = (active ? looks_.Active() : looks_.Normal()).Pixels();
        CopyRows(target, scratch.Pixels());
        DrawGlyphAndCaption(scratch, Mapping().clientRect, &d.font,
                            ButtonTextColor(colors, true, active, false), false,
                            ButtonGlyphIndex(glyph_.NumGlyphs(), true, active, false));
        CopyRows(scratch.Pixels(), target);
    }
}

void TSkinButton::DrawPlainLook(LookCanvas& look) {
    HDC dc = look.Dc();
    const Rect client{0, 0, look.Width(), look.Height()};
    const PlainButtonLook plain = ChoosePlainButtonLook(state_.LookInputs(false, 0, true));
    if (plain == PlainButtonLook::Pressed)
        FrameAndFill(dc, client, kNavy, kPressedFill);
    else if (plain == PlainButtonLook::Lit)
        FrameAndFill(dc, client, kNavy, kLitFill);
    else
        FrameAndFill(dc, client, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNFACE));
    const COLORREF color = state_.Enabled() ? TextColor(std::nullopt) : GetSysColor(COLOR_BTNSHADOW);
    DrawGlyphAndCaption(look, client, nullptr, color, plain == PlainButtonLook::Pressed,
                        ButtonGlyphIndex(glyph_.NumGlyphs(), state_.Enabled(), state_.Hot(), state_.Down()));
}

}  // namespace huecast::skin
