#include "skin/format/skin_data.h"

#include <algorithm>

namespace huecast::skin {

namespace {

constexpr int kMaxSkinElements = 4096;

// "name:type" entries of [SKINOBJECTS] or [SKINCONTROLS], in index order. An entry without a colon, or of
// a type the factory does not know, creates nothing.
template <class Descriptor, class Factory>
void ReadElements(const SkinIni& ini, std::string_view section, Factory create,
                  std::vector<std::unique_ptr<Descriptor>>& into) {
    int count = 0;
    if (const std::string* value = ini.Find(section, "count")) ParseInteger(*value, count);
    // Entries 0 .. count-1, a missing key skipped: a sparse list keeps the entries it has. The bound keeps
    // a huge count from spinning; no real skin comes near it.
    count = std::min(count, kMaxSkinElements);
    for (int i = 0; i < count; ++i) {
        const std::string entry = ini.ReadString(section, std::to_string(i), "");
        const std::size_t colon = entry.find(':');
        if (colon == std::string::npos) continue;
        std::unique_ptr<Descriptor> descriptor = create(entry.substr(colon + 1), entry.substr(0, colon));
        if (!descriptor) continue;
        descriptor->ReadFrom(ini);
        into.push_back(std::move(descriptor));
    }
}

template <class List>
int FindByName(const List& list, std::string_view name) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i]->Name() == name) return static_cast<int>(i);
    return -1;
}

}  // namespace

TSkinData::TSkinData(SkinNoticeSink* owner) : owner_(owner) {
    Clear();
}

TSkinData::~TSkinData() {
    empty_ = true;
    Clear();
}

void TSkinData::Notify(SkinNotice notice) {
    if (owner_) owner_->Announce(*this, notice);
}

void TSkinData::Clear() {
    objects_.clear();
    controls_.clear();
    pictures_.active.clear();
    pictures24_.Clear();
    activePictureNames_.clear();
    popupWindow_ = std::make_unique<TDataSkinPopupWindow>();
    hintWindow_ = std::make_unique<TDataSkinHintWindow>();
    formInfo_ = std::make_unique<TDataSkinFormInfo>();
    pictures_.main = {};
    pictures_.inactive = {};
    pictures_.mask = {};
    pictureName_.clear();
    inactivePictureName_.clear();
    maskName_.clear();
    skinName_.clear();
    skinAuthor_.clear();
    authorEmail_.clear();
    authorUrl_.clear();
    skinComments_.clear();
    empty_ = true;
}

void TSkinData::SetStoredSkin(const TStoredSkin* storedSkin) {
    storedSkin_ = storedSkin;
    if (storedSkin) LoadFromStoredSkin(*storedSkin);
}

void TSkinData::SetCompressedStoredSkin(const TCompressedStoredSkin* compressedStoredSkin) {
    compressedStoredSkin_ = compressedStoredSkin;
    if (compressedStoredSkin) LoadFromCompressedStoredSkin(*compressedStoredSkin);
}

void TSkinData::BeginLoad() {
    empty_ = true;
    Notify(SkinNotice::BeforeChange);
    Clear();
}

void TSkinData::FinishLoad(bool buildPictures) {
    if (buildPictures) pictures24_.Build(pictures_.active);
    Notify(SkinNotice::Change);
    Notify(SkinNotice::AfterChange);
}

void TSkinData::TakeSkinFrom(TSkinData& loaded) {
    BeginLoad();
    skinName_ = std::move(loaded.skinName_);
    skinAuthor_ = std::move(loaded.skinAuthor_);
    authorEmail_ = std::move(loaded.authorEmail_);
    authorUrl_ = std::move(loaded.authorUrl_);
    skinComments_ = std::move(loaded.skinComments_);
    pictureName_ = std::move(loaded.pictureName_);
    inactivePictureName_ = std::move(loaded.inactivePictureName_);
    maskName_ = std::move(loaded.maskName_);
    activePictureNames_ = std::move(loaded.activePictureNames_);
    pictures_ = std::move(loaded.pictures_);
    pictures24_ = std::move(loaded.pictures24_);
    objects_ = std::move(loaded.objects_);
    controls_ = std::move(loaded.controls_);
    popupWindow_ = std::move(loaded.popupWindow_);
    hintWindow_ = std::move(loaded.hintWindow_);
    formInfo_ = std::move(loaded.formInfo_);
    empty_ = loaded.empty_;
    loaded.Clear();
    FinishLoad(false);
}

template <class Body>
void TSkinData::Guarded(Body&& body) {
    try {
        body();
    } catch (...) {
        // Half a skin is worse than none: receivers dropped their objects on the before-change notice and
        // must hear that the skin is now empty, so that they draw plain instead of waiting for a change.
        Clear();
        FinishLoad();
        throw;
    }
}

void TSkinData::ReadNames(const SkinIni& ini) {
    skinName_ = ini.ReadString("VERSION", "skinname", "");
    skinAuthor_ = ini.ReadString("VERSION", "skinauthor", "");
    authorEmail_ = ini.ReadString("VERSION", "authoremail", "");
    authorUrl_ = ini.ReadString("VERSION", "authorurl", "");
    skinComments_ = ini.ReadString("VERSION", "skincomments", "");
    pictureName_ = ini.ReadString("PICTURES", "picture", "");
    inactivePictureName_ = ini.ReadString("PICTURES", "inactivepicture", "");
    maskName_ = ini.ReadString("PICTURES", "mask", "");
    activePictureNames_ = ReadActivePictureNames(ini);
}

void TSkinData::ReadDescriptors(const SkinIni& ini) {
    formInfo_->ReadFrom(ini);
    formInfo_->Normalise(HasMask());
    popupWindow_->ReadFrom(ini);
    hintWindow_->ReadFrom(ini);
    ReadElements(ini, "SKINOBJECTS", CreateSkinObject, objects_);
    ReadElements(ini, "SKINCONTROLS", CreateSkinControl, controls_);
}

void TSkinData::LoadFromStoredSkin(const TStoredSkin& storedSkin) {
    BeginLoad();
    const SkinIni ini(storedSkin.iniStrings);
    if (!HasRequiredSections(ini)) {
        FinishLoad();
        return;
    }
    Guarded([&] {
        ReadNames(ini);
        pictures_.main = storedSkin.pictures.main;
        pictures_.inactive = storedSkin.pictures.inactive;
        pictures_.mask = storedSkin.pictures.mask;
        pictures_.active = storedSkin.pictures.active;
        ReadDescriptors(ini);
    });
    empty_ = false;
    FinishLoad();
}

void TSkinData::LoadFromCompressedStoredSkin(const TCompressedStoredSkin& compressedStoredSkin) {
    if (compressedStoredSkin.Empty()) return;
    BeginLoad();
    bool loaded = false;
    Guarded([&] {
        SkinContent content = compressedStoredSkin.Decompress();
        if (content.version != 1) return;
        const SkinIni ini(content.iniLines);
        ReadNames(ini);
        pictures_ = std::move(content.pictures);
        ReadDescriptors(ini);
        loaded = true;
    });
    if (!loaded) return;  // another version: the skin stays empty and no change is announced
    empty_ = false;
    FinishLoad();
}

int TSkinData::FindSkinObject(std::string_view name) const {
    return FindByName(objects_, name);
}
int TSkinData::FindSkinControl(std::string_view name) const {
    return FindByName(controls_, name);
}

const Bitmap* TSkinData::ActivePicture(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= pictures_.active.size()) return nullptr;
    return &pictures_.active[static_cast<std::size_t>(index)];
}

}  // namespace huecast::skin
