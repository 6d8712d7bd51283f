// The system's ANSI code page as the conversion's code-page converter.
#pragma once

#include "convert/code_page.h"

namespace huecast {

const CodePageConverter& SystemCodePage();

}  // namespace huecast
