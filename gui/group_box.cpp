#include "gui/group_box.h"

namespace huecast::gui {

namespace {
constexpr int kCaptionHeight = 18;
constexpr int kMargin = 6;
}  // namespace

GroupBox::GroupBox(const ControlArgs& args) {
    ControlArgs a = args;
    a.style |= BS_GROUPBOX | WS_CLIPCHILDREN;
    a.exStyle |= WS_EX_CONTROLPARENT;
    CreateChild("BUTTON", a);
}

LRESULT GroupBox::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A system group box is transparent to the mouse; ours is hit so that its hint shows.
    if (message == WM_NCHITTEST) return HTCLIENT;
    if (message == WM_ERASEBKGND) return FillBackground(reinterpret_cast<HDC>(wParam));
    return Control::HandleOwnMessage(message, wParam, lParam);
}

LRESULT GroupBox::FillBackground(HDC dc) {
    // The system's group box paints only its frame; what lies inside is ours to fill.
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
}

RECT GroupBox::ItemCell(int index, int count, int columns) const {
    RECT client;
    GetClientRect(Handle(), &client);
    const int rows = (count + columns - 1) / columns;
    const int width = (client.right - 2 * kMargin) / columns;
    const int height = (client.bottom - kCaptionHeight - kMargin / 2) / (rows > 0 ? rows : 1);
    // Items run down the columns first, then across.
    const int column = index / rows;
    const int row = index % rows;
    const int left = kMargin + column * width;
    const int top = kCaptionHeight + row * height;
    return {left, top, left + width, top + height};
}

ControlArgs GroupBox::ItemArgs(int groupId, int index, const std::vector<std::string>& items,
                               int columns) const {
    const RECT cell = ItemCell(index, static_cast<int>(items.size()), columns);
    return {.parent = Handle(),
            .id = groupId * 10 + index,
            .x = cell.left,
            .y = cell.top,
            .width = cell.right - cell.left,
            .height = cell.bottom - cell.top,
            .text = items[static_cast<std::size_t>(index)]};
}

CheckGroup::CheckGroup(const ControlArgs& args, const std::vector<std::string>& items, int columns)
    : GroupBox(args) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto box = std::make_unique<CheckBox>(ItemArgs(args.id, static_cast<int>(i), items, columns));
        box->onClick = [this] {
            if (onClick) onClick();
        };
        items_.push_back(std::move(box));
    }
}

RadioGroup::RadioItem::RadioItem(const ControlArgs& args) {
    ControlArgs a = args;
    a.style |= BS_RADIOBUTTON | WS_TABSTOP;  // not automatic: the group decides which one is checked
    CreateChild("BUTTON", a);
}

bool RadioGroup::RadioItem::Checked() const {
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioGroup::RadioItem::SetChecked(bool checked) {
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool RadioGroup::RadioItem::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    if (onClick) onClick();
    result = 0;
    return true;
}

RadioGroup::RadioGroup(const ControlArgs& args, const std::vector<std::string>& items, int columns,
                       bool captionChecked)
    : GroupBox([&] {
          ControlArgs a = args;
          a.text.clear();  // the caption is the check box below
          return a;
      }()) {
    const int captionWidth = static_cast<int>(args.text.size()) * 7 + 24;
    caption_ = std::make_unique<CheckBox>(ControlArgs{.parent = Handle(),
                                                      .id = args.id * 10 + 9,
                                                      .x = 8,
                                                      .y = 0,
                                                      .width = captionWidth,
                                                      .height = 16,
                                                      .text = args.text},
                                          captionChecked);
    caption_->onClick = [this] {
        if (onClick) onClick();
    };
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto item = std::make_unique<RadioItem>(ItemArgs(args.id, static_cast<int>(i), items, columns));
        item->onClick = [this, i] {
            SetItemIndex(static_cast<int>(i));
            if (onClick) onClick();
        };
        items_.push_back(std::move(item));
    }
}

int RadioGroup::ItemIndex() const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->Checked()) return static_cast<int>(i);
    return -1;
}

void RadioGroup::SetItemIndex(int index) {
    for (std::size_t i = 0; i < items_.size(); ++i)
        items_[i]->SetChecked(static_cast<int>(i) == index);
}

}  // namespace huecast::gui

namespace huecast::gui {

Panel::Panel(const ControlArgs& args) {
    ControlArgs a = args;
    a.text.clear();
    a.style |= SS_ETCHEDFRAME | WS_CLIPCHILDREN;
    a.exStyle |= WS_EX_CONTROLPARENT;
    CreateChild("STATIC", a);
}

LRESULT Panel::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return Control::HandleOwnMessage(message, wParam, lParam);
}

}  // namespace huecast::gui
