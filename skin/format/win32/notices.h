// Delivers the skin data object's change notices as window messages: first to the owner form's window,
// then to every other top-level window of the owner's thread (the user-interface thread, where every form
// of the program lives), each synchronously. wParam is the TSkinData*, lParam is kSkinNoticeTag.
#pragma once

#include <windows.h>

#include "skin/format/skin_data.h"

namespace huecast::skin {

inline constexpr UINT kSkinBeforeChangeMessage = static_cast<UINT>(SkinNotice::BeforeChange);  // 1225
inline constexpr UINT kSkinChangeMessage = static_cast<UINT>(SkinNotice::Change);              // 1226
inline constexpr UINT kSkinAfterChangeMessage = static_cast<UINT>(SkinNotice::AfterChange);    // 1227
inline constexpr LPARAM kSkinNoticeTag = 1000;

class FormSkinNotifier final : public SkinNoticeSink {
  public:
    // No owner window: the skin data has no form, so nothing is sent.
    explicit FormSkinNotifier(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    HWND Owner() const { return owner_; }

    void Announce(TSkinData& skinData, SkinNotice notice) override;

  private:
    HWND owner_;
};

// The skin data object a notice message announces, or nullptr when the message is not one of ours.
TSkinData* SkinDataOfNotice(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace huecast::skin
