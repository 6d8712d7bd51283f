#include "aatext/aa_scroll_text.h"

#include <algorithm>

#include "aatext/banner_frame.h"

namespace huecast {

// --- built-in texts ---

const std::vector<std::string>& BuiltInTextA() {
    static const std::vector<std::string> text = {
        "<Center><Title1>Scrolling Text",
        "<Text1>Smooth letters with shadows, gradients,",
        "<Text1>outlines and soft edges, rising in a loop.",
        "",
        "<Title2>Registered to",
        "<Title3><Owner>",
        "<Title3><Organization>",
        "",
        "<Title2>Make it yours",
        "<Text1>Write your lines in Text, and put a font",
        "<Text1>or a label between < and > to style them.",
    };
    return text;
}

const std::vector<std::string>& BuiltInTextB() {
    static const std::vector<std::string> text = {
        "<Center><Title4>Evening Lines",
        "<Text3>The words come up like evening mist,",
        "<Text2>soft at the edges, bright at heart;",
        "<Text3>they climb, they fade, they come again,",
        "<Text2>as long as someone keeps the window open.",
    };
    return text;
}

// --- parameters ---

TScrollTextParam::TScrollTextParam(TAAScrollText& control, RandomSource& random, TNotifyEvent onChanged)
    : TCustomTextParam(std::move(onChanged)), control_(control) {
    SetAlignment(TAlignment::taCenter);
    SetBackGroundMode(TBackGroundMode::bmTiled);
    if (auto* generator = dynamic_cast<UniformRandom*>(&random)) generator->SeedFromClock();
    SetLines(random.Random(5) == 1 ? BuiltInTextB() : BuiltInTextA());
}

void TScrollTextParam::Assign(const TNotifyClass& source) {
    TCustomTextParam::Assign(source);
    if (const auto* param = dynamic_cast<const TScrollTextParam*>(&source)) {
        fade_ = param->fade_;
        fadeHeight_ = param->fadeHeight_;
        tailSpace_ = param->tailSpace_;
        headSpace_ = param->headSpace_;
    }
}

void TScrollTextParam::SetHeadSpace(int value) {
    Set(headSpace_, std::clamp(value, 0, 150));
}
void TScrollTextParam::SetTailSpace(int value) {
    Set(tailSpace_, std::clamp(value, 0, 150));
}

TAAQuality TScrollTextParam::Quality() const {
    return control_.AAPainter().Quality();
}
void TScrollTextParam::SetQuality(TAAQuality value) {
    if (value == Quality()) return;
    control_.AAPainter().SetQuality(value);
    Changed();
}
const FontSpec& TScrollTextParam::Font() const {
    return control_.Font();
}
void TScrollTextParam::SetFont(const FontSpec& value) {
    control_.SetFont(value);
}
std::uint32_t TScrollTextParam::BackColor() const {
    return control_.Color();
}
void TScrollTextParam::SetBackColor(std::uint32_t value) {
    control_.SetColor(value);
}

bool TScrollTextParam::IsLinesStored() const {
    return Lines() != BuiltInTextA() && Lines() != BuiltInTextB();
}

// --- the control ---

TAAScrollText::TAAScrollText(GlyphRasterizer& rasterizer, SystemTexts& system,
                             std::unique_ptr<TickTimer> scrollTimer, std::unique_ptr<TickTimer> delayTimer,
                             RandomSource& random)
    : TAACustomText(rasterizer, system),
      text_(std::make_unique<TScrollTextParam>(*this, random, [this](TNotifyClass&) { Changed(); })),
      delayTimer_(std::move(delayTimer)),
      scrollTimer_(std::move(scrollTimer)) {
    scrollTimer_->SetEnabled(false);
    scrollTimer_->OnTimer = [this] { ScrollTimerTick(); };
    delayTimer_->SetEnabled(false);
    delayTimer_->OnTimer = [this] { DelayTimerTick(); };
    position_ = 0;
    repeatCount_ = 0;
    SetActive(true);
    SetRepeatDelay(2000);
    scrollStep_ = 1;
    SetScrollDelay(60);
    SetScrollQuality(TTimerQuality::tqHigh);
    SetColor(0xFFFFFF);
    SetSize(240, 280);
}

TAAScrollText::~TAAScrollText() {
    Shutdown();
}

void TAAScrollText::Shutdown() {
    BeginDestroying();
    SetActive(false);
    scrollTimer_->SetEnabled(false);
    delayTimer_->SetEnabled(false);
}

void TAAScrollText::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    scrollTimer_->SetEnabled(value);
    if (!value) delayTimer_->SetEnabled(false);
}

void TAAScrollText::SetScrollDelay(std::uint16_t value) {
    if (value == scrollDelay_) return;
    scrollDelay_ = value;
    // A new interval restarts the timer and leaves it running; an inactive or pausing banner must not be
    // started by it.
    const bool running = scrollTimer_->Enabled();
    scrollTimer_->SetInterval(value);
    if (!running) scrollTimer_->SetEnabled(false);
}

void TAAScrollText::SetRepeatDelay(std::uint16_t value) {
    if (value == repeatDelay_) return;
    repeatDelay_ = value;
    const bool pausing = delayTimer_->Enabled();
    delayTimer_->SetInterval(value);
    if (!pausing) delayTimer_->SetEnabled(false);
}

void TAAScrollText::SetRepeatCount(int value) {
    value = std::max(0, value);
    if (value == repeatCount_) return;
    repeatCount_ = value;
    Changed();
}

void TAAScrollText::SetAutoUpdate(bool value) {
    if (value == AutoUpdate()) return;
    TAACustomText::SetAutoUpdate(value);
    if (value && Designing()) Changed();
}

void TAAScrollText::Reset() {
    const bool wasActive = active_;
    cycleCount_ = -1;
    SetActive(false);
    CreateText();
    position_ = 0;
    Paint();
    SetActive(wasActive);
}

void TAAScrollText::InitControl() {
    TAACustomText::InitControl();
    Reset();
}

void TAAScrollText::ConstrainSize(int& width, int& height) const {
    width = std::max(width, 20);
    height = std::max(height, 20);
}

void TAAScrollText::CreateDefaultFonts() {
    TAACustomText::CreateDefaultFonts();
    if (TFontLabel* title4 = Fonts().Add("Title4", font_faces::kLiSu, 22, 0x000000, fsBold, true, 2, 2)) {
        TAAEffect& effect = title4->Effect();
        effect.Gradual().SetEnabled(true);
        effect.Gradual().SetStyle(TGradualStyle::gsLeftToRight);
        effect.Gradual().SetStartColor(16720384);
        effect.Gradual().SetEndColor(2232575);
        effect.SetOutline(true);
        effect.SetBlur(50);
    }
    if (TFontLabel* text3 = Fonts().Add("Text3", font_faces::kLiSu, 11, 0xFF0000, 0, true, 1, 1)) {
        TAAEffect& effect = text3->Effect();
        effect.Gradual().SetEnabled(true);
        effect.Gradual().SetStyle(TGradualStyle::gsTopToBottom);
        effect.Gradual().SetStartColor(13382417);
        effect.Gradual().SetEndColor(16720554);
    }
}

void TAAScrollText::CreateText() {
    BeginUpdate();
    struct End {
        TAAScrollText& self;
        ~End() { self.EndUpdate(); }
    } end{*this};

    const int w = Width();
    const int h = Height();
    AACanvas& canvas = Canvas();
    canvas.brush = {Brush::Style::Solid, Color()};
    textBmp_ = Bitmap(0, 0, 24);
    canvas.target = &textBmp_;

    const TScrollTextParam& text = *text_;
    const LineLayout layout{text, Fonts(), Labels(), LeadBytes(), Font(), w};
    const int y0 = (text.Fade() ? std::max(0, text.FadeHeight()) : 0) + h * text.HeadSpace() / 100;
    int y = MeasureLines(layout, AAPainter(), y0);
    y += h * text.TailSpace() / 100;
    if (y < h) y = h;

    textBmp_ = Bitmap(w, y, 24);
    FillRect(textBmp_, {0, 0, w, y}, ColorToRgb(Color(), &Rasterizer()));
    if (!text.BackGround().Empty())
        DrawBackGround(canvas, {0, 0, w, y}, text.BackGroundMode(), text.BackGround());

    // The text is laid over the background instead of over boxes of the brush colour.
    canvas.brush.style = Brush::Style::Clear;
    DrawLines(layout, AAPainter(), y0);
    canvas.brush.style = Brush::Style::Solid;

    if (OnTextReady) OnTextReady(*this);
}

void TAAScrollText::PaintCanvas() {
    const int w = Width();
    const int h = Height();
    if (viewBmp_.Width() != w || viewBmp_.Height() != h) viewBmp_ = Bitmap(w, h, 24);
    const std::uint32_t backRgb = ColorToRgb(Color(), &Rasterizer());
    // Columns or rows the text bitmap does not cover (it is laid out again after a resize) show the
    // background.
    if (textBmp_.Width() < w || textBmp_.Empty()) FillRect(viewBmp_, {0, 0, w, h}, backRgb);
    CopyFrameRows(textBmp_, position_, viewBmp_);
    if (text_->Fade()) FadeEdges(viewBmp_, text_->FadeHeight(), backRgb);
    if (!Destroying()) PresentFrame(viewBmp_);
    if (OnPainted) OnPainted(*this);
}

void TAAScrollText::ScrollTo(int p) {
    if (p == position_) return;
    const int t = textBmp_.Height();
    if (t <= 0) return;
    position_ = p % t;
    if (position_ < 0) position_ += t;
    Paint();
}

void TAAScrollText::ScrollTimerTick() {
    if (position_ == 0) {  // a cycle starts
        ++cycleCount_;
        if (repeatCount_ != 0 && cycleCount_ >= repeatCount_) {
            SetActive(false);
            cycleCount_ = -1;
            if (OnComplete) OnComplete(*this);
            return;
        }
        if (repeatDelay_ != 0) {
            scrollTimer_->SetEnabled(false);
            delayTimer_->SetEnabled(true);
            return;
        }
    }
    ScrollTo(NextPosition());
}

void TAAScrollText::DelayTimerTick() {
    delayTimer_->SetEnabled(false);
    ScrollTo(NextPosition());
    if (active_) scrollTimer_->SetEnabled(true);
}

int TAAScrollText::NextPosition() const {
    const long long t = std::max(1, textBmp_.Height());
    long long p = (static_cast<long long>(position_) + scrollStep_) % t;
    if (p < 0) p += t;
    return static_cast<int>(p);
}

}  // namespace huecast
