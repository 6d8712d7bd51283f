#include "convert/urtf_split.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "convert/urtf_writer.h"

namespace huecast {
namespace {

struct Character {
    char32_t c;
    std::uint32_t run;
};

// Places to end a part, from the most to the least natural.
enum Break { kLineBreak, kWordBreak, kFormatBreak, kBreakKinds, kNoBreak = kBreakKinds };

bool IsSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == 0x3000;  // 0x3000: the ideographic space
}

bool EndsClause(char32_t c) {
    switch (c) {
        case U',':
        case U'.':
        case U'!':
        case U'?':
        case U';':
        case U':':
        case 0xFF0C:
        case 0x3002:
        case 0xFF01:
        case 0xFF1F:
        case 0xFF1B:
        case 0xFF1A:
        case 0x3001:  // ，。！？；：、
            return true;
        default:
            return false;
    }
}

class Splitter {
  public:
    Splitter(std::span<const UrtfRun> runs, std::size_t limit) : runs_(runs), limit_(limit) {
        std::size_t count = 0;
        for (const UrtfRun& run : runs)
            count += run.text.size();
        characters_.reserve(count);
        for (std::size_t r = 0; r < runs.size(); ++r) {
            for (const char32_t c : runs[r].text)
                characters_.push_back({c, static_cast<std::uint32_t>(r)});
        }
    }

    std::vector<std::string> Split() && {
        std::vector<std::string> parts;
        for (std::size_t start = 0; start < characters_.size();) {
            // Characters go in while the part stays within the limit, marking the last place of each kind to
            // end it. Only places in the part's second half count, so that no part comes out short.
            UrtfBuilder part(limit_ + 16);
            UrtfBuilder::Mark fits = part.Here();
            std::size_t fitsEnd = start;
            std::optional<std::pair<UrtfBuilder::Mark, std::size_t>> lastBreak[kBreakKinds];
            std::size_t end = start;
            for (; end < characters_.size(); ++end) {
                Append(part, end);
                if (part.Size() > limit_) break;
                fits = part.Here();
                fitsEnd = end + 1;
                const Break kind = BreakAfter(end);
                if (kind != kNoBreak && part.Size() * 2 >= limit_) lastBreak[kind].emplace(fits, fitsEnd);
            }
            if (fitsEnd == start) throw UrtfSplitError(start, part.Size(), limit_);
            std::size_t cut = fitsEnd;
            if (end < characters_.size()) {
                part.Rewind(fits);
                for (const auto& place : lastBreak) {
                    if (place) {
                        part.Rewind(place->first);
                        cut = place->second;
                        break;
                    }
                }
            }
            parts.push_back(std::move(part).Finish());
            start = cut;
        }
        return parts;
    }

  private:
    void Append(UrtfBuilder& builder, std::size_t i) const {
        builder.Append(characters_[i].c, runs_[characters_[i].run].format);
    }

    // What kind of place lies after character i, before the next one.
    Break BreakAfter(std::size_t i) const {
        if (i + 1 >= characters_.size()) return kNoBreak;
        const char32_t c = characters_[i].c;
        const char32_t next = characters_[i + 1].c;
        if (c == U'\r') return kLineBreak;
        // After the last space of a gap, so that the next part begins with the next word.
        if ((IsSpace(c) || EndsClause(c)) && !IsSpace(next) && next != U'\r') return kWordBreak;
        const std::uint32_t run = characters_[i].run;
        const std::uint32_t nextRun = characters_[i + 1].run;
        if (run != nextRun && runs_[run].format != runs_[nextRun].format) return kFormatBreak;
        return kNoBreak;
    }

    std::span<const UrtfRun> runs_;
    std::size_t limit_;
    std::vector<Character> characters_;
};

}  // namespace

UrtfSplitError::UrtfSplitError(std::size_t characterIndex, std::size_t bytes, std::size_t limit)
    : std::length_error("character " + std::to_string(characterIndex) + " needs " + std::to_string(bytes) +
                        " bytes in a message of its own; a message may have at most " +
                        std::to_string(limit)),
      characterIndex_(characterIndex) {}

std::vector<std::string> SplitUrtf(std::span<const UrtfRun> runs, std::size_t limit) {
    return Splitter(runs, limit).Split();
}

}  // namespace huecast
