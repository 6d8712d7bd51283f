// A strict reader for the RTF the editor's writer produces, so that the tests can check that a document reads
// back to the runs it was written from. It knows only the words the writer uses and fails the test on
// anything else, including a raw byte at or above 0x80.
#pragma once

#include <string_view>
#include <vector>

#include "convert/editor_rtf.h"

namespace huecast::test {

// The document's runs, adjacent runs of one format merged, paragraph breaks as "\r", and the closing
// paragraph mark left out.
std::vector<TextRun> ReadRtfRuns(std::string_view rtf);

// `runs` as ReadRtfRuns gives them back: empty runs dropped, every break as "\r", style limited to its four
// flags, adjacent runs of one format merged.
std::vector<TextRun> Normalized(std::vector<TextRun> runs);

}  // namespace huecast::test
