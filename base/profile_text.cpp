#include "base/profile_text.h"

#include <utility>

namespace huecast {

namespace {

std::string_view TrimProfile(std::string_view s) {
    return Trim(s, kProfileBlanks);
}

std::string_view WithoutEnclosingQuotes(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.substr(1, s.size() - 2);
    return s;
}

// The key of a "key=value" line (the whole trimmed line when it has no equals sign) and its value.
struct KeyLine {
    std::string_view key;
    std::string_view value;
};

KeyLine Split(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {TrimProfile(line), {}};
    return {TrimProfile(line.substr(0, equals)), TrimProfile(line.substr(equals + 1))};
}

bool IsHeader(std::string_view line) {
    const std::string_view t = TrimProfile(line);
    return !t.empty() && t.front() == '[';
}

std::string HeaderName(std::string_view line) {
    std::string_view t = TrimProfile(line).substr(1);
    return std::string(TrimProfile(t.substr(0, t.find(']'))));
}

}  // namespace

std::string ProfileText::Folded(std::string_view name) const {
    return AsciiLowered(TrimProfile(name), isLeadByte_);
}

ProfileText::ProfileText(std::string_view text, LeadBytePredicate isLeadByte) : isLeadByte_(isLeadByte) {
    sections_.push_back({});
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (IsHeader(line)) {
            sections_.push_back({HeaderName(line), {std::string(line)}});
            Index(sections_.size() - 1);
        } else {
            sections_.back().lines.emplace_back(line);
        }
    }
}

void ProfileText::Index(std::size_t section) {
    firstSection_.try_emplace(Folded(sections_[section].name), section);
}

const ProfileText::Section* ProfileText::Find(std::string_view name) const {
    const auto found = firstSection_.find(Folded(name));
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

ProfileText::Section* ProfileText::Find(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).Find(name));
}

std::optional<std::string> ProfileText::Read(std::string_view section, std::string_view key) const {
    const Section* s = Find(section);
    if (!s) return std::nullopt;
    const std::string wanted = Folded(key);
    for (std::size_t i = 1; i < s->lines.size(); ++i) {
        const KeyLine line = Split(s->lines[i]);
        if (Folded(line.key) == wanted) return std::string(WithoutEnclosingQuotes(line.value));
    }
    return std::nullopt;
}

bool ProfileText::HasSection(std::string_view section) const {
    return Find(section) != nullptr;
}

std::vector<std::string> ProfileText::SectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 1; i < sections_.size(); ++i)
        names.push_back(sections_[i].name);
    return names;
}

void ProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=";
    line.reserve(line.size() + value.size());
    for (char c : value)
        line += (c == '\r' || c == '\n') ? ' ' : c;

    Section* s = Find(section);
    if (!s) {
        std::string header(1, '[');
        header.append(section).append(1, ']');
        sections_.push_back({std::string(TrimProfile(section)), {std::move(header), std::move(line)}});
        Index(sections_.size() - 1);
        return;
    }
    const std::string wanted = Folded(key);
    for (std::size_t i = 1; i < s->lines.size(); ++i) {
        if (Folded(Split(s->lines[i]).key) == wanted) {
            s->lines[i] = std::move(line);
            return;
        }
    }
    // After the section's last line that says something, so a blank line before the next section stays.
    std::size_t at = s->lines.size();
    while (at > 1 && TrimProfile(s->lines[at - 1]).empty())
        --at;
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::string ProfileText::Text() const {
    std::size_t size = 0;
    for (const Section& s : sections_)
        for (const std::string& line : s.lines)
            size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const Section& s : sections_) {
        for (const std::string& line : s.lines) {
            out += line;
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace huecast
