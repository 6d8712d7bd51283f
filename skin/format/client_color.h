// The colour a skin gives a form's client area, for what sits on the form without a skin element of its
// own (the credits banner takes its tone from it).
#pragma once

#include <optional>

#include "skin/format/skin_data.h"

namespace huecast::skin {

// The middle pixel of what the frame tiles over the client area: the background picture, or else the
// client rect of the main picture. Nothing for an empty skin or one without either picture.
std::optional<Color> FormClientColor(const TSkinData& skinData);

// Whether a colour reads as dark (its luma below half).
bool IsDark(Color color);

}  // namespace huecast::skin
