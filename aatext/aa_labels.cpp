#include "aatext/aa_labels.h"

#include "base/text.h"

#include <cmath>

namespace huecast {

namespace {

template <typename Items>
int IndexOfName(const Items& items, std::string_view name) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (SameName(items[i]->Name(), name)) return static_cast<int>(i);
    return -1;
}

// Throws EDuplicateName when another label of `collection` than `label` is named `name`. A label may
// take its own name in another case, and any number of labels may have no name.
template <typename Collection, typename Label>
void CheckUniqueName(const Collection& collection, const Label& label, std::string_view name) {
    if (name.empty() || SameName(label.Name(), name)) return;
    for (int i = 0; i < collection.Count(); ++i)
        if (&collection[i] != &label && SameName(collection[i].Name(), name)) throw EDuplicateName();
}

}  // namespace

// Holds back a collection's announcements while labels are set up, so that adding or copying labels is
// announced once, when done.
class QuietCollection {
  public:
    template <typename Collection>
    explicit QuietCollection(Collection& collection) : flag_(collection.quiet_), saved_(collection.quiet_) {
        flag_ = true;
    }
    ~QuietCollection() { flag_ = saved_; }
    QuietCollection(const QuietCollection&) = delete;
    QuietCollection& operator=(const QuietCollection&) = delete;

  private:
    bool& flag_;
    bool saved_;
};

int PointsToHeight(int points) {
    return -static_cast<int>(std::lround(points * 96.0 / 72.0));
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

std::size_t FindTag(std::string_view line, std::string_view name) {
    if (name.empty()) return std::string_view::npos;  // a label without a name has no tag
    const std::size_t tagLength = name.size() + 2;
    if (line.size() < tagLength) return std::string_view::npos;
    for (std::size_t at = 0; at + tagLength <= line.size(); ++at) {
        if (line[at] != '<' || line[at + tagLength - 1] != '>') continue;
        if (SameName(line.substr(at + 1, name.size()), name)) return at;
    }
    return std::string_view::npos;
}

// --- font labels ---

TFontLabel::TFontLabel(TFontLabels& collection)
    : collection_(collection), effect_([this](TNotifyClass&) { Changed(); }) {}

void TFontLabel::SetName(std::string_view name) {
    if (name == name_) return;
    CheckUniqueName(collection_, *this, name);
    name_ = name;
    Changed();
}

void TFontLabel::SetFont(const FontSpec& font) {
    if (font == font_) return;
    font_ = font;
    Changed();
}

void TFontLabel::Assign(const TFontLabel& source) {
    name_ = source.name_;
    font_ = source.font_;
    effect_.Assign(source.effect_);
    Changed();
}

void TFontLabel::Changed() {
    collection_.Changed();
}

TFontLabel* TFontLabels::Add(std::string_view name, std::string_view fontName, int size, std::uint32_t color,
                             std::uint8_t style, bool shadow, int offsetX, int offsetY) {
    if (IndexOf(name) >= 0) return nullptr;
    auto label = std::make_unique<TFontLabel>(*this);
    {
        QuietCollection quiet(*this);
        FontSpec font = label->Font();
        font.name = fontName;
        font.height = PointsToHeight(size);
        font.color = color;
        font.weight = (style & fsBold) ? 700 : 400;
        font.italic = (style & fsItalic) != 0;
        font.underline = (style & fsUnderline) != 0;
        font.strikeOut = (style & fsStrikeOut) != 0;
        label->SetName(name);
        label->SetFont(font);
        TAAShadow& labelShadow = label->Effect().Shadow();
        labelShadow.SetEnabled(shadow);
        labelShadow.SetOffsetX(offsetX);
        labelShadow.SetOffsetY(offsetY);
    }
    items_.push_back(std::move(label));
    Changed();
    return items_.back().get();
}

TFontLabel& TFontLabels::AddItem() {
    items_.push_back(std::make_unique<TFontLabel>(*this));
    Changed();
    return *items_.back();
}

void TFontLabels::Delete(int index) {
    (void)(*this)[index];  // range check
    items_.erase(items_.begin() + index);
    Changed();
}

void TFontLabels::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
}

int TFontLabels::IndexOf(std::string_view name) const {
    return IndexOfName(items_, name);
}

void TFontLabels::Assign(const TFontLabels& source) {
    if (&source == this) return;
    {
        QuietCollection quiet(*this);
        std::vector<std::unique_ptr<TFontLabel>> copies;
        for (const auto& item : source.items_) {
            copies.push_back(std::make_unique<TFontLabel>(*this));
            copies.back()->Assign(*item);
        }
        items_ = std::move(copies);
    }
    Changed();
}

void TFontLabels::ApplyTags(std::string& line, FontSpec* font, TAAEffect* effect) const {
    for (const auto& label : items_) {
        const std::size_t at = FindTag(line, label->Name());
        if (at == std::string::npos) continue;
        if (font) *font = label->Font();
        if (effect) effect->Assign(label->Effect());
        line.erase(at, label->Name().size() + 2);
    }
}

// --- user labels ---

TUserLabel::TUserLabel(TUserLabels& collection) : collection_(collection) {}

void TUserLabel::SetName(std::string_view name) {
    if (name == name_) return;
    CheckUniqueName(collection_, *this, name);
    name_ = name;
    collection_.Changed();
}

void TUserLabel::SetStyle(TLabelStyle style) {
    if (style == style_) return;
    style_ = style;
    collection_.Changed();
}

void TUserLabel::SetText(std::string_view text) {
    if (style_ != TLabelStyle::lsCustom || text == text_) return;
    text_ = text;
    collection_.Changed();
}

std::string TUserLabel::GetText() const {
    std::string text;
    switch (style_) {
        case TLabelStyle::lsLeftJustify:
        case TLabelStyle::lsCenter:
        case TLabelStyle::lsRightJustify:
            break;
        case TLabelStyle::lsRegOwner:
            text = collection_.RegOwner();
            break;
        case TLabelStyle::lsRegOrganization:
            text = collection_.RegOrganization();
            break;
        case TLabelStyle::lsAppTitle:
            text = collection_.System().AppTitle();
            break;
        case TLabelStyle::lsDate:
            text = collection_.System().ShortDate();
            break;
        case TLabelStyle::lsTime:
            text = collection_.System().LongTime();
            break;
        case TLabelStyle::lsCustom:
            text = text_;
            break;
    }
    if (onGetText_) onGetText_(const_cast<TUserLabel&>(*this), text);
    return text;
}

void TUserLabel::Assign(const TUserLabel& source) {
    name_ = source.name_;
    text_ = source.text_;
    onGetText_ = source.onGetText_;
    style_ = source.style_;
    collection_.Changed();
}

TUserLabels::TUserLabels(SystemTexts& system)
    : system_(system),
      regOwner_(system.RegisteredOwner()),
      regOrganization_(system.RegisteredOrganization()) {
    if (regOwner_.empty()) regOwner_ = system.UserName().substr(0, 255);
}

TUserLabel* TUserLabels::Add(std::string_view name, std::string_view text, TLabelStyle style) {
    if (IndexOf(name) >= 0) return nullptr;
    auto label = std::make_unique<TUserLabel>(*this);
    {
        QuietCollection quiet(*this);
        label->SetName(name);
        // The text is kept whatever the style: it shows when the label is switched to lsCustom.
        label->SetText(text);
        label->SetStyle(style);
    }
    items_.push_back(std::move(label));
    Changed();
    return items_.back().get();
}

TUserLabel& TUserLabels::AddItem() {
    items_.push_back(std::make_unique<TUserLabel>(*this));
    Changed();
    return *items_.back();
}

void TUserLabels::Delete(int index) {
    (void)(*this)[index];  // range check
    items_.erase(items_.begin() + index);
    Changed();
}

void TUserLabels::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
}

int TUserLabels::IndexOf(std::string_view name) const {
    return IndexOfName(items_, name);
}

void TUserLabels::Assign(const TUserLabels& source) {
    if (&source == this) return;
    {
        QuietCollection quiet(*this);
        std::vector<std::unique_ptr<TUserLabel>> copies;
        for (const auto& item : source.items_) {
            copies.push_back(std::make_unique<TUserLabel>(*this));
            copies.back()->Assign(*item);
        }
        items_ = std::move(copies);
    }
    Changed();
}

void TUserLabels::ApplyTags(std::string& line, TAlignment& alignment) const {
    for (const auto& label : items_) {
        const std::size_t at = FindTag(line, label->Name());
        if (at == std::string::npos) continue;
        line.erase(at, label->Name().size() + 2);
        switch (label->Style()) {
            case TLabelStyle::lsLeftJustify:
                alignment = TAlignment::taLeftJustify;
                break;
            case TLabelStyle::lsCenter:
                alignment = TAlignment::taCenter;
                break;
            case TLabelStyle::lsRightJustify:
                alignment = TAlignment::taRightJustify;
                break;
            default:
                line.insert(at, label->GetText());
                break;
        }
    }
}

}  // namespace huecast
