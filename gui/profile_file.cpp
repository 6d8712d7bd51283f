#include "gui/profile_file.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "gui/handles.h"

namespace huecast::gui {

namespace {

// What the system's profile reader drops around names and values (0x1A is the old end-of-file mark).
constexpr std::string_view kBlanks = " \t\r\n\v\f\x1a";

// Larger files are not ini files a person keeps; reading one whole would only exhaust memory.
constexpr LONGLONG kMaxFileBytes = 256LL << 20;

std::string_view Trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

std::string_view WithoutEnclosingQuotes(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.substr(1, s.size() - 2);
    return s;
}

// Names compare without regard to the case of their Latin letters; the trail byte of a double-byte
// character is never a letter of its own, so it is left as it is.
std::string Folded(std::string_view name) {
    std::string out(name);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (IsDBCSLeadByte(c))
            ++i;
        else if (c >= 'A' && c <= 'Z')
            out[i] = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// The key of a "key=value" line (the whole trimmed line when it has no equals sign) and its value.
struct KeyLine {
    std::string_view key;
    std::string_view value;
};

KeyLine Split(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {Trim(line), {}};
    return {Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

bool IsHeader(std::string_view line) {
    const std::string_view t = Trim(line);
    return !t.empty() && t.front() == '[';
}

std::string HeaderName(std::string_view line) {
    std::string_view t = Trim(line).substr(1);
    return std::string(Trim(t.substr(0, t.find(']'))));
}

std::string SystemMessage(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(Trim(std::string_view(text, length))) : std::string();
    LocalFree(text);
    if (message.empty()) message = "system error " + std::to_string(code);
    return message;
}

[[noreturn]] void Fail(DWORD code) {
    throw ProfileFileError(SystemMessage(code), code);
}

// A file that starts with the UTF-16 byte-order mark is one the system's functions read as UTF-16; the
// program's strings are in the system code page.
std::string FromUtf16(std::string_view bytes) {
    const int units = static_cast<int>(bytes.size() / 2);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    std::copy_n(bytes.data(), static_cast<std::size_t>(units) * 2, reinterpret_cast<char*>(wide.data()));
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), units, out.data(), length, nullptr, nullptr);
    return out;
}

}  // namespace

ProfileText::ProfileText(std::string_view text) {
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
    const auto found = firstSection_.find(Folded(Trim(name)));
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

ProfileText::Section* ProfileText::Find(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).Find(name));
}

std::optional<std::string> ProfileText::Read(std::string_view section, std::string_view key) const {
    const Section* s = Find(section);
    if (!s) return std::nullopt;
    const std::string wanted = Folded(Trim(key));
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
        sections_.push_back({std::string(Trim(section)), {std::move(header), std::move(line)}});
        Index(sections_.size() - 1);
        return;
    }
    const std::string wanted = Folded(Trim(key));
    for (std::size_t i = 1; i < s->lines.size(); ++i) {
        if (Folded(Split(s->lines[i]).key) == wanted) {
            s->lines[i] = std::move(line);
            return;
        }
    }
    // After the section's last line that says something, so a blank line before the next section stays.
    std::size_t at = s->lines.size();
    while (at > 1 && Trim(s->lines[at - 1]).empty())
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

ProfileText ReadProfileFile(const std::string& path) {
    KernelHandle file;
    for (int attempt = 0;; ++attempt) {
        file.reset(CreateFileA(path.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() != INVALID_HANDLE_VALUE) break;
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return ProfileText();
        // Another program (a virus scanner, a backup) may hold the file for a moment.
        if (error != ERROR_SHARING_VIOLATION || attempt == 20) Fail(error);
        Sleep(50);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) Fail(GetLastError());
    if (size.QuadPart > kMaxFileBytes) Fail(ERROR_FILE_TOO_LARGE);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read,
                      nullptr))
            Fail(GetLastError());
        if (read == 0) break;  // the file became shorter while it was read
        done += read;
    }
    bytes.resize(done);
    if (bytes.starts_with("\xFF\xFE")) return ProfileText(FromUtf16(std::string_view(bytes).substr(2)));
    return ProfileText(bytes);
}

void ReplaceProfileFile(const std::string& path, const std::string& text) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    // The system would refuse to replace it too, but only after the new file was written.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        Fail(ERROR_FILE_READ_ONLY);

    const std::string temporary = path + ".new";
    {
        KernelHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() == INVALID_HANDLE_VALUE) Fail(GetLastError());
        const auto abandon = [&](DWORD error) {
            file.reset();
            DeleteFileA(temporary.c_str());
            Fail(error);
        };
        std::size_t done = 0;
        while (done < text.size()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 30));
            DWORD written = 0;
            if (!WriteFile(file.get(), text.data() + done, chunk, &written, nullptr)) abandon(GetLastError());
            if (written == 0) abandon(ERROR_WRITE_FAULT);
            done += written;
        }
        // The new text must be on the disk before it takes the old one's place.
        if (!FlushFileBuffers(file.get())) abandon(GetLastError());
    }
    if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileA(temporary.c_str());
        Fail(error);
    }
}

}  // namespace huecast::gui
