// The favourites: the list of saved works in rtf.ini beside the executable.
//
// The file keeps the layout every copy of the program reads: section "Head" with "Count", then sections
// "1" to Count with "name" and "rtf", values as they are. Sections above Count, left from a longer list,
// are neither read nor removed. The list is written after every change as well as when the window closes,
// so a crash or a kill loses nothing, and the file is replaced in one step, so a save cut short leaves the
// previous list whole.
#include <charconv>
#include <initializer_list>
#include <string_view>

#include "app/form1.h"
#include "gui/profile_file.h"

namespace huecast {

namespace {

constexpr const char* kHeadSection = "Head";
constexpr const char* kCountKey = "Count";
constexpr const char* kNameKey = "name";
constexpr const char* kRtfKey = "rtf";

// A message of several lines, separated by single carriage returns.
std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        if (!text.empty()) text += '\r';
        text += line;
    }
    return text;
}

// A whole decimal number, or nothing.
std::optional<int> Integer(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || text.empty()) return std::nullopt;
    return value;
}

// How many favourites the file holds: "Count", but no more than the sections that exist up to it. A
// damaged Count (a billion, say) would otherwise fill the list with empty favourites without end.
int FavouriteCount(const ProfileText& ini) {
    const int count = Integer(ini.Read(kHeadSection, kCountKey).value_or("")).value_or(0);
    int last = 0;
    for (const std::string& name : ini.SectionNames()) {
        const std::optional<int> number = Integer(name);
        // Only the names the program writes: "01" is not section 1 for the system's reader either.
        if (number && *number > last && *number <= count && std::to_string(*number) == name) last = *number;
    }
    return last;
}

// The name in rtf.ini's code page, or nothing when it holds a character the file cannot keep: such a
// name would come back altered after the next start.
std::optional<std::string> StorableName(const CodePageConverter& codePage, const std::wstring& name) {
    return codePage.FromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(name.data()), name.size()));
}

constexpr const char* kUnstorableName =
    "作品的名字里有收藏夹文件存不下的字符（比如表情符号或韩文），\r请给作品换一个名字。";

}  // namespace

void TForm1::WireFavourites() {
    favouriteList_->OnListBoxClick = [this] { OpenFavouriteClick(); };
    addFavouriteButton_->onClick = [this] { AddFavouriteClick(); };
    modifyFavouriteButton_->onClick = [this] { ModifyFavouriteClick(); };
    deleteFavouriteButton_->onClick = [this] { DeleteFavouriteClick(); };
}

void TForm1::LoadFavourites() {
    ProfileText ini;
    try {
        ini = gui::ReadProfileFile(favouritesFile_);
    } catch (const gui::ProfileFileError& e) {
        favouritesUnreadable_ = true;
        ShowError(Lines({"收藏夹文件读不出来：", favouritesFile_, e.what(),
                         "为了不覆盖其中的作品，这次运行中收藏夹不会保存。"}));
        return;
    }
    const int count = FavouriteCount(ini);
    for (int i = 1; i <= count; ++i) {
        const std::string section = std::to_string(i);
        favouriteList_->Add(ini.Read(section, kNameKey).value_or(""));
        favouriteRtfs_->push_back(ini.Read(section, kRtfKey).value_or(""));
    }
}

bool TForm1::SaveFavourites() {
    if (favouritesUnreadable_) {
        ShowError(Lines(
            {"收藏夹没有保存：", favouritesFile_, "这个文件在程序启动时读不出来，保存会覆盖其中的作品。"}));
        return false;
    }
    try {
        // The file is read again so that whatever else it holds stays as it is.
        ProfileText ini = gui::ReadProfileFile(favouritesFile_);
        const int count = favouriteList_->Count();
        ini.Write(kHeadSection, kCountKey, std::to_string(count));
        for (int i = 1; i <= count; ++i) {
            const std::string section = std::to_string(i);
            ini.Write(section, kNameKey, favouriteList_->Item(i - 1));
            ini.Write(section, kRtfKey, (*favouriteRtfs_)[static_cast<std::size_t>(i - 1)]);
        }
        gui::ReplaceProfileFile(favouritesFile_, ini.Text());
        return true;
    } catch (const gui::ProfileFileError& e) {
        // Not every system has words of its own for this one.
        const std::string reason = e.Code() == ERROR_FILE_READ_ONLY ? "这个文件是只读的。" : e.what();
        ShowError(Lines({"收藏夹没能保存到文件：", favouritesFile_, reason,
                         "你的作品都还在列表里，每次添加、修改、删除和关闭窗口时都会再保存。"}));
        return false;
    }
}

void TForm1::OpenFavouriteClick() {
    editor_->Clear();
    const int k = favouriteList_->ItemIndex();
    if (k < 0 || static_cast<std::size_t>(k) >= favouriteRtfs_->size()) return;
    editor_->StreamIn((*favouriteRtfs_)[static_cast<std::size_t>(k)]);
    // The name after the text: loading counts as a change of the editor, whose handler would otherwise
    // name the work after its text.
    nameField_->SetText(favouriteList_->Item(k));
}

std::optional<std::string> TForm1::NameToStore(const std::string& whenMissing) {
    const std::wstring wideName = nameField_->WideText();
    if (wideName.empty()) {
        ShowError(whenMissing);
        // The work's own text is offered as its name.
        nameField_->SetWideText(DefaultName(WideEditorPlainText()));
        return std::nullopt;
    }
    std::optional<std::string> name = StorableName(SystemCodePage(), wideName);
    if (!name) ShowError(kUnstorableName);
    return name;
}

void TForm1::AddFavouriteClick() {
    const std::optional<std::string> name = NameToStore("你还没有取名呢，请取一个名字先！");
    if (!name) return;
    std::string rtf = ReadEditorRtf();
    favouriteList_->Add(*name);
    favouriteRtfs_->push_back(std::move(rtf));
    favouriteList_->SetItemIndex(favouriteList_->Count() - 1);
    SaveFavourites();
}

void TForm1::ModifyFavouriteClick() {
    const int k = favouriteList_->ItemIndex();
    if (k < 0) {
        ShowError(Lines({"修改之前，你还没有选中要修改的项呢", "请再列表中选择你要修改的项！"}));
        return;
    }
    const std::optional<std::string> name =
        NameToStore(Lines({"添加之前，你还没有取名呢", "请取一个名字先！"}));
    if (!name) return;
    std::string rtf = ReadEditorRtf();
    favouriteList_->SetItem(k, *name);
    (*favouriteRtfs_)[static_cast<std::size_t>(k)] = std::move(rtf);
    SaveFavourites();
}

void TForm1::DeleteFavouriteClick() {
    // The question comes first, even when nothing is selected.
    // Only No keeps the favourite; closing the box answers No too, as Escape does.
    if (AskWarning("你确定要删除你的彩字作品吗？不再改改？") == skin::mrNo) return;
    const int k = favouriteList_->ItemIndex();
    if (k < 0) {
        ShowError(Lines({"你没有选中你要删的彩字，", "或 收藏夹中为空", "请选中先！"}));
        return;
    }
    favouriteList_->Delete(k);
    favouriteRtfs_->erase(favouriteRtfs_->begin() + k);
    nameField_->SetText("");
    editor_->Clear();
    SaveFavourites();
}

}  // namespace huecast
