// The platform's rich-edit control ("RICHEDIT" of riched32.dll) with what the composer needs of it: plain
// text, selection, the selection's character attributes, streaming RTF in and out, typed characters, and
// the change, selection-change and key notifications. The document's runs are read from the control's own
// RTF stream (convert/rtf_runs.h): one pass, where asking the control about each character does not scale.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gui/control.h"

namespace huecast::gui {

struct TextAttributes {
    std::string fontName;  // system code page
    int charset = 134;
    int sizeTwips = 240;                 // 1/20 point: sizes like 10.5 pt survive
    unsigned style = 0;                  // bold 1, italic 2, underline 4, strike-out 8
    std::optional<std::uint32_t> color;  // 0x00BBGGRR; empty = the automatic colour
    friend bool operator==(const TextAttributes&, const TextAttributes&) = default;
};

class RichEdit : public Control {
  public:
    explicit RichEdit(const ControlArgs& args);

    // Line breaks as the control gives them (CR LF). The system code page has '?' for what it lacks; the
    // wide text holds every character.
    std::string PlainText() const;
    std::wstring WidePlainText() const;
    // The control's wide text in the system code page, as PlainText gives it.
    static std::string ToCodePage(const std::wstring& wide);
    void Clear();
    int SelStart() const;
    // The selection as the control's positions [first, second).
    std::pair<int, int> Selection() const;
    void Select(int start, int length);
    // The position after the last character (before the closing paragraph mark every document has).
    int TextEnd() const;
    // Deletes the first `count` characters, as typing over them would. A line break and a character beyond
    // U+FFFF count as one character each, however many positions the control gives them.
    void DeleteLeadingCharacters(std::size_t count);

    TextAttributes SelAttributes() const;
    void SetSelFontName(const std::string& name);  // also sets the character set that belongs to the face
    void SetSelSize(int points);
    void SetSelStyle(unsigned style);
    void SetSelColor(std::uint32_t color);

    // Replaces the content with an RTF document; data the control rejects as RTF is read as plain text.
    // Throws "Failed to Load Stream" when both fail.
    void StreamIn(const std::string& rtf);
    // The control's own RTF writer; throws "Failed to Save Stream". `selection`: only the selected text.
    std::string StreamOut(bool selection = false) const;
    // Replaces the selected text with an RTF document, as one change the control can undo; the document
    // must not end with a paragraph mark of its own unless the text does. Throws "Failed to Load Stream".
    // The caller follows the change up (see QuietEdits).
    void StreamInSelection(const std::string& rtf);

    // The editing commands, as the keys and the system's edit menus give them.
    bool CanUndo() const;
    bool CanPaste() const;
    void Undo();
    void Cut();
    void Copy();
    void Paste();
    void DeleteSelection();
    void SelectAll();

    void SendChar(unsigned code);  // as if typed

    Event onChange;
    Event onSelectionChange;
    // While it lives, the control tells of no change and no move of the selection, and draws nothing: for
    // edits the program makes and follows up itself, so that the handlers meant for the user's own edits do
    // not run midway, and the steps are not drawn one by one. It draws the result once at the end.
    class QuietEdits {
      public:
        explicit QuietEdits(RichEdit& edit);
        ~QuietEdits();
        QuietEdits(const QuietEdits&) = delete;
        QuietEdits& operator=(const QuietEdits&) = delete;

      private:
        RichEdit& edit_;
        LRESULT mask_;
    };

    // A right click, the context-menu key or Shift+F10: where a menu should open, on the screen (the
    // pointer, or the insertion point for a key).
    std::function<void(POINT at)> onContextMenu;
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The character set text in a face is written in: symbol fonts their own, every other face GB2312.
    static int CharsetForFont(const std::string& face);

  protected:
    LRESULT HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void InsertText(const std::string& text);
    // Pastes the clipboard's Unicode text when it holds no rich text; false when the control's own paste
    // should run.
    bool PasteUnicodeText();
    void SetSelFormat(DWORD mask, const CHARFORMATA& format);
    // The screen point below the insertion point, where a menu opened by a key goes.
    POINT CaretMenuPoint() const;

    bool changeNotified_ = false;  // set by every change notification of the control
    bool swallowTabCharacter_ = false;  // Ctrl+Tab typed its tab already
    bool swallowF10Release_ = false;    // Shift+F10 opened the context menu
    int pendingLeadByte_ = -1;  // first byte of a double-byte character typed as two character messages
};

}  // namespace huecast::gui
