// ReadUrtf on any bytes, and the runs it gives through the writer and the splitter. Besides the sanitizers'
// checks: the runs are merged and not empty, there are no more characters than bytes, written again they
// read back the same, and split into parts each part fits and the parts read back to the whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "convert/posix/iconv_code_page.h"
#include "convert/urtf_reader.h"
#include "convert/urtf_split.h"
#include "convert/urtf_writer.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

void AppendMerged(std::vector<huecast::UrtfRun>& runs, const std::vector<huecast::UrtfRun>& more) {
    for (const huecast::UrtfRun& run : more) {
        if (!runs.empty() && runs.back().format == run.format) {
            runs.back().text += run.text;
        } else {
            runs.push_back(run);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const huecast::IconvCodePageConverter cp936;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const std::vector<huecast::UrtfRun> runs = huecast::ReadUrtf(input, cp936);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        Check(!runs[i].text.empty());
        Check(i == 0 || runs[i].format != runs[i - 1].format);
        for (const char32_t c : runs[i].text)
            Check(c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
        characters += runs[i].text.size();
    }
    Check(characters <= size);

    Check(huecast::ReadUrtf(huecast::WriteUrtf(runs), cp936) == runs);

    try {
        std::vector<huecast::UrtfRun> joined;
        for (const std::string& part : huecast::SplitUrtf(runs)) {
            Check(part.size() <= huecast::kMaxUrtfBytes);
            AppendMerged(joined, huecast::ReadUrtf(part, cp936));
        }
        Check(joined == runs);
    } catch (const huecast::UrtfSplitError&) {
        // A font name read from the input can make one character too large for any message.
    }
    return 0;
}
