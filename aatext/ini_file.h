// A section/key/value store in the form of an ini file, as text effects are saved to and loaded from.
// IniFile reads and writes strings; the typed helpers read integers the way the program always has:
// decimal, or hexadecimal after "0x", and an unreadable value gives the caller's default. MemIniFile holds
// a whole ini text in memory (untrusted text: any bytes parse, nothing is ever read out of bounds).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace huecast {

class IniFile {
  public:
    virtual ~IniFile() = default;
    // The value of `key` in `section` (names compare without regard to ASCII case), trimmed; nullopt when
    // the key is missing.
    virtual std::optional<std::string> ReadString(std::string_view section, std::string_view key) const = 0;
    virtual void WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;

    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // An integer, non-zero meaning true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
};

// A 32-bit integer in decimal or, after "0x" or "0X", in hexadecimal (up to 8 digits, read as the 32 bits
// of the value), with an optional sign and surrounding blanks; nullopt for anything else or on overflow.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

class MemIniFile final : public IniFile {
  public:
    MemIniFile() = default;
    // Parses "[section]" lines and "key=value" lines; ';' and '#' lines are comments; other lines are
    // ignored. The first of two equal keys in a section wins, as the system's profile functions read it.
    explicit MemIniFile(std::string_view text);

    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const override;
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

    // The whole file as text, lines ending in CR LF.
    std::string Text() const;

  private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::unordered_map<std::string, std::size_t> keyIndex;  // folded key -> entry
    };
    const Section* Find(std::string_view section) const;
    Section& FindOrAdd(std::string_view section);
    // Adds key = value unless the section has the key; returns the entry of the key.
    Entry& FindOrAddKey(Section& section, std::string_view key, std::string_view value);

    // Lookups go through folded-case indexes, so a file with many sections or keys loads in linear time.
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;
};

}  // namespace huecast
