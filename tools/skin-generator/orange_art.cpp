// "Orange", the skin the program starts with: a warm orange frame with a glossy caption, orange push
// buttons, white fields with orange edges, and dark brown text on cream.
#include "tools/skin-generator/skin_art.h"

namespace huecast::skingen {

namespace {

SkinArt MakeOrange() {
    SkinArt a;
    a.name = "Orange";
    a.comments = "The built-in skin: warm orange on cream.";

    const Color white = Rgb(0xFFFFFF);
    a.client = Rgb(0xFFF5E6);
    a.panelBody = Rgb(0xFFFAF3);
    a.field = white;
    a.fieldHotBackground = Rgb(0xFFFCF7);
    a.text = Rgb(0x4E2508);
    a.textHot = Rgb(0xB44C00);
    a.textDisabled = Rgb(0xB3A08C);
    a.textStrong = Rgb(0x3A1400);
    a.textStrongest = Rgb(0x2A0E00);
    a.heading = Rgb(0x6A2E00);
    a.tabHotText = Rgb(0x8A3A00);
    a.accentText = Rgb(0xD2600A);
    a.highlight = white;
    a.edge = Rgb(0xE3AE78);
    a.groove = Rgb(0xE9BC8C);
    a.accent = Rgb(0xF28C28);
    a.marker = Rgb(0xC0600C);

    // The plain face is dark enough for white text; hot is brighter, pressed darker and sunken.
    a.faceNormal = {Rgb(0xA84C06), Rgb(0xF7A04A), Rgb(0xD2600A), Rgb(0xFFC888)};
    a.faceHot = {Rgb(0xB85408), Rgb(0xFFB860), Rgb(0xE87616), Rgb(0xFFF0D0), true, true};
    a.faceDown = {Rgb(0x7A3400), Rgb(0xAE4802), Rgb(0xD47222), Rgb(0x8E3C00)};
    a.faceDisabled = {Rgb(0xD9C3AC), Rgb(0xF7EEE4), Rgb(0xEBDDCC), white};
    a.faceText = white;
    a.faceTextDown = Rgb(0xFFF0DC);
    a.faceTextDisabled = Rgb(0xB09C88);
    a.faceGlyph = white;
    a.faceGlyphShadow = Rgb(0xB4520A);
    a.faceGlyphDown = Rgb(0xFFEAD2);
    a.faceGlyphDisabled = Rgb(0xC4B09C);
    a.fieldNormal = {Rgb(0xE0A468), white, white, Rgb(0xFFF0DE)};
    a.fieldHot = {Rgb(0xF28C28), white, white, Rgb(0xFFDDB4)};
    a.fieldDisabled = {Rgb(0xE6D6C6), Rgb(0xFAF5EF), Rgb(0xFAF5EF), Rgb(0xFAF5EF)};
    a.selection = {Rgb(0xF2B070), Rgb(0xFFE6C6), Rgb(0xFFD39E), Rgb(0xFFF3E2)};
    a.selectionFocus = {Rgb(0xD8761C), Rgb(0xFFCB8A), Rgb(0xF9A64E), Rgb(0xFFE2BC)};
    a.strip = {Rgb(0xE3AE78), Rgb(0xFFEBD0), Rgb(0xFFD6A4), Rgb(0xFFF8EE)};
    a.stripRule = Rgb(0xE9B27A);
    a.checkMark = Rgb(0xD2600A);
    a.radioDot = Rgb(0xE0700E);
    a.checkHot = {Rgb(0xF6CFA2), Rgb(0xFFF0DE), Rgb(0xFFE4C4), Rgb(0xFFF8EE)};

    a.barTop = Rgb(0xFFF1DE);
    a.barBottom = Rgb(0xFFDDB5);
    a.barRule = Rgb(0xE0A060);
    a.panelBarTop = Rgb(0xFFF3E2);
    a.statusPanel = {Rgb(0xE6B886), Rgb(0xFFEBD2), Rgb(0xFFF3E4), Rgb(0xF3D4B0), false};
    a.popupOutline = Rgb(0xB8560C);
    a.popupInner = white;
    a.menuBandLeft = Rgb(0xFFE2BC);
    a.menuBandRight = Rgb(0xFFF1DF);
    a.menuBandEdge = Rgb(0xF3CFA6);
    a.dividerDark = Rgb(0xE8B47E);
    a.dividerLight = white;
    a.menuScrollMarker = Rgb(0xC0600C);
    a.menuScrollMarkerActive = Rgb(0xF28C28);
    a.hint = {Rgb(0xD0701C), Rgb(0xFFFBF2), Rgb(0xFFEBD0), white, false};
    a.progressTop = Rgb(0xFFB858);
    a.progressBottom = Rgb(0xEE7A12);
    a.progressStripe = Rgb(0xFFC878);
    a.progressShine = Rgb(0xFFDCA8);
    a.grooveStyle = {Rgb(0xE9BC8C), Rgb(0xFFE3C4), Rgb(0xFFF3E6), Rgb(0xF0C89C)};
    a.scrollTrack = Rgb(0xFFEEDC);
    a.scrollTrackEdge = Rgb(0xF0CDA6);
    a.sizeGrip = Rgb(0xD08440);
    a.thumbGrip = Rgb(0xFFF4E6);
    a.thumbGripDown = Rgb(0xFFE0C0);
    a.gridLines = Rgb(0xF3D6B4);
    a.tabActiveShine = Rgb(0xFFB660);
    a.controlBarBottom = Rgb(0xFFE2C0);
    a.controlBarDots = Rgb(0xC8701E);
    a.splitterLight = Rgb(0xFFE8CC);
    a.splitterDark = Rgb(0xFFD7A8);
    a.smallButtonBack = Rgb(0xFFE2B8);
    a.tab = {Rgb(0xE3AE78), Rgb(0xFFF1E0), Rgb(0xFFE0BE), Rgb(0xFFFAF2)};
    a.tabHot = {Rgb(0xF0A050), Rgb(0xFFE6C4), Rgb(0xFFC88A), Rgb(0xFFF6EA)};
    a.controlBarItem = {Rgb(0xE3AE78), Rgb(0xFFF8EE), Rgb(0xFFE6C8), white};

    a.captionBand = {Rgb(0x7A3300), Rgb(0xFFD9A0), Rgb(0xFFC46E), Rgb(0xFFA540),
                     Rgb(0xF68A1A), Rgb(0xE46F0C), Rgb(0xB0560A)};
    a.border = {Rgb(0x7A3300), Rgb(0xFFC275), Rgb(0xF8A040), Rgb(0xE8801C),
                Rgb(0xC8660E), Rgb(0x9A4A08), white,         Rgb(0xA04E08)};
    // Plain: an embossed white glyph straight on the caption band. Hot: a bright glossy cap, a red one for
    // close, the one button that destroys. Pressed: a dark sunken cap.
    CaptionButtonArt& b = a.captionButtons;
    b.shape = CaptionButtonShape::Square;
    b.hot = {Rgb(0xA24A04), Rgb(0xFFE2A8), Rgb(0xFFB04A), Rgb(0xFFF6E4)};
    b.hotClose = {Rgb(0x8E1E0C), Rgb(0xF4735A), Rgb(0xD2321C), Rgb(0xFFB4A4)};
    b.down = {Rgb(0x6A2C00), Rgb(0xA84A02), Rgb(0xCE6A14), Rgb(0x8A3A00)};
    b.downClose = {Rgb(0x5E1206), Rgb(0x9E2210), Rgb(0xC03A22), Rgb(0x7A1A0A)};
    b.glyph = white;
    b.glyphShadow = Rgb(0x9C4200);
    b.hotGlyph = Rgb(0x6A2A00);
    b.hotCloseGlyph = white;
    b.downGlyph = Rgb(0xFFE8D0);
    a.captionText = white;
    a.captionTextInactive = Rgb(0xFFE3C4);
    a.captionShadow = Rgb(0x9C4200);
    a.captionShadowInactive = Rgb(0xC0600C);
    a.captionAlignment = skin::Alignment::LeftJustify;
    a.buttonMorph = skin::MorphKind::Push;
    return a;
}

}  // namespace

const SkinArt& OrangeArt() {
    static const SkinArt art = MakeOrange();
    return art;
}

}  // namespace huecast::skingen
