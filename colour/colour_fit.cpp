#include "colour/colour_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <unordered_set>
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
    std::uint32_t wordBytes;  // of the colour word that names it: its index's digits
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

// What the exact search may take before it gives way to the coarse one: a gradient or a rainbow of the
// limit's size stays far below it; works of a few colours used again and again (random colours from the
// swatches) can reach it, as the ways that keep different colours for later multiply.
// The search that tells ways apart by the user's colours alone gets half as many tries.
constexpr std::size_t kExactLabelsPerCell = 512;
constexpr std::size_t kExactTries = 300'000;

bool Dominates(const Label& x, const Label& y) {
    return x.entries <= y.entries && x.bytes <= y.bytes && x.error <= y.error;
}

// The ways to reach one cell, by kind: the same entries to use again and, when a later run may have it,
// the same last colour. Ways of different kinds can cost differently from here on, so only ways of one kind
// are compared.
struct Fronts {
    std::vector<Label> plain;  // nothing to use again: nearly every way
    std::unordered_map<std::uint64_t, std::vector<Label>> others;
};

// Tables are interned by their entries.
struct TableHash {
    std::size_t operator()(const std::vector<TableEntry>& entries) const noexcept {
        std::uint64_t hash = 1469598103934665603u;
        for (const TableEntry& e : entries) {
            for (const std::uint32_t part : {e.colour, e.wordBytes, e.lastStart})
                hash = (hash ^ part) * 1099511628211u;
        }
        return static_cast<std::size_t>(hash);
    }
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
    // How finely the search tells ways to reach a cell apart (see Run).
    enum class Level { kExact, kOwnColours, kCoarse };

    // A way to cut the work into runs: the first cell and colour of each, and what they come to.
    struct Plan {
        double error = kInfinity;
        std::size_t bytes = 0;
        std::vector<std::pair<std::size_t, std::uint32_t>> runs;
    };

    Search(const ColourFitter& fitter, std::size_t slack)
        : fitter_(fitter), m_(fitter.cells_.size()), slack_(slack) {
        tables_.emplace_back();
        for (const TextCell& cell : fitter.cells_)
            ownColours_.insert(Code(fitter.runs_[cell.run].format.color));
        firstPlan_ = FirstPlan();
        bound_ = firstPlan_.error;
        TryRuns();
    }

    static std::size_t Range(std::size_t first, std::size_t end) { return end * (end - 1) / 2 + first; }

    // The best way's runs (first cell and colour), in order; empty when nothing fits. The exact search
    // runs first. When it would take more than its share, a search that tells ways apart only by the
    // user's own colours they keep for later (not by mixed colours that happen to come again) runs in its
    // place, and when that too would take more, one that compares every two ways to a cell by bytes and
    // error alone. These may miss a better way, but never count a byte wrong; then `exact` is false.
    std::vector<std::pair<std::size_t, std::uint32_t>> Run(double& error, std::size_t& bytes, bool& exact) {
        exact = Pass(Level::kExact);
        if (!exact && !Pass(Level::kOwnColours)) Pass(Level::kCoarse);
        const Label* best = nullptr;
        for (std::uint32_t l = labelsAt_[m_]; l < labelsAt_[m_ + 1]; ++l) {
            const Label& label = labels_[l];
            if (!best || label.error < best->error ||
                (label.error == best->error && label.bytes < best->bytes))
                best = &label;
        }
        std::vector<std::pair<std::size_t, std::uint32_t>> runs;
        if (best) {
            error = best->error;
            bytes = best->bytes;
            for (const Label* label = best; label->parent != kNoLabel; label = &labels_[label->parent])
                runs.emplace_back(label->start, label->colour);
            std::reverse(runs.begin(), runs.end());
        } else if (firstPlan_.error < kInfinity) {
            // The coarse search may lose the way of the first cut: that cut is the answer then.
            error = firstPlan_.error;
            bytes = firstPlan_.bytes;
            runs = firstPlan_.runs;
        }
        return runs;
    }

  private:
    // The bytes a run adds after a run in `lastColour`: a change of colour (its word, of `wordBytes` when
    // the colour is in the table already) and, for a new colour, its entry of `entryBytes`, upon which
    // `entries` counts up. Which index names a colour matters only by the size of its word, so that ways
    // which use the same colours in another order are told apart only where the sizes differ.
    std::uint32_t RunBytes(std::size_t first, std::uint32_t colour, std::uint32_t lastColour,
                           std::optional<std::uint32_t> wordBytes, std::uint32_t& entries,
                           std::size_t entryBytes) const {
        if (colour == lastColour) return 0;
        std::size_t bytes = 0;
        if (colour == kAutomatic) {
            wordBytes = std::uint32_t(UrtfColourCost::WordSize(0));
        } else if (!wordBytes) {
            wordBytes = std::uint32_t(UrtfColourCost::WordSize(int(++entries)));
            bytes += entryBytes;
        }
        const bool delimited = fitter_.cost_.Delimited(fitter_.cells_[first].codePoint);
        return std::uint32_t(bytes + *wordBytes + (delimited ? 1 : 0));
    }

    // One run of a cut, with its colour, the size of its colour's entry and its error.
    struct PlanRun {
        std::size_t first, end;
        std::uint32_t colour;
        std::size_t entryBytes;
        double error;
    };

    PlanRun MakePlanRun(std::size_t first, std::size_t end) const {
        const std::optional<std::uint32_t> colour = fitter_.RunColour(first, end);
        return {first, end, Code(colour), colour ? UrtfColourCost::EntrySize(*colour) : 0,
                fitter_.RunError(first, end, colour)};
    }

    // The bytes a cut adds to the colourless text, as the search counts them.
    std::size_t PlanBytes(const std::vector<PlanRun>& runs) const {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> table;  // colour and the size of its word
        std::uint32_t entries = 0, lastColour = kAutomatic;
        std::size_t bytes = 0;
        for (const PlanRun& run : runs) {
            const auto known = std::find_if(table.begin(), table.end(),
                                            [&run](const auto& e) { return e.first == run.colour; });
            const std::uint32_t before = entries;
            bytes += RunBytes(run.first, run.colour, lastColour,
                              known == table.end() ? std::nullopt : std::optional(known->second), entries,
                              run.entryBytes);
            if (entries != before)
                table.emplace_back(run.colour, std::uint32_t(UrtfColourCost::WordSize(int(entries))));
            lastColour = run.colour;
        }
        return bytes;
    }

    Plan ToPlan(const std::vector<PlanRun>& runs) const {
        Plan cut;
        cut.error = 0;
        cut.bytes = PlanBytes(runs);
        for (const PlanRun& run : runs) {
            cut.error += run.error;
            cut.runs.emplace_back(run.first, run.colour);
        }
        return cut;
    }

    // A first bound for the search, and the answer should the coarse search lose its way: the better of
    // the best cut into runs of even length that fits (for a gradient or a rainbow close to the best) and
    // of merging, from the colours as given, the neighbours that cost least error until the work fits
    // (for a few colours used again and again).
    Plan FirstPlan() const {
        Plan best;
        int overBudget = 0;
        for (std::size_t count = 1; count <= m_ && overBudget < 3; ++count) {
            std::vector<PlanRun> runs;
            for (std::size_t r = 0; r < count; ++r) {
                const std::size_t first = r * m_ / count, end = (r + 1) * m_ / count;
                if (first < end) runs.push_back(MakePlanRun(first, end));
            }
            Plan cut = ToPlan(runs);
            if (cut.bytes > slack_) {
                ++overBudget;
                continue;
            }
            overBudget = 0;
            if (cut.error < best.error) best = std::move(cut);
        }

        std::vector<PlanRun> runs;
        for (std::size_t c = 0; c < m_; ++c) {
            const std::uint32_t colour = Code(fitter_.runs_[fitter_.cells_[c].run].format.color);
            if (runs.empty() || colour != runs.back().colour) {
                runs.push_back(MakePlanRun(c, c + 1));
            } else {
                runs.back() = MakePlanRun(runs.back().first, c + 1);
            }
        }
        std::vector<PlanRun> merged;  // merged[i]: runs i and i + 1 as one
        for (std::size_t i = 0; i + 1 < runs.size(); ++i)
            merged.push_back(MakePlanRun(runs[i].first, runs[i + 1].end));
        while (runs.size() > 1 && PlanBytes(runs) > slack_) {
            std::size_t pick = 0;
            double least = kInfinity;
            for (std::size_t i = 0; i < merged.size(); ++i) {
                const double added = merged[i].error - runs[i].error - runs[i + 1].error;
                if (added < least) {
                    least = added;
                    pick = i;
                }
            }
            runs[pick] = merged[pick];
            runs.erase(runs.begin() + std::ptrdiff_t(pick) + 1);
            merged.erase(merged.begin() + std::ptrdiff_t(pick));
            if (pick < merged.size()) merged[pick] = MakePlanRun(runs[pick].first, runs[pick + 1].end);
            if (pick > 0) merged[pick - 1] = MakePlanRun(runs[pick - 1].first, runs[pick].end);
        }
        Plan greedy = ToPlan(runs);
        if (greedy.bytes <= slack_ && greedy.error < best.error) best = std::move(greedy);
        return best;
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

    // One search from the first cell to the last; false when the exact search gave up.
    bool Pass(Level level) {
        level_ = level;
        tries_ = 0;
        bound_ = firstPlan_.error;
        labels_.clear();
        fronts_.assign(m_ + 1, {});
        labels_.push_back({0, 0, 0, kNoLabel, 0, kAutomatic, 0});
        labelsAt_.assign(m_ + 2, 0);
        labelsAt_[1] = 1;  // the labels at cell c are labels_[labelsAt_[c], labelsAt_[c + 1])
        for (std::size_t first = 0; first < m_; ++first) {
            if (first > 0 && !Settle(first)) return false;
            for (std::uint32_t l = labelsAt_[first]; l < labelsAt_[first + 1]; ++l)
                Extend(l, first);
            if (level_ == Level::kExact ? tries_ > kExactTries
                                        : level_ == Level::kOwnColours && tries_ > kExactTries / 2)
                return false;
        }
        return Settle(m_);
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
                std::optional<std::uint32_t> wordBytes;
                const std::vector<TableEntry>& table = tables_[from.table];
                const auto known = std::find_if(table.begin(), table.end(),
                                                [colour](const TableEntry& e) { return e.colour == colour; });
                if (known != table.end()) wordBytes = known->wordBytes;
                next.bytes +=
                    RunBytes(first, colour, from.colour, wordBytes, next.entries, entryBytes_[range]);
                if (next.bytes > slack_) continue;
                if (recurs && next.entries != from.entries)
                    added = TableEntry{colour, std::uint32_t(UrtfColourCost::WordSize(int(next.entries))),
                                       lastStart_[range]};
            }
            next.table = Project(from.table, added, end);
            ++tries_;
            if (end == m_) bound_ = std::min(bound_, next.error);
            Insert(fronts_[end], next, recurs ? colour : kNoColour);
        }
    }

    // The ways to reach `cell`, as labels; those no better than the best way found are dropped. False when
    // the exact search meets more than its share.
    bool Settle(std::size_t cell) {
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
        labelsAt_[cell + 1] = std::uint32_t(labels_.size());
        return level_ == Level::kCoarse || labels_.size() - before <= kExactLabelsPerCell;
    }

    // The table `table` with `added`, without the entries no run from `end` on can use.
    std::uint32_t Project(std::uint32_t table, const std::optional<TableEntry>& added, std::size_t end) {
        const std::vector<TableEntry>& entries = tables_[table];
        if (!added && std::all_of(entries.begin(), entries.end(),
                                  [end](const TableEntry& e) { return e.lastStart >= end; }))
            return table;
        scratch_.clear();
        for (const TableEntry& entry : entries) {
            if (entry.lastStart >= end) scratch_.push_back(entry);
        }
        if (added) scratch_.insert(std::upper_bound(scratch_.begin(), scratch_.end(), *added), *added);
        if (scratch_.empty()) return 0;
        const auto [at, interned] = tableIds_.try_emplace(scratch_, std::uint32_t(tables_.size()));
        if (interned) tables_.push_back(scratch_);  // `entries` may be gone now
        return at->second;
    }

    // Into the ways of its kind, unless one of them beats it; those it beats go.
    void Insert(Fronts& fronts, const Label& label, std::uint32_t lastColour) const {
        std::vector<Label>* front = &fronts.plain;
        if (level_ == Level::kExact && (label.table != 0 || lastColour != kNoColour)) {
            front = &fronts.others[std::uint64_t(label.table) << 32 | lastColour];
        } else if (level_ == Level::kOwnColours) {
            // The user's colours kept for later, and the last one when it is the user's.
            std::uint64_t key = 0;
            for (const TableEntry& entry : tables_[label.table]) {
                if (ownColours_.contains(entry.colour))
                    key = (key ^ entry.colour ^ std::uint64_t(entry.wordBytes) << 32) * 1099511628211u + 1;
            }
            if (ownColours_.contains(lastColour)) key = (key ^ lastColour) * 1099511628211u + 7;
            if (key != 0) front = &fronts.others[key];
        }
        // The coarse search leaves the colours in the table out of it too: fewer bytes and less error win.
        const auto dominates = [this](const Label& x, const Label& y) {
            return level_ == Level::kCoarse ? x.bytes <= y.bytes && x.error <= y.error : Dominates(x, y);
        };
        for (const Label& other : *front) {
            if (dominates(other, label)) return;
        }
        std::erase_if(*front, [&](const Label& other) { return dominates(label, other); });
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
    std::unordered_map<std::vector<TableEntry>, std::uint32_t, TableHash> tableIds_;
    std::vector<TableEntry> scratch_;
    Level level_ = Level::kExact;
    std::unordered_set<std::uint32_t> ownColours_;  // the colours the cells have, the automatic one too
    std::size_t tries_ = 0;                         // ways tried in this search
    Plan firstPlan_;                                // FirstPlan's
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
