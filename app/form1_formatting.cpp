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
    SkinComboBox1->OnClick = [this] { SkinComboBox1Click(); };
    SkinCheckGroup1->onClick = [this] { SkinCheckGroup1Click(); };
    SkinTrackBar1->OnChange = [this] { SkinTrackBar1Change(); };
    Edit1->onKeyDown = [this](WPARAM key) { Edit1KeyDown(key); };
    for (const auto& swatch : swatches_) {
        gui::StaticText& sender = *swatch;
        sender.onClick = [this, &sender] { StaticText1Click(sender); };
        sender.onDblClick = [this, &sender] { StaticText1DblClick(sender); };
    }
    SkinRadioGroup1->onClick = [this] { SkinRadioGroup1Click(); };
    RichEdit1->onKeyDown = [this](WPARAM key) { RichEdit1KeyDown(key); };
    SkinComboBox2->OnClick = [this] { SkinComboBox2Click(); };
    ComboBox1->onClick = [this] { ComboBox1Click(); };
    RichEdit1->onSelectionChange = [this] { RichEdit1SelectionChange(); };
}

// A change of font, size or style must not also recolour the text, which the editor's change handler
// would do in the per-character mode: the mode is set to per-word for the length of the change.
template <typename Change>
void TForm1::ApplyFormat(Change change) {
    if (!applyFlag_) return;
    const bool perCharacter = SkinRadioGroup1->ItemIndex() == 0;
    if (perCharacter) SkinRadioGroup1->SetItemIndex(1);
    {
        OnExit perCharacterAgain([&] {
            if (perCharacter) SkinRadioGroup1->SetItemIndex(0);
        });
        change();
    }
    RichEdit1->SetFocus();
}

void TForm1::SkinComboBox1Click() {
    const int index = SkinComboBox1->ItemIndex();
    if (index < 0) return;
    const std::string name = SkinComboBox1->Item(index);
    ApplyFormat([&] { RichEdit1->SetSelFontName(name); });
}

void TForm1::SkinCheckGroup1Click() {
    // Every flag is written from the group, not only the clicked one: what the group shows is what the
    // selection gets.
    ApplyFormat([&] {
        unsigned style = RichEdit1->SelAttributes().style;
        for (int i = 0; i < kStyleItems; ++i) {
            const unsigned bit = 1u << i;
            style = SkinCheckGroup1->Checked(i) ? (style | bit) : (style & ~bit);
        }
        RichEdit1->SetSelStyle(style);
    });
}

void TForm1::SkinTrackBar1Change() {
    ApplyFormat([&] {
        const int size = SkinTrackBar1->Value();
        Edit1->SetText(std::to_string(size));
        RichEdit1->SetSelSize(size);
    });
}

void TForm1::Edit1KeyDown(WPARAM key) {
    if (key != VK_RETURN) return;
    // The typed size goes in as it is, beyond the track bar's range too. An empty field, or one holding
    // something else than a size (pasted text, a zero), changes nothing.
    const std::string text = Edit1->Text();
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc{} || end != text.data() + text.size() || size <= 0) return;
    ApplyFormat([&] { RichEdit1->SetSelSize(size); });
}

void TForm1::StaticText1Click(gui::StaticText& sender) {
    if (sender.tag >= 0 && sender.tag < ids::kSwatchCount) RichEdit1->SetSelColor(Swatch(sender.tag).Color());
    RichEdit1->SetFocus();
}

void TForm1::StaticText1DblClick(gui::StaticText& sender) {
    // Only the swatch changes; its new colour reaches the text with the next click on it.
    const std::optional<std::uint32_t> chosen = ColorDialog1.Execute(Handle(), sender.Color());
    if (!chosen || sender.tag < 0 || sender.tag >= ids::kSwatchCount) return;
    sender.SetColor(*chosen);
    sender.SetText(std::to_string(sender.tag));
    sender.SetFontColor(0xFFFFFF - *chosen);
}

void TForm1::SkinRadioGroup1Click() {
    RichEdit1->SetFocus();
}

void TForm1::RichEdit1KeyDown(WPARAM key) {
    // The new colour is set before the editor handles the key, so the space or line break and the word
    // after it take it.
    if (!SkinRadioGroup1->Checked() || SkinRadioGroup1->ItemIndex() != 1) return;
    if (key == VK_SPACE || key == VK_RETURN) RichEdit1->SetSelColor(Swatch(RandomSwatch()).Color());
}

void TForm1::SkinComboBox2Click() {
    const int index = SkinComboBox2->ItemIndex();
    if (index < 0) return;
    SetSymbolFont(SkinComboBox2->Item(index));
}

void TForm1::SetSymbolFont(const std::string& face) {
    ComboBox1->SetItemFont(face, kSymbolFontHeight, kSymbolItemHeight);
}

void TForm1::ComboBox1Click() {
    const int index = ComboBox1->ItemIndex();
    if (index < 0) return;
    const std::string symbol = ComboBox1->Item(index);
    if (symbol.empty()) return;
    RichEdit1->SendChar(static_cast<unsigned char>(symbol.front()));
    RichEdit1->Select(std::max(0, RichEdit1->SelStart() - 1), 1);
    RichEdit1->SetSelFontName(ComboBox1->ItemFontName());
}

void TForm1::RichEdit1SelectionChange() {
    // While the controls are set here, their own events must not write back into the editor.
    applyFlag_ = false;
    OnExit applyAgain([this] { applyFlag_ = true; });

    const gui::TextAttributes attributes = RichEdit1->SelAttributes();
    const int size = attributes.sizeTwips / 20;
    Edit1->SetText(std::to_string(size));
    int font = -1;
    for (int i = 0, count = SkinComboBox1->Count(); i < count && font < 0; ++i)
        if (SkinComboBox1->Item(i) == attributes.fontName) font = i;
    SkinComboBox1->SetItemIndex(font);
    SkinTrackBar1->SetValue(size);
    for (int i = 0; i < kStyleItems; ++i)
        SkinCheckGroup1->SetChecked(i, (attributes.style & (1u << i)) != 0);
    // The controls raise their events at once, inside the assignments above, so nothing waits in the queue
    // for the flag to hold back. The queue is not run here: that would handle the next typed characters,
    // and whatever else was sent, in the middle of the editor's handling of this one.
}

}  // namespace huecast
