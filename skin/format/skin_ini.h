// The in-memory ini object a skin text is parsed into, and the value syntaxes of skin texts.
//
// Section and key names are matched without regard to ASCII case; values are kept byte for byte (skin texts
// are GBK). The object keeps the file order of sections and keys so that a skin written back reads like the
// one that was loaded.
#pragma once

#include "base/text_lines.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/geometry.h"
#include "base/text.h"

namespace huecast::skin {

// A skin that cannot be loaded: the message names what was wrong and where (file, section, key, offset).
class SkinError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class SkinIni {
    struct Section;

  public:
    SkinIni() = default;
    // Parses lines of "[section]" and "key=value"; lines outside a section, lines without "=" and comment
    // lines (starting with ";") carry nothing. A repeated section continues the first one, and a repeated
    // key keeps its first value, so the first occurrence always wins.
    explicit SkinIni(const std::vector<std::string>& lines);
    // The same from one text whose lines end with CR LF (a lone LF or CR is accepted too).
    static SkinIni FromText(std::string_view text);

    bool HasSection(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    // The value of the key, or nullptr when the section or the key is missing.
    const std::string* Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Number of keys in the section (0 when it is missing).
    std::size_t KeyCount(std::string_view section) const;

    // One section found once, so that reading many of its keys costs one look-up each. Valid until the
    // ini object changes.
    class SectionKeys {
      public:
        // The value of the key, or nullptr when the key or the whole section is missing.
        const std::string* Find(std::string_view key) const;

      private:
        friend class SkinIni;
        const Section* section_ = nullptr;
    };
    SectionKeys KeysOf(std::string_view section) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void EraseSection(std::string_view section);

    // The text as lines, sections in first-seen order, ready for IniStrings or a file.
    std::vector<std::string> Lines() const;

  private:
    using NameIndex = std::unordered_map<std::string, std::size_t, AsciiCaseInsensitiveHash, AsciiCaseInsensitiveEqual>;
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;  // key as written, value
        // Open addressing over the entries by key, ignoring case: entry index + 1, or 0 for a free slot.
        std::vector<std::uint32_t> slots;
        // The hash of each entry's key, kept so that growing the slots hashes no key again.
        std::vector<std::size_t> hashes;

        // The entry of the key, or -1.
        std::ptrdiff_t Lookup(std::string_view key) const { return Lookup(key, AsciiCaseInsensitiveHash{}(key)); }
        std::ptrdiff_t Lookup(std::string_view key, std::size_t hash) const;
        // The entry of the key, added with `value` when the key is new; true when it was added.
        std::pair<std::size_t, bool> Insert(std::string_view key, std::string_view value);
        void Place(std::size_t entry);
    };
    Section* FindSection(std::string_view section);
    const Section* FindSection(std::string_view section) const;
    Section& AddSection(std::string_view section);

    std::vector<Section> sections_;
    NameIndex sectionIndex_;  // name -> section
};

// Value syntaxes. `where` names the section and key for error messages.

// An integer as skin texts write it (ParseInt32 with "$" hexadecimal, which skin tools produce); false, with
// `value` untouched, for anything else.
bool ParseInteger(std::string_view text, int& value);
// Splits at every ",", keeps only the digits of each field and converts it. A field with no digit (an empty
// value included) throws SkinError naming `where`. Fields beyond `count` are ignored and missing trailing
// fields read 0.
void ParseDigitFields(std::string_view text, int* fields, int count, std::string_view where);

}  // namespace huecast::skin
