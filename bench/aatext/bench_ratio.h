// Benchmarks measured as ratios: every operation is registered with a memcpy of the same number of bytes,
// both run in the same process one after the other, and the summary prints operation time / memcpy time,
// which holds still on a shared, noisy machine where absolute times do not.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace huecast::bench {

struct Pair {
    std::string name;
    std::size_t bytes;
};

inline std::vector<Pair>& Pairs() {
    static std::vector<Pair> pairs;
    return pairs;
}

// Registers `op` as NAME and a memcpy of `bytes` as memcpy/NAME. `op` runs the operation once per call.
inline void Register(const std::string& name, std::size_t bytes, std::function<void()> op) {
    Pairs().push_back({name, bytes});
    benchmark::RegisterBenchmark(name.c_str(), [op](benchmark::State& state) {
        for (auto _ : state)
            op();
    });
    benchmark::RegisterBenchmark(("memcpy/" + name).c_str(), [bytes](benchmark::State& state) {
        std::vector<char> from(bytes, 1), to(bytes);
        for (auto _ : state) {
            std::memcpy(to.data(), from.data(), bytes);
            benchmark::DoNotOptimize(to.data());
            benchmark::ClobberMemory();
        }
    });
}

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        std::printf("\n%-48s %10s %12s\n", "operation", "bytes", "x memcpy");
        for (const Pair& pair : Pairs()) {
            const auto op = times_.find(pair.name);
            const auto copy = times_.find("memcpy/" + pair.name);
            if (op == times_.end() || copy == times_.end() || copy->second <= 0) continue;
            std::printf("%-48s %10zu %12.2f\n", pair.name.c_str(), pair.bytes, op->second / copy->second);
        }
    }

  private:
    std::map<std::string, double> times_;
};

inline int RunWithRatios(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}

}  // namespace huecast::bench
