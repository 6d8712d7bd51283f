// The credits banner along the bottom of the window: the program's name, a slogan, the authors and where
// to write to, scrolling in an endless loop.
#include "aatext/win32/scroll_text_window.h"
#include "app/form1.h"
#include "skin/format/client_color.h"

namespace huecast {

namespace {

constexpr int kBannerWidth = 599;
constexpr int kBannerHeight = 37;

constexpr std::uint32_t kWindowText = 0x80000000 | COLOR_WINDOWTEXT;
constexpr std::uint32_t kSkyBlue = 0xF0CAA6;
constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF, kGreen = 0x008000, kBlue = 0xFF0000,
                        kSilver = 0xC0C0C0, kYellow = 0x00FFFF;

FontSpec BannerFont(const char* face, int height, bool bold, std::uint32_t color, std::uint8_t charSet) {
    FontSpec font;
    font.name = face;
    font.height = height;
    font.weight = bold ? FW_BOLD : FW_NORMAL;
    font.color = color;
    font.charSet = charSet;
    return font;
}

void AddTitle4(TFontLabels& fonts) {
    TFontLabel& label = fonts.AddItem();
    label.SetName("Title4");
    label.SetFont(BannerFont("宋体", -48, true, kBlack, GB2312_CHARSET));
    TAAEffect& effect = label.Effect();
    effect.Shadow().SetEnabled(true);
    effect.Shadow().SetColor(kGreen);
    effect.Gradual().SetEnabled(true);
    effect.Gradual().SetStyle(TGradualStyle::gsTopToBottom);
    effect.Gradual().SetStartColor(8454143);  // light yellow
    effect.Gradual().SetEndColor(16744703);   // light violet
    effect.SetBlur(50);
    effect.SetNoise(5);
    effect.SetSpray(1);
}

void AddText3(TFontLabels& fonts) {
    TFontLabel& label = fonts.AddItem();
    label.SetName("Text3");
    label.SetFont(BannerFont("隶书", -21, false, kBlue, DEFAULT_CHARSET));
    TAAEffect& effect = label.Effect();
    effect.Shadow().SetEnabled(true);
    effect.Shadow().SetOffsetX(1);
    effect.Shadow().SetOffsetY(1);
    effect.Gradual().SetEnabled(true);
    effect.Gradual().SetStyle(TGradualStyle::gsTopToBottom);
    effect.Gradual().SetStartColor(13382417);
    effect.Gradual().SetEndColor(kSilver);
}

void AddText2(TFontLabels& fonts) {
    TFontLabel& label = fonts.AddItem();
    label.SetName("Text2");
    label.SetFont(BannerFont("楷体_GB2312", -24, true, kWindowText, GB2312_CHARSET));
    TAAEffect& effect = label.Effect();
    effect.Shadow().SetEnabled(true);
    effect.Shadow().SetBlur(50);
    effect.Shadow().SetColor(kWhite);
    effect.Gradual().SetEnabled(true);
    effect.Gradual().SetStyle(TGradualStyle::gsCenterToTB);
    effect.Gradual().SetStartColor(4227327);  // orange
    effect.Gradual().SetEndColor(kBlue);
    effect.SetAlpha(90);
    effect.SetBlur(1);
    effect.SetOutline(true);
}

void AddText4(TFontLabels& fonts) {
    TFontLabel& label = fonts.AddItem();
    label.SetName("Text4");
    label.SetFont(BannerFont("MS Sans Serif", -32, true, kWindowText, DEFAULT_CHARSET));
    TAAEffect& effect = label.Effect();
    effect.Gradual().SetEnabled(true);
    effect.Gradual().SetStyle(TGradualStyle::gsCenterToTB);
    effect.Gradual().SetStartColor(kYellow);
    effect.Gradual().SetEndColor(kBlue);
}

}  // namespace

// Sky blue; under a dark skin toned half-way to the form's colour, so that the window does not end in a
// bright band. Orange, like every light skin, keeps the sky blue itself.
std::uint32_t TForm1::BannerBackColor() {
    const std::optional<std::uint32_t> client = skin::FormClientColor(skin_.Data());
    if (!client || !skin::IsDark(*client)) return kSkyBlue;
    std::uint32_t mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        mixed |= (((kSkyBlue >> shift & 0xFF) + (*client >> shift & 0xFF)) / 2) << shift;
    return mixed;
}

void TForm1::SkinChangedBanner() {
    if (banner_) banner_->Text().SetBackColor(BannerBackColor());
}

void TForm1::BannerDeleter::operator()(TAAScrollTextWindow* banner) const {
    delete banner;
}

void TForm1::CreateBanner() {
    RECT client{};
    GetClientRect(Handle(), &client);
    banner_.reset(new TAAScrollTextWindow(ScrollTextArgs{.parent = Handle(),
                                                         .x = 0,
                                                         .y = client.bottom - kBannerHeight,
                                                         .width = kBannerWidth,
                                                         .height = kBannerHeight,
                                                         .align = TAlign::alBottom}));
    TAAScrollTextWindow& banner = *banner_;
    // Set up as a form resource would: nothing is laid out until Loaded.
    banner.BeginLoading();
    banner.SetScrollDelay(40);
    banner.SetRepeatDelay(0);

    // The banner keeps its own colour and font (the parent's are not taken) and shows no hint.
    TScrollTextParam& text = banner.Text();
    text.SetTailSpace(0);
    text.SetAlignment(TAlignment::taRightJustify);
    text.SetQuality(TAAQuality::aqHigh);
    text.SetFont(BannerFont("MS Sans Serif", -11, false, kWindowText, DEFAULT_CHARSET));
    text.SetBackColor(BannerBackColor());
    text.SetBackGroundMode(TBackGroundMode::bmCenter);

    // "Left", "Center", "Right", "Owner", "Organization", "AppTitle", "Date", "Time".
    banner.CreateDefaultLabels();
    AddTitle4(banner.Fonts());
    AddText3(banner.Fonts());
    AddText2(banner.Fonts());
    AddText4(banner.Fonts());

    // The first line's centring stays in force for the others (tags act until the next label).
    text.SetLines({
        "<Center><Title4>Huecast2.04",
        "<Center><Title4>For Win2000/XP",
        "<Text3>让每个字都有自己的颜色",
        "<Text4>Made by the Huecast team",
        "<Text2>想说点什么? hello@huecast.example",
    });
    banner.Loaded();
}

}  // namespace huecast
