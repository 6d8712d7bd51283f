// Ini files of the system's profile format ("[section]" lines, each followed by "key=value" lines), read
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
//
// A file is replaced in one step: the new text goes to a file beside it, which then takes the old one's
// place, so the file on disk always holds either the old text or the new one.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace huecast::gui {

class ProfileText {
  public:
    ProfileText() = default;
    explicit ProfileText(std::string_view text);

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

    std::vector<Section> sections_;  // sections_[0] holds the lines before the first header
    std::unordered_map<std::string, std::size_t> firstSection_;  // folded name -> first section of that name
};

// A file that could not be read or replaced; what() is the reason in the system's words, Code() the
// system's error code (ERROR_FILE_READ_ONLY for a read-only file).
class ProfileFileError : public std::runtime_error {
  public:
    ProfileFileError(const std::string& reason, unsigned long code)
        : std::runtime_error(reason), code_(code) {}
    unsigned long Code() const { return code_; }

  private:
    unsigned long code_;
};

// The file's text; an empty text when the file does not exist. Throws ProfileFileError.
ProfileText ReadProfileFile(const std::string& path);
// Replaces the file's content with `text` in one step (see above). A read-only file is left alone and
// reported. Throws ProfileFileError.
void ReplaceProfileFile(const std::string& path, const std::string& text);

}  // namespace huecast::gui
