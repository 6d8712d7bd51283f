#include "gui/fonts.h"

#include <stdexcept>

namespace huecast::gui {

FontSpec FontSpecOf(const skin::SkinFont& font, BYTE charset) {
    return {font.name,         font.height,         font.style.bold, charset, font.style.italic,
            font.style.underline, font.style.strikeout};
}

FontHandle CreateFontFrom(const FontSpec& spec) {
    HFONT font = CreateFontA(-spec.height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic, spec.underline,
                             spec.strikeout, spec.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, spec.face.c_str());
    if (!font) throw std::runtime_error("Cannot create the font " + spec.face);
    return FontHandle(font);
}

}  // namespace huecast::gui
