#include "skin/format/win32/form_skin.h"

#include "skin/format/win32/stored_skin_resource.h"

namespace huecast::skin {

void FormSkin::Load(HWND owner, HMODULE module, const std::string& iniName) {
    notifier_.SetOwner(owner);
    stored_ = LoadStoredSkinResource(module, iniName);
    data_.SetStoredSkin(&stored_);
}

}  // namespace huecast::skin
