// A list box of strings.
#pragma once

#include <string>

#include "gui/control.h"

namespace huecast::gui {

class ListBox : public Control {
  public:
    // A caption, when given, stands in a strip along the top of the list's area.
    explicit ListBox(const ControlArgs& args, const std::string& caption = {});
    ~ListBox() override;

    int Count() const;
    std::string Item(int index) const;
    void Add(const std::string& item);
    void SetItem(int index, const std::string& item);  // keeps the selection
    void Delete(int index);
    void Clear();
    int ItemIndex() const;  // -1 when nothing is selected
    void SetItemIndex(int index);

    Event onClick;
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    HWND caption_ = nullptr;
};

}  // namespace huecast::gui
