#include "aatext/line_layout.h"

#include <cmath>
#include <cstring>

namespace huecast {

namespace {

// One line after its tags: the sub-lines it is drawn as, in the font and effect the painter now holds.
struct TaggedLine {
    std::vector<std::string> subLines;
    std::string text;  // the whole line, for the measuring pass
};

class LayoutState {
  public:
    LayoutState(const LineLayout& layout, TAAPainterEx& painter)
        : layout_(layout), painter_(painter), canvas_(*painter.Canvas()) {
        Restart();
    }

    // Canvas font, effect and alignment as the parameters give them.
    void Restart() {
        canvas_.font = layout_.font;
        painter_.Effect().Assign(layout_.param.FontEffect());
        alignment_ = layout_.param.Alignment();
    }

    TaggedLine Next(std::string line) {
        if (layout_.param.LabelEffect() == TLabelEffect::leOnlyALine) Restart();
        layout_.fonts.ApplyTags(line, &canvas_.font, &painter_.Effect());
        layout_.labels.ApplyTags(line, alignment_);

        TaggedLine tagged;
        const int w = painter_.TextWidth(line);
        if (layout_.param.WordWrap() && w > layout_.width && !line.empty()) {
            // A first guess from the average byte width, then down to the bytes that really fit.
            int m = static_cast<int>(static_cast<long long>(line.size()) * layout_.width / w);
            while (m > 1 && painter_.TextWidth(std::string_view(line).substr(
                                0, static_cast<std::size_t>(m))) > layout_.width)
                --m;
            tagged.subLines = WrapLines(line, m, layout_.leadBytes);
        } else if (!line.empty()) {
            tagged.subLines = SplitLines(line);
        }
        // A line that leaves nothing to draw still takes a line's height.
        if (tagged.subLines.empty()) tagged.subLines.emplace_back(" ");
        tagged.text = std::move(line);
        return tagged;
    }

    TAlignment Alignment() const { return alignment_; }

  private:
    const LineLayout& layout_;
    TAAPainterEx& painter_;
    AACanvas& canvas_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

}  // namespace

int LineAdvance(int rowPitch, int height) {
    return static_cast<int>(std::nearbyint((rowPitch / 100.0 + 1.0) * height));
}

int MeasureLines(const LineLayout& layout, TAAPainterEx& painter, int y0) {
    if (!painter.Canvas()) return y0;
    LayoutState state(layout, painter);
    int y = y0;
    for (const std::string& line : layout.param.Lines()) {
        const TaggedLine tagged = state.Next(line);
        const int h = painter.TextHeight(tagged.text + " ");
        y += static_cast<int>(tagged.subLines.size()) * LineAdvance(layout.param.RowPitch(), h);
    }
    return y;
}

int DrawLines(const LineLayout& layout, TAAPainterEx& painter, int y0) {
    if (!painter.Canvas()) return y0;
    LayoutState state(layout, painter);
    const int surfaceWidth = layout.width;
    int y = y0;
    for (const std::string& line : layout.param.Lines()) {
        const TaggedLine tagged = state.Next(line);
        for (const std::string& s : tagged.subLines) {
            const int h = painter.TextHeight(s + " ");
            const int ws = painter.TextWidth(s);
            int x = 0;
            if (state.Alignment() == TAlignment::taRightJustify)
                x = surfaceWidth - ws;
            else if (state.Alignment() == TAlignment::taCenter)
                x = (surfaceWidth - ws) / 2;
            painter.TextOut(x, y, s);
            y += LineAdvance(layout.param.RowPitch(), h);
        }
    }
    return y;
}

void FillRect(Bitmap& target, const Rect& rect, std::uint32_t rgb) {
    const Rect r = rect.Intersect({0, 0, target.Width(), target.Height()});
    if (r.IsEmpty()) return;
    const int bpp = target.BitsPerPixel() / 8;
    if (bpp != 3 && bpp != 4) return;
    const std::uint8_t pixel[4] = {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                                   static_cast<std::uint8_t>(rgb), 0};
    // One row is built and copied to the others.
    std::uint8_t* first = target.Row(r.top) + bpp * r.left;
    for (int x = 0; x < r.Width(); ++x)
        std::memcpy(first + bpp * x, pixel, static_cast<std::size_t>(bpp));
    for (int y = r.top + 1; y < r.bottom; ++y)
        std::memcpy(target.Row(y) + bpp * r.left, first, static_cast<std::size_t>(bpp) * r.Width());
}

void DrawBackGround(AACanvas& canvas, const Rect& rect, TBackGroundMode mode, const TPicture& picture) {
    if (!canvas.target) return;
    Bitmap& target = *canvas.target;
    const std::uint32_t brushRgb = ColorToRgb(canvas.brush.color, canvas.rasterizer);
    FillRect(target, rect, brushRgb);
    if (picture.Empty()) return;
    const int gw = picture.Width();
    const int gh = picture.Height();
    switch (mode) {
        case TBackGroundMode::bmTiled:
            for (int i = 0; i <= rect.Width() / gw; ++i)
                for (int j = 0; j <= rect.Height() / gh; ++j)
                    picture.Draw(target, rect.left + i * gw, rect.top + j * gh);
            break;
        case TBackGroundMode::bmStretched:
            if (picture.IsIcon()) {
                // An icon is made opaque on the brush colour first, and that is stretched.
                Bitmap opaque(gw, gh, 24);
                FillRect(opaque, {0, 0, gw, gh}, brushRgb);
                picture.Draw(opaque, 0, 0);
                TPicture holder;
                holder.SetBitmap(std::move(opaque));
                holder.StretchDraw(target, rect);
            } else {
                picture.StretchDraw(target, rect);
            }
            break;
        case TBackGroundMode::bmCenter:
            picture.Draw(target, (rect.left + rect.right - gw) / 2, (rect.top + rect.bottom - gh) / 2);
            break;
        case TBackGroundMode::bmNormal:
            picture.Draw(target, rect.left, rect.top);
            break;
    }
}

}  // namespace huecast
