#include "skin/format/skin_values.h"

#include <array>
#include <string_view>

namespace huecast::skin {

namespace {

constexpr std::array<const char*, 7> kMorphKinds = {
    "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<const char*, 6> kInactiveEffects = {"iebrightness", "iedarkness",  "iegrayscale",
                                                         "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 6> kCommands = {"cmclose",   "cmmaximize", "cmminimize",
                                                  "cmsysmenu", "cmdefault",  "cmrollup"};

template <std::size_t N>
int IndexOf(const std::array<const char*, N>& words, const std::string& text, int fallback) {
    for (std::size_t i = 0; i < N; ++i)
        if (text == words[i]) return static_cast<int>(i);
    return fallback;
}

}  // namespace

Alignment ParseAlignment(const std::string& text) {
    if (text == "tacenter") return Alignment::Center;
    if (text == "taleftjustify") return Alignment::LeftJustify;
    return Alignment::RightJustify;
}

MorphKind ParseMorphKind(const std::string& text) {
    return static_cast<MorphKind>(IndexOf(kMorphKinds, text, static_cast<int>(MorphKind::Default)));
}

InactiveEffect ParseInactiveEffect(const std::string& text) {
    return static_cast<InactiveEffect>(
        IndexOf(kInactiveEffects, text, static_cast<int>(InactiveEffect::Grayscale)));
}

SkinCommand ParseCommand(const std::string& text) {
    // Only the first five are looked for; "cmrollup" and every unknown word both mean roll-up.
    for (std::size_t i = 0; i < 5; ++i)
        if (text == kCommands[i]) return static_cast<SkinCommand>(i);
    return SkinCommand::RollUp;
}

FontStyle ParseFontStyle(const std::string& text) {
    const auto has = [&](std::string_view word) { return text.find(word) != std::string::npos; };
    return {has("fsbold"), has("fsitalic"), has("fsunderline"), has("fsstrikeout")};
}

const char* KeywordOf(Alignment value) {
    switch (value) {
        case Alignment::LeftJustify:
            return "taleftjustify";
        case Alignment::RightJustify:
            return "tarightjustify";
        case Alignment::Center:
            break;
    }
    return "tacenter";
}

const char* KeywordOf(MorphKind value) {
    return kMorphKinds.at(static_cast<std::size_t>(value));
}
const char* KeywordOf(InactiveEffect value) {
    return kInactiveEffects.at(static_cast<std::size_t>(value));
}
const char* KeywordOf(SkinCommand value) {
    return kCommands.at(static_cast<std::size_t>(value));
}

std::string KeywordOf(FontStyle value) {
    std::string text;
    const auto add = [&](bool set, const char* word) {
        if (!set) return;
        if (!text.empty()) text += ',';
        text += word;
    };
    add(value.bold, "fsbold");
    add(value.italic, "fsitalic");
    add(value.underline, "fsunderline");
    add(value.strikeout, "fsstrikeout");
    return text;
}

}  // namespace huecast::skin
