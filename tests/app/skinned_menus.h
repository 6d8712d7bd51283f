// The program's skinned menus as a user meets them: the open levels on the screen, the system menu opened
// by a right click on the caption and the points of items.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "tests/app/huecast_driver.h"

namespace huecast::testing {

// The open menu levels of the program, first level first.
std::vector<HWND> MenuLevels(const HuecastProcess& p);
// Waits until exactly `count` levels are open; the deepest of them, or nullptr (also for 0 levels).
HWND WaitForLevels(const HuecastProcess& p, std::size_t count);
// Opens the system menu with a right click on the caption; its first level, or nullptr.
HWND OpenSystemMenu(HuecastProcess& p);
// The screen point of item `index` of a level whose items are 20 pixels high below a 2-pixel border (the
// built-in skins' menus): `x` pixels from the level's left.
POINT ItemPoint(HWND level, int index, int x = 40);

}  // namespace huecast::testing
