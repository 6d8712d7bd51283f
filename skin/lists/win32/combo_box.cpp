#include "skin/lists/win32/combo_box.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "base/bitmap.h"
#include "skin/picture/picture_cut.h"
#include "skin/lists/win32/value_control_paint.h"

namespace huecast::skin {

namespace {

POINT PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

bool Contains(const Rect& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// Wheel notches of a WM_MOUSEWHEEL, positive towards the user; a partial turn counts as one.
int WheelNotches(WPARAM wParam) {
    const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    if (delta == 0) return 0;
    const int whole = -delta / WHEEL_DELTA;
    return whole != 0 ? whole : (delta < 0 ? 1 : -1);
}

std::optional<ComboKey> NavigationKey(WPARAM key) {
    switch (key) {
        case VK_UP:
        case VK_LEFT:
            return ComboKey::Previous;
        case VK_DOWN:
        case VK_RIGHT:
            return ComboKey::Next;
        case VK_PRIOR:
            return ComboKey::PageUp;
        case VK_NEXT:
            return ComboKey::PageDown;
        case VK_HOME:
            return ComboKey::First;
        case VK_END:
            return ComboKey::Last;
        default:
            return std::nullopt;
    }
}

}  // namespace

TSkinComboBox::TSkinComboBox(const Args& args) : dropDownCount_(std::max(1, args.dropDownCount)) {
    // The list is made first: creating the combo binds the skin, which the list follows.
    popup_ = std::make_unique<TPopupListBox>(
        TPopupListBox::Args{.owner = args.parent ? GetAncestor(args.parent, GA_ROOT) : nullptr,
                            .defaultItemHeight = args.listBoxDefaultItemHeight});
    popup_->OnAccept = [this] { CloseUp(true); };
    popup_->OnCancel = [this] { CloseUp(false); };
    popup_->OnWheel = [this](WPARAM wParam) { Wheel(WheelNotches(wParam)); };
    CreateControl("HuecastSkinComboBox", {.parent = args.parent,
                                          .id = args.id,
                                          .x = args.x,
                                          .y = args.y,
                                          .width = args.width,
                                          .height = args.height,
                                          .caption = args.text,
                                          .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                          .skinDataName = args.skinDataName,
                                          .skinData = args.skinData});
}

TSkinComboBox::~TSkinComboBox() {
    // The window goes while the list it may still close exists.
    DestroyHandle();
}

const TDataSkinComboBox* TSkinComboBox::Element() const {
    return Picture() ? DescriptorAs<TDataSkinComboBox>() : nullptr;
}

ComboBoxLayout TSkinComboBox::Layout() const {
    const Size size = ClientSize();
    return LayOutComboBox(Element(), size.cx, size.cy);
}

void TSkinComboBox::SkinChanged() {
    TSkinCustomControl::SkinChanged();
    const TDataSkinComboBox* element = DescriptorAs<TDataSkinComboBox>();
    popup_->SetSkin(SkinData(), element ? element->listBoxName : std::string());
}

// ---- items and the chosen index ----

int TSkinComboBox::Count() const {
    return popup_->List().Count();
}

std::string TSkinComboBox::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    return popup_->List().Item(index);
}

void TSkinComboBox::Add(const std::string& item) {
    popup_->List().Add(item);
}

void TSkinComboBox::Clear() {
    CloseUp(false);
    popup_->List().Clear();
    Choose(-1);
}

void TSkinComboBox::SetDropDownCount(int count) {
    dropDownCount_ = std::max(1, count);
}

void TSkinComboBox::Choose(int index) {
    itemIndex_ = ClampComboIndex(index, Count());
    // Nothing chosen shows nothing: a name left standing would claim a choice that is not there.
    SetText(itemIndex_ >= 0 ? Item(itemIndex_) : std::string());
    popup_->SetHighlight(itemIndex_);
    Invalidate();
}

void TSkinComboBox::SetItemIndex(int index) {
    Choose(index);
    RunClick();
}

void TSkinComboBox::ChooseByUser(int index) {
    Choose(index);
    RunClick();
    Notify(CBN_SELCHANGE);
}

void TSkinComboBox::RunClick() {
    const bool outer = !inClick_;
    inClick_ = true;
    if (OnClick) OnClick();
    if (OnChange) OnChange();
    if (outer) inClick_ = false;
}

void TSkinComboBox::Notify(WORD code) {
    HWND parent = GetParent(Handle());
    if (!parent) return;
    notifying_ = true;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(Id(), code), reinterpret_cast<LPARAM>(Handle()));
    notifying_ = false;
}

bool TSkinComboBox::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND) return false;
    result = 0;
    if (notifying_) return true;  // our own notice, back from the parent: its events have run
    // Another program chose an item with CB_SETCURSEL and tells the parent as the system's combo would.
    if (HIWORD(wParam) == CBN_SELCHANGE) RunClick();
    return true;
}

LRESULT TSkinComboBox::FindExact(int after, const char* text) const {
    const int count = Count();
    if (!text || count == 0) return CB_ERR;
    const int start = after < 0 || after >= count ? 0 : after + 1;
    for (int i = 0; i < count; ++i) {
        const int index = (start + i) % count;
        if (lstrcmpiA(Item(index).c_str(), text) == 0) return index;
    }
    return CB_ERR;
}

// ---- the drop-down ----

void TSkinComboBox::DropDown() {
    if (DroppedDown() || Count() == 0 || !Enabled()) return;
    savedIndex_ = itemIndex_;
    Notify(CBN_DROPDOWN);
    RECT r{};
    GetWindowRect(Handle(), &r);
    const int rows = DropDownRows(dropDownCount_, Count());
    popup_->Show({r.left, r.top, r.right, r.bottom}, rows);
    popup_->SetHighlight(itemIndex_);
    popup_->SetTopIndex(DropDownTopIndex(itemIndex_, Count(), rows));
    Invalidate();
}

void TSkinComboBox::CloseUp(bool accept) {
    if (!DroppedDown()) return;
    const int highlight = popup_->Highlight();
    popup_->Hide();
    Invalidate();
    if (accept) {
        if (highlight >= 0) ChooseByUser(highlight);
        if (OnCloseUp) OnCloseUp();
    } else if (itemIndex_ != savedIndex_ && !inClick_) {
        // Keys moved the choice while the list was open, and its handlers followed: they follow back. A
        // handler that moves the focus away closes the list on the choice it is handling, which stays.
        ChooseByUser(savedIndex_);
    } else {
        popup_->SetHighlight(itemIndex_);
    }
    Notify(CBN_CLOSEUP);
}

// ---- input ----

void TSkinComboBox::PressAt(POINT client) {
    if (GetFocus() != Handle()) ::SetFocus(Handle());
    if (DroppedDown()) {
        CloseUp(false);
        return;
    }
    const ComboBoxLayout layout = Layout();
    if (Contains(layout.button, client) || Contains(layout.text, client)) DropDown();
}

bool TSkinComboBox::KeyDown(WPARAM key, bool alt) {
    if (alt) {
        if (key == VK_DOWN)
            DropDown();
        else if (key == VK_UP)
            CloseUp(false);
        else
            return false;
        return true;
    }
    switch (key) {
        case VK_F4:
            if (DroppedDown())
                CloseUp(true);
            else
                DropDown();
            return true;
        case VK_RETURN:
        case VK_ESCAPE:
            if (!DroppedDown()) return false;
            CloseUp(key == VK_RETURN);
            return true;
        default:
            break;
    }
    const std::optional<ComboKey> move = NavigationKey(key);
    if (!move) return false;
    // From what the user sees: the highlight while the list is open.
    const int from = DroppedDown() ? popup_->Highlight() : itemIndex_;
    if (const std::optional<int> to = ComboIndexAfterKey(from, Count(), *move, dropDownCount_))
        ChooseByUser(*to);
    return true;
}

void TSkinComboBox::Wheel(int notches) {
    if (DroppedDown()) {
        // While open the wheel only moves the highlight; the choice waits for the list to close.
        if (const auto to = ComboIndexAfterWheel(popup_->Highlight(), Count(), notches))
            popup_->SetHighlight(*to);
        return;
    }
    if (const auto to = ComboIndexAfterWheel(itemIndex_, Count(), notches)) ChooseByUser(*to);
}

void TSkinComboBox::SetButtonHot(bool hot) {
    if (hot == buttonHot_) return;
    buttonHot_ = hot;
    Invalidate();
}

void TSkinComboBox::MouseLeave() {
    SetButtonHot(false);
    TSkinCustomControl::MouseLeave();
}

void TSkinComboBox::FocusChanged(bool focused) {
    // The focus went elsewhere, or the form lost the activation: an open list goes, choosing nothing.
    if (!focused) CloseUp(false);
    TSkinCustomControl::FocusChanged(focused);
    Invalidate();
}

LRESULT TSkinComboBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            PressAt(PointOf(lParam));
            return 0;
        case WM_MOUSEMOVE:
            SetButtonHot(Contains(Layout().button, PointOf(lParam)));
            break;
        case WM_KEYDOWN:
            if (KeyDown(wParam, false)) return 0;
            break;
        case WM_SYSKEYDOWN:
            if (KeyDown(wParam, true)) return 0;
            break;
        case WM_MOUSEWHEEL:
            Wheel(WheelNotches(wParam));
            return 0;
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_WANTARROWS;
            // Enter and Escape belong to the open list, not to the form's default and cancel buttons.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            if (DroppedDown() && key && key->message == WM_KEYDOWN &&
                (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE))
                code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_CANCELMODE:
            CloseUp(false);
            break;
        case WM_ENABLE:
            if (!wParam) CloseUp(false);
            break;
        case WM_SETTEXT: {
            const LRESULT result = TSkinCustomControl::HandleMessage(message, wParam, lParam);
            Invalidate();
            return result;
        }
        case CB_GETCOUNT:
            return Count();
        case CB_GETCURSEL:
            return itemIndex_;
        case CB_SETCURSEL: {
            // As the system's: an index outside the items selects nothing and answers CB_ERR.
            const int index = static_cast<int>(wParam);
            const bool inside = index >= 0 && index < Count();
            Choose(inside ? index : -1);
            return inside ? index : CB_ERR;
        }
        case CB_GETLBTEXTLEN: {
            const int index = static_cast<int>(wParam);
            if (index < 0 || index >= Count()) return CB_ERR;
            return static_cast<LRESULT>(Item(index).size());
        }
        case CB_GETLBTEXT: {
            const int index = static_cast<int>(wParam);
            if (index < 0 || index >= Count() || !lParam) return CB_ERR;
            const std::string item = Item(index);
            std::memcpy(reinterpret_cast<char*>(lParam), item.c_str(), item.size() + 1);
            return static_cast<LRESULT>(item.size());
        }
        case CB_ADDSTRING:
            if (!lParam) return CB_ERR;
            Add(reinterpret_cast<const char*>(lParam));
            return Count() - 1;
        case CB_RESETCONTENT:
            Clear();
            return CB_OKAY;
        case CB_FINDSTRINGEXACT:
            return FindExact(static_cast<int>(wParam), reinterpret_cast<const char*>(lParam));
        case CB_SHOWDROPDOWN:
            if (wParam)
                DropDown();
            else
                CloseUp(false);
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return DroppedDown() ? TRUE : FALSE;
        default:
            break;
    }
    return TSkinCustomControl::HandleMessage(message, wParam, lParam);
}

// ---- looks ----

void TSkinComboBox::DrawCurrentItem(LookCanvas& canvas, const Rect& area) {
    if (area.Width() <= 0 || area.Height() <= 0) return;
    const bool focused = GetFocus() == Handle();
    const TDataSkinComboBox* element = Element();
    const ComboItemLook look = ComboItemLookFor(element, focused, area.Width(), area.Height());
    COLORREF color = TextColor(std::nullopt);
    if (element) {
        CutHorizontalEnds(*Picture(), look.source, element->itemLeftOffset, element->itemRightOffset,
                          canvas.Pixels(), area);
        color = TextColor(look.fontColor);
    } else if (focused) {
        FillSolid(canvas.Dc(), area, GetSysColor(COLOR_HIGHLIGHT));
        color = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    if (!Enabled() && !element) color = GetSysColor(COLOR_GRAYTEXT);
    Rect text = look.textRect.Offset(area.left, area.top);
    text.left += 2;
    const gui::FontHandle font = CreateTextFont(element ? &element->font : nullptr);
    const gui::SelectedObject selected(canvas.Dc(), font.get());
    gui::DrawTransparentText(canvas.Dc(), Text(), text, color,
                             DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TSkinComboBox::DrawSkinLook(LookCanvas& canvas) {
    const TDataSkinComboBox* element = Element();
    if (!element) {
        DrawPlainLook(canvas);
        return;
    }
    TSkinCustomControl::DrawSkinLook(canvas);
    const ComboBoxLayout layout = Layout();
    Rect button;
    if (!Enabled())
        button = element->unEnabledButtonRect;
    else if (DroppedDown())
        button = element->downButtonRect;
    else if (buttonHot_)
        button = element->activeButtonRect;
    if (!button.IsEmpty())
        CopyPiece(*Picture(), button, canvas.Pixels(), {layout.button.left, layout.button.top});
    DrawCurrentItem(canvas, layout.text);
}

void TSkinComboBox::DrawPlainLook(LookCanvas& canvas) {
    HDC dc = canvas.Dc();
    FillSolid(dc, canvas.Bounds(), GetSysColor(COLOR_BTNFACE));
    FrameSolid(dc, canvas.Bounds(), GetSysColor(COLOR_BTNSHADOW));
    const ComboBoxLayout layout = Layout();
    const PlainPartState state = DroppedDown() ? PlainPartState::Pressed
                                 : buttonHot_  ? PlainPartState::Hot
                                               : PlainPartState::Normal;
    DrawPlainPart(dc, layout.button, state);
    DrawArrow(dc, layout.button, ArrowDirection::Down,
              Enabled() ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNSHADOW));
    DrawCurrentItem(canvas, layout.text);
}

AccessibleInfo TSkinComboBox::Accessible() const {
    return {.role = ROLE_SYSTEM_COMBOBOX,
            .state = DroppedDown() ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED,
            .value = Text(),
            .defaultAction = DroppedDown() ? "Close" : "Open"};
}

void TSkinComboBox::DoDefaultAction() {
    if (DroppedDown())
        CloseUp(false);
    else
        DropDown();
}

}  // namespace huecast::skin
