// Labels of the text controls' tag markup. A tag is a label's name between "<" and ">" anywhere in a line
// ("<Center>", "<Title4>"), matched ignoring the case of ASCII letters. A font label names a font and a
// text effect that the rest of the text takes; a user label either sets the alignment or is replaced by a
// text (the registered owner, the application title, the date, ...).
//
//   TFontLabels fonts;
//   fonts.Add("Title", "Arial", 12, 0x0000FF, fsBold, true, 2, 2);
//   std::string line = "<title>Hello";
//   fonts.ApplyTags(line, &canvas.font, &painter.Effect());   // line == "Hello", font and effect set
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "aatext/aa_effect.h"
#include "aatext/glyph_rasterizer.h"

namespace huecast {

enum class TLabelStyle : std::uint8_t {
    lsLeftJustify,
    lsCenter,
    lsRightJustify,
    lsRegOwner,
    lsRegOrganization,
    lsAppTitle,
    lsDate,
    lsTime,
    lsCustom
};
// How long a tag acts: on its own line only, or until another tag changes the same setting.
enum class TLabelEffect : std::uint8_t { leOnlyALine, leUntilNextLabel };
enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// Font style flags, combined with |.
enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// The font height (negative: character height in pixels) of a size in points on the 96-dpi screen.
int PointsToHeight(int points);

// Renaming a label to a name that another label of its collection has.
class EDuplicateName : public std::runtime_error {
  public:
    EDuplicateName() : std::runtime_error("Duplicate string!") {}
};

// Where a tag named `name` first occurs in `line` (ASCII case ignored), or npos.
std::size_t FindTag(std::string_view line, std::string_view name);
// Whether two names are equal ignoring the case of ASCII letters.
bool SameName(std::string_view a, std::string_view b);

class TFontLabels;

// A named font and text effect. Every change of the font or the effect reaches the collection's callback.
class TFontLabel {
  public:
    explicit TFontLabel(TFontLabels& collection);
    TFontLabel(const TFontLabel&) = delete;
    TFontLabel& operator=(const TFontLabel&) = delete;

    const std::string& Name() const { return name_; }
    // Throws EDuplicateName (and keeps the old name) when another label of the collection has the name.
    void SetName(std::string_view name);
    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);
    TAAEffect& Effect() { return effect_; }
    const TAAEffect& Effect() const { return effect_; }

    // Copies name, font and effect.
    void Assign(const TFontLabel& source);

  private:
    void Changed();

    TFontLabels& collection_;
    std::string name_;
    FontSpec font_;
    TAAEffect effect_;
};

class TFontLabels {
  public:
    using ChangeEvent = std::function<void()>;

    TFontLabels() = default;
    TFontLabels(const TFontLabels&) = delete;
    TFontLabels& operator=(const TFontLabels&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    TFontLabel& operator[](int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const TFontLabel& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }

    // A new label with the font `fontName` at `size` points, `color`, `style` (TFontStyle flags) and the
    // shadow switched and offset as given; nullptr (and no change) when a label of that name exists.
    TFontLabel* Add(std::string_view name, std::string_view fontName, int size, std::uint32_t color,
                    std::uint8_t style, bool shadow, int offsetX, int offsetY);
    // A new label with the default font and effect.
    TFontLabel& AddItem();
    void Delete(int index);
    void Clear();
    // Index of the first label named `name` (ASCII case ignored), or -1.
    int IndexOf(std::string_view name) const;
    // Replaces the labels with copies of `source`'s.
    void Assign(const TFontLabels& source);

    // For every label in order, the first occurrence of its tag is removed from `line` and the label's
    // font and effect are copied into `font` and `effect` (when given): the last label that matched wins.
    void ApplyTags(std::string& line, FontSpec* font, TAAEffect* effect) const;

    // Called after every change of the collection or of a label (set by the owning control).
    void SetOnChange(ChangeEvent onChange) { onChange_ = std::move(onChange); }
    void Changed() {
        if (onChange_ && !quiet_) onChange_();
    }

  private:
    friend class QuietCollection;
    std::vector<std::unique_ptr<TFontLabel>> items_;
    ChangeEvent onChange_;
    bool quiet_ = false;  // while a label is being set up: one announcement follows
};

// The system's texts that user labels show. The registration is read once, when a TUserLabels is created.
class SystemTexts {
  public:
    virtual ~SystemTexts() = default;
    virtual std::string RegisteredOwner() = 0;  // empty when unknown
    virtual std::string RegisteredOrganization() = 0;
    virtual std::string UserName() = 0;  // of the logged-on user
    virtual std::string AppTitle() = 0;
    virtual std::string ShortDate() = 0;  // now, in the system's short date format
    virtual std::string LongTime() = 0;   // now, in the system's time format
};

// Fixed texts, for tests, tools and systems that have no such facilities.
class FixedSystemTexts final : public SystemTexts {
  public:
    std::string owner, organization, userName, appTitle, date, time;
    std::string RegisteredOwner() override { return owner; }
    std::string RegisteredOrganization() override { return organization; }
    std::string UserName() override { return userName; }
    std::string AppTitle() override { return appTitle; }
    std::string ShortDate() override { return date; }
    std::string LongTime() override { return time; }
};

class TUserLabels;

class TUserLabel {
  public:
    // Called after the label has produced its text; may change it.
    using TGetTextEvent = std::function<void(TUserLabel& sender, std::string& text)>;

    explicit TUserLabel(TUserLabels& collection);
    TUserLabel(const TUserLabel&) = delete;
    TUserLabel& operator=(const TUserLabel&) = delete;

    const std::string& Name() const { return name_; }
    // Throws EDuplicateName (and keeps the old name) when another label of the collection has the name.
    void SetName(std::string_view name);
    TLabelStyle Style() const { return style_; }
    void SetStyle(TLabelStyle style);
    // The label's text by its style (see GetText).
    std::string Text() const { return GetText(); }
    // Takes effect only for lsCustom labels.
    void SetText(std::string_view text);
    const TGetTextEvent& OnGetText() const { return onGetText_; }
    void SetOnGetText(TGetTextEvent onGetText) { onGetText_ = std::move(onGetText); }

    // Empty for the alignment styles; the registered owner or organisation, the application title, the
    // date, the time, or the custom text; then OnGetText may change it.
    std::string GetText() const;
    // Copies name, custom text, OnGetText and style.
    void Assign(const TUserLabel& source);

  private:
    TUserLabels& collection_;
    std::string name_;
    std::string text_;
    TGetTextEvent onGetText_;
    TLabelStyle style_ = TLabelStyle::lsCustom;
};

class TUserLabels {
  public:
    using ChangeEvent = std::function<void()>;

    // Reads the registered owner and organisation from `system` now (the logged-on user's name, at most
    // 255 bytes, stands in for a missing owner). `system` is not owned and must outlive the collection.
    explicit TUserLabels(SystemTexts& system);
    TUserLabels(const TUserLabels&) = delete;
    TUserLabels& operator=(const TUserLabels&) = delete;

    const std::string& RegOwner() const { return regOwner_; }
    const std::string& RegOrganization() const { return regOrganization_; }
    SystemTexts& System() const { return system_; }

    int Count() const { return static_cast<int>(items_.size()); }
    TUserLabel& operator[](int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const TUserLabel& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }

    // A new label; nullptr (and no change) when a label of that name exists.
    TUserLabel* Add(std::string_view name, std::string_view text, TLabelStyle style);
    TUserLabel& AddItem();
    void Delete(int index);
    void Clear();
    int IndexOf(std::string_view name) const;
    void Assign(const TUserLabels& source);

    // For every label in order, the first occurrence of its tag is removed from `line`; an alignment label
    // sets `alignment`, any other inserts its text where the tag was (later labels search that text too).
    void ApplyTags(std::string& line, TAlignment& alignment) const;

    void SetOnChange(ChangeEvent onChange) { onChange_ = std::move(onChange); }
    void Changed() {
        if (onChange_ && !quiet_) onChange_();
    }

  private:
    friend class QuietCollection;
    bool quiet_ = false;
    SystemTexts& system_;
    std::string regOwner_;
    std::string regOrganization_;
    std::vector<std::unique_ptr<TUserLabel>> items_;
    ChangeEvent onChange_;
};

}  // namespace huecast
