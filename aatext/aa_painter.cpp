#include "aatext/aa_painter.h"

namespace huecast {

TAAPainter::TAAPainter(AACanvas* canvas) : canvas_(canvas), mask_(*this), blend_(*this) {}

Size TAAPainter::TextExtent(std::string_view text) {
    return mask_.TextSize(text);
}

}  // namespace huecast
