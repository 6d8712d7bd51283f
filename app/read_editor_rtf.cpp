#include "app/read_editor_rtf.h"

#include <vector>

#include "convert/editor_rtf.h"
#include "convert/rtf_runs.h"
#include "convert/win32/ansi_code_page.h"

namespace huecast {

std::string ReadEditorRtf(gui::RichEdit& editor) {
    static const AnsiCodePageConverter systemCodePage;
    std::vector<TextRun> runs = ReadRtfRuns(editor.StreamOut(), systemCodePage);
    // The text is Unicode now, read in whatever character set the control gave each font; it goes out in
    // the character set the program gives that face, so that a saved work reads back the same.
    for (TextRun& run : runs)
        run.format.charset = gui::RichEdit::CharsetForFont(run.format.fontName);
    // The writer puts no line breaks into the document, so there are no CR LF pairs to remove.
    return WriteEditorRtf(runs, systemCodePage);
}

}  // namespace huecast
