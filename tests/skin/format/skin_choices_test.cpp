// Choosing a skin: the skins found beside the program, loading one whole or refusing it with its name, the
// switch of the live skin data, and the setting that remembers the choice.
#include <gtest/gtest.h>

#include "skin/format/client_color.h"
#include "skin/format/skin_choices.h"
#include "skin/format/skin_setting.h"
#include "tests/skin/orange_elements.h"
#include "tools/skin-pack/skin_pack.h"

namespace huecast::skin {
namespace {

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "(no error)";
}

// The built-in skins read from their committed folders, as the program reads them from its resources.
SkinFileSource CommittedBuiltIn(const std::filesystem::path& folder) {
    return FolderSource(testing::kBuiltInSkinsFolder / (folder.empty() ? "orange" : folder));
}

class SkinChoices : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("huecast-choices-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "skins");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::filesystem::path CopyBasalt(const std::string& folder) {
        std::filesystem::copy(testing::kBuiltInSkinsFolder / "basalt", root_ / "skins" / folder);
        return root_ / "skins" / folder;
    }
    std::filesystem::path PackBasalt(const std::string& file) {
        skinpack::Pack(testing::kBuiltInSkinsFolder / "basalt/skin.ini", root_ / "skins" / file);
        return root_ / "skins" / file;
    }
    std::string LoadError(const std::string& name) {
        std::vector<SkinChoice> choices = FindSkinFiles(root_ / "skins");
        const SkinChoice* choice = FindChoice(choices, name);
        if (!choice) return "(not listed)";
        TSkinData candidate;
        return ErrorOf([&] { LoadSkinChoice(*choice, CommittedBuiltIn, candidate); });
    }
    std::filesystem::path root_;
};

TEST_F(SkinChoices, FindsSkinFoldersAndFilesSortedByName) {
    CopyBasalt("zeta");
    PackBasalt("Alpha.skn");
    PackBasalt("beta.SKN");
    std::filesystem::create_directories(root_ / "skins/no-skin");
    WriteWholeFile(root_ / "skins/notes.txt", std::vector<std::uint8_t>{'x'});
    const std::vector<SkinChoice> found = FindSkinFiles(root_ / "skins");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].name, "Alpha");
    EXPECT_EQ(found[0].kind, SkinChoice::Kind::File);
    EXPECT_EQ(found[1].name, "beta");
    EXPECT_EQ(found[2].name, "zeta");
    EXPECT_EQ(found[2].kind, SkinChoice::Kind::Folder);
    EXPECT_EQ(found[2].path, root_ / "skins/zeta");
    EXPECT_TRUE(FindSkinFiles(root_ / "nowhere").empty());
}

TEST_F(SkinChoices, EveryKindOfSkinLoadsWhole) {
    CopyBasalt("folder");
    PackBasalt("file.skn");
    std::vector<SkinChoice> choices = BuiltInChoices();
    for (SkinChoice& found : FindSkinFiles(root_ / "skins"))
        choices.push_back(found);
    ASSERT_EQ(choices.size(), 4u);
    const char* names[] = {"Orange", "Basalt", "Basalt", "Basalt"};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        TSkinData candidate;
        LoadSkinChoice(choices[i], CommittedBuiltIn, candidate);
        EXPECT_FALSE(candidate.Empty()) << choices[i].name;
        EXPECT_EQ(candidate.SkinName(), names[i]);
        EXPECT_EQ(candidate.Controls().size(), 59u);
    }
}

TEST_F(SkinChoices, ABadSkinIsRefusedWithItsNameAndWhatIsWrong) {
    // A missing section.
    const std::filesystem::path noForm = CopyBasalt("no-form");
    std::vector<std::uint8_t> text = ReadWholeFile(noForm / "skin.ini");
    const std::string renamed = [&] {
        std::string t(text.begin(), text.end());
        t.replace(t.find("[FORMINFO]"), 10, "[FORMINF0]");
        return t;
    }();
    WriteWholeFile(noForm / "skin.ini", {reinterpret_cast<const std::uint8_t*>(renamed.data()), renamed.size()});
    EXPECT_EQ(LoadError("no-form"),
              "skin \"no-form\": it lacks one of the sections VERSION, PICTURES, FORMINFO, SKINOBJECTS and "
              "SKINCONTROLS");
    // A corrupt picture.
    const std::filesystem::path corrupt = CopyBasalt("corrupt");
    WriteWholeFile(corrupt / "controls.bmp", std::vector<std::uint8_t>{'B', 'M', 1, 2, 3});
    EXPECT_EQ(LoadError("corrupt").rfind("skin \"corrupt\": picture \"controls.bmp\"", 0), 0u) << LoadError("corrupt");
    // A compressed file cut short, at its end and inside its header.
    const std::filesystem::path cut = PackBasalt("cut.skn");
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
    EXPECT_NE(LoadError("cut").find("skin \"cut\": compressed skin file: cut short"), std::string::npos)
        << LoadError("cut");
    std::filesystem::resize_file(cut, 5);
    EXPECT_EQ(LoadError("cut").rfind("skin \"cut\": compressed skin file: 5 bytes", 0), 0u) << LoadError("cut");
}

class Notices final : public SkinNoticeSink {
  public:
    void Announce(TSkinData& skinData, SkinNotice notice) override {
        heard.push_back(notice);
        names.push_back(skinData.SkinName());
    }
    std::vector<SkinNotice> heard;
    std::vector<std::string> names;
};

TEST_F(SkinChoices, TakingALoadedSkinAnnouncesOneChangeAndLeavesTheCandidateEmpty) {
    Notices notices;
    TSkinData live(&notices);
    LoadSkinChoice(BuiltInChoices()[0], CommittedBuiltIn, live);
    notices.heard.clear();
    notices.names.clear();
    TSkinData candidate;
    LoadSkinChoice(BuiltInChoices()[1], CommittedBuiltIn, candidate);
    live.TakeSkinFrom(candidate);
    EXPECT_EQ(notices.heard,
              (std::vector<SkinNotice>{SkinNotice::BeforeChange, SkinNotice::Change, SkinNotice::AfterChange}));
    // Receivers see the old skin until they let go of it, and the whole new one from the change on.
    EXPECT_EQ(notices.names, (std::vector<std::string>{"Orange", "Basalt", "Basalt"}));
    EXPECT_FALSE(live.Empty());
    EXPECT_NE(live.ActivePicture24(3), nullptr);
    EXPECT_NE(live.SkinControlAs<TDataSkinButtonControl>("button"), nullptr);
    EXPECT_TRUE(candidate.Empty());
    EXPECT_TRUE(candidate.Controls().empty());
}

// What sits on the form without an element of its own (the banner) takes its tone from the client area.
TEST(PlainPartColors, AreTheMiddleOfTheClientAreaOrTheElement) {
    EXPECT_EQ(FormClientColor(testing::OrangeSkinData()), 0xE6F5FFu);  // cream, 0x00BBGGRR
    EXPECT_FALSE(IsDark(*FormClientColor(testing::OrangeSkinData())));
    EXPECT_EQ(FormClientColor(testing::BuiltInSkinData("basalt")), 0x352E2Au);  // slate
    EXPECT_TRUE(IsDark(*FormClientColor(testing::BuiltInSkinData("basalt"))));
    EXPECT_EQ(FormClientColor(TSkinData()), std::nullopt);
    EXPECT_EQ(ControlFieldColor(testing::OrangeSkinData(), "edit"), 0xFFFFFFu);
    EXPECT_EQ(ControlFieldColor(testing::BuiltInSkinData("basalt"), "edit"), 0x28221Fu);
    EXPECT_EQ(ControlFieldColor(testing::OrangeSkinData(), "stdlabel"), std::nullopt);  // no picture
}

TEST_F(SkinChoices, TheChoiceIsRememberedAndSurvivesACutOffWrite) {
    const std::filesystem::path settings = root_ / kSettingsFileName;
    EXPECT_EQ(ReadChosenSkin(settings), std::nullopt);
    WriteWholeFile(settings, std::vector<std::uint8_t>{'[', 'O', ']', '\r', '\n', 'k', '=', 'v', '\r', '\n'});
    WriteChosenSkin(settings, "Basalt");
    EXPECT_EQ(ReadChosenSkin(settings), "Basalt");
    const std::vector<std::uint8_t> written = ReadWholeFile(settings);
    EXPECT_EQ(std::string(written.begin(), written.end()), "[O]\r\nk=v\r\n[Skin]\r\nname=Basalt\r\n");
    // A write cut off before the new text was whole leaves only its temporary file behind.
    std::filesystem::path temporary = settings;
    temporary += ".new";
    WriteWholeFile(temporary, std::vector<std::uint8_t>{'[', 'S', 'k'});
    EXPECT_EQ(ReadChosenSkin(settings), "Basalt");
    WriteChosenSkin(settings, "Orange");
    EXPECT_EQ(ReadChosenSkin(settings), "Orange");
    EXPECT_FALSE(std::filesystem::exists(temporary));
    // A write that cannot finish throws and keeps the setting.
    std::filesystem::create_directories(temporary);
    EXPECT_THROW(WriteChosenSkin(settings, "Basalt"), std::runtime_error);
    EXPECT_EQ(ReadChosenSkin(settings), "Orange");
}

}  // namespace
}  // namespace huecast::skin
