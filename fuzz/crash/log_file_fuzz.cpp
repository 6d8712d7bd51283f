// The log file is read back from disk, where anything may have been written into it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "crash/log_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    huecast::crash::TLogFile log;
    log.Load(text);
    // Writing and reading again keeps every record.
    const std::pmr::string written = log.Text();
    huecast::crash::TLogFile again;
    again.Load(written);
    if (again.Count() != log.Count()) std::abort();
    for (std::size_t i = 0; i < log.Count(); ++i)
        if (again.Record(i) != log.Record(i)) std::abort();
    // The policy on a log of any content, with the input as the new report too.
    huecast::crash::TCrashModuleOptions options;
    options.maximumRecords = 3;
    huecast::crash::ApplyReportToLog(log, text, options);
    if (log.Count() > 3) std::abort();
    (void)log.LastVersion();
    return 0;
}
