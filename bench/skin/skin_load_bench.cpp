// Loading the built-in skin, measured against reading the same bytes (a memcpy of the skin text and the
// Pictures stream), side by side in one run; and loading the second built-in skin from its compressed skin
// file, as a skin chosen from the skins folder is loaded, against reading that file's bytes.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstring>
#include <map>
#include <string>

#include "skin/format/skin_data.h"

namespace {

using namespace huecast::skin;

const std::filesystem::path kOrange = std::filesystem::path(HUECAST_SOURCE_DIR) / "app/resources/orange";

// The skin folder held in memory, as the program's resources hold it.
struct Files {
    std::map<std::string, std::vector<std::uint8_t>> bytes;
    std::size_t total = 0;
    Files() {
        for (const char* name :
             {"skin.ini", "main.bmp", "pw.bmp", "menuitems.bmp", "active.bmp", "controls.bmp", "hw.bmp"}) {
            bytes[name] = ReadWholeFile(kOrange / name);
            total += bytes[name].size();
        }
    }
    SkinFileSource Source() const {
        return [this](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
            const auto it = bytes.find(name);
            if (it == bytes.end()) return std::nullopt;
            return it->second;
        };
    }
};

const Files& OrangeFiles() {
    static const Files files;
    return files;
}

void BM_ReadSameBytes(benchmark::State& state) {
    const Files& files = OrangeFiles();
    std::vector<std::uint8_t> target(files.total);
    for (auto _ : state) {
        std::uint8_t* out = target.data();
        for (const auto& [name, bytes] : files.bytes) {
            std::memcpy(out, bytes.data(), bytes.size());
            out += bytes.size();
        }
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.total));
}
BENCHMARK(BM_ReadSameBytes);

// What the main window does at creation: the stored skin from its files, then the skin data from it.
void BM_LoadBuiltInSkin(benchmark::State& state) {
    const Files& files = OrangeFiles();
    for (auto _ : state) {
        TStoredSkin stored;
        stored.LoadFromSource("skin.ini", files.Source());
        TSkinData data;
        data.SetStoredSkin(&stored);
        benchmark::DoNotOptimize(data.Controls().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.total));
}
BENCHMARK(BM_LoadBuiltInSkin);

// The skin data alone, from a stored skin already in memory (a reload on a skin change).
void BM_LoadSkinDataFromStoredSkin(benchmark::State& state) {
    TStoredSkin stored;
    stored.LoadFromSource("skin.ini", OrangeFiles().Source());
    for (auto _ : state) {
        TSkinData data;
        data.SetStoredSkin(&stored);
        benchmark::DoNotOptimize(data.Controls().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * OrangeFiles().total));
}
BENCHMARK(BM_LoadSkinDataFromStoredSkin);

void BM_LoadCompressedSkin(benchmark::State& state) {
    TCompressedStoredSkin compressed;
    compressed.LoadFromSource("skin.ini", OrangeFiles().Source());
    for (auto _ : state) {
        TSkinData data;
        data.SetCompressedStoredSkin(&compressed);
        benchmark::DoNotOptimize(data.Controls().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * OrangeFiles().total));
}
BENCHMARK(BM_LoadCompressedSkin);

// Basalt as one compressed skin file, the form a user installs in the skins folder. The file is this
// process's own, so that benchmarks run side by side do not rewrite it under each other.
class BasaltSkinFile {
  public:
    BasaltSkinFile()
        : path_(std::filesystem::temp_directory_path() /
                ("huecast-bench-basalt-" + std::to_string(::getpid()) + ".skn")) {
        TCompressedStoredSkin compressed;
        compressed.LoadFromSkinFolder(std::filesystem::path(HUECAST_SOURCE_DIR) / "app/resources/basalt/skin.ini");
        compressed.SaveToSkinFile(path_);
    }
    ~BasaltSkinFile() {
        std::error_code error;
        std::filesystem::remove(path_, error);
    }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

const std::filesystem::path& BasaltFile() {
    static const BasaltSkinFile file;
    return file.Path();
}

void BM_ReadBasaltFile(benchmark::State& state) {
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(BasaltFile());
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ReadBasaltFile);

void BM_CopyBasaltFileBytes(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(BasaltFile());
    std::vector<std::uint8_t> target(bytes.size());
    for (auto _ : state) {
        std::memcpy(target.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyBasaltFileBytes);

// Reading the file, inflating it, and building the skin data with its 24-bit pictures.
void BM_LoadBasaltFile(benchmark::State& state) {
    for (auto _ : state) {
        TCompressedStoredSkin compressed;
        compressed.LoadFromSkinFile(BasaltFile());
        TSkinData data;
        data.SetCompressedStoredSkin(&compressed);
        benchmark::DoNotOptimize(data.Controls().size());
    }
}
BENCHMARK(BM_LoadBasaltFile);

}  // namespace

BENCHMARK_MAIN();
