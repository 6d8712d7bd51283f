// The chat-window list and Send.
#include "app/form1.h"

namespace huecast {

void TForm1::WireSend() {}

}  // namespace huecast
