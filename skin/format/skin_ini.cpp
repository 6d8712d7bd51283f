#include "skin/format/skin_ini.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace huecast::skin {

std::ptrdiff_t SkinIni::Section::Lookup(std::string_view key, std::size_t hash) const {
    if (slots.empty()) return -1;
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint32_t slot = slots[i];
        if (slot == 0) return -1;
        if (hashes[slot - 1] == hash && AsciiCaseInsensitiveEqual{}(entries[slot - 1].first, key))
            return static_cast<std::ptrdiff_t>(slot - 1);
    }
}

std::pair<std::size_t, bool> SkinIni::Section::Insert(std::string_view key, std::string_view value) {
    const std::size_t hash = AsciiCaseInsensitiveHash{}(key);
    if (const std::ptrdiff_t found = Lookup(key, hash); found >= 0) return {static_cast<std::size_t>(found), false};
    entries.emplace_back(key, value);
    hashes.push_back(hash);
    // At most half the slots are taken, so every probe ends at a free slot soon.
    if (entries.size() * 2 > slots.size()) {
        slots.assign(std::max<std::size_t>(16, slots.size() * 2), 0);
        for (std::size_t e = 0; e < entries.size(); ++e)
            Place(e);
    } else {
        Place(entries.size() - 1);
    }
    return {entries.size() - 1, true};
}

void SkinIni::Section::Place(std::size_t entry) {
    const std::size_t mask = slots.size() - 1;
    std::size_t i = hashes[entry] & mask;
    while (slots[i] != 0)
        i = (i + 1) & mask;
    slots[i] = static_cast<std::uint32_t>(entry + 1);
}

SkinIni::SkinIni(const std::vector<std::string>& lines) {
    Section* current = nullptr;
    for (const std::string& raw : lines) {
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos) continue;
            const std::string_view name = Trim(line.substr(1, close - 1));
            current = FindSection(name);
            if (!current) current = &AddSection(name);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, equals));
        if (key.empty()) continue;
        // try_emplace keeps the first value of a repeated key.
        current->Insert(key, line.substr(equals + 1));  // a repeated key keeps its first value
    }
}

SkinIni SkinIni::FromText(std::string_view text) {
    return SkinIni(SplitLines(text));
}

SkinIni::Section* SkinIni::FindSection(std::string_view section) {
    const auto it = sectionIndex_.find(section);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const SkinIni::Section* SkinIni::FindSection(std::string_view section) const {
    const auto it = sectionIndex_.find(section);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

SkinIni::Section& SkinIni::AddSection(std::string_view section) {
    sectionIndex_.emplace(std::string(section), sections_.size());
    Section& added = sections_.emplace_back();
    added.name = section;
    return added;
}

bool SkinIni::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool SkinIni::HasKey(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

const std::string* SkinIni::Find(std::string_view section, std::string_view key) const {
    return KeysOf(section).Find(key);
}

SkinIni::SectionKeys SkinIni::KeysOf(std::string_view section) const {
    SectionKeys keys;
    keys.section_ = FindSection(section);
    return keys;
}

const std::string* SkinIni::SectionKeys::Find(std::string_view key) const {
    if (!section_) return nullptr;
    const std::ptrdiff_t entry = section_->Lookup(key);
    return entry < 0 ? nullptr : &section_->entries[static_cast<std::size_t>(entry)].second;
}

std::string SkinIni::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const std::string* value = Find(section, key);
    return value ? *value : std::string(fallback);
}

std::size_t SkinIni::KeyCount(std::string_view section) const {
    const Section* s = FindSection(section);
    return s ? s->entries.size() : 0;
}

void SkinIni::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (!s) s = &AddSection(section);
    const auto [entry, added] = s->Insert(key, value);
    if (!added) s->entries[entry].second = value;
}

void SkinIni::EraseSection(std::string_view section) {
    const auto it = sectionIndex_.find(section);
    if (it == sectionIndex_.end()) return;
    const std::size_t erased = it->second;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(erased));
    sectionIndex_.erase(it);
    for (auto& [name, index] : sectionIndex_)
        if (index > erased) --index;
}

std::vector<std::string> SkinIni::Lines() const {
    std::vector<std::string> lines;
    for (const Section& section : sections_) {
        lines.push_back("[" + section.name + "]");
        for (const auto& [key, value] : section.entries)
            lines.push_back(key + "=" + value);
        lines.emplace_back();
    }
    return lines;
}

bool ParseInteger(std::string_view text, int& value) {
    const std::optional<std::int32_t> parsed = ParseInt32(text, {.dollarHex = true});
    if (parsed) value = *parsed;
    return parsed.has_value();
}

void ParseDigitFields(std::string_view text, int* fields, int count, std::string_view where) {
    for (int i = 0; i < count; ++i)
        fields[i] = 0;
    int field = 0;
    std::size_t start = 0;
    while (field < count) {
        const std::size_t comma = text.find(',', start);
        const std::string_view part =
            text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
        long long number = 0;
        bool anyDigit = false;
        for (const char c : part) {
            if (c < '0' || c > '9') continue;
            anyDigit = true;
            number = number * 10 + (c - '0');
            if (number > std::numeric_limits<int>::max())
                throw SkinError(std::string(where) + ": \"" + std::string(text) +
                                "\" has a number out of range");
        }
        if (!anyDigit)
            throw SkinError(std::string(where) + ": \"" + std::string(text) + "\" is not a valid " +
                            (count == 4 ? "rect" : "point") + " (field " + std::to_string(field + 1) +
                            " has no digit)");
        fields[field++] = static_cast<int>(number);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
}

}  // namespace huecast::skin
