// TSkinFrame's painting: the skinned frame from its four strips with the objects and the caption text on
// them, the plain frame of a form without a skin, the client background, and the window's shape.
#include <algorithm>
#include <string>

#include "gui/drawing.h"
#include "skin/frame/frame_strips.h"
#include "skin/picture/mask_runs.h"
#include "skin/picture/picture_cut.h"
#include "skin/controls/shorten_text.h"
#include "skin/frame/win32/frame_canvas.h"
#include "skin/picture/win32/gdi_stamp.h"
#include "skin/frame/win32/frame.h"

namespace huecast::skin {

namespace {

RECT ToRECT(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

gui::FontHandle CaptionFontOf(const std::string& face, int height, FontStyle style, BYTE charset) {
    LOGFONTA lf{};
    lf.lfHeight = -height;
    lf.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style.italic;
    lf.lfUnderline = style.underline;
    lf.lfStrikeOut = style.strikeout;
    lf.lfCharSet = charset;
    lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return gui::FontHandle(CreateFontIndirectA(&lf));
}

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The text shortened to `width` in the DC's font, measured by the DC.
std::string FitToWidth(HDC dc, const std::string& text, int width) {
    return ShortenToWidth(text, width, [dc](std::string_view t) {
        SIZE size{};
        GetTextExtentPoint32A(dc, t.data(), static_cast<int>(t.size()), &size);
        return static_cast<int>(size.cx);
    });
}

// A memory DC on the screen, for measuring text.
struct MemoryDcOnScreen {
    MemoryDcOnScreen() : dc(CreateCompatibleDC(nullptr)) {}
    ~MemoryDcOnScreen() { DeleteDC(dc); }
    MemoryDcOnScreen(const MemoryDcOnScreen&) = delete;
    MemoryDcOnScreen& operator=(const MemoryDcOnScreen&) = delete;
    HDC dc;
};

Size TextSize(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

void Fill(HDC dc, const Rect& r, COLORREF color) {
    SetDCBrushColor(dc, color);
    const RECT rect = ToRECT(r);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
    SetDCPenColor(dc, color);
    const HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
}

// A one-pixel border: `light` on the top and left edges, `dark` on the bottom and right.
void Border(HDC dc, const Rect& r, COLORREF light, COLORREF dark) {
    Line(dc, r.left, r.bottom - 1, r.left, r.top, light);
    Line(dc, r.left, r.top, r.right - 1, r.top, light);
    Line(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1, dark);
    Line(dc, r.right - 1, r.bottom - 1, r.left - 1, r.bottom - 1, dark);
}

// The glyph of a plain caption button, drawn in `color` centred in `r`.
void PlainGlyph(HDC dc, SkinCommand command, bool restore, const Rect& r, COLORREF color) {
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    switch (command) {
        case SkinCommand::Close:
            for (int d = -3; d <= 3; ++d) {
                Fill(dc, {cx + d, cy + d, cx + d + 2, cy + d + 1}, color);
                Fill(dc, {cx - d, cy + d, cx - d + 2, cy + d + 1}, color);
            }
            break;
        case SkinCommand::Maximize:
            if (restore) {
                Border(dc, {cx - 1, cy - 5, cx + 5, cy + 1}, color, color);
                Fill(dc, {cx - 4, cy - 2, cx + 3, cy + 5}, color);
                Fill(dc, {cx - 3, cy, cx + 2, cy + 4}, GetSysColor(COLOR_BTNFACE));
            } else {
                Border(dc, {cx - 4, cy - 4, cx + 5, cy + 5}, color, color);
                Fill(dc, {cx - 4, cy - 3, cx + 5, cy - 2}, color);
            }
            break;
        case SkinCommand::Minimize:
            Fill(dc, {cx - 4, cy + 2, cx + 3, cy + 4}, color);
            break;
        case SkinCommand::RollUp:
            for (int row = 0; row < 4; ++row) {
                const int y = restore ? cy - 2 + row : cy + 1 - row;
                Fill(dc, {cx - 3 + row, y, cx + 4 - row, y + 1}, color);
            }
            break;
        default:
            break;
    }
}

}  // namespace

HICON TSkinFrame::SmallIcon() const {
    auto icon = reinterpret_cast<HICON>(SendMessageA(form_, WM_GETICON, ICON_SMALL2, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(form_, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(form_, GCLP_HICON));
    // A window without an icon of its own shows the application icon, as the system's caption does.
    return icon ? icon : LoadIcon(nullptr, IDI_APPLICATION);
}

void TSkinFrame::RepaintFrame() {
    if (!IsWindowVisible(form_)) return;
    const HDC dc = GetWindowDC(form_);
    PaintFrame(dc);
    ReleaseDC(form_, dc);
}

void TSkinFrame::PaintFrame(HDC windowDc) {
    if (Skinned())
        PaintSkinned(windowDc);
    else
        PaintPlain(windowDc);
}

// ---- The skinned frame ----

void TSkinFrame::PaintSkinned(HDC windowDc) {
    const Rect bounds = WindowBounds();
    const Size window{bounds.Width(), bounds.Height()};
    const Size minimum = MinimumSize();
    if (window.cx < minimum.cx || window.cy < minimum.cy) return;
    const TDataSkinFormInfo& info = skinData_->FormInfo();
    const Size picture{main24_.Width(), main24_.Height()};
    const FrameLayout layout = ComputeFrameLayout(info, picture, window);
    PlaceObjects(layout);

    const Bitmap& source = !active_ && !inactive24_.Empty() ? inactive24_ : main24_;
    const FrameStrips plan = PlanFrameStrips(info, picture, window);
    const StripPlan* plans[4] = {&plan.top, &plan.bottom, &plan.left, &plan.right};
    for (int i = 0; i < 4; ++i) {
        strips_[i]->Resize(plans[i]->size);
        if (!strips_[i]->Empty()) DrawStrip(source, *plans[i], strips_[i]->Pixels());
    }
    FrameCanvas& top = *strips_[0];
    FrameCanvas& bottom = *strips_[1];
    for (auto& object : objects_) {
        if (!object->Visible()) continue;
        if (object->WindowRect().top < layout.clientRect.top)
            DrawObject(*object, top, {0, 0}, false);
        else
            DrawObject(*object, bottom, {0, -plan.bottom.at.y}, false);
    }
    GdiFlush();
    if (!active_ && inactive24_.Empty() && info.autoRenderingInactiveImage) {
        for (auto& strip : strips_) {
            if (strip->Empty()) continue;
            TEffectBmp effect = strip->Effect();
            effect.ApplyInactiveEffect(info.inactiveEffect);
        }
    }
    const int saved = SaveDC(windowDc);
    ExcludeClipRect(windowDc, layout.clientRect.left, layout.clientRect.top, layout.clientRect.right,
                    layout.clientRect.bottom);
    for (int i = 0; i < 4; ++i)
        strips_[i]->Draw(windowDc, plans[i]->at.x, plans[i]->at.y);
    RestoreDC(windowDc, saved);
}

void TSkinFrame::DrawObject(TActiveSkinObject& object, FrameCanvas& canvas, Point offset, bool drawNormal) {
    if (canvas.Empty()) return;
    const FrameLookState state{.windowActive = active_,
                               .show = IsIconic(form_) ? WindowShow::Minimized : state_.Show(),
                               .rolledUp = state_.RolledUp()};
    const Rect target = object.WindowRect().Offset(offset.x, offset.y);
    const ObjectLook look = object.Look(state, drawNormal);
    const Bitmap& frame = !active_ && !inactive24_.Empty() ? inactive24_ : main24_;
    const auto pictureOf = [&](const LookRect& l) -> const Bitmap* {
        return l.source == LookSource::FramePicture ? &frame : object.ActivePicture();
    };
    GdiFlush();
    switch (look.kind) {
        case ObjectLook::Kind::Nothing:
            break;
        case ObjectLook::Kind::Copy:
            if (const Bitmap* p = pictureOf(look.normal))
                CopyPiece(*p, look.normal.rect, canvas.Pixels(), {target.left, target.top});
            break;
        case ObjectLook::Kind::Morph: {
            const Bitmap* normalPicture = pictureOf(look.normal);
            const Bitmap* activePicture = pictureOf(look.active);
            if (!normalPicture || !activePicture || target.IsEmpty()) break;
            TEffectBmp normal(target.Width(), target.Height());
            TEffectBmp active(target.Width(), target.Height());
            CopyPiece(*normalPicture, look.normal.rect, normal.Pixels(), {0, 0});
            CopyPiece(*activePicture, look.active.rect, active.Pixels(), {0, 0});
            normal.Morph(look.morphKind, active, look.factor);
            CopyPiece(normal.Pixels(), {0, 0, target.Width(), target.Height()}, canvas.Pixels(),
                      {target.left, target.top});
            break;
        }
        case ObjectLook::Kind::Icon: {
            const HICON icon = SmallIcon();
            const Size size{target.Width(), target.Height()};
            if (icon != stampedIcon_ || iconStamp_.GetSize() != size) {
                iconStamp_ = GdiStamp(size, [&](HDC dc) {
                    DrawIconEx(dc, 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
                });
                stampedIcon_ = icon;
            }
            iconStamp_.Apply(canvas.Pixels(), {target.left, target.top}, target);
            break;
        }
        case ObjectLook::Kind::Paint:
            if (onPaintEvent) onPaintEvent(object.Name(), canvas.Dc(), ToRECT(target));
            break;
    }
    if (auto* caption = dynamic_cast<TSkinCaptionObject*>(&object)) DrawCaptionText(*caption, canvas, offset);
}

const GdiStamp& TSkinFrame::TextStamp(const std::string& text, COLORREF color) {
    for (const TextStampEntry& entry : textStamps_)
        if (entry.text == text && entry.color == color) return entry.stamp;
    // A few texts and colours at most live at once: active, inactive, shadow; a new caption starts over.
    if (textStamps_.size() >= 8) textStamps_.clear();
    const MemoryDcOnScreen measure;
    Size size;
    {
        const gui::SelectedObject font(measure.dc, captionFont_.get());
        size = TextSize(measure.dc, text);
    }
    textStamps_.push_back({text, color, GdiStamp(size, [&](HDC dc) {
                               const gui::SelectedObject selected(dc, captionFont_.get());
                               SetBkMode(dc, TRANSPARENT);
                               SetTextColor(dc, color);
                               TextOutA(dc, 0, 0, text.data(), static_cast<int>(text.size()));
                           })});
    return textStamps_.back().stamp;
}

void TSkinFrame::DrawCaptionText(TSkinCaptionObject& caption, FrameCanvas& canvas, Point offset) {
    const SkinFont& f = caption.Font();
    if (!captionFont_ || captionFontKey_ != f) {
        captionFont_ = CaptionFontOf(f.name, f.height, f.style, defCaptionFont.charset);
        captionFontKey_ = f;
        textStamps_.clear();
        fittedWidth_ = -1;
    }
    const Rect textRect = caption.TextRect().Offset(offset.x, offset.y);
    const std::string text = WindowText(form_);
    if (text != fittedFor_ || textRect.Width() != fittedWidth_) {
        const MemoryDcOnScreen measure;
        const gui::SelectedObject font(measure.dc, captionFont_.get());
        fitted_ = FitToWidth(measure.dc, text, textRect.Width());
        fittedSize_ = TextSize(measure.dc, fitted_);
        fittedFor_ = text;
        fittedWidth_ = textRect.Width();
    }
    const CaptionTextPlan plan = caption.PlanText(fittedSize_, active_);
    if (!plan.frameSource.IsEmpty() && caption.ActivePicture()) {
        const Rect t = plan.frameTarget.Offset(offset.x, offset.y);
        const Rect& s = plan.frameSource;
        const Bitmap& from = *caption.ActivePicture();
        CopyPiece(from, {s.left, s.top, s.left + plan.frameLeftOffset, s.bottom}, canvas.Pixels(),
                  {t.left, t.top});
        StretchPiece(from, {s.left + plan.frameLeftOffset, s.top, s.right - plan.frameRightOffset, s.bottom},
                     canvas.Pixels(),
                     {t.left + plan.frameLeftOffset, t.top, t.right - plan.frameRightOffset, t.bottom});
        CopyPiece(from, {s.right - plan.frameRightOffset, s.top, s.right, s.bottom}, canvas.Pixels(),
                  {t.right - plan.frameRightOffset, t.top});
    }
    if (fitted_.empty()) return;
    // Drawn once per text and colour by GDI, laid over the strip from then on.
    if (plan.shadow)
        TextStamp(fitted_, plan.shadowColor)
            .Apply(canvas.Pixels(), {plan.shadowAt.x + offset.x, plan.shadowAt.y + offset.y}, textRect);
    TextStamp(fitted_, plan.color)
        .Apply(canvas.Pixels(), {plan.textAt.x + offset.x, plan.textAt.y + offset.y}, textRect);
}

// ---- The plain frame ----

void TSkinFrame::PaintPlain(HDC windowDc) {
    const Rect bounds = WindowBounds();
    const Size window{bounds.Width(), bounds.Height()};
    if (window.cx <= 0 || window.cy <= 0) return;
    const bool tool = ToolWindow();
    const FrameLayout layout = PlainFrameLayout(window, tool);
    const PlacementOptions options{
        .showIcon = showIcon, .smallIcon = {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}};
    const Rect band = PlacePlainButtons(objects_, window, tool, options);
    FrameCanvas& canvas = *strips_[0];
    canvas.Resize(window);
    const HDC dc = canvas.Dc();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Rect all{0, 0, window.cx, window.cy};
    Fill(dc, all, face);
    Border(dc, all, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    Border(dc, {1, 1, window.cx - 1, window.cy - 1}, GetSysColor(COLOR_BTNHIGHLIGHT),
           GetSysColor(COLOR_BTNSHADOW));

    const int captionHeight = UnskinnedCaptionHeight(tool);
    for (int row = 2; row <= captionHeight - 4; ++row)
        Line(dc, band.left + 2, 3 + row, band.right - 2, 3 + row,
             row % 2 ? GetSysColor(COLOR_BTNSHADOW) : GetSysColor(COLOR_BTNHIGHLIGHT));

    const CaptionFont& f = active_ ? defCaptionFont : defInActiveCaptionFont;
    const gui::FontHandle font = CaptionFontOf(f.face, f.height, {.bold = f.bold}, f.charset);
    {
        const gui::SelectedObject selected(dc, font.get());
        const std::string text = FitToWidth(dc, WindowText(form_), std::max(band.Width() - 10, 0));
        const Size size = TextSize(dc, text);
        const int x = band.left + (band.Width() - size.cx) / 2;
        const int y = band.top + (band.Height() - size.cy) / 2;
        if (!text.empty()) Fill(dc, {x - 5, band.top + 1, x + size.cx + 5, band.bottom - 1}, face);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, f.color);
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, band.left, band.top, band.right, band.bottom);
        TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
        RestoreDC(dc, saved);
    }

    const bool restore = state_.Maximized() || Minimized() || state_.RolledUp();
    for (std::size_t i = 0; i < objects_.size(); ++i) {
        auto* button = dynamic_cast<TSkinStdButtonObject*>(objects_[i].get());
        if (!button || !button->Visible()) continue;
        const Rect& r = button->WindowRect();
        const bool hot = static_cast<int>(i) == mouseIndex_ && button->Enabled();
        if (hot) {
            Fill(dc, r, button->Pressed() ? RGB(0x85, 0x93, 0xB5) : RGB(0xB6, 0xBD, 0xD2));
            Border(dc, r, RGB(0, 0, 0x80), RGB(0, 0, 0x80));
        }
        if (button->ShowsIcon()) {
            if (HICON icon = SmallIcon())
                DrawIconEx(dc, r.left, r.top, icon, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
            continue;
        }
        const COLORREF glyph = button->Enabled() ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_BTNSHADOW);
        PlainGlyph(dc, button->Command(), restore, r, glyph);
    }
    GdiFlush();
    const int saved = SaveDC(windowDc);
    ExcludeClipRect(windowDc, layout.clientRect.left, layout.clientRect.top, layout.clientRect.right,
                    layout.clientRect.bottom);
    canvas.Draw(windowDc, 0, 0);
    RestoreDC(windowDc, saved);
}

// ---- The client background ----

bool TSkinFrame::EraseClient(HDC dc) {
    if (!Skinned()) return false;
    RECT client{};
    GetClientRect(form_, &client);
    const Size size{client.right, client.bottom};
    if (size.cx <= 0 || size.cy <= 0) return true;
    const TDataSkinFormInfo& info = skinData_->FormInfo();
    const Bitmap* tile = skinData_->ActivePicture24(info.bgPictureIndex);
    const Rect source = tile ? Rect{0, 0, tile->Width(), tile->Height()} : info.clientRect;
    if (!tile) tile = &main24_;
    if (source.IsEmpty()) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    background_->Resize(size);
    TilePiece(*tile, source, background_->Pixels(), {0, 0, size.cx, size.cy});
    background_->Draw(dc, 0, 0);
    return true;
}

// ---- The window's shape ----

void TSkinFrame::UpdateRegion() {
    if (!Skinned() || !skinData_->HasMask() || mask24_.Empty()) {
        if (shaped_) gui::SetWindowShape(form_, nullptr);
        shaped_ = false;
        return;
    }
    const Rect bounds = WindowBounds();
    const Size window{bounds.Width(), bounds.Height()};
    const TDataSkinFormInfo& info = skinData_->FormInfo();
    const Size picture{mask24_.Width(), mask24_.Height()};
    const FrameStrips plan = PlanMaskStrips(info, picture, window);
    std::vector<Rect> runs{ComputeFrameLayout(info, picture, window).maskArea};
    for (const StripPlan* strip : {&plan.top, &plan.bottom, &plan.left, &plan.right}) {
        if (strip->size.cx <= 0 || strip->size.cy <= 0) continue;
        Bitmap pixels(strip->size.cx, strip->size.cy, 24);
        DrawStrip(mask24_, *strip, pixels);
        for (const Rect& run : MaskRuns(pixels))
            runs.push_back(run.Offset(strip->at.x, strip->at.y));
    }
    shaped_ = gui::SetWindowShape(form_, gui::RegionFromRuns(runs));
}

}  // namespace huecast::skin
