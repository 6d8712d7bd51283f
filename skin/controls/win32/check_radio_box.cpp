#include "skin/controls/win32/check_radio_box.h"

#include "skin/picture/transparent_piece.h"
#include "skin/controls/win32/caption_text.h"
#include "skin/controls/win32/press_capture.h"

namespace huecast::skin {

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);

BOOL CALLBACK CollectBox(HWND child, LPARAM list) {
    if (auto* box = dynamic_cast<TSkinCheckRadioBox*>(gui::Window::FromHandle(child)))
        reinterpret_cast<std::vector<TSkinCheckRadioBox*>*>(list)->push_back(box);
    return TRUE;
}

std::vector<TSkinCheckRadioBox*> SiblingBoxes(HWND self) {
    HWND parent = GetParent(self);
    std::vector<TSkinCheckRadioBox*> boxes;
    EnumChildWindows(parent, CollectBox, reinterpret_cast<LPARAM>(&boxes));
    std::erase_if(boxes, [parent](TSkinCheckRadioBox* b) { return GetParent(b->Handle()) != parent; });
    return boxes;
}

Size ImageSize(HIMAGELIST images) {
    int cx = 0, cy = 0;
    if (images) ImageList_GetIconSize(images, &cx, &cy);
    return {cx, cy};
}

void FrameRect(HDC dc, const Rect& r, COLORREF color) {
    const gui::BrushHandle brush(CreateSolidBrush(color));
    const RECT rect = gui::ToRECT(r);
    ::FrameRect(dc, &rect, brush.get());
}

}  // namespace

TSkinCheckRadioBox::TSkinCheckRadioBox(const Args& args)
    : state_(args.radio, args.groupIndex),
      flat_(args.flat),
      canFocused_(args.canFocused),
      images_(args.images),
      imageIndex_(args.imageIndex) {
    state_.SetChecked(args.checked);
    SetUseSkinFont(args.useSkinFont);
    CreateControl("HuecastSkinCheckBox",
                  {.parent = args.parent,
                   .id = args.id,
                   .x = args.x,
                   .y = args.y,
                   .width = args.width,
                   .height = args.height,
                   .caption = args.caption,
                   .style = WS_CHILD | WS_VISIBLE | (args.canFocused ? WS_TABSTOP : 0u),
                   .skinDataName = !args.skinDataName.empty() ? args.skinDataName
                                   : args.radio               ? "radiobox"
                                                              : "checkbox",
                   .skinData = args.skinData});
}

TSkinCheckRadioBox::~TSkinCheckRadioBox() {
    DestroyHandle();
}

void TSkinCheckRadioBox::Apply(const CheckEffects& e) {
    if (e.uncheckSiblings)
        for (TSkinCheckRadioBox* sibling : SiblingBoxes(Handle()))
            if (sibling->state_.UncheckedBy(state_)) sibling->SetChecked(false);
    if (e.repaint) Invalidate();
    if (e.runOnClick) {
        SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(Handle()));
        if (onClick) onClick();
    }
}

void TSkinCheckRadioBox::SetChecked(bool checked) {
    Apply(state_.SetChecked(checked));
}

void TSkinCheckRadioBox::Toggle() {
    Apply(state_.Toggle());
}

void TSkinCheckRadioBox::SetImages(HIMAGELIST images, int imageIndex) {
    images_ = images;
    imageIndex_ = imageIndex;
    Invalidate();
}

void TSkinCheckRadioBox::SetImageIndex(int imageIndex) {
    imageIndex_ = imageIndex;
    Invalidate();
}

bool TSkinCheckRadioBox::Focused() const {
    return canFocused_ && GetFocus() == Handle();
}

void TSkinCheckRadioBox::SetHot(bool hot) {
    if (hot == hot_) return;
    hot_ = hot;
    MorphStateChanged();  // repaints at once without morphing
}

AccessibleInfo TSkinCheckRadioBox::Accessible() const {
    const bool checked = state_.Checked();
    return {.role = state_.Radio() ? ROLE_SYSTEM_RADIOBUTTON : ROLE_SYSTEM_CHECKBUTTON,
            .state = checked ? STATE_SYSTEM_CHECKED : 0,
            .defaultAction = state_.Radio() ? "Select"
                             : checked      ? "Uncheck"
                                            : "Check"};
}

void TSkinCheckRadioBox::DoDefaultAction() {
    if (IsWindowEnabled(Handle())) Toggle();
}

bool TSkinCheckRadioBox::MorphTarget() const {
    return (hot_ && IsWindowEnabled(Handle())) || Focused();
}

Size TSkinCheckRadioBox::FitToSkin(Size proposed) {
    const Size fitted = TSkinCustomControl::FitToSkin(proposed);
    // A flat box draws only its box image and text on its parent: it keeps its own size.
    return flat_ ? proposed : fitted;
}

void TSkinCheckRadioBox::ReadSkinElement() {
    TSkinCustomControl::ReadSkinElement();
    const auto* d = DescriptorAs<TDataSkinCheckRadioControl>();
    SetMorphing(!flat_ && d && d->morphing);  // a flat box never morphs
}

void TSkinCheckRadioBox::MouseEnter() {
    pointerOver_ = true;
    SetHot(true);
    TSkinCustomControl::MouseEnter();
}

void TSkinCheckRadioBox::MouseLeave() {
    pointerOver_ = false;
    if (!pressed_) SetHot(false);
    TSkinCustomControl::MouseLeave();
}

void TSkinCheckRadioBox::FocusChanged(bool focused) {
    TSkinCustomControl::FocusChanged(focused);
    Invalidate();
}

void TSkinCheckRadioBox::SkinChanged() {
    SnapMorph(false);
    TSkinCustomControl::SkinChanged();
    if (Morphing() && MorphTarget()) SnapMorph(true);
}

LRESULT TSkinCheckRadioBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (canFocused_ && GetFocus() != Handle()) ::SetFocus(Handle());
            pressed_ = true;
            SetCapture(Handle());
            SetHot(true);
            return 0;
        case WM_MOUSEMOVE:
            if (pressed_) {
                RECT client;
                GetClientRect(Handle(), &client);
                const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                SetHot(PtInRect(&client, at) != FALSE);
            }
            break;
        case WM_LBUTTONUP: {
            // Only the release of a press that began here, over the box, toggles it.
            const bool toggles = pressed_ && hot_;
            pressed_ = false;
            EndPressCapture(Handle());
            if (!pointerOver_) SetHot(false);
            if (toggles) Toggle();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            break;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) spacePressed_ = true;
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE && spacePressed_ && Focused()) Toggle();
            if (wParam == VK_SPACE) spacePressed_ = false;
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON | (state_.Radio() ? DLGC_RADIOBUTTON : 0);
        case WM_ENABLE:
            if (!wParam) {
                hot_ = false;
                SnapMorph(false);
            }
            break;
        case WM_SETTEXT:
        case WM_MOVE: {
            // A flat box shows what lies under it, which changes as it moves.
            const LRESULT result = TSkinCustomControl::HandleMessage(message, wParam, lParam);
            Invalidate();
            return result;
        }
        case BM_CLICK:
            // An accelerator or a program: focus as a click would, then toggle.
            if (!IsWindowEnabled(Handle())) return 0;
            if (canFocused_) ::SetFocus(Handle());
            Toggle();
            return 0;
        case BM_GETCHECK:
            return state_.Checked() ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            // As the system's box: the state changes, nobody is told.
            state_.SetChecked(wParam == BST_CHECKED);
            Invalidate();
            return 0;
        default:
            break;
    }
    return TSkinCustomControl::HandleMessage(message, wParam, lParam);
}

void TSkinCheckRadioBox::DrawParentBackground(LookCanvas& look) {
    HWND parent = GetParent(Handle());
    RECT at;
    GetWindowRect(Handle(), &at);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&at), 2);
    HDC dc = look.Dc();
    POINT oldOrigin;
    SetViewportOrgEx(dc, -at.left, -at.top, &oldOrigin);
    // The background first, then a container's own look over it (a form only has its background).
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if (GetWindowLongPtrA(parent, GWL_STYLE) & WS_CHILD)
        SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

void TSkinCheckRadioBox::DrawImageAndFocus(HDC dc, const FlatCheckLayout& layout) {
    if (images_ && !layout.image.IsEmpty()) {
        const UINT style = IsWindowEnabled(Handle()) ? ILD_TRANSPARENT : (ILD_TRANSPARENT | ILD_BLEND50);
        ImageList_Draw(images_, imageIndex_, dc, layout.image.left, layout.image.top, style);
    }
    if (Focused() && !layout.focus.IsEmpty()) {
        const RECT r = gui::ToRECT(layout.focus);
        DrawFocusRect(dc, &r);
    }
}

void TSkinCheckRadioBox::DrawPlainBox(HDC dc, const Rect& box, bool hot) {
    FrameRect(dc, box, hot ? kNavy : GetSysColor(COLOR_BTNSHADOW));
    if (!state_.Checked()) return;
    const COLORREF markColor = IsWindowEnabled(Handle()) ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW);
    RECT client;
    GetClientRect(Handle(), &client);
    const Size size{client.right, client.bottom};
    if (state_.Radio()) {
        const gui::BrushHandle brush(CreateSolidBrush(markColor));
        const RECT mark = gui::ToRECT(RadioMark(size));
        FillRect(dc, &mark, brush.get());
        return;
    }
    const gui::GdiPtr<HPEN> pen(CreatePen(PS_SOLID, 1, markColor));
    const gui::SelectedObject selected(dc, pen.get());
    for (const CheckMarkStroke& stroke : CheckMarkStrokes(PlainCheckMarkAt(size))) {
        MoveToEx(dc, stroke[0].x, stroke[0].y, nullptr);
        LineTo(dc, stroke[1].x, stroke[1].y);
        LineTo(dc, stroke[2].x, stroke[2].y);
    }
}

void TSkinCheckRadioBox::DrawFlat(LookCanvas& look, const TDataSkinCheckRadioControl* d) {
    DrawParentBackground(look);
    HDC dc = look.Dc();
    const bool enabled = IsWindowEnabled(Handle()) != FALSE;
    const std::string caption = Text();
    const gui::FontHandle fontHandle = CreateTextFont(d ? &d->font : nullptr);
    HFONT font = fontHandle.get();
    const Size control{look.Width(), look.Height()};
    const Size text = MeasureCaption(caption, font);
    const bool hasImage = images_ && imageIndex_ >= 0 && imageIndex_ < ImageList_GetImageCount(images_);
    const Size image = hasImage ? ImageSize(images_) : Size{};
    const FlatCheckLayout layout = LayOutFlatCheck(d ? SkinnedFlatParts(control, *d, text, image)
                                                     : PlainFlatParts(control, text, image));
    COLORREF color;
    if (d) {
        DrawBoxImage(look, *d, layout.box);
        color = enabled ? d->frameFontColor : d->unEnabledFontColor;
    } else {
        DrawPlainBox(dc, layout.box, hot_);
        color = enabled ? TextColor(std::nullopt) : GetSysColor(COLOR_BTNSHADOW);
    }
    DrawCaption(dc, caption, font, layout.text, color, DT_LEFT | DT_VCENTER);
    DrawImageAndFocus(dc, layout);
}

void TSkinCheckRadioBox::DrawBoxImage(LookCanvas& look, const TDataSkinCheckRadioControl& d, const Rect& at) {
    const bool enabled = IsWindowEnabled(Handle()) != FALSE;
    const Rect image = CheckImageRect(d, ChooseCheckImage(state_.Checked(), enabled, hot_));
    CopyTransparentPiece(*Picture(), image, look.Pixels(), {at.left, at.top});
}

void TSkinCheckRadioBox::DrawNonFlat(LookCanvas& look, const TDataSkinCheckRadioControl& d, bool active) {
    const Rect activeRect = d.activeSkinRect.IsEmpty() ? d.skinRect : d.activeSkinRect;
    if (Morphing() && IsWindowEnabled(Handle()))
        DrawMorphedLook(look, d.skinRect, activeRect, d.morphKind);
    else
        CutLook(look, active ? activeRect : d.skinRect);
    const NonFlatCheckLayout layout = LayOutNonFlatCheck(d, Mapping().size.cx - Pieces().skinSize.cx);
    DrawBoxImage(look, d, layout.box);
    const bool enabled = IsWindowEnabled(Handle()) != FALSE;
    const COLORREF color = !enabled ? d.unEnabledFontColor : active ? d.activeFontColor : d.font.color;
    const gui::FontHandle font = CreateTextFont(&d.font);
    DrawCaption(look.Dc(), Text(), font.get(), layout.text, color, DT_LEFT | DT_VCENTER);
}

void TSkinCheckRadioBox::DrawSkinLook(LookCanvas& look) {
    const auto* d = DescriptorAs<TDataSkinCheckRadioControl>();
    if (!d || !Picture()) return DrawPlainLook(look);
    if (flat_) return DrawFlat(look, d);
    DrawNonFlat(look, *d, hot_ || Focused());
}

void TSkinCheckRadioBox::DrawPlainLook(LookCanvas& look) {
    if (flat_) return DrawFlat(look, nullptr);
    HDC dc = look.Dc();
    const RECT all{0, 0, look.Width(), look.Height()};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    if (hot_ || Focused()) FrameRect(dc, {0, 0, look.Width(), look.Height()}, GetSysColor(COLOR_BTNSHADOW));
    const Size control{look.Width(), look.Height()};
    const FlatCheckLayout layout = LayOutFlatCheck(PlainFlatParts(control, {}, {}));
    DrawPlainBox(dc, layout.box, hot_);
    const COLORREF color = IsWindowEnabled(Handle()) ? TextColor(std::nullopt) : GetSysColor(COLOR_BTNSHADOW);
    const gui::FontHandle font = CreateTextFont(nullptr);
    DrawCaption(dc, Text(), font.get(), {19, 0, look.Width(), look.Height()}, color, DT_LEFT | DT_VCENTER);
}

TGroupButton::TGroupButton(Args args)
    : TSkinCheckRadioBox([&] {
          args.radio = true;
          args.groupIndex = 1;
          args.flat = true;
          return args;
      }()) {}

TCheckGroupButton::TCheckGroupButton(Args args)
    : TSkinCheckRadioBox([&] {
          args.radio = false;
          args.flat = true;
          return args;
      }()) {}

}  // namespace huecast::skin
