// The editor's rich text, written by the program itself from the runs of the control's own RTF, so that
// every system gives the same document with the landmarks the conversion relies on.
#pragma once

#include <string>

#include "gui/rich_edit.h"

namespace huecast {

// The whole document as RTF in the system code page, without CR LF pairs. Characters the code page lacks
// are in it as Unicode escapes.
std::string ReadEditorRtf(gui::RichEdit& editor);

}  // namespace huecast
