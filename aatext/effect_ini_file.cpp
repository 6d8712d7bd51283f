#include "aatext/effect_ini_file.h"

#include "base/text.h"

namespace huecast {

std::int32_t EffectIniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    const std::optional<std::string> value = ReadString(section, key);
    if (!value) return defaultValue;
    return ParseInt32(*value).value_or(defaultValue);
}

bool EffectIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void EffectIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void EffectIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

MemEffectIniFile::MemEffectIniFile(std::string_view text) {
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

const MemEffectIniFile::Section* MemEffectIniFile::Find(std::string_view section) const {
    const auto found = sectionIndex_.find(section);
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

MemEffectIniFile::Section& MemEffectIniFile::FindOrAdd(std::string_view section) {
    const auto [found, added] = sectionIndex_.try_emplace(std::string(section), sections_.size());
    if (added) sections_.push_back({std::string(section), {}, {}});
    return sections_[found->second];
}

MemEffectIniFile::Entry& MemEffectIniFile::FindOrAddKey(Section& section, std::string_view key, std::string_view value) {
    const auto [found, added] = section.keyIndex.try_emplace(std::string(key), section.entries.size());
    if (added) section.entries.push_back({std::string(key), std::string(value)});
    return section.entries[found->second];
}

std::optional<std::string> MemEffectIniFile::ReadString(std::string_view section, std::string_view key) const {
    const Section* s = Find(section);
    if (!s) return std::nullopt;
    const auto found = s->keyIndex.find(key);
    if (found == s->keyIndex.end()) return std::nullopt;
    return s->entries[found->second].value;
}

void MemEffectIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    FindOrAddKey(FindOrAdd(section), key, value).value = std::string(value);
}

std::string MemEffectIniFile::Text() const {
    std::string text;
    for (const Section& s : sections_) {
        text += '[' + s.name + "]\r\n";
        for (const Entry& e : s.entries)
            text += e.key + '=' + e.value + "\r\n";
    }
    return text;
}

}  // namespace huecast
