// TSkinRadioGroup and TSkinCheckGroup: group boxes that own one inner button per item line, arranged in
// columns down the first column first (skin/controls/item_group_layout.h). The inner buttons are children of
// the group numbered group id × 10 + index, so a program finds them as it found the system's.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/win32/check_radio_box.h"
#include "skin/controls/win32/panel.h"

namespace huecast::skin {

template <class Button>
class TSkinItemGroup : public TSkinGroupBox {
  public:
    struct Args {
        TSkinPanel::Args group;
        std::vector<std::string> items{};
        int columns = 1;
        std::string buttonSkinDataName{};
        bool buttonUseSkinFont = true;
        HIMAGELIST images = nullptr;
    };
    explicit TSkinItemGroup(const Args& args);
    ~TSkinItemGroup() override;

    int Count() const { return static_cast<int>(buttons_.size()); }
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    // Makes one button per line (appending or freeing from the end), numbers and captions them.
    void SetItems(const std::vector<std::string>& items);
    std::string Item(int index) const;
    int ItemIndex() const { return itemIndex_; }
    void SetButtonSkinDataName(const std::string& name);
    void SetImages(HIMAGELIST images);

    std::function<void()> onClick;

  protected:
    void AreaChanged() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Button& At(int index) { return *buttons_[static_cast<std::size_t>(index)]; }
    const Button& At(int index) const { return *buttons_[static_cast<std::size_t>(index)]; }
    virtual void ButtonClicked(int index);

    int itemIndex_ = -1;

  private:
    void Arrange();

    std::vector<std::unique_ptr<Button>> buttons_;
    int columns_;
    std::string buttonSkinDataName_;
    bool buttonUseSkinFont_;
    HIMAGELIST images_;
};

class TSkinRadioGroup : public TSkinItemGroup<TGroupButton> {
  public:
    explicit TSkinRadioGroup(Args args);
    // Clamped to -1..count − 1; a different index unchecks the old item and checks the new one, which runs
    // OnClick.
    void SetItemIndex(int index);
};

class TSkinCheckGroup : public TSkinItemGroup<TCheckGroupButton> {
  public:
    explicit TSkinCheckGroup(Args args);
    // False outside 0..count − 1.
    bool Checked(int index) const;
    // Ignored outside 0..count − 1; runs the group's OnClick as a click of that item would.
    void SetChecked(int index, bool checked);
};

}  // namespace huecast::skin
