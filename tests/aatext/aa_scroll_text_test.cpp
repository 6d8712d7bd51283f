#include "aatext/aa_scroll_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/aatext/banner_test_support.h"
#include "tests/aatext/test_support.h"

namespace huecast {
namespace {

using testing::FirstInkRow;
using testing::ManualTimer;
using testing::PatternRasterizer;
using testing::ScriptedRandom;

constexpr std::uint32_t kWhite = 0xFFFFFF;

// The control with its screen replaced by a record of the frames it put there.
class RecordingScrollText : public TAAScrollText {
  public:
    using TAAScrollText::TAAScrollText;
    int frames = 0;
    int invalidations = 0;
    Bitmap lastFrame;

  protected:
    void PresentFrame(const Bitmap& frame) override {
        ++frames;
        lastFrame = frame;
    }
    void Invalidate() override { ++invalidations; }
};

class ScrollTextTest : public ::testing::Test {
  protected:
    explicit ScrollTextTest(std::vector<int> randomValues = {0}) : random(std::move(randomValues)) {
        auto scrollTimer = std::make_unique<ManualTimer>();
        auto delayTimer = std::make_unique<ManualTimer>();
        scroll = scrollTimer.get();
        delay = delayTimer.get();
        banner = std::make_unique<RecordingScrollText>(rasterizer, system, std::move(scrollTimer),
                                                       std::move(delayTimer), random);
        banner->OnTextReady = [this](TAACustomText&) { ++textsReady; };
        banner->OnComplete = [this](TAACustomText&) { ++completions; };
    }

    // A banner 50 × height showing `lines` lines of 10-pixel text 10 pixels apart, no fade, no head or
    // tail space, no pause: the text bitmap is max(10 × lines, height) rows.
    void SetUpPlain(int lines, int height) {
        banner->BeginLoading();
        banner->SetSize(50, height);
        banner->SetRepeatDelay(0);
        FontSpec font;
        font.height = -10;
        banner->Text().SetFont(font);
        banner->Text().SetFade(false);
        banner->Text().SetTailSpace(0);
        banner->Text().SetRowPitch(0);
        banner->Text().SetQuality(TAAQuality::aqLow);
        banner->Text().SetLines(std::vector<std::string>(static_cast<std::size_t>(lines), "x"));
        banner->Loaded();
    }

    // Ticks the scroll timer `n` times; returns the positions after each tick.
    std::vector<int> Ticks(int n) {
        std::vector<int> positions;
        for (int i = 0; i < n; ++i) {
            scroll->Tick();
            positions.push_back(banner->Position());
        }
        return positions;
    }

    PatternRasterizer rasterizer;
    FixedSystemTexts system;
    ScriptedRandom random;
    ManualTimer* scroll = nullptr;
    ManualTimer* delay = nullptr;
    std::unique_ptr<RecordingScrollText> banner;
    int textsReady = 0;
    int completions = 0;
};

TEST_F(ScrollTextTest, StartsActiveWithItsDefaults) {
    EXPECT_TRUE(banner->Active());
    EXPECT_TRUE(scroll->enabled);
    EXPECT_EQ(scroll->interval, 60);
    EXPECT_EQ(scroll->quality, TTimerQuality::tqHigh);
    EXPECT_FALSE(delay->enabled);
    EXPECT_EQ(delay->interval, 2000);
    EXPECT_EQ(banner->RepeatDelay(), 2000);
    EXPECT_EQ(banner->ScrollStep(), 1);
    EXPECT_EQ(banner->RepeatCount(), 0);
    EXPECT_EQ(banner->CycleCount(), -1);
    EXPECT_EQ(banner->Color(), kWhite);
    EXPECT_EQ(banner->Width(), 240);
    EXPECT_EQ(banner->Height(), 280);

    const TScrollTextParam& text = banner->Text();
    EXPECT_TRUE(text.Fade());
    EXPECT_EQ(text.FadeHeight(), 10);
    EXPECT_EQ(text.HeadSpace(), 0);
    EXPECT_EQ(text.TailSpace(), 60);
    EXPECT_EQ(text.Alignment(), TAlignment::taCenter);
    EXPECT_EQ(text.BackGroundMode(), TBackGroundMode::bmTiled);
    EXPECT_EQ(text.RowPitch(), 20);
    EXPECT_EQ(text.LabelEffect(), TLabelEffect::leUntilNextLabel);
    EXPECT_EQ(text.Quality(), TAAQuality::aqNormal);
    EXPECT_EQ(text.Lines(), BuiltInTextA());
    EXPECT_FALSE(text.IsLinesStored());
    EXPECT_TRUE(banner->UseDefault());

    banner->Text().SetLines({"mine"});
    EXPECT_TRUE(banner->Text().IsLinesStored());
    EXPECT_FALSE(banner->UseDefault());
}

class ScrollTextWithVerseTest : public ScrollTextTest {
  protected:
    ScrollTextWithVerseTest() : ScrollTextTest({1}) {}
};

TEST_F(ScrollTextWithVerseTest, OneInFiveBannersStartsWithTheVerse) {
    EXPECT_EQ(banner->Text().Lines(), BuiltInTextB());
    EXPECT_EQ(random.calls, std::vector<int>{5});
    EXPECT_FALSE(banner->Text().IsLinesStored());
}

TEST_F(ScrollTextTest, NothingIsLaidOutUntilLoadedThenTheFirstFrameShows) {
    banner->BeginLoading();
    banner->Text().SetLines({"a", "b"});
    banner->SetSize(100, 37);
    EXPECT_EQ(textsReady, 0);
    EXPECT_TRUE(banner->TextBmp().Empty());
    banner->Loaded();
    EXPECT_EQ(textsReady, 1);
    EXPECT_EQ(banner->TextBmp().Width(), 100);
    EXPECT_EQ(banner->frames, 1);
    EXPECT_EQ(banner->lastFrame.Width(), 100);
    EXPECT_EQ(banner->lastFrame.Height(), 37);
}

TEST_F(ScrollTextTest, FirstPaintInitialisesWhenNothingWasLoaded) {
    banner->Text().SetLines({"a"});
    banner->SetSize(60, 30);
    EXPECT_EQ(textsReady, 0);
    banner->Paint();
    EXPECT_TRUE(banner->Inited());
    EXPECT_EQ(textsReady, 1);
    EXPECT_GE(banner->frames, 1);
}

TEST_F(ScrollTextTest, MainWindowSettingsStartTheText10PixelsDown) {
    banner->BeginLoading();
    banner->SetSize(200, 37);
    banner->Text().SetTailSpace(0);
    banner->Text().SetHeadSpace(0);
    banner->Text().SetLines({"x"});
    banner->Loaded();
    EXPECT_EQ(FirstInkRow(banner->TextBmp(), kWhite), 10);
    EXPECT_EQ(banner->TextBmp().Height(), 37);  // never shorter than the control
}

TEST_F(ScrollTextTest, HeadAndTailSpaceAreClampedAndAddPercentOfTheHeight) {
    banner->Text().SetHeadSpace(200);
    EXPECT_EQ(banner->Text().HeadSpace(), 150);
    banner->Text().SetTailSpace(-5);
    EXPECT_EQ(banner->Text().TailSpace(), 0);
    banner->Text().SetHeadSpace(0);

    SetUpPlain(10, 40);
    EXPECT_EQ(banner->TextBmp().Height(), 100);
    banner->Text().SetHeadSpace(50);  // 20 rows above the text
    banner->Text().SetTailSpace(25);  // 10 rows below it
    EXPECT_EQ(banner->TextBmp().Height(), 20 + 100 + 10);
    EXPECT_EQ(FirstInkRow(banner->TextBmp(), kWhite), 20);
}

TEST_F(ScrollTextTest, ScrollToWrapsRoundTheTextHeight) {
    SetUpPlain(10, 37);
    ASSERT_EQ(banner->TextBmp().Height(), 100);
    const int before = banner->frames;
    banner->ScrollTo(80);
    EXPECT_EQ(banner->Position(), 80);
    EXPECT_EQ(banner->frames, before + 1);
    banner->ScrollTo(80);
    EXPECT_EQ(banner->frames, before + 1);  // no move, no paint
    banner->ScrollTo(-3);
    EXPECT_EQ(banner->Position(), 97);
    banner->ScrollTo(250);
    EXPECT_EQ(banner->Position(), 50);
}

TEST_F(ScrollTextTest, StepOfThreeCountsACycleOnlyWhenThePositionIsExactlyZero) {
    SetUpPlain(10, 37);
    banner->SetScrollStep(3);
    const std::vector<int> positions = Ticks(35);
    EXPECT_EQ(positions[0], 3);
    EXPECT_EQ(positions[32], 99);
    EXPECT_EQ(positions[33], 2);
    EXPECT_EQ(positions[34], 5);
    EXPECT_EQ(banner->CycleCount(), 0);
    Ticks(65);  // 100 ticks: 300 rows, back at 0
    EXPECT_EQ(banner->Position(), 0);
    EXPECT_EQ(banner->CycleCount(), 0);
    Ticks(1);
    EXPECT_EQ(banner->CycleCount(), 1);
}

TEST_F(ScrollTextTest, NegativeStepScrollsDownward) {
    SetUpPlain(10, 37);
    banner->SetScrollStep(-1);
    EXPECT_EQ(Ticks(3), (std::vector<int>{99, 98, 97}));
}

TEST_F(ScrollTextTest, RepeatCountOneRunsOneCycleThenStopsWithOnComplete) {
    SetUpPlain(10, 37);
    banner->SetRepeatCount(1);
    banner->SetScrollStep(10);
    Ticks(10);
    EXPECT_EQ(banner->Position(), 0);
    EXPECT_TRUE(banner->Active());
    EXPECT_EQ(completions, 0);
    Ticks(1);
    EXPECT_FALSE(banner->Active());
    EXPECT_FALSE(scroll->enabled);
    EXPECT_EQ(banner->CycleCount(), -1);
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(scroll->Tick());
}

TEST_F(ScrollTextTest, RepeatDelayPausesAtTheStartOfEveryCycleIncludingTheFirst) {
    SetUpPlain(10, 37);
    banner->SetRepeatDelay(2000);
    EXPECT_FALSE(delay->enabled);  // a new delay does not start the pause
    banner->SetScrollStep(50);
    Ticks(1);
    EXPECT_EQ(banner->Position(), 0);
    EXPECT_FALSE(scroll->enabled);
    EXPECT_TRUE(delay->enabled);
    EXPECT_EQ(delay->interval, 2000);
    delay->Tick();
    EXPECT_EQ(banner->Position(), 50);
    EXPECT_FALSE(delay->enabled);
    EXPECT_TRUE(scroll->enabled);
    Ticks(2);  // 50 → 0, then the pause again
    EXPECT_EQ(banner->Position(), 0);
    EXPECT_TRUE(delay->enabled);
    EXPECT_EQ(banner->CycleCount(), 1);

    banner->SetActive(false);  // switching off ends the pause too
    EXPECT_FALSE(delay->enabled);
    EXPECT_FALSE(scroll->enabled);
}

TEST_F(ScrollTextTest, DelayEndingAfterTheBannerWasStoppedDoesNotRestartIt) {
    SetUpPlain(10, 37);
    banner->SetRepeatDelay(100);
    Ticks(1);
    ASSERT_TRUE(delay->enabled);
    banner->SetActive(false);
    delay->enabled = true;  // a tick already under way
    delay->Tick();
    EXPECT_FALSE(scroll->enabled);
}

TEST_F(ScrollTextTest, SettingScrollDelayRestartsARunningTimerOnly) {
    SetUpPlain(10, 37);
    const int starts = scroll->starts;
    banner->SetScrollDelay(40);
    EXPECT_EQ(scroll->interval, 40);
    EXPECT_TRUE(scroll->enabled);
    EXPECT_EQ(scroll->starts, starts + 1);

    banner->SetActive(false);
    banner->SetScrollDelay(80);
    EXPECT_EQ(scroll->interval, 80);
    EXPECT_FALSE(scroll->enabled);  // an inactive banner stays still
    banner->SetActive(true);
    EXPECT_TRUE(scroll->enabled);
}

TEST_F(ScrollTextTest, ChangesLayOutAgainAndRestartFromTheTop) {
    SetUpPlain(10, 37);
    Ticks(5);
    ASSERT_EQ(banner->Position(), 5);
    ASSERT_EQ(banner->CycleCount(), 0);
    const int ready = textsReady;

    banner->Text().SetRowPitch(50);
    EXPECT_EQ(textsReady, ready + 1);
    EXPECT_EQ(banner->Position(), 0);
    EXPECT_EQ(banner->CycleCount(), -1);
    EXPECT_TRUE(banner->Active());
    EXPECT_EQ(banner->TextBmp().Height(), 150);

    banner->Fonts().Add("Big", "Arial", 30, 0, 0, false, 0, 0);
    banner->Labels().Add("Owner", "", TLabelStyle::lsRegOwner);
    banner->SetColor(0x123456);
    banner->SetRepeatCount(3);
    EXPECT_EQ(textsReady, ready + 5);

    banner->SetAutoUpdate(false);
    banner->Text().SetRowPitch(0);
    banner->SetAutoUpdate(true);  // switching back does not lay out outside the designer
    banner->BeginUpdate();
    banner->Text().SetLines({"y"});
    banner->EndUpdate();
    EXPECT_EQ(textsReady, ready + 5);
    banner->SetSize(60, 37);
    EXPECT_EQ(textsReady, ready + 6);
    EXPECT_EQ(banner->TextBmp().Width(), 60);
}

TEST_F(ScrollTextTest, CopyingTextSettingsTakesEverythingAndAnnouncesOneChange) {
    SetUpPlain(10, 37);
    RecordingScrollText other(rasterizer, system, std::make_unique<ManualTimer>(),
                              std::make_unique<ManualTimer>(), random);
    TScrollTextParam& source = other.Text();
    source.SetLines({"a", "b"});
    source.SetFadeHeight(4);
    source.SetHeadSpace(10);
    source.SetTailSpace(20);
    source.SetRowPitch(-10);
    source.SetAlignment(TAlignment::taRightJustify);
    source.FontEffect().SetBlur(40);
    Bitmap picture(2, 2, 24);
    source.BackGround().SetBitmap(picture);

    const int ready = textsReady;
    banner->SetText(source);
    EXPECT_EQ(textsReady, ready + 1);
    const TScrollTextParam& copy = banner->Text();
    EXPECT_EQ(copy.Lines(), source.Lines());
    EXPECT_EQ(copy.FadeHeight(), 4);
    EXPECT_EQ(copy.HeadSpace(), 10);
    EXPECT_EQ(copy.TailSpace(), 20);
    EXPECT_EQ(copy.RowPitch(), -10);
    EXPECT_EQ(copy.Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(copy.FontEffect().Blur(), 40);
    EXPECT_EQ(copy.BackGround().Width(), 2);
}

TEST_F(ScrollTextTest, PaintingFromInsideAPaintDoesNotRecurse) {
    SetUpPlain(10, 37);
    int painted = 0;
    banner->OnPainted = [&](TAACustomText&) {
        ++painted;
        banner->Paint();
    };
    banner->Paint();
    EXPECT_EQ(painted, 1);
}

TEST_F(ScrollTextTest, NeverSmallerThan20Pixels) {
    banner->SetSize(5, -3);
    EXPECT_EQ(banner->Width(), 20);
    EXPECT_EQ(banner->Height(), 20);
}

TEST_F(ScrollTextTest, FadeHeightOneOrTallerThanTheControlStaysInsideTheFrame) {
    SetUpPlain(10, 37);
    banner->Text().SetFade(true);
    for (int fade : {1, 36, 37, 500}) {
        SCOPED_TRACE(fade);
        banner->Text().SetFadeHeight(fade);
        banner->ScrollTo(33);
        EXPECT_EQ(banner->lastFrame.Height(), 37);
        EXPECT_EQ(banner->lastFrame.PixelColor(25, 0), kWhite);
        EXPECT_EQ(banner->lastFrame.PixelColor(25, 36), kWhite);
    }
}

TEST_F(ScrollTextTest, ShutdownStopsBothTimersAndDrawsNoMore) {
    SetUpPlain(10, 37);
    banner->SetRepeatDelay(100);
    Ticks(1);
    const int frames = banner->frames;
    banner->Shutdown();
    EXPECT_FALSE(scroll->enabled);
    EXPECT_FALSE(delay->enabled);
    banner->Paint();
    EXPECT_EQ(banner->frames, frames);
}

TEST_F(ScrollTextTest, DefaultFontsAndLabelsOnlyWhileDesigning) {
    SetUpPlain(1, 37);
    EXPECT_EQ(banner->Fonts().Count(), 0);
    auto scrollTimer = std::make_unique<ManualTimer>();
    auto delayTimer = std::make_unique<ManualTimer>();
    RecordingScrollText designed(rasterizer, system, std::move(scrollTimer), std::move(delayTimer), random);
    designed.SetDesigning(true);
    designed.Loaded();
    ASSERT_EQ(designed.Fonts().Count(), 7);
    EXPECT_EQ(designed.Fonts()[5].Name(), "Title4");
    EXPECT_EQ(designed.Fonts()[5].Font().height, -29);  // 22 points
    EXPECT_TRUE(designed.Fonts()[5].Effect().Outline());
    EXPECT_EQ(designed.Fonts()[6].Name(), "Text3");
    ASSERT_EQ(designed.Labels().Count(), 8);
    EXPECT_EQ(designed.Labels()[7].Name(), "Time");
    EXPECT_EQ(designed.Labels()[7].Style(), TLabelStyle::lsTime);
}

}  // namespace
}  // namespace huecast
