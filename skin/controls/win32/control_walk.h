// The walk by which a form's skinned frame passes a skin change on to its skinned controls: every
// TSkinControl below the form (at any depth) that uses the announcing skin data gets SkinChanging on the
// before-change notice and SkinChanged on the change notice.
//
//     // in a form's (or its frame's) message handler:
//     if (TSkinData* data = SkinDataOfNotice(message, wParam, lParam)) PassSkinNotice(Handle(), *data, notice);
#pragma once

#include <windows.h>

#include "skin/format/skin_data.h"

namespace huecast::skin {

void PassSkinNotice(HWND form, const TSkinData& skinData, SkinNotice notice);
// Clears SkinData in every control below `form` that uses `skinData` (the skin data object goes away).
void ForgetSkinData(HWND form, const TSkinData& skinData);

}  // namespace huecast::skin
