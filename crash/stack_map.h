// The call-stack table that travels with the executable: function start addresses with their names and
// line-table rows with source files, all relative to the image base. The build appends it after the
// image (tools/crash-map); at run time the reporter reads it once into a buffer and looks addresses up.
//
// Layout, little-endian: a payload followed by a 12-byte trailer (payload size as u32, then "HCMAP\0\1\0").
// Payload: u32 version (1), u32 function count, u32 line count, u32 string bytes; functions {u32 rva,
// u32 name offset}; lines {u32 rva, u32 line, u32 file offset}, both sorted by rva; then the strings, each
// ending with a zero byte. The table comes from a file that anyone can alter, so the reader checks
// everything before it trusts an offset.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace huecast::crash {

inline constexpr char kStackMapMagic[8] = {'H', 'C', 'M', 'A', 'P', '\0', '\1', '\0'};
inline constexpr std::size_t kStackMapTrailerSize = 12;

struct StackMapEntry {
    std::uint32_t functionRva = 0;  // where the named function starts
    std::string_view function;      // demangled, qualified name with its parameters
    std::string_view unit;          // source file
    int line = 0;                   // 0: unknown
};

class StackMap {
  public:
    StackMap() = default;
    // Takes a view of the payload (without the trailer); the bytes must outlive the map. Returns nothing
    // when the payload is malformed.
    static std::optional<StackMap> Parse(std::span<const std::uint8_t> payload);
    // Where the payload lies in a file's last bytes: the offset from the end of `tail` and the size, or
    // nothing when `tail` does not end with a trailer.
    static std::optional<std::uint32_t> PayloadSize(std::span<const std::uint8_t> tail);

    bool Empty() const { return functionCount_ == 0; }
    std::optional<StackMapEntry> Find(std::uint32_t rva) const;

  private:
    std::uint32_t U32(std::size_t offset) const;
    std::string_view String(std::uint32_t offset) const;

    std::span<const std::uint8_t> bytes_;
    std::uint32_t functionCount_ = 0, lineCount_ = 0, stringBytes_ = 0;
    std::size_t functionsAt_ = 0, linesAt_ = 0, stringsAt_ = 0;
};

// Splits a demangled name into the qualifier ("huecast::crash::TLogFile") and the bare procedure name
// ("Add"), dropping the parameters and qualifiers after them. Templates and "(anonymous namespace)" are
// kept whole.
struct SplitName {
    std::string_view className, procedure;
};
SplitName SplitQualifiedName(std::string_view name);

}  // namespace huecast::crash
