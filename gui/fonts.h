// Fonts by face and pixel height, as the forms declare them, and as skin elements give them.
//
//     FontHandle font = CreateFontFrom({.face = "宋体", .height = 12});
//     FontHandle skinned = CreateFontFrom(FontSpecOf(element.font, DEFAULT_CHARSET));  // a skin font + charset
#pragma once

#include <windows.h>

#include <string>

#include "gui/handles.h"
#include "skin/format/skin_values.h"

namespace huecast::gui {

struct FontSpec {
    std::string face;
    int height = 12;  // pixels, character height
    bool bold = false;
    BYTE charset = DEFAULT_CHARSET;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// A skin element's font name, height and style with the character set of the control's own font (skin
// texts carry no character set).
FontSpec FontSpecOf(const skin::SkinFont& font, BYTE charset);

FontHandle CreateFontFrom(const FontSpec& spec);

}  // namespace huecast::gui
