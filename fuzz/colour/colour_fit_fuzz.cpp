// The fitter on random works, colours and limits. Besides the sanitizers' checks: a fitted work fits, as
// the converter measures it; its text, fonts, sizes and styles are the given ones; a work that fitted comes
// back as it was, one that cannot fit comes back empty with what it needs; and on works of a few cells the
// error is the least of every way to cut them, found by trying each.
//
// Input: two bytes of limit, then per run a byte of format and length and a byte per character, the colour
// taken from the next bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "colour/colour_fit.h"
#include "colour/oklab.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return at_ >= size_; }
    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::vector<huecast::TextRun> Work(Bytes& bytes) {
    static const char16_t* const kPieces[] = {
        u"a",      u"Z",  u"0",      u" ",      u"-",  u"\\",  u"{",       u"你",           u"，",
        u"“",      u"”",  u"\r",     u"\r\n",   u"\t", u"😀",   u"e\u0301", u"\u2764\uFE0F", u"🇨🇳",
        u"\xD800", u"한", u"\u3000", u"\u200D", u"€",  u"\x01"};
    static const std::uint32_t kPalette[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x000000, 0xFFFFFF, 0x808080};
    std::vector<huecast::TextRun> runs;
    while (!bytes.Empty() && runs.size() < 30) {
        const std::uint8_t head = bytes.Next();
        huecast::TextRun run;
        run.format = {head & 0x80 ? "Arial" : "\xcb\xce\xcc\xe5", head & 0x80 ? 0 : 134,
                      head & 0x40 ? 24 : 60, unsigned(head >> 2 & 0xC), std::nullopt};
        for (int n = head & 7; n > 0; --n)
            run.text += kPieces[bytes.Next() % std::size(kPieces)];
        const std::uint8_t colour = bytes.Next();
        if (colour < 0xC0) {
            run.format.color = kPalette[colour % std::size(kPalette)];
        } else if (colour < 0xF0) {
            run.format.color = std::uint32_t(bytes.Next()) | std::uint32_t(bytes.Next()) << 8 |
                               std::uint32_t(bytes.Next()) << 16;
        }
        runs.push_back(std::move(run));
    }
    return runs;
}

std::size_t ConvertedSize(const std::vector<huecast::TextRun>& runs) {
    return huecast::WriteUrtf(huecast::UrtfRunsOf(runs)).size();
}

// Code unit by code unit, the character and its format without the colour.
std::vector<std::pair<char16_t, huecast::CharFormat>> Uncoloured(const std::vector<huecast::TextRun>& runs) {
    std::vector<std::pair<char16_t, huecast::CharFormat>> out;
    for (const huecast::TextRun& run : runs) {
        huecast::CharFormat format = run.format;
        format.color.reset();
        for (const char16_t unit : run.text)
            out.emplace_back(unit, format);
    }
    return out;
}

double Error(const std::vector<huecast::TextRun>& before, const std::vector<huecast::TextRun>& after) {
    const std::vector<huecast::TextCell> cells = huecast::TextCells(before),
                                         changed = huecast::TextCells(after);
    Check(cells.size() == changed.size());
    double error = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const huecast::CharFormat& format = before[cells[i].run].format;
        if (cells[i].blank && !(format.style & 12)) continue;
        error +=
            huecast::SquaredDistance(huecast::SrgbToOkLab(format.color.value_or(0)),
                                     huecast::SrgbToOkLab(after[changed[i].run].format.color.value_or(0)));
    }
    return error;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const std::size_t limit = 30 + (std::size_t(bytes.Next()) << 8 | bytes.Next()) % 450;
    const std::vector<huecast::TextRun> work = Work(bytes);
    const huecast::ColourFitter fitter(work);
    const huecast::ColourFit fit = fitter.Fit(limit);
    const std::size_t given = ConvertedSize(work);

    if (!fit.fits) {
        Check(fit.runs.empty() && fit.bytes > limit && given > limit);
        return 0;
    }
    Check(fit.bytes <= limit && ConvertedSize(fit.runs) == fit.bytes);
    Check(Uncoloured(fit.runs) == Uncoloured(work));
    if (given <= limit) {
        Check(fit.runs == work && fit.error == 0);
        return 0;
    }
    const double error = Error(work, fit.runs);
    Check(std::abs(error - fit.error) <= 1e-9 * (1 + error));

    const std::size_t m = fitter.CellCount();
    if (m <= 8 && fit.exact) {
        for (std::uint32_t mask = 0; mask < (1u << (m - 1)); ++mask) {
            std::vector<std::size_t> starts{0};
            for (std::size_t k = 1; k < m; ++k) {
                if (mask >> (k - 1) & 1) starts.push_back(k);
            }
            const std::vector<huecast::TextRun> cut = fitter.Cut(starts);
            if (ConvertedSize(cut) <= limit) Check(Error(work, cut) >= fit.error - 1e-9 * (1 + fit.error));
        }
    }
    return 0;
}
