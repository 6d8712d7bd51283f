// One keystroke in the main window's editor (the control inserting the character, then the change handler:
// the buttons, the name field, the length display) with 46,000 mixed characters in the editor, against the
// same with 1,000, side by side. The handling must not grow with the text: a page pasted into the editor
// would otherwise make every keystroke slower, up to a frozen window.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/control_ids.h"
#include "app/form1.h"
#include "bench/win32/side_by_side.h"

namespace {

// Lines of Chinese, ASCII, Korean, emoji and symbols, as text pasted from the web or a chat comes.
std::wstring MixedText(std::size_t characters) {
    const std::wstring line =
        L"你好，朋友！Happy birthday 生日快乐 한국어 \U0001F600 ♥ 天天开心 “引号” 1234\r\n";
    std::wstring text;
    while (text.size() + line.size() <= characters)
        text += line;
    text.append(line, 0, characters - text.size());
    return text;
}

// A main window whose editor holds `text`, with the insertion point at its end.
struct Composer {
    huecast::TForm1 form;
    HWND editor;

    explicit Composer(const std::wstring& text)
        : editor(GetDlgItem(form.Handle(), huecast::ids::kRichEdit1)) {
        SetWindowTextW(editor, text.c_str());
        SendMessageW(editor, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    }

    // A letter typed and taken back again, so that every round sees the same text.
    void Keystroke() const {
        SendMessageW(editor, WM_CHAR, L'a', 1);
        SendMessageW(editor, WM_CHAR, VK_BACK, 1);
    }
};

}  // namespace

int main() {
    Composer small(MixedText(1000));
    Composer large(MixedText(46000));
    std::printf("editor: %d and %d characters\n", GetWindowTextLengthW(small.editor),
                GetWindowTextLengthW(large.editor));
    const double ratio = huecast::bench::SideBySide(
        "keystroke, 46,000 characters", [&] { large.Keystroke(); }, "keystroke, 1,000 characters",
        [&] { small.Keystroke(); }, 15, 10);
    std::printf("goal: at most 3.00\n");
    return ratio > 0 ? 0 : 1;
}
