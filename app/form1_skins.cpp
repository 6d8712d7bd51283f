// The skins the user chooses from the system menu's 皮肤(&K): the built-in ones and those in "skins"
// beside the program, switched at once for every window, and the choice remembered in settings.ini.
#include "app/form1.h"
#include "gui/application.h"
#include "skin/format/client_color.h"
#include "skin/format/skin_setting.h"
#include "skin/format/win32/stored_skin_resource.h"

namespace huecast {

namespace {

std::filesystem::path ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

std::filesystem::path SettingsFile() {
    return ProgramFolder() / skin::kSettingsFileName;
}

std::vector<skin::SkinChoice> SkinChoices() {
    std::vector<skin::SkinChoice> choices = skin::BuiltInChoices();
    for (skin::SkinChoice& found : skin::FindSkinFiles(ProgramFolder() / skin::kSkinsFolderName))
        choices.push_back(std::move(found));
    return choices;
}

skin::SkinFileSource BuiltInSkin(const std::filesystem::path& folder) {
    return skin::ResourceSource(gui::Application::Instance(), folder.string());
}

// A name shown as it is: "&" would otherwise mark an access key.
std::string MenuCaption(const std::string& name) {
    std::string caption;
    for (const char c : name) {
        caption += c;
        if (c == '&') caption += '&';
    }
    return caption;
}

}  // namespace

void TForm1::LoadStartSkin() {
    try {
        skin_.Load(Handle(), gui::Application::Instance());
        currentSkin_ = skin::BuiltInChoices().front().name;
    } catch (const skin::SkinError&) {
        // Without its stored skin (a program built without the resources) the window draws plain.
    }
    // The remembered skin, when it is still there and loads; otherwise Orange stays, without a word.
    const std::optional<std::string> remembered = skin::ReadChosenSkin(SettingsFile());
    if (!remembered || *remembered == currentSkin_) return;
    const std::vector<skin::SkinChoice> choices = SkinChoices();
    const skin::SkinChoice* choice = skin::FindChoice(choices, *remembered);
    if (!choice) return;
    skin::TSkinData candidate;
    try {
        skin::LoadSkinChoice(*choice, BuiltInSkin, candidate);
    } catch (const skin::SkinError&) {
        return;
    }
    skin_.Data().TakeSkinFrom(candidate);
    currentSkin_ = choice->name;
}

std::vector<skin::TMenuItem> TForm1::SkinMenuItems() {
    // Listed afresh each time the menu opens: a skin copied into "skins" meanwhile is there.
    skin::TMenuItem skins{.name = "SkinMenu", .caption = "皮肤(&K)"};
    for (const skin::SkinChoice& choice : SkinChoices())
        skins.items.push_back({.name = "Skin",
                               .caption = MenuCaption(choice.name),
                               .checked = choice.name == currentSkin_,
                               .onClick = [this, choice] { ChooseSkin(choice); }});
    return {std::move(skins)};
}

void TForm1::SkinChangedPlainParts() {
    SkinChangedBanner();
    // The system's edit fields stay white under a light skin, as they always were, and take the skin's
    // field and text colours under a dark one, where white fields would glare.
    const std::optional<std::uint32_t> field = skin::ControlFieldColor(skin_.Data(), "edit");
    const auto* edit = skin_.Data().SkinControlAs<skin::TDataSkinEditControl>("edit");
    for (gui::Edit* control : {sizeField_.get(), nameField_.get()}) {
        if (!control) continue;
        if (field && edit && skin::IsDark(*field))
            control->SetColors(*field, edit->font.color);
        else
            control->UseSystemColors();
    }
}

void TForm1::ChooseSkin(const skin::SkinChoice& choice) {
    if (choice.name == currentSkin_) return;
    // Loaded whole before anything changes: a skin that fails leaves the one in use as it was.
    skin::TSkinData candidate;
    try {
        skin::LoadSkinChoice(choice, BuiltInSkin, candidate);
    } catch (const skin::SkinRefused& error) {
        ShowError("无法使用皮肤“" + choice.name + "”：\r" + error.Reason());
        return;
    }
    // Every window hears the change in one round and draws the new skin whole.
    skin_.Data().TakeSkinFrom(candidate);
    currentSkin_ = choice.name;
    try {
        skin::WriteChosenSkin(SettingsFile(), choice.name);
    } catch (const std::exception& error) {
        ShowError("皮肤已更换，但下次启动时不能恢复：\r" + std::string(error.what()));
    }
}

}  // namespace huecast
