// Creation and closing of the main window, the editor's change handler, Copy and Clear.
#include "app/form1.h"

#include <algorithm>
#include <cstdint>

#include "app/control_ids.h"
#include "app/program_icons.h"
#include "app/read_editor_rtf.h"
#include "convert/urtf.h"
#include "convert/urtf_reader.h"
#include "convert/urtf_split.h"
#include "convert/win32/ansi_code_page.h"
#include "gui/application.h"
#include "gui/clipboard.h"

namespace huecast {

namespace {

// The messenger takes at most this many bytes; the length display warns above the same number.
constexpr std::size_t kMaxConvertedBytes = kMaxUrtfBytes;

constexpr const char* kTooLongMessage =
    "您生成的编码超出了QQ所能发送的限制！\r请你尽量少选些颜色或少打长句或少用不同的字体！";

constexpr const char* kOverLimitCaption = "超出范围";

// How long typing must pause before the messages of a long text are counted.
constexpr UINT kPartsCountDelayMs = 300;

// Client area, opening position and the largest window size.
constexpr int kClientWidth = 599;
constexpr int kClientHeight = 419;
constexpr int kLeft = 186;
constexpr int kTop = 201;
constexpr int kMaxWidth = 610;
constexpr int kMaxHeight = 458;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                         WS_THICKFRAME | WS_CLIPCHILDREN;

template <typename Text>
Text WithoutCrLf(const Text& text) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        else
            out += text[i];
    }
    return out;
}

bool IsBlank(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c <= 32; });
}

}  // namespace

TForm1::TForm1(HWND owner) {
    const ProgramIcons icons = LoadProgramIcons();
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_CONTROLPARENT);
    Create({.className = kClassName,
            .caption = kCaption,
            .style = kStyle,
            .exStyle = WS_EX_CONTROLPARENT,
            .x = kLeft,
            .y = kTop,
            .width = frame.right - frame.left,
            .height = frame.bottom - frame.top,
            .parent = owner,
            .icon = icons.largeIcon});
    // The frame draws the caption's small icon: the icon's own 16-pixel image.
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.smallIcon));
    LoadStartSkin();
    CreateSkinFrame();
    CreateControls();
    SetUpMessageBox();

    editor_->onChange = [this] { EditorChange(); };
    copyButton_->onClick = [this] { CopyClick(); };
    clearButton_->onClick = [this] { ClearClick(); };
    WireFormatting();
    WireFavourites();
    WireSend();
    WireColours();
    CreateBanner();
    SkinChangedPlainParts();  // made after the skin was attached, they take its tone now

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::SetUpMessageBox() {
    // Translucent, in red 14-pixel 宋体 on the skin's buttons and label colour.
    messageBox_.alphaBlend = true;
    messageBox_.alphaBlendValue = 230;
    messageBox_.skinData = messageBox_.ctrlSkinData = &skin_.Data();
    messageBox_.buttonSkinDataName = "button";
    messageBox_.messageLabelSkinDataName = "stdlabel";
    messageBox_.defaultFont = messageBox_.defaultButtonFont = {"宋体", 14, false, GB2312_CHARSET};
    messageBox_.defaultFontColor = messageBox_.defaultButtonFontColor = RGB(255, 0, 0);
    messageBox_.useSkinFont = false;
}

void TForm1::ShowError(const std::string& text) {
    messageBox_.Execute(Handle(), text, skin::MsgDlgType::Error, {skin::MsgDlgBtn::OK});
}

int TForm1::AskWarning(const std::string& text) {
    return messageBox_.Execute(Handle(), text, skin::MsgDlgType::Warning,
                               {skin::MsgDlgBtn::Yes, skin::MsgDlgBtn::No});
}

void TForm1::Show(int showCommand) {
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            FormClose();
            DestroyWindow(Handle());
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case kMenuCommandMessage:
            RunMenuCommand();
            return 0;
        case WM_GETMINMAXINFO: {
            // The skinned frame is wider than the system's: the window may always hold its whole client area.
            const Size framed = frame_ ? frame_->WindowSizeFor({kClientWidth, kClientHeight}) : Size{};
            const POINT largest{std::max(kMaxWidth, framed.cx), std::max(kMaxHeight, framed.cy)};
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMaxSize = largest;
            info->ptMaxTrackSize = largest;
            return 0;
        }
        default:
            return gui::Window::HandleMessage(message, wParam, lParam);
    }
}

void TForm1::CreateSkinFrame() {
    frame_ = std::make_unique<skin::TSkinFrame>(Handle());
    frame_->borderIcons = {.systemMenu = true, .minimize = true, .maximize = true, .rollUp = false};
    frame_->magnetic = false;
    frame_->magneticSize = 5;
    frame_->minWidth = 0;
    frame_->minHeight = 0;
    frame_->alphaBlend = false;
    frame_->alphaBlendValue = 230;
    frame_->showIcon = true;
    frame_->defCaptionFont = {.face = "宋体", .height = 16, .bold = false, .color = RGB(0, 0, 255)};
    frame_->defInActiveCaptionFont = {.face = "宋体", .height = 16, .bold = true, .color = RGB(0, 0, 255)};
    // Its system menu in the skinned menus (MenusSkinData is SkinData1), with the skins to choose from.
    frame_->SetSystemMenuPopup(std::make_unique<skin::SkinnedSystemMenu>(&skin_.Data()));
    frame_->applicationMenuItems = [this] { return SkinMenuItems(); };
    frame_->onChangeSkinData = [this] { SkinChangedPlainParts(); };
    frame_->SetSkinData(&skin_.Data());
    // The client area keeps its designed size inside whichever frame the skin gives.
    const Size size = frame_->WindowSizeFor({kClientWidth, kClientHeight});
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::FormCreate() {
    applyFlag_ = true;
    for (int i = 0; i < ids::kSwatchCount; ++i) {
        gui::StaticText& swatch = Swatch(i);
        swatch.tag = i;
        swatch.SetText(std::to_string(i));
        swatch.SetFontColor(0xFFFFFF - swatch.Color());
    }
    sizeField_->AddStyle(ES_NUMBER);

    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory = path;
    directory.erase(directory.find_last_of("\\/") + 1);
    favouritesFile_ = directory + "rtf.ini";
    favouriteRtfs_ = std::make_unique<std::vector<std::string>>();
    chatHandles_ = std::make_unique<std::vector<std::string>>();
    chatCaptions_ = std::make_unique<std::vector<std::string>>();

    LoadFavourites();

    editor_->Select(0, -1);
    editor_->SetSelFontName("宋体");
    editor_->SetSelSize(30);
    editor_->SetSelColor(Swatch(0).Color());

    symbolFonts_->Add("Webdings");
    symbolFonts_->Add("Wingdings");
    symbolFonts_->SetItemIndex(0);
    SetSymbolFont("Webdings");

    favouriteList_->SetItemIndex(0);
    OpenFavouriteClick();
}

void TForm1::FormClose() {
    SaveFavourites();
    favouriteRtfs_.reset();
    chatHandles_.reset();
    chatCaptions_.reset();
}

std::string TForm1::EditorPlainText() const {
    return WithoutCrLf(editor_->PlainText());
}

std::wstring TForm1::WideEditorPlainText() const {
    return WithoutCrLf(editor_->WidePlainText());
}

std::wstring TForm1::DefaultName(const std::wstring& text) {
    // The readers of rtf.ini take a value of at most 2,047 bytes, which 1,023 characters of the code page
    // never exceed; a longer name would come back cut. Copying a pasted page into the single-line field
    // would also cost more on every keystroke than all the rest of the handling.
    constexpr std::size_t kMaxNameCharacters = 1023;
    std::size_t length = std::min(text.size(), kMaxNameCharacters);
    if (length < text.size() && length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF)
        --length;  // never half a surrogate pair
    return text.substr(0, length);
}

std::string TForm1::ReadEditorRtf() {
    return huecast::ReadEditorRtf(*editor_);
}

const CodePageConverter& TForm1::SystemCodePage() {
    static const AnsiCodePageConverter systemCodePage;
    return systemCodePage;
}

std::string TForm1::ConvertEditor() {
    // The editor's own plain text pairs with its rich text; the name field may hold anything.
    return ConvertToUrtf(ReadEditorRtf(), EditorPlainText(), SystemCodePage());
}

std::vector<std::string> TForm1::MessageParts() {
    const std::string whole = ConvertToUrtf(ReadEditorRtf(), EditorPlainText(), SystemCodePage(), SIZE_MAX);
    return SplitUrtf(ReadUrtf(whole, SystemCodePage()));
}

std::string TForm1::LengthCaption(const std::string& converted) {
    // Exactly the limit is still one message, which Copy and Send accept.
    if (converted.size() <= kMaxConvertedBytes) return std::to_string(converted.size());
    // Above the limit the work goes out in parts: say how many.
    try {
        return std::string(kOverLimitCaption) + " (" + std::to_string(MessageParts().size()) + ")";
    } catch (const UrtfSplitError&) {
        return kOverLimitCaption;  // it cannot be sent at all; Send says why
    }
}

void TForm1::UpdateLengthDisplay(const std::string& plain) {
    if (!partsTimer_) {
        partsTimer_ = std::make_unique<gui::Timer>(
            Handle(), kPartsCountDelayMs, [this] { CountParts(); },
            /*enabled=*/false);
    }
    const auto countOncePaused = [this] {
        if (partsTimer_->Enabled())
            partsTimer_->SetInterval(kPartsCountDelayMs);  // starts the wait again
        else
            partsTimer_->SetEnabled(true);
    };
    if (MinimumConvertedSize(plain) > kMaxConvertedBytes) {
        // Until the count, the display says the text is over the limit; an earlier count stays meanwhile
        // rather than flicker with every keystroke.
        if (lengthDisplay_->Text().rfind(kOverLimitCaption, 0) != 0)
            lengthDisplay_->SetText(kOverLimitCaption);
        countOncePaused();
        return;
    }
    const std::string converted = ConvertEditor();
    lengthDisplay_->SetText(LengthCaption(converted));
    // What fitting would give is worked out once typing pauses too.
    if (converted.size() > kMaxConvertedBytes) {
        countOncePaused();
    } else {
        partsTimer_->SetEnabled(false);
        UpdateFitHint(false);
    }
}

void TForm1::CountParts() {
    partsTimer_->SetEnabled(false);
    const std::string converted = ConvertEditor();
    lengthDisplay_->SetText(LengthCaption(converted));
    UpdateFitHint(converted.size() > kMaxConvertedBytes);
}

int TForm1::RandomSwatch() {
    return std::uniform_int_distribution<int>(0, ids::kSwatchCount - 2)(random_);
}

void TForm1::EditorChange() {
    const std::wstring text = WithoutCrLf(editor_->WidePlainText());
    const bool hasText = !IsBlank(text);
    clearButton_->SetEnabled(hasText);
    sendButton_->SetEnabled(hasText);
    copyButton_->SetEnabled(hasText);

    nameField_->SetWideText(DefaultName(text));

    if (randomColour_->Checked() && randomColour_->ItemIndex() == 0)
        editor_->SetSelColor(Swatch(RandomSwatch()).Color());
    // The display follows every change, with random colours or without: a number kept from an earlier text
    // would be a wrong one.
    UpdateLengthDisplay(gui::RichEdit::ToCodePage(text));
}

bool TForm1::PutOnClipboard(const std::string& text) {
    if (gui::clipboard::SetText(Handle(), text)) return true;
    ShowError("剪贴板正被其他程序占用，请稍后再试。");
    return false;
}

void TForm1::CopyClick() {
    // One clipboard holds one message: a work too long for one is sent in parts, never copied.
    const std::string converted = ConvertEditor();
    if (converted.size() > kMaxConvertedBytes) {
        ShowError(kTooLongMessage);
        return;
    }
    PutOnClipboard(converted);
}

void TForm1::ClearClick() {
    if (clearClipboardToo_->Checked()) gui::clipboard::Clear(Handle());
    editor_->Clear();
    editor_->Select(0, 1);
    editor_->SetSelFontName("宋体");
    editor_->SetSelSize(sizeBar_->Value());
    editor_->SetSelColor(Swatch(0).Color());
    editor_->SetFocus();
}

}  // namespace huecast
