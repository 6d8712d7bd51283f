// The value kinds of skin texts that are more than plain integers and strings: colours, font styles, fonts
// and the keyword kinds (alignment, morph kind, inactive effect, command).
#pragma once

#include <cstdint>
#include <string>

namespace huecast::skin {

// 0x00BBGGRR, written in skin texts as a decimal integer.
using Color = std::uint32_t;

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

// A font of a descriptor: the keys <prefix>fontname, <prefix>fontheight, <prefix>fontstyle,
// <prefix>fontcolor.
struct SkinFont {
    std::string name = "Arial";
    int height = 14;  // character height in pixels
    FontStyle style;
    Color color = 0;
    friend bool operator==(const SkinFont&, const SkinFont&) = default;
};

enum class Alignment { LeftJustify, RightJustify, Center };

enum class MorphKind { Default, Gradient, LeftGradient, RightGradient, LeftSlide, RightSlide, Push };

enum class InactiveEffect { Brightness, Darkness, Grayscale, Noise, SplitBlur, Invert };

enum class SkinCommand { Close, Maximize, Minimize, SysMenu, Default, RollUp };

// Keyword spellings of skin texts. Parsing is exact and case-sensitive; each falls back as skins expect:
// alignment to right-justified, morph kind to mkdefault, effect to iegrayscale, command to cmrollup.
Alignment ParseAlignment(const std::string& text);
MorphKind ParseMorphKind(const std::string& text);
InactiveEffect ParseInactiveEffect(const std::string& text);
SkinCommand ParseCommand(const std::string& text);
FontStyle ParseFontStyle(const std::string& text);

const char* KeywordOf(Alignment value);
const char* KeywordOf(MorphKind value);
const char* KeywordOf(InactiveEffect value);
const char* KeywordOf(SkinCommand value);
std::string KeywordOf(FontStyle value);

}  // namespace huecast::skin
