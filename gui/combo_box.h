// A system drop-down list whose items are drawn in a font of the program's choice (the symbol list).
#pragma once

#include <string>
#include <vector>

#include "gui/control.h"
#include "gui/handles.h"

namespace huecast::gui {

class ComboBox : public Control {
  public:
    explicit ComboBox(const ControlArgs& args, int visibleItems = 8);

    void Add(const std::string& item);
    std::string Item(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);  // -1 selects nothing

    // The font the items are drawn in, by face and pixel height.
    void SetItemFont(const std::string& face, int height, int itemHeight);
    const std::string& ItemFontName() const { return itemFontName_; }

    Event onClick;  // an item was chosen (by the user; SetItemIndex raises nothing)
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void DrawItem(const DRAWITEMSTRUCT& item);

    std::string itemFontName_;
    int itemFontHeight_ = 0;
    FontHandle itemFont_;
};

}  // namespace huecast::gui
