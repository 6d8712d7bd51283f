// The skinned value controls against what they replace, side by side in one run:
//   - 200 characters typed into the skinned rich edit whose two skinned bars follow every keystroke,
//     against the same typing into the same editor with no bars bound;
//   - 100 wheel notches over a 1,000-item skinned list box (skinned items, skinned bar) against a system
//     owner-drawn list box drawing the same text in the same font, with its own bar.
// Keys and notches are posted to the window's queue and handled by the message loop, paints included,
// exactly as the system delivers them after TranslateMessage (WM_KEYDOWN, WM_CHAR, WM_KEYUP).
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/win32/side_by_side.h"
#include "skin/lists/win32/list_box.h"
#include "skin/lists/win32/rich_edit.h"
#include "skin/lists/win32/scroll_bar.h"
#include "tests/support/win32/skinned_host.h"

namespace {

using namespace huecast;

constexpr int kItemHeight = 20;

// Handles every message waiting in this thread's queue, paints last, as the message loop does.
void DrainQueue() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    GdiFlush();
}

HFONT ItemFont() {
    static const HFONT font =
        CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "\xCB\xCE\xCC\xE5");
    return font;
}

// A top-level window wearing the built-in skin; it also owner-draws the system list box of the second
// comparison, plainly, with the text the skinned list draws.
class Host : public testing::SkinnedHost {
  public:
    Host() : SkinnedHost({.x = 20, .y = 20, .width = 900, .height = 360, .style = WS_POPUP | WS_VISIBLE}) {}

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MEASUREITEM) {
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kItemHeight;
            return TRUE;
        }
        if (message == WM_DRAWITEM) {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.itemID == static_cast<UINT>(-1)) return TRUE;
            const bool selected = (item.itemState & ODS_SELECTED) != 0;
            FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            char text[64]{};
            SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
            const HGDIOBJ old = SelectObject(item.hDC, ItemFont());
            SetBkMode(item.hDC, TRANSPARENT);
            SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            RECT textRect = item.rcItem;
            textRect.left += 2;
            DrawTextA(item.hDC, text, -1, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(item.hDC, old);
            return TRUE;
        }
        return SkinnedHost::HandleMessage(message, wParam, lParam);
    }
};

// ---- typing ----

struct Editor {
    std::unique_ptr<skin::TSkinRichEdit> edit;
    std::unique_ptr<skin::TSkinScrollBar> hbar, vbar;

    // The main window's editor and its bars, at their places relative to each other, `dx` to the right.
    Editor(Host& host, int dx, bool withBars) {
        edit = std::make_unique<skin::TSkinRichEdit>(
            gui::ControlArgs{host.Handle(), 101 + dx, 8 + dx, 6, 420, 130});
        if (!withBars) return;
        skin::ScrollBarArgs h{.control = gui::ControlArgs{host.Handle(), 102 + dx, 294 + dx, 124, 134, 12},
                              .kind = skin::ScrollBarKind::Horizontal,
                              .skinData = &host.Skin(),
                              .enabled = false};
        skin::ScrollBarArgs v{.control = gui::ControlArgs{host.Handle(), 103 + dx, 414 + dx, 6, 15, 121},
                              .kind = skin::ScrollBarKind::Vertical,
                              .skinData = &host.Skin(),
                              .enabled = false};
        hbar = std::make_unique<skin::TSkinScrollBar>(h);
        vbar = std::make_unique<skin::TSkinScrollBar>(v);
        edit->SetHScrollBar(hbar.get());
        edit->SetVScrollBar(vbar.get());
        SetWindowPos(edit->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    // Twenty lines already there, so both bars have ranges, and the insertion point at the end.
    void Reset() const {
        std::wstring text;
        for (int line = 0; line < 20; ++line)
            text += L"line " + std::to_wstring(line) + L": some words that were written before, and more\r\n";
        SetWindowTextW(edit->Handle(), text.c_str());
        SendMessageW(edit->Handle(), EM_SETSEL, static_cast<WPARAM>(-1), -1);
        DrainQueue();
    }

    // 200 characters, a line break after every 49 letters and spaces, each key handled and painted.
    void Type() const {
        HWND window = edit->Handle();
        for (int i = 0; i < 200; ++i) {
            const wchar_t c =
                i % 50 == 49 ? L'\r' : (i % 6 == 5 ? L' ' : static_cast<wchar_t>(L'a' + i % 26));
            const WPARAM key =
                c == L'\r' ? VK_RETURN : (c == L' ' ? VK_SPACE : static_cast<WPARAM>(c - L'a' + 'A'));
            PostMessageW(window, WM_KEYDOWN, key, 1);
            PostMessageW(window, WM_CHAR, c, 1);
            PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
            DrainQueue();
        }
    }
};

// ---- wheel ----

std::vector<std::string> Items(int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i)
        items.push_back("chat window " + std::to_string(i));
    return items;
}

// Down and back up again, so every round starts at the top.
void Wheel(HWND list, int notches) {
    for (int i = 0; i < notches; ++i) {
        const int delta = i < notches / 2 ? -WHEEL_DELTA : WHEEL_DELTA;
        PostMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
        DrainQueue();
    }
}

}  // namespace

int main() {
    Host host;

    std::printf(
        "typing 200 characters (posted WM_KEYDOWN/WM_CHAR/WM_KEYUP, handled and painted one by one)\n");
    Editor withBars(host, 0, true);
    Editor without(host, 440, false);
    const double typing = bench::SideBySide(
        "skinned editor, bars in step",
        [&] {
            withBars.Reset();
            withBars.Type();
        },
        "same editor, no bars",
        [&] {
            without.Reset();
            without.Type();
        },
        9, 1);
    std::printf("goal: at most 1.30 %s\n\n", typing <= 1.3 ? "(met)" : "(MISSED)");
    if (!IsWindowEnabled(withBars.vbar->Handle()) || !IsWindowEnabled(withBars.hbar->Handle()))
        std::printf("warning: a bar had no range while typing\n");

    std::printf("100 wheel notches over 1,000 items (posted WM_MOUSEWHEEL, each handled and painted)\n");
    skin::ListBoxArgs args;
    args.control = gui::ControlArgs{host.Handle(), 132, 10, 150, 166, 197};
    args.skinData = &host.Skin();
    skin::TSkinListBox skinned(args);
    skinned.SetItems(Items(1000));
    HWND system = CreateWindowExA(
        WS_EX_CLIENTEDGE, "LISTBOX", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, 200,
        150, 166, 197, host.Handle(), reinterpret_cast<HMENU>(133), GetModuleHandleA(nullptr), nullptr);
    for (const std::string& item : Items(1000))
        SendMessageA(system, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    DrainQueue();
    const double wheel = bench::SideBySide(
        "skinned list box", [&] { Wheel(skinned.ListHandle(), 100); }, "system owner-drawn list box",
        [&] { Wheel(system, 100); }, 9, 1);
    UINT lines = 0;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    std::printf("goal: at most 2.00 %s (the skinned list moves one line per notch, the system one %u)\n",
                wheel <= 2.0 ? "(met)" : "(MISSED)", lines);
    DestroyWindow(system);
    return 0;
}
