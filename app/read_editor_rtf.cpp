#include "app/read_editor_rtf.h"

#include <string_view>

#include "convert/rtf_runs.h"
#include "convert/win32/ansi_code_page.h"

namespace huecast {

namespace {

const AnsiCodePageConverter& SystemCodePage() {
    static const AnsiCodePageConverter systemCodePage;
    return systemCodePage;
}

}  // namespace

std::vector<TextRun> ReadEditorRuns(gui::RichEdit& editor, bool selection) {
    std::vector<TextRun> runs = ReadRtfRuns(editor.StreamOut(selection), SystemCodePage());
    // The text is Unicode now, read in whatever character set the control gave each font; it goes out in
    // the character set the program gives that face, so that a saved work reads back the same.
    for (TextRun& run : runs)
        run.format.charset = gui::RichEdit::CharsetForFont(run.format.fontName);
    return runs;
}

std::string ReadEditorRtf(gui::RichEdit& editor) {
    // The writer puts no line breaks into the document, so there are no CR LF pairs to remove.
    return WriteEditorRtf(ReadEditorRuns(editor), SystemCodePage());
}

void WriteEditorSelection(gui::RichEdit& editor, std::span<const TextRun> runs) {
    std::string rtf = WriteEditorRtf(runs, SystemCodePage());
    // A whole document ends with the paragraph mark that closes its last line; read into a selection it
    // would add a line break, so the runs go in without it.
    constexpr std::string_view kClosingMark = "\\par}";
    if (rtf.ends_with(kClosingMark)) rtf.replace(rtf.size() - kClosingMark.size(), kClosingMark.size(), "}");
    editor.StreamInSelection(rtf);
}

}  // namespace huecast
