// Fitting a work into one message by changing its colours alone: neighbouring characters are merged into
// runs of one colour where that costs least, so that the converted text takes at most the limit's bytes.
// Text, fonts, sizes and styles never change.
//
// The runs are chosen by an exact optimisation: among all ways to cut the work's cells (colour/text_cells.h)
// into runs, each run in the colour RunColour gives it, the fitter finds one with the least total error,
// the sum over the cells of the squared OKLab distance between the colour a cell had and the colour it gets,
// whose converted text fits. The byte cost is the converter's own (UrtfColourCost), so the text that fits
// here is the text that Copy and Send produce.
//
// The search runs over the cells with, at each cell, the ways to get there that no other way beats in
// error, bytes and colours used; two ways are told apart only by the colour-table entries a later run can
// still use again (a colour's index counts only by the size of its word). Runs are bounded by the best error
// found so far (at first that of the better of the best even cut and a greedy merge of neighbours): no run
// is tried whose colours alone spread further than that. A gradient or a rainbow of the limit's size takes
// a few milliseconds. Works of a few colours used again and again (random swatch colours) can multiply the
// ways beyond a fixed share of work; then coarser searches take over, which tell ways apart by the user's
// own colours only, or by bytes and error alone: their answer fits and is counted exactly, but may not be
// the least error there is (ColourFit::exact is false). Memory grows with the square of the number of
// cells, which the limit bounds (a cell takes at least a byte); a longer work is refused before the search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "colour/text_cells.h"
#include "convert/editor_rtf.h"
#include "convert/urtf_reader.h"
#include "convert/urtf_split.h"
#include "convert/urtf_writer.h"

namespace huecast {

struct ColourFit {
    bool fits = false;
    // The converted size of `runs` when it fits; when it cannot, what the work takes in one colour.
    std::size_t bytes = 0;
    std::size_t colourRuns = 0;  // runs of one colour in `runs`
    double error = 0;            // squared OKLab distances from the colours given, summed over the cells
    // False when the coarser searches answered: the result fits, but a cut with less error may exist.
    bool exact = true;
    // The work in its new colours when it fits (as given when it fitted already); empty when it cannot fit.
    std::vector<TextRun> runs;
};

class ColourFitter {
  public:
    // `runs` must outlive the fitter.
    explicit ColourFitter(std::span<const TextRun> runs);

    std::size_t CellCount() const { return cells_.size(); }

    // The colour a run of cells [first, end) takes: the automatic colour when all of them have it, otherwise
    // the 24-bit colour nearest to the mean in OKLab of their colours (the automatic colour counting as
    // black), weighted by what shows: a blank cell weighs nothing unless it is underlined or struck out.
    // With nothing visible, every cell counts the same.
    std::optional<std::uint32_t> RunColour(std::size_t first, std::size_t end) const;

    // The work cut into runs beginning at the cells `starts` (ascending, the first 0), each in its RunColour.
    std::vector<TextRun> Cut(std::span<const std::size_t> starts) const;

    // The work fitted into `limit` bytes of converted text; a work that fits already comes back as it is.
    ColourFit Fit(std::size_t limit = kMaxUrtfBytes) const;

  private:
    struct Search;

    // Running sums over the cells, so that any run's mean colour and error take constant time.
    struct Sums {
        double weight = 0, weightedL = 0, weighteda = 0, weightedb = 0, weightedSquares = 0;
        double count = 0, L = 0, a = 0, b = 0;
        std::size_t automatic = 0;
    };
    double RunError(std::size_t first, std::size_t end, const std::optional<std::uint32_t>& colour) const;
    // The least error any one colour can give the run: what its mean colour, unrounded, would give. It never
    // falls as the run grows, and no colour gives less.
    double RunSpread(std::size_t first, std::size_t end) const;
    std::vector<TextRun> WithCellColours(const std::vector<std::optional<std::uint32_t>>& colours) const;
    std::size_t OneColourSize() const;

    std::span<const TextRun> runs_;
    std::vector<TextCell> cells_;
    std::vector<UrtfRun> converted_;  // the runs as the conversion writes them
    UrtfColourCost cost_;
    std::vector<Sums> sums_;  // of the cells before each cell, and of all
};

// ColourFitter(runs).Fit(limit).
ColourFit FitColours(std::span<const TextRun> runs, std::size_t limit = kMaxUrtfBytes);

}  // namespace huecast
