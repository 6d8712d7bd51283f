// TSkinStdLabel: a text label without a window of its own. Its parent draws it (Draw, in the parent's
// paint) and it borrows only its element's font and colour, looked up again on every draw.
//
//     TSkinStdLabel label;
//     label.skinData = &skinData;               // skinDataName "stdlabel" by default
//     label.caption = "Saved.";
//     label.bounds = {50, 15, 50 + label.Measure().cx, 15 + label.Measure().cy};
//     label.Draw(dc);                            // transparent; disabled: embossed
#pragma once

#include <windows.h>

#include <string>

#include "base/geometry.h"
#include "skin/format/skin_data.h"
#include "skin/controls/win32/control.h"

namespace huecast::skin {

class TSkinStdLabel {
  public:
    TSkinData* skinData = nullptr;
    std::string skinDataName = "stdlabel";
    ControlFont defaultFont{.spec = {}, .color = 0};  // an empty font, as the label starts
    bool useSkinFont = true;
    ControlFont font;  // the label's own font
    std::string caption;
    bool enabled = true;
    Rect bounds;
    UINT format = DT_LEFT | DT_TOP | DT_WORDBREAK;

    struct TextStyle {
        gui::FontSpec font;
        COLORREF color;
    };
    // The font and colour of a text draw now.
    TextStyle Style() const;
    // The caption's size; an empty caption (or a lone "&") measures as one blank.
    Size Measure() const;
    void Draw(HDC dc) const;
};

}  // namespace huecast::skin
