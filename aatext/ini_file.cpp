#include "aatext/ini_file.h"

#include <algorithm>
#include <charconv>

namespace huecast {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Names compare without regard to ASCII case; bytes of double-byte characters are left as they are.
std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    std::int64_t magnitude = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        while (text.size() > 1 && text.front() == '0')
            text.remove_prefix(1);
        if (text.size() > 8) return std::nullopt;
        std::uint32_t bits = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), bits, 16);
        if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
        magnitude = static_cast<std::int32_t>(bits);  // "0xFFFFFFFF" is -1, as the 32 bits say
    } else {
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, 10);
        if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
        if (magnitude > (negative ? 2147483648LL : 2147483647LL)) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    const std::optional<std::string> value = ReadString(section, key);
    if (!value) return defaultValue;
    return ParseIniInteger(*value).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

MemIniFile::MemIniFile(std::string_view text) {
    Section* current = nullptr;  // none before the first section line
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        std::string_view line = Trim(text.substr(0, eol));
        text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close != std::string_view::npos) current = &FindOrAdd(Trim(line.substr(1, close - 1)));
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue;
        FindOrAddKey(*current, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
    }
}

const MemIniFile::Section* MemIniFile::Find(std::string_view section) const {
    const auto found = sectionIndex_.find(Folded(section));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

MemIniFile::Section& MemIniFile::FindOrAdd(std::string_view section) {
    const auto [found, added] = sectionIndex_.try_emplace(Folded(section), sections_.size());
    if (added) sections_.push_back({std::string(section), {}, {}});
    return sections_[found->second];
}

MemIniFile::Entry& MemIniFile::FindOrAddKey(Section& section, std::string_view key, std::string_view value) {
    const auto [found, added] = section.keyIndex.try_emplace(Folded(key), section.entries.size());
    if (added) section.entries.push_back({std::string(key), std::string(value)});
    return section.entries[found->second];
}

std::optional<std::string> MemIniFile::ReadString(std::string_view section, std::string_view key) const {
    const Section* s = Find(section);
    if (!s) return std::nullopt;
    const auto found = s->keyIndex.find(Folded(key));
    if (found == s->keyIndex.end()) return std::nullopt;
    return s->entries[found->second].value;
}

void MemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    FindOrAddKey(FindOrAdd(section), key, value).value = std::string(value);
}

std::string MemIniFile::Text() const {
    std::string text;
    for (const Section& s : sections_) {
        text += '[' + s.name + "]\r\n";
        for (const Entry& e : s.entries)
            text += e.key + '=' + e.value + "\r\n";
    }
    return text;
}

}  // namespace huecast
