// The system's colour dialog. It remembers the custom colours the user defined for as long as it lives.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

namespace huecast::gui {

class ColorDialog {
  public:
    // Opens the dialog with `color` (0x00BBGGRR) chosen; the colour the user confirmed, or nothing.
    std::optional<std::uint32_t> Execute(HWND owner, std::uint32_t color);

  private:
    std::array<COLORREF, 16> customColors_ = [] {
        std::array<COLORREF, 16> white;
        white.fill(0xFFFFFF);
        return white;
    }();
};

}  // namespace huecast::gui
