#include "skin/controls/win32/std_label.h"

#include <algorithm>

namespace huecast::skin {

TSkinStdLabel::TextStyle TSkinStdLabel::Style() const {
    const TDataSkinStdLabelControl* element =
        skinData && !skinData->Empty() ? skinData->SkinControlAs<TDataSkinStdLabelControl>(skinDataName) : nullptr;
    if (!element) return {useSkinFont ? defaultFont.spec : font.spec, useSkinFont ? defaultFont.color : font.color};
    const gui::FontSpec spec = useSkinFont ? gui::FontSpecOf(element->font, defaultFont.spec.charset) : font.spec;
    return {spec, static_cast<COLORREF>(element->font.color)};
}

Size TSkinStdLabel::Measure() const {
    const std::string text = caption.empty() || caption == "&" ? std::string(" ") : caption;
    const gui::FontHandle handle = gui::CreateFontFrom(Style().font);
    const gui::WindowDC screen(nullptr);
    const gui::SelectedObject selected(screen, handle.get());
    // Without a width there is nothing to wrap at: one line.
    const UINT wrap = bounds.Width() > 0 ? format : format & ~DT_WORDBREAK;
    RECT r{0, 0, std::max(bounds.Width(), 0), 0};
    DrawTextA(screen, text.c_str(), static_cast<int>(text.size()), &r, (wrap & ~DT_VCENTER) | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

void TSkinStdLabel::Draw(HDC dc) const {
    const TextStyle style = Style();
    const gui::FontHandle handle = gui::CreateFontFrom(style.font);
    const gui::SelectedObject selected(dc, handle.get());
    if (enabled) {
        gui::DrawTransparentText(dc, caption, bounds, style.color, format);
        return;
    }
    gui::DrawTransparentText(dc, caption, bounds.Offset(1, 1), GetSysColor(COLOR_BTNHIGHLIGHT), format);
    gui::DrawTransparentText(dc, caption, bounds, GetSysColor(COLOR_BTNSHADOW), format);
}

}  // namespace huecast::skin
