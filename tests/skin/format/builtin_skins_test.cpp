// What every built-in skin must hold: it loads under its own name, every element the main window binds
// to is there and of the class the control reads, every piece lies inside its picture, the generator still
// makes exactly the committed files, and its folder and its compressed skin file load to the same skin.
#include <gtest/gtest.h>

#include <set>

#include "skin/format/bmp.h"
#include "skin/format/skin_data.h"
#include "tests/skin/orange_elements.h"
#include "tools/skin-generator/skin_builder.h"
#include "tools/skin-pack/skin_pack.h"

namespace huecast::skin {
namespace {

class BuiltInSkin : public ::testing::TestWithParam<const skingen::SkinArt*> {
  protected:
    const skingen::SkinArt& Art() const { return *GetParam(); }
    const TSkinData& Data() const { return testing::BuiltInSkinData(skingen::SkinFolderName(Art())); }
};

INSTANTIATE_TEST_SUITE_P(Each, BuiltInSkin, ::testing::ValuesIn(skingen::BuiltInSkinArts()),
                         [](const auto& param) { return param.param->name; });

// The elements the main window, its message box, hint and menus look up, with the class each one reads.
template <class T>
bool HasControl(const TSkinData& d, const char* name) {
    return d.SkinControlAs<T>(name) != nullptr;
}

TEST_P(BuiltInSkin, HoldsEveryElementTheMainWindowBindsTo) {
    const TSkinData& d = Data();
    ASSERT_FALSE(d.Empty());
    EXPECT_EQ(d.SkinName(), Art().name);
    for (const char* name : {"button", "resizebutton"})
        EXPECT_TRUE(HasControl<TDataSkinButtonControl>(d, name)) << name;
    for (const char* name : {"checkbox", "radiobox"})
        EXPECT_TRUE(HasControl<TDataSkinCheckRadioControl>(d, name)) << name;
    for (const char* name : {"groupbox", "panel"})
        EXPECT_TRUE(HasControl<TDataSkinPanelControl>(d, name)) << name;
    for (const char* name : {"listbox", "captionlistbox"})
        EXPECT_TRUE(HasControl<TDataSkinListBox>(d, name)) << name;
    for (const char* name : {"vscrollbar", "hscrollbar", "bothhscrollbar"})
        EXPECT_TRUE(HasControl<TDataSkinScrollBarControl>(d, name)) << name;
    EXPECT_TRUE(HasControl<TDataSkinComboBox>(d, "combobox"));
    EXPECT_TRUE(HasControl<TDataSkinTrackBarControl>(d, "htrackbar"));
    EXPECT_TRUE(HasControl<TDataSkinStdLabelControl>(d, "stdlabel"));
    // A combo box's drop-down list is the element its descriptor names.
    EXPECT_TRUE(HasControl<TDataSkinListBox>(d, d.SkinControlAs<TDataSkinComboBox>("combobox")->listBoxName.c_str()));
    EXPECT_NE(d.SkinObjectAs<TDataSkinCaption>("caption1"), nullptr);
    for (const char* name : {"closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton"})
        EXPECT_NE(d.SkinObjectAs<TDataSkinStdButton>(name), nullptr) << name;
    EXPECT_NE(d.SkinObjectAs<TDataSkinMenuItem>("MENUITEM"), nullptr);
    EXPECT_NE(d.ActivePicture(d.PopupWindow().windowPictureIndex), nullptr);
    EXPECT_NE(d.ActivePicture(d.HintWindow().windowPictureIndex), nullptr);
    // The same elements as Orange, so that a control finds its element in either.
    const TSkinData& orange = testing::OrangeSkinData();
    ASSERT_EQ(d.Controls().size(), orange.Controls().size());
    for (std::size_t i = 0; i < d.Controls().size(); ++i)
        EXPECT_EQ(d.Controls()[i]->Name() + ":" + d.Controls()[i]->Type(),
                  orange.Controls()[i]->Name() + ":" + orange.Controls()[i]->Type());
}

// Every descriptor written back as skin text, in list order: equal texts mean equal descriptors.
std::vector<std::string> DescriptorText(const TSkinData& d) {
    SkinIni ini;
    const_cast<TDataSkinFormInfo&>(d.FormInfo()).WriteTo(ini);
    const_cast<TDataSkinPopupWindow&>(d.PopupWindow()).WriteTo(ini);
    const_cast<TDataSkinHintWindow&>(d.HintWindow()).WriteTo(ini);
    for (const auto& object : d.Objects())
        object->WriteTo(ini);
    for (const auto& control : d.Controls())
        control->WriteTo(ini);
    return ini.Lines();
}

TEST_P(BuiltInSkin, FolderAndCompressedFileLoadToTheSameSkin) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("huecast-builtin-" + Art().name + ".skn");
    skinpack::Pack(testing::kBuiltInSkinsFolder / skingen::SkinFolderName(Art()) / "skin.ini", file);
    TCompressedStoredSkin compressed;
    compressed.LoadFromSkinFile(file);
    std::filesystem::remove(file);
    TSkinData fromFile;
    fromFile.SetCompressedStoredSkin(&compressed);
    const TSkinData& fromFolder = Data();
    ASSERT_FALSE(fromFile.Empty());
    EXPECT_EQ(fromFile.SkinName(), fromFolder.SkinName());
    EXPECT_EQ(fromFile.ActivePictureNames(), fromFolder.ActivePictureNames());
    EXPECT_EQ(WriteBmp(fromFile.MainPicture()), WriteBmp(fromFolder.MainPicture()));
    ASSERT_EQ(fromFile.ActivePictures().size(), fromFolder.ActivePictures().size());
    for (int i = 0; i < static_cast<int>(fromFolder.ActivePictures().size()); ++i)
        EXPECT_EQ(WriteBmp(*fromFile.ActivePicture(i)), WriteBmp(*fromFolder.ActivePicture(i))) << i;
    EXPECT_EQ(DescriptorText(fromFile), DescriptorText(fromFolder));
}

// Collects the rect keys of a descriptor.
class Rects final : public SkinKeys {
  public:
    std::vector<std::pair<std::string, Rect>> rects;
    void Key(std::string_view, int&) override {}
    void Key(std::string_view, Color&) override {}
    void Key(std::string_view, bool&) override {}
    void Key(std::string_view key, Rect& r) override { rects.emplace_back(key, r); }
    void Key(std::string_view, Point&) override {}
    void Key(std::string_view, FontStyle&) override {}
    void Key(std::string_view, Alignment&) override {}
    void Key(std::string_view, MorphKind&) override {}
    void Key(std::string_view, InactiveEffect&) override {}
    void Key(std::string_view, SkinCommand&) override {}
    void Key(std::string_view, std::string&) override {}
};

bool Inside(Rect r, int w, int h) {
    return r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h;
}

// Areas and button places are in the element's own coordinates; items' text areas in the item's.
const std::set<std::string> kAreas = {
    "clientrect",      "textarea",         "checkimagearea",  "trackarea",    "progressarea",
    "captionrect",     "textrect",         "itemsrect",       "upbuttonrect", "downbuttonrect",
    "trackbuttonrect", "rollvcaptionrect", "rollhcaptionrect"};
const std::set<std::string> kItemAreas = {"itemtextrect", "itemcheckrect", "celltextrect",
                                          "fixedcelltextrect"};

void ExpectDrawable(SkinDescriptor& d, const Bitmap* picture, Rect skin, Rect item) {
    Rects collected;
    d.Keys(collected);
    for (const auto& [key, r] : collected.rects) {
        if (r.IsEmpty()) continue;
        bool area = kAreas.count(key) > 0;
        // A combo box's or edit's button is a place in the control and its "down" rect the pressed look;
        // a track bar's button is the thumb's look.
        const bool hasButton =
            dynamic_cast<TDataSkinComboBox*>(&d) || dynamic_cast<TDataSkinEditControl*>(&d);
        if (key == "buttonrect") area = hasButton;
        if (key == "downbuttonrect" && hasButton) area = false;
        if (kItemAreas.count(key)) {
            EXPECT_TRUE(Inside(r, item.Width(), item.Height())) << d.Name() << " " << key;
        } else if (area) {
            EXPECT_TRUE(Inside(r, skin.Width(), skin.Height())) << d.Name() << " " << key;
        } else {
            EXPECT_TRUE(picture && Inside(r, picture->Width(), picture->Height())) << d.Name() << " " << key;
        }
    }
}

TEST_P(BuiltInSkin, EveryElementCanBeDrawnFromItsPicture) {
    const TSkinData& d = Data();
    for (const auto& control : d.Controls()) {
        const Bitmap* picture = d.ActivePicture(control->pictureIndex);
        EXPECT_TRUE(picture || control->pictureIndex == -1) << control->Name();
        Rect item = control->skinRect;
        if (auto* list = dynamic_cast<TDataSkinListBox*>(control.get())) item = list->itemRect;
        if (auto* combo = dynamic_cast<TDataSkinComboBox*>(control.get())) item = combo->itemRect;
        if (auto* grid = dynamic_cast<TDataSkinGridControl*>(control.get())) item = grid->selectCellRect;
        ExpectDrawable(*control, picture, control->skinRect, item);
        if (auto* custom = dynamic_cast<TDataSkinCustomControl*>(control.get()); custom && picture) {
            // The corner points cut the skin rect into pieces that exist.
            const int w = custom->skinRect.Width(), h = custom->skinRect.Height();
            EXPECT_LE(custom->leftTopPoint.x, w) << control->Name();
            EXPECT_LE(custom->rightTopPoint.x, w) << control->Name();
            EXPECT_LE(custom->leftBottomPoint.y, h) << control->Name();
            if (custom->rightBottomPoint.x != 0 && custom->rightBottomPoint.y != 0) {
                EXPECT_LT(custom->leftTopPoint.x, custom->rightTopPoint.x) << control->Name();
                EXPECT_LT(custom->leftTopPoint.y, custom->leftBottomPoint.y) << control->Name();
                EXPECT_LE(custom->rightBottomPoint.y, h) << control->Name();
            }
        }
    }
    for (const auto& object : d.Objects()) {
        const Bitmap* active = d.ActivePicture(object->activePictureIndex);
        const Bitmap* skinPicture = object->skinRectInAPicture ? active : &d.MainPicture();
        ASSERT_NE(skinPicture, nullptr) << object->Name();
        EXPECT_TRUE(Inside(object->skinRect, skinPicture->Width(), skinPicture->Height())) << object->Name();
        Rect skin = object->skinRect;
        object->skinRect = {};  // the rest of its looks are in the active picture
        ExpectDrawable(*object, active, skin, skin);
        object->skinRect = skin;
    }
    // A pop-up window's and a hint's areas are in their whole picture.
    const auto whole = [](const Bitmap* p) { return p ? Rect{0, 0, p->Width(), p->Height()} : Rect{}; };
    const Bitmap* popup = d.ActivePicture(d.PopupWindow().windowPictureIndex);
    ExpectDrawable(const_cast<TDataSkinPopupWindow&>(d.PopupWindow()), popup, whole(popup), {});
    const Bitmap* hint = d.ActivePicture(d.HintWindow().windowPictureIndex);
    ExpectDrawable(const_cast<TDataSkinHintWindow&>(d.HintWindow()), hint, whole(hint), {});
}

TEST_P(BuiltInSkin, GeneratorMakesExactlyTheCommittedFiles) {
    const skingen::GeneratedSkin skin = skingen::BuildSkin(Art());
    const std::filesystem::path folder = testing::kBuiltInSkinsFolder / skingen::SkinFolderName(Art());
    const std::string text = JoinLines(skin.iniLines);
    const std::vector<std::uint8_t> committedText = ReadWholeFile(folder / "skin.ini");
    EXPECT_EQ(text, std::string(committedText.begin(), committedText.end()))
        << "skin.ini is out of date: run skin-generator app/resources";
    ASSERT_EQ(skin.pictures.size(), 6u);
    for (const auto& [name, bitmap] : skin.pictures)
        EXPECT_EQ(WriteBmp(bitmap), ReadWholeFile(folder / name)) << name << " is out of date";
    EXPECT_EQ(skingen::BuildSkin(Art()).iniLines, skin.iniLines);
}
}  // namespace
}  // namespace huecast::skin
