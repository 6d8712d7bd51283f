// Skin storage: the skin text with its bitmaps, kept inside the program (TStoredSkin) or as one
// zlib-compressed block (TCompressedStoredSkin), and the compressed skin file that carries such a block.
//
// Everything read here may come from a stranger's skin file: lengths, counts and picture sizes are checked
// (kMaxActivePictures, kMaxSkinContent, the limits of bmp.h) and a bad one throws SkinError saying what was
// wrong and at which offset.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/bitmap.h"
#include "skin/format/skin_ini.h"

namespace huecast::skin {

inline constexpr std::int32_t kMaxActivePictures = 1024;
// The largest decompressed skin accepted: far above any real skin, far below a zip bomb's appetite.
inline constexpr std::size_t kMaxSkinContent = 64u * 1024 * 1024;
// The most pixel memory the pictures of one skin may take once decoded (1- and 4-bit files grow eightfold
// and twofold as 8-bit pictures, so the stream's size alone does not bound it).
inline constexpr std::size_t kMaxSkinPictureBytes = 128u * 1024 * 1024;
// The longest skin text accepted; real ones take tens of kilobytes.
inline constexpr std::size_t kMaxSkinText = 4u * 1024 * 1024;

// The sections without which a text is not a skin.
bool HasRequiredSections(const SkinIni& ini);

// The active-picture file names of [PICTURES] (activepicturescount, then keys 0 to n - 1).
std::vector<std::string> ReadActivePictureNames(const SkinIni& ini);

// The pictures of a skin in the order the streams carry them. An empty bitmap is "no picture".
struct SkinPictures {
    Bitmap main;
    Bitmap inactive;
    Bitmap mask;
    std::vector<Bitmap> active;  // index = picture index
};

// The `Pictures` stream: three flagged bitmaps, a signed count, then the active pictures. Read returns the
// bytes it took, so the compressed content can carry text after it.
std::vector<std::uint8_t> WritePicturesStream(const SkinPictures& pictures);
std::size_t ReadPicturesStream(std::span<const std::uint8_t> data, SkinPictures& pictures,
                               std::string_view what);

// A file name of skin.ini must name a file inside the skin's folder: relative, without a ".." part, a
// drive or stream (":") or a NUL; sub-folders are fine, with "\\" or "/". Throws SkinError naming `key`.
void CheckSkinFileName(const std::string& name, const std::string& key);
// Where such a name lies in `folder`, with either separator read as one.
std::filesystem::path SkinFilePath(const std::filesystem::path& folder, const std::string& name);

// Reads a file of a skin folder by its name as written in skin.ini; nullopt when it does not exist.
using SkinFileSource = std::function<std::optional<std::vector<std::uint8_t>>(const std::string& name)>;
// Files inside `folder`: a name whose file lies outside it (through a link) or that is larger than
// kMaxSkinContent throws SkinError.
SkinFileSource FolderSource(const std::filesystem::path& folder);

// The skin text and bitmaps kept inside the program.
class TStoredSkin {
  public:
    std::string fileName;                 // the bare file name the skin came from; informational
    std::vector<std::string> iniStrings;  // the complete skin text, one line per entry
    SkinPictures pictures;

    // Loads a skin folder: `iniName` and the pictures that its [PICTURES] names. A named picture that is
    // missing or unreadable throws SkinError; an empty name leaves that bitmap empty.
    void LoadFromSource(const std::string& iniName, const SkinFileSource& source);
    void LoadFromFile(const std::filesystem::path& iniPath);

    std::vector<std::uint8_t> Pictures() const { return WritePicturesStream(pictures); }
    void SetPictures(std::span<const std::uint8_t> stream);
};

// The content of a compressed skin once inflated.
struct SkinContent {
    std::uint32_t version = 1;
    SkinPictures pictures;
    std::vector<std::string> iniLines;
};

// One zlib block (level 9) holding version, pictures and skin text.
class TCompressedStoredSkin {
  public:
    std::string fileName;
    std::string compressedFileName;
    std::vector<std::uint8_t> compressedData;

    bool Empty() const { return compressedData.empty(); }

    static std::vector<std::uint8_t> Compress(const SkinContent& content);
    // Inflates the block, never past kMaxSkinContent. A version other than 1 comes back
    // with nothing else read; a malformed block throws SkinError.
    SkinContent Decompress() const;

    // Builds the block from a skin folder. Returns false, changing nothing, when the text lacks a required
    // section.
    bool LoadFromSkinFolder(const std::filesystem::path& iniPath);
    bool LoadFromSource(const std::string& iniName, const SkinFileSource& source);
    // The compressed skin file: version (must be 1), signed length n, n bytes of block. A file of another
    // version leaves the block empty; a malformed one throws SkinError and also leaves it empty.
    void LoadFromSkinFile(const std::filesystem::path& path);
    void LoadFromSkinFileBytes(std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> SkinFileBytes() const;
    void SaveToSkinFile(const std::filesystem::path& path) const;
};

// Throws SkinError when the file cannot be read or is larger than `limit` bytes.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path,
                                        std::size_t limit = static_cast<std::size_t>(-1));
void WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace huecast::skin
