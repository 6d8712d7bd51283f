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

template <typename Effect, typename Visitor>
void TAAEffect::VisitIniKeys(Effect& e, Visitor&& visit) {
    visit.Integer("Alpha", e.alpha_);
    visit.Integer("Blur", e.blur_);
    visit.Integer("Noise", e.noise_);
    visit.Integer("Spray", e.spray_);
    visit.Integer("Angle", e.angle_);
    visit.Boolean("Outline", e.outline_);
    visit.Boolean("HorzMirror", e.horzMirror_);
    visit.Boolean("VertMirror", e.vertMirror_);
    visit.Boolean("Shadow", e.shadow_.enabled_);
    visit.Integer("ShadowAlpha", e.shadow_.alpha_);
    visit.Integer("ShadowBlur", e.shadow_.blur_);
    visit.Integer("ShadowColor", e.shadow_.color_);
    visit.Integer("ShadowOffsetX", e.shadow_.offsetX_);
    visit.Integer("ShadowOffsetY", e.shadow_.offsetY_);
    visit.Boolean("Gradual", e.gradual_.enabled_);
    visit.Integer("GradualStartColor", e.gradual_.startColor_);
    visit.Integer("GradualEndColor", e.gradual_.endColor_);
    visit.Choice("GradualStyle", e.gradual_.style_, TGradualStyle::gsLeftToRight, 5);
    visit.Boolean("Texture", e.texture_.enabled_);
    visit.Choice("TextureMode", e.texture_.mode_, TTextureMode::tmTiled, 3);
}

namespace {

// Stores what the file says without announcing it: loading is one change, announced by the caller.
struct IniKeyReader {
    const EffectIniFile& ini;
    std::string_view section;

    template <typename Field>
    void Integer(std::string_view key, Field& field) {
        field = static_cast<Field>(ini.ReadInteger(section, key, static_cast<std::int32_t>(field)));
    }
    void Boolean(std::string_view key, bool& field) { field = ini.ReadBool(section, key, field); }
    // A value outside the choices gives the fallback.
    template <typename Enum>
    void Choice(std::string_view key, Enum& field, Enum fallback, int last) {
        const std::int32_t value = ini.ReadInteger(section, key, static_cast<std::int32_t>(field));
        field = value < 0 || value > last ? fallback : static_cast<Enum>(value);
    }
};

struct IniKeyWriter {
    EffectIniFile& ini;
    std::string_view section;

    template <typename Field>
    void Integer(std::string_view key, const Field& field) {
        ini.WriteInteger(section, key, static_cast<std::int32_t>(field));
    }
    void Boolean(std::string_view key, bool field) { ini.WriteBool(section, key, field); }
    template <typename Enum>
    void Choice(std::string_view key, Enum field, Enum, int) {
        ini.WriteInteger(section, key, static_cast<std::int32_t>(field));
    }
};

}  // namespace

void TAAEffect::LoadFromIni(const EffectIniFile& ini, std::string_view section) {
    VisitIniKeys(*this, IniKeyReader{ini, section});
}

void TAAEffect::SaveToIni(EffectIniFile& ini, std::string_view section) const {
    VisitIniKeys(*this, IniKeyWriter{ini, section});
}

}  // namespace huecast
