// The parameter objects through which a text control publishes its content and look: alignment, word
// wrapping and background picture (TCustomParam), and the marked-up lines with their line spacing, tag
// scope and base text effect (TCustomTextParam). Every setter announces a change only when the value
// differs, so the control lays its text out again exactly when something changed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "aatext/aa_effect.h"
#include "aatext/aa_labels.h"
#include "aatext/aa_picture.h"

namespace huecast {

enum class TBackGroundMode : std::uint8_t { bmTiled, bmStretched, bmCenter, bmNormal };

// −100..150: extra line spacing in percent of the line height.
using TRowPitch = std::int16_t;

class TCustomParam : public TNotifyClass {
  public:
    explicit TCustomParam(TNotifyEvent onChanged = {});
    // Copies alignment, word wrapping, background picture and mode.
    void Assign(const TNotifyClass& source) override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { Set(alignment_, value); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value) { Set(wordWrap_, value); }
    // Every change of the picture's graphic announces a change.
    TPicture& BackGround() { return backGround_; }
    const TPicture& BackGround() const { return backGround_; }
    void SetBackGround(const TPicture& value) { backGround_.Assign(value); }
    TBackGroundMode BackGroundMode() const { return backGroundMode_; }
    void SetBackGroundMode(TBackGroundMode value) { Set(backGroundMode_, value); }

  private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
    TPicture backGround_;
    TBackGroundMode backGroundMode_ = TBackGroundMode::bmCenter;
};

class TCustomTextParam : public TCustomParam {
  public:
    explicit TCustomTextParam(TNotifyEvent onChanged = {});
    // Copies the base settings, the lines, line spacing, tag scope and the base text effect.
    void Assign(const TNotifyClass& source) override;

    const std::vector<std::string>& Lines() const { return lines_; }
    // Replaces the lines and always announces a change.
    void SetLines(std::vector<std::string> lines);
    TLabelEffect LabelEffect() const { return labelEffect_; }
    void SetLabelEffect(TLabelEffect value) { Set(labelEffect_, value); }
    TRowPitch RowPitch() const { return rowPitch_; }
    // Clamped to −100..150.
    void SetRowPitch(int value);
    // The effect a line starts with; its changes are announced as this object's.
    TAAEffect& FontEffect() { return fontEffect_; }
    const TAAEffect& FontEffect() const { return fontEffect_; }
    // Copies the given effect without announcing a change.
    void SetFontEffect(const TAAEffect& value) { fontEffect_.Assign(value); }

    // Whether the lines are content of their own (a control with built-in texts says no for those).
    virtual bool IsLinesStored() const { return true; }

  private:
    std::vector<std::string> lines_;
    TLabelEffect labelEffect_ = TLabelEffect::leUntilNextLabel;
    TRowPitch rowPitch_ = 20;
    TAAEffect fontEffect_;
};

}  // namespace huecast
