// A sheet of sample lines, one per quality and one per effect, drawn with whatever rasterizer the canvas
// has: the natively built tests draw it with synthetic glyphs, the Windows tests with GDI, and both leave
// it as a picture (see bmp_file.h).
#pragma once

#include <string>

#include "aatext/aa_painter_ex.h"

namespace huecast::testing {

inline Bitmap DrawSampleSheet(GlyphRasterizer& rasterizer, const std::string& text, int fontHeight) {
    const int rowHeight = fontHeight * 2 + 8;
    Bitmap sheet(fontHeight * static_cast<int>(text.size()) / 2 + 80, rowHeight * 10 + fontHeight * 8, 24);
    for (int y = 0; y < sheet.Height(); ++y)
        for (int x = 0; x < sheet.Width(); ++x)
            sheet.SetPixelColor(x, y, 0xFFFFFF);
    AACanvas canvas;
    canvas.target = &sheet;
    canvas.rasterizer = &rasterizer;
    canvas.font.height = -fontHeight;
    canvas.font.color = 0x202020;
    canvas.brush = {Brush::Style::Clear, 0xFFFFFF};
    TAAPainterEx painter(&canvas);
    UniformRandom random(7);
    painter.SetRandomSource(random);

    int y = 4;
    for (TAAQuality q : {TAAQuality::aqHigh, TAAQuality::aqNormal, TAAQuality::aqLow, TAAQuality::aqNone}) {
        painter.SetQuality(q);
        painter.TextOut(4, y, text);
        y += rowHeight;
    }
    painter.SetQuality(TAAQuality::aqHigh);
    TAAEffect& effect = painter.Effect();
    effect.Shadow().SetEnabled(true);  // shadow with the defaults: blur 80, opacity 70, offset 2, 2
    painter.TextOut(4, y, text);
    y += rowHeight;
    effect.Gradual().SetEnabled(true);  // gradient, red to blue, with the shadow
    effect.Gradual().SetStartColor(0x0000E0);
    effect.Gradual().SetEndColor(0xE00000);
    painter.TextOut(4, y, text);
    y += rowHeight;
    effect.Gradual().SetStyle(TGradualStyle::gsCenterToTB);
    effect.SetOutline(true);
    painter.TextOut(4, y, text);
    y += rowHeight;
    effect.SetOutline(false);
    effect.SetBlur(60);
    effect.SetNoise(60);
    painter.TextOut(4, y, text);
    y += rowHeight;
    effect.SetBlur(0);
    effect.SetNoise(0);
    effect.SetSpray(2);
    effect.Gradual().SetEnabled(false);
    painter.TextOut(4, y, text);
    y += rowHeight;
    effect.SetSpray(0);
    effect.SetHorzMirror(true);
    effect.SetAlpha(60);
    painter.TextOut(4, y, text);
    y += rowHeight;
    effect.SetHorzMirror(false);
    effect.SetAlpha(100);
    effect.SetAngle(15);
    painter.TextOut(4, y, text);
    return sheet;
}

}  // namespace huecast::testing
