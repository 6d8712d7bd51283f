// Skin element descriptors: plain objects, each filled from one section of a skin text.
//
// Each class lists its keys once, in reading order, in Keys(): key name to field, parent's keys first. The
// same list reads a descriptor (SkinDescriptor::ReadFrom) and writes it back (SkinDescriptor::WriteTo), so
// the two can never disagree. Fields are named after their ini keys (`skinrect` -> skinRect); a font is one
// SkinFont field for the four keys <prefix>fontname/fontheight/fontstyle/fontcolor. Defaults are the
// member initialisers: a key missing from the text leaves its field as constructed.
//
// Index of this file: the key visitor; the descriptor root; control descriptors; skin-object descriptors;
// the window descriptors ([POPUPWINDOW], [HINTWINDOW], [FORMINFO]); the factories by element type.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "base/geometry.h"
#include "skin/format/skin_ini.h"
#include "skin/format/skin_values.h"

namespace huecast::skin {

// Visits the keys of a descriptor. A reader fills each field from the text, a writer writes it out.
class SkinKeys {
  public:
    virtual ~SkinKeys() = default;
    virtual void Key(std::string_view key, int& field) = 0;
    virtual void Key(std::string_view key, Color& field) = 0;
    virtual void Key(std::string_view key, bool& field) = 0;
    virtual void Key(std::string_view key, Rect& field) = 0;
    virtual void Key(std::string_view key, Point& field) = 0;
    virtual void Key(std::string_view key, FontStyle& field) = 0;
    virtual void Key(std::string_view key, Alignment& field) = 0;
    virtual void Key(std::string_view key, MorphKind& field) = 0;
    virtual void Key(std::string_view key, InactiveEffect& field) = 0;
    virtual void Key(std::string_view key, SkinCommand& field) = 0;
    virtual void Key(std::string_view key, std::string& field) = 0;
    // The four keys of a font; `prefix` is "" for the main font, "caption" or "fixed" for a second one.
    void Font(std::string_view prefix, SkinFont& font);
    // lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint.
    void CornerPoints(Point& leftTop, Point& rightTop, Point& leftBottom, Point& rightBottom);
};

// The root of every descriptor: an element name (also its section name) and the key list.
class SkinDescriptor {
  public:
    explicit SkinDescriptor(std::string name) : name_(std::move(name)) {}
    virtual ~SkinDescriptor() = default;
    SkinDescriptor(const SkinDescriptor&) = delete;
    SkinDescriptor& operator=(const SkinDescriptor&) = delete;

    const std::string& Name() const { return name_; }
    // The element type it was created for ("button", "stdbutton", ...); empty for the window descriptors.
    const std::string& Type() const { return type_; }
    void SetType(std::string type) { type_ = std::move(type); }

    // Reads every key from the section named Name(). A rect or point without digits throws SkinError.
    void ReadFrom(const SkinIni& ini);
    // Erases the section, then writes every key that ReadFrom reads.
    void WriteTo(SkinIni& ini);

    // Lists the keys in reading order: the parent's first, then the class's own.
    virtual void Keys(SkinKeys& keys) = 0;

  protected:
    virtual void AfterRead() {}

  private:
    std::string name_;
    std::string type_;
};

// ---- Control descriptors (elements of [SKINCONTROLS]) ----

class TDataSkinControl : public SkinDescriptor {
  public:
    using SkinDescriptor::SkinDescriptor;
    void Keys(SkinKeys& keys) override;
    int pictureIndex = -1;
    int maskPictureIndex = -1;
    Rect skinRect;
};

class TDataSkinCustomControl : public TDataSkinControl {
  public:
    using TDataSkinControl::TDataSkinControl;
    void Keys(SkinKeys& keys) override;
    Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
    Rect clientRect;
};

class TDataSkinButtonControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    SkinFont font;
    Color activeFontColor = 0, downFontColor = 0, disabledFontColor = 0;
    Rect activeSkinRect, downSkinRect, disabledSkinRect;
    bool morphing = false;
    MorphKind morphKind = MorphKind::Default;
};

class TDataSkinMenuButtonControl : public TDataSkinButtonControl {
  public:
    using TDataSkinButtonControl::TDataSkinButtonControl;
    void Keys(SkinKeys& keys) override;
    Rect trackButtonRect;
};

class TDataSkinCheckRadioControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    SkinFont font;
    Color activeFontColor = 0, unEnabledFontColor = 0, frameFontColor = 0;
    Rect activeSkinRect, checkImageArea, textArea, checkImageRect, unCheckImageRect, activeCheckImageRect,
        activeUnCheckImageRect, unEnabledCheckImageRect, unEnabledUnCheckImageRect;
    bool morphing = false;
    MorphKind morphKind = MorphKind::Default;
};

class TDataSkinPanelControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    int bgPictureIndex = -1;
    Rect captionRect;
    Alignment alignment = Alignment::Center;
    SkinFont font;
    Rect checkImageRect, unCheckImageRect;
};

class TDataSkinExPanelControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    Rect rollHSkinRect, rollVSkinRect;
    int rollLeftOffset = 0, rollRightOffset = 0, rollTopOffset = 0, rollBottomOffset = 0;
    Rect rollVCaptionRect, rollHCaptionRect;
    Rect closeButtonRect, closeButtonActiveRect, closeButtonDownRect;
    Rect hRollButtonRect, hRollButtonActiveRect, hRollButtonDownRect;
    Rect hRestoreButtonRect, hRestoreButtonActiveRect, hRestoreButtonDownRect;
    Rect vRollButtonRect, vRollButtonActiveRect, vRollButtonDownRect;
    Rect vRestoreButtonRect, vRestoreButtonActiveRect, vRestoreButtonDownRect;
    Rect captionRect;
    SkinFont font;
};

class TDataSkinGaugeControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    Rect progressArea, progressRect;
    int beginOffset = 0, endOffset = 0;
    bool vertical = false;
    SkinFont font;
};

class TDataSkinLabelControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    SkinFont font;
};

class TDataSkinTrackBarControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    Rect trackArea, buttonRect, activeButtonRect;
    bool vertical = false;
};

class TDataSkinScrollBarControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    Rect trackArea;
    Rect upButtonRect, activeUpButtonRect, downUpButtonRect;
    Rect downButtonRect, activeDownButtonRect, downDownButtonRect;
    Rect thumbRect, activeThumbRect, downThumbRect;
    int thumbOffset1 = 0, thumbOffset2 = 0;
    Rect glyphRect, activeGlyphRect, downGlyphRect;
};

class TDataSkinUpDownControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    Rect upButtonRect, activeUpButtonRect, downUpButtonRect;
    Rect downButtonRect, activeDownButtonRect, downDownButtonRect;
};

class TDataSkinEditControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    Rect activeSkinRect;
    SkinFont font;
    Color disabledFontColor = 0, activeFontColor = 0;
    Rect buttonRect, activeButtonRect, downButtonRect, unEnabledButtonRect;
};

class TDataSkinMemoControl : public TDataSkinEditControl {
  public:
    using TDataSkinEditControl::TDataSkinEditControl;
    void Keys(SkinKeys& keys) override;
    Color bgColor = 0, activeBgColor = 0;
};

class TDataSkinSpinEditControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    Rect activeSkinRect;
    SkinFont font;
    Color activeFontColor = 0, disabledFontColor = 0;
    Rect upButtonRect, activeUpButtonRect, downUpButtonRect;
    Rect downButtonRect, activeDownButtonRect, downDownButtonRect;
};

class TDataSkinListBox : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    Rect itemRect, activeItemRect, focusItemRect;
    int itemLeftOffset = 0, itemRightOffset = 0;
    Rect itemTextRect;
    SkinFont font;
    Color activeFontColor = 0, focusFontColor = 0;
    Rect captionRect;
    SkinFont captionFont;
    Rect upButtonRect, activeUpButtonRect, downUpButtonRect;
    Rect downButtonRect, activeDownButtonRect, downDownButtonRect;
    Rect checkButtonRect, activeCheckButtonRect, downCheckButtonRect;
    std::string vScrollBarName = "vscrollbar";
    std::string hScrollBarName = "hscrollbar";
    std::string bothHScrollBarName = "bothhscrollbar";
};

class TDataSkinCheckListBox : public TDataSkinListBox {
  public:
    using TDataSkinListBox::TDataSkinListBox;
    void Keys(SkinKeys& keys) override;
    Rect itemCheckRect, checkImageRect, unCheckImageRect;
};

class TDataSkinComboBox : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    Rect itemRect, focusItemRect;
    int itemLeftOffset = 0, itemRightOffset = 0;
    Rect itemTextRect;
    SkinFont font;
    Color focusFontColor = 0;
    std::string listBoxName;
    Rect buttonRect, activeButtonRect, downButtonRect, unEnabledButtonRect;
};

class TDataSkinControlBar : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    Rect itemRect;
    int bgPictureIndex = -1;
};

class TDataSkinScrollBoxControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
    void Keys(SkinKeys& keys) override;
    int bgPictureIndex = -1;
};

class TDataSkinSplitterControl : public TDataSkinCustomControl {
  public:
    using TDataSkinCustomControl::TDataSkinCustomControl;
};

class TDataSkinStdLabelControl : public TDataSkinControl {
  public:
    using TDataSkinControl::TDataSkinControl;
    void Keys(SkinKeys& keys) override;
    SkinFont font;
    Color activeFontColor = 0xFF0000;
};

class TDataSkinGridControl : public TDataSkinControl {
  public:
    using TDataSkinControl::TDataSkinControl;
    void Keys(SkinKeys& keys) override;
    Rect fixedCellRect, selectCellRect, focusCellRect;
    int fixedCellLeftOffset = 0, fixedCellRightOffset = 0;
    Rect fixedCellTextRect;
    int cellLeftOffset = 0, cellRightOffset = 0;
    Rect cellTextRect;
    Color linesColor = 0, bgColor = 0;
    SkinFont font;
    Color selectFontColor = 0, focusFontColor = 0;
    SkinFont fixedFont;
};

class TDataSkinTabControl : public TDataSkinControl {
  public:
    using TDataSkinControl::TDataSkinControl;
    void Keys(SkinKeys& keys) override;
    Rect tabRect, activeTabRect, focusTabRect, mouseInTabRect, clientRect;
    int bgPictureIndex = -1;
    Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
    int tabLeftOffset = 0, tabRightOffset = 0;
    Rect tabsBgRect;
    SkinFont font;
    Color activeFontColor = 0, focusFontColor = 0, mouseInFontColor = 0;
    std::string upDown;
};

class TDataSkinMainMenuBar : public TDataSkinControl {
  public:
    using TDataSkinControl::TDataSkinControl;
    void Keys(SkinKeys& keys) override;
    Rect itemsRect;
    std::string menuBarItem, closeButton, minButton, maxButton, sysMenuButton;
    Color trackMarkColor = 0, trackMarkActiveColor = 0;
};

class TDataSkinSlider : public TDataSkinControl {
  public:
    using TDataSkinControl::TDataSkinControl;
    void Keys(SkinKeys& keys) override;
    Color bgColor = 0;
    Rect hRulerRect, hThumbRect, vRulerRect, vThumbRect;
    int edgeSize = 0;
    Color pointsColor = 0;
};

class TDataSkinBevel : public TDataSkinControl {
  public:
    using TDataSkinControl::TDataSkinControl;
    void Keys(SkinKeys& keys) override;
    Color lightColor = 0, darkColor = 0;
};

// Tree view, list view and rich edit draw from a font and a background colour only.
class TDataSkinFontBgControl : public TDataSkinControl {
  public:
    using TDataSkinControl::TDataSkinControl;
    void Keys(SkinKeys& keys) override;
    SkinFont font;
    Color bgColor = 0;
};

class TDataSkinTreeView : public TDataSkinFontBgControl {
  public:
    using TDataSkinFontBgControl::TDataSkinFontBgControl;
};

class TDataSkinListView : public TDataSkinFontBgControl {
  public:
    using TDataSkinFontBgControl::TDataSkinFontBgControl;
};

class TDataSkinRichEdit : public TDataSkinFontBgControl {
  public:
    using TDataSkinFontBgControl::TDataSkinFontBgControl;
};

// ---- Skin-object descriptors (elements of [SKINOBJECTS]) ----

class TDataSkinObject : public SkinDescriptor {
  public:
    using SkinDescriptor::SkinDescriptor;
    void Keys(SkinKeys& keys) override;
    std::string hint;
    int activePictureIndex = -1;
    bool skinRectInAPicture = false;
    Rect skinRect, activeSkinRect;
    bool morphing = false;
    MorphKind morphKind = MorphKind::Default;
};

class TDataSkinButton : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    void Keys(SkinKeys& keys) override;
    Rect downRect;
    Rect disableSkinRsect;  // the key is spelled "disableskinrsect" in every skin
};

class TDataSkinStdButton : public TDataSkinButton {
  public:
    using TDataSkinButton::TDataSkinButton;
    void Keys(SkinKeys& keys) override;
    SkinCommand command = SkinCommand::Default;
    Rect restoreRect, restoreActiveRect, restoreDownRect, restoreInactiveRect;
};

class TDataSkinMainMenuBarButton : public TDataSkinStdButton {
  public:
    using TDataSkinStdButton::TDataSkinStdButton;
};

class TDataSkinCaption : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    void Keys(SkinKeys& keys) override;
    Rect textRect;
    SkinFont font;
    Color activeFontColor = 0;
    Alignment alignment = Alignment::Center;
    bool shadow = false;
    Color shadowColor = 0, activeShadowColor = 0;
    Rect frameRect, activeFrameRect, frameTextRect;
    int frameLeftOffset = 0, frameRightOffset = 0;
};

class TDataSkinMenuItem : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    void Keys(SkinKeys& keys) override;
    int itemLeftOffset = 0, itemRightOffset = 0;
    Rect dividerRect;
    int dividerLeftOffset = 0, dividerRightOffset = 0;
    Rect textRect;
    SkinFont font;
    Color activeFontColor = 0, unEnabledFontColor = 0;
};

class TDataSkinMainMenuItem : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    void Keys(SkinKeys& keys) override;
    int itemLeftOffset = 0, itemRightOffset = 0;
    Rect downRect;
    Rect textRect;
    SkinFont font;
    Color activeFontColor = 0, downFontColor = 0, unEnabledFontColor = 0;
};

class TDataSkinMainMenuBarItem : public TDataSkinMainMenuItem {
  public:
    using TDataSkinMainMenuItem::TDataSkinMainMenuItem;
};

class TDataSkinAnimate : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    void Keys(SkinKeys& keys) override;
    int countFrames = 1;
    bool cycle = false;
    bool buttonStyle = false;
    int timerInterval = 50;  // milliseconds
    SkinCommand command = SkinCommand::Default;

  protected:
    void AfterRead() override { morphing = false; }  // frames replace each other; there is nothing to morph
};

// Reads only `skinrect`; its hint and the other root keys stay at their defaults.
class TDataUserObject : public TDataSkinObject {
  public:
    using TDataSkinObject::TDataSkinObject;
    void Keys(SkinKeys& keys) override;
};

// ---- Window descriptors ----

class TDataSkinPopupWindow : public SkinDescriptor {
  public:
    TDataSkinPopupWindow() : SkinDescriptor("POPUPWINDOW") {}
    void Keys(SkinKeys& keys) override;
    int windowPictureIndex = -1;
    int maskPictureIndex = -1;
    Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
    Rect itemsRect;
    Color scrollMarkerColor = 0, scrollMarkerActiveColor = 0;
};

class TDataSkinHintWindow : public SkinDescriptor {
  public:
    TDataSkinHintWindow() : SkinDescriptor("HINTWINDOW") {}
    void Keys(SkinKeys& keys) override;
    int windowPictureIndex = -1;
    int maskPictureIndex = -1;
    Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
    Rect clientRect;
    SkinFont font;
};

// The window frame drawn from the main picture ([FORMINFO]); coordinates are in the main picture.
class TDataSkinFormInfo : public SkinDescriptor {
  public:
    TDataSkinFormInfo() : SkinDescriptor("FORMINFO") {}
    void Keys(SkinKeys& keys) override;
    // Widens the mask area and fills hit-test points (only with a mask), then pulls the frame points into
    // clientRect; run once after reading.
    void Normalise(bool hasMask);

    Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
    Rect clientRect;
    int bgPictureIndex = -1;
    int mdiBgPictureIndex = -1;
    bool leftStretch = false, rightStretch = false, topStretch = false, bottomStretch = false;
    Rect maskRectArea;
    Point hitTestLeftTopPoint, hitTestRightTopPoint, hitTestLeftBottomPoint, hitTestRightBottomPoint;
    Rect buttonsRect;
    Rect captionRect;
    int buttonsOffset = 0;
    bool buttonsInLeft = false;
    bool mainMenuPopupUp = false;
    int borderWidth = 0;
    bool autoRenderingInactiveImage = false;
    InactiveEffect inactiveEffect = InactiveEffect::Brightness;
};

// ---- Factories by element type; nullptr for a type the table does not know ----

std::unique_ptr<TDataSkinObject> CreateSkinObject(std::string_view type, std::string name);
std::unique_ptr<TDataSkinControl> CreateSkinControl(std::string_view type, std::string name);

}  // namespace huecast::skin
