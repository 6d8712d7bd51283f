#include "gui/rich_edit.h"

#include <richedit.h>
#include <richole.h>
#include <tom.h>

#include <cmath>
#include <stdexcept>

#include "gui/com_ptr.h"

namespace huecast::gui {

namespace {

constexpr DWORD kAttributeMask =
    CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_CHARSET;

HMODULE LoadRichEditLibrary() {
    static HMODULE library = LoadLibraryA("riched32.dll");
    if (!library) throw std::runtime_error("Cannot load riched32.dll for the rich-edit control");
    return library;
}

// The text object model's document interface, which reads attributes of any range without moving the
// selection: tens of times cheaper than selecting each run.
const GUID kIidTextDocument = {0x8CC497C0, 0xA1DF, 0x11CE, {0x80, 0x98, 0x00, 0xAA, 0x00, 0x47, 0xBE, 0x5D}};

std::string Narrow(BSTR text) {
    if (!text) return {};
    const int length = static_cast<int>(SysStringLen(text));
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, out.data(), bytes, nullptr, nullptr);
    return out;
}

// Reads the attributes of the range a font object is attached to. Consecutive characters mostly share a
// face, so the face is converted to the code page only when it changes.
class FontReader {
  public:
    explicit FontReader(ITextFont& font) : font_(font) {}

    // Nothing when the object cannot tell.
    std::optional<TextAttributes> Read() {
        BSTR name = nullptr;
        float size = 0;
        long color = 0, bold = 0, italic = 0, underline = 0, strike = 0;
        if (FAILED(font_.GetName(&name)) || FAILED(font_.GetSize(&size)) ||
            FAILED(font_.GetForeColor(&color)) || FAILED(font_.GetBold(&bold)) ||
            FAILED(font_.GetItalic(&italic)) || FAILED(font_.GetUnderline(&underline)) ||
            FAILED(font_.GetStrikeThrough(&strike))) {
            SysFreeString(name);
            return std::nullopt;
        }
        const std::wstring_view wide(name ? name : L"", name ? SysStringLen(name) : 0);
        if (wide != wideName_) {
            wideName_ = wide;
            name_ = Narrow(name);
        }
        SysFreeString(name);

        TextAttributes a;
        a.fontName = name_;
        a.charset = RichEdit::CharsetForFont(a.fontName);
        a.sizeTwips = static_cast<int>(std::lround(size * 20));
        a.style = (bold == tomTrue ? CFE_BOLD : 0) | (italic == tomTrue ? CFE_ITALIC : 0) |
                  (underline != tomNone ? CFE_UNDERLINE : 0) | (strike == tomTrue ? CFE_STRIKEOUT : 0);
        if (color != tomAutoColor) a.color = static_cast<std::uint32_t>(color) & 0xFFFFFF;
        return a;
    }

  private:
    ITextFont& font_;
    std::wstring wideName_;
    std::string name_;
};

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

// Holds back notifications, redrawing and the visible selection while the wrapper moves the selection
// about to read the document.
class QuietSelection {
  public:
    QuietSelection(HWND edit, int& suspended) : edit_(edit), suspended_(suspended) {
        ++suspended_;
        mask_ = static_cast<DWORD>(SendMessageA(edit_, EM_GETEVENTMASK, 0, 0));
        SendMessageA(edit_, EM_SETEVENTMASK, 0, 0);
        SendMessageA(edit_, WM_SETREDRAW, FALSE, 0);
        SendMessageA(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
        firstLine_ = static_cast<int>(SendMessageA(edit_, EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    ~QuietSelection() {
        SendMessageA(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection_));
        const int firstLine = static_cast<int>(SendMessageA(edit_, EM_GETFIRSTVISIBLELINE, 0, 0));
        if (firstLine != firstLine_) SendMessageA(edit_, EM_LINESCROLL, 0, firstLine_ - firstLine);
        SendMessageA(edit_, WM_SETREDRAW, TRUE, 0);
        // Redraw was off: whatever the content asked to repaint meanwhile must be painted now.
        InvalidateRect(edit_, nullptr, TRUE);
        SendMessageA(edit_, EM_SETEVENTMASK, 0, static_cast<LPARAM>(mask_));
        --suspended_;
    }
    QuietSelection(const QuietSelection&) = delete;
    QuietSelection& operator=(const QuietSelection&) = delete;

  private:
    HWND edit_;
    int& suspended_;
    DWORD mask_ = 0;
    CHARRANGE selection_{};
    int firstLine_ = 0;
};

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
    return ReadText().bytes;
}

void RichEdit::Clear() {
    SetText("");
}

int RichEdit::SelStart() const {
    CHARRANGE r{};
    SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    return r.cpMin;
}

int RichEdit::SelLength() const {
    CHARRANGE r{};
    SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    return r.cpMax - r.cpMin;
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

std::string RichEdit::StreamOut() const {
    std::string out;
    StreamBuffer buffer{nullptr, 0, &out};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&buffer), 0, WriteCallback};
    SendMessageA(Handle(), EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    if (stream.dwError != 0) throw std::runtime_error("Failed to Save Stream");
    return out;
}

int RichEdit::TextEnd() const {
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    const LRESULT n = SendMessageA(Handle(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    if (n != E_INVALIDARG && n >= 0) return static_cast<int>(n);
    CHARRANGE all{0, -1};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
    SendMessageA(Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&all));
    return all.cpMax;
}

CHARFORMATA RichEdit::FormatOf(int start, int end) const {
    CHARRANGE r{start, end};
    SendMessageA(Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
    CHARFORMATA f{};
    f.cbSize = sizeof f;
    SendMessageA(Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
    return f;
}

std::optional<std::wstring> RichEdit::WideText() const {
    // One request with room to spare instead of asking for the length first: a message to the control
    // costs more than the copy. A full buffer may have been cut, so it grows and asks again.
    std::wstring wide(512, L'\0');
    LRESULT got = 0;
    for (;;) {
        GETTEXTEX request{static_cast<DWORD>(wide.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr,
                          nullptr};
        got = SendMessageA(Handle(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                           reinterpret_cast<LPARAM>(wide.data()));
        if (got < static_cast<LRESULT>(wide.size()) - 1) break;
        wide.assign(wide.size() * 2, L'\0');
    }
    if (got <= 0 && GetWindowTextLengthA(Handle()) > 0) return std::nullopt;
    wide.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    return wide;
}

RichEdit::PositionedText RichEdit::ReadText() const {
    // The control's own text is UTF-16. Read that way, a character of a symbol font (kept in the private
    // range U+F000 to U+F0FF by some implementations) is its own byte again instead of a '?', and every
    // character position maps to a byte offset exactly.
    PositionedText result;
    const std::optional<std::wstring> wide = WideText();
    if (!wide) {
        // A control without the Unicode request: the ANSI text, split by the code page's lead bytes.
        result.bytes = Text();
        for (std::size_t i = 0; i < result.bytes.size(); ++i) {
            result.offsets.push_back(i);
            if (IsDBCSLeadByte(static_cast<BYTE>(result.bytes[i])) && i + 1 < result.bytes.size()) ++i;
        }
        result.offsets.push_back(result.bytes.size());
        return result;
    }
    for (wchar_t c : *wide) {
        result.offsets.push_back(result.bytes.size());
        if (c >= 0xF000 && c <= 0xF0FF) {
            result.bytes += static_cast<char>(c & 0xFF);
            continue;
        }
        char bytes[4];
        const int n = WideCharToMultiByte(CP_ACP, 0, &c, 1, bytes, sizeof bytes, nullptr, nullptr);
        result.bytes.append(bytes, static_cast<std::size_t>(std::max(n, 0)));
    }
    result.offsets.push_back(result.bytes.size());
    return result;
}

std::optional<std::vector<TextRun>> RichEdit::RunsThroughObjectModel() const {
    if (!document_) {
        ComPtr<IRichEditOle> ole;
        if (!SendMessageA(Handle(), EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(ole.Receive())) || !ole)
            return std::nullopt;
        if (FAILED(ole->QueryInterface(kIidTextDocument, reinterpret_cast<void**>(document_.Receive()))))
            return std::nullopt;
    }
    ITextDocument* document = document_.Get();
    ComPtr<ITextRange> range;
    ComPtr<ITextFont> font;  // attached to the range: it reads whatever the range covers now
    if (FAILED(document->Range(0, 0, range.Receive())) || FAILED(range->GetFont(font.Receive())) || !font)
        return std::nullopt;

    // Every character is read on its own: not every implementation reports a mixed font name for a
    // longer range, so a run is only as long as the characters agree.
    const PositionedText whole = ReadText();
    const int end = static_cast<int>(whole.offsets.size()) - 1;
    std::vector<TextRun> runs;
    FontReader reader(*font.Get());
    for (int i = 0; i < end; ++i) {
        if (FAILED(range->SetRange(i, i + 1))) return std::nullopt;
        std::optional<TextAttributes> attributes = reader.Read();
        if (!attributes) return std::nullopt;
        const std::size_t from = whole.offsets[static_cast<std::size_t>(i)];
        const std::size_t to = whole.offsets[static_cast<std::size_t>(i) + 1];
        if (!runs.empty() && runs.back().attributes == *attributes)
            runs.back().text.append(whole.bytes, from, to - from);
        else
            runs.push_back({whole.bytes.substr(from, to - from), std::move(*attributes)});
    }
    return runs;
}

std::vector<TextRun> RichEdit::Runs() {
    if (std::optional<std::vector<TextRun>> runs = RunsThroughObjectModel()) return std::move(*runs);
    return RunsThroughSelection();
}

std::vector<TextRun> RichEdit::RunsThroughSelection() {
    std::vector<TextRun> runs;
    QuietSelection quiet(Handle(), suspended_);
    // The text is read once, whole: asking the control for each run's text is not reliable for double-byte
    // characters everywhere.
    const PositionedText whole = ReadText();
    const std::string& text = whole.bytes;
    const std::vector<std::size_t>& offsets = whole.offsets;
    const int end = std::min(TextEnd(), static_cast<int>(offsets.size()) - 1);
    const auto uniform = [&](int from, int to) {
        return (FormatOf(from, to).dwMask & kAttributeMask) == kAttributeMask;
    };
    for (int start = 0; start < end;) {
        // Gallop to a range that is no longer uniform, then halve back to the run's exact end: a run of one
        // character costs one probe, a long run a few.
        int good = start + 1;
        int step = 1;
        int bad = end + 1;
        while (good < end) {
            const int probe = std::min(end, good + step);
            if (!uniform(start, probe)) {
                bad = probe;
                break;
            }
            good = probe;
            step *= 2;
        }
        while (bad - good > 1 && good < end) {
            const int middle = good + (bad - good) / 2;
            (uniform(start, middle) ? good : bad) = middle;
        }
        const std::size_t from = offsets[static_cast<std::size_t>(start)];
        const std::size_t to = offsets[static_cast<std::size_t>(good)];
        runs.push_back({text.substr(from, to - from), AttributesOf(FormatOf(start, good))});
        start = good;
    }
    return runs;
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
    return Control::HandleOwnMessage(message, wParam, lParam);
}

void RichEdit::DeleteLeadingCharacters(std::size_t count) {
    // The control's positions are its UTF-16 text's: a line break is "\r" in some implementations and
    // "\r\n" in others, so the text itself says how far `count` characters reach.
    const std::wstring wide = WideText().value_or(std::wstring());
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

void RichEdit::InsertText(const std::string& text) {
    SendMessageA(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void RichEdit::SendChar(unsigned code) {
    SendMessageA(Handle(), WM_CHAR, code, 1);
}

bool RichEdit::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        if (!suspended_ && onChange) onChange();
        result = 0;
        return true;
    }
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == EN_SELCHANGE) {
        if (!suspended_ && onSelectionChange) onSelectionChange();
        result = 0;
        return true;
    }
    return false;
}

}  // namespace huecast::gui
