// TSkinRichEdit: the system rich-text editor without a frame of its own, scrolled by two skinned bars that
// stand beside it on the form. The editor keeps both styles that make it keep its scroll ranges, but gives
// its non-client area no size, so its own bars never show; after every change of content, size, scroll
// position or selection it puts its ranges into the skinned bars.
#pragma once

#include "gui/rich_edit.h"
#include "skin/lists/win32/scroll_bar.h"

namespace huecast::skin {

class TSkinRichEdit : public gui::RichEdit {
  public:
    explicit TSkinRichEdit(const gui::ControlArgs& args);

    // The bars are the form's, not owned; each binds its events to scrolling this editor.
    void SetHScrollBar(TSkinScrollBar* bar);
    void SetVScrollBar(TSkinScrollBar* bar);
    // Puts the editor's scroll ranges into the bars.
    void SynchronizeScrollBars();

    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  protected:
    LRESULT HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Synchronize(int bar, TSkinScrollBar* skinned, int extent);
    // Synchronizes now, or once the message being handled is done.
    void RequestSynchronize();

    TSkinScrollBar* hScrollBar_ = nullptr;
    TSkinScrollBar* vScrollBar_ = nullptr;
    int depth_ = 0;  // messages of this editor being handled, one inside another
    bool pending_ = false;
    bool synchronizing_ = false;
};

}  // namespace huecast::skin
