#include "skin/format/win32/notices.h"

#include <vector>

namespace huecast::skin {

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

void FormSkinNotifier::Announce(TSkinData& skinData, SkinNotice notice) {
    if (!owner_ || !IsWindow(owner_)) return;
    const UINT message = static_cast<UINT>(notice);
    const WPARAM data = reinterpret_cast<WPARAM>(&skinData);
    // The list is taken before sending: a receiver may create or destroy windows while it handles the notice.
    std::vector<HWND> windows;
    EnumThreadWindows(GetWindowThreadProcessId(owner_, nullptr), CollectWindow,
                      reinterpret_cast<LPARAM>(&windows));
    SendMessageA(owner_, message, data, kSkinNoticeTag);
    for (HWND window : windows)
        if (window != owner_ && IsWindow(window)) SendMessageA(window, message, data, kSkinNoticeTag);
}

TSkinData* SkinDataOfNotice(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < kSkinBeforeChangeMessage || message > kSkinAfterChangeMessage || lParam != kSkinNoticeTag)
        return nullptr;
    return reinterpret_cast<TSkinData*>(wParam);
}

}  // namespace huecast::skin
