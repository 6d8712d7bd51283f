// The messenger's rich text ("{\urtf") read back into runs of characters and their formats: what the
// friend sees of a message. It is the check on the conversion (convert/urtf.h): reading back a converted
// document gives the document's own characters and formats. The splitter (convert/urtf_split.h) works on
// these runs.
//
// The reader follows RTF's rules for what the conversion and the editor can write, and is lenient with the
// rest: groups keep their formatting scoped, unknown control words and "{\*...}" groups are passed over,
// and nothing is ever an error. Untrusted input is fine: time and memory are linear in its length.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "convert/code_page.h"
#include "convert/editor_rtf.h"

namespace huecast {

// Characters that share one format. A paragraph break is '\r', a tab '\t'.
struct UrtfRun {
    std::u32string text;
    // The font table's entry: a font written without "\fcharset" has the Chinese character set 134, the
    // one the conversion leaves out. A font number missing from the table gives an empty name.
    CharFormat format;
    friend bool operator==(const UrtfRun&, const UrtfRun&) = default;
};

// The runs of `urtf`, adjacent runs of one format merged, without empty runs and without the closing
// paragraph mark that ends every message.
//
// Characters come from decimal escapes ("\u20320?", also in RTF's signed form "\u-1?"; a UTF-16 surrogate
// pair is joined into one character, a lone surrogate becomes U+FFFD), from "\ldblquote" and its kind, and
// from bytes, plain or escaped ("\'c4\'e3"), which `codePage` decodes (the conversion leaves escapes of
// characters it has no code unit for as they are).
std::vector<UrtfRun> ReadUrtf(std::string_view urtf, const CodePageConverter& codePage);

}  // namespace huecast
