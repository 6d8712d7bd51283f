#include "aatext/aa_effect.h"

#include <algorithm>

namespace huecast {

void TNotifyClass::Assign(const TNotifyClass&) {}  // the callback is never copied

void TNotifyClass::Changed() {
    NotifyDirectly();
}

void TNotifyClass::ChildChanged(TNotifyClass&) {
    Changed();
}

// ---------------------------------------------------------------------------------------------------------

void TEnabledClass::Assign(const TNotifyClass& source) {
    TNotifyClass::Assign(source);
    if (const auto* s = dynamic_cast<const TEnabledClass*>(&source)) enabled_ = s->enabled_;
}

void TEnabledClass::Changed() {
    if (enabled_) TNotifyClass::Changed();
}

void TEnabledClass::SetEnabled(bool value) {
    if (enabled_ == value) return;
    enabled_ = value;
    NotifyDirectly();
}

// ---------------------------------------------------------------------------------------------------------

namespace {

template <typename T>
T Within(int value, int low, int high) {
    return static_cast<T>(std::clamp(value, low, high));
}

}  // namespace

void TAAShadow::Assign(const TNotifyClass& source) {
    TEnabledClass::Assign(source);
    if (const auto* s = dynamic_cast<const TAAShadow*>(&source)) {
        blur_ = s->blur_;
        alpha_ = s->alpha_;
        color_ = s->color_;
        offsetX_ = s->offsetX_;
        offsetY_ = s->offsetY_;
    }
}

void TAAShadow::SetBlur(int value) {
    Set(blur_, Within<TBlurStrength>(value, 0, 100));
}
void TAAShadow::SetAlpha(int value) {
    Set(alpha_, Within<TAlpha>(value, 0, 100));
}
void TAAShadow::SetOffsetX(int value) {
    Set(offsetX_, Within<TOffset>(value, -20, 20));
}
void TAAShadow::SetOffsetY(int value) {
    Set(offsetY_, Within<TOffset>(value, -20, 20));
}

void TAAGradual::Assign(const TNotifyClass& source) {
    TEnabledClass::Assign(source);
    if (const auto* s = dynamic_cast<const TAAGradual*>(&source)) {
        style_ = s->style_;
        startColor_ = s->startColor_;
        endColor_ = s->endColor_;
    }
}

void TAAGradual::SetStyle(TGradualStyle value) {
    Set(style_, value > TGradualStyle::gsCenterToTB ? TGradualStyle::gsLeftToRight : value);
}

TAATexture::TAATexture(TNotifyEvent onChanged) : TEnabledClass(std::move(onChanged)) {
    picture_.SetOnChange([this] { Changed(); });
}

void TAATexture::Assign(const TNotifyClass& source) {
    TEnabledClass::Assign(source);
    if (const auto* s = dynamic_cast<const TAATexture*>(&source)) {
        mode_ = s->mode_;
        // Assign sends no notification, so the picture is copied around its change callback.
        auto onChange = [this] { Changed(); };
        picture_.SetOnChange({});
        picture_.Assign(s->picture_);
        picture_.SetOnChange(onChange);
    }
}

void TAATexture::SetMode(TTextureMode value) {
    Set(mode_, value > TTextureMode::tmNormal ? TTextureMode::tmTiled : value);
}

// ---------------------------------------------------------------------------------------------------------

TAAEffect::TAAEffect(TNotifyEvent onChanged)
    : TNotifyClass(std::move(onChanged)),
      gradual_([this](TNotifyClass& sender) { ChildChanged(sender); }),
      shadow_([this](TNotifyClass& sender) { ChildChanged(sender); }),
      texture_([this](TNotifyClass& sender) { ChildChanged(sender); }) {}

void TAAEffect::Assign(const TNotifyClass& source) {
    TNotifyClass::Assign(source);
    const auto* s = dynamic_cast<const TAAEffect*>(&source);
    if (!s || s == this) return;
    alpha_ = s->alpha_;
    blur_ = s->blur_;
    outline_ = s->outline_;
    noise_ = s->noise_;
    spray_ = s->spray_;
    angle_ = s->angle_;
    horzMirror_ = s->horzMirror_;
    vertMirror_ = s->vertMirror_;
    gradual_.Assign(s->gradual_);
    shadow_.Assign(s->shadow_);
    texture_.Assign(s->texture_);
}

void TAAEffect::SetAlpha(int value) {
    Set(alpha_, Within<TAlpha>(value, 0, 100));
}
void TAAEffect::SetBlur(int value) {
    Set(blur_, Within<TBlurStrength>(value, 0, 100));
}
void TAAEffect::SetNoise(int value) {
    Set(noise_, Within<std::uint8_t>(value, 0, 255));
}
void TAAEffect::SetSpray(int value) {
    Set(spray_, Within<TSprayRange>(value, 0, 100));
}
void TAAEffect::SetAngle(int value) {
    Set(angle_, Within<TAngle>(value, -360, 360));
}

void TAAEffect::SetShadow(const TAAShadow& value) {
    shadow_.Assign(value);
    Changed();
}

void TAAEffect::SetGradual(const TAAGradual& value) {
    gradual_.Assign(value);
    Changed();
}

void TAAEffect::SetTexture(const TAATexture& value) {
    texture_.Assign(value);
    Changed();
}

void TAAEffect::LoadFromIni(const IniFile& ini, std::string_view section) {
    const auto integer = [&](std::string_view key, auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        field = static_cast<Field>(ini.ReadInteger(section, key, static_cast<std::int32_t>(field)));
    };
    const auto boolean = [&](std::string_view key, bool& field) {
        field = ini.ReadBool(section, key, field);
    };
    integer("Alpha", alpha_);
    integer("Blur", blur_);
    integer("Noise", noise_);
    integer("Spray", spray_);
    integer("Angle", angle_);
    boolean("Outline", outline_);
    boolean("HorzMirror", horzMirror_);
    boolean("VertMirror", vertMirror_);
    boolean("Shadow", shadow_.enabled_);
    integer("ShadowAlpha", shadow_.alpha_);
    integer("ShadowBlur", shadow_.blur_);
    integer("ShadowColor", shadow_.color_);
    integer("ShadowOffsetX", shadow_.offsetX_);
    integer("ShadowOffsetY", shadow_.offsetY_);
    boolean("Gradual", gradual_.enabled_);
    integer("GradualStartColor", gradual_.startColor_);
    integer("GradualEndColor", gradual_.endColor_);
    std::uint8_t style = static_cast<std::uint8_t>(gradual_.style_);
    integer("GradualStyle", style);
    gradual_.style_ = style > 5 ? TGradualStyle::gsLeftToRight : static_cast<TGradualStyle>(style);
    boolean("Texture", texture_.enabled_);
    std::uint8_t mode = static_cast<std::uint8_t>(texture_.mode_);
    integer("TextureMode", mode);
    texture_.mode_ = mode > 3 ? TTextureMode::tmTiled : static_cast<TTextureMode>(mode);
}

void TAAEffect::SaveToIni(IniFile& ini, std::string_view section) const {
    const auto integer = [&](std::string_view key, std::int64_t value) {
        ini.WriteInteger(section, key, static_cast<std::int32_t>(value));
    };
    const auto boolean = [&](std::string_view key, bool value) { ini.WriteBool(section, key, value); };
    integer("Alpha", alpha_);
    integer("Blur", blur_);
    integer("Noise", noise_);
    integer("Spray", spray_);
    integer("Angle", angle_);
    boolean("Outline", outline_);
    boolean("HorzMirror", horzMirror_);
    boolean("VertMirror", vertMirror_);
    boolean("Shadow", shadow_.Enabled());
    integer("ShadowAlpha", shadow_.alpha_);
    integer("ShadowBlur", shadow_.blur_);
    integer("ShadowColor", shadow_.color_);
    integer("ShadowOffsetX", shadow_.offsetX_);
    integer("ShadowOffsetY", shadow_.offsetY_);
    boolean("Gradual", gradual_.Enabled());
    integer("GradualStartColor", gradual_.startColor_);
    integer("GradualEndColor", gradual_.endColor_);
    integer("GradualStyle", static_cast<int>(gradual_.style_));
    boolean("Texture", texture_.Enabled());
    integer("TextureMode", static_cast<int>(texture_.mode_));
}

}  // namespace huecast
