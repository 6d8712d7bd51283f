// The system clipboard as plain text in the system code page, and a copy of whatever it holds, to give the
// user's content back after the program used the clipboard to carry a message.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "gui/handles.h"

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

// Everything the clipboard held at one moment, format by format, copied so that it survives the clipboard
// being emptied. Memory formats (text, pictures as DIBs, files, rich text, every registered format) are
// copied byte for byte; bitmaps, palettes and metafiles are copied as objects of their own. What cannot be
// copied (an owner that draws the content itself, private handles, data its owner failed to render) is
// counted as missing.
class ClipboardContents {
  public:
    // The clipboard's content now; nothing when the clipboard could not be opened.
    static std::optional<ClipboardContents> Take(HWND owner);
    // Replaces the clipboard's content with the copy (or empties it when the copy is empty). False when
    // the clipboard could not be had or a format could not be set.
    bool Restore(HWND owner) const;
    // Every format was copied.
    bool Complete() const { return missing_ == 0; }
    bool Empty() const { return formats_.empty() && missing_ == 0; }

  private:
    struct Format {
        UINT id;
        std::vector<unsigned char> bytes;  // a memory format's bytes, a metafile's records
        METAFILEPICT picture{};            // the header of a metafile picture
        GdiPtr<HGDIOBJ> object;            // a bitmap or palette
        struct EnhancedDeleter {
            void operator()(HENHMETAFILE h) const { DeleteEnhMetaFile(h); }
        };
        std::unique_ptr<std::remove_pointer_t<HENHMETAFILE>, EnhancedDeleter> enhanced;
    };
    ClipboardContents() = default;
    // A new handle with the format's data for SetClipboardData, or nullptr.
    static HANDLE Render(const Format& format);
    static void Free(UINT id, HANDLE data);

    std::vector<Format> formats_;
    int missing_ = 0;
};

}  // namespace huecast::gui
