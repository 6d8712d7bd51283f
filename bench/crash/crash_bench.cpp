// The report's text, the log's reading and Base64, each measured beside a memcpy of the bytes it produces
// or reads, so the figures read as ratios on a shared, noisy machine.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "crash/log_file.h"
#include "crash/mail.h"
#include "crash/report.h"
#include "crash/stack_map.h"

namespace huecast::crash {
namespace {

std::vector<StackRow> SampleStack(int rows) {
    std::vector<StackRow> stack;
    for (int i = 0; i < rows; ++i)
        stack.push_back({0x140001000u + 0x40u * i, "C:\\Program Files\\Huecast\\huecast.exe", "app/form1.cpp",
                         "huecast::TForm1", "SendClick", 100 + i});
    return stack;
}

ReportData SampleData(std::span<const StackRow> stack) {
    ReportData d;
    d.startTime = {2026, 1, 2, 3, 4, 5};
    d.description = "Huecast";
    d.version = "2.4.0.0";
    d.exceptionTime = d.startTime;
    d.address = 0x140001000;
    d.module = "huecast.exe";
    d.type = "EAccessViolation";
    d.message = "Access violation writing address 0000000000000000 (100%).";
    d.computerName = "DESK";
    d.osName = "Microsoft Windows XP";
    d.osBuild = "2600";
    d.language = "Chinese";
    d.stack = stack;
    return d;
}

const TCrashModuleOptions kOptions;

void BM_BuildReport(benchmark::State& state) {
    const auto stack = SampleStack(50);
    const ReportData data = SampleData(stack);
    std::vector<char> arena(1 << 20);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::pmr::monotonic_buffer_resource memory(arena.data(), arena.size());
        const std::pmr::string report = BuildReport(data, kOptions, &memory);
        bytes = report.size();
        benchmark::DoNotOptimize(report.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_BuildReport);

void BM_MemcpyReportBytes(benchmark::State& state) {
    const auto stack = SampleStack(50);
    const std::string report(BuildReport(SampleData(stack), kOptions));
    std::string copy(report.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), report.data(), report.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * report.size()));
}
BENCHMARK(BM_MemcpyReportBytes);

std::string SampleLog(int records) {
    const auto stack = SampleStack(30);
    TLogFile log;
    for (int i = 0; i < records; ++i) {
        ReportData d = SampleData(stack);
        d.address += i;
        log.Add(std::string(BuildReport(d, kOptions)));
    }
    return std::string(log.Text());
}

void BM_LoadLog(benchmark::State& state) {
    const std::string text = SampleLog(20);
    for (auto _ : state) {
        TLogFile log;
        log.Load(text);
        benchmark::DoNotOptimize(log.Count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LoadLog);

void BM_MemcpyLogBytes(benchmark::State& state) {
    const std::string text = SampleLog(20);
    std::string copy(text.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), text.data(), text.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_MemcpyLogBytes);

void BM_Base64Lines(benchmark::State& state) {
    const std::string text = SampleLog(20);
    for (auto _ : state)
        benchmark::DoNotOptimize(Base64Lines(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Base64Lines);

void BM_StackMapFind(benchmark::State& state) {
    // 20000 functions, 100000 line rows, names interned once.
    std::vector<std::uint8_t> payload;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            payload.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    const std::string strings =
        std::string("huecast::TForm1::SendClick()") + '\0' + "app/form1.cpp" + '\0';
    u32(1), u32(20000), u32(100000), u32(static_cast<std::uint32_t>(strings.size()));
    for (std::uint32_t i = 0; i < 20000; ++i)
        u32(0x1000 + i * 80), u32(0);
    for (std::uint32_t i = 0; i < 100000; ++i)
        u32(0x1000 + i * 16), u32(i), u32(36);
    payload.insert(payload.end(), strings.begin(), strings.end());
    const auto map = StackMap::Parse(payload);
    std::uint32_t rva = 0x1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(map->Find(rva));
        rva = 0x1000 + (rva * 2654435761u) % (20000 * 80);
    }
}
BENCHMARK(BM_StackMapFind);

}  // namespace
}  // namespace huecast::crash

BENCHMARK_MAIN();
