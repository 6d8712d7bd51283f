#include "skin/format/skin_data.h"

#include <gtest/gtest.h>

#include "tests/skin/format/skin_test_pictures.h"

namespace huecast::skin {
namespace {

using testing::MinimalSkinText;
using testing::Paletted;

// Records the notices with the skin data's state at the moment each arrives.
class Recorder final : public SkinNoticeSink {
  public:
    struct Entry {
        SkinNotice notice;
        bool empty;
        std::size_t controls;
    };
    std::vector<Entry> entries;
    void Announce(TSkinData& data, SkinNotice notice) override {
        entries.push_back({notice, data.Empty(), data.Controls().size()});
    }
    std::vector<SkinNotice> Notices() const {
        std::vector<SkinNotice> notices;
        for (const Entry& e : entries)
            notices.push_back(e.notice);
        return notices;
    }
};

const std::vector<SkinNotice> kFullChange = {SkinNotice::BeforeChange, SkinNotice::Change,
                                             SkinNotice::AfterChange};

TStoredSkin MinimalStored() {
    TStoredSkin stored;
    stored.iniStrings = MinimalSkinText();
    stored.pictures.main = Paletted(10, 10);
    stored.pictures.active.push_back(Paletted(4, 4));
    return stored;
}

TEST(SkinData, StartsEmptyWithWindowDescriptorsWithoutPictures) {
    TSkinData data;
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.PopupWindow().windowPictureIndex, -1);
    EXPECT_EQ(data.HintWindow().maskPictureIndex, -1);
    EXPECT_EQ(data.FormInfo().bgPictureIndex, -1);
    EXPECT_EQ(data.FormInfo().mdiBgPictureIndex, -1);
    EXPECT_EQ(data.FindSkinControl("button"), -1);
}

TEST(SkinData, LoadsAStoredSkinAndAnnouncesItInThreeSteps) {
    Recorder recorder;
    TSkinData data(&recorder);
    const TStoredSkin stored = MinimalStored();
    data.SetStoredSkin(&stored);
    EXPECT_EQ(recorder.Notices(), kFullChange);
    EXPECT_TRUE(recorder.entries[0].empty);
    EXPECT_FALSE(recorder.entries[1].empty);  // the change is announced once the skin is complete
    EXPECT_EQ(recorder.entries[1].controls, 1u);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.SkinName(), "Tiny");
    EXPECT_EQ(data.PictureName(), "main.bmp");
    EXPECT_EQ(data.ActivePictureNames(), std::vector<std::string>{"controls.bmp"});
    EXPECT_EQ(data.FormInfo().clientRect, (Rect{2, 2, 8, 8}));
    EXPECT_EQ(data.MainPicture().Width(), 10);
    auto* button = data.SkinControlAs<TDataSkinButtonControl>("button");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(data.ActivePicture(button->pictureIndex), &data.ActivePictures()[0]);
    auto* close = data.SkinObjectAs<TDataSkinStdButton>("closebutton");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->command, SkinCommand::Close);
    EXPECT_EQ(data.SkinControlAs<TDataSkinListBox>("button"), nullptr);  // another class
}

TEST(SkinData, SettingNoStoredSkinKeepsTheCurrentSkin) {
    Recorder recorder;
    TSkinData data(&recorder);
    const TStoredSkin stored = MinimalStored();
    data.SetStoredSkin(&stored);
    data.SetStoredSkin(nullptr);
    EXPECT_EQ(recorder.entries.size(), 3u);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.StoredSkin(), nullptr);
}

TEST(SkinData, LookUpIsExactAndTheFirstOfTwoEqualNamesWins) {
    TStoredSkin stored = MinimalStored();
    stored.iniStrings = {"[VERSION]",      "[PICTURES]", "[FORMINFO]",      "[SKINOBJECTS]",
                         "[SKINCONTROLS]", "count=4",    "0=button:button", "1=label:label",
                         "2=button:panel", "3=nocolon",  "[button]",        "skinrect=1,1,5,5"};
    TSkinData data;
    data.SetStoredSkin(&stored);
    ASSERT_EQ(data.Controls().size(), 3u);  // the entry without a colon makes nothing
    EXPECT_EQ(data.FindSkinControl("button"), 0);
    EXPECT_EQ(data.FindSkinControl("label"), 1);
    EXPECT_EQ(data.FindSkinControl("Button"), -1);
    EXPECT_EQ(data.FindSkinControl(""), -1);
    EXPECT_NE(dynamic_cast<TDataSkinPanelControl*>(data.Controls()[2].get()), nullptr);
}

TEST(SkinData, UnknownTypesMakeNothingAndAHugeOrNegativeCountIsBounded) {
    TStoredSkin stored = MinimalStored();
    stored.iniStrings = {"[VERSION]",        "[PICTURES]",  "[FORMINFO]",  "[SKINOBJECTS]",
                         "count=2147483647", "0=x:unknown", "1=y:animate", "5=z:caption",
                         "[SKINCONTROLS]",   "count=-3",    "0=a:button"};
    TSkinData data;
    data.SetStoredSkin(&stored);
    ASSERT_EQ(data.Objects().size(), 2u);
    EXPECT_EQ(data.Objects()[0]->Name(), "y");
    EXPECT_EQ(data.Objects()[1]->Name(), "z");
    EXPECT_TRUE(data.Controls().empty());
}

TEST(SkinData, ASparseListKeepsItsEntriesAndIgnoresThosePastTheCount) {
    TStoredSkin stored = MinimalStored();
    stored.iniStrings = {"[VERSION]",      "[PICTURES]", "[FORMINFO]",     "[SKINOBJECTS]",
                         "[SKINCONTROLS]", "count=3",    "2=late:button",  "3=past:button",
                         "[late]",         "skinrect=0,0,4,4"};
    TSkinData data;
    data.SetStoredSkin(&stored);
    ASSERT_EQ(data.Controls().size(), 1u);
    EXPECT_EQ(data.Controls()[0]->Name(), "late");
    EXPECT_EQ(data.FindSkinControl("past"), -1);
}

TEST(SkinData, AStoredSkinWithNoPicturesResolvesEveryIndexToNoPicture) {
    TStoredSkin stored;
    stored.iniStrings = MinimalSkinText();
    stored.SetPictures(std::vector<std::uint8_t>{1, 1, 1, 0, 0, 0, 0});
    TSkinData data;
    data.SetStoredSkin(&stored);
    EXPECT_FALSE(data.Empty());
    EXPECT_TRUE(data.MainPicture().Empty());
    EXPECT_EQ(data.ActivePicture(0), nullptr);
    EXPECT_EQ(data.ActivePicture(-1), nullptr);
    EXPECT_EQ(data.ActivePicture(data.SkinControlAs<TDataSkinControl>("button")->pictureIndex), nullptr);
}

TEST(SkinData, ATextWithoutTheRequiredSectionsLeavesItEmptyButAnnounced) {
    Recorder recorder;
    TSkinData data(&recorder);
    const TStoredSkin full = MinimalStored();
    data.SetStoredSkin(&full);
    TStoredSkin partial = MinimalStored();
    partial.iniStrings.erase(partial.iniStrings.begin(), partial.iniStrings.begin() + 2);  // no [VERSION]
    recorder.entries.clear();
    data.SetStoredSkin(&partial);
    EXPECT_EQ(recorder.Notices(), kFullChange);
    EXPECT_TRUE(data.Empty());
    EXPECT_TRUE(data.Controls().empty());
    EXPECT_TRUE(data.MainPicture().Empty());
    EXPECT_EQ(data.SkinName(), "");
}

TEST(SkinData, AConversionErrorEmptiesTheSkinTellsTheReceiversAndReachesTheCaller) {
    Recorder recorder;
    TSkinData data(&recorder);
    TStoredSkin broken = MinimalStored();
    broken.iniStrings.push_back("clientrect=");
    try {
        data.SetStoredSkin(&broken);
        FAIL() << "the load went through";
    } catch (const SkinError& error) {
        EXPECT_STREQ(error.what(), "[button] clientrect: \"\" is not a valid rect (field 1 has no digit)");
    }
    EXPECT_EQ(recorder.Notices(), kFullChange);
    EXPECT_TRUE(recorder.entries[1].empty);
    EXPECT_TRUE(data.Empty());
    EXPECT_TRUE(data.Objects().empty());  // nothing half-read is kept
    EXPECT_TRUE(data.ActivePictures().empty());
}

TEST(SkinData, ReloadingReplacesEverythingAndForgetsTheOldWindowValues) {
    TStoredSkin first = MinimalStored();
    first.iniStrings.insert(first.iniStrings.end(),
                            {"[POPUPWINDOW]", "windowpictureindex=0", "itemsrect=1,1,3,3"});
    TSkinData data;
    data.SetStoredSkin(&first);
    EXPECT_EQ(data.PopupWindow().windowPictureIndex, 0);
    const TStoredSkin second = MinimalStored();
    data.SetStoredSkin(&second);
    EXPECT_EQ(data.PopupWindow().windowPictureIndex, -1);
    EXPECT_EQ(data.PopupWindow().itemsRect, Rect{});
    EXPECT_EQ(data.Controls().size(), 1u);
    data.Clear();
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.PictureName(), "");
    EXPECT_TRUE(data.ActivePictureNames().empty());
}

TEST(SkinData, ANamedMaskMakesTheFrameShapedAndNormalisesItsArea) {
    TStoredSkin stored = MinimalStored();
    stored.iniStrings.insert(stored.iniStrings.begin() + 4, "mask=mask.bmp");
    stored.iniStrings.insert(stored.iniStrings.begin() + 8, "maskrectarea=");
    // An empty maskrectarea is a rect present without digits: that is a conversion error, not "empty".
    TSkinData data;
    EXPECT_THROW(data.SetStoredSkin(&stored), SkinError);
    stored.iniStrings[8] = "maskrectarea=0,0,0,0";
    data.SetStoredSkin(&stored);
    EXPECT_TRUE(data.HasMask());
    EXPECT_EQ(data.FormInfo().maskRectArea, (Rect{2, 2, 8, 8}));
}

TEST(SkinData, ACompressedSkinLoadsWithTheSameNotices) {
    Recorder recorder;
    TSkinData data(&recorder);
    SkinContent content;
    content.iniLines = MinimalSkinText();
    content.pictures.active.push_back(Paletted(4, 4));
    TCompressedStoredSkin compressed;
    compressed.compressedData = TCompressedStoredSkin::Compress(content);
    data.SetCompressedStoredSkin(&compressed);
    EXPECT_EQ(recorder.Notices(), kFullChange);
    EXPECT_FALSE(data.Empty());
    EXPECT_NE(data.ActivePicture(0), nullptr);
    EXPECT_EQ(data.SkinName(), "Tiny");
}

TEST(SkinData, AnEmptyCompressedBlockDoesNothing) {
    Recorder recorder;
    TSkinData data(&recorder);
    const TStoredSkin stored = MinimalStored();
    data.SetStoredSkin(&stored);
    recorder.entries.clear();
    const TCompressedStoredSkin empty;
    data.SetCompressedStoredSkin(&empty);
    EXPECT_TRUE(recorder.entries.empty());
    EXPECT_FALSE(data.Empty());
}

TEST(SkinData, ACompressedBlockOfAnotherVersionStaysEmptyAndAnnouncesNoChange) {
    Recorder recorder;
    TSkinData data(&recorder);
    const TStoredSkin stored = MinimalStored();
    data.SetStoredSkin(&stored);
    recorder.entries.clear();
    SkinContent content;
    content.version = 2;
    content.iniLines = MinimalSkinText();
    TCompressedStoredSkin compressed;
    compressed.compressedData = TCompressedStoredSkin::Compress(content);
    data.SetCompressedStoredSkin(&compressed);
    EXPECT_EQ(recorder.Notices(), std::vector<SkinNotice>{SkinNotice::BeforeChange});
    EXPECT_TRUE(data.Empty());
    EXPECT_TRUE(data.Controls().empty());
}

TEST(SkinData, AMalformedCompressedBlockFailsWithItsReasonAndLeavesThePlainLook) {
    Recorder recorder;
    TSkinData data(&recorder);
    TCompressedStoredSkin compressed;
    compressed.compressedData = {0x78, 0xDA, 1, 2, 3};
    EXPECT_THROW(data.SetCompressedStoredSkin(&compressed), SkinError);
    EXPECT_EQ(recorder.Notices(), kFullChange);
    EXPECT_TRUE(data.Empty());
}

}  // namespace
}  // namespace huecast::skin
