#include "skin/win32/mask_region.h"

#include "gui/drawing.h"

namespace huecast::skin {

bool ShapeWindow(HWND window, const std::vector<Rect>* runs) {
    return gui::SetWindowShape(window, runs ? gui::RegionFromRuns(*runs) : gui::RegionHandle());
}

}  // namespace huecast::skin
