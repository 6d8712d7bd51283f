// "Basalt", the second built-in skin: dark slate surfaces with light text, teal faces and edges, round
// caption buttons and push buttons that fade between their looks.
#include "tools/skin-generator/skin_art.h"

namespace huecast::skingen {

namespace {

SkinArt MakeBasalt() {
    SkinArt a;
    a.name = "Basalt";
    a.comments = "The second built-in skin: light text on dark slate, with teal.";

    a.client = Rgb(0x2A2E35);
    a.panelBody = Rgb(0x30343C);
    a.field = Rgb(0x1F2228);
    a.fieldHotBackground = Rgb(0x22262D);
    a.text = Rgb(0xE3E7ED);
    a.textHot = Rgb(0x7FDCCD);
    a.textDisabled = Rgb(0x6C737E);
    a.textStrong = Rgb(0xFFFFFF);
    a.textStrongest = Rgb(0xFFFFFF);
    a.heading = Rgb(0xA9E4DA);
    a.tabHotText = Rgb(0xC6F0E9);
    a.accentText = Rgb(0x5FD0C0);
    a.highlight = Rgb(0x454B55);
    a.edge = Rgb(0x4B525D);
    a.groove = Rgb(0x3C424B);
    a.accent = Rgb(0x35B5A4);
    a.marker = Rgb(0x5FD0C0);

    // Teal faces, dark enough for light text; hot glows, pressed sinks.
    a.faceNormal = {Rgb(0x1D5F57), Rgb(0x3A9E91), Rgb(0x277B70), Rgb(0x62C6B8)};
    a.faceHot = {Rgb(0x217067), Rgb(0x4DBDAD), Rgb(0x2F9185), Rgb(0x92E6D9), true, true};
    a.faceDown = {Rgb(0x103B36), Rgb(0x1C5C54), Rgb(0x2A776D), Rgb(0x16453F)};
    a.faceDisabled = {Rgb(0x3D434C), Rgb(0x383D45), Rgb(0x32363D), Rgb(0x434952)};
    a.faceText = Rgb(0xF4F7F9);
    a.faceTextDown = Rgb(0xD6EFEB);
    a.faceTextDisabled = Rgb(0x747B85);
    a.faceGlyph = Rgb(0xF4F7F9);
    a.faceGlyphShadow = Rgb(0x1A4F48);
    a.faceGlyphDown = Rgb(0xD6EFEB);
    a.faceGlyphDisabled = Rgb(0x6C737E);
    a.fieldNormal = {Rgb(0x4B525D), a.field, a.field, Rgb(0x191C21)};
    a.fieldHot = {Rgb(0x35B5A4), a.field, a.field, Rgb(0x1B3B37)};
    a.fieldDisabled = {Rgb(0x3A3F47), Rgb(0x292C32), Rgb(0x292C32), Rgb(0x292C32)};
    a.selection = {Rgb(0x2F6F67), Rgb(0x2C5550), Rgb(0x274A46), Rgb(0x346660)};
    a.selectionFocus = {Rgb(0x35B5A4), Rgb(0x2C8479), Rgb(0x236C63), Rgb(0x48B9AA)};
    a.strip = {Rgb(0x4B525D), Rgb(0x3B4049), Rgb(0x32373F), Rgb(0x4A505A)};
    a.stripRule = Rgb(0x262A30);
    a.checkMark = Rgb(0x5FD0C0);
    a.radioDot = Rgb(0x5FD0C0);
    a.checkHot = {Rgb(0x3F5F5B), Rgb(0x353C43), Rgb(0x30363C), Rgb(0x44504F)};

    a.barTop = Rgb(0x383D45);
    a.barBottom = Rgb(0x2C3037);
    a.barRule = Rgb(0x1D2025);
    a.panelBarTop = Rgb(0x3A3F47);
    a.statusPanel = {Rgb(0x434952), Rgb(0x2B2F36), Rgb(0x30343B), Rgb(0x23262B), false};
    a.popupOutline = Rgb(0x151719);
    a.popupInner = Rgb(0x3E444D);
    a.menuBandLeft = Rgb(0x262A30);
    a.menuBandRight = Rgb(0x2D3138);
    a.menuBandEdge = Rgb(0x3B4048);
    a.dividerDark = Rgb(0x1C1F24);
    a.dividerLight = Rgb(0x454B55);
    a.menuScrollMarker = Rgb(0x5FD0C0);
    a.menuScrollMarkerActive = Rgb(0x8AE6D9);
    a.hint = {Rgb(0x35B5A4), Rgb(0x363B43), Rgb(0x2C3037), Rgb(0x454B55), false};
    a.progressTop = Rgb(0x5FD0C0);
    a.progressBottom = Rgb(0x2A8F82);
    a.progressStripe = Rgb(0x48B9AA);
    a.progressShine = Rgb(0x9AEDE1);
    a.grooveStyle = {Rgb(0x1C1F24), Rgb(0x1F2228), Rgb(0x2A2E35), Rgb(0x17191D)};
    a.scrollTrack = Rgb(0x25282E);
    a.scrollTrackEdge = Rgb(0x33373E);
    a.sizeGrip = Rgb(0x6C737E);
    a.thumbGrip = Rgb(0xCFEFEA);
    a.thumbGripDown = Rgb(0xA8D8D0);
    a.gridLines = Rgb(0x363B43);
    a.tabActiveShine = Rgb(0x5FD0C0);
    a.controlBarBottom = Rgb(0x2C3037);
    a.controlBarDots = Rgb(0x6C737E);
    a.splitterLight = Rgb(0x383D45);
    a.splitterDark = Rgb(0x2A2E35);
    a.smallButtonBack = Rgb(0x32373F);
    a.tab = {Rgb(0x4B525D), Rgb(0x363B43), Rgb(0x2E3239), Rgb(0x434952)};
    a.tabHot = {Rgb(0x35B5A4), Rgb(0x3C444A), Rgb(0x333A40), Rgb(0x4F5A5C)};
    a.controlBarItem = {Rgb(0x4B525D), Rgb(0x3A3F47), Rgb(0x2F333A), Rgb(0x4A505A)};

    a.captionBand = {Rgb(0x101215), Rgb(0x4E5661), Rgb(0x434A55), Rgb(0x383E48),
                     Rgb(0x30353E), Rgb(0x292D34), Rgb(0x1E2126)};
    // A teal rule under the caption is the skin's one bright line.
    a.border = {Rgb(0x101215), Rgb(0x4A515C), Rgb(0x343941), Rgb(0x2C3037),
                Rgb(0x23262B), Rgb(0x1A1C20), Rgb(0x8A939E), Rgb(0x35B5A4)};
    // Plain: a light glyph inside a faint ring. Hot: a glowing teal disc, a red one for close. Pressed: a
    // dark disc.
    CaptionButtonArt& b = a.captionButtons;
    b.shape = CaptionButtonShape::Round;
    b.hot = {Rgb(0x1E6058), Rgb(0x67D3C4), Rgb(0x2E968A), Rgb(0xA9F0E6)};
    b.hotClose = {Rgb(0x6E1C1A), Rgb(0xEE6E66), Rgb(0xC33A33), Rgb(0xFFB0AA)};
    b.down = {Rgb(0x0E3531), Rgb(0x1C5C54), Rgb(0x2A776D), Rgb(0x16453F)};
    b.downClose = {Rgb(0x4A0F0E), Rgb(0x8A221E), Rgb(0xAE3630), Rgb(0x641816)};
    b.glyph = Rgb(0xDCE2E8);
    b.glyphShadow = Rgb(0x15181B);
    b.hotGlyph = Rgb(0x0E2F2B);
    b.hotCloseGlyph = Rgb(0xFFFFFF);
    b.downGlyph = Rgb(0xD6EFEB);
    b.ring = Rgb(0x59626E);
    a.captionText = Rgb(0xF2F5F8);
    a.captionTextInactive = Rgb(0x9098A3);
    a.captionShadow = Rgb(0x0B0C0E);
    a.captionShadowInactive = Rgb(0x1E2126);
    a.captionAlignment = skin::Alignment::Center;
    a.buttonMorph = skin::MorphKind::Gradient;
    return a;
}

}  // namespace

const SkinArt& BasaltArt() {
    static const SkinArt art = MakeBasalt();
    return art;
}

}  // namespace huecast::skingen
