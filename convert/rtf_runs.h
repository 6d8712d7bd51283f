// The text and character formats of an RTF document as rich-edit controls write it, read in one pass: the
// program reads the editor's content from the control's own RTF stream, since asking the control about
// each character costs time that grows with the square of the document's length.
//
// It reads what a control's writer puts out: the font and colour tables; font, size, colour, bold, italic,
// underline and strike-out; text as raw characters, "\'xx" bytes in the code page of the font's character
// set, "\uN" code units (signed or unsigned, with "\ucN" stand-ins skipped) and the named characters
// (curly quotes, dashes, bullet, tab, paragraph and line breaks). Groups that hold no visible text
// (stylesheet, information, pictures, objects and every "\*" group) are skipped. Anything else it does
// not know is ignored, so a document from a newer writer loses nothing but formatting this program does
// not have. Untrusted input is fine: no recursion, and the output is never larger than the text it holds.
#pragma once

#include <string_view>
#include <vector>

#include "convert/code_page.h"
#include "convert/editor_rtf.h"

namespace huecast {

// The document's runs, adjacent characters of one format in one run, paragraph breaks as "\r". The last
// paragraph mark, which every control writes after the text, is not part of the text and is left out.
// Font names stay in the bytes the document gives them (the system code page for the program's own
// faces); an unknown font number gives an empty name and the system's character set.
std::vector<TextRun> ReadRtfRuns(std::string_view rtf, const CodePageConverter& codePage);

}  // namespace huecast
