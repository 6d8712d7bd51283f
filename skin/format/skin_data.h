// The live skin every skinned frame, control, hint and menu draws from: pictures, element descriptors,
// the frame values of [FORMINFO], and the announcements of a skin change.
//
// Usage:
//     TSkinData skinData(&notifier);          // notifier: the owner form's window, or nullptr
//     skinData.SetStoredSkin(&storedSkin);    // loads at once and announces the change
//     int i = skinData.FindSkinControl("button");
//     auto* button = skinData.SkinControlAs<TDataSkinButtonControl>("button");
//     const Bitmap* picture = skinData.ActivePicture(button->pictureIndex);   // nullptr: no picture
//
// A skin that fails to load (a malformed picture, a rect without digits) throws SkinError; the skin data
// is then empty, receivers have been told (change and after-change notices), and everything draws plain.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/bitmap.h"
#include "skin/format/picture_cache.h"
#include "skin/format/skin_descriptors.h"
#include "skin/format/stored_skin.h"

namespace huecast::skin {

class TSkinData;

// The three announcements of a skin change, numbered as the window messages that carry them.
enum class SkinNotice { BeforeChange = 1225, Change = 1226, AfterChange = 1227 };

// Delivers the notices: the Win32 layer sends them to the owner form and then to every other form.
class SkinNoticeSink {
  public:
    virtual ~SkinNoticeSink() = default;
    virtual void Announce(TSkinData& skinData, SkinNotice notice) = 0;
};

class TSkinData {
  public:
    explicit TSkinData(SkinNoticeSink* owner = nullptr);
    ~TSkinData();
    TSkinData(const TSkinData&) = delete;
    TSkinData& operator=(const TSkinData&) = delete;

    // Stores the reference and loads the skin from it; nullptr only forgets the reference and keeps the skin.
    void SetStoredSkin(const TStoredSkin* storedSkin);
    void SetCompressedStoredSkin(const TCompressedStoredSkin* compressedStoredSkin);
    const TStoredSkin* StoredSkin() const { return storedSkin_; }
    const TCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }

    void LoadFromStoredSkin(const TStoredSkin& storedSkin);
    // An empty block does nothing; a block of another version than 1 leaves the skin empty after the
    // before-change notice, without further notices.
    void LoadFromCompressedStoredSkin(const TCompressedStoredSkin& compressedStoredSkin);

    // Replaces this skin by the one `loaded` holds, with the three notices, as one load would: receivers
    // see the old skin until the before-change notice and the whole new one from the change notice on.
    // `loaded` (a skin data that nothing draws from, its owner and stored skins aside) is left empty.
    void TakeSkinFrom(TSkinData& loaded);

    void Clear();
    bool Empty() const { return empty_; }

    // Index in the descriptor list of the first element named exactly `name` (case-sensitive), or -1.
    int FindSkinObject(std::string_view name) const;
    int FindSkinControl(std::string_view name) const;
    // The descriptor named `name` when it is of class T (or derived from it); nullptr otherwise.
    template <class T>
    T* SkinControlAs(std::string_view name) const {
        const int index = FindSkinControl(name);
        return index < 0 ? nullptr : dynamic_cast<T*>(controls_[static_cast<std::size_t>(index)].get());
    }
    template <class T>
    T* SkinObjectAs(std::string_view name) const {
        const int index = FindSkinObject(name);
        return index < 0 ? nullptr : dynamic_cast<T*>(objects_[static_cast<std::size_t>(index)].get());
    }

    // -1, or an index not below the number of active pictures, gives nullptr (no picture).
    const Bitmap* ActivePicture(int index) const;
    // The same picture in 24 bits, made once per load, for cutting (picture_cut.h).
    const Bitmap* ActivePicture24(int index) const { return pictures24_.Picture(index); }

    const std::vector<std::unique_ptr<TDataSkinObject>>& Objects() const { return objects_; }
    const std::vector<std::unique_ptr<TDataSkinControl>>& Controls() const { return controls_; }
    const TDataSkinPopupWindow& PopupWindow() const { return *popupWindow_; }
    const TDataSkinHintWindow& HintWindow() const { return *hintWindow_; }
    const TDataSkinFormInfo& FormInfo() const { return *formInfo_; }

    const Bitmap& MainPicture() const { return pictures_.main; }
    const Bitmap& InactivePicture() const { return pictures_.inactive; }
    const Bitmap& MaskPicture() const { return pictures_.mask; }
    const std::vector<Bitmap>& ActivePictures() const { return pictures_.active; }

    const std::string& PictureName() const { return pictureName_; }
    const std::string& InactivePictureName() const { return inactivePictureName_; }
    const std::string& MaskName() const { return maskName_; }
    // A named mask is what makes the frame treat the skin as shaped.
    bool HasMask() const { return !maskName_.empty(); }
    const std::vector<std::string>& ActivePictureNames() const { return activePictureNames_; }

    const std::string& SkinName() const { return skinName_; }
    const std::string& SkinAuthor() const { return skinAuthor_; }
    const std::string& AuthorEmail() const { return authorEmail_; }
    const std::string& AuthorUrl() const { return authorUrl_; }
    const std::string& SkinComments() const { return skinComments_; }

  private:
    void Notify(SkinNotice notice);
    void BeginLoad();
    // [VERSION] strings and [PICTURES] names.
    void ReadNames(const SkinIni& ini);
    // [FORMINFO] normalised, [POPUPWINDOW], [HINTWINDOW], then the objects and last the controls.
    void ReadDescriptors(const SkinIni& ini);
    void FinishLoad(bool buildPictures = true);
    // Runs a load body; on an exception the skin is cleared, receivers learn it is empty, and it rethrows.
    template <class Body>
    void Guarded(Body&& body);

    SkinNoticeSink* owner_ = nullptr;
    const TStoredSkin* storedSkin_ = nullptr;
    const TCompressedStoredSkin* compressedStoredSkin_ = nullptr;
    bool empty_ = true;

    std::string skinName_, skinAuthor_, authorEmail_, authorUrl_, skinComments_;
    std::string pictureName_, inactivePictureName_, maskName_;
    std::vector<std::string> activePictureNames_;
    SkinPictures pictures_;
    SkinPictureCache pictures24_;
    std::vector<std::unique_ptr<TDataSkinObject>> objects_;
    std::vector<std::unique_ptr<TDataSkinControl>> controls_;
    // Made afresh by Clear(), so no value of an earlier skin survives into the next.
    std::unique_ptr<TDataSkinPopupWindow> popupWindow_;
    std::unique_ptr<TDataSkinHintWindow> hintWindow_;
    std::unique_ptr<TDataSkinFormInfo> formInfo_;
};

}  // namespace huecast::skin
