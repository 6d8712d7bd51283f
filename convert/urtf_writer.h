// The messenger's rich text written straight from runs (convert/urtf_reader.h), in the form the conversion
// gives (convert/urtf.h): the fonts and colours in use, then the text, every character outside printable
// ASCII as its decimal code units ("\u20320?"; a character beyond U+FFFF as its two surrogates):
//
//   {\urtf{\fonttbl{\f0 宋体;}}{\colortbl;\red255\green0\blue0;}\pard\cf1\f0\fs60\u20320?\u22909?\par}
//
// The splitter (convert/urtf_split.h) writes each part with it; ReadUrtf reads every text back to its runs.
// Written from the editor's runs (UrtfRunsOf), a text is the conversion of the editor's document, byte for
// byte: the conversion's cost of a work is this writer's, which is what fitting a work into one message
// (UrtfColourCost) relies on.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "convert/editor_rtf.h"
#include "convert/urtf_reader.h"

namespace huecast {

// Builds one text a character at a time and knows at every step how long the finished text would be. It
// can go back to an earlier step, which is how the splitter ends a part at the best place it has passed.
class UrtfBuilder {
  public:
    // A step to go back to.
    struct Mark {
        std::size_t fontTable, colourTable, body, fonts, colours;
        const CharFormat* format;
        int font, colour, size;
        unsigned style;
        bool afterWord;
    };

    // `expectedSize`: room taken at once for a text of about that length.
    explicit UrtfBuilder(std::size_t expectedSize = 0);

    // `format` must live as long as the builder: it is kept by reference while it stays the same.
    void Append(char32_t c, const CharFormat& format);
    // The length of the finished text: the tables, the body so far and the closing paragraph mark.
    std::size_t Size() const;
    Mark Here() const;
    // Back to where `mark` was taken, as if nothing had been appended since.
    void Rewind(const Mark& mark);
    std::string Finish() &&;

  private:
    friend class UrtfColourCost;
    void SetFormat(const CharFormat& format);
    void ChangeFormat(const CharFormat& format);
    int FontIndex(const CharFormat& format);
    int ColourIndex(std::uint32_t colour);
    void Word(std::string_view word);
    void Word(std::string_view word, long long parameter);
    void Text(char32_t c);

    struct Font {
        const std::string* name;
        int charset;
    };
    std::vector<Font> fonts_;
    std::vector<std::uint32_t> colours_;  // entry i + 1 of the colour table
    std::string fontTable_;               // the entries, between "{\fonttbl" and its "}"
    std::string colourTable_;             // the entries after "{\colortbl;"
    std::string body_;                    // from "\pard" on, without the closing mark

    const CharFormat* format_ = nullptr;  // of the last character; the body has set it
    int font_ = -1;
    int colour_ = 0;
    int size_;
    unsigned style_ = 0;
    bool afterWord_ = true;  // a control word ends the body: some characters need a delimiting space
};

// The runs as one text.
std::string WriteUrtf(std::span<const UrtfRun> runs);

// The editor's runs as the conversion writes them: code points (an unpaired surrogate stays its code unit,
// which the conversion passes on as it is), every line break ("\r\n", "\r" or "\n") one '\r', empty runs
// left out. For a work of at most kMaxPlainCodeUnits code units, WriteUrtf of them is ConvertToUrtf of the
// document WriteEditorRtf writes from `runs`.
std::vector<UrtfRun> UrtfRunsOf(std::span<const TextRun> runs);

// What colours cost in a text whose characters, fonts, sizes and styles stay as they are: the text written
// with every character in the automatic colour, plus an entry of the colour table for each colour in use
// and a colour word wherever the colour changes, measured by the code that writes them. For any colours
// given to the characters, the sum is the size of the text the builder writes:
//
//   ColourlessSize() + EntrySize(c) for each colour c in use
//                    + ChangeSize(i, index of the new colour) for each character i whose colour differs
//                      from the one before it (the automatic colour, index 0, before the first)
//
// where a colour's index is its place among the colours in the order of first use, counted from 1.
class UrtfColourCost {
  public:
    // `runs`: the text and its formats; their colours are not looked at.
    explicit UrtfColourCost(std::span<const UrtfRun> runs);

    std::size_t ColourlessSize() const { return colourless_; }
    // Bytes a change to the colour of index `index` adds before character `at` (counted over all runs): its
    // colour word, and a delimiting space where the character would otherwise continue the word.
    std::size_t ChangeSize(std::size_t at, int index) const { return WordSize(index) + (Delimited(at) ? 1 : 0); }
    static std::size_t WordSize(int index);
    bool Delimited(std::size_t at) const;
    // Bytes the colour table's entry for `colour` (0x00BBGGRR) takes.
    static std::size_t EntrySize(std::uint32_t colour);

  private:
    std::size_t colourless_ = 0;
    std::vector<bool> delimited_;  // a word before this character needs a delimiting space
};

}  // namespace huecast
