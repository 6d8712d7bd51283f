// The pixel glyphs every built-in skin draws with (arrows, check marks, caption-button symbols), as little
// pictures for Canvas::Glyph.
#pragma once

#include <span>
#include <string_view>

namespace huecast::skingen {

// Glyphs, as little pictures (see Canvas::Glyph).
using GlyphRows = std::span<const std::string_view>;
inline constexpr std::string_view kArrowUp[] = {"   X   ", "  XXX  ", " XXXXX ", "XXXXXXX"};
inline constexpr std::string_view kArrowDown[] = {"XXXXXXX", " XXXXX ", "  XXX  ", "   X   "};
inline constexpr std::string_view kArrowLeft[] = {"   X", "  XX", " XXX", "XXXX", " XXX", "  XX", "   X"};
inline constexpr std::string_view kArrowRight[] = {"X   ", "XX  ", "XXX ", "XXXX", "XXX ", "XX  ", "X   "};
inline constexpr std::string_view kSmallArrowUp[] = {"  X  ", " XXX ", "XXXXX"};
inline constexpr std::string_view kSmallArrowDown[] = {"XXXXX", " XXX ", "  X  "};
inline constexpr std::string_view kSmallArrowLeft[] = {"  X", " XX", "XXX", " XX", "  X"};
inline constexpr std::string_view kSmallArrowRight[] = {"X  ", "XX ", "XXX", "XX ", "X  "};
inline constexpr std::string_view kCheck[] = {"       XX", "      XXX", "X    XXX ", "XX  XXX  ",
                                              "XXXXXX   ", " XXXX    ", "  XX     "};
inline constexpr std::string_view kRadioDot[] = {" oXXo ", "oXXXXo", "XXXXXX", "XXXXXX", "oXXXXo", " oXXo "};
inline constexpr std::string_view kClose[] = {"XX    XX", "XXX  XXX", " XXXXXX ", "  XXXX  ",
                                              "  XXXX  ", " XXXXXX ", "XXX  XXX", "XX    XX"};
inline constexpr std::string_view kMaximize[] = {"XXXXXXXXX", "XXXXXXXXX", "X       X", "X       X",
                                                 "X       X", "X       X", "X       X", "XXXXXXXXX"};
inline constexpr std::string_view kMinimize[] = {"        ", "        ", "        ", "        ",
                                                 "        ", "        ", "XXXXXXXX", "XXXXXXXX"};
inline constexpr std::string_view kRollUp[] = {"   XX   ", "  XXXX  ", " XXXXXX ", "XXXXXXXX",
                                               "        ", "XXXXXXXX", "XXXXXXXX"};
inline constexpr std::string_view kSmallClose[] = {"X   X", " X X ", "  X  ", " X X ", "X   X"};
inline constexpr std::string_view kGripV[] = {"XXXXXXX", "       ", "XXXXXXX", "       ", "XXXXXXX"};
inline constexpr std::string_view kGripH[] = {"X X X", "X X X", "X X X", "X X X", "X X X", "X X X", "X X X"};
inline constexpr std::string_view kEllipsis[] = {"X X X"};
inline constexpr std::string_view kSizeGrip[] = {"      X", "       ", "    X X", "       ",
                                                 "  X X X", "       ", "X X X X"};

}  // namespace huecast::skingen
