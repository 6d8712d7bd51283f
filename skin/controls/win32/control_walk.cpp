#include "skin/controls/win32/control_walk.h"

#include <vector>

#include "skin/controls/win32/control.h"

namespace huecast::skin {

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// The skinned controls below `form` that use `skinData`, taken before any is called: a control may create
// or destroy windows while it rebinds.
template <class Action>
void ForEachUser(HWND form, const TSkinData& skinData, Action action) {
    std::vector<HWND> windows;
    EnumChildWindows(form, Collect, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (!IsWindow(window)) continue;
        auto* control = dynamic_cast<TSkinControl*>(gui::Window::FromHandle(window));
        if (control && control->SkinData() == &skinData) action(*control);
    }
}

}  // namespace

void PassSkinNotice(HWND form, const TSkinData& skinData, SkinNotice notice) {
    switch (notice) {
        case SkinNotice::BeforeChange:
            ForEachUser(form, skinData, [](TSkinControl& c) { c.SkinChanging(); });
            break;
        case SkinNotice::Change:
            ForEachUser(form, skinData, [](TSkinControl& c) { c.SkinChanged(); });
            break;
        case SkinNotice::AfterChange:
            break;
    }
}

void ForgetSkinData(HWND form, const TSkinData& skinData) {
    ForEachUser(form, skinData, [](TSkinControl& c) { c.SetSkinData(nullptr); });
}

}  // namespace huecast::skin
