// The skinned combo box under Wine, by pixels and real input: its look cut from the skin, the drop-down
// list's size and place, the form keeping the activation and the focus while the list is open, hovering,
// accepting, cancelling, keys, the wheel and the combo box messages a program sends.
#include "skin/lists/win32/combo_box.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "skin/lists/list_box_layout.h"
#include "skin/picture/picture_cut.h"
#include "tests/support/win32/message_pump.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/screen_pixels.h"
#include "tests/support/win32/screen_reader_view.h"
#include "tests/support/win32/skinned_host.h"

namespace huecast::skin {
namespace {

using namespace huecast::testing;
namespace input = huecast::testing;

constexpr int kComboId = 122;
constexpr int kItems = 26;
constexpr int kRowHeight = 20;

// Real input, then the messages it brings: the combo box lives on this thread.
void PressLeft() {
    input::PressLeft();
    PumpFor(60);
}
void ReleaseLeft() {
    input::ReleaseLeft();
    PumpFor(60);
}
// Positive notches turn towards the user, all in one report.
void Wheel(int notches) {
    input::FastWheel(-notches);
    PumpFor(60);
}
void Keys(std::initializer_list<WORD> keys) {
    input::PressKeys(keys);
    PumpFor(60);
}

// A host that hears what the combo tells its parent.
class RecordingHost : public SkinnedHost {
  public:
    using SkinnedHost::SkinnedHost;
    std::vector<WORD> notices;
    int Count(WORD code) const { return static_cast<int>(std::count(notices.begin(), notices.end(), code)); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == kComboId) notices.push_back(HIWORD(wParam));
        return SkinnedHost::HandleMessage(message, wParam, lParam);
    }
};

Rect WorkArea() {
    RECT r{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
}

class ComboBox : public ::testing::Test {
  protected:
    // The font list of the main window: 129 wide, 26 entries, 8 shown when dropped down.
    void Make(int hostY = 30, bool skinned = true) {
        host = std::make_unique<RecordingHost>(TestHostArgs{.x = 30, .y = hostY, .width = 420, .height = 300},
                                               skinned);
        combo = std::make_unique<TSkinComboBox>(
            TSkinComboBox::Args{.parent = host->Handle(),
                                .id = kComboId,
                                .x = 20,
                                .y = 20,
                                .width = 129,
                                .height = 24,
                                .text = "start",
                                .skinData = skinned ? &host->Skin() : nullptr});
        for (int i = 0; i < kItems; ++i)
            combo->Add("item " + std::to_string(i));
        combo->OnClick = [this] { clicks.push_back(combo->ItemIndex()); };
        combo->OnCloseUp = [this] { ++closeUps; };
        ASSERT_TRUE(input::BringToFront(host->Handle()));
        combo->SetFocus();
        PumpFor(50);
    }
    void TearDown() override {
        input::MoveTo({WorkArea().right - 2, WorkArea().bottom - 2});
        combo.reset();
        host.reset();
    }

    HWND Popup() { return combo->Popup().Handle(); }
    HWND List() { return combo->Popup().List().ListHandle(); }
    // The screen point in the middle of row `row` of the open list (rows counted from its top).
    POINT RowPoint(int row) {
        RECT r{};
        GetClientRect(List(), &r);
        POINT p{r.right / 2, row * kRowHeight + kRowHeight / 2};
        ClientToScreen(List(), &p);
        return p;
    }
    POINT ButtonPoint() {
        RECT r{};
        GetWindowRect(combo->Handle(), &r);
        return {r.right - 8, (r.top + r.bottom) / 2};
    }
    void ClickButton() {
        input::ClickAt(ButtonPoint());
        PumpFor(60);
    }
    void ExpectFormKeepsActivationAndFocus() {
        EXPECT_EQ(GetForegroundWindow(), host->Handle());
        EXPECT_EQ(GetActiveWindow(), host->Handle());
        EXPECT_EQ(GetFocus(), combo->Handle());
    }
    const TDataSkinComboBox& Element() { return *host->Skin().SkinControlAs<TDataSkinComboBox>("combobox"); }
    const Bitmap& PictureOf(int index) { return *host->Skin().ActivePicture24(index); }

    std::unique_ptr<RecordingHost> host;
    std::unique_ptr<TSkinComboBox> combo;
    std::vector<int> clicks;  // the index OnClick saw, once per run
    int closeUps = 0;
};

TEST_F(ComboBox, IsCutFromTheSkinWithTheCurrentItemInTheSkinsColours) {
    Make();
    MoveAway();
    ASSERT_EQ(combo->ClientSize(), (Size{129, 20}));  // the element's height
    const ComboBoxLayout layout = LayOutComboBox(&Element(), 129, 20);
    // Blurred: the frame and the button exactly as cut, the text area on the item piece.
    SetFocus(host->Handle());
    Bitmap shown = CapturePrintClient(combo->Handle());
    EXPECT_EQ(CountDifferentPixels(shown, ExpectedLook(host->Skin(), "combobox", {129, 20}), {layout.text}),
              0);
    const Bitmap& picture = PictureOf(Element().pictureIndex);
    const Rect& item = Element().itemRect;
    const auto itemEnd = [&](const Rect& source, int y) {
        return picture.PixelColor(source.right - 1, source.top + y);
    };
    EXPECT_EQ(shown.PixelColor(layout.text.right - 1, layout.text.top + 3), itemEnd(item, 3));
    Bitmap textArea(layout.text.Width(), layout.text.Height(), 24);
    CopyPiece(shown, layout.text, textArea, {0, 0});
    const int area = textArea.Width() * textArea.Height();
    EXPECT_GT(area - CountPixelsNot(textArea, Element().font.color), 0)
        << "the text in the element's font colour";
    EXPECT_EQ(area - CountPixelsNot(textArea, Element().focusFontColor), 0);

    // Focused: the focused item piece and its colour.
    combo->SetFocus();
    shown = CapturePrintClient(combo->Handle());
    EXPECT_EQ(shown.PixelColor(layout.text.right - 1, layout.text.top + 3),
              itemEnd(Element().focusItemRect, 3));
    CopyPiece(shown, layout.text, textArea, {0, 0});
    EXPECT_GT(area - CountPixelsNot(textArea, Element().focusFontColor), 0)
        << "focused: the focus font colour";

    // Hot button: the active button picture over the cut.
    input::MoveTo(ButtonPoint());
    PumpFor(60);
    shown = CaptureScreen(combo->Handle());
    const Rect& active = Element().activeButtonRect;
    int different = 0;
    for (int y = 0; y < active.Height(); ++y)
        for (int x = 0; x < active.Width(); ++x)
            different += shown.PixelColor(layout.button.left + x, layout.button.top + y) !=
                         picture.PixelColor(active.left + x, active.top + y);
    EXPECT_EQ(different, 0);
}

TEST_F(ComboBox, OpensEightRowsAtItsWidthBelowItselfAndTheFormKeepsTheActivation) {
    Make();
    ClickButton();
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(IsWindowVisible(Popup()));
    const Rect at = ScreenRect(combo->Handle());
    const Rect popup = ScreenRect(Popup());
    const auto* listElement = host->Skin().SkinControlAs<TDataSkinListBox>("listbox");
    EXPECT_EQ(popup.left, at.left);
    EXPECT_EQ(popup.Width(), at.Width());
    EXPECT_EQ(popup.top, at.bottom);
    EXPECT_EQ(popup.Height(), ListBoxHeightForRows(listElement, 8, kRowHeight));
    RECT inner{};
    GetClientRect(List(), &inner);
    EXPECT_EQ(inner.bottom, 8 * kRowHeight) << "exactly 8 whole rows";
    const TSkinScrollBar* bar = combo->Popup().List().VScrollBar();
    ASSERT_NE(bar, nullptr) << "26 items in 8 rows need the list's bar";
    EXPECT_TRUE(IsWindowVisible(bar->Handle()));
    // The bar stands at the right of the rows, as tall as they are, and shows what it paints.
    const Rect barAt = ScreenRect(bar->Handle());
    EXPECT_EQ(barAt.right, ScreenRect(List()).right + barAt.Width());
    EXPECT_EQ(barAt.Height(), 8 * kRowHeight);
    EXPECT_GT(barAt.Width(), 10);
    const Bitmap barShown = CaptureScreen(bar->Handle());
    EXPECT_EQ(CountDifferentPixels(barShown, CapturePrintClient(bar->Handle())), 0);
    EXPECT_EQ(GetCapture(), Popup());
    ExpectFormKeepsActivationAndFocus();
    EXPECT_EQ(host->Count(CBN_DROPDOWN), 1);

    // A press on the list leaves the activation and the focus where they were.
    input::MoveTo(RowPoint(1));
    PressLeft();
    ExpectFormKeepsActivationAndFocus();
    ReleaseLeft();
    EXPECT_FALSE(combo->DroppedDown());
    ExpectFormKeepsActivationAndFocus();
}

TEST_F(ComboBox, OpensAboveItselfNearTheBottomOfTheWorkArea) {
    Make(WorkArea().bottom - 120);
    Keys({VK_MENU, VK_DOWN});
    ASSERT_TRUE(combo->DroppedDown());
    const Rect at = ScreenRect(combo->Handle());
    const Rect popup = ScreenRect(Popup());
    EXPECT_EQ(popup.bottom, at.top);
    EXPECT_EQ(popup.left, at.left);
    EXPECT_EQ(popup.Width(), at.Width());
    ExpectFormKeepsActivationAndFocus();
}

TEST_F(ComboBox, HoveringHighlightsAndAReleaseOverAnItemAcceptsItOnce) {
    Make();
    ClickButton();
    ASSERT_TRUE(combo->DroppedDown());
    input::MoveTo(RowPoint(3));
    PumpFor(60);
    EXPECT_EQ(combo->Popup().Highlight(), 3);
    EXPECT_EQ(combo->ItemIndex(), -1) << "hovering chooses nothing yet";
    EXPECT_TRUE(clicks.empty());
    // The row under the pointer shows the list's selected-item look.
    const auto* listElement = host->Skin().SkinControlAs<TDataSkinListBox>("listbox");
    const Bitmap& picture = PictureOf(listElement->pictureIndex);
    const Bitmap rows = CaptureScreen(List());
    const int x = rows.Width() - 1;
    EXPECT_EQ(rows.PixelColor(x, 3 * kRowHeight + 2),
              picture.PixelColor(listElement->activeItemRect.right - 1, listElement->activeItemRect.top + 2));
    EXPECT_EQ(rows.PixelColor(x, 5 * kRowHeight + 2),
              picture.PixelColor(listElement->itemRect.right - 1, listElement->itemRect.top + 2));

    input::ClickAt(RowPoint(3));
    PumpFor(60);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(IsWindowVisible(Popup()));
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(combo->Text(), "item 3");
    EXPECT_EQ(clicks, (std::vector<int>{3}));
    EXPECT_EQ(host->Count(CBN_SELCHANGE), 1);
    EXPECT_EQ(closeUps, 1);
    EXPECT_EQ(GetCapture(), nullptr);

    // Pressing on the combo, dragging into the list and letting go there chooses in one movement.
    input::MoveTo(ButtonPoint());
    PressLeft();
    ASSERT_TRUE(combo->DroppedDown());
    input::MoveTo(RowPoint(5));
    PumpFor(60);
    ReleaseLeft();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 5);
    EXPECT_EQ(clicks, (std::vector<int>{3, 5}));
    EXPECT_EQ(host->Count(CBN_SELCHANGE), 2);
}

TEST_F(ComboBox, TheListsBarScrollsWhileTheListStaysOpen) {
    Make();
    ClickButton();
    ASSERT_TRUE(combo->DroppedDown());
    const TSkinScrollBar* bar = combo->Popup().List().VScrollBar();
    ASSERT_NE(bar, nullptr);
    const Rect barAt = ScreenRect(bar->Handle());
    // The increment button at the bottom of the bar, clicked twice.
    const POINT down{(barAt.left + barAt.right) / 2, barAt.bottom - 5};
    input::ClickAt(down);
    PumpFor(100);
    input::ClickAt(down);
    PumpFor(100);
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->Popup().List().TopIndex(), 2);
    EXPECT_EQ(GetCapture(), Popup()) << "the capture is back with the list after the bar's press";
    ExpectFormKeepsActivationAndFocus();
    // The rows moved: the first row shown is item 2, and a click on it chooses it.
    input::ClickAt(RowPoint(0));
    PumpFor(60);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(clicks, (std::vector<int>{2}));
}

TEST_F(ComboBox, EscapeRestoresTheIndexAndRunsNoClick) {
    Make();
    combo->SetItemIndex(2);
    clicks.clear();
    ClickButton();
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->Popup().Highlight(), 2);
    input::MoveTo(RowPoint(6));
    PumpFor(60);
    EXPECT_EQ(combo->Popup().Highlight(), 6);
    Keys({VK_ESCAPE});
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "item 2");
    EXPECT_EQ(combo->Popup().Highlight(), 2);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(host->Count(CBN_SELCHANGE), 0);
    EXPECT_EQ(host->Count(CBN_CLOSEUP), 1);
    ExpectFormKeepsActivationAndFocus();
}

TEST_F(ComboBox, AClickOutsideAltUpAndLosingTheActivationCloseWithoutChoosing) {
    Make();
    ClickButton();
    ASSERT_TRUE(combo->DroppedDown());
    input::MoveTo(RowPoint(4));
    PumpFor(60);
    POINT outside{0, 0};
    ClientToScreen(host->Handle(), &outside);
    outside.x += 350;
    outside.y += 250;
    input::ClickAt(outside);
    PumpFor(60);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(GetCapture(), nullptr);

    // A press on the combo itself while open closes it too.
    ClickButton();
    ASSERT_TRUE(combo->DroppedDown());
    ClickButton();
    EXPECT_FALSE(combo->DroppedDown());

    Keys({VK_MENU, VK_DOWN});
    ASSERT_TRUE(combo->DroppedDown());
    Keys({VK_MENU, VK_UP});
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(clicks.empty());

    // Another window becomes the active one.
    Keys({VK_F4});
    ASSERT_TRUE(combo->DroppedDown());
    SkinnedHost other({.x = 500, .y = 400, .width = 200, .height = 100}, false);
    ASSERT_TRUE(input::BringToFront(other.Handle()));
    PumpFor(60);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(IsWindowVisible(Popup()));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ComboBox, KeysAndTheWheelMoveTheChoiceWithinTheItems) {
    Make();
    Keys({VK_DOWN});
    EXPECT_EQ(combo->ItemIndex(), 0);
    Keys({VK_UP});  // nothing before the first item: no click
    Keys({VK_END});
    Keys({VK_DOWN});  // nothing after the last
    Keys({VK_PRIOR});
    Keys({VK_HOME});
    EXPECT_EQ(clicks, (std::vector<int>{0, 25, 18, 0}));
    EXPECT_EQ(host->Count(CBN_SELCHANGE), 4);
    EXPECT_EQ(combo->Text(), "item 0");

    input::MoveTo(ButtonPoint());
    clicks.clear();
    Wheel(2);
    EXPECT_EQ(clicks, (std::vector<int>{2}));
    Wheel(-1);
    EXPECT_EQ(clicks, (std::vector<int>{2, 1}));

    // While open the wheel moves only the highlight; Enter chooses it.
    Keys({VK_F4});
    ASSERT_TRUE(combo->DroppedDown());
    clicks.clear();
    Wheel(3);
    EXPECT_EQ(combo->Popup().Highlight(), 4);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_TRUE(clicks.empty());
    Keys({VK_RETURN});
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(clicks, (std::vector<int>{4}));
    ExpectFormKeepsActivationAndFocus();
}

TEST_F(ComboBox, AHandlerMovingTheFocusAwayKeepsTheChoiceItIsHandling) {
    // As the main window's font handler does: it gives the editor the focus.
    Make();
    combo->OnClick = [this] {
        clicks.push_back(combo->ItemIndex());
        SetFocus(host->Handle());
    };
    Keys({VK_F4});
    ASSERT_TRUE(combo->DroppedDown());
    Keys({VK_DOWN});
    EXPECT_FALSE(combo->DroppedDown()) << "the focus went, and the list with it";
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), "item 0");
    EXPECT_EQ(clicks, (std::vector<int>{0}));
}

TEST_F(ComboBox, AnswersTheSystemComboBoxMessages) {
    Make();
    HWND h = combo->Handle();
    EXPECT_EQ(SendMessageA(h, CB_GETCOUNT, 0, 0), kItems);
    EXPECT_EQ(SendMessageA(h, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Webdings")), kItems);
    EXPECT_EQ(SendMessageA(h, CB_SETCURSEL, 4, 0), 4);
    char text[64] = {};
    EXPECT_EQ(SendMessageA(h, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 6);
    EXPECT_STREQ(text, "item 4");
    EXPECT_TRUE(clicks.empty()) << "CB_SETCURSEL selects silently, as the system's does";
    EXPECT_EQ(SendMessageA(h, CB_GETLBTEXTLEN, kItems, 0), 8);
    EXPECT_EQ(SendMessageA(h, CB_GETLBTEXT, kItems, reinterpret_cast<LPARAM>(text)), 8);
    EXPECT_STREQ(text, "Webdings");
    EXPECT_EQ(SendMessageA(h, CB_GETLBTEXTLEN, kItems + 1, 0), CB_ERR);
    EXPECT_EQ(
        SendMessageA(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("WEBDINGS")),
        kItems);
    EXPECT_EQ(SendMessageA(h, CB_FINDSTRINGEXACT, 10, reinterpret_cast<LPARAM>("item 3")), 3)
        << "wraps around";
    EXPECT_EQ(SendMessageA(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("item")),
              CB_ERR);
    EXPECT_EQ(SendMessageA(h, CB_SETCURSEL, 99, 0), CB_ERR);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");

    // Another program chooses as with the system's combo: CB_SETCURSEL, then CBN_SELCHANGE to the parent.
    SendMessageA(h, CB_SETCURSEL, 7, 0);
    SendMessageA(host->Handle(), WM_COMMAND, MAKEWPARAM(kComboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(h));
    EXPECT_EQ(clicks, (std::vector<int>{7}));

    SendMessageA(h, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0), TRUE);
    SendMessageA(h, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(SendMessageA(h, CB_GETDROPPEDSTATE, 0, 0), FALSE);
    EXPECT_EQ(combo->ItemIndex(), 7);

    // The program's own writes are clamped and run OnClick.
    clicks.clear();
    combo->SetItemIndex(99);
    combo->SetItemIndex(-5);
    EXPECT_EQ(clicks, (std::vector<int>{kItems, -1}));

    SendMessageA(h, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(h, CB_GETCOUNT, 0, 0), 0);
    Keys({VK_F4});
    EXPECT_FALSE(combo->DroppedDown()) << "no items, no list";
}

TEST_F(ComboBox, AScreenReaderReadsAComboBoxThatOpensAndCloses) {
    Make();
    combo->SetItemIndex(3);
    const ScreenReaderView reader(combo->Handle());
    EXPECT_EQ(reader.Role(), ROLE_SYSTEM_COMBOBOX);
    EXPECT_EQ(reader.Value(), L"item 3");
    EXPECT_TRUE(reader.State() & STATE_SYSTEM_COLLAPSED);
    reader.DoDefaultAction();
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(reader.State() & STATE_SYSTEM_EXPANDED);
    reader.DoDefaultAction();
    EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBox, PlainLookWithoutASkin) {
    Make(30, false);
    MoveAway();
    SetFocus(host->Handle());
    const Bitmap shown = CapturePrintClient(combo->Handle());
    ASSERT_EQ(shown.Width(), 129);
    const ComboBoxLayout layout = LayOutComboBox(nullptr, shown.Width(), shown.Height());
    const int cx = layout.button.left + layout.button.Width() / 2;
    const int cy = layout.button.top + layout.button.Height() / 2;
    EXPECT_EQ(shown.PixelColor(cx, cy), 0u) << "the black arrow";
    EXPECT_EQ(shown.PixelColor(layout.button.left, cy), GetSysColor(COLOR_BTNSHADOW)) << "the button's frame";
    EXPECT_EQ(shown.PixelColor(0, 0), GetSysColor(COLOR_BTNSHADOW));
    ClickButton();
    EXPECT_TRUE(combo->DroppedDown());
    RECT inner{};
    GetClientRect(List(), &inner);
    EXPECT_EQ(inner.bottom, 8 * kRowHeight);
}

}  // namespace
}  // namespace huecast::skin
