// The application object: the message loop, the task-bar title and the handler that receives exceptions
// escaping an event handler (the crash reporter registers there; the loop then goes on).
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace huecast::gui {

using EventExceptionHandler = std::function<void(std::exception_ptr)>;

// Installs the handler for exceptions that escape event handlers; returns the previous one.
EventExceptionHandler SetEventExceptionHandler(EventExceptionHandler handler);
// Called by the window procedures with the exception in flight.
void HandleEventException(std::exception_ptr error);

class Application {
  public:
    static HINSTANCE Instance();
    // The title of the hidden application window, which is what the task bar shows.
    static void SetTitle(const std::string& title);
    static const std::string& Title();
    // Runs the message loop until WM_QUIT; returns its exit code.
    static int Run();
};

}  // namespace huecast::gui
