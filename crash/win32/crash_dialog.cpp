// The crash dialog: a short view with the message and the buttons, and a detailed view that adds two tabs,
// the report's blocks ("General") and the call stack as a six-column list ("Details"). Its size, place
// and column widths live in "CrashLog.ini".
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <string>

#include "crash/win32/crash_internal.h"

namespace huecast::crash {

namespace {

constexpr char kIniFile[] = "CrashLog.ini";
constexpr char kSection[] = "Coordinates";

enum ControlId : int { idIcon = 100, idIntro, idSummary, idTab, idGeneral, idList, idTerminate, idDetails };

constexpr int kPad = 10;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 26;
constexpr int kTabTop = 124;
constexpr int kDefaultColumns[6] = {90, 110, 130, 150, 170, 50};

struct DialogState {
    const DialogContent* content;
    const TCrashModuleOptions* options;
    DialogChoice choice = DialogChoice::Close;
    bool detailed = false;
    HFONT uiFont = nullptr, boldFont = nullptr, monoFont = nullptr;
    int detailedHeight = 385;  // window height of the detailed view
    int shortHeight = 0;       // window height of the short view
    int columns[6] = {};
};

HFONT MakeFont(const char* face, int points, int weight, DWORD pitch = DEFAULT_PITCH | FF_DONTCARE) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, pitch, face);
}

int IniInt(const char* key, int fallback) {
    return static_cast<int>(GetPrivateProfileIntA(kSection, key, fallback, kIniFile));
}

void IniWrite(const char* key, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    WritePrivateProfileStringA(kSection, key, text, kIniFile);
}

HWND Item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

int WindowHeightForClient(HWND dialog, int clientHeight) {
    RECT r{0, 0, 100, clientHeight};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
    return r.bottom - r.top;
}

void ShowPage(HWND dialog) {
    const int page = TabCtrl_GetCurSel(Item(dialog, idTab));
    ShowWindow(Item(dialog, idGeneral), page == 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(Item(dialog, idList), page == 1 ? SW_SHOW : SW_HIDE);
}

void Layout(HWND dialog) {
    RECT client;
    GetClientRect(dialog, &client);
    const int width = client.right, height = client.bottom;
    const int buttonsX = width - kPad - kButtonWidth;
    const int textX = kPad + 32 + kPad;
    const int textWidth = std::max(40, buttonsX - kPad - textX);
    HDWP defer = BeginDeferWindowPos(9);
    auto place = [&](int id, int x, int y, int w, int h) {
        defer = DeferWindowPos(defer, Item(dialog, id), nullptr, x, y, std::max(w, 0), std::max(h, 0),
                               SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(idIcon, kPad, kPad + 2, 32, 32);
    place(idIntro, textX, kPad, textWidth, 44);
    place(idSummary, textX, kPad + 50, textWidth, 54);
    place(IDOK, buttonsX, kPad, kButtonWidth, kButtonHeight);
    place(idTerminate, buttonsX, kPad + kButtonHeight + 6, kButtonWidth, kButtonHeight);
    place(idDetails, buttonsX, kPad + 2 * (kButtonHeight + 6), kButtonWidth, kButtonHeight);
    place(idTab, kPad, kTabTop, width - 2 * kPad, height - kTabTop - kPad);
    RECT page{kPad, kTabTop, width - kPad, height - kPad};
    TabCtrl_AdjustRect(Item(dialog, idTab), FALSE, &page);
    place(idGeneral, page.left, page.top, page.right - page.left, page.bottom - page.top);
    place(idList, page.left, page.top, page.right - page.left, page.bottom - page.top);
    EndDeferWindowPos(defer);
}

void SetDetailed(HWND dialog, DialogState& state, bool detailed) {
    state.detailed = detailed;
    const int show = detailed ? SW_SHOW : SW_HIDE;
    ShowWindow(Item(dialog, idTab), show);
    if (detailed)
        ShowPage(dialog);
    else {
        ShowWindow(Item(dialog, idGeneral), SW_HIDE);
        ShowWindow(Item(dialog, idList), SW_HIDE);
    }
    RECT window;
    GetWindowRect(dialog, &window);
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left,
                 detailed ? state.detailedHeight : state.shortHeight, SWP_NOMOVE | SWP_NOZORDER);
}

std::string_view ReportBlocks(std::string_view report) {
    // The blocks end where the call-stack table's first rule begins.
    const std::size_t rule = report.find("\r\n-");
    return rule == std::string_view::npos ? report : report.substr(0, rule + 2);
}

HWND AddControl(HWND dialog, const char* className, const char* text, DWORD style, DWORD exStyle, int id,
                HFONT font) {
    HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | style, 0, 0, 10, 10, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void FillList(HWND list, const DialogState& state) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    for (int c = 0; c < 6; ++c) {
        std::string caption = state.options->Text(static_cast<TextIndex>(txColumnAddress + c));
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        column.fmt = c == 5 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = state.columns[c];
        column.pszText = caption.data();
        column.iSubItem = c;
        SendMessageA(list, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    int index = 0;
    for (const StackRow& row : state.content->rows) {
        char address[20], line[16];
        std::snprintf(address, sizeof address, "%08" PRIX64, row.address);
        line[0] = '\0';
        if (row.line) std::snprintf(line, sizeof line, "%d", row.line);
        std::string_view module = row.module;
        if (const std::size_t slash = module.find_last_of('\\'); slash != std::string_view::npos)
            module.remove_prefix(slash + 1);
        const std::string cells[6] = {address,
                                      std::string(module),
                                      std::string(row.unit),
                                      std::string(row.className),
                                      std::string(row.procedure),
                                      line};
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<char*>(cells[0].c_str());
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < 6; ++c) {
            item.iSubItem = c;
            item.pszText = const_cast<char*>(cells[c].c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
        }
        ++index;
    }
}

void InitDialog(HWND dialog, DialogState& state) {
    const TCrashModuleOptions& o = *state.options;
    SetWindowTextA(dialog, o.Text(txError).c_str());
    state.uiFont = MakeFont("Verdana", 8, FW_NORMAL);
    state.boldFont = MakeFont("Verdana", 8, FW_BOLD);
    // Where the face is missing, the system picks another fixed-pitch one: the report's columns line up.
    state.monoFont = MakeFont("Lucida Console", 9, FW_NORMAL, FIXED_PITCH | FF_MODERN);

    HWND icon = AddControl(dialog, "STATIC", "", WS_VISIBLE | SS_ICON, 0, idIcon, state.uiFont);
    SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_ERROR)), 0);
    AddControl(dialog, "STATIC", o.Text(txDialogIntro).c_str(), WS_VISIBLE | SS_NOPREFIX, 0, idIntro,
               state.uiFont);
    AddControl(dialog, "STATIC", std::string(state.content->summary).c_str(),
               WS_VISIBLE | SS_NOPREFIX | SS_EDITCONTROL | SS_ENDELLIPSIS, 0, idSummary, state.boldFont);
    AddControl(dialog, "BUTTON", o.Text(txOkButton).c_str(), WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
               IDOK, state.uiFont);
    AddControl(dialog, "BUTTON", o.Text(o.restartButton ? txRestartButton : txTerminateButton).c_str(),
               WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, idTerminate, state.uiFont);
    AddControl(dialog, "BUTTON", o.Text(txDetailsButton).c_str(), WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
               idDetails, state.uiFont);

    HWND tab = AddControl(dialog, WC_TABCONTROLA, "", WS_CLIPSIBLINGS | WS_TABSTOP, 0, idTab, state.uiFont);
    for (int i = 0; i < 2; ++i) {
        std::string caption = o.Text(i == 0 ? txGeneralTab : txDetailsTab);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    TabCtrl_SetCurSel(tab, o.detailsTabFirst ? 1 : 0);
    const std::string blocks(ReportBlocks(state.content->report));
    AddControl(dialog, "EDIT", blocks.c_str(),
               WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
               WS_EX_CLIENTEDGE, idGeneral, state.monoFont);
    HWND list =
        AddControl(dialog, WC_LISTVIEWA, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                   WS_EX_CLIENTEDGE, idList, state.monoFont);
    // The pages lie on the tab control, so they go above it: below, the tab's background painted over
    // their frames and scroll bars.
    for (int page : {idList, idGeneral})
        SetWindowPos(Item(dialog, page), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (int c = 0; c < 6; ++c) {
        char key[8];
        std::snprintf(key, sizeof key, "Col%d", c);
        const int stored = IniInt(key, -1);
        state.columns[c] = stored < 0 ? kDefaultColumns[c] : std::clamp(stored, 10, 2000);
    }
    FillList(list, state);
    // Without stored widths the columns fit their content.
    for (int c = 0; c < 6; ++c) {
        char key[8];
        std::snprintf(key, sizeof key, "Col%d", c);
        if (IniInt(key, -1) < 0) ListView_SetColumnWidth(list, c, LVSCW_AUTOSIZE_USEHEADER);
    }

    // Size and place: the stored ones, kept on the screen; centred by default.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int workWidth = work.right - work.left, workHeight = work.bottom - work.top;
    const int width = std::clamp(IniInt("Width", 640), 420, std::max(420, workWidth));
    state.shortHeight = WindowHeightForClient(dialog, kTabTop - 2);
    state.detailedHeight = std::clamp(IniInt("Height", 385), state.shortHeight + 120,
                                      std::max(state.shortHeight + 120, workHeight));
    const int left =
        std::clamp(IniInt("Left", work.left + (workWidth - width) / 2), static_cast<int>(work.left),
                   static_cast<int>(std::max(work.left, work.right - width)));
    const int top = std::clamp(IniInt("Top", work.top + (workHeight - state.detailedHeight) / 2),
                               static_cast<int>(work.top),
                               static_cast<int>(std::max(work.top, work.bottom - state.detailedHeight)));
    SetWindowPos(dialog, HWND_TOPMOST, left, top, width, state.shortHeight, 0);
    Layout(dialog);
    SetDetailed(dialog, state, false);
    if (IniInt("WindowsState", SW_SHOWNORMAL) == SW_SHOWMAXIMIZED) {
        SetDetailed(dialog, state, true);
        ShowWindow(dialog, SW_SHOWMAXIMIZED);
    }
    SetFocus(Item(dialog, IDOK));
}

void SavePlacement(HWND dialog, const DialogState& state) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(dialog, &placement);
    const RECT& r = placement.rcNormalPosition;
    IniWrite("Width", r.right - r.left);
    IniWrite("Height", state.detailed ? r.bottom - r.top : state.detailedHeight);
    IniWrite("Left", r.left);
    IniWrite("Top", r.top);
    IniWrite("WindowsState", placement.showCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    HWND list = Item(dialog, idList);
    for (int c = 0; c < 6; ++c) {
        char key[8];
        std::snprintf(key, sizeof key, "Col%d", c);
        IniWrite(key, ListView_GetColumnWidth(list, c));
    }
}

void Close(HWND dialog, DialogState& state, DialogChoice choice) {
    state.choice = choice;
    SavePlacement(dialog, state);
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            InitDialog(dialog, *reinterpret_cast<DialogState*>(lParam));
            return FALSE;  // the focus is set
        case WM_SIZE:
            if (state) Layout(dialog);
            return TRUE;
        case WM_GETMINMAXINFO:
            if (state) {
                auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
                info->ptMinTrackSize.x = 420;
                info->ptMinTrackSize.y = state->detailed ? state->shortHeight + 120 : state->shortHeight;
                if (!state->detailed) info->ptMaxTrackSize.y = state->shortHeight;
            }
            return TRUE;
        case WM_EXITSIZEMOVE:
            if (state && state->detailed && !IsZoomed(dialog)) {
                RECT r;
                GetWindowRect(dialog, &r);
                state->detailedHeight = r.bottom - r.top;
            }
            return TRUE;
        case WM_CTLCOLORSTATIC:
            // The report reads like a document, on the window colour rather than the read-only grey.
            if (reinterpret_cast<HWND>(lParam) == Item(dialog, idGeneral)) {
                SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
                SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
                return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
            }
            return FALSE;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->idFrom == idTab &&
                reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE)
                ShowPage(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                case IDCANCEL:
                    Close(dialog, *state, DialogChoice::Close);
                    return TRUE;
                case idTerminate:
                    Close(dialog, *state, DialogChoice::Terminate);
                    return TRUE;
                case idDetails:
                    SetDetailed(dialog, *state, !state->detailed);
                    return TRUE;
            }
            return FALSE;
        case WM_DESTROY:
            if (state) {
                DeleteObject(state->uiFont);
                DeleteObject(state->boldFont);
                DeleteObject(state->monoFont);
            }
            return FALSE;
    }
    return FALSE;
}

}  // namespace

bool ShowCrashDialog(const DialogContent& content, const TCrashModuleOptions& options, DialogChoice& choice) {
    HWND foreground = GetForegroundWindow();
    MessageBeep(MB_ICONHAND);
    DialogState state{&content, &options};
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), "Dialog", nullptr, DialogProc,
                                           reinterpret_cast<LPARAM>(&state));
    if (foreground && IsWindow(foreground)) SetForegroundWindow(foreground);
    if (result <= 0) return false;
    choice = state.choice;
    return true;
}

}  // namespace huecast::crash
