#include "gui/list_box.h"

namespace huecast::gui {

ListBox::ListBox(const ControlArgs& args, const std::string& caption) {
    ControlArgs a = args;
    if (!caption.empty()) {
        constexpr int kCaptionHeight = 16;
        caption_ =
            CreateWindowExA(0, "STATIC", caption.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER | SS_SUNKEN, a.x,
                            a.y, a.width, kCaptionHeight, a.parent, nullptr, nullptr, nullptr);
        SendMessageA(caption_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        a.y += kCaptionHeight;
        a.height -= kCaptionHeight;
    }
    a.style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
    a.exStyle |= WS_EX_CLIENTEDGE;
    CreateChild("LISTBOX", a);
}

ListBox::~ListBox() {
    if (caption_) DestroyWindow(caption_);
}

int ListBox::Count() const {
    return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0));
}

std::string ListBox::Item(int index) const {
    const LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void ListBox::Add(const std::string& item) {
    SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ListBox::SetItem(int index, const std::string& item) {
    const int selected = ItemIndex();
    SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(item.c_str()));
    SetItemIndex(selected);
}

void ListBox::Delete(int index) {
    SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void ListBox::Clear() {
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

int ListBox::ItemIndex() const {
    return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetItemIndex(int index) {
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool ListBox::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != LBN_SELCHANGE) return false;
    if (onClick) onClick();
    result = 0;
    return true;
}

}  // namespace huecast::gui
