#include "skin/frame/win32/frame_canvas.h"

namespace huecast::skin {

void FrameCanvas::Resize(Size size) {
    if (size == size_ && (dib_ || size.cx <= 0 || size.cy <= 0)) return;
    size_ = size;
    dib_.reset();
    if (size.cx > 0 && size.cy > 0) dib_ = std::make_unique<OffscreenDib>(size.cx, size.cy);
}

}  // namespace huecast::skin
