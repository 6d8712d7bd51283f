// The editor's content as runs and as rich text, written by the program itself from the runs of the
// control's own RTF, so that every system gives the same document with the landmarks the conversion relies
// on; and runs written back into the editor.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "convert/editor_rtf.h"
#include "gui/rich_edit.h"

namespace huecast {

// The runs of the whole document, or of the selected text, with every face in the character set the
// program gives it.
std::vector<TextRun> ReadEditorRuns(gui::RichEdit& editor, bool selection = false);

// The whole document as RTF in the system code page, without CR LF pairs. Characters the code page lacks
// are in it as Unicode escapes.
std::string ReadEditorRtf(gui::RichEdit& editor);

// Replaces the selected text with `runs`, in one stream: one change, which the editor undoes in one step.
void WriteEditorSelection(gui::RichEdit& editor, std::span<const TextRun> runs);

}  // namespace huecast
