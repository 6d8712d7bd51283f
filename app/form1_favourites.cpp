// The favourites: the list of saved works in rtf.ini beside the executable.
#include <windows.h>

#include "app/form1.h"

namespace huecast {

namespace {

std::string ReadProfileString(const std::string& file, const std::string& section, const char* key) {
    char buffer[2048] = {};
    GetPrivateProfileStringA(section.c_str(), key, "", buffer, sizeof buffer, file.c_str());
    return buffer;
}

}  // namespace

void TForm1::WireFavourites() { SkinListBox2->onClick = [this] { SkinListBox2ListBoxClick(); }; }

void TForm1::LoadFavourites() {
    const int count = static_cast<int>(GetPrivateProfileIntA("Head", "Count", 0, favouritesFile_.c_str()));
    for (int i = 1; i <= count; ++i) {
        const std::string section = std::to_string(i);
        SkinListBox2->Add(ReadProfileString(favouritesFile_, section, "name"));
        FavouriteRtfs->push_back(ReadProfileString(favouritesFile_, section, "rtf"));
    }
}

void TForm1::SaveFavourites() {
    const int count = SkinListBox2->Count();
    WritePrivateProfileStringA("Head", "Count", std::to_string(count).c_str(), favouritesFile_.c_str());
    for (int i = 1; i <= count; ++i) {
        const std::string section = std::to_string(i);
        WritePrivateProfileStringA(section.c_str(), "name", SkinListBox2->Item(i - 1).c_str(), favouritesFile_.c_str());
        WritePrivateProfileStringA(section.c_str(), "rtf", (*FavouriteRtfs)[static_cast<std::size_t>(i - 1)].c_str(),
                                   favouritesFile_.c_str());
    }
}

void TForm1::SkinListBox2ListBoxClick() {
    RichEdit1->Clear();
    const int k = SkinListBox2->ItemIndex();
    if (k < 0) return;
    Edit2->SetText(SkinListBox2->Item(k));
    RichEdit1->StreamIn((*FavouriteRtfs)[static_cast<std::size_t>(k)]);
}

}  // namespace huecast
