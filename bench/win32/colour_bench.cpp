// Colour in the main window's editor, timed side by side in alternating rounds against what the editor
// does anyway, each repainted before the clock stops:
//   - fitting a 200-letter line with a colour per letter (a rainbow) into one message and applying it (the
//     menu's 压缩到一条消息), against one keystroke's handling with that line in the editor: at most 3 times;
//   - a rainbow over 400 characters (彩虹色), against giving the same selection one colour with a swatch
//     click: at most 10 times. The rainbow goes in as one stream of rich text, not a call per character.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/form1.h"
#include "bench/win32/side_by_side.h"

namespace {

using huecast::bench::Median;
using huecast::bench::Seconds;

std::wstring Letters(std::size_t count) {
    std::wstring text;
    for (std::size_t i = 0; i < count; ++i)
        text.push_back(static_cast<wchar_t>(i % 9 == 8 ? L' ' : L'a' + i % 26));
    return text;
}

// The median time of `job` over `rounds`, each after an untimed `prepare`, alternating with `other`'s;
// prints both and returns the ratio.
double Compare(const char* name, const std::function<void()>& prepare, const std::function<void()>& job,
               const char* otherName, const std::function<void()>& other, int rounds, double goal) {
    std::vector<double> a, b;
    for (int round = 0; round < rounds; ++round) {
        prepare();
        double start = Seconds();
        job();
        a.push_back(Seconds() - start);
        start = Seconds();
        other();
        b.push_back(Seconds() - start);
    }
    const double ratio = Median(a) / Median(b);
    std::printf("%-44s %10.1f us\n%-44s %10.1f us\nratio %-38s %10.2f\n", name, Median(a) * 1e6, otherName,
                Median(b) * 1e6, "(first / second)", ratio);
    if (goal > 0) std::printf("goal: at most %.2f\n\n", goal);
    return ratio;
}

}  // namespace

int main() {
    huecast::TForm1 form;
    form.Show(SW_SHOWNOACTIVATE);
    HWND editor = GetDlgItem(form.Handle(), huecast::ids::kRichEdit1);
    const auto select = [editor](int from, int to) { SendMessageW(editor, EM_SETSEL, from, to); };
    const auto repaint = [editor] { UpdateWindow(editor); };

    // A 200-letter line, a colour per letter.
    SetWindowTextW(editor, Letters(200).c_str());
    select(0, 0);
    form.RainbowClick();
    auto& edit = static_cast<huecast::gui::RichEdit&>(*huecast::gui::Window::FromHandle(editor));
    const std::string perLetter = edit.StreamOut();
    const auto restore = [&] {
        edit.StreamIn(perLetter);
        select(-1, -1);
        repaint();
    };
    // Each round starts from an editor with nothing to undo, as a user's work mostly does: Wine's editor
    // takes longer for every change the deeper its undo history is.
    const auto freshHistory = [editor] { SendMessageW(editor, EM_EMPTYUNDOBUFFER, 0, 0); };
    // A letter typed and taken back: two keystrokes, so the figure is halved to one.
    const auto keystrokes = [&] {
        SendMessageW(editor, WM_CHAR, L'a', 1);
        SendMessageW(editor, WM_CHAR, VK_BACK, 1);
        repaint();
    };
    const double fit = Compare(
        "fit 200-letter rainbow into one message",
        [&] {
            restore();
            freshHistory();
        },
        [&] {
            form.FitToOneMessageClick();
            repaint();
        },
        "two keystrokes, same line", keystrokes, 21, 0);
    std::printf("fitting and applying costs %.2f keystrokes (goal: at most 3.00)\n\n", fit * 2);

    // 400 characters, all selected.
    SetWindowTextW(editor, Letters(400).c_str());
    select(0, -1);
    HWND swatch =
        GetDlgItem(GetDlgItem(form.Handle(), huecast::ids::kSkinGroupBox6), huecast::ids::SwatchId(3));
    const double rainbow = Compare(
        "rainbow over 400 characters", freshHistory,
        [&] {
            form.RainbowClick();
            repaint();
        },
        "one colour on the same selection",
        [&] {
            SendMessageW(GetParent(swatch), WM_COMMAND, MAKEWPARAM(huecast::ids::SwatchId(3), STN_CLICKED),
                         reinterpret_cast<LPARAM>(swatch));
            repaint();
        },
        21, 10.0);
    return fit > 0 && rainbow > 0 ? 0 : 1;
}
