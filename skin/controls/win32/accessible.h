// What a screen reader sees of a skinned control: the role, name, state, value and default action of its
// system counterpart (a push button, a check box, a list, a slider...), and the keyboard focus. Each
// control says it in Accessible(); WM_GETOBJECT hands out an object that reads it live, and leaves
// position, parent and children to the system's standard object for the window.
//
//     AccessibleInfo TSkinThing::Accessible() const {
//         return {.role = ROLE_SYSTEM_CHECKBUTTON, .state = checked ? STATE_SYSTEM_CHECKED : 0,
//                 .defaultAction = checked ? "Uncheck" : "Check"};
//     }
//
// The base adds the states every control shares: unavailable while disabled, focusable with WS_TABSTOP,
// focused while it has the keyboard focus, hot while the pointer is over it.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <optional>
#include <string>

namespace huecast::skin {

class TSkinControl;

// The interface id of IAccessible. MinGW's oleacc import library exports a wrong IID_IAccessible (it
// resolves to code bytes, not the GUID), so everything here names the interface by its declared uuid.
inline const IID kIIDAccessible = __uuidof(IAccessible);

struct AccessibleInfo {
    long role = ROLE_SYSTEM_CLIENT;
    std::optional<std::string> name = {};  // nothing: the window text
    long state = 0;                         // STATE_SYSTEM_* of the control's own (checked, pressed...)
    std::optional<std::string> value = {};  // scroll and track positions, the selected item's text
    std::string defaultAction = {};         // "Press", "Check", "Uncheck"...; empty: none
};

// The reply to WM_GETOBJECT for OBJID_CLIENT.
LRESULT AnswerGetObject(TSkinControl& control, WPARAM wParam, LPARAM lParam);

}  // namespace huecast::skin
