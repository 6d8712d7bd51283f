// The text-effect settings: TAAEffect with its shadow, gradient and texture, and the change-notification
// base classes they share. Every setter stores the value and announces a change only when the value
// differs, so the control that owns the settings redraws exactly when their look changed. Settings are
// kept within their published ranges by the setters; LoadFromIni stores what the file says (truncated to
// the field's width), and the drawing code treats out-of-range values safely.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "aatext/aa_picture.h"
#include "aatext/effect_ini_file.h"

namespace huecast {

using TAlpha = std::uint8_t;         // 0..100, percent opacity
using TBlurStrength = std::uint8_t;  // 0..100, percent
using TSprayRange = std::uint8_t;    // 0..100, pixels
using TAngle = std::int16_t;         // -360..360, degrees
using TOffset = std::int8_t;         // -20..20, pixels

enum class TGradualStyle : std::uint8_t {
    gsLeftToRight,
    gsRightToLeft,
    gsTopToBottom,
    gsBottomToTop,
    gsCenterToLR,
    gsCenterToTB
};
enum class TTextureMode : std::uint8_t { tmTiled, tmStretched, tmCenter, tmNormal };

// A settings object that announces its changes through OnChanged (sender: itself). Objects are not copied
// (callbacks point at them); Assign copies settings without ever copying the callback.
class TNotifyClass {
  public:
    using TNotifyEvent = std::function<void(TNotifyClass& sender)>;

    explicit TNotifyClass(TNotifyEvent onChanged = {}) : onChanged_(std::move(onChanged)) {}
    virtual ~TNotifyClass() = default;
    TNotifyClass(const TNotifyClass&) = delete;
    TNotifyClass& operator=(const TNotifyClass&) = delete;

    // Copies the settings of `source` that this class and `source` have in common (each level copies its
    // own fields when `source` is of its class). Sends no notification.
    virtual void Assign(const TNotifyClass& source);

    // Calls OnChanged, if set, with this object as sender.
    virtual void Changed();
    // A handler for sub-objects' notifications: announces a change of this object.
    void ChildChanged(TNotifyClass& sender);

    const TNotifyEvent& OnChanged() const { return onChanged_; }
    void SetOnChanged(TNotifyEvent onChanged) { onChanged_ = std::move(onChanged); }

  protected:
    void NotifyDirectly() {
        if (onChanged_) onChanged_(*this);
    }
    template <typename T>
    void Set(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }

  private:
    TNotifyEvent onChanged_;
};

// A settings group that can be switched off: its changes are announced only while it is enabled, but
// switching it on or off always is.
class TEnabledClass : public TNotifyClass {
  public:
    using TNotifyClass::TNotifyClass;

    void Assign(const TNotifyClass& source) override;
    void Changed() override;

    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool value);

  private:
    friend class TAAEffect;  // LoadFromIni stores the flag without announcing it
    bool enabled_ = false;
};

class TAAShadow : public TEnabledClass {
  public:
    using TEnabledClass::TEnabledClass;
    void Assign(const TNotifyClass& source) override;

    TBlurStrength Blur() const { return blur_; }
    TAlpha Alpha() const { return alpha_; }
    std::uint32_t Color() const { return color_; }
    TOffset OffsetX() const { return offsetX_; }
    TOffset OffsetY() const { return offsetY_; }
    void SetBlur(int value);
    void SetAlpha(int value);
    void SetColor(std::uint32_t value) { Set(color_, value); }
    void SetOffsetX(int value);
    void SetOffsetY(int value);

  private:
    friend class TAAEffect;  // LoadFromIni stores into the fields directly
    TBlurStrength blur_ = 80;
    TAlpha alpha_ = 70;
    std::uint32_t color_ = 4473924;  // red, green and blue 68
    TOffset offsetX_ = 2;
    TOffset offsetY_ = 2;
};

class TAAGradual : public TEnabledClass {
  public:
    using TEnabledClass::TEnabledClass;
    void Assign(const TNotifyClass& source) override;

    TGradualStyle Style() const { return style_; }
    std::uint32_t StartColor() const { return startColor_; }
    std::uint32_t EndColor() const { return endColor_; }
    void SetStyle(TGradualStyle value);
    void SetStartColor(std::uint32_t value) { Set(startColor_, value); }
    void SetEndColor(std::uint32_t value) { Set(endColor_, value); }

  private:
    friend class TAAEffect;
    TGradualStyle style_ = TGradualStyle::gsLeftToRight;
    std::uint32_t startColor_ = 0xFFFFFF;
    std::uint32_t endColor_ = 0;
};

class TAATexture : public TEnabledClass {
  public:
    explicit TAATexture(TNotifyEvent onChanged = {});
    void Assign(const TNotifyClass& source) override;

    TTextureMode Mode() const { return mode_; }
    void SetMode(TTextureMode value);
    // Every change of the picture's graphic announces a change.
    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    void SetPicture(const TPicture& value) { picture_.Assign(value); }

  private:
    friend class TAAEffect;
    TPicture picture_;
    TTextureMode mode_ = TTextureMode::tmTiled;
};

class TAAEffect : public TNotifyClass {
  public:
    explicit TAAEffect(TNotifyEvent onChanged = {});
    void Assign(const TNotifyClass& source) override;

    TAlpha Alpha() const { return alpha_; }
    TBlurStrength Blur() const { return blur_; }
    bool Outline() const { return outline_; }
    std::uint8_t Noise() const { return noise_; }
    TSprayRange Spray() const { return spray_; }
    TAngle Angle() const { return angle_; }
    bool HorzMirror() const { return horzMirror_; }
    bool VertMirror() const { return vertMirror_; }
    void SetAlpha(int value);
    void SetBlur(int value);
    void SetOutline(bool value) { Set(outline_, value); }
    void SetNoise(int value);
    void SetSpray(int value);
    void SetAngle(int value);
    void SetHorzMirror(bool value) { Set(horzMirror_, value); }
    void SetVertMirror(bool value) { Set(vertMirror_, value); }

    // The sub-objects; their changes reach this object's OnChanged.
    TAAShadow& Shadow() { return shadow_; }
    const TAAShadow& Shadow() const { return shadow_; }
    TAAGradual& Gradual() { return gradual_; }
    const TAAGradual& Gradual() const { return gradual_; }
    TAATexture& Texture() { return texture_; }
    const TAATexture& Texture() const { return texture_; }
    // Copy the given settings into the owned sub-object and always announce a change.
    void SetShadow(const TAAShadow& value);
    void SetGradual(const TAAGradual& value);
    void SetTexture(const TAATexture& value);

    // Reads the keys of `section` ("Alpha", "Blur", ... "TextureMode"): a missing or unreadable key keeps
    // the current value; values are truncated to the field's width; a "GradualStyle" outside 0..5 becomes
    // gsLeftToRight and a "TextureMode" outside 0..3 tmTiled. Sends no notification. The picture is not read.
    void LoadFromIni(const EffectIniFile& ini, std::string_view section);
    // Writes the same keys in decimal, booleans as "1" and "0".
    void SaveToIni(EffectIniFile& ini, std::string_view section) const;

  private:
    // Calls the visitor for every saved key and its field, in the order they are written, so that loading
    // and saving share one list. `Effect` is TAAEffect or const TAAEffect.
    template <typename Effect, typename Visitor>
    static void VisitIniKeys(Effect& effect, Visitor&& visit);

    TAlpha alpha_ = 100;
    TBlurStrength blur_ = 0;
    TAAGradual gradual_;
    TAAShadow shadow_;
    TAATexture texture_;
    bool outline_ = false;
    std::uint8_t noise_ = 0;
    TSprayRange spray_ = 0;
    TAngle angle_ = 0;
    bool horzMirror_ = false;
    bool vertMirror_ = false;
};

}  // namespace huecast
