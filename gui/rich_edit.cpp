#include "gui/rich_edit.h"

#include <richedit.h>

#include <algorithm>
#include <cwchar>
#include <stdexcept>
#include <utility>

#include "gui/clipboard.h"

namespace huecast::gui {

namespace {

HMODULE LoadRichEditLibrary() {
    static HMODULE library = LoadLibraryA("riched32.dll");
    if (!library) throw std::runtime_error("Cannot load riched32.dll for the rich-edit control");
    return library;
}

TextAttributes AttributesOf(const CHARFORMATA& f) {
    TextAttributes a;
    a.fontName = f.szFaceName;
    a.charset = f.bCharSet;
    a.sizeTwips = static_cast<int>(f.yHeight);
    a.style = f.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT);
    if (!(f.dwEffects & CFE_AUTOCOLOR)) a.color = f.crTextColor;
    return a;
}

struct StreamBuffer {
    const std::string* in = nullptr;
    std::size_t offset = 0;
    std::string* out = nullptr;
};

DWORD CALLBACK ReadCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    auto* s = reinterpret_cast<StreamBuffer*>(cookie);
    const std::size_t n = std::min(static_cast<std::size_t>(size), s->in->size() - s->offset);
    std::copy_n(s->in->data() + s->offset, n, buffer);
    s->offset += n;
    *done = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK WriteCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
    reinterpret_cast<StreamBuffer*>(cookie)->out->append(reinterpret_cast<const char*>(buffer),
                                                         static_cast<std::size_t>(size));
    *done = size;
    return 0;
}

}  // namespace

RichEdit::RichEdit(const ControlArgs& args) {
    LoadRichEditLibrary();
    ControlArgs a = args;
    a.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN | WS_TABSTOP;
    a.exStyle |= WS_EX_CLIENTEDGE;
    CreateChild("RICHEDIT", a);
    SendMessageA(Handle(), EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    SendMessageA(Handle(), EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
}

std::string RichEdit::PlainText() const {
    return ToCodePage(WidePlainText());
}

std::string RichEdit::ToCodePage(const std::wstring& wide) {
    // A character of a symbol font, kept in the private range U+F000 to U+F0FF by some implementations, is
    // its own byte again instead of a '?'.
    std::string bytes;
    std::size_t converted = 0;
    const auto convert = [&](std::size_t end) {
        if (end == converted) return;
        const int length = static_cast<int>(end - converted);
        const int n =
            WideCharToMultiByte(CP_ACP, 0, wide.data() + converted, length, nullptr, 0, nullptr, nullptr);
        const std::size_t at = bytes.size();
        bytes.resize(at + static_cast<std::size_t>(std::max(n, 0)));
        WideCharToMultiByte(CP_ACP, 0, wide.data() + converted, length, bytes.data() + at, n, nullptr,
                            nullptr);
    };
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] < 0xF000 || wide[i] > 0xF0FF) continue;
        convert(i);
        bytes += static_cast<char>(wide[i] & 0xFF);
        converted = i + 1;
    }
    convert(wide.size());
    return bytes;
}

void RichEdit::Clear() {
    SetText("");
}

int RichEdit::SelStart() const {
    CHARRANGE r{};
    SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    return r.cpMin;
}

std::pair<int, int> RichEdit::Selection() const {
    CHARRANGE r{};
    SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    return {r.cpMin, r.cpMax};
}

int RichEdit::TextEnd() const {
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<int>(SendMessageA(Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

void RichEdit::Select(int start, int length) {
    CHARRANGE r{start, start + length};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

TextAttributes RichEdit::SelAttributes() const {
    CHARFORMATA f{};
    f.cbSize = sizeof f;
    SendMessageA(Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
    return AttributesOf(f);
}

void RichEdit::SetSelFormat(DWORD mask, const CHARFORMATA& format) {
    CHARFORMATA f = format;
    f.cbSize = sizeof f;
    f.dwMask = mask;
    SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
}

int RichEdit::CharsetForFont(const std::string& face) {
    // Text in any other face is still Chinese text: with a Western character set the control would read
    // the escapes of a saved work in a Western code page.
    return face == "Webdings" || face == "Wingdings" || face == "Symbol" ? SYMBOL_CHARSET : GB2312_CHARSET;
}

void RichEdit::SetSelFontName(const std::string& name) {
    CHARFORMATA f{};
    lstrcpynA(f.szFaceName, name.c_str(), LF_FACESIZE);
    f.bCharSet = static_cast<BYTE>(CharsetForFont(name));
    SetSelFormat(CFM_FACE | CFM_CHARSET, f);
}

void RichEdit::SetSelSize(int points) {
    CHARFORMATA f{};
    f.yHeight = points * 20;
    SetSelFormat(CFM_SIZE, f);
}

void RichEdit::SetSelStyle(unsigned style) {
    CHARFORMATA f{};
    f.dwEffects = style & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT);
    SetSelFormat(CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT, f);
}

void RichEdit::SetSelColor(std::uint32_t color) {
    CHARFORMATA f{};
    f.crTextColor = color;
    SetSelFormat(CFM_COLOR, f);
}

void RichEdit::StreamIn(const std::string& rtf) {
    for (WPARAM format : {WPARAM{SF_RTF}, WPARAM{SF_TEXT}}) {
        StreamBuffer buffer{&rtf, 0, nullptr};
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&buffer), 0, ReadCallback};
        const LRESULT read = SendMessageA(Handle(), EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
        // An empty document is accepted as it is; otherwise a reader that took nothing rejected the data.
        if (stream.dwError == 0 && (read > 0 || rtf.empty() || format == SF_TEXT)) return;
    }
    throw std::runtime_error("Failed to Load Stream");
}

std::string RichEdit::StreamOut(bool selection) const {
    std::string out;
    StreamBuffer buffer{nullptr, 0, &out};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&buffer), 0, WriteCallback};
    SendMessageA(Handle(), EM_STREAMOUT, SF_RTF | (selection ? SFF_SELECTION : 0),
                 reinterpret_cast<LPARAM>(&stream));
    if (stream.dwError != 0) throw std::runtime_error("Failed to Save Stream");
    return out;
}

void RichEdit::StreamInSelection(const std::string& rtf) {
    StreamBuffer buffer{&rtf, 0, nullptr};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&buffer), 0, ReadCallback};
    const LRESULT read =
        SendMessageA(Handle(), EM_STREAMIN, SF_RTF | SFF_SELECTION, reinterpret_cast<LPARAM>(&stream));
    if (stream.dwError != 0 || (read <= 0 && !rtf.empty())) throw std::runtime_error("Failed to Load Stream");
}

RichEdit::QuietEdits::QuietEdits(RichEdit& edit)
    : edit_(edit), mask_(SendMessageA(edit.Handle(), EM_SETEVENTMASK, 0, 0)) {
    SendMessageA(edit.Handle(), WM_SETREDRAW, FALSE, 0);
}

RichEdit::QuietEdits::~QuietEdits() {
    SendMessageA(edit_.Handle(), WM_SETREDRAW, TRUE, 0);
    // Without drawing, the control does not keep the insertion point in view as the edits move it.
    SendMessageA(edit_.Handle(), EM_SCROLLCARET, 0, 0);
    InvalidateRect(edit_.Handle(), nullptr, TRUE);
    SendMessageA(edit_.Handle(), EM_SETEVENTMASK, 0, mask_);
}

bool RichEdit::CanUndo() const {
    return SendMessageA(Handle(), EM_CANUNDO, 0, 0) != 0;
}

bool RichEdit::CanPaste() const {
    return SendMessageA(Handle(), EM_CANPASTE, 0, 0) != 0 || IsClipboardFormatAvailable(CF_UNICODETEXT);
}

void RichEdit::Undo() {
    SendMessageA(Handle(), EM_UNDO, 0, 0);
}

void RichEdit::Cut() {
    SendMessageA(Handle(), WM_CUT, 0, 0);
}

void RichEdit::Copy() {
    SendMessageA(Handle(), WM_COPY, 0, 0);
}

void RichEdit::Paste() {
    SendMessageA(Handle(), WM_PASTE, 0, 0);
}

void RichEdit::DeleteSelection() {
    SendMessageA(Handle(), WM_CLEAR, 0, 0);
}

void RichEdit::SelectAll() {
    Select(0, -1);
}

POINT RichEdit::CaretMenuPoint() const {
    POINT caret{};
    GetCaretPos(&caret);
    RECT client{};
    GetClientRect(Handle(), &client);
    // Below the line of the insertion point, inside the editor even when the caret has scrolled away.
    POINT at{std::clamp<LONG>(caret.x, 0, client.right), std::clamp<LONG>(caret.y + 16, 0, client.bottom)};
    ClientToScreen(Handle(), &at);
    return at;
}

std::wstring RichEdit::WidePlainText() const {
    // Sized by the control's own count (line breaks counted as CR LF, as the text gives them), so that a
    // long text is copied once. A buffer filled to the last unit may have been cut: it grows and asks again.
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE | GTL_USECRLF, 1200};
    const LRESULT units = SendMessageA(Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    std::wstring wide(static_cast<std::size_t>(std::max<LRESULT>(units, 0)) + 2, L'\0');
    LRESULT got = 0;
    for (;;) {
        GETTEXTEX request{static_cast<DWORD>(wide.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr,
                          nullptr};
        got = SendMessageA(Handle(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                           reinterpret_cast<LPARAM>(wide.data()));
        if (got < static_cast<LRESULT>(wide.size()) - 1) break;
        wide.assign(wide.size() * 2, L'\0');
    }
    if (got <= 0 && GetWindowTextLengthW(Handle()) > 0) {
        // A control without the Unicode request.
        wide.assign(static_cast<std::size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
        got = GetWindowTextW(Handle(), wide.data(), static_cast<int>(wide.size()));
    }
    wide.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    return wide;
}

LRESULT RichEdit::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A double-byte character reaches the ANSI control as two character messages (or one input-method
    // character); not every rich-edit implementation joins the two bytes, so the wrapper does, and inserts
    // the character where typing would.
    if (message == WM_CHAR) {
        const auto byte = static_cast<unsigned char>(wParam);
        if (pendingLeadByte_ >= 0) {
            const std::string character{static_cast<char>(pendingLeadByte_), static_cast<char>(byte)};
            pendingLeadByte_ = -1;
            InsertText(character);
            return 0;
        }
        if (wParam <= 0xFF && IsDBCSLeadByte(byte)) {
            pendingLeadByte_ = byte;
            return 0;
        }
    } else if (message == WM_IME_CHAR && (wParam >> 8) != 0) {
        InsertText({static_cast<char>(wParam >> 8), static_cast<char>(wParam & 0xFF)});
        return 0;
    } else if (message == WM_KEYDOWN || message == WM_KILLFOCUS) {
        pendingLeadByte_ = -1;
    }
    if (onContextMenu) {
        // The context-menu key and Shift+F10 open the menu at the insertion point; the system would send
        // WM_CONTEXTMENU for them too on some versions, so they are taken here and go no further. F10's
        // release goes no further either: passed on, it would switch the window's menu on, which closes
        // the one just opened.
        const bool shiftF10 = (message == WM_SYSKEYDOWN || message == WM_KEYDOWN) && wParam == VK_F10 &&
                              GetKeyState(VK_SHIFT) < 0;
        if (shiftF10 || (message == WM_KEYUP && wParam == VK_APPS)) {
            swallowF10Release_ = shiftF10;
            onContextMenu(CaretMenuPoint());
            return 0;
        }
        if ((message == WM_SYSKEYUP || message == WM_KEYUP) && wParam == VK_F10 &&
            std::exchange(swallowF10Release_, false))
            return 0;
        if (message == WM_KEYDOWN && wParam == VK_APPS) return 0;
        if (message == WM_CONTEXTMENU) {
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            onContextMenu(lParam == -1 ? CaretMenuPoint() : at);
            return 0;
        }
    }
    if (message == WM_GETDLGCODE) {
        // Tab and Shift+Tab move on to the next control, as in every dialog; Ctrl+Tab types a tab.
        // The control is asked without the key's message: asked with one, it takes itself for a dialog's
        // editor and closes its parent window on Escape.
        const LRESULT code = Control::HandleOwnMessage(message, wParam, 0);
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (!key || key->wParam != VK_TAB || (key->message != WM_KEYDOWN && key->message != WM_CHAR))
            return code;
        if (GetKeyState(VK_CONTROL) < 0) return code | DLGC_WANTTAB | DLGC_WANTMESSAGE;
        return code & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
    }
    if (message == WM_KEYDOWN && wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        // Not every control types a tab for Ctrl+Tab, and a character message for it may follow or not.
        InsertText("\t");
        swallowTabCharacter_ = true;
        return 0;
    }
    if (message == WM_CHAR && wParam == '\t' && std::exchange(swallowTabCharacter_, false)) return 0;
    if (message == WM_KEYDOWN) swallowTabCharacter_ = false;
    const bool pasteKey = message == WM_KEYDOWN && ((wParam == 'V' && GetKeyState(VK_CONTROL) < 0) ||
                                                    (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0));
    if ((message == WM_PASTE || pasteKey) && PasteUnicodeText()) return 0;
    return Control::HandleOwnMessage(message, wParam, lParam);
}

void RichEdit::DeleteLeadingCharacters(std::size_t count) {
    // The control's positions are its UTF-16 text's: a line break is "\r" in some implementations and
    // "\r\n" in others, so the text itself says how far `count` characters reach.
    const std::wstring wide = WidePlainText();
    const std::size_t length = wide.size();
    std::size_t position = 0;
    for (; count > 0 && position < length; --count) {
        const wchar_t c = wide[position];
        const bool pair =
            position + 1 < length &&
            ((c == L'\r' && wide[position + 1] == L'\n') ||
             (c >= 0xD800 && c <= 0xDBFF && wide[position + 1] >= 0xDC00 && wide[position + 1] <= 0xDFFF));
        position += pair ? 2 : 1;
    }
    Select(0, static_cast<int>(position));
    InsertText("");
}

bool RichEdit::PasteUnicodeText() {
    // The ANSI control pastes plain text in the system code page, so that every other character arrives as
    // a '?'. Rich text stays with the control's own paste, which reads its Unicode escapes.
    static const UINT rtfFormat = RegisterClipboardFormatA("Rich Text Format");
    if (IsClipboardFormatAvailable(rtfFormat) || !IsClipboardFormatAvailable(CF_UNICODETEXT)) return false;
    std::wstring text;
    {
        ClipboardLock lock(Handle());
        if (!lock.Opened()) return false;
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        const auto* units = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
        if (!units) return false;
        text.assign(units, wcsnlen(units, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
    }
    // In place of the selection, in the format of the insertion point, as the control's own paste does.
    // Not every control tells of a change made this way; then the wrapper does, as for any paste.
    SETTEXTEX replace{ST_SELECTION | ST_KEEPUNDO, 1200};
    changeNotified_ = false;
    SendMessageA(Handle(), EM_SETTEXTEX, reinterpret_cast<WPARAM>(&replace),
                 reinterpret_cast<LPARAM>(text.c_str()));
    if (!changeNotified_ && onChange) onChange();
    return true;
}

void RichEdit::InsertText(const std::string& text) {
    SendMessageA(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void RichEdit::SendChar(unsigned code) {
    SendMessageA(Handle(), WM_CHAR, code, 1);
}

bool RichEdit::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        changeNotified_ = true;
        if (onChange) onChange();
        result = 0;
        return true;
    }
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == EN_SELCHANGE) {
        if (onSelectionChange) onSelectionChange();
        result = 0;
        return true;
    }
    return false;
}

}  // namespace huecast::gui
