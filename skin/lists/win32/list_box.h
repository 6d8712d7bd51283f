// TSkinListBox: a skinned frame ("listbox") around an owner-drawn system list box (TInnerListBox), with a
// skinned vertical bar that exists only while the items need it. The control answers the system list
// box's LB_* messages by passing them to the inner list, and tells its parent LBN_SELCHANGE and LBN_DBLCLK
// under its own id, so a program drives it as it drives a system list box.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/control.h"
#include "gui/handles.h"
#include "skin/lists/list_box_layout.h"
#include "skin/format/skin_data.h"
#include "skin/controls/win32/control.h"
#include "skin/lists/win32/scroll_bar.h"

namespace huecast::skin {

class TSkinListBox;

// The system list box inside: owner-drawn with a fixed item height, no border, no bars of its own. It
// tells its owner of every change that may move its items, and scrolls one line per wheel notch.
class TInnerListBox : public gui::Control {
  public:
    TInnerListBox(TSkinListBox& owner, const gui::ControlArgs& args);

  protected:
    LRESULT HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    TSkinListBox& owner_;
};

struct ListBoxArgs {
    gui::ControlArgs control;
    TSkinData* skinData = nullptr;
    std::string skinDataName = "listbox";
    int defaultItemHeight = 20;
    int rowCount = 0;  // > 0: the height shows exactly this many rows
};

class TSkinListBox : public TSkinCustomControl {
  public:
    explicit TSkinListBox(const ListBoxArgs& args);
    ~TSkinListBox() override;

    int Count() const;
    std::string Item(int index) const;
    void Add(const std::string& item);
    void SetItem(int index, const std::string& item);  // keeps the selection
    void Delete(int index);
    void Clear();
    // Replaces every item in one step: one repaint, the selected index and the first visible row kept
    // where the new items allow.
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const;  // -1 when nothing is selected
    void SetItemIndex(int index);
    int TopIndex() const;
    int ItemHeight() const { return itemHeight_; }
    HWND ListHandle() const { return inner_ ? inner_->Handle() : nullptr; }
    TSkinScrollBar* VScrollBar() const { return vScrollBar_.get(); }

    // Without skin data the list takes its plain look at once.
    void SetSkinData(TSkinData* skinData) override;
    void SetRowCount(int rows);
    // Re-reads the element: item height, the height for the row count, the bar, the layout.
    void SkinChanged() override;
    void DrawSkinLook(LookCanvas& canvas) override;
    void DrawPlainLook(LookCanvas& canvas) override;
    // Creates, sets or removes the bar as the items require.
    void UpdateScrollBars();

    gui::Event OnListBoxClick;
    gui::Event OnListBoxDblClick;

    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    AccessibleInfo Accessible() const override;

  private:
    friend class TInnerListBox;
    const TDataSkinListBox* Element() const;
    void Layout();
    void DrawItem(const DRAWITEMSTRUCT& item);
    // The space below the last item, in the look of an empty row.
    void PaintBelowItems(HDC dc, const RECT& area);
    HFONT ItemFont();
    void WheelInList(int notches);

    int defaultItemHeight_;
    int itemHeight_;
    int rowCount_;
    std::unique_ptr<TInnerListBox> inner_;
    std::unique_ptr<TSkinScrollBar> vScrollBar_;
    gui::FontHandle itemFont_;
    const TDataSkinListBox* fontOf_ = nullptr;  // the element itemFont_ was made for
    bool fontMade_ = false;
    int updating_ = 0;  // while > 0, changes do not touch the bar
};

}  // namespace huecast::skin
