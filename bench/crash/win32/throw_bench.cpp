// A C++ exception thrown and caught inside the program, with the crash reporter installed and without it.
// The reporter cannot be taken out of a process once it is in, so each side runs in a process of its own,
// started in alternating rounds; the ratio is that of the medians.
//
//   crash_throw_win32_bench                     runs the rounds and prints the figures
//   crash_throw_win32_bench with|without BATCHES  one side: times BATCHES batches of throws and prints the
//                                                median seconds per throw
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/win32/side_by_side.h"
#include "crash/win32/crash_reporter.h"

namespace {

constexpr int kDepth = 30;    // frames below the catch, as in a window procedure's handler
constexpr int kBatch = 200;   // throws timed together
constexpr int kBatches = 25;  // per process; the median batch counts
constexpr int kRounds = 9;

__attribute__((noinline)) void Fail(int code) {
    throw std::runtime_error("Invalid line! " + std::to_string(code));
}

// The usual shape: a parser's failure caught by its caller, deep in the program's stack.
__attribute__((noinline)) int ParseOrDefault(int code) {
    try {
        Fail(code);
    } catch (const std::runtime_error&) {
        return -1;
    }
    return 0;
}

__attribute__((noinline)) int Nested(int depth, int code) {
    if (depth == 0) return ParseOrDefault(code);
    volatile int keep = Nested(depth - 1, code);  // not a tail call: every frame stays on the stack
    return keep + 1;
}

// Seconds per throw: the median of many short batches, so a moment of load on the machine counts little.
double ThrowSeconds(int batches) {
    std::vector<double> perThrow;
    for (int b = 0; b < batches; ++b) {
        const double start = huecast::bench::Seconds();
        for (int i = 0; i < kBatch; ++i)
            Nested(kDepth, i);
        perThrow.push_back((huecast::bench::Seconds() - start) / kBatch);
    }
    return huecast::bench::Median(perThrow);
}

double RunSide(const char* side) {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = "\"";
    command.append(exe).append("\" ").append(side).append(" ").append(std::to_string(kBatches));
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    CreatePipe(&read, &write, &inherit, 0);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot start %s\n", command.c_str());
        std::exit(1);
    }
    CloseHandle(write);
    std::string out;
    char buffer[256];
    DWORD n = 0;
    while (ReadFile(read, buffer, sizeof buffer, &n, nullptr) && n > 0)
        out.append(buffer, n);
    CloseHandle(read);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return std::atof(out.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3) {
        if (std::string(argv[1]) == "with") {
            huecast::crash::TCrashModuleOptions options;
            options.display = huecast::crash::DisplayMode::None;
            huecast::crash::InstallCrashReporter(options);
        }
        ThrowSeconds(1);  // warm up
        std::printf("%.9f\n", ThrowSeconds(std::atoi(argv[2])));
        return 0;
    }
    std::vector<double> with, without;
    for (int round = 0; round < kRounds; ++round) {
        with.push_back(RunSide("with"));
        without.push_back(RunSide("without"));
    }
    const double a = huecast::bench::Median(with), b = huecast::bench::Median(without);
    std::printf("throw and catch, reporter installed  %10.2f us\n", a * 1e6);
    std::printf("throw and catch, no reporter         %10.2f us\n", b * 1e6);
    std::printf("ratio (installed / none)             %10.2f\n", a / b);
    return 0;
}
