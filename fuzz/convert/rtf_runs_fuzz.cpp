// ReadRtfRuns on any bytes, as a damaged favourite or another program's RTF would give it. Besides the
// sanitizers' checks: the runs never hold more code units than the document has bytes, and no run is empty.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "convert/posix/iconv_code_page.h"
#include "convert/rtf_runs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const huecast::IconvCodePageConverter cp936;
    const std::string_view rtf(reinterpret_cast<const char*>(data), size);
    std::size_t units = 0;
    for (const huecast::TextRun& run : huecast::ReadRtfRuns(rtf, cp936)) {
        if (run.text.empty()) std::abort();
        units += run.text.size();
    }
    if (units > size) std::abort();
    return 0;
}
