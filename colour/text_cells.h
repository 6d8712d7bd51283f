// The characters of the editor's runs as the user sees them, each a cell that takes one colour: a code
// point, or several that the editor draws as one (a base with its combining marks, an emoji with its
// variation selector or skin tone, emoji joined by zero-width joiners, a flag of two regional indicators),
// and a line break ("\r\n" too). A colour never changes inside a cell, so it never splits a surrogate pair
// or a character made of several code points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "convert/editor_rtf.h"

namespace huecast {

struct TextCell {
    std::size_t run = 0;        // the run the cell begins in
    std::size_t offset = 0;     // its first code unit in that run
    std::size_t codePoint = 0;  // its first code point, counted over all runs as UrtfRunsOf counts them
    char32_t first = 0;         // its first code point
    bool blank = false;         // white space or a line break: no step of a gradient, no visible colour
    bool startsWord = false;    // the first cell of a word: after a blank, and every CJK character
};

// The cells of `runs`, in order; empty runs have none.
std::vector<TextCell> TextCells(std::span<const TextRun> runs);

// `runs` with every code unit of cell i (from its start to the next cell's) in colours[i], and the text,
// fonts, sizes and styles as they were; neighbouring runs of one format are joined. `cells` must be
// TextCells(runs) and `colours` one per cell.
std::vector<TextRun> Recoloured(std::span<const TextRun> runs, std::span<const TextCell> cells,
                                std::span<const std::optional<std::uint32_t>> colours);

}  // namespace huecast
