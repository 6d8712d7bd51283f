// The colours a skin gives a form's client area and a control's field, for what sits on the form without a
// skin element of its own (the credits banner, the system's edit fields) to take its tone from.
#pragma once

#include <optional>
#include <string_view>

#include "skin/format/skin_data.h"

namespace huecast::skin {

// The middle pixel of what the frame tiles over the client area: the background picture, or else the
// client rect of the main picture. Nothing for an empty skin or one without either picture.
std::optional<Color> FormClientColor(const TSkinData& skinData);

// The middle pixel of the control element `name`'s skin rect in its picture (an edit's field, say);
// nothing when the skin has no such element or picture.
std::optional<Color> ControlFieldColor(const TSkinData& skinData, std::string_view name);

// Whether a colour reads as dark (its luma below half).
bool IsDark(Color color);

}  // namespace huecast::skin
