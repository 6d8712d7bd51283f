// The formatting controls: font, size, style, colours, random colours, symbols, following the selection.
#include <algorithm>
#include <charconv>
#include <utility>

#include "app/control_ids.h"
#include "app/form1.h"

namespace huecast {

namespace {

// Runs an action when the scope ends, however it ends.
template <typename Action>
class OnExit {
  public:
    explicit OnExit(Action action) : action_(std::move(action)) {}
    ~OnExit() { action_(); }
    OnExit(const OnExit&) = delete;
    OnExit& operator=(const OnExit&) = delete;

  private:
    Action action_;
};

constexpr int kStyleItems = 4;  // bold, italic, underline, strike-out: style bits 1, 2, 4 and 8

}  // namespace

void TForm1::WireFormatting() {
    fontNames_->OnClick = [this] { FontNameClick(); };
    fontStyles_->onClick = [this] { FontStyleClick(); };
    sizeBar_->OnChange = [this] { FontSizeChange(); };
    sizeField_->onKeyDown = [this](WPARAM key) { TypedSizeKeyDown(key); };
    for (const auto& swatch : swatches_) {
        gui::StaticText& sender = *swatch;
        sender.onClick = [this, &sender] { SwatchClick(sender); };
        sender.onDblClick = [this, &sender] { SwatchDblClick(sender); };
    }
    randomColour_->onClick = [this] { RandomColourClick(); };
    editor_->onKeyDown = [this](WPARAM key) { EditorKeyDown(key); };
    symbolFonts_->OnClick = [this] { SymbolFontClick(); };
    symbols_->onClick = [this] { InsertSymbolClick(); };
    editor_->onSelectionChange = [this] { EditorSelectionChange(); };
}

// A change of font, size or style must not also recolour the text, which the editor's change handler
// would do in the per-character mode: the mode is set to per-word for the length of the change.
template <typename Change>
void TForm1::ApplyFormat(Change change) {
    if (!applyFlag_) return;
    const bool perCharacter = randomColour_->ItemIndex() == 0;
    if (perCharacter) randomColour_->SetItemIndex(1);
    {
        OnExit perCharacterAgain([&] {
            if (perCharacter) randomColour_->SetItemIndex(0);
        });
        change();
    }
    editor_->SetFocus();
}

void TForm1::FontNameClick() {
    const int index = fontNames_->ItemIndex();
    if (index < 0) return;
    const std::string name = fontNames_->Item(index);
    ApplyFormat([&] { editor_->SetSelFontName(name); });
}

void TForm1::FontStyleClick() {
    // Every flag is written from the group, not only the clicked one: what the group shows is what the
    // selection gets.
    ApplyFormat([&] {
        unsigned style = editor_->SelAttributes().style;
        for (int i = 0; i < kStyleItems; ++i) {
            const unsigned bit = 1u << i;
            style = fontStyles_->Checked(i) ? (style | bit) : (style & ~bit);
        }
        editor_->SetSelStyle(style);
    });
}

void TForm1::FontSizeChange() {
    ApplyFormat([&] {
        const int size = sizeBar_->Value();
        sizeField_->SetText(std::to_string(size));
        editor_->SetSelSize(size);
    });
}

void TForm1::TypedSizeKeyDown(WPARAM key) {
    if (key != VK_RETURN) return;
    // The typed size goes in as it is, beyond the track bar's range too. An empty field, or one holding
    // something else than a size (pasted text, a zero), changes nothing.
    const std::string text = sizeField_->Text();
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc{} || end != text.data() + text.size() || size <= 0) return;
    ApplyFormat([&] { editor_->SetSelSize(size); });
}

void TForm1::SwatchClick(gui::StaticText& sender) {
    if (sender.tag >= 0 && sender.tag < ids::kSwatchCount) editor_->SetSelColor(Swatch(sender.tag).Color());
    editor_->SetFocus();
}

void TForm1::SwatchDblClick(gui::StaticText& sender) {
    // Only the swatch changes; its new colour reaches the text with the next click on it.
    const std::optional<std::uint32_t> chosen = colorDialog_.Execute(Handle(), sender.Color());
    if (!chosen || sender.tag < 0 || sender.tag >= ids::kSwatchCount) return;
    sender.SetColor(*chosen);
    sender.SetText(std::to_string(sender.tag));
    sender.SetFontColor(0xFFFFFF - *chosen);
}

void TForm1::RandomColourClick() {
    editor_->SetFocus();
}

void TForm1::EditorKeyDown(WPARAM key) {
    // The new colour is set before the editor handles the key, so the space or line break and the word
    // after it take it.
    if (!randomColour_->Checked() || randomColour_->ItemIndex() != 1) return;
    if (key == VK_SPACE || key == VK_RETURN) editor_->SetSelColor(Swatch(RandomSwatch()).Color());
}

void TForm1::SymbolFontClick() {
    const int index = symbolFonts_->ItemIndex();
    if (index < 0) return;
    SetSymbolFont(symbolFonts_->Item(index));
}

void TForm1::SetSymbolFont(const std::string& face) {
    symbols_->SetItemFont(face, kSymbolFontHeight, kSymbolItemHeight);
}

void TForm1::InsertSymbolClick() {
    const int index = symbols_->ItemIndex();
    if (index < 0) return;
    const std::string symbol = symbols_->Item(index);
    if (symbol.empty()) return;
    editor_->SendChar(static_cast<unsigned char>(symbol.front()));
    editor_->Select(std::max(0, editor_->SelStart() - 1), 1);
    editor_->SetSelFontName(symbols_->ItemFontName());
}

void TForm1::EditorSelectionChange() {
    // While the controls are set here, their own events must not write back into the editor.
    applyFlag_ = false;
    OnExit applyAgain([this] { applyFlag_ = true; });

    const gui::TextAttributes attributes = editor_->SelAttributes();
    const int size = attributes.sizeTwips / 20;
    sizeField_->SetText(std::to_string(size));
    int font = -1;
    for (int i = 0, count = fontNames_->Count(); i < count && font < 0; ++i)
        if (fontNames_->Item(i) == attributes.fontName) font = i;
    fontNames_->SetItemIndex(font);
    sizeBar_->SetValue(size);
    for (int i = 0; i < kStyleItems; ++i)
        fontStyles_->SetChecked(i, (attributes.style & (1u << i)) != 0);
    // The controls raise their events at once, inside the assignments above, so nothing waits in the queue
    // for the flag to hold back. The queue is not run here: that would handle the next typed characters,
    // and whatever else was sent, in the middle of the editor's handling of this one.
}

}  // namespace huecast
