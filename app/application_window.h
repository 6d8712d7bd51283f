// The application window: the program's entry in the task bar and the task switcher. It has no size and
// is never seen itself; it carries the application's title and icon and owns the main form, which keeps
// its own caption and, being owned, stays out of the task bar.
//
//     ApplicationWindow application("Huecast2.4", LoadProgramIcons());
//     TForm1 form(application.Handle());      // the form is created owned by the application window
//     application.SetMainForm(form.Handle());
//     application.Show();
//
// The two move together: a form minimized by any means (its frame's button, its system menu) hides and
// leaves the entry minimized; the entry restored from the task bar, or the form restored by another
// process, brings both back. Activating the entry hands the activation to the form, or to the message box
// the form is waiting for. Closing the entry closes the form as its own close command would.
#pragma once

#include <windows.h>

#include <string>

#include "app/program_icons.h"
#include "gui/window.h"

namespace huecast {

class ApplicationWindow final : public gui::Window {
  public:
    static constexpr const char* kClassName = "HuecastApplication";

    ApplicationWindow(const std::string& title, const ProgramIcons& icons);
    ~ApplicationWindow() override;

    // The form the entry stands for. It must be owned by this window.
    void SetMainForm(HWND form);
    HWND MainForm() const { return form_; }
    // Puts the entry into the task bar without taking the activation: the form takes it when it shows.
    void Show();

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    static LRESULT CALLBACK FormSubclassProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR self);
    void FormSized(WPARAM sizeType);
    void Minimize();
    void Restore();
    void HandActivationToForm();
    void ForgetForm();

    HWND form_ = nullptr;
    // Set while this object moves the two windows itself, so that what it sees of its own moves does not
    // start another one.
    bool moving_ = false;
};

}  // namespace huecast
