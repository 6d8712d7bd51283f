// The system clipboard as plain text in the system code page.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace huecast::gui {

// Opens the clipboard for the length of a scope. The system lets only one window hold it at a time, so
// opening retries briefly while another program holds it.
class ClipboardLock {
  public:
    explicit ClipboardLock(HWND owner);
    ~ClipboardLock();
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;
    bool Opened() const { return opened_; }

  private:
    bool opened_ = false;
};

namespace clipboard {
// Replaces the clipboard's content with `text` (CF_TEXT); false when the clipboard could not be had.
bool SetText(HWND owner, const std::string& text);
// Empties the clipboard.
bool Clear(HWND owner);
// The clipboard's CF_TEXT, or nothing when it holds no text.
std::optional<std::string> GetText(HWND owner);
}  // namespace clipboard

}  // namespace huecast::gui
