// The crash report: the plain-text record the reporter shows, logs and mails. Its blocks (Application,
// Exception, Active Controls, Computer, Operating System) are headers followed by "..." and one
// "  label: value" line per field with the labels padded per block; the call-stack table follows.
//
// Everything a report needs is passed in as views, and the text is built in a caller-given memory resource,
// so the Win32 layer can build a report from buffers it prepared before anything went wrong.
#pragma once

#include <cstdint>
#include <memory_resource>
#include <span>
#include <string>
#include <string_view>

#include "crash/crash_options.h"

namespace huecast::crash {

struct ReportTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// What a call-stack row or the report says of an address outside every loaded module, and of code in the
// program that no symbol names.
inline constexpr std::string_view kNoModule = "(no module)";
inline constexpr std::string_view kNoName = "(no name)";

// One row of the call stack; a line of 0 means unknown.
struct StackRow {
    std::uint64_t address = 0;
    std::string_view module, unit, className, procedure;
    int line = 0;
};

struct ReportData {
    ReportTime startTime;
    std::string_view description;  // the file description, or the executable's file name
    std::string_view version;      // "major.minor.release.build"

    ReportTime exceptionTime;
    std::uint64_t address = 0;
    std::string_view module, type, message;

    bool hasActiveWindow = false;
    std::string_view formClass, formText, controlClass, controlText;

    std::string_view computerName;
    std::uint64_t totalMemory = 0, freeMemory = 0, totalDisk = 0, freeDisk = 0;  // bytes

    std::string_view osName, osBuild, language;

    std::span<const StackRow> stack;
};

// "mm/dd/yyyy hh:nn:ss", whatever the user's settings.
std::string FormatReportTime(const ReportTime& time);
// Whole megabytes and " Mb".
std::string FormatMegabytes(std::uint64_t bytes);
// Gigabytes with up to two decimals (format "0.##") and " Gb".
std::string FormatGigabytes(std::uint64_t bytes);

// The system's name for a platform version; empty for a version the table does not know.
enum class Platform { Windows9x, WindowsNT };
std::string SystemName(Platform platform, unsigned major, unsigned minor, unsigned build,
                       std::string_view serviceText);

// The whole report, ending with the call-stack table's last rule and CR LF. Lines end with CR LF.
std::pmr::string BuildReport(const ReportData& data, const TCrashModuleOptions& options,
                             std::pmr::memory_resource* memory = std::pmr::get_default_resource());

// How many rows at the top of a stack captured inside the reporter or the runtime's failure path (the
// terminate, abort, throw and parameter-check machinery and the system's dispatch) come before the
// program's own code. A stack that is all runtime keeps every row.
std::size_t LeadingRuntimeRows(std::span<const StackRow> rows);

// Just the call-stack table (its lines end with CR LF).
void AppendStackTable(std::pmr::string& out, std::span<const StackRow> rows,
                      const TCrashModuleOptions& options);

}  // namespace huecast::crash
