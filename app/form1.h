// The main window: the editor, its formatting controls, the favourites, the chat-window list and the
// commands. Handlers are named by what they do (CopyClick, AddFavouriteClick), controls by what they are
// (copyButton_, favouriteList_); each control's item number in app/control_ids.h keeps the design's
// component name (ids::kButton1), by which tests find it. Each group of handlers lives in its own file:
//   form1.cpp             creation, FormCreate, FormClose, EditorChange, Copy and Clear
//   form1_layout.cpp      the controls with their geometry, captions, initial state and hints
//   form1_formatting.cpp  font, size, style, colours, random colours, symbols, following the selection
//   form1_favourites.cpp  the favourites and rtf.ini
//   form1_send.cpp        the chat-window list and Send
//   form1_colours.cpp     the editor's context menu: editing, gradients, the rainbow, fitting into one
//                         message, and the length display's hint about fitting
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "colour/colour_steps.h"
#include "convert/code_page.h"
#include "convert/editor_rtf.h"
#include "gui/color_dialog.h"
#include "gui/combo_box.h"
#include "gui/edit.h"
#include "gui/fonts.h"
#include "gui/image_list.h"
#include "gui/rich_edit.h"
#include "gui/static_text.h"
#include "gui/timer.h"
#include "gui/window.h"
#include "skin/format/skin_choices.h"
#include "skin/format/win32/form_skin.h"
#include "skin/popups/win32/hint.h"
#include "skin/popups/win32/menu.h"
#include "skin/message_box/win32/message_box.h"
#include "skin/lists/win32/combo_box.h"
#include "skin/lists/win32/list_box.h"
#include "skin/lists/win32/rich_edit.h"
#include "skin/lists/win32/scroll_bar.h"
#include "skin/lists/win32/track_bar.h"
#include "skin/frame/win32/system_menu.h"
#include "skin/frame/win32/frame.h"
#include "skin/controls/win32/button.h"
#include "skin/controls/win32/check_radio_box.h"
#include "skin/controls/win32/item_groups.h"
#include "skin/controls/win32/panel.h"

namespace huecast {

class TAAScrollTextWindow;  // aatext/win32/scroll_text_window.h

class TForm1 : public gui::Window {
  public:
    static constexpr const char* kClassName = "HUEC2";
    static constexpr const char* kCaption = "Huecast2.4 For 2000/XP";

    // `owner`: the application window, which stands for the form in the task bar; without one (a test, a
    // benchmark) the form is a task-bar window of its own.
    explicit TForm1(HWND owner = nullptr);
    ~TForm1() override;

    void Show(int showCommand);

    // The editor's rich text (favourites store it; the conversion reads it).
    std::string ReadEditorRtf();
    // The command of a skin in the system menu's 皮肤(&K): switches every window to it, or refuses it with
    // a message and keeps the skin in use (form1_skins.cpp).
    void ChooseSkin(const skin::SkinChoice& choice);

    // Two commands of the editor's context menu, open to the measurements that time them as it runs them.
    void RainbowClick();
    void FitToOneMessageClick();

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // form1_layout.cpp
    void CreateControls();
    skin::ListBoxArgs ListBoxAt(const gui::ControlArgs& control);

    // form1_images.cpp
    static gui::ImageListHandle MakeCheckBoxImages();
    void AddHints();

    // form1.cpp
    void SetUpMessageBox();
    void FormCreate();
    void FormClose();
    void EditorChange();
    void CopyClick();
    void ClearClick();
    // The skinned message box: an error with its OK button, and the warning that asks Yes or No.
    void ShowError(const std::string& text);
    int AskWarning(const std::string& text);
    skin::TSkinMessage messageBox_;
    // The converted text of the editor's current content.
    std::string ConvertEditor();
    static const CodePageConverter& SystemCodePage();
    // The editor's content as the messages it is sent in when it is too long for one: converted whole,
    // without the plain text's limit, and split. Throws UrtfSplitError for a character too large for any
    // message.
    std::vector<std::string> MessageParts();
    // The length display's caption for a converted text.
    std::string LengthCaption(const std::string& converted);
    // The length display for the editor's text, whose plain text without CR LF pairs is `plain`. A text
    // certain to exceed the limit is not converted on every keystroke: how many messages it takes is counted
    // once typing pauses (CountParts), so that a long text never slows typing down.
    void UpdateLengthDisplay(const std::string& plain);
    void CountParts();
    std::unique_ptr<gui::Timer> partsTimer_;
    // Copy and Send: `text` onto the clipboard, or a message saying that another program holds it. True when
    // the text is on the clipboard.
    bool PutOnClipboard(const std::string& text);
    // The editor's plain text without its CR LF pairs: in the system code page ('?' for what it lacks), and
    // whole.
    std::string EditorPlainText() const;
    std::wstring WideEditorPlainText() const;
    // The name a work takes from its text (without CR LF pairs): the text, or as much of it as a name
    // stored in rtf.ini can hold.
    static std::wstring DefaultName(const std::wstring& text);
    // Uniformly one of the swatches but the last: the seventh (grey) is never picked.
    int RandomSwatch();
    gui::StaticText& Swatch(int index) { return *swatches_.at(static_cast<std::size_t>(index)); }

    // form1_formatting.cpp
    void WireFormatting();
    void FontNameClick();
    void FontStyleClick();
    void FontSizeChange();
    void TypedSizeKeyDown(WPARAM key);
    void SwatchClick(gui::StaticText& sender);
    void SwatchDblClick(gui::StaticText& sender);
    void RandomColourClick();
    void EditorKeyDown(WPARAM key);
    void SymbolFontClick();
    void InsertSymbolClick();
    void EditorSelectionChange();
    // The symbol list shows each symbol drawn in the chosen symbol font, one symbol an item, so many
    // items at a time when dropped down.
    static constexpr int kSymbolFontHeight = 32;
    static constexpr int kSymbolItemHeight = 33;
    static constexpr int kSymbolsDropped = 10;
    void SetSymbolFont(const std::string& face);
    // Runs a change of the selection's font, size or style without the per-character random colour.
    template <typename Change>
    void ApplyFormat(Change change);
    gui::ColorDialog colorDialog_;

    // form1_favourites.cpp
    void WireFavourites();
    void LoadFavourites();
    // Writes the list to rtf.ini; on failure tells the user why and keeps the list. True when written.
    bool SaveFavourites();
    void OpenFavouriteClick();
    void AddFavouriteClick();
    void ModifyFavouriteClick();
    void DeleteFavouriteClick();
    // The name field's text as rtf.ini stores it, or nothing after telling the user why it cannot be:
    // `whenMissing` for an empty field, which then takes the work's own text.
    std::optional<std::string> NameToStore(const std::string& whenMissing);
    // Set when rtf.ini existed but could not be read: saving would overwrite the works it holds.
    bool favouritesUnreadable_ = false;

    // form1_send.cpp
    void WireSend();
    void RefreshChatList();
    void SendClick();
    // After a failed Send of several parts: the editor keeps only the characters of the parts not sent.
    void RemoveSentParts(const std::vector<std::string>& parts, std::size_t sent);
    std::unique_ptr<gui::Timer> chatListTimer_;
    bool sending_ = false;  // a Send is waiting for the messenger

    // form1_colours.cpp
    void WireColours();
    // The editor's context menu at the screen point `at`.
    void RichEdit1ContextPopup(POINT at);
    void EditUndoClick();
    void EditCutClick();
    void EditCopyClick();
    void EditPasteClick();
    void EditDeleteClick();
    void EditSelectAllClick();
    void GradientClick();
    // Gives the selected text (all of it when nothing is selected) the colours `recolour` makes of its runs;
    // with `fit`, then fits the whole work into one message when it has grown too long. The editor gets the
    // result in one stream, which one undo takes back.
    void ApplyColours(const std::function<std::vector<TextRun>(std::span<const TextRun>)>& recolour, bool fit);
    // ApplyColours' work while the editor keeps quiet; the bytes the work needs when it cannot be fitted.
    std::optional<std::size_t> RecolourQuietly(
        const std::function<std::vector<TextRun>(std::span<const TextRun>)>& recolour, bool fit);
    // The length display's hint while the work is over the limit: whether fitting can make it fit. It
    // stands as a marker until the hint shows, then FitHint works it out.
    void UpdateFitHint(bool overLimit);
    std::string FitHint();
    static constexpr const char* kFitHintMarker = "\x01fit";
    // The editor's context menu; its items live as long as it may be open.
    std::unique_ptr<skin::TSkinPopupMenu> PopupMenu1;
    // The command chosen from it, run by the message kMenuCommandMessage once the menu has gone.
    static constexpr UINT kMenuCommandMessage = WM_APP + 1;
    std::function<void()> menuCommand_;
    void RunMenuCommand();
    // What the gradient dialog showed last.
    Gradient gradient_;
    bool fitGradient_ = true;

    // form1_banner.cpp
    void CreateBanner();
    std::uint32_t BannerBackColor();
    void SkinChangedBanner();  // the banner's background follows the skin
    // The credits banner, docked to the bottom. Its header stays out of this one: the form's files are
    // compiled for the GBK execution character set, which some standard headers it includes do not fit.
    struct BannerDeleter {
        void operator()(TAAScrollTextWindow* banner) const;
    };
    std::unique_ptr<TAAScrollTextWindow, BannerDeleter> banner_;

    // The skin in use: the built-in skin's stored skin (StoredSkin1) and the skin data object (SkinData1)
    // that every skinned part of the window draws from.
    skin::FormSkin skin_;

    // form1_skins.cpp: the skins to choose from in the system menu, the remembered choice.
    void LoadStartSkin();
    std::vector<skin::TMenuItem> SkinMenuItems();
    // On every skin change: what has no skin element of its own (the banner, the edit fields) takes the
    // skin's tone.
    void SkinChangedPlainParts();
    std::string currentSkin_;  // the name the skin menu shows for the skin in use
    // The skinned frame: caption, caption buttons and border drawn from the skin.
    std::unique_ptr<skin::TSkinFrame> frame_;
    void CreateSkinFrame();

    gui::ImageListHandle checkBoxImages_;  // the check boxes' three images
    gui::FontHandle formFont_;
    gui::FontHandle lengthFont_;
    gui::FontHandle editorFont_;
    // The skinned hint: every control's hint text in the built-in skin's hint window.
    std::unique_ptr<skin::TSkinHint> hint_;

    // The controls, in the order form1_layout.cpp creates them.
    std::unique_ptr<skin::TSkinRichEdit> editor_;
    std::unique_ptr<skin::TSkinScrollBar> horizontalBar_;  // the editor's bars
    std::unique_ptr<skin::TSkinScrollBar> verticalBar_;
    std::unique_ptr<gui::StaticText> lengthDisplay_;
    std::unique_ptr<skin::TSkinButton> copyButton_;
    std::unique_ptr<skin::TSkinButton> sendButton_;
    std::unique_ptr<skin::TSkinButton> clearButton_;
    std::unique_ptr<skin::TSkinCheckRadioBox> activateAfterSend_;
    std::unique_ptr<skin::TSkinCheckRadioBox> clearAfterSend_;
    std::unique_ptr<skin::TSkinCheckRadioBox> clearClipboardToo_;
    std::unique_ptr<skin::TSkinGroupBox> swatchGroup_;
    std::vector<std::unique_ptr<gui::StaticText>> swatches_;  // StaticText1 to StaticText7
    std::unique_ptr<skin::TSkinRadioGroup> randomColour_;
    std::unique_ptr<skin::TSkinGroupBox> fontGroup_;
    std::unique_ptr<skin::TSkinComboBox> fontNames_;
    std::unique_ptr<skin::TSkinCheckGroup> fontStyles_;
    std::unique_ptr<skin::TSkinGroupBox> symbolGroup_;
    std::unique_ptr<skin::TSkinComboBox> symbolFonts_;
    std::unique_ptr<gui::ComboBox> symbols_;
    std::unique_ptr<skin::TSkinGroupBox> sizeGroup_;
    std::unique_ptr<skin::TSkinTrackBar> sizeBar_;
    std::unique_ptr<gui::Edit> sizeField_;
    std::unique_ptr<skin::TSkinGroupBox> favouritesGroup_;
    std::unique_ptr<gui::Edit> nameField_;
    std::unique_ptr<skin::TSkinListBox> favouriteList_;
    std::unique_ptr<skin::TSkinButton> addFavouriteButton_;
    std::unique_ptr<skin::TSkinButton> modifyFavouriteButton_;
    std::unique_ptr<skin::TSkinButton> deleteFavouriteButton_;
    std::unique_ptr<skin::TSkinPanel> chatPanel_;
    std::unique_ptr<skin::TSkinCheckRadioBox> showNicknames_;
    std::unique_ptr<skin::TSkinListBox> chatList_;

    // Owned from FormCreate to FormClose.
    std::string favouritesFile_;  // rtf.ini beside the executable
    std::unique_ptr<std::vector<std::string>> favouriteRtfs_;
    std::unique_ptr<std::vector<std::string>> chatHandles_;
    std::unique_ptr<std::vector<std::string>> chatCaptions_;

    bool applyFlag_ = false;  // false only while the controls follow the selection
    std::mt19937 random_{std::random_device{}()};
};

}  // namespace huecast
