#include "tests/app/skinned_menus.h"

#include "tests/support/win32/real_input.h"

namespace huecast::testing {

std::vector<HWND> MenuLevels(const HuecastProcess& p) {
    // Front to back: a deeper level is shown after (above) the one it opened from.
    std::vector<HWND> levels = VisibleTopLevels(p.ProcessId(), "HuecastSkinPopup");
    return {levels.rbegin(), levels.rend()};
}

HWND WaitForLevels(const HuecastProcess& p, std::size_t count) {
    for (int i = 0; i < 150; ++i) {
        const std::vector<HWND> levels = MenuLevels(p);
        if (levels.size() == count) return count == 0 ? nullptr : levels.back();
        Sleep(20);
    }
    const std::vector<HWND> levels = MenuLevels(p);
    return count == 0 && !levels.empty() ? levels.back() : nullptr;
}

HWND OpenSystemMenu(HuecastProcess& p) {
    const std::optional<POINT> caption = FindHitTest(p.Window(), HTCAPTION);
    if (!caption) return nullptr;
    RightClickAt(*caption);
    return WaitForLevels(p, 1);
}

POINT ItemPoint(HWND level, int index, int x) {
    RECT r{};
    GetWindowRect(level, &r);
    return {r.left + x, r.top + 2 + 20 * index + 10};
}

}  // namespace huecast::testing
