#include "aatext/aa_text_control.h"

#include <algorithm>

namespace huecast {

TAAGraphicControl::TAAGraphicControl(GlyphRasterizer& rasterizer)
    : rasterizer_(rasterizer), canvas_{nullptr, &rasterizer, {}, {}}, painter_(&canvas_) {
    painter_.Effect().SetOnChanged([this](TNotifyClass&) { Changed(); });
}

void TAAGraphicControl::Changed() {
    if (inited_ && autoUpdate_ && updateCount_ == 0 && !loading_ && !destroying_) Reset();
}

void TAAGraphicControl::Loaded() {
    loading_ = false;
    inited_ = true;
    InitControl();
}

void TAAGraphicControl::Paint() {
    if (loading_ || destroying_) return;
    if (!inited_) {
        inited_ = true;
        InitControl();
    }
    if (painting_) return;
    painting_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{painting_};
    PaintCanvas();
}

void TAAGraphicControl::SetSize(int width, int height) {
    ConstrainSize(width, height);
    width_ = width;
    height_ = height;
    if (height != lastHeight_ || width != lastWidth_) {
        lastHeight_ = height;
        lastWidth_ = width;
        Changed();
    }
}

void TAAGraphicControl::SetColor(std::uint32_t color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TAAGraphicControl::SetFont(const FontSpec& font) {
    if (font == font_) return;
    font_ = font;
    Changed();
}

TAACustomText::TAACustomText(GlyphRasterizer& rasterizer, SystemTexts& system)
    : TAAGraphicControl(rasterizer), labels_(system) {
    fonts_.SetOnChange([this] { Changed(); });
    labels_.SetOnChange([this] { Changed(); });
}

void TAACustomText::InitControl() {
    BeginUpdate();
    struct End {
        TAACustomText& self;
        ~End() { self.EndUpdate(); }
    } end{*this};
    if (Designing() && UseDefault()) {
        if (fonts_.Count() == 0 && !defaultFontsCreated_) {
            defaultFontsCreated_ = true;
            CreateDefaultFonts();
        }
        if (labels_.Count() == 0 && !defaultLabelsCreated_) {
            defaultLabelsCreated_ = true;
            CreateDefaultLabels();
        }
    }
}

void TAACustomText::CreateDefaultLabels() {
    static constexpr const char* kNames[] = {"Left",         "Center",   "Right", "Owner",
                                             "Organization", "AppTitle", "Date",  "Time"};
    for (int i = 0; i < 8; ++i)
        labels_.Add(kNames[i], "", static_cast<TLabelStyle>(i));
}

void TAACustomText::CreateDefaultFonts() {
    constexpr std::uint32_t kBlack = 0x000000, kBlue = 0xFF0000, kTeal = 8421376;
    fonts_.Add("Title1", font_faces::kSimHei, 12, kBlack, fsBold, true, 2, 2);
    fonts_.Add("Title2", font_faces::kSimHei, 9, kBlue, fsBold, true, 1, 1);
    fonts_.Add("Title3", font_faces::kKaiTi, 11, kBlue, 0, true, 2, 2);
    fonts_.Add("Text1", font_faces::kKaiTi, 9, kBlack, 0, false, 1, 1);
    fonts_.Add("Text2", font_faces::kKaiTi, 8, kTeal, 0, true, 1, 1);
}

}  // namespace huecast
