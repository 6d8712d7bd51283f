// The formatting controls: font, size, style, colours, random colours, symbols, following the selection.
#include "app/form1.h"

namespace huecast {

void TForm1::WireFormatting() {}

}  // namespace huecast
