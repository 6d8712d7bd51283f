// The credits banner along the bottom of the window.
#include "app/form1.h"

namespace huecast {

void TForm1::CreateBanner() {}

}  // namespace huecast
