#include "skin/skin_ini.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace huecast::skin {

namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

namespace {

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::size_t CaseInsensitiveHash::operator()(std::string_view text) const noexcept {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over the folded bytes
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(Fold(c))) * 1099511628211ull;
    return static_cast<std::size_t>(hash ^ hash >> 32);
}

bool CaseInsensitiveEqual::operator()(std::string_view a, std::string_view b) const noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

std::ptrdiff_t IniFile::Section::Lookup(std::string_view key) const {
    if (slots.empty()) return -1;
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = CaseInsensitiveHash{}(key)&mask;; i = (i + 1) & mask) {
        const std::uint32_t slot = slots[i];
        if (slot == 0) return -1;
        if (CaseInsensitiveEqual{}(entries[slot - 1].first, key))
            return static_cast<std::ptrdiff_t>(slot - 1);
    }
}

std::pair<std::size_t, bool> IniFile::Section::Insert(std::string_view key, std::string_view value) {
    if (const std::ptrdiff_t found = Lookup(key); found >= 0) return {static_cast<std::size_t>(found), false};
    entries.emplace_back(key, value);
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

void IniFile::Section::Place(std::size_t entry) {
    const std::size_t mask = slots.size() - 1;
    std::size_t i = CaseInsensitiveHash{}(entries[entry].first) & mask;
    while (slots[i] != 0)
        i = (i + 1) & mask;
    slots[i] = static_cast<std::uint32_t>(entry + 1);
}

IniFile::IniFile(const std::vector<std::string>& lines) {
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

IniFile IniFile::FromText(std::string_view text) {
    return IniFile(SplitLines(text));
}

IniFile::Section* IniFile::FindSection(std::string_view section) {
    const auto it = sectionIndex_.find(section);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
    const auto it = sectionIndex_.find(section);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section& IniFile::AddSection(std::string_view section) {
    sectionIndex_.emplace(std::string(section), sections_.size());
    Section& added = sections_.emplace_back();
    added.name = section;
    return added;
}

bool IniFile::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
    return Find(section, key) != nullptr;
}

const std::string* IniFile::Find(std::string_view section, std::string_view key) const {
    return KeysOf(section).Find(key);
}

IniFile::SectionKeys IniFile::KeysOf(std::string_view section) const {
    SectionKeys keys;
    keys.section_ = FindSection(section);
    return keys;
}

const std::string* IniFile::SectionKeys::Find(std::string_view key) const {
    if (!section_) return nullptr;
    const std::ptrdiff_t entry = section_->Lookup(key);
    return entry < 0 ? nullptr : &section_->entries[static_cast<std::size_t>(entry)].second;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const std::string* value = Find(section, key);
    return value ? *value : std::string(fallback);
}

std::size_t IniFile::KeyCount(std::string_view section) const {
    const Section* s = FindSection(section);
    return s ? s->entries.size() : 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = FindSection(section);
    if (!s) s = &AddSection(section);
    const auto [entry, added] = s->Insert(key, value);
    if (!added) s->entries[entry].second = value;
}

void IniFile::EraseSection(std::string_view section) {
    const auto it = sectionIndex_.find(section);
    if (it == sectionIndex_.end()) return;
    const std::size_t erased = it->second;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(erased));
    sectionIndex_.erase(it);
    for (auto& [name, index] : sectionIndex_)
        if (index > erased) --index;
}

std::vector<std::string> IniFile::Lines() const {
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
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc{} || end != text.data() + text.size() || magnitude < 0) return false;
    const long long signedValue = negative ? -magnitude : magnitude;
    // Hexadecimal colours such as $FFFFFFFF wrap as the platform's 32-bit conversion does.
    if (base == 16 && !negative && magnitude <= 0xFFFFFFFFLL) {
        value = static_cast<int>(static_cast<std::uint32_t>(magnitude));
        return true;
    }
    if (signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(signedValue);
    return true;
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
