// The colours, looks and glyphs of the built-in skin "Orange": a warm orange frame with a glossy caption,
// orange push buttons, white fields with orange edges, and dark brown text on cream.
#pragma once

#include <span>
#include <string_view>

#include "tools/skin-generator/canvas.h"

namespace huecast::skingen::orange {

// Surfaces and text.
inline constexpr Color kClient = Rgb(0xFFF5E6);     // form client and everything that sits on it
inline constexpr Color kPanelBody = Rgb(0xFFFAF3);  // inside group boxes and panels
inline constexpr Color kField = Rgb(0xFFFFFF);      // edits, lists, memos
inline constexpr Color kText = Rgb(0x4E2508);       // dark brown: text on light surfaces
inline constexpr Color kTextHot = Rgb(0xB44C00);    // text of a hot check box or tab
inline constexpr Color kTextDisabled = Rgb(0xB3A08C);
inline constexpr Color kWhite = Rgb(0xFFFFFF);
inline constexpr Color kCaptionText = Rgb(0xFFFFFF);
inline constexpr Color kCaptionTextInactive = Rgb(0xFFE3C4);
inline constexpr Color kCaptionShadow = Rgb(0x9C4200);
inline constexpr Color kEdge = Rgb(0xE3AE78);  // borders of panels and group boxes
inline constexpr Color kGroove = Rgb(0xE9BC8C);
inline constexpr Color kAccent = Rgb(0xF28C28);

// Looks of push faces (buttons, scroll buttons, thumbs) and of fields. The plain face is dark enough for
// white text; hot is brighter, pressed darker and sunken.
inline constexpr BoxStyle kFaceNormal{Rgb(0xA84C06), Rgb(0xF7A04A), Rgb(0xD2600A), Rgb(0xFFC888)};
inline constexpr BoxStyle kFaceHot{Rgb(0xB85408), Rgb(0xFFB860), Rgb(0xE87616), Rgb(0xFFF0D0), true, true};
inline constexpr BoxStyle kFaceDown{Rgb(0x7A3400), Rgb(0xAE4802), Rgb(0xD47222), Rgb(0x8E3C00)};
inline constexpr BoxStyle kFaceDisabled{Rgb(0xD9C3AC), Rgb(0xF7EEE4), Rgb(0xEBDDCC), Rgb(0xFFFFFF)};
inline constexpr BoxStyle kFieldNormal{Rgb(0xE0A468), kField, kField, Rgb(0xFFF0DE)};
inline constexpr BoxStyle kFieldHot{Rgb(0xF28C28), kField, kField, Rgb(0xFFDDB4)};
inline constexpr BoxStyle kFieldDisabled{Rgb(0xE6D6C6), Rgb(0xFAF5EF), Rgb(0xFAF5EF), Rgb(0xFAF5EF)};
inline constexpr BoxStyle kSelection{Rgb(0xF2B070), Rgb(0xFFE6C6), Rgb(0xFFD39E), Rgb(0xFFF3E2)};
inline constexpr BoxStyle kSelectionFocus{Rgb(0xD8761C), Rgb(0xFFCB8A), Rgb(0xF9A64E), Rgb(0xFFE2BC)};
inline constexpr BoxStyle kStrip{Rgb(0xE3AE78), Rgb(0xFFEBD0), Rgb(0xFFD6A4), Rgb(0xFFF8EE)};
inline constexpr BoxStyle kTrackHot{Rgb(0xF0B070), Rgb(0xFFE8CC), Rgb(0xFFE8CC), Rgb(0xFFE8CC)};

// The caption band of the frame, row by row (0 = the window's top row); the caption buttons of active.bmp
// sit on the same rows so that their plain look melts into the frame.
Color CaptionRow(int y);
inline constexpr int kCaptionHeight = 26;

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

}  // namespace huecast::skingen::orange
