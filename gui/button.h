// Push buttons and check boxes.
#pragma once

#include "gui/control.h"

namespace huecast::gui {

class Button : public Control {
  public:
    explicit Button(const ControlArgs& args);
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Click();  // as if the user pressed it
    Event onClick;
};

class CheckBox : public Control {
  public:
    explicit CheckBox(const ControlArgs& args, bool checked = false);
    bool Checked() const;
    void SetChecked(bool checked);
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    Event onClick;
};

}  // namespace huecast::gui
