#include "crash/log_file.h"

#include "base/text.h"

#include <algorithm>

namespace huecast::crash {

namespace {

// Calls `line` for every line of `text`; lines end with CR LF, LF or a lone CR.
template <typename F>
void ForEachLine(std::string_view text, F&& line) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            line(text.substr(pos));
            return;
        }
        if (!line(text.substr(pos, end - pos))) return;
        pos = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

// The record without its trailing empty lines, as stored.
std::string_view WithoutTrailingBlankLines(std::string_view report) {
    while (!report.empty() && (report.back() == '\r' || report.back() == '\n'))
        report.remove_suffix(1);
    return report;
}

}  // namespace

TLogFile::TLogFile(std::pmr::memory_resource* memory) : records_(memory) {}

void TLogFile::Load(std::string_view text) {
    records_.clear();
    // A record is the text from its first line to the end of its last; one whose line breaks are all
    // CR LF (as this class writes them) is copied whole, any other is rebuilt line by line.
    std::size_t begin = std::string_view::npos, end = 0;
    bool crLfOnly = true;
    int emptyRun = 0;
    auto finish = [&] {
        if (begin == std::string_view::npos) return;
        const std::string_view record = text.substr(begin, end - begin);
        if (crLfOnly) {
            records_.emplace_back(record);
        } else {
            std::pmr::string& rebuilt = records_.emplace_back();
            rebuilt.reserve(record.size() + 16);
            bool first = true;
            ForEachLine(record, [&](std::string_view line) {
                if (!first) rebuilt += "\r\n";
                rebuilt += line;
                first = false;
                return true;
            });
        }
        begin = std::string_view::npos;
        crLfOnly = true;
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t lineEnd = pos;
        while (lineEnd < text.size() && text[lineEnd] != '\r' && text[lineEnd] != '\n')
            ++lineEnd;
        std::size_t next = lineEnd;
        bool crLf = false;
        if (lineEnd < text.size()) {
            crLf = text[lineEnd] == '\r' && lineEnd + 1 < text.size() && text[lineEnd + 1] == '\n';
            next = lineEnd + (crLf ? 2 : 1);
        }
        if (lineEnd == pos) {
            // Three empty lines end a record; fewer inside a record belong to it.
            if (++emptyRun == 3) {
                finish();
                emptyRun = 0;
            }
        } else {
            if (begin == std::string_view::npos) begin = pos;
            end = lineEnd;
            emptyRun = 0;
        }
        // Line breaks inside the record so far (not the one after its last line, which is not part of it).
        if (begin != std::string_view::npos && lineEnd < text.size() && !crLf) crLfOnly = false;
        pos = next;
    }
    finish();
}

std::pmr::string TLogFile::Text() const {
    std::size_t size = 0;
    for (const auto& r : records_)
        size += r.size() + 8;
    std::pmr::string out(records_.get_allocator().resource());
    out.reserve(size);
    for (const auto& r : records_) {
        out += r;
        out += "\r\n\r\n\r\n\r\n";
    }
    return out;
}

void TLogFile::DropOldest(std::size_t count) {
    count = std::min(count, records_.size());
    records_.erase(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(count));
}

void TLogFile::Add(std::string_view report) {
    records_.emplace_back(WithoutTrailingBlankLines(report));
}

int TLogFile::Find(std::string_view report) const {
    return FindAmongNewest(report, records_.size());
}

int TLogFile::FindAmongNewest(std::string_view report, std::size_t newest) const {
    for (std::size_t i = records_.size() - std::min(newest, records_.size()); i < records_.size(); ++i)
        if (RecordsEqual(records_[i], report)) return static_cast<int>(i);
    return -1;
}

std::string_view TLogFile::LastVersion() const {
    return records_.empty() ? std::string_view{} : RecordLineValue(records_.back(), 4);
}

std::string LogPathFor(std::string_view exePath, std::string_view outputPath) {
    auto endsWithElf = [](std::string_view s) {
        if (s.size() < 4) return false;
        std::string_view tail = s.substr(s.size() - 4);
        return tail[0] == '.' && (tail[1] | 0x20) == 'e' && (tail[2] | 0x20) == 'l' &&
               (tail[3] | 0x20) == 'f';
    };
    if (!outputPath.empty() && endsWithElf(outputPath)) return std::string(outputPath);
    const std::size_t slash = exePath.find_last_of("\\/");
    std::string name(slash == std::string_view::npos ? exePath : exePath.substr(slash + 1));
    if (const std::size_t dot = name.find_last_of('.'); dot != std::string::npos) name.erase(dot);
    name += ".elf";
    if (outputPath.empty())
        return std::string(slash == std::string_view::npos ? std::string_view{}
                                                           : exePath.substr(0, slash + 1)) +
               name;
    std::string folder(outputPath);
    if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder + name;
}

std::string_view RecordLineValue(std::string_view record, int number) {
    std::string_view found;
    int index = 0;
    ForEachLine(record, [&](std::string_view line) {
        if (++index < number) return true;
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos) found = Trim(line.substr(colon + 1), " \t");
        return false;
    });
    return found;
}

bool RecordsEqual(std::string_view a, std::string_view b) {
    for (int line = 8; line <= 11; ++line)
        if (RecordLineValue(a, line) != RecordLineValue(b, line)) return false;
    return true;
}

bool ApplyReportToLog(TLogFile& log, std::string_view report, const TCrashModuleOptions& options) {
    // Without the save-log switch the log file is left as it is.
    if (!options.saveLog) return false;
    const bool skipDuplicates = (options.logPolicy & kLogSkipDuplicates) != 0;

    if (options.logPolicy & kLogAlwaysAppend) {
        if (skipDuplicates && log.Find(report) >= 0) return false;
        log.Add(report);
        return true;
    }
    if ((options.logPolicy & kLogEmptyOnNewVersion) && log.Count() > 0 &&
        log.LastVersion() != RecordLineValue(report, 4)) {
        log.Clear();
        log.Add(report);
        return true;
    }
    if (options.maximumRecords <= 0) {
        const bool changed = log.Count() > 0;
        log.Clear();
        return changed;
    }
    // A duplicate counts only against the records the maximum keeps: one equal to a record that is
    // trimmed away now would otherwise be lost together with it.
    const auto maximum = static_cast<std::size_t>(options.maximumRecords);
    const std::size_t kept = std::min(log.Count(), maximum);
    const bool duplicate = skipDuplicates && log.FindAmongNewest(report, kept) >= 0;
    const std::size_t keep = duplicate ? maximum : maximum - 1;
    bool changed = false;
    if (log.Count() > keep) {
        log.DropOldest(log.Count() - keep);
        changed = true;
    }
    if (duplicate) return changed;
    log.Add(report);
    return true;
}

}  // namespace huecast::crash
