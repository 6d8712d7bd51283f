#include "skin/format/skin_descriptors.h"

#include <array>
#include <functional>

namespace huecast::skin {

namespace {

class KeyReader final : public SkinKeys {
  public:
    KeyReader(const SkinIni& ini, const std::string& section)
        : keys_(ini.KeysOf(section)), section_(section) {}

    void Key(std::string_view key, int& field) override {
        // An integer that does not convert keeps its default, as the platform's integer reading does.
        if (const std::string* value = Find(key)) ParseInteger(*value, field);
    }
    void Key(std::string_view key, Color& field) override {
        int number = 0;
        if (const std::string* value = Find(key); value && ParseInteger(*value, number))
            field = static_cast<Color>(number);
    }
    void Key(std::string_view key, bool& field) override {
        int number = 0;
        const std::string* value = Find(key);
        field = value && ParseInteger(*value, number) && number == 1;
    }
    void Key(std::string_view key, Rect& field) override {
        if (const std::string* value = Find(key)) {
            int f[4];
            ParseDigitFields(*value, f, 4, Where(key));
            field = {f[0], f[1], f[2], f[3]};
        }
    }
    void Key(std::string_view key, Point& field) override {
        if (const std::string* value = Find(key)) {
            int f[2];
            ParseDigitFields(*value, f, 2, Where(key));
            field = {f[0], f[1]};
        }
    }
    void Key(std::string_view key, FontStyle& field) override {
        if (const std::string* value = Find(key)) field = ParseFontStyle(*value);
    }
    void Key(std::string_view key, Alignment& field) override {
        if (const std::string* value = Find(key)) field = ParseAlignment(*value);
    }
    void Key(std::string_view key, MorphKind& field) override {
        if (const std::string* value = Find(key)) field = ParseMorphKind(*value);
    }
    void Key(std::string_view key, InactiveEffect& field) override {
        if (const std::string* value = Find(key)) field = ParseInactiveEffect(*value);
    }
    void Key(std::string_view key, SkinCommand& field) override {
        if (const std::string* value = Find(key)) field = ParseCommand(*value);
    }
    void Key(std::string_view key, std::string& field) override {
        if (const std::string* value = Find(key)) field = *value;
    }

  private:
    const std::string* Find(std::string_view key) const { return keys_.Find(key); }
    // Named for every value parsed, in case it is bad: one buffer serves them all without an allocation each.
    std::string_view Where(std::string_view key) {
        where_.assign("[").append(section_).append("] ").append(key);
        return where_;
    }

    SkinIni::SectionKeys keys_;
    const std::string& section_;
    std::string where_;
};

class KeyWriter final : public SkinKeys {
  public:
    KeyWriter(SkinIni& ini, const std::string& section) : ini_(ini), section_(section) {}

    void Key(std::string_view key, int& field) override { Write(key, std::to_string(field)); }
    void Key(std::string_view key, Color& field) override { Write(key, std::to_string(field)); }
    void Key(std::string_view key, bool& field) override { Write(key, field ? "1" : "0"); }
    void Key(std::string_view key, Rect& field) override {
        Write(key, std::to_string(field.left) + "," + std::to_string(field.top) + "," +
                       std::to_string(field.right) + "," + std::to_string(field.bottom));
    }
    void Key(std::string_view key, Point& field) override {
        Write(key, std::to_string(field.x) + "," + std::to_string(field.y));
    }
    void Key(std::string_view key, FontStyle& field) override { Write(key, KeywordOf(field)); }
    void Key(std::string_view key, Alignment& field) override { Write(key, KeywordOf(field)); }
    void Key(std::string_view key, MorphKind& field) override { Write(key, KeywordOf(field)); }
    void Key(std::string_view key, InactiveEffect& field) override { Write(key, KeywordOf(field)); }
    void Key(std::string_view key, SkinCommand& field) override { Write(key, KeywordOf(field)); }
    void Key(std::string_view key, std::string& field) override { Write(key, field); }

  private:
    void Write(std::string_view key, const std::string& value) { ini_.WriteString(section_, key, value); }

    SkinIni& ini_;
    const std::string& section_;
};

}  // namespace

void SkinKeys::Font(std::string_view prefix, SkinFont& font) {
    const std::string p(prefix);
    Key(p + "fontname", font.name);
    Key(p + "fontheight", font.height);
    Key(p + "fontstyle", font.style);
    Key(p + "fontcolor", font.color);
}

void SkinKeys::CornerPoints(Point& leftTop, Point& rightTop, Point& leftBottom, Point& rightBottom) {
    Key("lefttoppoint", leftTop);
    Key("righttoppoint", rightTop);
    Key("leftbottompoint", leftBottom);
    Key("rightbottompoint", rightBottom);
}

void SkinDescriptor::ReadFrom(const SkinIni& ini) {
    KeyReader reader(ini, name_);
    Keys(reader);
    AfterRead();
}

void SkinDescriptor::WriteTo(SkinIni& ini) {
    ini.EraseSection(name_);
    KeyWriter writer(ini, name_);
    Keys(writer);
}

// ---- Control descriptors ----

void TDataSkinControl::Keys(SkinKeys& k) {
    k.Key("pictureindex", pictureIndex);
    k.Key("maskpictureindex", maskPictureIndex);
    k.Key("skinrect", skinRect);
}

void TDataSkinCustomControl::Keys(SkinKeys& k) {
    TDataSkinControl::Keys(k);
    k.CornerPoints(leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint);
    k.Key("clientrect", clientRect);
}

void TDataSkinButtonControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Font("", font);
    k.Key("activefontcolor", activeFontColor);
    k.Key("downfontcolor", downFontColor);
    k.Key("disabledfontcolor", disabledFontColor);
    k.Key("activeskinrect", activeSkinRect);
    k.Key("downskinrect", downSkinRect);
    k.Key("disabledskinrect", disabledSkinRect);
    k.Key("morphing", morphing);
    k.Key("morphkind", morphKind);
}

void TDataSkinMenuButtonControl::Keys(SkinKeys& k) {
    TDataSkinButtonControl::Keys(k);
    k.Key("trackbuttonrect", trackButtonRect);
}

void TDataSkinCheckRadioControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Font("", font);
    k.Key("activefontcolor", activeFontColor);
    k.Key("unenabledfontcolor", unEnabledFontColor);
    k.Key("framefontcolor", frameFontColor);
    k.Key("activeskinrect", activeSkinRect);
    k.Key("checkimagearea", checkImageArea);
    k.Key("textarea", textArea);
    k.Key("checkimagerect", checkImageRect);
    k.Key("uncheckimagerect", unCheckImageRect);
    k.Key("activecheckimagerect", activeCheckImageRect);
    k.Key("activeuncheckimagerect", activeUnCheckImageRect);
    k.Key("unenabledcheckimagerect", unEnabledCheckImageRect);
    k.Key("unenableduncheckimagerect", unEnabledUnCheckImageRect);
    k.Key("morphing", morphing);
    k.Key("morphkind", morphKind);
}

void TDataSkinPanelControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("bgpictureindex", bgPictureIndex);
    k.Key("captionrect", captionRect);
    k.Key("alignment", alignment);
    k.Font("", font);
    k.Key("checkimagerect", checkImageRect);
    k.Key("uncheckimagerect", unCheckImageRect);
}

void TDataSkinExPanelControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("rollhskinrect", rollHSkinRect);
    k.Key("rollvskinrect", rollVSkinRect);
    k.Key("rollleftoffset", rollLeftOffset);
    k.Key("rollrightoffset", rollRightOffset);
    k.Key("rolltopoffset", rollTopOffset);
    k.Key("rollbottomoffset", rollBottomOffset);
    k.Key("rollvcaptionrect", rollVCaptionRect);
    k.Key("rollhcaptionrect", rollHCaptionRect);
    k.Key("closebuttonrect", closeButtonRect);
    k.Key("closebuttonactiverect", closeButtonActiveRect);
    k.Key("closebuttondownrect", closeButtonDownRect);
    k.Key("hrollbuttonrect", hRollButtonRect);
    k.Key("hrollbuttonactiverect", hRollButtonActiveRect);
    k.Key("hrollbuttondownrect", hRollButtonDownRect);
    k.Key("hrestorebuttonrect", hRestoreButtonRect);
    k.Key("hrestorebuttonactiverect", hRestoreButtonActiveRect);
    k.Key("hrestorebuttondownrect", hRestoreButtonDownRect);
    k.Key("vrollbuttonrect", vRollButtonRect);
    k.Key("vrollbuttonactiverect", vRollButtonActiveRect);
    k.Key("vrollbuttondownrect", vRollButtonDownRect);
    k.Key("vrestorebuttonrect", vRestoreButtonRect);
    k.Key("vrestorebuttonactiverect", vRestoreButtonActiveRect);
    k.Key("vrestorebuttondownrect", vRestoreButtonDownRect);
    k.Key("captionrect", captionRect);
    k.Font("", font);
}

void TDataSkinGaugeControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("progressarea", progressArea);
    k.Key("progressrect", progressRect);
    k.Key("beginoffset", beginOffset);
    k.Key("endoffset", endOffset);
    k.Key("vertical", vertical);
    k.Font("", font);
}

void TDataSkinLabelControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Font("", font);
}

void TDataSkinTrackBarControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("trackarea", trackArea);
    k.Key("buttonrect", buttonRect);
    k.Key("activebuttonrect", activeButtonRect);
    k.Key("vertical", vertical);
}

void TDataSkinScrollBarControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("trackarea", trackArea);
    k.Key("upbuttonrect", upButtonRect);
    k.Key("activeupbuttonrect", activeUpButtonRect);
    k.Key("downupbuttonrect", downUpButtonRect);
    k.Key("downbuttonrect", downButtonRect);
    k.Key("activedownbuttonrect", activeDownButtonRect);
    k.Key("downdownbuttonrect", downDownButtonRect);
    k.Key("thumbrect", thumbRect);
    k.Key("activethumbrect", activeThumbRect);
    k.Key("downthumbrect", downThumbRect);
    k.Key("thumboffset1", thumbOffset1);
    k.Key("thumboffset2", thumbOffset2);
    k.Key("glyphrect", glyphRect);
    k.Key("activeglyphrect", activeGlyphRect);
    k.Key("downglyphrect", downGlyphRect);
}

namespace {

void UpDownButtonKeys(SkinKeys& k, Rect& up, Rect& activeUp, Rect& downUp, Rect& down, Rect& activeDown,
                      Rect& downDown) {
    k.Key("upbuttonrect", up);
    k.Key("activeupbuttonrect", activeUp);
    k.Key("downupbuttonrect", downUp);
    k.Key("downbuttonrect", down);
    k.Key("activedownbuttonrect", activeDown);
    k.Key("downdownbuttonrect", downDown);
}

}  // namespace

void TDataSkinUpDownControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    UpDownButtonKeys(k, upButtonRect, activeUpButtonRect, downUpButtonRect, downButtonRect,
                     activeDownButtonRect, downDownButtonRect);
}

void TDataSkinEditControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("activeskinrect", activeSkinRect);
    k.Font("", font);
    k.Key("disabledfontcolor", disabledFontColor);
    k.Key("activefontcolor", activeFontColor);
    k.Key("buttonrect", buttonRect);
    k.Key("activebuttonrect", activeButtonRect);
    k.Key("downbuttonrect", downButtonRect);
    k.Key("unenabledbuttonrect", unEnabledButtonRect);
}

void TDataSkinMemoControl::Keys(SkinKeys& k) {
    TDataSkinEditControl::Keys(k);
    k.Key("bgcolor", bgColor);
    k.Key("activebgcolor", activeBgColor);
}

void TDataSkinSpinEditControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("activeskinrect", activeSkinRect);
    k.Font("", font);
    k.Key("activefontcolor", activeFontColor);
    k.Key("disabledfontcolor", disabledFontColor);
    UpDownButtonKeys(k, upButtonRect, activeUpButtonRect, downUpButtonRect, downButtonRect,
                     activeDownButtonRect, downDownButtonRect);
}

void TDataSkinListBox::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("itemrect", itemRect);
    k.Key("activeitemrect", activeItemRect);
    k.Key("focusitemrect", focusItemRect);
    k.Key("itemleftoffset", itemLeftOffset);
    k.Key("itemrightoffset", itemRightOffset);
    k.Key("itemtextrect", itemTextRect);
    k.Font("", font);
    k.Key("activefontcolor", activeFontColor);
    k.Key("focusfontcolor", focusFontColor);
    k.Key("captionrect", captionRect);
    k.Font("caption", captionFont);
    UpDownButtonKeys(k, upButtonRect, activeUpButtonRect, downUpButtonRect, downButtonRect,
                     activeDownButtonRect, downDownButtonRect);
    k.Key("checkbuttonrect", checkButtonRect);
    k.Key("activecheckbuttonrect", activeCheckButtonRect);
    k.Key("downcheckbuttonrect", downCheckButtonRect);
    k.Key("vscrollbarname", vScrollBarName);
    k.Key("hscrollbarname", hScrollBarName);
    k.Key("bothhscrollbarname", bothHScrollBarName);
}

void TDataSkinCheckListBox::Keys(SkinKeys& k) {
    TDataSkinListBox::Keys(k);
    k.Key("itemcheckrect", itemCheckRect);
    k.Key("checkimagerect", checkImageRect);
    k.Key("uncheckimagerect", unCheckImageRect);
}

void TDataSkinComboBox::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("itemrect", itemRect);
    k.Key("focusitemrect", focusItemRect);
    k.Key("itemleftoffset", itemLeftOffset);
    k.Key("itemrightoffset", itemRightOffset);
    k.Key("itemtextrect", itemTextRect);
    k.Font("", font);
    k.Key("focusfontcolor", focusFontColor);
    k.Key("listboxname", listBoxName);
    k.Key("buttonrect", buttonRect);
    k.Key("activebuttonrect", activeButtonRect);
    k.Key("downbuttonrect", downButtonRect);
    k.Key("unenabledbuttonrect", unEnabledButtonRect);
}

void TDataSkinControlBar::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("itemrect", itemRect);
    k.Key("bgpictureindex", bgPictureIndex);
}

void TDataSkinScrollBoxControl::Keys(SkinKeys& k) {
    TDataSkinCustomControl::Keys(k);
    k.Key("bgpictureindex", bgPictureIndex);
}

void TDataSkinStdLabelControl::Keys(SkinKeys& k) {
    TDataSkinControl::Keys(k);
    k.Font("", font);
    k.Key("activefontcolor", activeFontColor);
}

void TDataSkinGridControl::Keys(SkinKeys& k) {
    TDataSkinControl::Keys(k);
    k.Key("fixedcellrect", fixedCellRect);
    k.Key("selectcellrect", selectCellRect);
    k.Key("focuscellrect", focusCellRect);
    k.Key("fixedcellleftoffset", fixedCellLeftOffset);
    k.Key("fixedcellrightoffset", fixedCellRightOffset);
    k.Key("fixedcelltextrect", fixedCellTextRect);
    k.Key("cellleftoffset", cellLeftOffset);
    k.Key("cellrightoffset", cellRightOffset);
    k.Key("celltextrect", cellTextRect);
    k.Key("linescolor", linesColor);
    k.Key("bgcolor", bgColor);
    k.Font("", font);
    k.Key("selectfontcolor", selectFontColor);
    k.Key("focusfontcolor", focusFontColor);
    k.Font("fixed", fixedFont);
}

void TDataSkinTabControl::Keys(SkinKeys& k) {
    TDataSkinControl::Keys(k);
    k.Key("tabrect", tabRect);
    k.Key("activetabrect", activeTabRect);
    k.Key("focustabrect", focusTabRect);
    k.Key("mouseintabrect", mouseInTabRect);
    k.Key("clientrect", clientRect);
    k.Key("bgpictureindex", bgPictureIndex);
    k.CornerPoints(leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint);
    k.Key("tableftoffset", tabLeftOffset);
    k.Key("tabrightoffset", tabRightOffset);
    k.Key("tabsbgrect", tabsBgRect);
    k.Font("", font);
    k.Key("activefontcolor", activeFontColor);
    k.Key("focusfontcolor", focusFontColor);
    k.Key("mouseinfontcolor", mouseInFontColor);
    k.Key("updown", upDown);
}

void TDataSkinMainMenuBar::Keys(SkinKeys& k) {
    TDataSkinControl::Keys(k);
    k.Key("itemsrect", itemsRect);
    k.Key("menubaritem", menuBarItem);
    k.Key("closebutton", closeButton);
    k.Key("minbutton", minButton);
    k.Key("maxbutton", maxButton);
    k.Key("sysmenubutton", sysMenuButton);
    k.Key("trackmarkcolor", trackMarkColor);
    k.Key("trackmarkactivecolor", trackMarkActiveColor);
}

void TDataSkinSlider::Keys(SkinKeys& k) {
    TDataSkinControl::Keys(k);
    k.Key("bgcolor", bgColor);
    k.Key("hrulerrect", hRulerRect);
    k.Key("hthumbrect", hThumbRect);
    k.Key("vrulerrect", vRulerRect);
    k.Key("vthumbrect", vThumbRect);
    k.Key("edgesize", edgeSize);
    k.Key("pointscolor", pointsColor);
}

void TDataSkinBevel::Keys(SkinKeys& k) {
    TDataSkinControl::Keys(k);
    k.Key("lightcolor", lightColor);
    k.Key("darkcolor", darkColor);
}

void TDataSkinFontBgControl::Keys(SkinKeys& k) {
    TDataSkinControl::Keys(k);
    k.Font("", font);
    k.Key("bgcolor", bgColor);
}

// ---- Skin-object descriptors ----

void TDataSkinObject::Keys(SkinKeys& k) {
    k.Key("hint", hint);
    k.Key("activepictureindex", activePictureIndex);
    k.Key("skinrectinapicture", skinRectInAPicture);
    k.Key("skinrect", skinRect);
    k.Key("activeskinrect", activeSkinRect);
    k.Key("morphing", morphing);
    k.Key("morphkind", morphKind);
}

void TDataSkinButton::Keys(SkinKeys& k) {
    TDataSkinObject::Keys(k);
    k.Key("downrect", downRect);
    k.Key("disableskinrsect", disableSkinRsect);
}

void TDataSkinStdButton::Keys(SkinKeys& k) {
    TDataSkinButton::Keys(k);
    k.Key("command", command);
    k.Key("restorerect", restoreRect);
    k.Key("restoreactiverect", restoreActiveRect);
    k.Key("restoredownrect", restoreDownRect);
    k.Key("restoreinactiverect", restoreInactiveRect);
}

void TDataSkinCaption::Keys(SkinKeys& k) {
    TDataSkinObject::Keys(k);
    k.Key("textrect", textRect);
    k.Font("", font);
    k.Key("activefontcolor", activeFontColor);
    k.Key("alignment", alignment);
    k.Key("shadow", shadow);
    k.Key("shadowcolor", shadowColor);
    k.Key("activeshadowcolor", activeShadowColor);
    k.Key("framerect", frameRect);
    k.Key("activeframerect", activeFrameRect);
    k.Key("frametextrect", frameTextRect);
    k.Key("frameleftoffset", frameLeftOffset);
    k.Key("framerightoffset", frameRightOffset);
}

void TDataSkinMenuItem::Keys(SkinKeys& k) {
    TDataSkinObject::Keys(k);
    k.Key("itemleftoffset", itemLeftOffset);
    k.Key("itemrightoffset", itemRightOffset);
    k.Key("dividerrect", dividerRect);
    k.Key("dividerleftoffset", dividerLeftOffset);
    k.Key("dividerrightoffset", dividerRightOffset);
    k.Key("textrect", textRect);
    k.Font("", font);
    k.Key("activefontcolor", activeFontColor);
    k.Key("unenabledfontcolor", unEnabledFontColor);
}

void TDataSkinMainMenuItem::Keys(SkinKeys& k) {
    TDataSkinObject::Keys(k);
    k.Key("itemleftoffset", itemLeftOffset);
    k.Key("itemrightoffset", itemRightOffset);
    k.Key("downrect", downRect);
    k.Key("textrect", textRect);
    k.Font("", font);
    k.Key("activefontcolor", activeFontColor);
    k.Key("downfontcolor", downFontColor);
    k.Key("unenabledfontColor", unEnabledFontColor);  // spelled with a capital C in skin texts
}

void TDataSkinAnimate::Keys(SkinKeys& k) {
    TDataSkinObject::Keys(k);
    k.Key("countframes", countFrames);
    k.Key("cycle", cycle);
    k.Key("buttonstyle", buttonStyle);
    k.Key("timerinterval", timerInterval);
    k.Key("command", command);
}

void TDataUserObject::Keys(SkinKeys& k) {
    k.Key("skinrect", skinRect);
}

// ---- Window descriptors ----

void TDataSkinPopupWindow::Keys(SkinKeys& k) {
    k.Key("windowpictureindex", windowPictureIndex);
    k.Key("maskpictureindex", maskPictureIndex);
    k.CornerPoints(leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint);
    k.Key("itemsrect", itemsRect);
    k.Key("scrollmarkercolor", scrollMarkerColor);
    k.Key("scrollmarkeractivecolor", scrollMarkerActiveColor);
}

void TDataSkinHintWindow::Keys(SkinKeys& k) {
    k.Key("windowpictureindex", windowPictureIndex);
    k.Key("maskpictureindex", maskPictureIndex);
    k.CornerPoints(leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint);
    k.Key("clientrect", clientRect);
    k.Font("", font);
}

void TDataSkinFormInfo::Keys(SkinKeys& k) {
    k.CornerPoints(leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint);
    k.Key("clientrect", clientRect);
    k.Key("bgpictureindex", bgPictureIndex);
    k.Key("mdibgpictureindex", mdiBgPictureIndex);
    k.Key("leftstretch", leftStretch);
    k.Key("rightstretch", rightStretch);
    k.Key("topstretch", topStretch);
    k.Key("bottomstretch", bottomStretch);
    k.Key("maskrectarea", maskRectArea);
    k.Key("hittestlefttoppoint", hitTestLeftTopPoint);
    k.Key("hittestrighttoppoint", hitTestRightTopPoint);
    k.Key("hittestleftbottompoint", hitTestLeftBottomPoint);
    k.Key("hittestrightbottompoint", hitTestRightBottomPoint);
    k.Key("buttonsrect", buttonsRect);
    k.Key("captionrect", captionRect);
    k.Key("buttonsoffset", buttonsOffset);
    k.Key("buttonsinleft", buttonsInLeft);
    k.Key("mainmenupopupup", mainMenuPopupUp);
    k.Key("borderwidth", borderWidth);
    k.Key("autorenderinginactiveimage", autoRenderingInactiveImage);
    k.Key("inactiveeffect", inactiveEffect);
}

void TDataSkinFormInfo::Normalise(bool hasMask) {
    const Rect& c = clientRect;
    if (hasMask) {
        if (maskRectArea.Width() < 1 || maskRectArea.Height() < 1) {
            maskRectArea = c;
        } else {
            maskRectArea = {std::min(maskRectArea.left, c.left), std::min(maskRectArea.top, c.top),
                            std::max(maskRectArea.right, c.right), std::max(maskRectArea.bottom, c.bottom)};
        }
        const auto fill = [](Point& hitTest, const Point& frame) {
            if (hitTest.x == 0 || hitTest.y == 0) hitTest = frame;
        };
        fill(hitTestLeftTopPoint, leftTopPoint);
        fill(hitTestRightTopPoint, rightTopPoint);
        fill(hitTestLeftBottomPoint, leftBottomPoint);
        fill(hitTestRightBottomPoint, rightBottomPoint);
    }
    if (rightBottomPoint.x != leftTopPoint.x && rightBottomPoint.y != leftTopPoint.y) {
        leftTopPoint = {std::max(leftTopPoint.x, c.left), std::max(leftTopPoint.y, c.top)};
        rightTopPoint = {std::min(rightTopPoint.x, c.right), std::max(rightTopPoint.y, c.top)};
        leftBottomPoint = {std::max(leftBottomPoint.x, c.left), std::min(leftBottomPoint.y, c.bottom)};
        rightBottomPoint = {std::min(rightBottomPoint.x, c.right), std::min(rightBottomPoint.y, c.bottom)};
    }
}

// ---- Factories ----

namespace {

template <class Base>
struct TypeEntry {
    const char* type;
    std::unique_ptr<Base> (*create)(std::string name);
};

template <class Base, class T>
std::unique_ptr<Base> Make(std::string name) {
    return std::make_unique<T>(std::move(name));
}

constexpr std::array<TypeEntry<TDataSkinObject>, 8> kObjectTypes = {{
    {"menuitem", Make<TDataSkinObject, TDataSkinMenuItem>},
    {"mainmenubaritem", Make<TDataSkinObject, TDataSkinMainMenuBarItem>},
    {"stdbutton", Make<TDataSkinObject, TDataSkinStdButton>},
    {"mainmenubarbutton", Make<TDataSkinObject, TDataSkinMainMenuBarButton>},
    {"button", Make<TDataSkinObject, TDataSkinButton>},
    {"caption", Make<TDataSkinObject, TDataSkinCaption>},
    {"animate", Make<TDataSkinObject, TDataSkinAnimate>},
    {"userobject", Make<TDataSkinObject, TDataUserObject>},
}};

constexpr std::array<TypeEntry<TDataSkinControl>, 28> kControlTypes = {{
    {"panel", Make<TDataSkinControl, TDataSkinPanelControl>},
    {"expanel", Make<TDataSkinControl, TDataSkinExPanelControl>},
    {"menubutton", Make<TDataSkinControl, TDataSkinMenuButtonControl>},
    {"button", Make<TDataSkinControl, TDataSkinButtonControl>},
    {"checkradio", Make<TDataSkinControl, TDataSkinCheckRadioControl>},
    {"gauge", Make<TDataSkinControl, TDataSkinGaugeControl>},
    {"splitter", Make<TDataSkinControl, TDataSkinSplitterControl>},
    {"trackbar", Make<TDataSkinControl, TDataSkinTrackBarControl>},
    {"label", Make<TDataSkinControl, TDataSkinLabelControl>},
    {"stdlabel", Make<TDataSkinControl, TDataSkinStdLabelControl>},
    {"updown", Make<TDataSkinControl, TDataSkinUpDownControl>},
    {"grid", Make<TDataSkinControl, TDataSkinGridControl>},
    {"bevel", Make<TDataSkinControl, TDataSkinBevel>},
    {"listview", Make<TDataSkinControl, TDataSkinListView>},
    {"tab", Make<TDataSkinControl, TDataSkinTabControl>},
    {"mainmenubar", Make<TDataSkinControl, TDataSkinMainMenuBar>},
    {"controlbar", Make<TDataSkinControl, TDataSkinControlBar>},
    {"memo", Make<TDataSkinControl, TDataSkinMemoControl>},
    {"edit", Make<TDataSkinControl, TDataSkinEditControl>},
    {"checklistbox", Make<TDataSkinControl, TDataSkinCheckListBox>},
    {"listbox", Make<TDataSkinControl, TDataSkinListBox>},
    {"combobox", Make<TDataSkinControl, TDataSkinComboBox>},
    {"scrollbar", Make<TDataSkinControl, TDataSkinScrollBarControl>},
    {"spinedit", Make<TDataSkinControl, TDataSkinSpinEditControl>},
    {"scrollbox", Make<TDataSkinControl, TDataSkinScrollBoxControl>},
    {"treeview", Make<TDataSkinControl, TDataSkinTreeView>},
    {"slider", Make<TDataSkinControl, TDataSkinSlider>},
    {"richedit", Make<TDataSkinControl, TDataSkinRichEdit>},
}};

template <class Base, std::size_t N>
std::unique_ptr<Base> Create(const std::array<TypeEntry<Base>, N>& table, std::string_view type,
                             std::string name) {
    // Element types compare exactly and case-sensitively.
    for (const TypeEntry<Base>& entry : table) {
        if (type != entry.type) continue;
        std::unique_ptr<Base> descriptor = entry.create(std::move(name));
        descriptor->SetType(entry.type);
        return descriptor;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<TDataSkinObject> CreateSkinObject(std::string_view type, std::string name) {
    return Create(kObjectTypes, type, std::move(name));
}

std::unique_ptr<TDataSkinControl> CreateSkinControl(std::string_view type, std::string name) {
    return Create(kControlTypes, type, std::move(name));
}

}  // namespace huecast::skin
