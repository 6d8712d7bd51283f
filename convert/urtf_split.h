// A message too long for the messenger, cut into messages that it takes: each part a complete text of its
// own (convert/urtf_writer.h) of at most the limit's bytes, every character in its own format, the parts
// read one after the other giving back the whole.
//
// A part ends where the text breaks naturally if such a place lies in the part's second half: after a line
// break, else after a word (a space, a tab or a punctuation mark that ends a clause), else where the format
// changes; otherwise it ends after the last character that fits.
#pragma once

#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "convert/urtf_reader.h"

namespace huecast {

// What the messenger takes in one message.
inline constexpr std::size_t kMaxUrtfBytes = 400;

// A character whose own message is longer than the limit (a font name of hundreds of bytes could do it).
class UrtfSplitError : public std::length_error {
  public:
    UrtfSplitError(std::size_t characterIndex, std::size_t bytes, std::size_t limit);
    std::size_t CharacterIndex() const { return characterIndex_; }  // counted from 0 over all runs

  private:
    std::size_t characterIndex_;
};

// The parts of `runs`, in order; none for no characters. Time is linear in the number of characters.
// Throws UrtfSplitError when a single character needs more than `limit` bytes on its own.
std::vector<std::string> SplitUrtf(std::span<const UrtfRun> runs, std::size_t limit = kMaxUrtfBytes);

}  // namespace huecast
