// The credits banner as the main window carries it: docked to the bottom, set up as designed, scrolling.
#include <gtest/gtest.h>

#include "aatext/win32/scroll_text_window.h"
#include "app/form1.h"
#include "gui/application.h"
#include "tests/aatext/banner_test_support.h"
#include "tests/support/win32/message_pump.h"

namespace huecast {
namespace {

class MainWindowBannerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        gui::Application::SetTitle("Huecast2.4");
        form = new TForm1();
        form->Show(SW_SHOWNOACTIVATE);
        HWND window = FindWindowExA(form->Handle(), nullptr, TAAScrollTextWindow::kClassName, nullptr);
        banner = TAAScrollTextWindow::FromHandle(window);
    }
    static void TearDownTestSuite() {
        delete form;
        form = nullptr;
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT,
                     PM_REMOVE);  // the form ends the loop it thinks it runs
    }

    static inline TForm1* form = nullptr;
    static inline TAAScrollTextWindow* banner = nullptr;
};

TEST_F(MainWindowBannerTest, DockedToTheBottom599By37) {
    ASSERT_NE(banner, nullptr);
    RECT rect{};
    GetWindowRect(banner->Handle(), &rect);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    RECT client{};
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right, client.right);
    EXPECT_EQ(rect.bottom, client.bottom);
    EXPECT_EQ(rect.bottom - rect.top, 37);
    EXPECT_EQ(client.right, 599);
    EXPECT_EQ(banner->Align(), TAlign::alBottom);
}

TEST_F(MainWindowBannerTest, SetUpAsDesigned) {
    ASSERT_NE(banner, nullptr);
    EXPECT_TRUE(banner->Inited());
    EXPECT_TRUE(banner->Active());
    EXPECT_EQ(banner->ScrollDelay(), 40);
    EXPECT_EQ(banner->RepeatDelay(), 0);
    EXPECT_EQ(banner->RepeatCount(), 0);
    EXPECT_EQ(banner->ScrollStep(), 1);
    EXPECT_EQ(banner->ScrollQuality(), TTimerQuality::tqHigh);

    const TScrollTextParam& text = banner->Text();
    EXPECT_EQ(text.TailSpace(), 0);
    EXPECT_EQ(text.HeadSpace(), 0);
    EXPECT_TRUE(text.Fade());
    EXPECT_EQ(text.FadeHeight(), 10);
    EXPECT_EQ(text.Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(text.Quality(), TAAQuality::aqHigh);
    EXPECT_EQ(text.Font().name, "MS Sans Serif");
    EXPECT_EQ(text.Font().height, -11);
    EXPECT_EQ(text.Font().weight, FW_NORMAL);
    EXPECT_EQ(text.Font().color, 0x80000000u | COLOR_WINDOWTEXT);
    EXPECT_EQ(text.BackColor(), 0xF0CAA6u);
    EXPECT_EQ(text.BackGroundMode(), TBackGroundMode::bmCenter);
    EXPECT_TRUE(text.BackGround().Empty());
    EXPECT_EQ(text.LabelEffect(), TLabelEffect::leUntilNextLabel);

    const TUserLabels& labels = banner->Labels();
    ASSERT_EQ(labels.Count(), 8);
    const char* names[] = {"Left", "Center", "Right", "Owner", "Organization", "AppTitle", "Date", "Time"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(labels[i].Name(), names[i]);
        EXPECT_EQ(labels[i].Style(), static_cast<TLabelStyle>(i));
    }

    const TFontLabels& fonts = banner->Fonts();
    ASSERT_EQ(fonts.Count(), 4);
    const TFontLabel& title4 = fonts[fonts.IndexOf("Title4")];
    EXPECT_EQ(title4.Font().height, -48);
    EXPECT_EQ(title4.Font().charSet, GB2312_CHARSET);
    EXPECT_EQ(title4.Effect().Shadow().Color(), 0x008000u);
    EXPECT_EQ(title4.Effect().Gradual().Style(), TGradualStyle::gsTopToBottom);
    EXPECT_EQ(title4.Effect().Noise(), 5);
    EXPECT_EQ(title4.Effect().Spray(), 1);
    const TFontLabel& text2 = fonts[fonts.IndexOf("Text2")];
    EXPECT_EQ(text2.Effect().Alpha(), 90);
    EXPECT_TRUE(text2.Effect().Outline());
    EXPECT_EQ(text2.Effect().Shadow().Blur(), 50);
    EXPECT_GE(fonts.IndexOf("Text3"), 0);
    EXPECT_GE(fonts.IndexOf("Text4"), 0);

    ASSERT_EQ(text.Lines().size(), 5u);
    EXPECT_EQ(text.Lines()[0], "<Center><Title4>Huecast2.04");
    EXPECT_EQ(text.Lines()[1], "<Center><Title4>For Win2000/XP");
    EXPECT_EQ(text.Lines()[2].rfind("<Text3>", 0), 0u);
    EXPECT_EQ(text.Lines()[3].rfind("<Text4>", 0), 0u);
    EXPECT_EQ(text.Lines()[4].rfind("<Text2>", 0), 0u);
}

TEST_F(MainWindowBannerTest, TextStarts10PixelsDownCentredAndScrolls) {
    ASSERT_NE(banner, nullptr);
    const Bitmap& text = banner->TextBmp();
    EXPECT_EQ(text.Width(), 599);
    // The first line's box starts at row 10, behind the top fade; its glyphs' ink a little lower.
    const int firstInk = testing::FirstInkRow(text, 0xF0CAA6);
    EXPECT_GE(firstInk, 10);
    EXPECT_LT(firstInk, 10 + 24);
    // Centred by the first line's tag although the text's own alignment is right.
    const auto [first, last] = testing::InkColumns(text, 30, 0xF0CAA6);
    ASSERT_GE(first, 0);
    EXPECT_NEAR((first + last) / 2, 599 / 2, 12);

    const int start = banner->Position();
    EXPECT_TRUE(testing::PumpUntil([&] { return banner->Position() >= start + 3; }, 5000));
}

}  // namespace
}  // namespace huecast
