#include "skin/controls/win32/control.h"

#include <stdexcept>

#include "skin/picture/picture_cut.h"
#include "skin/picture/mask_runs.h"

namespace huecast::skin {

// ---- TSkinControl ----

void TSkinControl::CreateControl(const char* className, const SkinControlArgs& args) {
    Create({.className = className,
            .caption = args.caption,
            .style = args.style,
            .exStyle = args.exStyle,
            .x = args.x,
            .y = args.y,
            .width = args.width,
            .height = args.height,
            .parent = args.parent,
            .id = args.id,
            .classStyle = CS_DBLCLKS,
            .background = nullptr});
    skinDataName_ = args.skinDataName;
    if (args.skinData) SetSkinData(args.skinData);
}

void TSkinControl::SetSkinData(TSkinData* skinData) {
    skinData_ = skinData;
    if (skinData_ && !skinData_->Empty()) SkinChanged();
}

void TSkinControl::ReadSkinElement() {
    if (changing_ || !skinData_ || skinData_->Empty())
        elementIndex_ = -1;
    else
        elementIndex_ = skinData_->FindSkinControl(skinDataName_);
}

void TSkinControl::DrawPlainLook(LookCanvas& canvas) {
    const RECT all{0, 0, canvas.Width(), canvas.Height()};
    FillRect(canvas.Dc(), &all, GetSysColorBrush(COLOR_BTNFACE));
}

void TSkinControl::DrawSkinLook(LookCanvas& canvas) {
    DrawPlainLook(canvas);
}

void TSkinControl::SkinChanging() {
    changing_ = true;
    elementIndex_ = -1;
}

void TSkinControl::SkinChanged() {
    changing_ = false;
    ReadSkinElement();
    const Size current = ClientSize();
    if (elementIndex_ < 0) {
        ApplyDefaultSize();
    } else if (const Size fitted = FitToSkin(current); fitted != current) {
        SetSize(fitted);  // the bounds rule updates the shape and repaints
        return;
    }
    UpdateShape();
    Invalidate();
}

Size TSkinControl::ClientSize() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return {r.right, r.bottom};
}

void TSkinControl::SetBounds(int x, int y, int width, int height) {
    SetWindowPos(Handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSkinControl::SetSize(Size size) {
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void TSkinControl::Repaint() {
    if (!Handle()) return;  // no window yet: a null one would mean the whole desktop
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOERASE);
}

void TSkinControl::Paint(HDC dc) {
    const Size size = ClientSize();
    if (size.cx <= 0 || size.cy <= 0) return;
    ReadSkinElement();
    if (look_.Width() != size.cx || look_.Height() != size.cy) {
        look_ = gui::DibSection();
        look_ = gui::DibSection(size.cx, size.cy);
    }
    // One memory DC for composing and for the copy.
    const gui::MemoryDC memory(dc);
    const gui::SelectedObject selected(memory, look_.Handle());
    LookCanvas canvas(look_, memory);
    if (elementIndex_ < 0)
        DrawPlainLook(canvas);
    else
        DrawSkinLook(canvas);
    GdiFlush();  // the core wrote into the section behind GDI's back
    BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}

LRESULT TSkinControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // every pixel is painted, in one copy
        case WM_PAINT: {
            const gui::PaintScope paint(Handle());
            Paint(paint.Dc());
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_WINDOWPOSCHANGING: {
            ReadSkinElement();
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(position->flags & SWP_NOSIZE) && elementIndex_ >= 0) {
                const Size fitted = FitToSkin({position->cx, position->cy});
                position->cx = fitted.cx;
                position->cy = fitted.cy;
            }
            break;
        }
        case WM_SIZE:
            UpdateShape();
            Invalidate();
            break;
        case WM_ENABLE:
            Invalidate();
            break;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) return AnswerGetObject(*this, wParam, lParam);
            break;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void TSkinControl::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter();
}

void TSkinControl::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave();
}

AccessibleInfo TSkinControl::Accessible() const {
    return {};
}

// ---- TSkinCustomControl ----

void TSkinCustomControl::SetDefaultWidth(int width) {
    defaultWidth_ = width;
    if (elementIndex_ < 0 && width > 0) SetSize({width, ClientSize().cy});
}

void TSkinCustomControl::SetDefaultHeight(int height) {
    defaultHeight_ = height;
    if (elementIndex_ < 0 && height > 0) SetSize({ClientSize().cx, height});
}

void TSkinCustomControl::ApplyDefaultSize() {
    Size size = ClientSize();
    if (defaultWidth_ > 0) size.cx = defaultWidth_;
    if (defaultHeight_ > 0) size.cy = defaultHeight_;
    if (size != ClientSize()) SetSize(size);
}

void TSkinCustomControl::SetDefaultFont(const ControlFont& font) {
    defaultFont_ = font;
    DefaultFontChanged();
    if (elementIndex_ < 0) Invalidate();
}

void TSkinCustomControl::SetUseSkinFont(bool use) {
    if (use == useSkinFont_) return;
    useSkinFont_ = use;
    Invalidate();
}

void TSkinCustomControl::ReadSkinElement() {
    TSkinControl::ReadSkinElement();
    descriptor_ = nullptr;
    picture_ = mask_ = nullptr;
    pieces_ = {};
    if (elementIndex_ >= 0) {
        const TDataSkinControl& d = *SkinData()->Controls()[static_cast<std::size_t>(elementIndex_)];
        // A descriptor of another family has no corner points: it binds, but cuts no picture.
        descriptor_ = dynamic_cast<const TDataSkinCustomControl*>(&d);
        pieces_ = PiecesOf(d);
        picture_ = SkinData()->ActivePicture24(d.pictureIndex);
        mask_ = SkinData()->ActivePicture24(d.maskPictureIndex);
    }
    mapping_ = skin::FitToSkin(pieces_, ClientSize());
}

const TDataSkinCustomControl* TSkinCustomControl::Descriptor() const {
    return descriptor_;
}

Size TSkinCustomControl::FitToSkin(Size proposed) {
    mapping_ = skin::FitToSkin(pieces_, proposed);
    return mapping_.size;
}

void TSkinCustomControl::CutLook(LookCanvas& canvas, Rect lookRect) {
    if (!picture_ || pieces_.mode == ResizeMode::None) return;
    CutPicture(*picture_, lookRect, pieces_, mapping_, canvas.Pixels());
}

void TSkinCustomControl::DrawSkinLook(LookCanvas& canvas) {
    if (!descriptor_ || !picture_ || pieces_.mode == ResizeMode::None) {
        DrawPlainLook(canvas);
        return;
    }
    CutLook(canvas, descriptor_->skinRect);
}

void TSkinCustomControl::UpdateShape() {
    std::optional<std::vector<Rect>> runs;
    if (elementIndex_ >= 0 && mask_ && descriptor_)
        runs = ShapeRuns(*mask_, descriptor_->skinRect, pieces_, skin::FitToSkin(pieces_, ClientSize()));
    if (runs) {
        hasShape_ = gui::SetWindowShape(Handle(), gui::RegionFromRuns(*runs));
    } else if (hasShape_) {
        gui::SetWindowShape(Handle(), nullptr);
        hasShape_ = false;
    }
}

gui::FontSpec TSkinCustomControl::TextFontSpec(const SkinFont* elementFont) const {
    if (elementIndex_ >= 0 && elementFont && useSkinFont_) return gui::FontSpecOf(*elementFont, defaultFont_.spec.charset);
    return defaultFont_.spec;
}

COLORREF TSkinCustomControl::TextColor(std::optional<Color> elementColor) const {
    return static_cast<COLORREF>(elementIndex_ >= 0 && elementColor ? *elementColor : defaultFont_.color);
}

void TSkinCustomControl::SetMorphing(bool on) {
    morphing_ = on;
    if (!on) StopMorph();
}

void TSkinCustomControl::StopMorph() {
    if (morphTimer_) StopTimer(kMorphTimerId);
    morphTimer_ = false;
}

void TSkinCustomControl::SnapMorph(bool active) {
    StopMorph();
    morph_.Snap(active);
    Invalidate();
}

void TSkinCustomControl::MorphStateChanged() {
    if (morphing_ && elementIndex_ >= 0) {
        if (!morphTimer_) {
            StartTimer(kMorphTimerId, kMorphIntervalMs);
            morphTimer_ = true;
        }
    } else {
        Invalidate();
    }
}

void TSkinCustomControl::TimerTick(UINT_PTR id) {
    if (id != kMorphTimerId) return;
    if (!morph_.Tick(MorphTarget())) StopMorph();
    Invalidate();
}

bool TSkinCustomControl::MorphTarget() const {
    return (MouseInside() && Enabled()) || GetFocus() == Handle();
}

void TSkinCustomControl::FocusChanged(bool) {
    MorphStateChanged();
}

void TSkinCustomControl::MouseEnter() {
    MorphStateChanged();
    TSkinControl::MouseEnter();
}

void TSkinCustomControl::MouseLeave() {
    MorphStateChanged();
    TSkinControl::MouseLeave();
}

void TSkinCustomControl::DrawMorphedLook(LookCanvas& canvas, Rect normalRect, Rect activeRect, MorphKind kind) {
    if (!picture_ || pieces_.mode == ResizeMode::None) {
        DrawPlainLook(canvas);
        return;
    }
    const double k = morph_.K();
    if (k <= 0) return CutLook(canvas, normalRect);
    if (k >= 1) return CutLook(canvas, activeRect);
    morphLooks_.Prepare(*picture_, normalRect, activeRect, pieces_, mapping_);
    morphLooks_.Compose(kind, k, canvas.Pixels());
}

}  // namespace huecast::skin
