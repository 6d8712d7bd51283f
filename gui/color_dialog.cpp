#include "gui/color_dialog.h"

#include <commdlg.h>

namespace huecast::gui {

std::optional<std::uint32_t> ColorDialog::Execute(HWND owner, std::uint32_t color) {
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.rgbResult = color & 0xFFFFFF;
    choice.lpCustColors = customColors_.data();
    // Open with the mixer shown: a custom colour is what the user came for.
    choice.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!ChooseColorA(&choice)) return std::nullopt;
    return static_cast<std::uint32_t>(choice.rgbResult & 0xFFFFFF);
}

}  // namespace huecast::gui
