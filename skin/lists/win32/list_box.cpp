#include "skin/lists/win32/list_box.h"

#include <windowsx.h>

#include "skin/picture/picture_cut.h"
#include "skin/picture/piece_geometry.h"
#include "skin/lists/win32/value_control_paint.h"

namespace huecast::skin {

namespace {

constexpr int kInnerId = 1;
constexpr int kVScrollBarId = 2;

// Messages after which the items may stand elsewhere, so the bar must follow.
bool MovesItems(UINT message, WPARAM wParam) {
    switch (message) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING:
        case LB_RESETCONTENT:
        case LB_SETTOPINDEX:
        case LB_SETCURSEL:
        case LB_SETITEMHEIGHT:
        case LB_SETCOUNT:
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_VSCROLL:
        case WM_SIZE:
            return true;
        case WM_MOUSEMOVE:
            return (wParam & MK_LBUTTON) != 0;  // dragging a selection past an edge scrolls
        default:
            return false;
    }
}

gui::ControlArgs InnerArgs(HWND owner) {
    gui::ControlArgs args;
    args.parent = owner;
    args.id = kInnerId;
    args.style = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_TABSTOP;
    return args;
}

}  // namespace

// ---- TInnerListBox ----

TInnerListBox::TInnerListBox(TSkinListBox& owner, const gui::ControlArgs& args) : owner_(owner) {
    CreateChild("LISTBOX", args);
}

LRESULT TInnerListBox::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEWHEEL: {
            const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
            const int notches = delta / WHEEL_DELTA != 0 ? -delta / WHEEL_DELTA : (delta < 0 ? 1 : -1);
            owner_.WheelInList(notches);
            return 0;
        }
        case WM_ERASEBKGND: {
            // The items paint themselves whole; only the space below the last one is filled, so a repaint
            // never shows the list empty for a moment.
            RECT rc{};
            GetClientRect(Handle(), &rc);
            const int shown = owner_.Count() - owner_.TopIndex();
            rc.top = std::max(0, shown) * owner_.ItemHeight();
            if (rc.top < rc.bottom) owner_.PaintBelowItems(reinterpret_cast<HDC>(wParam), rc);
            return 1;
        }
        default:
            break;
    }
    const LRESULT result = gui::Control::HandleOwnMessage(message, wParam, lParam);
    if (MovesItems(message, wParam)) owner_.UpdateScrollBars();
    return result;
}

// ---- TSkinListBox ----

TSkinListBox::TSkinListBox(const ListBoxArgs& args)
    : defaultItemHeight_(args.defaultItemHeight),
      itemHeight_(args.defaultItemHeight),
      rowCount_(args.rowCount) {
    const gui::ControlArgs& c = args.control;
    CreateControl("HuecastSkinListBox",
                  {.parent = c.parent,
                   .id = c.id,
                   .x = c.x,
                   .y = c.y,
                   .width = c.width,
                   .height = c.height,
                   .caption = c.text,
                   .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | c.style,
                   .exStyle = c.exStyle,
                   .skinDataName = args.skinDataName,
                   .skinData = args.skinData});
    inner_ = std::make_unique<TInnerListBox>(*this, InnerArgs(Handle()));
    SkinChanged();
}

TSkinListBox::~TSkinListBox() {
    // The children go first, while this control can still hear from them.
    vScrollBar_.reset();
    inner_.reset();
}

const TDataSkinListBox* TSkinListBox::Element() const {
    return DescriptorAs<TDataSkinListBox>();
}

int TSkinListBox::Count() const {
    return static_cast<int>(SendMessageA(ListHandle(), LB_GETCOUNT, 0, 0));
}

std::string TSkinListBox::Item(int index) const {
    const LRESULT length = SendMessageA(ListHandle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(ListHandle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void TSkinListBox::Add(const std::string& item) {
    SendMessageA(ListHandle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void TSkinListBox::SetItem(int index, const std::string& item) {
    const int selected = ItemIndex();
    ++updating_;
    SendMessageA(ListHandle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(ListHandle(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(item.c_str()));
    --updating_;
    SetItemIndex(selected);
}

void TSkinListBox::Delete(int index) {
    SendMessageA(ListHandle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TSkinListBox::Clear() {
    SendMessageA(ListHandle(), LB_RESETCONTENT, 0, 0);
}

void TSkinListBox::SetItems(const std::vector<std::string>& items) {
    HWND list = ListHandle();
    const int selected = ItemIndex();
    const int top = TopIndex();
    ++updating_;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    if (selected >= 0 && selected < static_cast<int>(items.size()))
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    --updating_;
    UpdateScrollBars();
    InvalidateRect(list, nullptr, TRUE);
}

int TSkinListBox::ItemIndex() const {
    return static_cast<int>(SendMessageA(ListHandle(), LB_GETCURSEL, 0, 0));
}

void TSkinListBox::SetItemIndex(int index) {
    SendMessageA(ListHandle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TSkinListBox::TopIndex() const {
    return static_cast<int>(SendMessageA(ListHandle(), LB_GETTOPINDEX, 0, 0));
}

void TSkinListBox::SetSkinData(TSkinData* skinData) {
    TSkinCustomControl::SetSkinData(skinData);
    if (!skinData || skinData->Empty()) SkinChanged();
}

void TSkinListBox::SetRowCount(int rows) {
    rowCount_ = rows;
    SkinChanged();
}

void TSkinListBox::SkinChanged() {
    TSkinCustomControl::SkinChanged();
    // The font is made again for the new element: the old one's address may come back for another skin's.
    fontMade_ = false;
    if (!inner_) return;  // the list inside is made next, and asks again
    const TDataSkinListBox* element = Element();
    itemHeight_ = element && element->itemRect.Height() > 0 ? element->itemRect.Height() : defaultItemHeight_;
    SendMessageA(ListHandle(), LB_SETITEMHEIGHT, 0, itemHeight_);
    if (rowCount_ > 0) {
        const Size size = ClientSize();
        const int height = ListBoxHeightForRows(element, rowCount_, itemHeight_);
        if (height != size.cy)
            SetWindowPos(Handle(), nullptr, 0, 0, size.cx, height,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    vScrollBar_.reset();  // made again for the new element by the update below
    Layout();
    UpdateScrollBars();
    Invalidate();
    InvalidateRect(ListHandle(), nullptr, TRUE);
}

void TSkinListBox::Layout() {
    const Size size = ClientSize();
    const TDataSkinListBox* element = Element();
    int barWidth = ListBoxLayoutArgs::kPlainListBarThickness;
    if (element && vScrollBar_) {
        RECT rc{};
        GetClientRect(vScrollBar_->Handle(), &rc);
        barWidth = rc.right;
    }
    const ListBoxLayout layout = LayOutListBox({.width = size.cx,
                                                .height = size.cy,
                                                .element = element,
                                                .captionHeight = 0,
                                                .verticalBar = vScrollBar_ != nullptr,
                                                .horizontalBar = false,
                                                .verticalBarWidth = barWidth});
    const auto place = [](HWND window, const Rect& r) {
        RECT now{};
        GetWindowRect(window, &now);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&now), 2);
        if (now.left != r.left || now.top != r.top || now.right != r.right || now.bottom != r.bottom)
            MoveWindow(window, r.left, r.top, r.Width(), r.Height(), TRUE);
    };
    place(ListHandle(), layout.list);
    if (vScrollBar_) place(vScrollBar_->Handle(), layout.verticalBar);
}

void TSkinListBox::UpdateScrollBars() {
    if (updating_ > 0 || !inner_) return;
    ++updating_;
    RECT rc{};
    GetClientRect(ListHandle(), &rc);
    const std::optional<ScrollRange> range = ListVerticalRange(Count(), itemHeight_, rc.bottom, TopIndex());
    if (range) {
        if (!vScrollBar_) {
            const TDataSkinListBox* element = Element();
            ScrollBarArgs args;
            args.control.parent = Handle();
            args.control.id = kVScrollBarId;
            args.control.width = ListBoxLayoutArgs::kPlainListBarThickness;
            args.control.height = rc.bottom;
            args.kind = ScrollBarKind::Vertical;
            args.skinData = element ? SkinData() : nullptr;
            args.skinDataName = element ? element->vScrollBarName : "vscrollbar";
            vScrollBar_ = std::make_unique<TSkinScrollBar>(args);
            vScrollBar_->OnChange = [this] {
                SendMessageA(ListHandle(), LB_SETTOPINDEX, static_cast<WPARAM>(vScrollBar_->Position()), 0);
            };
            Layout();
        }
        vScrollBar_->largeChange = range->pageSize;
        vScrollBar_->SetRange(range->min, range->max, range->pageSize, range->position);
    } else if (vScrollBar_) {
        vScrollBar_.reset();
        Layout();
    }
    --updating_;
}

void TSkinListBox::WheelInList(int notches) {
    RECT rc{};
    GetClientRect(ListHandle(), &rc);
    const int top = ListTopIndexAfterWheel(TopIndex(), notches, Count(), itemHeight_, rc.bottom);
    SendMessageA(ListHandle(), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
}

HFONT TSkinListBox::ItemFont() {
    const TDataSkinListBox* element = Element();
    if (fontMade_ && fontOf_ == element) return itemFont_.get();
    itemFont_ = CreateTextFont(element ? &element->font : nullptr);
    fontOf_ = element;
    fontMade_ = true;
    return itemFont_.get();
}

void TSkinListBox::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1) || static_cast<int>(item.itemID) >= Count()) return;
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0) return;
    const ListItemState state = (item.itemState & ODS_FOCUS)      ? ListItemState::Focused
                                : (item.itemState & ODS_SELECTED) ? ListItemState::Selected
                                                                  : ListItemState::Normal;
    const TDataSkinListBox* element = Element();
    const Bitmap* picture = element ? Picture() : nullptr;
    const ListItemLook look = ListItemLookFor(picture ? element : nullptr, state, width, height);
    OffscreenLook off(item.hDC, width, height);
    COLORREF color;
    if (picture) {
        CutHorizontalEnds(*picture, look.source, element->itemLeftOffset, element->itemRightOffset,
                          off.Pixels(), {0, 0, width, height});
        color = look.fontColor;
    } else {
        const bool selected = state != ListItemState::Normal;
        FillSolid(off.Dc(), {0, 0, width, height}, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        color = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    }
    const std::string text = Item(static_cast<int>(item.itemID));
    HDC dc = off.Dc();
    gui::SelectedObject font(dc, ItemFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    RECT textRect = ToRECT(look.textRect);
    textRect.left += 2;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (!picture && state == ListItemState::Focused) {
        RECT all{0, 0, width, height};
        DrawFocusRect(dc, &all);
    }
    off.CopyTo(item.hDC, item.rcItem.left, item.rcItem.top);
}

void TSkinListBox::PaintBelowItems(HDC dc, const RECT& area) {
    const TDataSkinListBox* element = Element();
    const Bitmap* picture = element ? Picture() : nullptr;
    const int width = area.right - area.left, height = ItemHeight();
    if (!picture || width <= 0 || height <= 0) {
        FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
        return;
    }
    // The skin's field, not the system's window colour: under a dark skin a list would otherwise end in a
    // white block below its last item.
    const ListItemLook look = ListItemLookFor(element, ListItemState::Normal, width, height);
    OffscreenLook row(dc, width, height);
    CutHorizontalEnds(*picture, look.source, element->itemLeftOffset, element->itemRightOffset, row.Pixels(),
                      {0, 0, width, height});
    for (int y = area.top; y < area.bottom; y += height)
        row.CopyTo(dc, area.left, y);
}

void TSkinListBox::DrawSkinLook(LookCanvas& canvas) {
    if (!Picture()) {
        DrawPlainLook(canvas);
        return;
    }
    TSkinCustomControl::DrawSkinLook(canvas);  // the frame: the skin rect cut to the size
}

void TSkinListBox::DrawPlainLook(LookCanvas& canvas) {
    FillSolid(canvas.Dc(), canvas.Bounds(), GetSysColor(COLOR_WINDOW));
    FrameSolid(canvas.Dc(), canvas.Bounds(), GetSysColor(COLOR_BTNSHADOW));
}

AccessibleInfo TSkinListBox::Accessible() const {
    const int selected = ItemIndex();
    if (selected < 0) return {.role = ROLE_SYSTEM_LIST};
    return {.role = ROLE_SYSTEM_LIST, .value = Item(selected)};
}

bool TSkinListBox::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND) return false;
    switch (HIWORD(wParam)) {
        case LBN_SELCHANGE:
            if (OnListBoxClick) OnListBoxClick();
            break;
        case LBN_DBLCLK:
            if (OnListBoxDblClick) OnListBoxDblClick();
            break;
        default:
            return false;
    }
    result = 0;
    return true;
}

LRESULT TSkinListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The system list box's own messages go to the list inside.
    if (message >= LB_ADDSTRING && message <= LB_MSGMAX && inner_)
        return SendMessageA(ListHandle(), message, wParam, lParam);
    switch (message) {
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == ListHandle() && inner_) {
                // The parent hears the list's news as this control's, under this control's id.
                SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(Id(), HIWORD(wParam)),
                             reinterpret_cast<LPARAM>(Handle()));
                return 0;
            }
            break;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(itemHeight_);
            return TRUE;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (inner_ && item->hwndItem == ListHandle()) {
                DrawItem(*item);
                return TRUE;
            }
            break;
        }
        case WM_SIZE:
            if (inner_) {
                Layout();
                UpdateScrollBars();
            }
            break;  // the base repaints
        case WM_SETFOCUS:
            if (inner_) ::SetFocus(ListHandle());
            return 0;
        default:
            break;
    }
    return TSkinCustomControl::HandleMessage(message, wParam, lParam);
}

}  // namespace huecast::skin
