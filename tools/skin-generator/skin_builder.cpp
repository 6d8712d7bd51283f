#include "tools/skin-generator/skin_builder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/format/skin_descriptors.h"
#include "base/text.h"
#include "skin/format/skin_ini.h"
#include "tools/skin-generator/glyphs.h"
#include "tools/skin-generator/palette.h"

// Index of this file: the caption band; sheet placement; looks shared by many controls (faces, fields,
// boxes); the frame (main.bmp); caption buttons (active.bmp); menus (pw.bmp, menuitems.bmp); the hint
// (hw.bmp); the controls (controls.bmp), one function per family; the skin text.

namespace huecast::skingen {

using namespace skin;

namespace {

// The caption band of the frame, row by row (0 = the window's top row); the caption buttons of active.bmp
// sit on the same rows so that their plain look melts into the frame.
constexpr int kCaptionHeight = 26;

Color CaptionRow(const CaptionBandArt& band, int y) {
    if (y <= 0) return band.outline;
    if (y == 1) return band.shine;
    if (y <= 12) return Mix(band.upperTop, band.upperBottom, y - 2, 10);
    if (y <= 24) return Mix(band.lowerTop, band.lowerBottom, y - 13, 11);
    return band.bottom;
}

// Picture indexes of the active pictures, in [PICTURES] order.
constexpr int kPopupPicture = 0, kMenuPicture = 1, kCaptionPicture = 2, kControlsPicture = 3,
              kHintPicture = 4;
// "宋体" in the system code page: the face of the program's own texts.
const char* const kFace = "\xCB\xCE\xCC\xE5";

SkinFont Font(Color color, int height = 12, bool bold = false) {
    SkinFont font;
    font.name = kFace;
    font.height = height;
    font.style.bold = bold;
    font.color = color;
    return font;
}

Rect SizeOf(Rect r) {
    return {0, 0, r.Width(), r.Height()};
}

// Places the looks of a sheet. The sheet is drawn twice: the first pass only collects the sizes asked for
// (drawing on a scratch canvas tall enough for anything), Pack() then places them tallest first, bottom-left
// on a skyline, edge to edge (every look is cut by its exact rect, so none needs a margin), and the second
// pass draws each look at its planned place, in the same order of requests.
class Sheet {
  public:
    Sheet(const SkinArt& skinArt, int width, int height, const std::vector<Rect>* plan = nullptr)
        : art(skinArt), canvas(width, plan ? height : 16 * height, skinArt.client), height_(height), plan_(plan) {}

    Rect Place(int w, int h) {
        if (plan_) {
            const Rect r = plan_->at(next_++);
            if (r.Width() != w || r.Height() != h)
                throw std::logic_error("the second pass asked for other sizes");
            return r;
        }
        sizes_.push_back({w, h});
        const Rect r{0, scratchY_, w, scratchY_ + h};
        scratchY_ += h + 1;
        return r;
    }
    // A region of looks placed by hand at fixed coordinates.
    void Reserve(Rect r) { reserved_.push_back(r); }

    std::vector<Rect> Pack() const {
        std::vector<int> skyline(static_cast<std::size_t>(canvas.Width()), 0);
        const auto occupy = [&](Rect r) {
            for (int x = r.left; x < r.right; ++x)
                skyline[x] = std::max(skyline[x], r.bottom);
        };
        for (const Rect& r : reserved_)
            occupy(r);
        std::vector<std::size_t> order(sizes_.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return sizes_[a].y != sizes_[b].y ? sizes_[a].y > sizes_[b].y : sizes_[a].x > sizes_[b].x;
        });
        std::vector<Rect> placed(sizes_.size());
        for (const std::size_t i : order) {
            const int w = sizes_[i].x, h = sizes_[i].y;
            int bestX = -1, bestY = height_;
            for (int x = 0; x + w <= canvas.Width(); ++x) {
                const int y = *std::max_element(skyline.begin() + x, skyline.begin() + x + w);
                if (y < bestY) bestX = x, bestY = y;
            }
            if (bestX < 0 || bestY + h > height_)
                throw std::runtime_error("the sheet has no room left for a look of " + std::to_string(w) +
                                         " x " + std::to_string(h));
            placed[i] = {bestX, bestY, bestX + w, bestY + h};
            occupy(placed[i]);
        }
        return placed;
    }

    const SkinArt& art;
    Canvas canvas;

  private:
    int height_;
    const std::vector<Rect>* plan_;
    std::size_t next_ = 0;
    int scratchY_ = 0;
    std::vector<Point> sizes_;
    std::vector<Rect> reserved_;
};

// ---- Shared looks ----

enum State { kNormal, kHot, kDown, kDisabled };

const BoxStyle& FaceStyle(const SkinArt& a, State state) {
    switch (state) {
        case kHot:
            return a.faceHot;
        case kDown:
            return a.faceDown;
        case kDisabled:
            return a.faceDisabled;
        case kNormal:
            break;
    }
    return a.faceNormal;
}

Color GlyphColor(const SkinArt& a, State state) {
    if (state == kDisabled) return a.faceGlyphDisabled;
    if (state == kDown) return a.faceGlyphDown;
    return a.faceGlyph;
}

// An orange push face with an optional glyph; pressed faces shift the glyph by a pixel, as a pressed key.
void DrawFace(const SkinArt& a, Canvas& c, Rect r, State state, GlyphRows glyph = {}) {
    c.Box(r, FaceStyle(a, state));
    if (glyph.size() == 0) return;
    const int shift = state == kDown ? 1 : 0;
    if (state != kDisabled && state != kDown) c.GlyphCentred(r, glyph, a.faceGlyphShadow, 1, 1);
    c.GlyphCentred(r, glyph, GlyphColor(a, state), shift, shift);
}

std::array<Rect, 4> FaceLooks(Sheet& s, int w, int h, GlyphRows glyph = {}) {
    const SkinArt& a = s.art;
    std::array<Rect, 4> looks;
    for (int i = 0; i < 4; ++i) {
        looks[i] = s.Place(w, h);
        DrawFace(a, s.canvas, looks[i], static_cast<State>(i), glyph);
    }
    return looks;
}

void DrawField(const SkinArt& a, Canvas& c, Rect r, State state) {
    c.Box(r, state == kHot ? a.fieldHot : state == kDisabled ? a.fieldDisabled : a.fieldNormal);
}

void NinePiece(TDataSkinCustomControl& d, int l, int t, int r, int b) {
    const int w = d.skinRect.Width(), h = d.skinRect.Height();
    d.leftTopPoint = {l, t};
    d.rightTopPoint = {w - r, t};
    d.leftBottomPoint = {l, h - b};
    d.rightBottomPoint = {w - r, h - b};
    d.clientRect = {l, t, w - r, h - b};
}

// Three pieces side by side: fixed ends of `l` and `r` pixels, the middle tiled; the height stays.
void Horizontal(TDataSkinCustomControl& d, int l, int r, Rect client) {
    d.leftTopPoint = {l, 0};
    d.rightTopPoint = {d.skinRect.Width() - r, 0};
    d.clientRect = client;
}

void Vertical(TDataSkinCustomControl& d, int t, int b, Rect client) {
    d.leftTopPoint = {0, t};
    d.leftBottomPoint = {0, d.skinRect.Height() - b};
    d.clientRect = client;
}

// ---- The descriptor lists ----

struct Elements {
    std::vector<std::unique_ptr<TDataSkinObject>> objects;
    std::vector<std::unique_ptr<TDataSkinControl>> controls;

    // Created through the loader's own factory, so a type that would read into another class fails here.
    template <class T>
    T& Control(const std::string& name, const std::string& type) {
        std::unique_ptr<TDataSkinControl> made = CreateSkinControl(type, name);
        T* typed = dynamic_cast<T*>(made.get());
        if (!typed)
            throw std::logic_error("control type " + type + " does not read into the class used for " + name);
        typed->pictureIndex = kControlsPicture;
        controls.push_back(std::move(made));
        return *typed;
    }
    template <class T>
    T& Object(const std::string& name, const std::string& type) {
        std::unique_ptr<TDataSkinObject> made = CreateSkinObject(type, name);
        T* typed = dynamic_cast<T*>(made.get());
        if (!typed)
            throw std::logic_error("object type " + type + " does not read into the class used for " + name);
        objects.push_back(std::move(made));
        return *typed;
    }
};

// ---- main.bmp: the frame ----

constexpr int kMainWidth = 177, kMainHeight = 124;
constexpr Rect kMainClient{8, 26, 168, 116};

// One side of the frame, from the outer edge (d = 0) to the client edge (d = width - 1).
Color BorderColor(const BorderArt& b, int d, int width) {
    if (d == 0) return b.outline;
    if (d == width - 1) return b.inner;
    if (d == width - 2) return b.innerShade;
    if (d == 1) return b.shine;
    return Mix(b.middleOuter, b.middleInner, d - 2, std::max(1, width - 5));
}

Bitmap DrawMain(const SkinArt& a) {
    Canvas c(kMainWidth, kMainHeight, a.client);
    const int left = kMainClient.left, right = kMainWidth - kMainClient.right,
              bottom = kMainHeight - kMainClient.bottom;
    for (int y = 0; y < kMainHeight; ++y) {
        for (int x = 0; x < kMainWidth; ++x) {
            if (kMainClient.Contains({x, y})) continue;
            const int dl = x, dr = kMainWidth - 1 - x, db = kMainHeight - 1 - y;
            if (y < kCaptionHeight) {
                // The caption spans the whole width, closed by the outline at both ends.
                Color color = CaptionRow(a.captionBand, y);
                if (dl == 0 || dr == 0)
                    color = a.border.outline;
                else if (dl == 1 && y > 0)
                    color = Mix(color, a.border.captionLeftLight, 1, 3);
                else if (dr == 1 && y > 0)
                    color = Mix(color, a.border.outline, 1, 3);
                c.Set(x, y, color);
                continue;
            }
            // Mitred corners: each pixel belongs to the nearest side, measured in that side's own profile.
            const int sides[3][2] = {{dl, left}, {dr, right}, {db, bottom}};
            int best = 0;
            for (int i = 1; i < 3; ++i)
                if (sides[i][0] < sides[best][0]) best = i;
            int d = sides[best][0];
            const int width = sides[best][1];
            if (d >= width) continue;
            c.Set(x, y, BorderColor(a.border, d, width));
        }
    }
    // The caption band ends in a crisp dark line where the client begins.
    c.HLine(left - 1, kMainWidth - right + 1, kCaptionHeight - 1, a.border.captionRule);
    return ToPaletted(c.Pixels());
}

// ---- active.bmp: caption buttons, 20 x 19, on the caption band's rows 3 to 21 ----

constexpr int kCaptionButtonW = 20, kCaptionButtonH = 19, kCaptionButtonTop = 3;

struct CaptionButtonLooks {
    Rect normal, hot, down;
};

void DrawCaptionButton(const SkinArt& a, Canvas& c, Rect r, State state, GlyphRows glyph, bool isClose) {
    const CaptionButtonArt& b = a.captionButtons;
    for (int y = r.top; y < r.bottom; ++y)
        c.HLine(r.left, r.right, y, CaptionRow(a.captionBand, kCaptionButtonTop + y - r.top));
    const Rect box{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    const bool round = b.shape == CaptionButtonShape::Round;
    const auto cap = [&](const BoxStyle& style) { round ? c.Disc(box, style) : c.Box(box, style); };
    if (state == kHot) {
        cap(isClose ? b.hotClose : b.hot);
        c.GlyphCentred(box, glyph, isClose ? b.hotCloseGlyph : b.hotGlyph);
    } else if (state == kDown) {
        // The glyph is pushed down by a pixel, as a pressed key.
        cap(isClose ? b.downClose : b.down);
        c.GlyphCentred(box, glyph, b.downGlyph, 1, 1);
    } else {
        if (round) c.Ring(box, b.ring);
        c.GlyphCentred(box, glyph, b.glyphShadow, 1, 1);
        c.GlyphCentred(box, glyph, b.glyph);
    }
}

Bitmap DrawCaptionButtons(const SkinArt& a, CaptionButtonLooks& close, CaptionButtonLooks& maximize,
                          CaptionButtonLooks& minimize, Rect& rollUp) {
    Canvas c(47, 97, CaptionRow(a.captionBand, 12));
    // Two columns of five; the sheet has room for ten looks, so the three buttons the window shows get all
    // three looks and roll-up (hidden on the main window) gets its plain one.
    const auto cell = [](int i) {
        const int column = i % 2, row = i / 2;
        return Rect{column * 21, row * kCaptionButtonH, column * 21 + kCaptionButtonW,
                    (row + 1) * kCaptionButtonH};
    };
    CaptionButtonLooks* buttons[3] = {&close, &maximize, &minimize};
    const GlyphRows glyphs[3] = {kClose, kMaximize, kMinimize};
    int i = 0;
    for (int b = 0; b < 3; ++b) {
        Rect* looks[3] = {&buttons[b]->normal, &buttons[b]->hot, &buttons[b]->down};
        for (int s = 0; s < 3; ++s) {
            *looks[s] = cell(i++);
            DrawCaptionButton(a, c, *looks[s], static_cast<State>(s), glyphs[b], b == 0);
        }
    }
    rollUp = cell(i);
    DrawCaptionButton(a, c, rollUp, kNormal, kRollUp, false);
    return ToPaletted(c.Pixels());
}

// ---- pw.bmp and menuitems.bmp: the pop-up menu window and its items ----

Bitmap DrawPopupWindow(const SkinArt& a, TDataSkinPopupWindow& popup) {
    Canvas c(77, 70, a.panelBody);
    c.Frame({0, 0, 77, 70}, a.popupOutline);
    c.Frame({1, 1, 76, 69}, a.popupInner);
    // An orange band down the left holds the items' check marks and images.
    c.HGradient({2, 2, 22, 68}, a.menuBandLeft, a.menuBandRight);
    c.VLine(22, 2, 68, a.menuBandEdge);
    popup.windowPictureIndex = kPopupPicture;
    popup.leftTopPoint = {3, 3};
    popup.rightTopPoint = {74, 3};
    popup.leftBottomPoint = {3, 67};
    popup.rightBottomPoint = {74, 67};
    popup.itemsRect = {2, 2, 75, 68};
    popup.scrollMarkerColor = a.menuScrollMarker;
    popup.scrollMarkerActiveColor = a.menuScrollMarkerActive;
    return ToPaletted(c.Pixels());
}

// The looks of the main-menu bar's item and buttons; their objects follow the frame's in the skin.
struct MenuBarLooks {
    Rect item, hot, down;
    std::array<Rect, 4> buttons, hotButtons;
};

Bitmap DrawMenuItems(const SkinArt& a, Elements& elements, MenuBarLooks& bar) {
    Canvas c(49, 128, a.panelBody);
    // Pop-up items, 49 x 20: plain, hot; a divider of 8.
    const Rect item{0, 0, 49, 20}, hotItem{0, 20, 49, 40}, divider{0, 40, 49, 48};
    c.HGradient({0, 0, 20, 20}, a.menuBandLeft, a.menuBandRight);
    c.VLine(20, 0, 20, a.menuBandEdge);
    c.Fill({0, 20, 49, 40}, a.panelBody);
    c.Box(hotItem, a.selectionFocus);
    c.HGradient({0, 40, 20, 48}, a.menuBandLeft, a.menuBandRight);
    c.VLine(20, 40, 48, a.menuBandEdge);
    c.HLine(24, 47, 43, a.dividerDark);
    c.HLine(24, 47, 44, a.dividerLight);
    auto& menuItem = elements.Object<TDataSkinMenuItem>("MENUITEM", "menuitem");
    menuItem.activePictureIndex = kMenuPicture;
    menuItem.skinRectInAPicture = true;
    menuItem.skinRect = item;
    menuItem.activeSkinRect = hotItem;
    menuItem.itemLeftOffset = 21;
    menuItem.itemRightOffset = 3;
    menuItem.dividerRect = divider;
    menuItem.dividerLeftOffset = 24;
    menuItem.dividerRightOffset = 2;
    menuItem.textRect = {24, 0, 45, 20};
    menuItem.font = Font(a.text);
    menuItem.activeFontColor = a.textStrong;
    menuItem.unEnabledFontColor = a.textDisabled;

    // Main-menu bar items, 49 x 20: plain, hot, pressed.
    const Rect barItem{0, 48, 49, 68}, barHot{0, 68, 49, 88}, barDown{0, 88, 49, 108};
    c.VGradient(barItem, a.barTop, a.barBottom);
    c.VGradient(barHot, a.barTop, a.barBottom);
    c.Box(barHot, a.selection);
    c.VGradient(barDown, a.barTop, a.barBottom);
    c.Box(barDown, a.selectionFocus);
    bar.item = barItem;
    bar.hot = barHot;
    bar.down = barDown;

    // Main-menu bar buttons of an MDI child, 12 x 10: plain on the top row, hot below.
    static constexpr std::string_view sysMenu[] = {"XXXXX", "X   X", "XXXXX"};
    static constexpr std::string_view maximize[] = {"XXXXX", "X   X", "X   X", "XXXXX"};
    static constexpr std::string_view minimize[] = {"     ", "     ", "     ", "XXXXX"};
    const GlyphRows glyphs[4] = {sysMenu, kSmallClose, maximize, minimize};
    c.VGradient({0, 108, 49, 128}, a.barTop, a.barBottom);
    for (int i = 0; i < 4; ++i) {
        const Rect plain{i * 12, 108, i * 12 + 12, 118}, hot{i * 12, 118, i * 12 + 12, 128};
        c.GlyphCentred(plain, glyphs[i], a.text);
        c.Box(hot, a.faceHot);
        c.GlyphCentred(hot, glyphs[i], a.faceGlyph);
        bar.buttons[static_cast<std::size_t>(i)] = plain;
        bar.hotButtons[static_cast<std::size_t>(i)] = hot;
    }
    return ToPaletted(c.Pixels());
}

void MenuBarObjects(const SkinArt& a, Elements& elements, const MenuBarLooks& bar) {
    auto& item = elements.Object<TDataSkinMainMenuBarItem>("mainmenubaritem", "mainmenubaritem");
    item.activePictureIndex = kMenuPicture;
    item.skinRectInAPicture = true;
    item.skinRect = bar.item;
    item.activeSkinRect = bar.hot;
    item.downRect = bar.down;
    item.itemLeftOffset = 3;
    item.itemRightOffset = 3;
    item.textRect = {4, 0, 45, 20};
    item.font = Font(a.text);
    item.activeFontColor = a.textStrong;
    item.downFontColor = a.textStrong;
    item.unEnabledFontColor = a.textDisabled;

    // The buttons an MDI child's maximized window puts on the bar.
    const char* names[4] = {"menubarsysmenubutton", "menubarclosebutton", "menubarmaxbutton",
                            "menubarminbutton"};
    const SkinCommand commands[4] = {SkinCommand::SysMenu, SkinCommand::Close, SkinCommand::Maximize,
                                     SkinCommand::Minimize};
    for (std::size_t i = 0; i < 4; ++i) {
        auto& button = elements.Object<TDataSkinMainMenuBarButton>(names[i], "mainmenubarbutton");
        button.activePictureIndex = kMenuPicture;
        button.skinRectInAPicture = true;
        button.skinRect = bar.buttons[i];
        button.activeSkinRect = bar.hotButtons[i];
        button.downRect = bar.hotButtons[i];
        button.command = commands[i];
    }
}

// ---- hw.bmp: the hint window ----

Bitmap DrawHint(const SkinArt& a, TDataSkinHintWindow& hint) {
    Canvas c(29, 15, a.field);
    c.Box({0, 0, 29, 15}, a.hint);
    hint.windowPictureIndex = kHintPicture;
    hint.leftTopPoint = {3, 3};
    hint.rightTopPoint = {26, 3};
    hint.leftBottomPoint = {3, 12};
    hint.rightBottomPoint = {26, 12};
    hint.clientRect = {3, 3, 26, 12};
    hint.font = Font(a.text);
    return ToPaletted(c.Pixels());
}

// ---- controls.bmp ----

constexpr int kControlsWidth = 380, kControlsHeight = 424;

struct CheckImages {
    Rect check, uncheck, activeCheck, activeUncheck, disabledCheck, disabledUncheck;
};

void DrawCheckBox(const SkinArt& a, Canvas& c, Rect r, State state, bool checked, bool radio) {
    const BoxStyle& style = state == kHot ? a.fieldHot : state == kDisabled ? a.fieldDisabled : a.fieldNormal;
    if (radio) {
        static constexpr std::string_view ring[] = {
            "    XXXX    ", "  XX....XX  ", " X........X ", " X........X ", "X..........X", "X..........X",
            "X..........X", "X..........X", " X........X ", " X........X ", "  XX....XX  ", "    XXXX    "};
        static constexpr std::string_view fill[] = {
            "            ", "    XXXX    ", "  XXXXXXXX  ", "  XXXXXXXX  ", " XXXXXXXXXX ", " XXXXXXXXXX ",
            " XXXXXXXXXX ", " XXXXXXXXXX ", "  XXXXXXXX  ", "  XXXXXXXX  ", "    XXXX    ", "            "};
        static constexpr std::string_view soft[] = {
            "   o    o   ", "  o      o  ", "            ", "o          o", "            ", "            ",
            "            ", "            ", "o          o", "            ", "  o      o  ", "   o    o   "};
        c.GlyphCentred(r, fill, state == kDisabled ? style.top : a.field);
        c.GlyphCentred(r, ring, style.border);
        c.GlyphCentred(r, soft, style.border);
        if (checked) c.GlyphCentred(r, kRadioDot, state == kDisabled ? a.textDisabled : a.radioDot);
        return;
    }
    const Rect box{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    c.Box(box, style);
    if (checked) c.GlyphCentred(box, kCheck, state == kDisabled ? a.textDisabled : a.checkMark);
}

CheckImages DrawCheckImages(Sheet& s, bool radio) {
    const SkinArt& a = s.art;
    CheckImages images;
    Rect* order[6] = {&images.uncheck,     &images.check,           &images.activeUncheck,
                      &images.activeCheck, &images.disabledUncheck, &images.disabledCheck};
    for (int i = 0; i < 6; ++i) {
        *order[i] = s.Place(16, 16);
        const State state = i < 2 ? kNormal : i < 4 ? kHot : kDisabled;
        DrawCheckBox(a, s.canvas, *order[i], state, i % 2 == 1, radio);
    }
    return images;
}

void CheckRadio(Elements& e, Sheet& s, const std::string& name, const CheckImages& images) {
    const SkinArt& a = s.art;
    auto& d = e.Control<TDataSkinCheckRadioControl>(name, "checkradio");
    d.skinRect = s.Place(75, 18);  // the flat look: the form's own background
    d.activeSkinRect = s.Place(75, 18);
    s.canvas.Box(d.activeSkinRect, a.checkHot);
    Horizontal(d, 21, 6, {21, 2, 72, 16});
    d.rightTopPoint = {69, 8};
    d.leftTopPoint = {21, 8};
    d.checkImageArea = {3, 1, 19, 17};
    d.textArea = {21, 2, 72, 16};
    d.checkImageRect = images.check;
    d.unCheckImageRect = images.uncheck;
    d.activeCheckImageRect = images.activeCheck;
    d.activeUnCheckImageRect = images.activeUncheck;
    d.unEnabledCheckImageRect = images.disabledCheck;
    d.unEnabledUnCheckImageRect = images.disabledUncheck;
    d.font = Font(a.text);
    d.activeFontColor = a.textHot;
    d.unEnabledFontColor = a.textDisabled;
    d.frameFontColor = a.text;
    d.morphing = true;
    d.morphKind = MorphKind::Default;
}

void Buttons(Elements& e, Sheet& s) {
    const SkinArt& a = s.art;
    // The button of every dialog, at the place its look has always had on this sheet.
    auto& button = e.Control<TDataSkinButtonControl>("button", "button");
    button.skinRect = {1, 0, 70, 25};
    button.activeSkinRect = {70, 0, 139, 25};
    button.downSkinRect = {140, 0, 209, 25};
    button.disabledSkinRect = {210, 0, 279, 25};
    const Rect looks[4] = {button.skinRect, button.activeSkinRect, button.downSkinRect,
                           button.disabledSkinRect};
    for (int i = 0; i < 4; ++i)
        DrawFace(a, s.canvas, looks[i], static_cast<State>(i));
    NinePiece(button, 5, 5, 5, 5);
    button.font = Font(a.faceText);
    button.activeFontColor = a.faceText;
    button.downFontColor = a.faceTextDown;
    button.disabledFontColor = a.faceTextDisabled;
    button.morphing = true;
    button.morphKind = a.buttonMorph;
    s.Reserve({0, 0, 280, 25});

    const auto toolButton = [&](const std::string& name, int w, int h) {
        auto& d = e.Control<TDataSkinButtonControl>(name, "button");
        // A tool button is flat until the mouse comes.
        d.skinRect = s.Place(w, h);
        s.canvas.VGradient(d.skinRect, a.barTop, a.barBottom);
        d.activeSkinRect = s.Place(w, h);
        s.canvas.VGradient(d.activeSkinRect, a.barTop, a.barBottom);
        DrawFace(a, s.canvas, d.activeSkinRect, kHot);
        d.downSkinRect = s.Place(w, h);
        s.canvas.VGradient(d.downSkinRect, a.barTop, a.barBottom);
        DrawFace(a, s.canvas, d.downSkinRect, kDown);
        NinePiece(d, 4, 4, 4, 4);
        d.font = Font(a.text);
        d.activeFontColor = a.faceText;
        d.downFontColor = a.faceTextDown;
        d.disabledFontColor = a.textDisabled;
        d.morphing = true;
        d.morphKind = MorphKind::Gradient;
        return &d;
    };
    toolButton("toolbutton", 23, 22);
    toolButton("bigtoolbutton", 34, 34);

    auto& resize = e.Control<TDataSkinButtonControl>("resizebutton", "button");
    const auto resizeLooks = FaceLooks(s, 15, 15, kSizeGrip);
    resize.skinRect = resizeLooks[0];
    resize.activeSkinRect = resizeLooks[1];
    resize.downSkinRect = resizeLooks[2];
    resize.disabledSkinRect = resizeLooks[3];
    resize.font = Font(a.faceText);
    resize.disabledFontColor = a.textDisabled;

    // Menu buttons: a tool button with a drop-down arrow part on the right.
    const auto menuButton = [&](const std::string& name, int w, int h, bool track) {
        auto& d = e.Control<TDataSkinMenuButtonControl>(name, "menubutton");
        const int arrow = 12;
        Rect* faces[3] = {&d.skinRect, &d.activeSkinRect, &d.downSkinRect};
        for (int i = 0; i < 3; ++i) {
            *faces[i] = s.Place(w, h);
            const Rect r = *faces[i];
            s.canvas.VGradient(r, a.barTop, a.barBottom);
            if (i > 0) DrawFace(a, s.canvas, r, i == 1 ? kHot : kDown);
            if (track && i > 0) s.canvas.VLine(r.right - arrow - 1, r.top + 3, r.bottom - 3, a.popupOutline);
            const Rect arrowArea{r.right - arrow, r.top, r.right, r.bottom};
            s.canvas.GlyphCentred(arrowArea, kSmallArrowDown, i == 0 ? a.text : a.faceGlyph, i == 2 ? 1 : 0);
        }
        NinePiece(d, 4, 4, arrow + 2, 4);
        d.trackButtonRect = {w - arrow, 0, w, h};
        d.font = Font(a.text);
        d.activeFontColor = a.faceText;
        d.downFontColor = a.faceTextDown;
        d.disabledFontColor = a.textDisabled;
        d.morphing = true;
        d.morphKind = MorphKind::Gradient;
    };
    menuButton("toolmenubutton", 34, 22, false);
    menuButton("toolmenutrackbutton", 34, 22, true);
    menuButton("bigtoolmenutrackbutton", 44, 34, true);
    menuButton("bigtoolmenubutton", 44, 34, false);
}

void Panels(Elements& e, Sheet& s, const CheckImages& checks) {
    const SkinArt& a = s.art;
    const auto panel = [&](const std::string& name, int w, int h) -> TDataSkinPanelControl& {
        auto& d = e.Control<TDataSkinPanelControl>(name, "panel");
        d.skinRect = s.Place(w, h);
        d.font = Font(a.text);
        d.checkImageRect = checks.check;
        d.unCheckImageRect = checks.uncheck;
        return d;
    };
    auto& p = panel("panel", 40, 40);
    s.canvas.Box(p.skinRect, {a.edge, a.panelBody, a.panelBody, a.highlight});
    NinePiece(p, 3, 3, 3, 3);

    // The group box: a rounded card with a caption strip; its caption sits at the left of the strip.
    auto& g = panel("groupbox", 64, 50);
    s.canvas.Box(g.skinRect, {a.edge, a.panelBody, a.panelBody, a.highlight});
    const Rect strip{g.skinRect.left, g.skinRect.top, g.skinRect.right, g.skinRect.top + 23};
    s.canvas.Box(strip, a.strip);
    s.canvas.HLine(strip.left + 1, strip.right - 1, strip.bottom - 1, a.stripRule);
    s.canvas.Fill({strip.left + 6, strip.top + 7, strip.left + 9, strip.top + 16},
                  a.accent);  // the caption's mark
    // The left corner reaches the caption's left edge and the caption ends where the right corner
    // begins, so the caption spans from corner to corner and widens with the control.
    g.leftTopPoint = {12, 23};
    g.rightTopPoint = {54, 23};
    g.leftBottomPoint = {12, 46};
    g.rightBottomPoint = {54, 46};
    g.clientRect = {3, 23, 61, 47};
    g.captionRect = {12, 1, 54, 22};
    g.alignment = Alignment::LeftJustify;
    g.font = Font(a.heading, 12, true);

    const auto bar = [&](const std::string& name, int w, int h) {
        auto& d = panel(name, w, h);
        s.canvas.VGradient(d.skinRect, a.panelBarTop, a.barBottom);
        s.canvas.HLine(d.skinRect.left, d.skinRect.right, d.skinRect.top, a.highlight);
        s.canvas.HLine(d.skinRect.left, d.skinRect.right, d.skinRect.bottom - 1, a.barRule);
        NinePiece(d, 2, 2, 2, 2);
    };
    bar("toolpanel", 40, 28);
    bar("bigtoolpanel", 40, 44);
    bar("statusbar", 40, 22);
    auto& statusPanel = panel("statuspanel", 40, 18);
    s.canvas.Box(statusPanel.skinRect, a.statusPanel);
    NinePiece(statusPanel, 2, 2, 2, 2);
    statusPanel.alignment = Alignment::LeftJustify;
    statusPanel.captionRect = {4, 1, 36, 17};
}

void Labels(Elements& e, Sheet& s) {
    const SkinArt& a = s.art;
    auto& label = e.Control<TDataSkinLabelControl>("label", "label");
    label.skinRect = s.Place(40, 18);  // transparent-looking: the form's own background
    NinePiece(label, 2, 2, 2, 2);
    label.font = Font(a.text);

    auto& stdLabel = e.Control<TDataSkinStdLabelControl>("stdlabel", "stdlabel");
    stdLabel.pictureIndex = -1;
    stdLabel.font = Font(a.text);
    stdLabel.activeFontColor = a.accentText;

    auto& bevel = e.Control<TDataSkinBevel>("bevel", "bevel");
    bevel.pictureIndex = -1;
    bevel.lightColor = a.highlight;
    bevel.darkColor = a.barRule;
}

void Gauges(Elements& e, Sheet& s) {
    const SkinArt& a = s.art;
    const auto gauge = [&](const std::string& name, int w, int h, bool vertical) {
        auto& d = e.Control<TDataSkinGaugeControl>(name, "gauge");
        d.skinRect = s.Place(w, h);
        DrawField(a, s.canvas, d.skinRect, kNormal);
        d.progressRect = vertical ? s.Place(w - 4, 24) : s.Place(24, h - 4);
        const Rect p = d.progressRect;
        if (vertical) {
            s.canvas.HGradient(p, a.progressTop, a.progressBottom);
            for (int y = p.top + 3; y < p.bottom; y += 6)
                s.canvas.HLine(p.left, p.right, y, a.progressStripe);
        } else {
            s.canvas.VGradient(p, a.progressTop, a.progressBottom);
            s.canvas.HLine(p.left, p.right, p.top, a.progressShine);
            for (int x = p.left + 3; x < p.right; x += 6)
                s.canvas.VLine(x, p.top + 1, p.bottom, a.progressStripe);
        }
        d.progressArea = {2, 2, w - 2, h - 2};
        d.beginOffset = 0;
        d.endOffset = 0;
        d.vertical = vertical;
        if (vertical)
            Vertical(d, 3, 3, {2, 2, w - 2, h - 2});
        else
            Horizontal(d, 3, 3, {2, 2, w - 2, h - 2});
        d.font = Font(a.text);
    };
    gauge("gauge", 60, 16, false);
    gauge("vgauge", 16, 60, true);
    gauge("statusgauge", 60, 14, false);
}

void TrackBars(Elements& e, Sheet& s) {
    const SkinArt& a = s.art;
    const auto trackBar = [&](const std::string& name, bool vertical) {
        auto& d = e.Control<TDataSkinTrackBarControl>(name, "trackbar");
        const int length = 60, thickness = 22;
        d.skinRect = vertical ? s.Place(thickness, length) : s.Place(length, thickness);
        const Rect r = d.skinRect;
        const int mid = thickness / 2;
        const Rect groove = vertical ? Rect{r.left + mid - 3, r.top + 4, r.left + mid + 3, r.bottom - 4}
                                     : Rect{r.left + 4, r.top + mid - 3, r.right - 4, r.top + mid + 3};
        s.canvas.Box(groove, a.grooveStyle);
        d.buttonRect = vertical ? s.Place(20, 11) : s.Place(11, 20);
        d.activeButtonRect = vertical ? s.Place(20, 11) : s.Place(11, 20);
        static constexpr std::string_view across[] = {"XXXXXX"};
        static constexpr std::string_view along[] = {"X", "X", "X", "X", "X", "X"};
        const GlyphRows mark = vertical ? GlyphRows(across) : GlyphRows(along);
        DrawFace(a, s.canvas, d.buttonRect, kNormal, mark);
        DrawFace(a, s.canvas, d.activeButtonRect, kHot, mark);
        d.vertical = vertical;
        if (vertical) {
            Vertical(d, 8, 8, {0, 4, thickness, length - 4});
            d.trackArea = {0, 4, thickness, length - 4};
        } else {
            Horizontal(d, 8, 8, {4, 0, length - 4, thickness});
            d.trackArea = {4, 0, length - 4, thickness};
        }
    };
    trackBar("trackbar", true);
    trackBar("htrackbar", false);

    auto& slider = e.Control<TDataSkinSlider>("slider", "slider");
    slider.bgColor = a.client;
    slider.hRulerRect = s.Place(60, 6);
    s.canvas.Box(slider.hRulerRect, {a.grooveStyle.border, a.grooveStyle.top, a.grooveStyle.bottom, a.grooveStyle.innerTop, false});
    slider.vRulerRect = s.Place(6, 60);
    s.canvas.Box(slider.vRulerRect, {a.grooveStyle.border, a.grooveStyle.top, a.grooveStyle.bottom, a.grooveStyle.innerTop, false});
    slider.hThumbRect = s.Place(9, 15);
    DrawFace(a, s.canvas, slider.hThumbRect, kNormal);
    slider.vThumbRect = s.Place(15, 9);
    DrawFace(a, s.canvas, slider.vThumbRect, kNormal);
    slider.edgeSize = 3;
    slider.pointsColor = a.marker;
}

// Scroll bars: the bar picture holds both buttons in their plain look; the hot and pressed looks and the
// thumb are separate pieces.
void ScrollBars(Elements& e, Sheet& s) {
    const SkinArt& a = s.art;
    constexpr int kSize = 19, kThumb = 24;
    const auto bar = [&](const std::string& name, bool vertical, int corner) {
        auto& d = e.Control<TDataSkinScrollBarControl>(name, "scrollbar");
        const int length = 60 + corner;
        d.skinRect = vertical ? s.Place(kSize, length) : s.Place(length, kSize);
        const Rect r = d.skinRect;
        s.canvas.Fill(r, a.scrollTrack);
        if (vertical) {
            s.canvas.VLine(r.left, r.top, r.bottom, a.scrollTrackEdge);
            s.canvas.VLine(r.right - 1, r.top, r.bottom, a.scrollTrackEdge);
        } else {
            s.canvas.HLine(r.left, r.right, r.top, a.scrollTrackEdge);
            s.canvas.HLine(r.left, r.right, r.bottom - 1, a.scrollTrackEdge);
        }
        const GlyphRows back = vertical ? GlyphRows(kArrowUp) : GlyphRows(kArrowLeft);
        const GlyphRows forward = vertical ? GlyphRows(kArrowDown) : GlyphRows(kArrowRight);
        // Decrement (top or left) and increment (bottom or right) buttons, in control coordinates.
        d.downButtonRect = {0, 0, kSize, kSize};
        d.upButtonRect = vertical ? Rect{0, length - corner - kSize, kSize, length - corner}
                                  : Rect{length - corner - kSize, 0, length - corner, kSize};
        DrawFace(a, s.canvas, d.downButtonRect.Offset(r.left, r.top), kNormal, back);
        DrawFace(a, s.canvas, d.upButtonRect.Offset(r.left, r.top), kNormal, forward);
        if (corner > 0) {
            const Rect cornerRect{r.right - corner, r.top, r.right, r.bottom};
            s.canvas.Fill(cornerRect, a.client);
            s.canvas.GlyphCentred(cornerRect, kSizeGrip, a.sizeGrip);
        }
        d.activeDownButtonRect = s.Place(kSize, kSize);
        DrawFace(a, s.canvas, d.activeDownButtonRect, kHot, back);
        d.downDownButtonRect = s.Place(kSize, kSize);
        DrawFace(a, s.canvas, d.downDownButtonRect, kDown, back);
        d.activeUpButtonRect = s.Place(kSize, kSize);
        DrawFace(a, s.canvas, d.activeUpButtonRect, kHot, forward);
        d.downUpButtonRect = s.Place(kSize, kSize);
        DrawFace(a, s.canvas, d.downUpButtonRect, kDown, forward);
        Rect* thumbs[3] = {&d.thumbRect, &d.activeThumbRect, &d.downThumbRect};
        Rect* grips[3] = {&d.glyphRect, &d.activeGlyphRect, &d.downGlyphRect};
        for (int i = 0; i < 3; ++i) {
            *thumbs[i] = vertical ? s.Place(kSize, kThumb) : s.Place(kThumb, kSize);
            DrawFace(a, s.canvas, *thumbs[i], static_cast<State>(i));
            *grips[i] = vertical ? s.Place(7, 5) : s.Place(5, 7);
            s.canvas.Fill(*grips[i], FaceStyle(a, static_cast<State>(i)).top);
            s.canvas.Glyph(grips[i]->left, grips[i]->top, vertical ? GlyphRows(kGripV) : GlyphRows(kGripH),
                           i == 2 ? a.thumbGripDown : a.thumbGrip);
        }
        d.thumbOffset1 = 4;
        d.thumbOffset2 = 4;
        if (vertical) {
            Vertical(d, kSize, kSize + corner, {0, kSize, kSize, length - kSize - corner});
            d.trackArea = {0, kSize, kSize, length - kSize - corner};
        } else {
            Horizontal(d, kSize, kSize + corner, {kSize, 0, length - kSize - corner, kSize});
            d.trackArea = {kSize, 0, length - kSize - corner, kSize};
        }
    };
    bar("vscrollbar", true, 0);
    bar("hscrollbar", false, 0);
    bar("bothhscrollbar", false, kSize);

    const auto upDown = [&](const std::string& name, bool vertical) {
        auto& d = e.Control<TDataSkinUpDownControl>(name, "updown");
        const int w = vertical ? 16 : 26, h = vertical ? 26 : 16;
        d.skinRect = s.Place(w, h);
        d.upButtonRect = vertical ? Rect{0, 0, 16, 13} : Rect{13, 0, 26, 16};
        d.downButtonRect = vertical ? Rect{0, 13, 16, 26} : Rect{0, 0, 13, 16};
        const GlyphRows up = vertical ? GlyphRows(kSmallArrowUp) : GlyphRows(kSmallArrowRight);
        const GlyphRows down = vertical ? GlyphRows(kSmallArrowDown) : GlyphRows(kSmallArrowLeft);
        DrawFace(a, s.canvas, d.upButtonRect.Offset(d.skinRect.left, d.skinRect.top), kNormal, up);
        DrawFace(a, s.canvas, d.downButtonRect.Offset(d.skinRect.left, d.skinRect.top), kNormal, down);
        const int bw = d.upButtonRect.Width(), bh = d.upButtonRect.Height();
        d.activeUpButtonRect = s.Place(bw, bh);
        DrawFace(a, s.canvas, d.activeUpButtonRect, kHot, up);
        d.downUpButtonRect = s.Place(bw, bh);
        DrawFace(a, s.canvas, d.downUpButtonRect, kDown, up);
        d.activeDownButtonRect = s.Place(bw, bh);
        DrawFace(a, s.canvas, d.activeDownButtonRect, kHot, down);
        d.downDownButtonRect = s.Place(bw, bh);
        DrawFace(a, s.canvas, d.downDownButtonRect, kDown, down);
    };
    upDown("vupdown", true);
    upDown("hupdown", false);
}

// Edits: a white field; with a button, its plain look is part of the field and the other looks apart.
void Edits(Elements& e, Sheet& s) {
    const SkinArt& a = s.art;
    const auto edit = [&](const std::string& name, int h, bool withButton) {
        auto& d = e.Control<TDataSkinEditControl>(name, "edit");
        const int w = withButton ? 60 : 40;
        d.skinRect = s.Place(w, h);
        d.activeSkinRect = s.Place(w, h);
        DrawField(a, s.canvas, d.skinRect, kNormal);
        DrawField(a, s.canvas, d.activeSkinRect, kHot);
        d.font = Font(a.text);
        d.activeFontColor = a.text;
        d.disabledFontColor = a.textDisabled;
        if (!withButton) {
            NinePiece(d, 3, 3, 3, 3);
            return;
        }
        const int bw = 17;
        d.buttonRect = {w - bw - 2, 2, w - 2, h - 2};
        DrawFace(a, s.canvas, d.buttonRect.Offset(d.skinRect.left, d.skinRect.top), kNormal, kEllipsis);
        DrawFace(a, s.canvas, d.buttonRect.Offset(d.activeSkinRect.left, d.activeSkinRect.top), kNormal,
                 kEllipsis);
        Rect* looks[3] = {&d.activeButtonRect, &d.downButtonRect, &d.unEnabledButtonRect};
        const State states[3] = {kHot, kDown, kDisabled};
        for (int i = 0; i < 3; ++i) {
            *looks[i] = s.Place(bw, h - 4);
            DrawFace(a, s.canvas, *looks[i], states[i], kEllipsis);
        }
        Horizontal(d, 4, bw + 4, {3, 3, w - bw - 3, h - 3});
    };
    edit("edit", 20, false);
    edit("buttonedit", 20, true);
    edit("statusedit", 18, false);
    edit("statusbuttonedit", 18, true);
    edit("tooledit", 22, false);
    edit("toolbuttonedit", 22, true);

    auto& memo = e.Control<TDataSkinMemoControl>("memo", "memo");
    memo.skinRect = s.Place(40, 30);
    memo.activeSkinRect = s.Place(40, 30);
    DrawField(a, s.canvas, memo.skinRect, kNormal);
    DrawField(a, s.canvas, memo.activeSkinRect, kHot);
    NinePiece(memo, 3, 3, 3, 3);
    memo.font = Font(a.text);
    memo.activeFontColor = a.text;
    memo.disabledFontColor = a.textDisabled;
    memo.bgColor = a.field;
    memo.activeBgColor = a.fieldHotBackground;

    const auto spinEdit = [&](const std::string& name, int h) {
        auto& d = e.Control<TDataSkinSpinEditControl>(name, "spinedit");
        const int w = 50, bw = 15, half = (h - 4) / 2;
        d.skinRect = s.Place(w, h);
        d.activeSkinRect = s.Place(w, h);
        d.upButtonRect = {w - bw - 2, 2, w - 2, 2 + half};
        d.downButtonRect = {w - bw - 2, 2 + half, w - 2, 2 + 2 * half};
        for (const Rect look : {d.skinRect, d.activeSkinRect}) {
            DrawField(a, s.canvas, look, look == d.skinRect ? kNormal : kHot);
            DrawFace(a, s.canvas, d.upButtonRect.Offset(look.left, look.top), kNormal, kSmallArrowUp);
            DrawFace(a, s.canvas, d.downButtonRect.Offset(look.left, look.top), kNormal, kSmallArrowDown);
        }
        d.activeUpButtonRect = s.Place(bw, half);
        DrawFace(a, s.canvas, d.activeUpButtonRect, kHot, kSmallArrowUp);
        d.downUpButtonRect = s.Place(bw, half);
        DrawFace(a, s.canvas, d.downUpButtonRect, kDown, kSmallArrowUp);
        d.activeDownButtonRect = s.Place(bw, half);
        DrawFace(a, s.canvas, d.activeDownButtonRect, kHot, kSmallArrowDown);
        d.downDownButtonRect = s.Place(bw, half);
        DrawFace(a, s.canvas, d.downDownButtonRect, kDown, kSmallArrowDown);
        Horizontal(d, 4, bw + 4, {3, 3, w - bw - 3, h - 3});
        d.font = Font(a.text);
        d.activeFontColor = a.text;
        d.disabledFontColor = a.textDisabled;
    };
    spinEdit("spinedit", 20);
    spinEdit("statusspinedit", 18);
    spinEdit("toolspinedit", 22);
}

struct ItemLooks {
    Rect item, selected, focused;
};

ItemLooks DrawItems(Sheet& s, int w, int h) {
    const SkinArt& a = s.art;
    ItemLooks looks{s.Place(w, h), s.Place(w, h), s.Place(w, h)};
    s.canvas.Fill(looks.item, a.field);
    s.canvas.Fill(looks.selected, a.field);
    s.canvas.Fill(looks.focused, a.field);
    s.canvas.Box(looks.selected, a.selection);
    s.canvas.Box(looks.focused, a.selectionFocus);
    return looks;
}

void Lists(Elements& e, Sheet& s, const CheckImages& checks) {
    const SkinArt& a = s.art;
    const ItemLooks items = DrawItems(s, 50, 20);
    // One field look with and one without a caption strip serve the list boxes and check list boxes alike.
    const Rect field = s.Place(40, 40);
    DrawField(a, s.canvas, field, kNormal);
    const Rect captionField = s.Place(40, 60);
    DrawField(a, s.canvas, captionField, kNormal);
    s.canvas.Box({captionField.left, captionField.top, captionField.right, captionField.top + 21}, a.strip);
    const auto list = [&](auto& d, bool caption) {
        d.skinRect = caption ? captionField : field;
        if (caption) {
            d.captionRect = {4, 1, 36, 20};
            d.captionFont = Font(a.heading, 12, true);
            NinePiece(d, 2, 21, 2, 2);
        } else {
            NinePiece(d, 2, 2, 2, 2);
        }
        d.itemRect = items.item;
        d.activeItemRect = items.selected;
        d.focusItemRect = items.focused;
        d.itemLeftOffset = 3;
        d.itemRightOffset = 3;
        d.itemTextRect = {4, 0, 46, 20};
        d.font = Font(a.text);
        d.activeFontColor = a.textStrong;
        d.focusFontColor = a.textStrongest;
    };
    list(e.Control<TDataSkinListBox>("listbox", "listbox"), false);
    list(e.Control<TDataSkinListBox>("captionlistbox", "listbox"), true);
    for (const bool caption : {false, true}) {
        auto& d = e.Control<TDataSkinCheckListBox>(caption ? "captionchecklistbox" : "checklistbox",
                                                   "checklistbox");
        list(d, caption);
        d.itemCheckRect = {2, 2, 18, 18};
        d.itemTextRect = {20, 0, 46, 20};
        d.checkImageRect = checks.check;
        d.unCheckImageRect = checks.uncheck;
    }

    const ItemLooks comboItems = DrawItems(s, 50, 16);
    const auto combo = [&](const std::string& name, int h, const std::string& listName) {
        auto& d = e.Control<TDataSkinComboBox>(name, "combobox");
        const int w = 60, bw = 17;
        d.skinRect = s.Place(w, h);
        DrawField(a, s.canvas, d.skinRect, kNormal);
        d.buttonRect = {w - bw - 2, 2, w - 2, h - 2};
        DrawFace(a, s.canvas, d.buttonRect.Offset(d.skinRect.left, d.skinRect.top), kNormal, kSmallArrowDown);
        Rect* looks[3] = {&d.activeButtonRect, &d.downButtonRect, &d.unEnabledButtonRect};
        const State states[3] = {kHot, kDown, kDisabled};
        for (int i = 0; i < 3; ++i) {
            *looks[i] = s.Place(bw, h - 4);
            DrawFace(a, s.canvas, *looks[i], states[i], kSmallArrowDown);
        }
        Horizontal(d, 4, bw + 4, {3, 2, w - bw - 3, h - 2});
        d.itemRect = comboItems.item;
        d.focusItemRect = comboItems.focused;
        d.itemLeftOffset = 3;
        d.itemRightOffset = 3;
        d.itemTextRect = {3, 0, 47, 16};
        d.font = Font(a.text);
        d.focusFontColor = a.textStrongest;
        d.listBoxName = listName;
    };
    combo("combobox", 20, "listbox");
    combo("captioncombobox", 20, "captionlistbox");
    combo("statuscombobox", 18, "listbox");
    combo("toolcombobox", 22, "listbox");

    auto& grid = e.Control<TDataSkinGridControl>("grid", "grid");
    grid.skinRect = s.Place(40, 30);
    DrawField(a, s.canvas, grid.skinRect, kNormal);
    grid.fixedCellRect = s.Place(40, 20);
    s.canvas.VGradient(grid.fixedCellRect, a.panelBarTop, a.barBottom);
    s.canvas.HLine(grid.fixedCellRect.left, grid.fixedCellRect.right, grid.fixedCellRect.bottom - 1,
                   a.barRule);
    s.canvas.VLine(grid.fixedCellRect.right - 1, grid.fixedCellRect.top, grid.fixedCellRect.bottom,
                   a.barRule);
    grid.selectCellRect = s.Place(40, 20);
    s.canvas.Box(grid.selectCellRect,
                 {a.selection.top, a.selection.top, a.selection.bottom, a.selection.top, false});
    grid.focusCellRect = s.Place(40, 20);
    s.canvas.Box(grid.focusCellRect, {a.selectionFocus.border, a.selectionFocus.top,
                                      a.selectionFocus.bottom, a.selectionFocus.innerTop, false});
    grid.fixedCellLeftOffset = 2;
    grid.fixedCellRightOffset = 2;
    grid.fixedCellTextRect = {3, 0, 37, 20};
    grid.cellLeftOffset = 2;
    grid.cellRightOffset = 2;
    grid.cellTextRect = {3, 0, 37, 20};
    grid.linesColor = a.gridLines;
    grid.bgColor = a.field;
    grid.font = Font(a.text);
    grid.selectFontColor = a.textStrong;
    grid.focusFontColor = a.textStrongest;
    grid.fixedFont = Font(a.heading, 12, true);

    // These draw with a font and a background colour only.
    TDataSkinFontBgControl* plain[3] = {&e.Control<TDataSkinListView>("listview", "listview"),
                                        &e.Control<TDataSkinTreeView>("treeview", "treeview"),
                                        &e.Control<TDataSkinRichEdit>("richedit", "richedit")};
    for (TDataSkinFontBgControl* d : plain) {
        d->pictureIndex = -1;
        d->font = Font(a.text);
        d->bgColor = a.field;
    }
}

void Containers(Elements& e, Sheet& s) {
    const SkinArt& a = s.art;
    auto& tab = e.Control<TDataSkinTabControl>("tab", "tab");
    tab.skinRect = s.Place(50, 40);
    s.canvas.Box(tab.skinRect, {a.edge, a.panelBody, a.panelBody, a.highlight, false});
    tab.clientRect = {2, 2, 48, 38};
    tab.leftTopPoint = {3, 3};
    tab.rightTopPoint = {47, 3};
    tab.leftBottomPoint = {3, 37};
    tab.rightBottomPoint = {47, 37};
    tab.tabRect = s.Place(40, 22);
    s.canvas.VGradient(tab.tabRect, a.client, a.client);
    s.canvas.Box(tab.tabRect, a.tab);
    tab.mouseInTabRect = s.Place(40, 22);
    s.canvas.Box(tab.mouseInTabRect, a.tabHot);
    // The active tab joins the page: the same body, an orange line on top.
    tab.activeTabRect = s.Place(40, 24);
    s.canvas.Box(tab.activeTabRect, {a.edge, a.panelBody, a.panelBody, a.accent});
    s.canvas.HLine(tab.activeTabRect.left + 1, tab.activeTabRect.right - 1, tab.activeTabRect.top + 2,
                   a.tabActiveShine);
    s.canvas.HLine(tab.activeTabRect.left + 1, tab.activeTabRect.right - 1, tab.activeTabRect.bottom - 1,
                   a.panelBody);
    tab.focusTabRect = s.Place(40, 24);
    s.canvas.Box(tab.focusTabRect, {a.selectionFocus.border, a.panelBody, a.panelBody, a.accent});
    s.canvas.HLine(tab.focusTabRect.left + 1, tab.focusTabRect.right - 1, tab.focusTabRect.top + 2,
                   a.accent);
    s.canvas.HLine(tab.focusTabRect.left + 1, tab.focusTabRect.right - 1, tab.focusTabRect.bottom - 1,
                   a.panelBody);
    tab.tabLeftOffset = 4;
    tab.tabRightOffset = 4;
    tab.tabsBgRect = s.Place(10, 24);
    s.canvas.HLine(tab.tabsBgRect.left, tab.tabsBgRect.right, tab.tabsBgRect.bottom - 1, a.edge);
    tab.font = Font(a.text);
    tab.activeFontColor = a.heading;
    tab.focusFontColor = a.textHot;
    tab.mouseInFontColor = a.tabHotText;
    tab.upDown = "hupdown";

    auto& bar = e.Control<TDataSkinMainMenuBar>("mainmenubar", "mainmenubar");
    bar.skinRect = s.Place(60, 22);
    s.canvas.VGradient(bar.skinRect, a.barTop, a.barBottom);
    s.canvas.HLine(bar.skinRect.left, bar.skinRect.right, bar.skinRect.bottom - 1, a.barRule);
    bar.itemsRect = {2, 1, 58, 21};
    bar.menuBarItem = "mainmenubaritem";
    bar.closeButton = "menubarclosebutton";
    bar.minButton = "menubarminbutton";
    bar.maxButton = "menubarmaxbutton";
    bar.sysMenuButton = "menubarsysmenubutton";
    bar.trackMarkColor = a.marker;
    bar.trackMarkActiveColor = a.accent;

    auto& controlBar = e.Control<TDataSkinControlBar>("controlbar", "controlbar");
    controlBar.skinRect = s.Place(40, 30);
    s.canvas.VGradient(controlBar.skinRect, a.panelBarTop, a.controlBarBottom);
    NinePiece(controlBar, 2, 2, 2, 2);
    controlBar.itemRect = s.Place(30, 26);
    s.canvas.Box(controlBar.itemRect, a.controlBarItem);
    static constexpr std::string_view dots[] = {"X", " ", "X", " ", "X", " ", "X",
                                                " ", "X", " ", "X", " ", "X"};
    s.canvas.Glyph(controlBar.itemRect.left + 3, controlBar.itemRect.top + 6, dots, a.controlBarDots);

    const auto splitter = [&](const std::string& name, bool vertical) {
        auto& d = e.Control<TDataSkinSplitterControl>(name, "splitter");
        d.skinRect = vertical ? s.Place(6, 40) : s.Place(40, 6);
        if (vertical) {
            s.canvas.HGradient(d.skinRect, a.splitterLight, a.splitterDark);
            Vertical(d, 2, 2, SizeOf(d.skinRect));
        } else {
            s.canvas.VGradient(d.skinRect, a.splitterLight, a.splitterDark);
            Horizontal(d, 2, 2, SizeOf(d.skinRect));
        }
    };
    splitter("vsplitter", true);
    splitter("hsplitter", false);

    auto& scrollBox = e.Control<TDataSkinScrollBoxControl>("scrollbox", "scrollbox");
    scrollBox.skinRect = s.Place(40, 40);
    s.canvas.Box(scrollBox.skinRect, {a.edge, a.panelBody, a.panelBody, a.panelBody, false});
    NinePiece(scrollBox, 1, 1, 1, 1);

    // The rolling panel: a card with a caption strip, and narrow strips for its rolled-up looks.
    auto& ex = e.Control<TDataSkinExPanelControl>("expanel", "expanel");
    ex.skinRect = s.Place(80, 60);
    s.canvas.Box(ex.skinRect, {a.edge, a.panelBody, a.panelBody, a.highlight});
    s.canvas.Box({ex.skinRect.left, ex.skinRect.top, ex.skinRect.right, ex.skinRect.top + 21}, a.strip);
    ex.leftTopPoint = {4, 21};
    ex.rightTopPoint = {76, 21};
    ex.leftBottomPoint = {4, 56};
    ex.rightBottomPoint = {76, 56};
    ex.clientRect = {2, 21, 78, 58};
    ex.captionRect = {6, 1, 44, 20};
    ex.rollHSkinRect = s.Place(80, 21);
    s.canvas.Box(ex.rollHSkinRect, a.strip);
    ex.rollVSkinRect = s.Place(21, 60);
    s.canvas.Box(ex.rollVSkinRect, a.strip);
    ex.rollLeftOffset = 4;
    ex.rollRightOffset = 4;
    ex.rollTopOffset = 4;
    ex.rollBottomOffset = 4;
    ex.rollHCaptionRect = {6, 1, 44, 20};
    ex.rollVCaptionRect = {1, 24, 20, 56};
    struct Small {
        Rect *normal, *active, *down;
        GlyphRows glyph;
    };
    const Small smalls[5] = {
        {&ex.closeButtonRect, &ex.closeButtonActiveRect, &ex.closeButtonDownRect, kSmallClose},
        {&ex.hRollButtonRect, &ex.hRollButtonActiveRect, &ex.hRollButtonDownRect, kSmallArrowUp},
        {&ex.hRestoreButtonRect, &ex.hRestoreButtonActiveRect, &ex.hRestoreButtonDownRect, kSmallArrowDown},
        {&ex.vRollButtonRect, &ex.vRollButtonActiveRect, &ex.vRollButtonDownRect, kSmallArrowLeft},
        {&ex.vRestoreButtonRect, &ex.vRestoreButtonActiveRect, &ex.vRestoreButtonDownRect, kSmallArrowRight},
    };
    for (const Small& small : smalls) {
        Rect* looks[3] = {small.normal, small.active, small.down};
        for (int i = 0; i < 3; ++i) {
            *looks[i] = s.Place(15, 15);
            s.canvas.Fill(*looks[i], a.smallButtonBack);
            DrawFace(a, s.canvas, *looks[i], static_cast<State>(i), small.glyph);
        }
    }
    ex.font = Font(a.heading, 12, true);
}

void DrawControlLooks(Elements& e, Sheet& s) {
    Buttons(e, s);
    const CheckImages checks = DrawCheckImages(s, false);
    const CheckImages radios = DrawCheckImages(s, true);
    CheckRadio(e, s, "checkbox", checks);
    CheckRadio(e, s, "radiobox", radios);
    Panels(e, s, checks);
    Labels(e, s);
    Gauges(e, s);
    TrackBars(e, s);
    ScrollBars(e, s);
    Edits(e, s);
    Lists(e, s, checks);
    Containers(e, s);
}

Bitmap DrawControls(const SkinArt& a, Elements& e) {
    Elements scratch;
    Sheet planning(a, kControlsWidth, kControlsHeight);
    DrawControlLooks(scratch, planning);
    const std::vector<Rect> plan = planning.Pack();
    Sheet sheet(a, kControlsWidth, kControlsHeight, &plan);
    DrawControlLooks(e, sheet);
    return ToPaletted(sheet.canvas.Pixels());
}

// ---- The frame's objects ----

void FrameObjects(const SkinArt& a, Elements& e, const CaptionButtonLooks& close, const CaptionButtonLooks& maximize,
                  const CaptionButtonLooks& minimize, Rect rollUp) {
    auto& caption = e.Object<TDataSkinCaption>("caption1", "caption");
    caption.skinRect = {5, 3, 172, 21};
    caption.textRect = {4, 0, 163, 18};
    caption.font = Font(a.captionTextInactive, 12, true);
    caption.activeFontColor = a.captionText;
    caption.alignment = a.captionAlignment;
    caption.shadow = true;
    caption.shadowColor = a.captionShadowInactive;
    caption.activeShadowColor = a.captionShadow;

    struct FrameButton {
        const char* name;
        SkinCommand command;
        const char* hint;
        CaptionButtonLooks looks;
    };
    const FrameButton buttons[5] = {
        {"closebutton", SkinCommand::Close, "Close", close},
        {"maxbutton", SkinCommand::Maximize, "Maximize", maximize},
        {"minbutton", SkinCommand::Minimize, "Minimize", minimize},
        {"rollupbutton", SkinCommand::RollUp, "RollUp", {rollUp, rollUp, rollUp}},
        // With the form's icon shown, the system-menu object draws the icon, so it needs no look of its own.
        {"sysmenubutton", SkinCommand::SysMenu, "System menu", {}},
    };
    for (const FrameButton& button : buttons) {
        auto& object = e.Object<TDataSkinStdButton>(button.name, "stdbutton");
        object.hint = button.hint;
        object.activePictureIndex = kCaptionPicture;
        object.skinRectInAPicture = true;
        object.skinRect = button.looks.normal;
        object.activeSkinRect = button.looks.hot;
        object.downRect = button.looks.down;
        object.morphing = !button.looks.hot.IsEmpty() && button.looks.hot != button.looks.normal;
        object.morphKind = MorphKind::Default;
        object.command = button.command;
    }
}

void WriteList(SkinIni& ini, const std::string& section, const std::vector<std::string>& entries) {
    ini.WriteString(section, "count", std::to_string(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i)
        ini.WriteString(section, std::to_string(i), entries[i]);
}

}  // namespace

GeneratedSkin BuildSkin(const SkinArt& a) {
    Elements e;
    TDataSkinPopupWindow popup;
    TDataSkinHintWindow hint;
    CaptionButtonLooks close, maximize, minimize;
    Rect rollUp;

    GeneratedSkin skin;
    skin.pictures.emplace_back("main.bmp", DrawMain(a));
    skin.pictures.emplace_back("pw.bmp", DrawPopupWindow(a, popup));
    // Objects in the skin's order: the menu item first, the caption and its buttons, then the menu bar's.
    MenuBarLooks menuBar;
    skin.pictures.emplace_back("menuitems.bmp", DrawMenuItems(a, e, menuBar));
    skin.pictures.emplace_back("active.bmp", DrawCaptionButtons(a, close, maximize, minimize, rollUp));
    FrameObjects(a, e, close, maximize, minimize, rollUp);
    MenuBarObjects(a, e, menuBar);
    skin.pictures.emplace_back("controls.bmp", DrawControls(a, e));
    skin.pictures.emplace_back("hw.bmp", DrawHint(a, hint));

    SkinIni ini;
    ini.WriteString("VERSION", "ver", "1.00");
    ini.WriteString("VERSION", "skinname", a.name);
    ini.WriteString("VERSION", "skinauthor", "Huecast");
    ini.WriteString("VERSION", "authoremail", "");
    ini.WriteString("VERSION", "authorurl", "");
    ini.WriteString("VERSION", "skincomments", a.comments);
    ini.WriteString("PICTURES", "picture", "main.bmp");
    ini.WriteString("PICTURES", "inactivepicture", "");
    ini.WriteString("PICTURES", "mask", "");
    ini.WriteString("PICTURES", "activepicturescount", std::to_string(skin.pictures.size() - 1));
    for (std::size_t i = 1; i < skin.pictures.size(); ++i)
        ini.WriteString("PICTURES", std::to_string(i - 1), skin.pictures[i].first);

    TDataSkinFormInfo form;
    form.leftTopPoint = {10, 28};
    form.rightTopPoint = {165, 28};
    form.leftBottomPoint = {14, 111};
    form.rightBottomPoint = {166, 115};
    // The resize zones start where the frame's corners do. The frame fills zero hit-test points from the
    // frame points only for a skin with a mask, and this one has none.
    form.hitTestLeftTopPoint = form.leftTopPoint;
    form.hitTestRightTopPoint = form.rightTopPoint;
    form.hitTestLeftBottomPoint = form.leftBottomPoint;
    form.hitTestRightBottomPoint = form.rightBottomPoint;
    form.clientRect = kMainClient;
    form.captionRect = {5, 3, 172, 21};
    form.buttonsOffset = 1;
    form.borderWidth = 3;
    form.inactiveEffect = InactiveEffect::Brightness;
    form.WriteTo(ini);
    popup.WriteTo(ini);
    hint.WriteTo(ini);

    std::vector<std::string> objects, controls;
    for (const auto& object : e.objects)
        objects.push_back(object->Name() + ":" + object->Type());
    for (const auto& control : e.controls)
        controls.push_back(control->Name() + ":" + control->Type());
    WriteList(ini, "SKINOBJECTS", objects);
    WriteList(ini, "SKINCONTROLS", controls);
    for (const auto& object : e.objects)
        object->WriteTo(ini);
    for (const auto& control : e.controls)
        control->WriteTo(ini);
    skin.iniLines = ini.Lines();
    return skin;
}

std::vector<const SkinArt*> BuiltInSkinArts() {
    return {&OrangeArt(), &BasaltArt()};
}

std::string SkinFolderName(const SkinArt& art) {
    return AsciiLowered(art.name);
}

}  // namespace huecast::skingen
