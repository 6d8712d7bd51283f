// What a form needs to wear the built-in skin: the stored skin read from the resources, the skin data
// object built from it, and the notifier that tells the form's windows about changes.
//
//     huecast::skin::FormSkin skin_;                    // a member of the form
//     skin_.Load(hwnd, GetModuleHandleA(nullptr));      // once the form's window exists
//     skin_.Data()                                      // the TSkinData every skinned control uses
#pragma once

#include <windows.h>

#include "skin/format/skin_data.h"
#include "skin/format/win32/notices.h"

namespace huecast::skin {

class FormSkin {
  public:
    FormSkin() : data_(&notifier_) {}
    FormSkin(const FormSkin&) = delete;
    FormSkin& operator=(const FormSkin&) = delete;

    // Reads the stored skin from `module`'s resources and loads it, announcing the change to `owner` and
    // the other forms. Throws SkinError when the stored skin is malformed; the skin data then stays empty
    // and everything draws plain.
    void Load(HWND owner, HMODULE module, const std::string& iniName = "skin.ini");

    TSkinData& Data() { return data_; }
    const TStoredSkin& Stored() const { return stored_; }

  private:
    FormSkinNotifier notifier_;
    TStoredSkin stored_;
    TSkinData data_;  // declared last: it refers to the notifier and the stored skin
};

}  // namespace huecast::skin
