#include "tests/support/win32/skinned_host.h"

#include "skin/controls/win32/control_walk.h"
#include "skin/format/win32/notices.h"
#include "skin/picture/picture_cut.h"
#include "skin/picture/piece_geometry.h"

namespace huecast::testing {

SkinnedHost::SkinnedHost(const TestHostArgs& args, bool skinned) : TestHost(args) {
    if (skinned) skin_.Load(Handle(), GetModuleHandleA(nullptr));
}

SkinnedHost::~SkinnedHost() {
    DestroyHandle();  // the controls on it go while the skin they refer to still lives
}

LRESULT SkinnedHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (skin::TSkinData* data = skin::SkinDataOfNotice(message, wParam, lParam)) {
        const auto notice = static_cast<skin::SkinNotice>(message);
        skin::PassSkinNotice(Handle(), *data, notice);
        if (onNotice) onNotice(notice);
        return 0;
    }
    return TestHost::HandleMessage(message, wParam, lParam);
}

Bitmap ExpectedLook(const skin::TSkinData& skin, const char* name, Size size, Rect lookRect) {
    Bitmap look(size.cx, size.cy, 24);
    const auto* d = skin.SkinControlAs<skin::TDataSkinCustomControl>(name);
    const Bitmap* picture = d ? skin.ActivePicture24(d->pictureIndex) : nullptr;
    if (!picture) return look;
    const skin::SkinPieces pieces = skin::PiecesOf(*d);
    skin::CutPicture(*picture, lookRect.IsEmpty() ? d->skinRect : lookRect, pieces,
                     skin::FitToSkin(pieces, size), look);
    return look;
}

}  // namespace huecast::testing
