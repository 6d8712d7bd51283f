#include "skin/controls/win32/item_groups.h"

#include "skin/controls/item_group_layout.h"

namespace huecast::skin {

template <class Button>
TSkinItemGroup<Button>::TSkinItemGroup(const Args& args)
    : TSkinGroupBox(args.group),
      columns_(ClampColumns(args.columns)),
      buttonSkinDataName_(args.buttonSkinDataName),
      buttonUseSkinFont_(args.buttonUseSkinFont),
      images_(args.images) {
    SetItems(args.items);
}

template <class Button>
TSkinItemGroup<Button>::~TSkinItemGroup() {
    buttons_.clear();  // the buttons go before the group's window
}

template <class Button>
void TSkinItemGroup<Button>::SetItems(const std::vector<std::string>& items) {
    buttons_.resize(std::min(buttons_.size(), items.size()));
    while (buttons_.size() < items.size()) {
        const int index = static_cast<int>(buttons_.size());
        typename Button::Args args{.parent = Handle(),
                                   .id = GroupItemId(Id(), index),
                                   .skinData = SkinData(),
                                   .skinDataName = buttonSkinDataName_,
                                   .canFocused = true,
                                   .images = images_,
                                   .imageIndex = index,
                                   .useSkinFont = buttonUseSkinFont_};
        auto button = std::make_unique<Button>(args);
        ShowWindow(button->Handle(), SW_HIDE);  // until arranged
        EnableWindow(button->Handle(), IsWindowEnabled(Handle()));
        button->onClick = [this, index] { ButtonClicked(index); };
        buttons_.push_back(std::move(button));
    }
    for (std::size_t i = 0; i < items.size(); ++i)
        buttons_[i]->SetText(items[i]);
    Arrange();
    Invalidate();
}

template <class Button>
std::string TSkinItemGroup<Button>::Item(int index) const {
    return index >= 0 && index < Count() ? At(index).Text() : std::string();
}

template <class Button>
void TSkinItemGroup<Button>::SetColumns(int columns) {
    columns_ = ClampColumns(columns);
    Arrange();
}

template <class Button>
void TSkinItemGroup<Button>::SetButtonSkinDataName(const std::string& name) {
    buttonSkinDataName_ = name;
    for (auto& button : buttons_) {
        button->SetSkinDataName(name);
        button->SkinChanged();
    }
}

template <class Button>
void TSkinItemGroup<Button>::SetImages(HIMAGELIST images) {
    images_ = images;
    for (int i = 0; i < Count(); ++i)
        At(i).SetImages(images, i);
}

template <class Button>
void TSkinItemGroup<Button>::Arrange() {
    const std::vector<Rect> cells = ArrangeItems(
        ClientArea(), Count(), columns_, (GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Rect& c = cells[i];
        SetWindowPos(buttons_[i]->Handle(), nullptr, c.left, c.top, c.Width(), c.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

template <class Button>
void TSkinItemGroup<Button>::AreaChanged() {
    Arrange();
    Invalidate();
}

template <class Button>
LRESULT TSkinItemGroup<Button>::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENABLE)
        for (auto& button : buttons_)
            EnableWindow(button->Handle(), wParam != FALSE);
    return TSkinGroupBox::HandleMessage(message, wParam, lParam);
}

template <class Button>
void TSkinItemGroup<Button>::ButtonClicked(int index) {
    itemIndex_ = index;
    if (onClick) onClick();
}

template class TSkinItemGroup<TGroupButton>;
template class TSkinItemGroup<TCheckGroupButton>;

TSkinRadioGroup::TSkinRadioGroup(Args args)
    : TSkinItemGroup<TGroupButton>([&] {
          if (args.buttonSkinDataName.empty()) args.buttonSkinDataName = "radiobox";
          return args;
      }()) {}

void TSkinRadioGroup::SetItemIndex(int index) {
    index = ClampItemIndex(index, Count());
    if (index == itemIndex_) return;
    if (itemIndex_ >= 0 && itemIndex_ < Count()) At(itemIndex_).SetChecked(false);
    itemIndex_ = index;
    if (index >= 0) At(index).SetChecked(true);  // its OnClick is the group's
}

TSkinCheckGroup::TSkinCheckGroup(Args args)
    : TSkinItemGroup<TCheckGroupButton>([&] {
          if (args.buttonSkinDataName.empty()) args.buttonSkinDataName = "checkbox";
          return args;
      }()) {}

bool TSkinCheckGroup::Checked(int index) const {
    return index >= 0 && index < Count() && At(index).Checked();
}

void TSkinCheckGroup::SetChecked(int index, bool checked) {
    if (index >= 0 && index < Count()) At(index).SetChecked(checked);
}

}  // namespace huecast::skin
