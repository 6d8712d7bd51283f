#include "aatext/win32/dib_canvas.h"

namespace huecast {

void DibCanvas::Resize(int width, int height) {
    canvas_.target = nullptr;
    section_ = gui::DibSection();  // the old section goes before the new one is made
    section_ = gui::DibSection(width, height);
    if (!section_.Empty()) canvas_.target = &section_.Pixels();
}

}  // namespace huecast
