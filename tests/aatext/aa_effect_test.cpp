#include "aatext/aa_effect.h"

#include <gtest/gtest.h>

namespace huecast {
namespace {

struct Counter {
    int count = 0;
    TNotifyClass* lastSender = nullptr;
    TNotifyClass::TNotifyEvent Callback() {
        return [this](TNotifyClass& sender) {
            ++count;
            lastSender = &sender;
        };
    }
};

TEST(EffectSettings, Defaults) {
    TAAEffect effect;
    EXPECT_EQ(effect.Alpha(), 100);
    EXPECT_EQ(effect.Blur(), 0);
    EXPECT_FALSE(effect.Outline());
    EXPECT_EQ(effect.Shadow().Blur(), 80);
    EXPECT_EQ(effect.Shadow().Alpha(), 70);
    EXPECT_EQ(effect.Shadow().Color(), 4473924u);
    EXPECT_EQ(effect.Shadow().OffsetX(), 2);
    EXPECT_FALSE(effect.Shadow().Enabled());
    EXPECT_EQ(effect.Gradual().Style(), TGradualStyle::gsLeftToRight);
    EXPECT_EQ(effect.Gradual().StartColor(), 0xFFFFFFu);
    EXPECT_EQ(effect.Texture().Mode(), TTextureMode::tmTiled);
}

TEST(EffectSettings, OnlyRealChangesAreAnnounced) {
    Counter counter;
    TAAEffect effect(counter.Callback());
    effect.SetAlpha(100);
    effect.SetOutline(false);
    EXPECT_EQ(counter.count, 0);
    effect.SetAlpha(50);
    effect.SetAngle(-90);
    EXPECT_EQ(counter.count, 2);
    EXPECT_EQ(counter.lastSender, &effect);
    effect.SetAlpha(170);  // kept in range
    EXPECT_EQ(effect.Alpha(), 100);
}

TEST(EffectSettings, DisabledGroupsAnnounceOnlyTheirSwitching) {
    Counter counter;
    TAAEffect effect(counter.Callback());
    effect.Shadow().SetAlpha(40);
    effect.Gradual().SetEndColor(0x123456);
    effect.Texture().Picture().SetBitmap(Bitmap(2, 2, 24));
    EXPECT_EQ(counter.count, 0) << "changes inside disabled groups are stored silently";
    EXPECT_EQ(effect.Shadow().Alpha(), 40);
    effect.Shadow().SetEnabled(true);
    EXPECT_EQ(counter.count, 1);
    effect.Shadow().SetEnabled(true);
    EXPECT_EQ(counter.count, 1);
    effect.Shadow().SetOffsetX(-3);
    EXPECT_EQ(counter.count, 2);
    effect.Shadow().SetEnabled(false);
    EXPECT_EQ(counter.count, 3) << "switching off is announced";
    EXPECT_EQ(counter.lastSender, &effect) << "a child's change reaches the effect as its own";
    effect.Texture().SetEnabled(true);
    effect.Texture().Picture().Clear();
    EXPECT_EQ(counter.count, 5) << "a picture change of an enabled texture";
}

TEST(EffectSettings, SubObjectSettersAlwaysAnnounce) {
    Counter counter;
    TAAEffect effect(counter.Callback());
    TAAShadow same;
    effect.SetShadow(same);
    EXPECT_EQ(counter.count, 1);
}

TEST(EffectSettings, AssignCopiesEverythingWithoutNotifying) {
    TAAEffect source;
    source.SetAlpha(90);
    source.SetBlur(12);
    source.SetNoise(30);
    source.SetSpray(4);
    source.SetAngle(45);
    source.SetOutline(true);
    source.SetVertMirror(true);
    source.Shadow().SetEnabled(true);
    source.Shadow().SetAlpha(33);
    source.Shadow().SetBlur(5);
    source.Shadow().SetColor(0xFF);
    source.Shadow().SetOffsetX(-3);
    source.Shadow().SetOffsetY(7);
    source.Gradual().SetStyle(TGradualStyle::gsCenterToTB);
    source.Gradual().SetStartColor(1);
    source.Texture().SetMode(TTextureMode::tmCenter);
    source.Texture().Picture().SetBitmap(Bitmap(3, 4, 24));

    Counter counter;
    TAAEffect copy(counter.Callback());
    copy.Assign(source);
    EXPECT_EQ(counter.count, 0);
    EXPECT_EQ(copy.Alpha(), 90);
    EXPECT_EQ(copy.Blur(), 12);
    EXPECT_EQ(copy.Noise(), 30);
    EXPECT_EQ(copy.Spray(), 4);
    EXPECT_EQ(copy.Angle(), 45);
    EXPECT_TRUE(copy.Outline());
    EXPECT_TRUE(copy.VertMirror());
    EXPECT_FALSE(copy.HorzMirror());
    EXPECT_TRUE(copy.Shadow().Enabled());
    EXPECT_EQ(copy.Shadow().Alpha(), 33) << "the shadow's opacity is copied too";
    EXPECT_EQ(copy.Shadow().Blur(), 5);
    EXPECT_EQ(copy.Shadow().Color(), 0xFFu);
    EXPECT_EQ(copy.Shadow().OffsetX(), -3);
    EXPECT_EQ(copy.Shadow().OffsetY(), 7);
    EXPECT_EQ(copy.Gradual().Style(), TGradualStyle::gsCenterToTB);
    EXPECT_EQ(copy.Gradual().StartColor(), 1u);
    EXPECT_EQ(copy.Texture().Mode(), TTextureMode::tmCenter);
    EXPECT_EQ(copy.Texture().Picture().Width(), 3);
    EXPECT_FALSE(copy.OnChanged() == nullptr) << "the callback stays the copy's own";
    copy.SetAlpha(1);
    EXPECT_EQ(counter.count, 1);
}

TEST(EffectSettings, AssignBetweenSiblingGroupsCopiesOnlyTheCommonPart) {
    TAAGradual gradual;
    gradual.SetEnabled(true);
    TAAShadow shadow;
    shadow.SetAlpha(10);
    shadow.Assign(gradual);
    EXPECT_TRUE(shadow.Enabled());
    EXPECT_EQ(shadow.Alpha(), 10);
}

TEST(EffectIni, LoadsKeysWithHexTruncationAndResets) {
    MemEffectIniFile ini(
        "[Title]\n"
        "Alpha=0x32\nBlur=300\nNoise=abc\nSpray=7\nAngle=70000\nOutline=2\nHorzMirror=0\n"
        "Shadow=1\nShadowAlpha=63\nShadowColor=0xFF00FF\nShadowOffsetX=200\nShadowOffsetY=-3\n"
        "Gradual=1\nGradualStartColor=255\nGradualStyle=7\nTexture=1\nTextureMode=4\n");
    Counter counter;
    TAAEffect effect(counter.Callback());
    effect.SetNoise(9);
    counter.count = 0;
    effect.LoadFromIni(ini, "title");
    EXPECT_EQ(counter.count, 0) << "loading announces nothing";
    EXPECT_EQ(effect.Alpha(), 0x32);
    EXPECT_EQ(effect.Blur(), 300 % 256) << "truncated to the byte";
    EXPECT_EQ(effect.Noise(), 9) << "an unreadable value keeps the current one";
    EXPECT_EQ(effect.Spray(), 7);
    EXPECT_EQ(effect.Angle(), static_cast<std::int16_t>(70000));
    EXPECT_TRUE(effect.Outline());
    EXPECT_TRUE(effect.Shadow().Enabled());
    EXPECT_EQ(effect.Shadow().Alpha(), 63);
    EXPECT_EQ(effect.Shadow().Blur(), 80) << "a missing key keeps the current value";
    EXPECT_EQ(effect.Shadow().Color(), 0xFF00FFu);
    EXPECT_EQ(effect.Shadow().OffsetX(), -56);
    EXPECT_EQ(effect.Shadow().OffsetY(), -3);
    EXPECT_TRUE(effect.Gradual().Enabled());
    EXPECT_EQ(effect.Gradual().StartColor(), 255u);
    EXPECT_EQ(effect.Gradual().Style(), TGradualStyle::gsLeftToRight) << "GradualStyle 7";
    EXPECT_TRUE(effect.Texture().Enabled());
    EXPECT_EQ(effect.Texture().Mode(), TTextureMode::tmTiled) << "TextureMode 4";

    MemEffectIniFile style("[s]\nGradualStyle=5\nTextureMode=3\n");
    effect.LoadFromIni(style, "s");
    EXPECT_EQ(effect.Gradual().Style(), TGradualStyle::gsCenterToTB);
    EXPECT_EQ(effect.Texture().Mode(), TTextureMode::tmNormal);
}

TEST(EffectIni, SavesEveryKeyInOrderAndLoadsItBack) {
    TAAEffect effect;
    effect.SetAlpha(90);
    effect.SetAngle(-45);
    effect.SetHorzMirror(true);
    effect.Shadow().SetEnabled(true);
    effect.Shadow().SetColor(0x80000008u);
    effect.Shadow().SetOffsetX(-3);
    effect.Gradual().SetStyle(TGradualStyle::gsBottomToTop);
    MemEffectIniFile ini;
    effect.SaveToIni(ini, "Line");
    EXPECT_EQ(
        ini.Text(),
        "[Line]\r\nAlpha=90\r\nBlur=0\r\nNoise=0\r\nSpray=0\r\nAngle=-45\r\nOutline=0\r\nHorzMirror=1\r\n"
        "VertMirror=0\r\nShadow=1\r\nShadowAlpha=70\r\nShadowBlur=80\r\nShadowColor=-2147483640\r\n"
        "ShadowOffsetX=-3\r\nShadowOffsetY=2\r\nGradual=0\r\nGradualStartColor=16777215\r\n"
        "GradualEndColor=0\r\nGradualStyle=3\r\nTexture=0\r\nTextureMode=0\r\n");
    TAAEffect loaded;
    loaded.LoadFromIni(MemEffectIniFile(ini.Text()), "Line");
    MemEffectIniFile again;
    loaded.SaveToIni(again, "Line");
    EXPECT_EQ(again.Text(), ini.Text());
    EXPECT_EQ(loaded.Shadow().Color(), 0x80000008u);
}

}  // namespace
}  // namespace huecast
