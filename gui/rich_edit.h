// The platform's rich-edit control ("RICHEDIT" of riched32.dll) with what the composer needs of it: plain
// text, selection, the selection's character attributes, streaming RTF in and out, typed characters, the
// change, selection-change and key notifications, and the document read back as runs of equal attributes.
#pragma once

#include <windows.h>
#include <richedit.h>
#include <richole.h>
#include <tom.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gui/com_ptr.h"
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

struct TextRun {
    std::string text;  // system code page; paragraph breaks as the control gives them
    TextAttributes attributes;
};

class RichEdit : public Control {
  public:
    explicit RichEdit(const ControlArgs& args);

    std::string PlainText() const;  // line breaks as CR LF
    void Clear();
    int SelStart() const;
    int SelLength() const;
    void Select(int start, int length);
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
    // The control's own RTF writer; throws "Failed to Save Stream".
    std::string StreamOut() const;
    // The whole content as runs of equal attributes. The selection and scroll position are restored and no
    // notification is raised while it reads.
    std::vector<TextRun> Runs();

    void SendChar(unsigned code);  // as if typed

    Event onChange;
    Event onSelectionChange;
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The character set text in a face is written in: symbol fonts their own, every other face GB2312.
    static int CharsetForFont(const std::string& face);

  protected:
    LRESULT HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void InsertText(const std::string& text);
    void SetSelFormat(DWORD mask, const CHARFORMATA& format);
    CHARFORMATA FormatOf(int start, int end) const;
    int TextEnd() const;
    struct PositionedText {
        std::string bytes;                 // system code page, line breaks as CR LF
        std::vector<std::size_t> offsets;  // byte offset of every character position, and of the end
    };
    PositionedText ReadText() const;
    // The control's text as UTF-16, one unit per character position; nothing from a control that cannot
    // give it so.
    std::optional<std::wstring> WideText() const;
    // Runs read through the control's text object model, or nothing where the control has none.
    std::optional<std::vector<TextRun>> RunsThroughObjectModel() const;
    // Runs read by selecting ranges: slower, works with any rich-edit control.
    std::vector<TextRun> RunsThroughSelection();

    mutable ComPtr<ITextDocument> document_;  // the control's object model, asked for once
    int suspended_ = 0;                       // while > 0, notifications are not passed on
    int pendingLeadByte_ = -1;  // first byte of a double-byte character typed as two character messages
};

}  // namespace huecast::gui
