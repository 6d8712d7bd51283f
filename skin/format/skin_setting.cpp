#include "skin/format/skin_setting.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "base/profile_text.h"

namespace huecast::skin {

namespace {

constexpr const char* kSection = "Skin";
constexpr const char* kKey = "name";
// Far above any settings file this program writes: a larger file is not ours and is not read.
constexpr std::uintmax_t kMaxSettingsBytes = 64 * 1024;

std::optional<std::string> ReadText(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kMaxSettingsBytes) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return text;
}

}  // namespace

std::optional<std::string> ReadChosenSkin(const std::filesystem::path& settingsFile) {
    const std::optional<std::string> text = ReadText(settingsFile);
    if (!text) return std::nullopt;
    std::optional<std::string> name = ProfileText(*text).Read(kSection, kKey);
    if (name && name->empty()) return std::nullopt;
    return name;
}

void WriteChosenSkin(const std::filesystem::path& settingsFile, const std::string& name) {
    ProfileText settings(ReadText(settingsFile).value_or(""));
    settings.Write(kSection, kKey, name);
    const std::string text = settings.Text();
    std::filesystem::path temporary = settingsFile;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) throw std::runtime_error("cannot write \"" + temporary.string() + "\"");
    }
    std::error_code error;
    std::filesystem::rename(temporary, settingsFile, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw std::runtime_error("cannot replace \"" + settingsFile.string() + "\"");
    }
}

}  // namespace huecast::skin
