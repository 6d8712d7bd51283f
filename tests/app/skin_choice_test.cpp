// Choosing a skin from the system menu's 皮肤(&K) with the real keys and pointer: the whole window changes
// to the chosen skin's pieces and keeps what it shows, the choice comes back at the next start (and a
// remembered skin that has gone gives way to Orange without a word), a broken skin beside the program is
// listed and refused with a message while the skin in use stays, and a skin copied in while the program
// runs is listed the next time the menu opens.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "app/control_ids.h"
#include "skin/format/bmp.h"
#include "skin/format/client_color.h"
#include "skin/format/skin_data.h"
#include "skin/format/skin_setting.h"
#include "skin/format/stored_skin.h"
#include "skin/format/win32/stored_skin_resource.h"
#include "tests/app/huecast_driver.h"
#include "tests/app/skinned_menus.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"

namespace huecast::testing {
namespace {

namespace fs = std::filesystem;

struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

// A built-in skin as huecast.exe carries it.
skin::TStoredSkin BuiltInSkin(const char* folder) {
    std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter> exe(
        LoadLibraryExA(BuiltHuecastExe().string().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!exe) throw std::runtime_error("cannot read the resources of huecast.exe");
    return skin::LoadStoredSkinResource(exe.get(), "skin.ini", folder);
}

// What the window must show in a skin, where the skin's pieces are copied unchanged: a caption pixel left
// of the icon, and a pixel in the top-left corner piece of the 复制 button (enabled: the editor holds text);
// and the name field's colour, which follows the skin's edit field under a dark skin.
struct Looks {
    COLORREF caption;
    COLORREF button;
    COLORREF nameField;  // the system's edit of the favourite's name: white, or a dark skin's edit field
};
constexpr POINT kCaptionPixel{3, 12};  // in the window
constexpr POINT kButtonPixel{2, 2};    // in the button

Looks LooksOf(const char* folder) {
    const skin::TStoredSkin stored = BuiltInSkin(folder);
    skin::TSkinData data;
    data.SetStoredSkin(&stored);
    const auto* button = data.SkinControlAs<skin::TDataSkinButtonControl>("button");
    const Bitmap* controls = data.ActivePicture(button->pictureIndex);
    const skin::Color field = skin::ControlFieldColor(data, "edit").value_or(0);
    return {data.MainPicture().PixelColor(kCaptionPixel.x, kCaptionPixel.y),
            controls->PixelColor(button->skinRect.left + kButtonPixel.x, button->skinRect.top + kButtonPixel.y),
            skin::IsDark(field) ? field : GetSysColor(COLOR_WINDOW)};
}

Looks Shown(const HuecastProcess& p) {
    RECT window{}, button{}, name{};
    GetWindowRect(p.Window(), &window);
    GetWindowRect(p.Control(ids::kButton1), &button);
    GetWindowRect(p.Control(ids::kEdit2), &name);
    return {ScreenPixel({window.left + kCaptionPixel.x, window.top + kCaptionPixel.y}),
            ScreenPixel({button.left + kButtonPixel.x, button.top + kButtonPixel.y}),
            ScreenPixel({name.right - 8, (name.top + name.bottom) / 2})};
}

bool ShowsSoon(const HuecastProcess& p, const Looks& looks) {
    for (int i = 0; i < 100; ++i) {
        const Looks shown = Shown(p);
        if (shown.caption == looks.caption && shown.button == looks.button && shown.nameField == looks.nameField)
            return true;
        Sleep(30);
    }
    return false;
}

// Opens 皮肤 from the keyboard: its submenu comes up with the first skin lit. Returns the submenu.
HWND OpenSkinsByKeyboard(HuecastProcess& p) {
    if (!OpenSystemMenu(p)) return nullptr;
    PressKeys({'K'});
    return WaitForLevels(p, 2);
}

int ItemCount(HWND level) {
    RECT r{};
    GetWindowRect(level, &r);
    return (r.bottom - r.top - 4) / 20;
}

void WriteSkinFolder(const skin::TStoredSkin& stored, const fs::path& folder) {
    fs::create_directories(folder);
    const std::string text = JoinLines(stored.iniStrings);
    skin::WriteWholeFile(folder / "skin.ini", {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    const std::vector<std::string> names = skin::ReadActivePictureNames(skin::SkinIni(stored.iniStrings));
    skin::WriteWholeFile(folder / "main.bmp", skin::WriteBmp(stored.pictures.main));
    for (std::size_t i = 0; i < names.size(); ++i)
        skin::WriteWholeFile(folder / names[i], skin::WriteBmp(stored.pictures.active[i]));
}

const char* const kFavourites = "[Head]\r\nCount=1\r\n\r\n[1]\r\nname=kept\r\nrtf={\\rtf1 kept}\r\n";

TEST(SkinChoice, SwitchesTheWholeWindowKeepsItsContentAndComesBackAtTheNextStart) {
    const Looks orange = LooksOf(""), basalt = LooksOf("basalt");
    ASSERT_NE(orange.caption, basalt.caption);
    ASSERT_NE(orange.button, basalt.button);
    HuecastProcess p(kFavourites);
    ASSERT_TRUE(BringToFront(p.Window()));
    p.Type("abc");
    ASSERT_TRUE(ShowsSoon(p, orange)) << "the window does not start in Orange";
    const std::string editor = p.Text(ids::kRichEdit1), counter = p.Text(ids::kStaticText8);
    const std::vector<std::string> favourites = p.ListItems(ids::kSkinListBox2);
    ASSERT_EQ(favourites.size(), 1u);

    HWND skins = OpenSkinsByKeyboard(p);
    ASSERT_NE(skins, nullptr) << "皮肤 opened no submenu";
    EXPECT_EQ(ItemCount(skins), 2);  // Orange, Basalt
    PressKeys({VK_DOWN});
    PressKeys({VK_RETURN});
    EXPECT_EQ(WaitForLevels(p, 0), nullptr);
    EXPECT_TRUE(ShowsSoon(p, basalt)) << "the caption, the button or the name field do not show Basalt";
    EXPECT_EQ(p.FindMessageBox(300), nullptr);
    EXPECT_EQ(p.Text(ids::kRichEdit1), editor);
    EXPECT_EQ(p.Text(ids::kStaticText8), counter);
    EXPECT_EQ(p.ListItems(ids::kSkinListBox2), favourites);
    // Remembered in a file of its own; rtf.ini keeps its format.
    EXPECT_EQ(skin::ReadChosenSkin(p.Folder() / skin::kSettingsFileName), "Basalt");
    std::ifstream rtfIni(p.Folder() / "rtf.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(rtfIni), {}).find("Basalt"), std::string::npos);

    p.Restart();
    EXPECT_TRUE(ShowsSoon(p, basalt)) << "Basalt did not come back at the next start";
    EXPECT_EQ(p.ListItems(ids::kSkinListBox2), favourites);

    skin::WriteChosenSkin(p.Folder() / skin::kSettingsFileName, "Gone");
    p.Restart();
    EXPECT_TRUE(ShowsSoon(p, orange)) << "a remembered skin that has gone did not give way to Orange";
    EXPECT_EQ(p.FindMessageBox(300), nullptr);
}

TEST(SkinChoice, ABrokenSkinIsRefusedWithAMessageAndASkinCopiedInIsListed) {
    const Looks orange = LooksOf(""), basalt = LooksOf("basalt");
    HuecastProcess p;
    ASSERT_TRUE(BringToFront(p.Window()));
    p.Type("abc");  // the 复制 button is enabled, in its plain look
    // While the program runs: a compressed skin cut short, and a whole skin folder.
    const skin::TStoredSkin stored = BuiltInSkin("basalt");
    fs::create_directories(p.Folder() / "skins");
    {
        skin::TCompressedStoredSkin compressed;
        compressed.compressedData =
            skin::TCompressedStoredSkin::Compress({1, stored.pictures, stored.iniStrings});
        std::vector<std::uint8_t> bytes = compressed.SkinFileBytes();
        bytes.resize(bytes.size() / 2);
        skin::WriteWholeFile(p.Folder() / "skins/Broken.skn", bytes);
    }
    WriteSkinFolder(stored, p.Folder() / "skins/Copied");

    HWND skins = OpenSkinsByKeyboard(p);
    ASSERT_NE(skins, nullptr);
    ASSERT_EQ(ItemCount(skins), 4);  // Orange, Basalt, then by name: Broken, Copied
    PressKeys({VK_DOWN});
    PressKeys({VK_DOWN});
    PressKeys({VK_RETURN});
    HWND box = p.FindMessageBox();
    ASSERT_NE(box, nullptr) << "a broken skin was taken without a word";
    const std::string text = p.MessageBoxText(box);
    EXPECT_NE(text.find("Broken"), std::string::npos) << text;
    EXPECT_NE(text.find("cut short"), std::string::npos) << text;
    p.Answer(box, IDOK);
    EXPECT_TRUE(ShowsSoon(p, orange)) << "the skin in use did not stay";
    EXPECT_EQ(skin::ReadChosenSkin(p.Folder() / skin::kSettingsFileName), std::nullopt);

    // The folder copied in, chosen with the pointer; Up wraps from the first item to the last.
    skins = OpenSkinsByKeyboard(p);
    ASSERT_NE(skins, nullptr);
    PressKeys({VK_UP});
    Sleep(100);
    const POINT copied = ItemPoint(skins, 3);
    const COLORREF lit = ScreenPixel({copied.x - 35, copied.y});
    MoveTo(ItemPoint(skins, 0));
    Sleep(200);
    EXPECT_NE(ScreenPixel({copied.x - 35, copied.y}), lit) << "Up did not wrap to the last item";
    ClickAt(copied);
    EXPECT_TRUE(ShowsSoon(p, basalt)) << "the skin copied in did not take";
    EXPECT_EQ(skin::ReadChosenSkin(p.Folder() / skin::kSettingsFileName), "Copied");
}

}  // namespace
}  // namespace huecast::testing
