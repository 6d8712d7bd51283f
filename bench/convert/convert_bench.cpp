// The conversion and the editor's RTF writer, measured against memcpy of the same bytes in the same run.
//
// A work too long for one message is converted whole (every character, past the plain text's limit of 499
// code units), read back and split into messages: BM_ConvertAndSplit against BM_ConvertToUrtfWhole on the
// same work is what splitting costs (the goal: at most 3 times).
// ConvertToUrtf runs on messages of about 400 bytes, 4 KB and 64 KB of RTF: linear time shows as the same
// bytes per second at every size. Past 499 characters the plain text yields no code units (the messenger
// refuses such a message anyway), so ConvertBodyWithGroups is measured too, with a code unit for every
// character of the 64 KB body: the pairing itself at full load.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "convert/editor_rtf.h"
#include "convert/posix/iconv_code_page.h"
#include "convert/rtf_runs.h"
#include "convert/urtf.h"
#include "convert/urtf_reader.h"
#include "convert/urtf_split.h"

namespace huecast {
namespace {

// A message of Chinese characters and a few ASCII words, a new colour and now and then a new size every few
// characters, as random colouring gives it; its RTF is about `rtfBytes` long.
struct Message {
    std::vector<TextRun> runs;
    std::string plain;
    std::string rtf;
};

const IconvCodePageConverter& Cp936() {
    static const IconvCodePageConverter converter;
    return converter;
}

Message MakeMessage(std::size_t rtfBytes) {
    static const char16_t* const kPieces[] = {u"你", u"好", u"中", u"文", u" ok", u"，", u"“", u"”",
                                              u"心", u"悴", u"一"};
    static const std::uint32_t kColours[] = {0x0000FF, 0x000000, 0xC0DCC0, 0xFF0000, 0xFF00FF, 0x808000};
    Message message;
    for (std::size_t i = 0; message.rtf.size() < rtfBytes; ++i) {
        TextRun run{u"", {"\xcb\xce\xcc\xe5", 134, i % 7 == 0 ? 40 : 60, 0, kColours[i % 6]}};
        for (std::size_t k = 0; k < 3; ++k)
            run.text += kPieces[(i * 3 + k) % std::size(kPieces)];
        message.plain += *Cp936().FromUtf16(run.text);
        message.runs.push_back(std::move(run));
        // Written again only now and then once it is long: the size grows by a few dozen bytes a run.
        if (i < 64 || i % 64 == 0) message.rtf = WriteEditorRtf(message.runs, Cp936());
    }
    message.rtf = WriteEditorRtf(message.runs, Cp936());
    return message;
}

void BM_ConvertToUrtf(benchmark::State& state) {
    const Message message = MakeMessage(static_cast<std::size_t>(state.range(0)));
    const IconvCodePageConverter cp936;
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertToUrtf(message.rtf, message.plain, cp936));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * message.rtf.size()));
    state.counters["rtf_bytes"] = static_cast<double>(message.rtf.size());
}
BENCHMARK(BM_ConvertToUrtf)->Arg(400)->Arg(4 << 10)->Arg(64 << 10);

// Every character converted, as a work sent in parts is, without the plain text's limit of 499 code units.
void BM_ConvertToUrtfWhole(benchmark::State& state) {
    const Message message = MakeMessage(static_cast<std::size_t>(state.range(0)));
    const IconvCodePageConverter cp936;
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertToUrtf(message.rtf, message.plain, cp936, SIZE_MAX));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * message.rtf.size()));
}
BENCHMARK(BM_ConvertToUrtfWhole)->Arg(4 << 10)->Arg(64 << 10);

void BM_ConvertAndSplit(benchmark::State& state) {
    const Message message = MakeMessage(static_cast<std::size_t>(state.range(0)));
    const IconvCodePageConverter cp936;
    std::size_t parts = 0;
    for (auto _ : state) {
        const std::vector<UrtfRun> runs =
            ReadUrtf(ConvertToUrtf(message.rtf, message.plain, cp936, SIZE_MAX), cp936);
        const std::vector<std::string> split = SplitUrtf(runs);
        parts = split.size();
        benchmark::DoNotOptimize(split.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * message.rtf.size()));
    state.counters["parts"] = static_cast<double>(parts);
}
BENCHMARK(BM_ConvertAndSplit)->Arg(4 << 10)->Arg(64 << 10);

void BM_ConvertBodyWithGroups(benchmark::State& state) {
    const Message message = MakeMessage(static_cast<std::size_t>(state.range(0)));
    const std::string body = message.rtf.substr(message.rtf.find("\\pard"));
    // Every code unit of the plain text, without the 499 limit of HexCodeUnits.
    std::string hex;
    for (const char16_t unit : IconvCodePageConverter().ToUtf16(message.plain)) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        for (int shift = 12; shift >= 0; shift -= 4)
            hex.push_back(kDigits[(unit >> shift) & 0xF]);
    }
    const std::vector<std::string_view> groups = EscapedCodeUnitGroups(hex);
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertBodyWithGroups(body, groups));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * body.size()));
    state.counters["groups"] = static_cast<double>(groups.size());
}
BENCHMARK(BM_ConvertBodyWithGroups)->Arg(400)->Arg(4 << 10)->Arg(64 << 10);

void BM_WriteEditorRtf(benchmark::State& state) {
    const Message message = MakeMessage(400);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteEditorRtf(message.runs, Cp936()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * message.rtf.size()));
    state.counters["rtf_bytes"] = static_cast<double>(message.rtf.size());
}
BENCHMARK(BM_WriteEditorRtf);

// Reading the runs back from RTF: linear, so the same bytes per second at every size.
void BM_ReadRtfRuns(benchmark::State& state) {
    const Message message = MakeMessage(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadRtfRuns(message.rtf, Cp936()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * message.rtf.size()));
}
BENCHMARK(BM_ReadRtfRuns)->Arg(4 << 10)->Arg(64 << 10);

// The yardstick: copying the same number of bytes.
void BM_Memcpy(benchmark::State& state) {
    const std::string source = MakeMessage(static_cast<std::size_t>(state.range(0))).rtf;
    std::string target(source.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}
BENCHMARK(BM_Memcpy)->Arg(400)->Arg(64 << 10);

}  // namespace
}  // namespace huecast

BENCHMARK_MAIN();
