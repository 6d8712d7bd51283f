#include "tools/skin-pack/skin_pack.h"

#include <gtest/gtest.h>

#include "skin/format/bmp.h"
#include "skin/format/skin_ini.h"
#include "skin/format/stored_skin.h"
#include "tests/skin/format/skin_test_pictures.h"

namespace huecast::skinpack {
namespace {

using skin::SkinError;

class SkinPack : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            std::filesystem::temp_directory_path() /
            ("huecast-pack-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "in");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    // A compressed skin file whose text is `lines` and whose pictures are one main and one active picture.
    std::filesystem::path SkinFile(const std::vector<std::string>& lines) {
        skin::SkinContent content;
        content.iniLines = lines;
        content.pictures.main = skin::testing::Paletted(6, 6);
        content.pictures.active.push_back(skin::testing::TrueColour(3, 3));
        skin::TCompressedStoredSkin compressed;
        compressed.compressedData = skin::TCompressedStoredSkin::Compress(content);
        compressed.SaveToSkinFile(root_ / "x.skn");
        return root_ / "x.skn";
    }
    std::filesystem::path root_;
};

TEST_F(SkinPack, PacksAFolderAndUnpacksTheSameFiles) {
    const std::string text = JoinLines(skin::testing::MinimalSkinText());
    skin::WriteWholeFile(root_ / "in/skin.ini",
                         {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    skin::WriteWholeFile(root_ / "in/main.bmp", skin::WriteBmp(skin::testing::Paletted(6, 6)));
    skin::WriteWholeFile(root_ / "in/controls.bmp", skin::WriteBmp(skin::testing::TrueColour(3, 3)));
    Pack(root_ / "in/skin.ini", root_ / "tiny.skn");
    EXPECT_EQ(Describe(root_ / "tiny.skn"),
              "skin \"Tiny\" by \"\": 1 active pictures, 1 objects, 1 controls");
    const std::filesystem::path ini = Unpack(root_ / "tiny.skn", root_ / "out");
    for (const char* name : {"skin.ini", "main.bmp", "controls.bmp"})
        EXPECT_EQ(skin::ReadWholeFile(root_ / "out" / name), skin::ReadWholeFile(root_ / "in" / name))
            << name;
    EXPECT_EQ(ini, root_ / "out/skin.ini");
}

TEST_F(SkinPack, RefusesATextThatIsNotASkin) {
    skin::WriteWholeFile(root_ / "in/skin.ini", std::vector<std::uint8_t>{'[', 'A', ']'});
    EXPECT_THROW(Pack(root_ / "in/skin.ini", root_ / "x.skn"), SkinError);
    EXPECT_FALSE(std::filesystem::exists(root_ / "x.skn"));
}

TEST_F(SkinPack, NeverWritesOutsideTheFolder) {
    for (const char* name : {"../evil.bmp", "/tmp/evil.bmp", "c:evil.bmp", "sub\\..\\..\\evil.bmp", ".."}) {
        std::vector<std::string> lines = skin::testing::MinimalSkinText();
        lines[5] = std::string("0=") + name;
        try {
            Unpack(SkinFile(lines), root_ / "out");
            ADD_FAILURE() << name << " was written";
        } catch (const SkinError& error) {
            EXPECT_NE(std::string(error.what()).find("is not a file inside the skin's folder"), std::string::npos)
                << error.what();
        }
    }
    EXPECT_FALSE(std::filesystem::exists(root_ / "evil.bmp"));
}

TEST_F(SkinPack, RefusesNamesThatDoNotMatchThePictures) {
    std::vector<std::string> lines = skin::testing::MinimalSkinText();
    lines[4] = "activepicturescount=2";
    EXPECT_THROW(Unpack(SkinFile(lines), root_ / "out"), SkinError);
    lines = skin::testing::MinimalSkinText();
    lines[3] = "picture=";  // a main picture without a name
    EXPECT_THROW(Unpack(SkinFile(lines), root_ / "out"), SkinError);
}

}  // namespace
}  // namespace huecast::skinpack
