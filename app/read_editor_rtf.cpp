#include "app/read_editor_rtf.h"

#include <vector>

#include "convert/editor_rtf.h"

namespace huecast {

std::string ReadEditorRtf(gui::RichEdit& editor) {
    std::vector<TextRun> runs;
    for (gui::TextRun& run : editor.Runs()) {
        const gui::TextAttributes& a = run.attributes;
        runs.push_back({std::move(run.text),
                        {.fontName = a.fontName,
                         .charset = a.charset,
                         .sizeHalfPoints = a.sizeTwips / 10,
                         .style = a.style,
                         .color = a.color}});
    }
    // The writer puts no line breaks into the document, so there are no CR LF pairs to remove.
    return WriteEditorRtf(runs);
}

}  // namespace huecast
