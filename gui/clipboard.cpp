#include "gui/clipboard.h"

#include <cstring>
#include <memory>

namespace huecast::gui {

ClipboardLock::ClipboardLock(HWND owner) {
    for (int attempt = 0; attempt < 10 && !opened_; ++attempt) {
        opened_ = OpenClipboard(owner) != FALSE;
        if (!opened_) Sleep(20);
    }
}

ClipboardLock::~ClipboardLock() {
    if (opened_) CloseClipboard();
}

namespace clipboard {

bool SetText(HWND owner, const std::string& text) {
    struct GlobalDeleter {
        void operator()(HGLOBAL h) const { GlobalFree(h); }
    };
    std::unique_ptr<void, GlobalDeleter> memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory) return false;
    void* bytes = GlobalLock(memory.get());
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory.get());

    ClipboardLock lock(owner);
    if (!lock.Opened() || !EmptyClipboard()) return false;
    if (!SetClipboardData(CF_TEXT, memory.get())) return false;
    (void)memory.release();  // the clipboard owns it now
    return true;
}

bool Clear(HWND owner) {
    ClipboardLock lock(owner);
    return lock.Opened() && EmptyClipboard();
}

std::optional<std::string> GetText(HWND owner) {
    ClipboardLock lock(owner);
    if (!lock.Opened()) return std::nullopt;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return std::nullopt;
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    if (!bytes) return std::nullopt;
    std::string text(bytes, strnlen(bytes, GlobalSize(data)));
    GlobalUnlock(data);
    return text;
}

}  // namespace clipboard
}  // namespace huecast::gui
