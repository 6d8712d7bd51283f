// TDialogForm: the kit of the program's small modal forms, the skinned message box among them. A dialog
// window (class "#32770", found by other programs and tests as any dialog) from a template without
// controls: the form creates its controls itself once it knows their sizes, wears the skinned frame with
// its close button alone, and stands in the middle of the screen at the client size it asks for.
//
//     class MyForm : public TDialogForm {
//         void Build() override;              // the controls, then AttachFrame and PlaceCentred
//         void Command(int id) override;      // a button's id, IDOK for Enter, IDCANCEL for Escape
//     };
//     int result = MyForm(...).ShowModal(owner);   // what EndModal was given
//
// Notifications of the controls go back to them (gui::ReflectToControl), so a control's own events run as
// on any form. Escape, the frame's close button, its system menu's close and Alt+F4 all arrive as IDCANCEL.
#pragma once

#include <windows.h>

#include <memory>

#include "base/geometry.h"

namespace huecast::skin {

class TSkinData;
class TSkinFrame;

// How the frame looks: the skin for the frame and its system menu, and the translucency it gives the form.
struct DialogFrameLook {
    TSkinData* skinData = nullptr;
    TSkinData* menuSkinData = nullptr;
    bool alphaBlend = false;
    bool alphaBlendAnimation = false;
    BYTE alphaBlendValue = 200;
};

class TDialogForm {
  public:
    TDialogForm();
    virtual ~TDialogForm();
    TDialogForm(const TDialogForm&) = delete;
    TDialogForm& operator=(const TDialogForm&) = delete;

    // Shows the form modally over `owner`; returns what EndModal was given. Throws when the window cannot
    // be made.
    int ShowModal(HWND owner);

  protected:
    HWND Handle() const { return window_; }
    // The window exists, hidden: the controls go on it, then the frame and the place.
    virtual void Build() = 0;
    virtual void Command(int id) = 0;
    void EndModal(int result);
    void AttachFrame(const DialogFrameLook& look);
    // Sizes the window to `client` inside whichever frame it wears, in the middle of the screen.
    void PlaceCentred(Size client);

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::unique_ptr<TSkinFrame> frame_;
};

}  // namespace huecast::skin
