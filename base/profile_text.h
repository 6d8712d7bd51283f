// Ini texts of the system's profile format ("[section]" lines, each followed by "key=value" lines), read
// and written whole by the program instead of one value at a time through the system's profile functions.
//
// Reading follows those functions, so a value reads here exactly as GetPrivateProfileString gives it to any
// other program: section and key names match without regard to case, the first match wins, and blanks at
// both ends of a value and one pair of quotation marks enclosing it are dropped. Unlike them, a value of
// any length is read whole.
//
// Writing edits the text as WritePrivateProfileString does: a key's line is replaced where it stands, a new
// key goes to the end of its section and a new section to the end of the file; every other line (other
// sections, other keys, comments, blank lines) stays as it was. The text is 8-bit in the system code page,
// lines end with CR LF, and there is no byte-order mark, so the system's functions read it as before.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/text.h"

namespace huecast {

// What the system's profile reader drops around names and values (0x1A is the old end-of-file mark).
inline constexpr std::string_view kProfileBlanks = " \t\r\n\v\f\x1a";

class ProfileText {
  public:
    // `isLeadByte` tells the double-byte characters of the text's code page, whose trail bytes are never
    // case-folded when names are matched (the system matches names in its own code page).
    explicit ProfileText(std::string_view text = {}, LeadBytePredicate isLeadByte = IsGbkLeadByte);

    // The value as the system's profile functions read it, or nothing when the section or key is absent.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // The names of the sections in file order (a repeated name as often as it appears).
    std::vector<std::string> SectionNames() const;

    // Sets the key to `value` as it is. A line break cannot stand inside a value (the line would end
    // there and the rest turn into a line of its own), so CR and LF are written as spaces.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

  private:
    struct Section {
        std::string name;                // as the system matches it: blanks around the name dropped
        std::vector<std::string> lines;  // the header first (none for the lines before any section)
    };
    Section* Find(std::string_view name);
    const Section* Find(std::string_view name) const;
    void Index(std::size_t section);

    std::string Folded(std::string_view name) const;

    LeadBytePredicate isLeadByte_;
    std::vector<Section> sections_;  // sections_[0] holds the lines before the first header
    std::unordered_map<std::string, std::size_t> firstSection_;  // folded name -> first section of that name
};

}  // namespace huecast
