#include "crash/report.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <cstdio>
#include <vector>

#include "base/text.h"

namespace huecast::crash {

namespace {

constexpr std::string_view kNewLine = "\r\n";

struct Field {
    TextIndex label;
    ReportField field;
    std::string_view value;
};

// A value stays on its own line: a line break inside it (an exception message may have any) would move
// the lines that log records are compared by, or end a record early.
void AppendValue(std::pmr::string& out, std::string_view value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
            out += ' ';
            continue;
        }
        out += c;
        if (c == '%') out += '%';
    }
}

void AppendPadded(std::pmr::string& out, std::string_view text, std::size_t width, char fill = ' ') {
    out += text;
    if (text.size() < width) out.append(width - text.size(), fill);
}

void AppendBlock(std::pmr::string& out, const TCrashModuleOptions& options, TextIndex header,
                 std::span<const Field> fields) {
    out += options.Text(header);
    out += "...";
    out += kNewLine;
    std::size_t width = 0;
    for (const Field& f : fields)
        width = std::max(width, options.Text(f.label).size());
    for (const Field& f : fields) {
        out += "  ";
        AppendPadded(out, options.Text(f.label), width);
        out += ": ";
        if (options.FieldOn(f.field)) AppendValue(out, f.value);
        out += kNewLine;
    }
    out += kNewLine;
}

}  // namespace

namespace {

// Short figures are formatted into fixed buffers, so a report needs the heap only for its own text.
struct ShortText {
    char text[48] = {};
    operator std::string_view() const { return text; }
};

ShortText TimeText(const ReportTime& t) {
    ShortText out;
    std::snprintf(out.text, sizeof out.text, "%02d/%02d/%04d %02d:%02d:%02d", t.month, t.day, t.year, t.hour,
                  t.minute, t.second);
    return out;
}

ShortText MegabytesText(std::uint64_t bytes) {
    ShortText out;
    std::snprintf(out.text, sizeof out.text, "%" PRIu64 " Mb", bytes / (1024 * 1024));
    return out;
}

ShortText GigabytesText(std::uint64_t bytes) {
    // Hundredths, rounded half up, so "0.##" drops trailing zeros afterwards.
    const auto hundredths = static_cast<std::uint64_t>(bytes * 100.0L / (1024.0L * 1024 * 1024) + 0.5L);
    const unsigned fraction = static_cast<unsigned>(hundredths % 100);
    ShortText out;
    if (fraction == 0)
        std::snprintf(out.text, sizeof out.text, "%" PRIu64 " Gb", hundredths / 100);
    else if (fraction % 10 == 0)
        std::snprintf(out.text, sizeof out.text, "%" PRIu64 ".%u Gb", hundredths / 100, fraction / 10);
    else
        std::snprintf(out.text, sizeof out.text, "%" PRIu64 ".%02u Gb", hundredths / 100, fraction);
    return out;
}

}  // namespace

std::string FormatReportTime(const ReportTime& time) {
    return std::string(TimeText(time));
}
std::string FormatMegabytes(std::uint64_t bytes) {
    return std::string(MegabytesText(bytes));
}
std::string FormatGigabytes(std::uint64_t bytes) {
    return std::string(GigabytesText(bytes));
}

std::string SystemName(Platform platform, unsigned major, unsigned minor, unsigned build,
                       std::string_view serviceText) {
    if (platform == Platform::Windows9x) {
        if (minor < 10) return serviceText == "B" ? "Microsoft Windows 95 OSR 2" : "Microsoft Windows 95";
        if (minor < 90) return serviceText == "A" ? "Microsoft Windows 98 SE" : "Microsoft Windows 98";
        if (minor == 90) return "Microsoft Winsows ME";
        return {};
    }
    if (major == 4) return "Microsoft Windows NT 4.0";
    if (major == 5 && minor == 0) return "Microsoft Windows 2000";
    if (major == 5 && minor == 1) return "Microsoft Windows XP";
    if (major == 5 && minor == 2) return "Microsoft Windows 2003";
    // The systems the program runs on today would otherwise all be reported nameless.
    if (major == 6 && minor == 0) return "Microsoft Windows Vista";
    if (major == 6 && minor == 1) return "Microsoft Windows 7";
    if (major == 6 && minor == 2) return "Microsoft Windows 8";
    if (major == 6 && minor == 3) return "Microsoft Windows 8.1";
    if (major == 10 && minor == 0) return build >= 22000 ? "Microsoft Windows 11" : "Microsoft Windows 10";
    return {};
}

void AppendStackTable(std::pmr::string& out, std::span<const StackRow> rows,
                      const TCrashModuleOptions& options) {
    constexpr int kColumns = 6;
    // Cells as text; the address and line are formatted once into fixed buffers per row.
    struct Cells {
        char address[20];
        char line[12];
    };
    std::pmr::vector<Cells> formatted(rows.size(), out.get_allocator().resource());
    std::array<std::size_t, kColumns> widths{};
    for (int c = 0; c < kColumns; ++c)
        widths[c] = options.Text(static_cast<TextIndex>(txColumnAddress + c)).size();
    widths[0] = std::max<std::size_t>(widths[0], 8);

    auto cell = [&](std::size_t row, int column) -> std::string_view {
        const StackRow& r = rows[row];
        switch (column) {
            case 0:
                return formatted[row].address;
            case 1: {
                const std::size_t slash = r.module.find_last_of("\\/");
                return slash == std::string_view::npos ? r.module : r.module.substr(slash + 1);
            }
            case 2:
                return r.unit;
            case 3:
                return r.className;
            case 4:
                return r.procedure;
            default:
                return formatted[row].line;
        }
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::snprintf(formatted[i].address, sizeof formatted[i].address, "%08" PRIX64, rows[i].address);
        formatted[i].line[0] = '\0';
        if (rows[i].line != 0) std::snprintf(formatted[i].line, sizeof formatted[i].line, "%d", rows[i].line);
        for (int c = 0; c < kColumns; ++c)
            widths[c] = std::max(widths[c], cell(i, c).size());
    }

    std::size_t ruleLength = 7;
    for (std::size_t w : widths)
        ruleLength += w;
    auto rule = [&] {
        out.append(ruleLength, '-');
        out += kNewLine;
    };
    auto row = [&](auto&& text) {
        out += '|';
        for (int c = 0; c < kColumns; ++c) {
            AppendPadded(out, text(c), widths[c]);
            out += '|';
        }
        out += kNewLine;
    };

    rule();
    row([&](int c) -> std::string_view { return options.Text(static_cast<TextIndex>(txColumnAddress + c)); });
    rule();
    for (std::size_t i = 0; i < rows.size(); ++i)
        row([&](int c) { return cell(i, c); });
    rule();
}

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::size_t LeadingRuntimeRows(std::span<const StackRow> rows) {
    static constexpr std::string_view kRuntimeModules[] = {"ntdll", "kernel32", "kernelbase", "msvcrt",
                                                           "ucrtbase"};
    static constexpr std::string_view kRuntimeScopes[] = {"huecast::crash", "__cxxabiv1", "__gnu_cxx"};
    static constexpr std::string_view kRuntimePrefixes[] = {"__cxa_", "_Unwind_", "__gxx_personality",
                                                            "_GCC_specific_handler"};
    static constexpr std::string_view kRuntimeFunctions[] = {"abort", "raise", "_invalid_parameter",
                                                             "_invalid_parameter_noinfo"};
    auto isRuntime = [&](const StackRow& row) {
        for (std::string_view module : kRuntimeModules)
            if (ContainsIgnoringAsciiCase(row.module, module)) return true;
        for (std::string_view scope : kRuntimeScopes)
            if (StartsWith(row.className, scope)) return true;
        for (std::string_view prefix : kRuntimePrefixes)
            if (StartsWith(row.procedure, prefix)) return true;
        if (row.className.empty())
            for (std::string_view name : kRuntimeFunctions)
                if (row.procedure == name) return true;
        return row.className == "std" &&
               (row.procedure == "terminate" || row.procedure == "rethrow_exception");
    };
    std::size_t n = 0;
    while (n < rows.size() && isRuntime(rows[n]))
        ++n;
    return n == rows.size() ? 0 : n;
}

std::pmr::string BuildReport(const ReportData& d, const TCrashModuleOptions& options,
                             std::pmr::memory_resource* memory) {
    std::pmr::string out(memory);
    out.reserve(4096 + d.stack.size() * 160);

    char address[20];
    std::snprintf(address, sizeof address, "%08" PRIX64, d.address);
    const ShortText startTime = TimeText(d.startTime);
    const ShortText exceptionTime = TimeText(d.exceptionTime);
    const ShortText totalMemory = MegabytesText(d.totalMemory);
    const ShortText freeMemory = MegabytesText(d.freeMemory);
    const ShortText totalDisk = GigabytesText(d.totalDisk);
    const ShortText freeDisk = GigabytesText(d.freeDisk);

    const Field application[] = {
        {txStartDate, rfStartDate, startTime},
        {txNameDescription, rfNameDescription, d.description},
        {txVersionNumber, rfVersionNumber, d.version},
    };
    AppendBlock(out, options, txApplication, application);

    const Field exception[] = {
        {txDate, rfExceptionDate, exceptionTime}, {txAddress, rfAddress, address},
        {txModule, rfModule, d.module},           {txType, rfType, d.type},
        {txMessage, rfMessage, d.message},
    };
    AppendBlock(out, options, txException, exception);

    if (d.hasActiveWindow) {
        const Field controls[] = {
            {txFormClass, rfFormClass, d.formClass},
            {txFormText, rfFormText, d.formText},
            {txControlClass, rfControlClass, d.controlClass},
            {txControlText, rfControlText, d.controlText},
        };
        AppendBlock(out, options, txActiveControls, controls);
    }

    const Field computer[] = {
        {txName, rfComputerName, d.computerName}, {txTotalMemory, rfTotalMemory, totalMemory},
        {txFreeMemory, rfFreeMemory, freeMemory}, {txTotalDisk, rfTotalDisk, totalDisk},
        {txFreeDisk, rfFreeDisk, freeDisk},
    };
    AppendBlock(out, options, txComputer, computer);

    const Field system[] = {
        {txOsType, rfOsType, d.osName},
        {txBuild, rfBuild, d.osBuild},
        {txLanguage, rfLanguage, d.language},
    };
    AppendBlock(out, options, txOperatingSystem, system);

    AppendStackTable(out, d.stack, options);
    return out;
}

}  // namespace huecast::crash
