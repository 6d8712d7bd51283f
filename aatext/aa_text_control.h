// The portable half of the anti-aliased text controls: TAAGraphicControl decides when the content must be
// laid out again (Changed, Loaded, Paint with its re-entrancy guard, Resize) and owns the painter;
// TAACustomText adds the font and user labels, update brackets, word wrapping and the background. The
// window that shows a control (aatext/win32/) feeds it its size and paint requests and puts its frames on
// the screen through the two hooks Invalidate and PresentFrame.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "aatext/aa_labels.h"
#include "aatext/aa_painter_ex.h"
#include "aatext/aa_text_params.h"
#include "aatext/line_layout.h"
#include "aatext/word_wrap.h"

namespace huecast {

class TAAGraphicControl {
  public:
    // `rasterizer` measures and draws glyphs; not owned.
    explicit TAAGraphicControl(GlyphRasterizer& rasterizer);
    virtual ~TAAGraphicControl() = default;
    TAAGraphicControl(const TAAGraphicControl&) = delete;
    TAAGraphicControl& operator=(const TAAGraphicControl&) = delete;

    TAAPainterEx& AAPainter() { return painter_; }
    GlyphRasterizer& Rasterizer() const { return rasterizer_; }

    // Lays out again (Reset) when initialised, auto-updating, outside an update bracket, and not loading
    // or being destroyed.
    void Changed();
    // The end of setting the control up: from now on changes lay the content out again.
    void BeginLoading() { loading_ = true; }
    void Loaded();
    bool Loading() const { return loading_; }
    // Draws the content (PaintCanvas), initialising the control first if that has not happened yet.
    void Paint();
    // The control's new size; a change lays the content out again.
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The background colour (0x00BBGGRR or a system colour index); a change lays out again.
    std::uint32_t Color() const { return color_; }
    void SetColor(std::uint32_t color);
    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);

    // The mouse entered or left the control (fired by the window that shows it).
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    bool AutoUpdate() const { return autoUpdate_; }
    virtual void SetAutoUpdate(bool value) { autoUpdate_ = value; }
    bool Inited() const { return inited_; }
    int UpdateCount() const { return updateCount_; }
    // While a form is designed (no designer exists in the program; tools and tests may set it).
    bool Designing() const { return designing_; }
    void SetDesigning(bool value) { designing_ = value; }

  protected:
    // Draws the content; nothing here.
    virtual void PaintCanvas() {}
    // First-time initialisation; here it lays out (Changed).
    virtual void InitControl() { Changed(); }
    // Lays out and redraws; here it only asks for a repaint.
    virtual void Reset() { Invalidate(); }
    // The width and height the control takes when asked for (width, height); here as asked.
    virtual void ConstrainSize(int& /*width*/, int& /*height*/) const {}

    // Hooks for the window that shows the control.
    virtual void Invalidate() {}
    // Puts a finished frame (the control's size) on the screen.
    virtual void PresentFrame(const Bitmap& /*frame*/) {}

    void BeginDestroying() { destroying_ = true; }
    bool Destroying() const { return destroying_; }
    int& UpdateCounter() { return updateCount_; }
    // The control's canvas: the painter draws on it; its target is whatever surface is being drawn.
    AACanvas& Canvas() { return canvas_; }

  private:
    GlyphRasterizer& rasterizer_;
    AACanvas canvas_;
    TAAPainterEx painter_;
    std::uint32_t color_ = 0x80000000 | 15;  // the button face colour
    FontSpec font_;
    int width_ = 0;
    int height_ = 0;
    bool autoUpdate_ = true;
    int updateCount_ = 0;
    bool inited_ = false;
    bool painting_ = false;
    bool loading_ = false;
    bool destroying_ = false;
    bool designing_ = false;
    int lastHeight_ = 0;
    int lastWidth_ = 0;
};

class TAACustomText : public TAAGraphicControl {
  public:
    using TNotifyEvent = std::function<void(TAACustomText& sender)>;

    // `system` supplies the user labels' texts (the registration is read now); not owned.
    TAACustomText(GlyphRasterizer& rasterizer, SystemTexts& system);

    TFontLabels& Fonts() { return fonts_; }
    const TFontLabels& Fonts() const { return fonts_; }
    void SetFonts(const TFontLabels& value) { fonts_.Assign(value); }
    TUserLabels& Labels() { return labels_; }
    const TUserLabels& Labels() const { return labels_; }
    void SetLabels(const TUserLabels& value) { labels_.Assign(value); }

    TNotifyEvent OnTextReady;
    TNotifyEvent OnComplete;
    TNotifyEvent OnPainted;

    // Changes inside an update bracket do not lay out; closing it does not either.
    void BeginUpdate() { ++UpdateCounter(); }
    void EndUpdate() { --UpdateCounter(); }

    // Which bytes start a double-byte character (the system code page's; GBK until told otherwise).
    const LeadByteTable& LeadBytes() const { return leadBytes_; }
    void SetLeadBytes(const LeadByteTable& table) { leadBytes_ = table; }

    std::string WrapText(std::string_view line, std::string_view breakStr, const CharSet& breakChars,
                         int maxCol) const {
        return huecast::WrapText(line, breakStr, breakChars, maxCol, leadBytes_);
    }
    std::vector<std::string> WrapLines(std::string_view line, int maxCol) const {
        return huecast::WrapLines(line, maxCol, leadBytes_);
    }

    // The labels a new control gets while a form is designed: the eight user labels "Left" .. "Time",
    // and the fonts "Title1", "Title2", "Title3", "Text1", "Text2".
    virtual void CreateDefaultLabels();
    virtual void CreateDefaultFonts();
    virtual bool UseDefault() const { return true; }

  protected:
    void InitControl() override;

  private:
    TFontLabels fonts_;
    TUserLabels labels_;
    bool defaultLabelsCreated_ = false;
    bool defaultFontsCreated_ = false;
    LeadByteTable leadBytes_ = LeadByteTable::Gbk();
};

// GBK bytes of the Chinese font faces the labels use.
namespace font_faces {
inline constexpr const char* kSimSun = "\xCB\xCE\xCC\xE5";        // 宋体
inline constexpr const char* kSimHei = "\xBA\xDA\xCC\xE5";        // 黑体
inline constexpr const char* kKaiTi = "\xBF\xAC\xCC\xE5_GB2312";  // 楷体_GB2312
inline constexpr const char* kLiSu = "\xC1\xA5\xCA\xE9";          // 隶书
}  // namespace font_faces

}  // namespace huecast
