// TAAScrollText: marked-up lines rendered once, with all their effects, into a bitmap as tall as the laid-
// out text, then shown as a window of the control's height that moves up one step per timer tick in an
// endless loop, the top and bottom rows fading into the background. A tick costs a block copy or two and
// the fade; the text is drawn again only when content, look or size change (Reset).
//
// This is the portable control; the window that shows it, and the Win32 timers, are in aatext/win32/.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "aatext/aa_text_control.h"
#include "aatext/tick_timer.h"
#include "base/bitmap.h"
#include "base/random_source.h"

namespace huecast {

class TAAScrollText;

// The two built-in texts a new banner shows: a description of the control (A) and a short verse (B).
const std::vector<std::string>& BuiltInTextA();
const std::vector<std::string>& BuiltInTextB();

class TScrollTextParam : public TCustomTextParam {
  public:
    // Fills the lines with text B at a chance of 1 in 5 (drawn from `random`), else text A.
    TScrollTextParam(TAAScrollText& control, RandomSource& random, TNotifyEvent onChanged = {});
    // Copies the text settings and the banner's own (fade, head and tail space).
    void Assign(const TNotifyClass& source) override;

    bool Fade() const { return fade_; }
    void SetFade(bool value) { Set(fade_, value); }
    int FadeHeight() const { return fadeHeight_; }
    void SetFadeHeight(int value) { Set(fadeHeight_, value); }
    // Percent of the control height, clamped to 0..150.
    int HeadSpace() const { return headSpace_; }
    void SetHeadSpace(int value);
    int TailSpace() const { return tailSpace_; }
    void SetTailSpace(int value);

    // Forwarded to the control: the painter's quality, the control's font and colour.
    TAAQuality Quality() const;
    void SetQuality(TAAQuality value);
    const FontSpec& Font() const;
    void SetFont(const FontSpec& value);
    std::uint32_t BackColor() const;
    void SetBackColor(std::uint32_t value);

    // The lines are content of their own unless they are one of the built-in texts.
    bool IsLinesStored() const override;

  private:
    TAAScrollText& control_;
    bool fade_ = true;
    int fadeHeight_ = 10;
    int tailSpace_ = 60;
    int headSpace_ = 0;
};

class TAAScrollText : public TAACustomText {
  public:
    // `scrollTimer` drives the scrolling, `delayTimer` measures the pause at the start of a cycle; both
    // are owned. `rasterizer` and `system` are not.
    TAAScrollText(GlyphRasterizer& rasterizer, SystemTexts& system, std::unique_ptr<TickTimer> scrollTimer,
                  std::unique_ptr<TickTimer> delayTimer, RandomSource& random = ProcessRandom());
    ~TAAScrollText() override;

    TScrollTextParam& Text() { return *text_; }
    const TScrollTextParam& Text() const { return *text_; }
    // Copies the settings and lays the text out again, once.
    void SetText(const TScrollTextParam& value) {
        text_->Assign(value);
        text_->Changed();
    }

    bool Active() const { return active_; }
    void SetActive(bool value);
    std::uint16_t ScrollDelay() const { return scrollDelay_; }
    // Restarts a running scroll: the next step comes one full interval after the change.
    void SetScrollDelay(std::uint16_t value);
    int ScrollStep() const { return scrollStep_; }
    void SetScrollStep(int value) { scrollStep_ = value; }
    std::uint16_t RepeatDelay() const { return repeatDelay_; }
    void SetRepeatDelay(std::uint16_t value);
    int RepeatCount() const { return repeatCount_; }
    // 0 = endless; a change restarts the banner.
    void SetRepeatCount(int value);
    TTimerQuality ScrollQuality() const { return scrollTimer_->Quality(); }
    void SetScrollQuality(TTimerQuality value) { scrollTimer_->SetQuality(value); }
    void SetAutoUpdate(bool value) override;

    int CycleCount() const { return cycleCount_; }
    int Position() const { return position_; }
    const Bitmap& TextBmp() const { return textBmp_; }
    const Bitmap& ViewBmp() const { return viewBmp_; }
    TickTimer& ScrollTimer() { return *scrollTimer_; }
    TickTimer& DelayTimer() { return *delayTimer_; }

    // Shows the text from row `p` (taken modulo the text height) and paints.
    void ScrollTo(int p);
    // Renders the whole text into TextBmp.
    void CreateText();
    // Stops the timers for good; the control draws no more. Called first by whoever destroys it.
    void Shutdown();

    bool UseDefault() const override { return !text_->IsLinesStored(); }
    void CreateDefaultFonts() override;

  protected:
    void Reset() override;
    void InitControl() override;
    void PaintCanvas() override;
    void ConstrainSize(int& width, int& height) const override;

  private:
    void ScrollTimerTick();
    void DelayTimerTick();
    // Position + ScrollStep within the text height, without overflowing for any step.
    int NextPosition() const;

    std::uint16_t scrollDelay_ = 0;
    int scrollStep_ = 0;
    std::uint16_t repeatDelay_ = 0;
    int repeatCount_ = 0;
    int cycleCount_ = -1;
    std::unique_ptr<TScrollTextParam> text_;
    int position_ = 0;
    Bitmap textBmp_{0, 0, 24};
    Bitmap viewBmp_{0, 0, 24};
    std::unique_ptr<TickTimer> delayTimer_;
    std::unique_ptr<TickTimer> scrollTimer_;
    bool active_ = false;
};

}  // namespace huecast
