// A section/key/value store in the form of an ini file, as text effects are saved to and loaded from.
// EffectIniFile reads and writes strings; the typed helpers read integers the way the program always has:
// decimal, or hexadecimal after "0x", and an unreadable value gives the caller's default. MemEffectIniFile holds
// a whole ini text in memory (untrusted text: any bytes parse, nothing is ever read out of bounds).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/text.h"

namespace huecast {

class EffectIniFile {
  public:
    virtual ~EffectIniFile() = default;
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


class MemEffectIniFile final : public EffectIniFile {
  public:
    MemEffectIniFile() = default;
    // Parses "[section]" lines and "key=value" lines; ';' and '#' lines are comments; other lines are
    // ignored. The first of two equal keys in a section wins, as the system's profile functions read it.
    explicit MemEffectIniFile(std::string_view text);

    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const override;
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

    // The whole file as text, lines ending in CR LF.
    std::string Text() const;

  private:
    // Names match without regard to ASCII case.
    using NameIndex = std::unordered_map<std::string, std::size_t, AsciiCaseInsensitiveHash, AsciiCaseInsensitiveEqual>;

    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        NameIndex keyIndex;  // key -> entry
    };
    const Section* Find(std::string_view section) const;
    Section& FindOrAdd(std::string_view section);
    // Adds key = value unless the section has the key; returns the entry of the key.
    Entry& FindOrAddKey(Section& section, std::string_view key, std::string_view value);

    // Lookups go through folded-case indexes, so a file with many sections or keys loads in linear time.
    std::vector<Section> sections_;
    NameIndex sectionIndex_;
};

}  // namespace huecast
