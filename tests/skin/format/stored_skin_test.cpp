#include "skin/format/stored_skin.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>

#include "skin/format/bmp.h"
#include "tests/skin/format/skin_test_pictures.h"

namespace huecast::skin {
namespace {

using testing::MinimalSkinText;
using testing::Paletted;
using testing::SamePixels;
using testing::TrueColour;

SkinPictures SomePictures() {
    SkinPictures pictures;
    pictures.main = Paletted(10, 6);
    pictures.mask = TrueColour(10, 6);
    pictures.active.push_back(Paletted(5, 5, Bitmap::Order::TopDown));
    pictures.active.push_back(TrueColour(3, 2));
    return pictures;
}

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> out(size);
    compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9);
    out.resize(size);
    return out;
}

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const SkinError& error) {
        return error.what();
    }
    return "";
}

TEST(PicturesStream, HasFlagsCountAndFilesInOrder) {
    const std::vector<std::uint8_t> stream = WritePicturesStream(SomePictures());
    EXPECT_EQ(stream[0], 0);  // main present
    const std::size_t mainSize = WriteBmp(Paletted(10, 6)).size();
    EXPECT_EQ(stream[1 + mainSize], 1);  // no inactive picture
    EXPECT_EQ(stream[2 + mainSize], 0);  // mask present
    SkinPictures read;
    EXPECT_EQ(ReadPicturesStream(stream, read, "Pictures"), stream.size());
    EXPECT_TRUE(SamePixels(read.main, Paletted(10, 6)));
    EXPECT_TRUE(read.inactive.Empty());
    EXPECT_TRUE(SamePixels(read.mask, TrueColour(10, 6)));
    ASSERT_EQ(read.active.size(), 2u);
    EXPECT_TRUE(SamePixels(read.active[0], Paletted(5, 5)));
    EXPECT_EQ(read.active[0].RowOrder(), Bitmap::Order::TopDown);
}

TEST(PicturesStream, ThreeEmptyFlagsAndACountBelowOneMeanNoPictures) {
    for (const std::int32_t count : {0, -1, -2147483647 - 1}) {
        std::vector<std::uint8_t> stream = {1, 1, 1, 0, 0, 0, 0};
        for (int i = 0; i < 4; ++i)
            stream[3 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(count >> (8 * i));
        SkinPictures read;
        read.active.push_back(Paletted(1, 1));
        EXPECT_EQ(ReadPicturesStream(stream, read, "Pictures"), 7u);
        EXPECT_TRUE(read.main.Empty() && read.inactive.Empty() && read.mask.Empty());
        EXPECT_TRUE(read.active.empty());
    }
}

TEST(PicturesStream, MalformedStreamsSayWhatAndWhereAndLeaveThePicturesAlone) {
    SkinPictures kept;
    kept.main = Paletted(2, 2);
    const std::vector<std::uint8_t> good = WritePicturesStream(SomePictures());
    const auto error = [&](std::vector<std::uint8_t> bytes) {
        return ErrorOf([&] { ReadPicturesStream(bytes, kept, "Pictures stream"); });
    };
    EXPECT_EQ(error({}), "Pictures stream at offset 0: the stream ends before the main picture's flag");
    EXPECT_EQ(error({1, 1}), "Pictures stream at offset 2: the stream ends before the mask's flag");
    EXPECT_EQ(error({1, 1, 1, 5, 0}),
              "Pictures stream at offset 3: the stream ends before the picture count");
    EXPECT_EQ(error({1, 1, 1, 0x10, 0x27, 0, 0}),
              "Pictures stream at offset 3: 10000 active pictures is more than the 1024 a skin may have");
    EXPECT_NE(
        error({1, 1, 1, 2, 0, 0, 0}).find("Pictures stream: active picture 0 at offset 7: only 0 bytes"),
        std::string::npos);
    std::vector<std::uint8_t> truncated(good.begin(), good.end() - 1);
    EXPECT_NE(error(truncated).find("active picture 1 at offset"), std::string::npos);
    std::vector<std::uint8_t> badMain = good;
    badMain[1] = 'X';
    EXPECT_NE(error(badMain).find("main picture at offset 1: not a BMP file"), std::string::npos);
    EXPECT_TRUE(SamePixels(kept.main, Paletted(2, 2)));
    EXPECT_THROW(WritePicturesStream(SkinPictures{{}, {}, {}, {Bitmap()}}), SkinError);
}

TEST(PicturesStream, OneBitPicturesCannotGrowPastThePixelBudget) {
    // A 1-bit 16384 x 1024 picture is 2 MiB in the stream and 16 MiB as an 8-bit picture; nine of them
    // pass the budget only by their file size.
    std::vector<std::uint8_t> bmp(14 + 40 + 8 + 2048 * 1024, 0);
    const auto put = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    bmp[0] = 'B', bmp[1] = 'M';
    put(2, static_cast<std::uint32_t>(bmp.size()));
    put(14, 40);
    put(18, 16384);
    put(22, 1024);
    bmp[26] = 1, bmp[28] = 1;
    std::vector<std::uint8_t> stream = {1, 1, 1, 9, 0, 0, 0};
    for (int i = 0; i < 9; ++i)
        stream.insert(stream.end(), bmp.begin(), bmp.end());
    SkinPictures read;
    EXPECT_NE(ErrorOf([&] {
                  ReadPicturesStream(stream, read, "Pictures");
              }).find("bytes of pixels a skin may have"),
              std::string::npos);
}

TEST(CompressedSkin, RoundTripsVersionPicturesAndText) {
    SkinContent content;
    content.pictures = SomePictures();
    content.iniLines = MinimalSkinText();
    TCompressedStoredSkin skin;
    skin.compressedData = TCompressedStoredSkin::Compress(content);
    EXPECT_FALSE(skin.Empty());
    const SkinContent back = skin.Decompress();
    EXPECT_EQ(back.version, 1u);
    EXPECT_EQ(back.iniLines, content.iniLines);
    EXPECT_TRUE(SamePixels(back.pictures.mask, content.pictures.mask));
    ASSERT_EQ(back.pictures.active.size(), 2u);
}

TEST(CompressedSkin, AnotherVersionComesBackWithNothingElseRead) {
    TCompressedStoredSkin skin;
    skin.compressedData = Deflate({2, 0, 0, 0, 'g', 'a', 'r', 'b', 'a', 'g', 'e'});
    const SkinContent content = skin.Decompress();
    EXPECT_EQ(content.version, 2u);
    EXPECT_TRUE(content.iniLines.empty());
}

TEST(CompressedSkin, MalformedBlocksAreRefusedWithoutReadingPastThem) {
    TCompressedStoredSkin skin;
    skin.compressedData = {1, 2, 3, 4, 5};
    EXPECT_NE(ErrorOf([&] { skin.Decompress(); }).find("compressed skin: zlib:"), std::string::npos);
    SkinContent content;
    content.iniLines = MinimalSkinText();
    const std::vector<std::uint8_t> whole = TCompressedStoredSkin::Compress(content);
    skin.compressedData.assign(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2));
    EXPECT_NE(ErrorOf([&] { skin.Decompress(); }).find("ends in the middle of the zlib stream"),
              std::string::npos);
    skin.compressedData = Deflate({1, 0});
    EXPECT_NE(ErrorOf([&] { skin.Decompress(); }).find("too short for its version"), std::string::npos);
    skin.compressedData = Deflate({1, 0, 0, 0, 0, 1});
    EXPECT_NE(ErrorOf([&] {
                  skin.Decompress();
              }).find("compressed skin content: main picture at offset 1: only 1 bytes left"),
              std::string::npos);
}

TEST(CompressedSkin, AZipBombStopsAtTheContentLimit) {
    // 65 MiB of zeros compress to a few dozen kilobytes.
    z_stream zs{};
    deflateInit(&zs, 9);
    std::vector<std::uint8_t> zeros(1 << 20, 0), block(1 << 20);
    std::vector<std::uint8_t> bomb;
    for (int i = 0; i < 65; ++i) {
        zs.next_in = zeros.data();
        zs.avail_in = static_cast<uInt>(zeros.size());
        do {
            zs.next_out = block.data();
            zs.avail_out = static_cast<uInt>(block.size());
            deflate(&zs, i == 64 ? Z_FINISH : Z_NO_FLUSH);
            bomb.insert(bomb.end(), block.data(), zs.next_out);
        } while (zs.avail_out == 0);
    }
    deflateEnd(&zs);
    TCompressedStoredSkin skin;
    skin.compressedData = bomb;
    EXPECT_NE(ErrorOf([&] { skin.Decompress(); }).find("inflates past 67108864 bytes"), std::string::npos);
}

TEST(CompressedSkinFile, HasVersionLengthAndBlock) {
    TCompressedStoredSkin skin;
    skin.compressedData = {9, 8, 7};
    const std::vector<std::uint8_t> file = skin.SkinFileBytes();
    EXPECT_EQ(file, (std::vector<std::uint8_t>{1, 0, 0, 0, 3, 0, 0, 0, 9, 8, 7}));
    TCompressedStoredSkin back;
    back.LoadFromSkinFileBytes(file);
    EXPECT_EQ(back.compressedData, skin.compressedData);
}

TEST(CompressedSkinFile, AnotherVersionLeavesTheBlockEmptyAndABadLengthIsAnError) {
    TCompressedStoredSkin skin;
    skin.compressedData = {5};
    skin.LoadFromSkinFileBytes(std::vector<std::uint8_t>{2, 0, 0, 0, 1, 0, 0, 0, 9});
    EXPECT_TRUE(skin.Empty());
    skin.compressedData = {5};
    EXPECT_NE(ErrorOf([&] {
                  skin.LoadFromSkinFileBytes(std::vector<std::uint8_t>{1, 0, 0, 0, 2, 0, 0, 0, 9});
              }).find("cut short, its header announces 2 bytes of skin and 1 follow"),
              std::string::npos);
    EXPECT_TRUE(skin.Empty());
    EXPECT_NE(ErrorOf([&] {
                  skin.LoadFromSkinFileBytes(std::vector<std::uint8_t>{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
              }).find("block length -1"),
              std::string::npos);
    EXPECT_THROW(skin.LoadFromSkinFileBytes(std::vector<std::uint8_t>{1, 0, 0}), SkinError);
}

class SkinFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() /
            ("huecast-skin-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        Write("skin.ini", JoinLines(MinimalSkinText()));
        WriteBytes("main.bmp", WriteBmp(Paletted(10, 10)));
        WriteBytes("controls.bmp", WriteBmp(TrueColour(4, 4)));
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    void Write(const std::string& name, const std::string& text) {
        WriteWholeFile(folder_ / name, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    }
    void WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        WriteWholeFile(folder_ / name, bytes);
    }
    std::filesystem::path folder_;
};

TEST_F(SkinFolder, LoadsTheTextAndEveryPictureItNames) {
    TStoredSkin stored;
    stored.LoadFromFile(folder_ / "skin.ini");
    EXPECT_EQ(stored.fileName, "skin.ini");
    EXPECT_EQ(stored.iniStrings, MinimalSkinText());
    EXPECT_TRUE(SamePixels(stored.pictures.main, Paletted(10, 10)));
    EXPECT_TRUE(stored.pictures.inactive.Empty());
    ASSERT_EQ(stored.pictures.active.size(), 1u);
    TStoredSkin copy;
    copy.SetPictures(stored.Pictures());
    EXPECT_TRUE(SamePixels(copy.pictures.active[0], TrueColour(4, 4)));
}

TEST_F(SkinFolder, AMissingPictureIsAnErrorThatNamesIt) {
    std::filesystem::remove(folder_ / "controls.bmp");
    TStoredSkin stored;
    EXPECT_EQ(ErrorOf([&] { stored.LoadFromFile(folder_ / "skin.ini"); }),
              "[PICTURES] 0: the picture \"controls.bmp\" was not found");
    EXPECT_TRUE(stored.iniStrings.empty());
}

TEST_F(SkinFolder, CompressesIntoAFileAndBack) {
    TCompressedStoredSkin skin;
    ASSERT_TRUE(skin.LoadFromSkinFolder(folder_ / "skin.ini"));
    skin.SaveToSkinFile(folder_ / "tiny.skn");
    TCompressedStoredSkin back;
    back.LoadFromSkinFile(folder_ / "tiny.skn");
    const SkinContent content = back.Decompress();
    EXPECT_EQ(content.iniLines, MinimalSkinText());
    EXPECT_TRUE(SamePixels(content.pictures.main, Paletted(10, 10)));
}

TEST_F(SkinFolder, ATextWithoutTheRequiredSectionsChangesNothing) {
    Write("skin.ini", "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n");
    TCompressedStoredSkin skin;
    skin.compressedData = {1, 2, 3};
    EXPECT_FALSE(skin.LoadFromSkinFolder(folder_ / "skin.ini"));
    EXPECT_EQ(skin.compressedData, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(SkinFolder, PicturesComeOnlyFromInsideTheFolder) {
    WriteBytes("../evil.bmp", WriteBmp(Paletted(3, 3)));
    for (const char* name : {"..\\evil.bmp", "../evil.bmp", "sub/../../evil.bmp", "/tmp/evil.bmp", "\\evil.bmp",
                             "c:evil.bmp", "C:\\evil.bmp", "main.bmp:stream", ".."}) {
        std::vector<std::string> lines = MinimalSkinText();
        lines[5] = std::string("0=") + name;
        Write("skin.ini", JoinLines(lines));
        TStoredSkin stored;
        EXPECT_EQ(ErrorOf([&] { stored.LoadFromFile(folder_ / "skin.ini"); }),
                  "[PICTURES] 0: \"" + std::string(name) + "\" is not a file inside the skin's folder");
    }
    std::filesystem::remove(folder_ / "../evil.bmp");
    // A sub-folder is inside, written with either separator.
    std::filesystem::create_directories(folder_ / "pics");
    WriteBytes("pics/controls.bmp", WriteBmp(TrueColour(2, 2)));
    std::vector<std::string> lines = MinimalSkinText();
    lines[5] = "0=pics\\controls.bmp";
    Write("skin.ini", JoinLines(lines));
    TStoredSkin stored;
    stored.LoadFromFile(folder_ / "skin.ini");
    EXPECT_TRUE(SamePixels(stored.pictures.active.at(0), TrueColour(2, 2)));
}

TEST_F(SkinFolder, ALinkLeadingOutOfTheFolderIsRefused) {
    const std::filesystem::path outside = folder_.string() + "-outside.bmp";
    WriteWholeFile(outside, WriteBmp(TrueColour(4, 4)));
    std::filesystem::remove(folder_ / "controls.bmp");
    std::filesystem::create_symlink(outside, folder_ / "controls.bmp");
    TStoredSkin stored;
    EXPECT_EQ(ErrorOf([&] { stored.LoadFromFile(folder_ / "skin.ini"); }),
              "\"controls.bmp\" leads outside the skin's folder");
    std::filesystem::remove(outside);
}

// Files far larger than any skin's are refused before they are read, so a hostile folder cannot make the
// program take its size in memory.
TEST_F(SkinFolder, OversizedFilesAreRefusedBeforeTheyAreRead) {
    std::filesystem::resize_file(folder_ / "controls.bmp", kMaxSkinContent + 1);  // sparse: no disk taken
    TStoredSkin stored;
    EXPECT_NE(ErrorOf([&] { stored.LoadFromFile(folder_ / "skin.ini"); }).find("a skin file may have"),
              std::string::npos);
    Write("skin.ini", JoinLines(MinimalSkinText()) + std::string(kMaxSkinText, ';'));
    EXPECT_NE(ErrorOf([&] { stored.LoadFromFile(folder_ / "skin.ini"); }).find("bytes of skin text, more than"),
              std::string::npos);
}

}  // namespace
}  // namespace huecast::skin
