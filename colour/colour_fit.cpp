#include "colour/colour_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <unordered_map>
#include <utility>

#include "base/expects.h"
#include "colour/oklab.h"

namespace huecast {
namespace {

constexpr unsigned kUnderline = 4, kStrikeOut = 8;

// Colours of the search: 24-bit values, and three that are not.
constexpr std::uint32_t kAutomatic = 0x1000000;
constexpr std::uint32_t kNoColour = 0x2000000;
constexpr std::uint32_t kNotTried = 0x3000000;  // a run the search leaves out

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::uint32_t Code(const std::optional<std::uint32_t>& colour) {
    return colour ? (*colour & 0xFFFFFF) : kAutomatic;
}

std::optional<std::uint32_t> Colour(std::uint32_t code) {
    return code == kAutomatic ? std::nullopt : std::optional<std::uint32_t>(code);
}

// An entry of the colour table that a later run may use again.
struct TableEntry {
    std::uint32_t colour;
    std::uint32_t index;      // in the colour table, from 1
    std::uint32_t lastStart;  // the last cell a run of this colour can begin at
    friend auto operator<=>(const TableEntry&, const TableEntry&) = default;
};

// One way to reach a cell: the runs before it, summed up.
struct Label {
    double error;
    std::uint32_t bytes;    // over the colourless text
    std::uint32_t entries;  // in the colour table
    std::uint32_t parent;   // the label the last run starts from
    std::uint32_t start;    // the last run's first cell
    std::uint32_t colour;   // the last run's
    std::uint32_t table;    // the entries later runs may still use (interned)
};
constexpr std::uint32_t kNoLabel = std::numeric_limits<std::uint32_t>::max();

// Beyond this many ways to reach one cell, only those of least error are kept; a work of the limit's size
// in the program's colours stays far below it.
constexpr std::size_t kMaxLabelsPerCell = 4096;

bool Dominates(const Label& x, const Label& y) {
    return x.entries <= y.entries && x.bytes <= y.bytes && x.error <= y.error;
}

// The ways to reach one cell, by kind: the same entries to use again and, when a later run may have it,
// the same last colour. Ways of different kinds can cost differently from here on, so only ways of one kind
// are compared.
struct Fronts {
    std::vector<Label> plain;  // nothing to use again: nearly every way
    std::vector<std::pair<std::uint64_t, std::vector<Label>>> others;
};

std::size_t ColourRuns(const std::vector<std::optional<std::uint32_t>>& colours) {
    std::size_t runs = 0;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        if (i == 0 || colours[i] != colours[i - 1]) ++runs;
    }
    return runs;
}

}  // namespace

struct ColourFitter::Search {
    Search(const ColourFitter& fitter, std::size_t slack)
        : fitter_(fitter), m_(fitter.cells_.size()), slack_(slack) {
        tables_.emplace_back();
        bound_ = EvenCutsBound();
        TryRuns();
    }

    static std::size_t Range(std::size_t first, std::size_t end) { return end * (end - 1) / 2 + first; }

    // The best way's runs (first cell and colour), in order; empty when nothing fits.
    std::vector<std::pair<std::size_t, std::uint32_t>> Run(double& error, std::size_t& bytes, bool& exact) {
        fronts_.assign(m_ + 1, {});
        labels_.push_back({0, 0, 0, kNoLabel, 0, kAutomatic, 0});
        labelsAt_.assign(m_ + 2, 0);
        labelsAt_[1] = 1;  // the labels at cell c are labels_[labelsAt_[c], labelsAt_[c + 1])
        for (std::size_t first = 0; first < m_; ++first) {
            if (first > 0) Settle(first);
            for (std::uint32_t l = labelsAt_[first]; l < labelsAt_[first + 1]; ++l)
                Extend(l, first);
        }
        Settle(m_);
        exact = exact_;
        const Label* best = nullptr;
        for (std::uint32_t l = labelsAt_[m_]; l < labelsAt_[m_ + 1]; ++l) {
            const Label& label = labels_[l];
            if (!best || label.error < best->error ||
                (label.error == best->error && label.bytes < best->bytes))
                best = &label;
        }
        std::vector<std::pair<std::size_t, std::uint32_t>> runs;
        if (!best) return runs;
        error = best->error;
        bytes = best->bytes;
        for (const Label* label = best; label->parent != kNoLabel; label = &labels_[label->parent])
            runs.emplace_back(label->start, label->colour);
        std::reverse(runs.begin(), runs.end());
        return runs;
    }

  private:
    // The bytes a run adds after a run in `lastColour`, given its colour's index in the table when it has
    // one: a change of colour, and a new entry for a new colour. `entries` counts up when one is added.
    // `entryBytes`: the size of the colour's entry.
    std::uint32_t RunBytes(std::size_t first, std::uint32_t colour, std::uint32_t lastColour,
                           std::optional<std::uint32_t> index, std::uint32_t& entries,
                           std::size_t entryBytes) const {
        if (colour == lastColour) return 0;
        std::size_t bytes = 0;
        if (colour == kAutomatic) {
            index = 0;
        } else if (!index) {
            index = ++entries;
            bytes += entryBytes;
        }
        return std::uint32_t(bytes + fitter_.cost_.ChangeSize(fitter_.cells_[first].codePoint, int(*index)));
    }

    // The least error of the cuts into runs of even length that fit: a first bound for the search, for a
    // gradient or a rainbow close to the best.
    double EvenCutsBound() const {
        double bound = kInfinity;
        int overBudget = 0;
        for (std::size_t runs = 1; runs <= m_ && overBudget < 3; ++runs) {
            std::vector<std::pair<std::uint32_t, std::uint32_t>> table;  // colour and index
            std::uint32_t entries = 0, lastColour = kAutomatic;
            std::size_t bytes = 0;
            double error = 0;
            for (std::size_t r = 0; r < runs; ++r) {
                const std::size_t first = r * m_ / runs, end = (r + 1) * m_ / runs;
                if (first == end) continue;
                const std::optional<std::uint32_t> colour = fitter_.RunColour(first, end);
                const std::uint32_t code = Code(colour);
                const auto known = std::find_if(table.begin(), table.end(),
                                                [code](const auto& e) { return e.first == code; });
                const std::uint32_t before = entries;
                bytes += RunBytes(
                    first, code, lastColour,
                    known == table.end() ? std::nullopt : std::optional<std::uint32_t>(known->second),
                    entries, colour ? UrtfColourCost::EntrySize(*colour) : 0);
                if (entries != before) table.emplace_back(code, entries);
                lastColour = code;
                error += fitter_.RunError(first, end, colour);
            }
            if (bytes <= slack_) {
                bound = std::min(bound, error);
                overBudget = 0;
            } else {
                ++overBudget;
            }
        }
        return bound;
    }

    // The colour and error of every run that can be part of a way as good as the bound, and for each colour
    // the last cell a run of it can begin at. The others are left out: a run's spread only grows with it, and
    // no colour gives less error than its spread.
    void TryRuns() {
        colours_.assign(m_ * (m_ + 1) / 2, kNotTried);
        errors_.assign(colours_.size(), 0);
        spreads_.assign(colours_.size(), 0);
        entryBytes_.assign(colours_.size(), 0);
        std::unordered_map<std::uint32_t, std::uint32_t> last;
        for (std::size_t end = 1; end <= m_; ++end) {
            for (std::size_t first = end; first-- > 0;) {
                const double spread = fitter_.RunSpread(first, end);
                if (spread > bound_) break;
                const std::size_t range = Range(first, end);
                const std::optional<std::uint32_t> colour = fitter_.RunColour(first, end);
                colours_[range] = Code(colour);
                errors_[range] = fitter_.RunError(first, end, colour);
                spreads_[range] = spread;
                entryBytes_[range] = colour ? std::uint8_t(UrtfColourCost::EntrySize(*colour)) : 0;
                const auto [at, added] = last.try_emplace(colours_[range], std::uint32_t(first));
                if (!added) at->second = std::max(at->second, std::uint32_t(first));
            }
        }
        lastStart_.assign(colours_.size(), 0);
        for (std::size_t r = 0; r < colours_.size(); ++r) {
            if (colours_[r] != kNotTried) lastStart_[r] = last[colours_[r]];
        }
    }

    // Every run from the label's cell that can still beat the best way found, into the ways to reach its end.
    void Extend(std::uint32_t l, std::size_t first) {
        for (std::size_t end = first + 1; end <= m_; ++end) {
            const std::size_t range = Range(first, end);
            const std::uint32_t colour = colours_[range];
            const Label& from = labels_[l];
            if (colour == kNotTried || from.error + spreads_[range] > bound_) break;
            Label next{from.error + errors_[range], from.bytes, from.entries, l,
                       std::uint32_t(first),        colour,     from.table};
            if (next.error > bound_) continue;
            const bool recurs = lastStart_[range] >= end;
            std::optional<TableEntry> added;
            if (colour != from.colour) {
                std::optional<std::uint32_t> index;
                const std::vector<TableEntry>& table = tables_[from.table];
                const auto known = std::find_if(table.begin(), table.end(),
                                                [colour](const TableEntry& e) { return e.colour == colour; });
                if (known != table.end()) index = known->index;
                next.bytes += RunBytes(first, colour, from.colour, index, next.entries, entryBytes_[range]);
                if (next.bytes > slack_) continue;
                if (recurs && next.entries != from.entries)
                    added = TableEntry{colour, next.entries, lastStart_[range]};
            }
            next.table = Project(from.table, added, end);
            if (end == m_) bound_ = std::min(bound_, next.error);
            Insert(fronts_[end], next, recurs ? colour : kNoColour);
        }
    }

    // The ways to reach `cell`, as labels; those no better than the best way found are dropped.
    void Settle(std::size_t cell) {
        const std::size_t before = labels_.size();
        Fronts& fronts = fronts_[cell];
        const auto keep = [this](const std::vector<Label>& front) {
            for (const Label& label : front) {
                if (label.error <= bound_) labels_.push_back(label);
            }
        };
        keep(fronts.plain);
        for (const auto& other : fronts.others)
            keep(other.second);
        fronts = {};
        if (labels_.size() - before > kMaxLabelsPerCell) {
            exact_ = false;
            std::nth_element(labels_.begin() + std::ptrdiff_t(before),
                             labels_.begin() + std::ptrdiff_t(before + kMaxLabelsPerCell), labels_.end(),
                             [](const Label& x, const Label& y) { return x.error < y.error; });
            labels_.resize(before + kMaxLabelsPerCell);
        }
        labelsAt_[cell + 1] = std::uint32_t(labels_.size());
    }

    // The table `table` with `added`, without the entries no run from `end` on can use.
    std::uint32_t Project(std::uint32_t table, const std::optional<TableEntry>& added, std::size_t end) {
        if (tables_[table].empty() && !added) return 0;
        scratch_.clear();
        for (const TableEntry& entry : tables_[table]) {
            if (entry.lastStart >= end) scratch_.push_back(entry);
        }
        if (added) scratch_.insert(std::upper_bound(scratch_.begin(), scratch_.end(), *added), *added);
        if (scratch_.empty()) return 0;
        const auto [at, interned] = tableIds_.try_emplace(scratch_, std::uint32_t(tables_.size()));
        if (interned) tables_.push_back(scratch_);
        return at->second;
    }

    // Into the ways of its kind, unless one of them beats it; those it beats go.
    static void Insert(Fronts& fronts, const Label& label, std::uint32_t lastColour) {
        std::vector<Label>* front = &fronts.plain;
        if (label.table != 0 || lastColour != kNoColour) {
            const std::uint64_t key = std::uint64_t(label.table) << 32 | lastColour;
            const auto kind = std::find_if(fronts.others.begin(), fronts.others.end(),
                                           [key](const auto& other) { return other.first == key; });
            front = kind != fronts.others.end()
                        ? &kind->second
                        : &fronts.others.emplace_back(key, std::vector<Label>{}).second;
        }
        for (const Label& other : *front) {
            if (Dominates(other, label)) return;
        }
        std::erase_if(*front, [&label](const Label& other) { return Dominates(label, other); });
        front->push_back(label);
    }

    const ColourFitter& fitter_;
    std::size_t m_;
    std::size_t slack_;
    double bound_ = kInfinity;  // the least error of a way found to fit, or of an even cut that fits
    // Of each run [first, end), at Range(first, end): its colour (kNotTried when it is left out), error,
    // spread and entry size, and the last cell a run of its colour can begin at.
    std::vector<std::uint32_t> colours_;
    std::vector<double> errors_;
    std::vector<double> spreads_;
    std::vector<std::uint8_t> entryBytes_;
    std::vector<std::uint32_t> lastStart_;

    std::vector<Fronts> fronts_;
    std::vector<Label> labels_;
    std::vector<std::uint32_t> labelsAt_;
    std::vector<std::vector<TableEntry>> tables_;
    std::map<std::vector<TableEntry>, std::uint32_t> tableIds_;
    std::vector<TableEntry> scratch_;
    bool exact_ = true;
};

ColourFitter::ColourFitter(std::span<const TextRun> runs)
    : runs_(runs), cells_(TextCells(runs)), converted_(UrtfRunsOf(runs)), cost_(converted_) {
    sums_.reserve(cells_.size() + 1);
    Sums sums;
    sums_.push_back(sums);
    for (const TextCell& cell : cells_) {
        const CharFormat& format = runs[cell.run].format;
        const OkLab colour = SrgbToOkLab(format.color.value_or(0));
        const double weight = cell.blank && !(format.style & (kUnderline | kStrikeOut)) ? 0 : 1;
        sums.weight += weight;
        sums.weightedL += weight * colour.L;
        sums.weighteda += weight * colour.a;
        sums.weightedb += weight * colour.b;
        sums.weightedSquares += weight * (colour.L * colour.L + colour.a * colour.a + colour.b * colour.b);
        sums.count += 1;
        sums.L += colour.L;
        sums.a += colour.a;
        sums.b += colour.b;
        sums.automatic += format.color ? 0 : 1;
        sums_.push_back(sums);
    }
}

std::optional<std::uint32_t> ColourFitter::RunColour(std::size_t first, std::size_t end) const {
    HUECAST_EXPECTS(first < end && end <= cells_.size(),
                    "ColourFitter::RunColour: not a run of the work's cells");
    const Sums& x = sums_[first];
    const Sums& y = sums_[end];
    if (y.automatic - x.automatic == end - first) return std::nullopt;
    const double weight = y.weight - x.weight;
    if (weight > 0) {
        return OkLabToSrgb({(y.weightedL - x.weightedL) / weight, (y.weighteda - x.weighteda) / weight,
                            (y.weightedb - x.weightedb) / weight});
    }
    const double count = y.count - x.count;
    return OkLabToSrgb({(y.L - x.L) / count, (y.a - x.a) / count, (y.b - x.b) / count});
}

double ColourFitter::RunError(std::size_t first, std::size_t end,
                              const std::optional<std::uint32_t>& colour) const {
    if (!colour) return 0;  // the run is all in the automatic colour, as it was
    const Sums& x = sums_[first];
    const Sums& y = sums_[end];
    const OkLab c = SrgbToOkLab(*colour);
    // The sum of w |x - c|^2 over the run, expanded: the squares, less twice c times the sum, plus c^2 times
    // the weight.
    const double error = (y.weightedSquares - x.weightedSquares) -
                         2 * (c.L * (y.weightedL - x.weightedL) + c.a * (y.weighteda - x.weighteda) +
                              c.b * (y.weightedb - x.weightedb)) +
                         (y.weight - x.weight) * (c.L * c.L + c.a * c.a + c.b * c.b);
    return std::max(error, 0.0);
}

double ColourFitter::RunSpread(std::size_t first, std::size_t end) const {
    const Sums& x = sums_[first];
    const Sums& y = sums_[end];
    const double weight = y.weight - x.weight;
    if (weight <= 0 || y.automatic - x.automatic == end - first) return 0;
    const double L = y.weightedL - x.weightedL, a = y.weighteda - x.weighteda, b = y.weightedb - x.weightedb;
    // Less a hair for rounding, so that it never exceeds the error RunError finds for the same run.
    const double spread = (y.weightedSquares - x.weightedSquares) - (L * L + a * a + b * b) / weight;
    return std::max(spread * (1 - 1e-9) - 1e-12, 0.0);
}

std::vector<TextRun> ColourFitter::WithCellColours(
    const std::vector<std::optional<std::uint32_t>>& colours) const {
    return Recoloured(runs_, cells_, colours);
}

std::vector<TextRun> ColourFitter::Cut(std::span<const std::size_t> starts) const {
    HUECAST_EXPECTS(!starts.empty() || cells_.empty(),
                    "ColourFitter::Cut: the first run must begin at cell 0");
    std::vector<std::optional<std::uint32_t>> colours(cells_.size());
    for (std::size_t s = 0; s < starts.size(); ++s) {
        const std::size_t end = s + 1 < starts.size() ? starts[s + 1] : cells_.size();
        HUECAST_EXPECTS((s > 0 || starts[s] == 0) && starts[s] < end,
                        "ColourFitter::Cut: runs must be in order");
        const std::optional<std::uint32_t> colour = RunColour(starts[s], end);
        std::fill(colours.begin() + std::ptrdiff_t(starts[s]), colours.begin() + std::ptrdiff_t(end), colour);
    }
    return WithCellColours(colours);
}

std::size_t ColourFitter::OneColourSize() const {
    if (cells_.empty()) return WriteUrtf(converted_).size();
    const std::optional<std::uint32_t> colour = RunColour(0, cells_.size());
    return cost_.ColourlessSize() +
           (colour ? UrtfColourCost::EntrySize(*colour) + cost_.ChangeSize(0, 1) : 0);
}

ColourFit ColourFitter::Fit(std::size_t limit) const {
    ColourFit fit;
    const std::size_t given = WriteUrtf(converted_).size();
    if (given <= limit) {
        std::vector<std::optional<std::uint32_t>> colours;
        for (const TextCell& cell : cells_)
            colours.push_back(runs_[cell.run].format.color);
        return {true, given, ColourRuns(colours), 0, true, {runs_.begin(), runs_.end()}};
    }
    fit.bytes = OneColourSize();
    const std::size_t colourless = cost_.ColourlessSize();
    if (colourless > limit || cells_.empty()) return fit;

    Search search(*this, limit - colourless);
    std::size_t bytes = 0;
    const std::vector<std::pair<std::size_t, std::uint32_t>> runs = search.Run(fit.error, bytes, fit.exact);
    if (runs.empty()) return fit;

    const std::size_t m = cells_.size();
    std::vector<std::optional<std::uint32_t>> cellColours(m);
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const std::size_t end = r + 1 < runs.size() ? runs[r + 1].first : m;
        std::fill(cellColours.begin() + std::ptrdiff_t(runs[r].first),
                  cellColours.begin() + std::ptrdiff_t(end), Colour(runs[r].second));
    }
    fit.fits = true;
    fit.bytes = colourless + bytes;
    fit.colourRuns = ColourRuns(cellColours);
    fit.runs = WithCellColours(cellColours);
    return fit;
}

ColourFit FitColours(std::span<const TextRun> runs, std::size_t limit) {
    return ColourFitter(runs).Fit(limit);
}

}  // namespace huecast
