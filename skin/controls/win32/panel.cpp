#include "skin/controls/win32/panel.h"

#include <algorithm>

#include "skin/controls/check_box_layout.h"
#include "skin/picture/picture_cut.h"
#include "skin/picture/transparent_piece.h"
#include "skin/controls/win32/caption_text.h"

namespace huecast::skin {

namespace {

void Frame(HDC dc, const Rect& r, COLORREF topLeft, COLORREF bottomRight) {
    const gui::BrushHandle light(CreateSolidBrush(topLeft));
    const gui::BrushHandle dark(CreateSolidBrush(bottomRight));
    const RECT top{r.left, r.top, r.right, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom};
    const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom}, right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &top, light.get());
    FillRect(dc, &left, light.get());
    FillRect(dc, &bottom, dark.get());
    FillRect(dc, &right, dark.get());
}

COLORREF Sys(int index) {
    return GetSysColor(index);
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

}  // namespace

TSkinPanel::TSkinPanel(const Args& args)
    : captionMode_(args.captionMode),
      checkedMode_(args.checkedMode),
      checked_(args.checked),
      autoEnabledControls_(args.autoEnabledControls),
      rollUpMode_(args.rollUpMode),
      borderStyle_(args.borderStyle),
      defaultCaptionHeight_(args.defaultCaptionHeight),
      defaultAlignment_(args.defaultAlignment),
      glyph_(args.glyph, std::clamp(args.numGlyphs, 1, 2)),
      spacing_(args.spacing) {
    SetUseSkinFont(args.useSkinFont);
    // No redraw of the whole window on resizing: the class has no CS_HREDRAW or CS_VREDRAW.
    CreateControl("HuecastSkinPanel", {.parent = args.parent,
                                       .id = args.id,
                                       .x = args.x,
                                       .y = args.y,
                                       .width = args.width,
                                       .height = args.height,
                                       .caption = args.caption,
                                       .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                       .exStyle = WS_EX_CONTROLPARENT,
                                       .skinDataName = args.skinDataName,
                                       .skinData = args.skinData});
}

TSkinPanel::~TSkinPanel() {
    DestroyHandle();
}

void TSkinPanel::SetGlyph(const Bitmap& strip, int numGlyphs) {
    glyph_ = GlyphStrip(strip, std::clamp(numGlyphs, 1, 2));
    AreaChanged();
}

void TSkinPanel::DrawGlyph(LookCanvas& look, const CaptionLayout& layout) {
    if (layout.glyph.IsEmpty()) return;
    const int image = !Enabled() && glyph_.NumGlyphs() == 2 ? 2 : 1;
    glyph_.Draw(image, look.Pixels(), {layout.glyph.left, layout.glyph.top});
}

void TSkinPanel::SetChecked(bool checked) {
    checked_ = checked;
    if (checkedMode_) {
        Invalidate();
        if (autoEnabledControls_)
            for (HWND child : Children(Handle()))
                EnableWindow(child, checked);
    }
    if (onChecked) onChecked();
}

PanelShape TSkinPanel::Shape() {
    RECT r;
    GetClientRect(Handle(), &r);
    const auto* panel = DescriptorAs<TDataSkinPanelControl>();
    const bool element = Descriptor() && Picture() && Pieces().mode != ResizeMode::None;
    return {.control = {r.right, r.bottom},
            .hasElement = element,
            .hasBackgroundPicture = panel && SkinData() && SkinData()->ActivePicture24(panel->bgPictureIndex),
            .freeResize = element && Pieces().mode == ResizeMode::Free,
            .ncl = element ? Mapping().clientRect : Rect{},
            .borderStyle = borderStyle_,
            .captionMode = captionMode_,
            .defaultCaptionHeight = defaultCaptionHeight_};
}

Rect TSkinPanel::ClientArea() {
    ReadSkinElement();
    return PanelClientRect(Shape());
}

Rect TSkinPanel::CaptionHit() {
    ReadSkinElement();
    RECT r;
    GetClientRect(Handle(), &r);
    const auto* d = DescriptorAs<TDataSkinPanelControl>();
    const Rect mapped = d ? MapRect(d->captionRect) : Rect{};
    return CaptionHitArea({r.right, r.bottom}, d != nullptr, mapped, defaultCaptionHeight_);
}

void TSkinPanel::SetRollUpState(bool rolledUp) {
    if (!rollUpMode_ || rolledUp == rolledUp_) return;
    RECT r;
    GetWindowRect(Handle(), &r);
    const int width = r.right - r.left;
    if (rolledUp) {
        ReadSkinElement();
        unrolledHeight_ = r.bottom - r.top;
        hiddenChildren_.clear();
        for (HWND child : Children(Handle()))
            if (IsWindowVisible(child)) {
                hiddenChildren_.push_back(child);
                ShowWindow(child, SW_HIDE);
            }
        const int height = RolledUpHeight({width, unrolledHeight_}, Descriptor() != nullptr,
                                          Mapping().clientRect, defaultCaptionHeight_);
        rolledUp_ = true;
        SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        rolledUp_ = false;
        SetWindowPos(Handle(), nullptr, 0, 0, width, unrolledHeight_,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (HWND child : hiddenChildren_)
            if (IsWindow(child)) ShowWindow(child, SW_SHOW);
        hiddenChildren_.clear();
    }
    Invalidate();
}

AccessibleInfo TSkinPanel::Accessible() const {
    // A group with a check box in its caption reports that box's state.
    return {.role = ROLE_SYSTEM_GROUPING, .state = checkedMode_ && checked_ ? STATE_SYSTEM_CHECKED : 0};
}

void TSkinPanel::SkinChanged() {
    TSkinCustomControl::SkinChanged();
    AreaChanged();
}

LRESULT TSkinPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONUP: {
            if (!captionMode_) break;
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (!CaptionHit().Contains({at.x, at.y})) break;
            if (checkedMode_) {
                SetChecked(!checked_);
                SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED),
                             reinterpret_cast<LPARAM>(Handle()));
            }
            if (rollUpMode_) SetRollUpState(!rolledUp_);
            return 0;
        }
        case WM_SETTEXT: {
            const LRESULT result = TSkinCustomControl::HandleMessage(message, wParam, lParam);
            if (captionMode_) Invalidate();
            return result;
        }
        case WM_SIZE:
            AreaChanged();
            break;
        case BM_CLICK:
            if (!checkedMode_ || !IsWindowEnabled(Handle())) return 0;
            SetChecked(!checked_);
            SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED),
                         reinterpret_cast<LPARAM>(Handle()));
            return 0;
        case BM_GETCHECK:
            return checkedMode_ && checked_ ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            if (checkedMode_) {
                checked_ = wParam == BST_CHECKED;
                Invalidate();
            }
            return 0;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        default:
            break;
    }
    return TSkinCustomControl::HandleMessage(message, wParam, lParam);
}

void TSkinPanel::DrawArrow(HDC dc, const Rect& box, COLORREF color) {
    // Down while rolled up (it unfolds), up otherwise.
    const int mid = box.left + box.Width() / 2;
    POINT points[3];
    if (rolledUp_) {
        points[0] = {box.left, box.top};
        points[1] = {box.right - 1, box.top};
        points[2] = {mid, box.bottom - 1};
    } else {
        points[0] = {box.left, box.bottom - 1};
        points[1] = {box.right - 1, box.bottom - 1};
        points[2] = {mid, box.top};
    }
    const gui::BrushHandle brush(CreateSolidBrush(color));
    const gui::GdiPtr<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    const gui::SelectedObject b(dc, brush.get()), p(dc, pen.get());
    Polygon(dc, points, 3);
}

void TSkinPanel::DrawSkinCaption(LookCanvas& look, const TDataSkinPanelControl& d) {
    const std::string caption = Text();
    if (caption.empty() || d.captionRect.IsEmpty()) return;
    const gui::FontHandle fontHandle = CreateTextFont(&d.font);
    HFONT font = fontHandle.get();
    CaptionParts parts{.area = MapRect(d.captionRect),
                       .checkedMode = checkedMode_,
                       .rollUpMode = rollUpMode_,
                       .checkImage = {d.checkImageRect.Width(), d.checkImageRect.Height()},
                       .alignment = d.alignment,
                       .text = MeasureCaption(caption, font),
                       .glyph = glyph_.CellSize(),
                       .spacing = spacing_};
    const CaptionLayout layout = LayOutSkinCaption(parts);
    DrawGlyph(look, layout);
    if (checkedMode_)
        CopyTransparentPiece(*Picture(), checked_ ? d.checkImageRect : d.unCheckImageRect, look.Pixels(),
                             {layout.check.left, layout.check.top});
    Rect text = layout.text;
    text.left = std::max(text.left, layout.clip.left);
    text.right = std::min(text.right, layout.clip.right);
    DrawCaption(look.Dc(), caption, font, text, d.font.color, DT_LEFT | DT_TOP);
    if (rollUpMode_) DrawArrow(look.Dc(), layout.arrow, d.font.color);
}

void TSkinPanel::DrawSkinLook(LookCanvas& look) {
    const auto* d = DescriptorAs<TDataSkinPanelControl>();
    const Rect whole{0, 0, look.Width(), look.Height()};
    switch (ChoosePanelFill(Shape())) {
        case PanelFill::Background: {
            const Bitmap* bg = SkinData()->ActivePicture24(d->bgPictureIndex);
            TilePiece(*bg, {0, 0, bg->Width(), bg->Height()}, look.Pixels(), whole);
            return;
        }
        case PanelFill::ClientTile:
            if (Picture())
                TilePiece(
                    *Picture(),
                    Descriptor()->clientRect.Offset(Descriptor()->skinRect.left, Descriptor()->skinRect.top),
                    look.Pixels(), whole);
            return;
        case PanelFill::Cut:
            TSkinCustomControl::DrawSkinLook(look);
            if (d && captionMode_ && Picture()) DrawSkinCaption(look, *d);
            return;
    }
}

void TSkinPanel::DrawPlainCaption(LookCanvas& look) {
    HDC dc = look.Dc();
    const Size size{look.Width(), look.Height()};
    const Rect bar = PlainCaptionBar(size, borderStyle_, defaultCaptionHeight_);
    if (borderStyle_ == TSkinBorderStyle::bvFrame) {
        Frame(dc, bar, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNSHADOW));
        Frame(dc, {bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1}, Sys(COLOR_BTNHIGHLIGHT),
              Sys(COLOR_BTNFACE));
    } else {
        Frame(dc, bar, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
        Frame(dc, {bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1}, Sys(COLOR_BTNHIGHLIGHT),
              Sys(COLOR_BTNSHADOW));
    }
    const std::string caption = Text();
    const gui::FontHandle fontHandle = CreateTextFont(nullptr);
    HFONT font = fontHandle.get();
    const CaptionLayout layout = LayOutPlainCaption({.area = bar,
                                                     .checkedMode = checkedMode_,
                                                     .rollUpMode = rollUpMode_,
                                                     .alignment = defaultAlignment_,
                                                     .text = MeasureCaption(caption, font),
                                                     .glyph = glyph_.CellSize(),
                                                     .spacing = spacing_});
    DrawGlyph(look, layout);
    if (checkedMode_) {
        Frame(dc, layout.check, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNSHADOW));
        if (checked_) {
            const gui::GdiPtr<HPEN> pen(CreatePen(PS_SOLID, 1, Sys(COLOR_BTNTEXT)));
            const gui::SelectedObject selected(dc, pen.get());
            for (const CheckMarkStroke& s : CheckMarkStrokes({layout.check.left + 3, layout.check.top + 2})) {
                MoveToEx(dc, s[0].x, s[0].y, nullptr);
                LineTo(dc, s[1].x, s[1].y);
                LineTo(dc, s[2].x, s[2].y);
            }
        }
    }
    Rect text = layout.text;
    text.right = std::min(text.right, layout.clip.right);
    DrawCaption(dc, caption, font, text, TextColor(std::nullopt), DT_LEFT | DT_TOP);
    if (rollUpMode_) DrawArrow(dc, layout.arrow, Sys(COLOR_BTNTEXT));
}

void TSkinPanel::DrawPlainLook(LookCanvas& look) {
    HDC dc = look.Dc();
    const RECT all{0, 0, look.Width(), look.Height()};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    const Rect r{0, 0, look.Width(), look.Height()};
    switch (borderStyle_) {
        case TSkinBorderStyle::bvFrame:
            Frame(dc, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNSHADOW));
            break;
        case TSkinBorderStyle::bvRaised:
            Frame(dc, r, Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW));
            break;
        case TSkinBorderStyle::bvLowered:
            Frame(dc, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
            break;
        case TSkinBorderStyle::bvNone:
            break;
    }
    if (captionMode_) DrawPlainCaption(look);
}

TSkinGroupBox::TSkinGroupBox(Args args)
    : TSkinPanel([&] {
          if (args.skinDataName == "panel") args.skinDataName = "groupbox";
          args.captionMode = true;
          return args;
      }()) {}

}  // namespace huecast::skin
