#include "skin/format/stored_skin.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <iterator>

#include "skin/format/bmp.h"
#include "skin/format/skin_ini.h"

namespace huecast::skin {

namespace {

constexpr std::array<const char*, 5> kRequiredSections = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
                                                          "SKINCONTROLS"};
constexpr std::size_t kInflateChunk = 4096;

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t GetU32(std::span<const std::uint8_t> data, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | data[offset + static_cast<std::size_t>(i)];
    return v;
}

std::string At(std::string_view what, std::size_t offset) {
    return std::string(what) + " at offset " + std::to_string(offset);
}

// The pixel memory the pictures of one skin take so far, refused past kMaxSkinPictureBytes.
class PixelBudget {
  public:
    void Take(const Bitmap& bitmap, const std::string& where) {
        bytes_ += bitmap.Bytes().size();
        if (bytes_ > kMaxSkinPictureBytes)
            throw SkinError(where + ": the pictures take more than the " + std::to_string(kMaxSkinPictureBytes) +
                            " bytes of pixels a skin may have");
    }

  private:
    std::size_t bytes_ = 0;
};

// The skin text as lines; a text longer than any real skin's is refused before it is split, since every
// line costs far more memory than its bytes.
std::vector<std::string> SkinTextLines(std::span<const std::uint8_t> text, const std::string& what) {
    if (text.size() > kMaxSkinText)
        throw SkinError(what + ": " + std::to_string(text.size()) + " bytes of skin text, more than the " +
                        std::to_string(kMaxSkinText) + " a skin may have");
    return SplitLines({reinterpret_cast<const char*>(text.data()), text.size()});
}

}  // namespace

void CheckSkinFileName(const std::string& name, const std::string& key) {
    bool inside = !name.empty() && name.front() != '/' && name.front() != '\\' &&
                  name.find_first_of(std::string(":\0", 2)) == std::string::npos;
    // No component may climb out: "..", however it is reached.
    for (std::size_t start = 0; inside && start <= name.size();) {
        const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
        if (name.compare(start, end - start, "..") == 0) inside = false;
        start = end + 1;
    }
    if (!inside) throw SkinError(key + ": \"" + name + "\" is not a file inside the skin's folder");
}

std::filesystem::path SkinFilePath(const std::filesystem::path& folder, const std::string& name) {
    std::string portable = name;
    std::replace(portable.begin(), portable.end(), '\\', '/');
    return folder / portable;
}

std::vector<std::string> ReadActivePictureNames(const SkinIni& ini) {
    int count = 0;
    if (const std::string* value = ini.Find("PICTURES", "activepicturescount")) ParseInteger(*value, count);
    if (count > kMaxActivePictures)
        throw SkinError("[PICTURES] activepicturescount: " + std::to_string(count) +
                        " pictures is more than the " + std::to_string(kMaxActivePictures) +
                        " a skin may have");
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back(ini.ReadString("PICTURES", std::to_string(i), ""));
    return names;
}

namespace {

Bitmap LoadPicture(const SkinFileSource& source, const std::string& name, const std::string& key,
                   PixelBudget& budget) {
    if (name.empty()) return {};
    CheckSkinFileName(name, "[PICTURES] " + key);
    std::optional<std::vector<std::uint8_t>> bytes = source(name);
    if (!bytes) throw SkinError("[PICTURES] " + key + ": the picture \"" + name + "\" was not found");
    const std::string what = "picture \"" + name + "\"";
    Bitmap bitmap = ReadBmp(*bytes, what).bitmap;
    budget.Take(bitmap, what);
    return bitmap;
}

SkinPictures LoadPictures(const SkinIni& ini, const SkinFileSource& source) {
    SkinPictures pictures;
    PixelBudget budget;
    pictures.main = LoadPicture(source, ini.ReadString("PICTURES", "picture", ""), "picture", budget);
    pictures.inactive =
        LoadPicture(source, ini.ReadString("PICTURES", "inactivepicture", ""), "inactivepicture", budget);
    pictures.mask = LoadPicture(source, ini.ReadString("PICTURES", "mask", ""), "mask", budget);
    const std::vector<std::string> names = ReadActivePictureNames(ini);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string key = std::to_string(i);
        if (names[i].empty()) throw SkinError("[PICTURES] " + key + ": active picture without a file name");
        pictures.active.push_back(LoadPicture(source, names[i], key, budget));
    }
    return pictures;
}

}  // namespace

bool HasRequiredSections(const SkinIni& ini) {
    for (const char* section : kRequiredSections)
        if (!ini.HasSection(section)) return false;
    return true;
}

std::vector<std::uint8_t> WritePicturesStream(const SkinPictures& pictures) {
    std::vector<std::uint8_t> out;
    for (const Bitmap* bitmap : {&pictures.main, &pictures.inactive, &pictures.mask}) {
        out.push_back(bitmap->Empty() ? 1 : 0);
        if (bitmap->Empty()) continue;
        const std::vector<std::uint8_t> bmp = WriteBmp(*bitmap);
        out.insert(out.end(), bmp.begin(), bmp.end());
    }
    PutU32(out, static_cast<std::uint32_t>(pictures.active.size()));
    for (std::size_t i = 0; i < pictures.active.size(); ++i) {
        // Active pictures carry no empty flag, so an empty one has no stored form.
        if (pictures.active[i].Empty())
            throw SkinError("active picture " + std::to_string(i) + " is empty and cannot be stored");
        const std::vector<std::uint8_t> bmp = WriteBmp(pictures.active[i]);
        out.insert(out.end(), bmp.begin(), bmp.end());
    }
    return out;
}

std::size_t ReadPicturesStream(std::span<const std::uint8_t> data, SkinPictures& pictures,
                               std::string_view what) {
    SkinPictures read;
    std::size_t offset = 0;
    PixelBudget budget;
    const char* names[] = {"main picture", "inactive picture", "mask"};
    Bitmap* targets[] = {&read.main, &read.inactive, &read.mask};
    for (int i = 0; i < 3; ++i) {
        if (offset >= data.size())
            throw SkinError(At(what, offset) + ": the stream ends before the " + names[i] + "'s flag");
        const bool empty = data[offset++] != 0;
        if (empty) continue;
        BmpRead bmp = ReadBmp(data.subspan(offset), At(std::string(what) + ": " + names[i], offset));
        budget.Take(bmp.bitmap, At(what, offset));
        *targets[i] = std::move(bmp.bitmap);
        offset += bmp.size;
    }
    if (data.size() - offset < 4)
        throw SkinError(At(what, offset) + ": the stream ends before the picture count");
    const auto count = static_cast<std::int32_t>(GetU32(data, offset));
    if (count > kMaxActivePictures)
        throw SkinError(At(what, offset) + ": " + std::to_string(count) +
                        " active pictures is more than the " + std::to_string(kMaxActivePictures) +
                        " a skin may have");
    offset += 4;
    for (std::int32_t i = 0; i < count; ++i) {
        BmpRead bmp = ReadBmp(data.subspan(offset),
                              At(std::string(what) + ": active picture " + std::to_string(i), offset));
        budget.Take(bmp.bitmap, At(what, offset));
        read.active.push_back(std::move(bmp.bitmap));
        offset += bmp.size;
    }
    pictures = std::move(read);
    return offset;
}

SkinFileSource FolderSource(const std::filesystem::path& folder) {
    return [folder](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
        const std::filesystem::path path = SkinFilePath(folder, name);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
        // A link inside the folder may still lead out of it.
        const std::filesystem::path base = std::filesystem::weakly_canonical(folder, error);
        const std::filesystem::path real = std::filesystem::weakly_canonical(path, error);
        if (error || std::mismatch(base.begin(), base.end(), real.begin(), real.end()).first != base.end())
            throw SkinError("\"" + name + "\" leads outside the skin's folder");
        return ReadWholeFile(path, kMaxSkinContent);
    };
}

void TStoredSkin::LoadFromSource(const std::string& iniName, const SkinFileSource& source) {
    std::optional<std::vector<std::uint8_t>> text = source(iniName);
    if (!text) throw SkinError("the skin text \"" + iniName + "\" was not found");
    std::vector<std::string> lines = SkinTextLines(*text, "the skin text \"" + iniName + "\"");
    SkinPictures loaded = LoadPictures(SkinIni(lines), source);
    fileName = iniName;
    iniStrings = std::move(lines);
    pictures = std::move(loaded);
}

void TStoredSkin::LoadFromFile(const std::filesystem::path& iniPath) {
    LoadFromSource(iniPath.filename().string(), FolderSource(iniPath.parent_path()));
}

void TStoredSkin::SetPictures(std::span<const std::uint8_t> stream) {
    ReadPicturesStream(stream, pictures, "Pictures stream");
}

std::vector<std::uint8_t> TCompressedStoredSkin::Compress(const SkinContent& content) {
    const std::vector<std::uint8_t> stream = WritePicturesStream(content.pictures);
    const std::string text = JoinLines(content.iniLines);
    std::vector<std::uint8_t> raw;
    raw.reserve(4 + stream.size() + text.size());
    PutU32(raw, content.version);
    raw.insert(raw.end(), stream.begin(), stream.end());
    raw.insert(raw.end(), text.begin(), text.end());

    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> block(size);
    if (compress2(block.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        throw SkinError("compressed skin: zlib could not compress the skin");
    block.resize(size);
    return block;
}

SkinContent TCompressedStoredSkin::Decompress() const {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw SkinError("compressed skin: zlib could not start");
    // Skins compress about tenfold: room for that at once lets inflate run in one call with no regrowing.
    // One byte more than a skin may have tells a content that is too large from one that just fits.
    std::vector<std::uint8_t> raw(std::min(kMaxSkinContent + 1, compressedData.size() * 12 + kInflateChunk));
    std::size_t size = 0;
    zs.next_in = const_cast<Bytef*>(compressedData.data());
    zs.avail_in = static_cast<uInt>(compressedData.size());
    for (;;) {
        if (size == raw.size()) {
            if (size > kMaxSkinContent) {
                inflateEnd(&zs);
                throw SkinError("compressed skin: the content inflates past " + std::to_string(kMaxSkinContent) +
                                " bytes, the most a skin may have");
            }
            raw.resize(std::min(kMaxSkinContent + 1, size * 2));
        }
        zs.next_out = raw.data() + size;
        zs.avail_out = static_cast<uInt>(raw.size() - size);
        const int status = inflate(&zs, Z_NO_FLUSH);
        size = raw.size() - zs.avail_out;
        if (status == Z_STREAM_END) break;
        // Z_BUF_ERROR means no progress was possible: all input is used and the stream has not ended.
        if (status != Z_OK) {
            const std::string message = status == Z_BUF_ERROR
                                            ? "the block ends in the middle of the zlib stream"
                                            : std::string("zlib: ") + (zs.msg ? zs.msg : "error");
            const std::size_t at = compressedData.size() - zs.avail_in;
            inflateEnd(&zs);
            throw SkinError("compressed skin: " + message + " (block offset " + std::to_string(at) + ")");
        }
    }
    inflateEnd(&zs);
    raw.resize(size);
    if (raw.size() > kMaxSkinContent)
        throw SkinError("compressed skin: the content inflates past " + std::to_string(kMaxSkinContent) +
                        " bytes, the most a skin may have");

    SkinContent content;
    if (raw.size() < 4) throw SkinError("compressed skin: the content is too short for its version field");
    content.version = GetU32(raw, 0);
    if (content.version != 1) return content;
    const std::span<const std::uint8_t> rest = std::span<const std::uint8_t>(raw).subspan(4);
    const std::size_t used = ReadPicturesStream(rest, content.pictures, "compressed skin content");
    const std::span<const std::uint8_t> text = rest.subspan(used);
    content.iniLines = SkinTextLines(text, "compressed skin content");
    return content;
}

bool TCompressedStoredSkin::LoadFromSource(const std::string& iniName, const SkinFileSource& source) {
    std::optional<std::vector<std::uint8_t>> text = source(iniName);
    if (!text) throw SkinError("the skin text \"" + iniName + "\" was not found");
    SkinContent content;
    content.iniLines = SkinTextLines(*text, "the skin text \"" + iniName + "\"");
    const SkinIni ini(content.iniLines);
    if (!HasRequiredSections(ini)) return false;
    content.pictures = LoadPictures(ini, source);
    compressedData = Compress(content);
    fileName = iniName;
    return true;
}

bool TCompressedStoredSkin::LoadFromSkinFolder(const std::filesystem::path& iniPath) {
    return LoadFromSource(iniPath.filename().string(), FolderSource(iniPath.parent_path()));
}

void TCompressedStoredSkin::LoadFromSkinFileBytes(std::span<const std::uint8_t> bytes) {
    compressedData.clear();
    if (bytes.size() < 8)
        throw SkinError("compressed skin file: " + std::to_string(bytes.size()) +
                        " bytes, too short for its version and length");
    if (GetU32(bytes, 0) != 1) return;
    const auto length = static_cast<std::int32_t>(GetU32(bytes, 4));
    if (length < 0) throw SkinError("compressed skin file: the block length " + std::to_string(length) + " is negative");
    if (static_cast<std::size_t>(length) > bytes.size() - 8)
        throw SkinError("compressed skin file: cut short, its header announces " + std::to_string(length) +
                        " bytes of skin and " + std::to_string(bytes.size() - 8) + " follow");
    compressedData.assign(bytes.begin() + 8, bytes.begin() + 8 + length);
}

void TCompressedStoredSkin::LoadFromSkinFile(const std::filesystem::path& path) {
    compressedData.clear();
    LoadFromSkinFileBytes(ReadWholeFile(path, kMaxSkinContent + 8));
    compressedFileName = path.string();
}

std::vector<std::uint8_t> TCompressedStoredSkin::SkinFileBytes() const {
    std::vector<std::uint8_t> out;
    PutU32(out, 1);
    PutU32(out, static_cast<std::uint32_t>(compressedData.size()));
    out.insert(out.end(), compressedData.begin(), compressedData.end());
    return out;
}

void TCompressedStoredSkin::SaveToSkinFile(const std::filesystem::path& path) const {
    WriteWholeFile(path, SkinFileBytes());
}

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path, std::size_t limit) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw SkinError("cannot open \"" + path.string() + "\"");
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > limit)
        throw SkinError("\"" + path.string() + "\" is " + std::to_string(size) + " bytes, more than the " +
                        std::to_string(limit) + " a skin file may have");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw SkinError("cannot read \"" + path.string() + "\"");
    return bytes;
}

void WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw SkinError("cannot write \"" + path.string() + "\"");
}

}  // namespace huecast::skin
