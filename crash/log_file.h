// The report log: a text file of records, each record's lines followed by three empty lines. This is the
// file's content and the policy that decides what a new report does to it; reading and writing the file
// itself is left to the caller (the Win32 layer uses the system's file calls, which work on a damaged heap
// as well as they work anywhere).
#pragma once

#include <cstddef>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

#include "crash/crash_options.h"

namespace huecast::crash {

class TLogFile {
  public:
    explicit TLogFile(std::pmr::memory_resource* memory = std::pmr::get_default_resource());

    // Replaces the records by those of a log file's text. Any bytes are accepted: a record ends at three
    // empty lines in a row or at the end of the text.
    void Load(std::string_view text);
    // The file's text: every record's lines, each followed by CR LF, then three empty lines.
    std::pmr::string Text() const;

    std::size_t Count() const { return records_.size(); }
    std::string_view Record(std::size_t index) const { return records_[index]; }
    void Clear() { records_.clear(); }
    void DropOldest(std::size_t count);
    // Adds a report as the newest record; its trailing empty lines are not part of the record.
    void Add(std::string_view report);
    // Index of a record equal to `report` (same exception address, module, class and message), or -1.
    int Find(std::string_view report) const;
    // The same among the `newest` records only.
    int FindAmongNewest(std::string_view report, std::size_t newest) const;
    // The version of the newest record (its fourth line's value); empty when there is none.
    std::string_view LastVersion() const;

  private:
    std::pmr::vector<std::pmr::string> records_;
};

// The log file's path: the executable's path with the extension ".elf"; in the output folder when one is
// set; the output path itself when it names an ".elf" file.
std::string LogPathFor(std::string_view exePath, std::string_view outputPath);

// The value of a report's line `number` (1-based): the text after its first ":" without surrounding
// blanks; empty when the line or the ":" is missing.
std::string_view RecordLineValue(std::string_view record, int number);
// Whether two records report the same failure (lines 8 to 11).
bool RecordsEqual(std::string_view a, std::string_view b);

// What a new report does to the log under the options' log policy, maximum and save-log switch. Returns
// whether the log changed and must be written back.
bool ApplyReportToLog(TLogFile& log, std::string_view report, const TCrashModuleOptions& options);

}  // namespace huecast::crash
