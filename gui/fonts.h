// Fonts by face and pixel height, as the forms declare them.
#pragma once

#include <windows.h>

#include <string>

#include "gui/handles.h"

namespace huecast::gui {

struct FontSpec {
    std::string face;
    int height = 12;  // pixels, character height
    bool bold = false;
    BYTE charset = DEFAULT_CHARSET;
};

FontHandle CreateFontFrom(const FontSpec& spec);

}  // namespace huecast::gui
