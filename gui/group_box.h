// Group boxes: a plain frame that holds other controls, a group of check boxes (several may be checked)
// and a group of radio items whose caption is itself a check box.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/button.h"
#include "gui/control.h"

namespace huecast::gui {

class GroupBox : public Control {
  public:
    explicit GroupBox(const ControlArgs& args);

  protected:
    LRESULT HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Where the items of a group with `columns` columns go: inside the frame, below the caption.
    RECT ItemCell(int index, int count, int columns) const;
    // A group item's place, number (group id * 10 + index) and caption.
    ControlArgs ItemArgs(int groupId, int index, const std::vector<std::string>& items, int columns) const;

  private:
    LRESULT FillBackground(HDC dc);
};

class CheckGroup : public GroupBox {
  public:
    CheckGroup(const ControlArgs& args, const std::vector<std::string>& items, int columns);
    int Count() const { return static_cast<int>(items_.size()); }
    bool Checked(int index) const { return items_.at(static_cast<std::size_t>(index))->Checked(); }
    void SetChecked(int index, bool checked) {
        items_.at(static_cast<std::size_t>(index))->SetChecked(checked);
    }
    Event onClick;  // any item was clicked

  private:
    std::vector<std::unique_ptr<CheckBox>> items_;
};

class RadioGroup : public GroupBox {
  public:
    RadioGroup(const ControlArgs& args, const std::vector<std::string>& items, int columns,
               bool captionChecked);
    int ItemIndex() const;
    void SetItemIndex(int index);
    std::string Item(int index) const { return items_.at(static_cast<std::size_t>(index))->Text(); }
    bool CaptionChecked() const { return caption_->Checked(); }
    void SetCaptionChecked(bool checked) { caption_->SetChecked(checked); }
    Event onClick;  // an item or the caption check box was clicked

  private:
    class RadioItem : public Control {
      public:
        explicit RadioItem(const ControlArgs& args);
        bool Checked() const;
        void SetChecked(bool checked);
        bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
        Event onClick;
    };
    std::unique_ptr<CheckBox> caption_;
    std::vector<std::unique_ptr<RadioItem>> items_;
};

}  // namespace huecast::gui

namespace huecast::gui {

// A plain container with an etched frame and no caption.
class Panel : public Control {
  public:
    explicit Panel(const ControlArgs& args);

  protected:
    LRESULT HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace huecast::gui
