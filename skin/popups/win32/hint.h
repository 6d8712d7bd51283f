// The application's hints drawn from the skin.
//
// ApplicationHints is the application's hint machinery: it keeps every control's hint text, watches the
// pointer over the program's windows (disabled controls included), and asks the active TSkinHint's window
// to show the text of the nearest window under the pointer that has one, with the timing of HintSchedule.
// TSkinHint is the component a form holds to give those hints the skin's look; TSkinHintWindow is its
// window: topmost, never activated, shaped by the skin's mask.
//
//     TSkinHint SkinHint1(&skinData);                          // active at once
//     ApplicationHints::Instance().SetHint(button, "line 1\r\nline 2");
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "gui/fonts.h"
#include "gui/handles.h"
#include "gui/window.h"
#include "skin/popups/hint_schedule.h"
#include "skin/popups/hint_layout.h"

namespace huecast::skin {

class TSkinData;
class TSkinHint;

// The hint window of one TSkinHint.
class TSkinHintWindow : public gui::Window {
  public:
    explicit TSkinHintWindow(TSkinHint& owner);

    // Shows `text` with its top-left corner at `suggested` (flipped at the screen's edges).
    void ActivateHint(Point suggested, const std::string& text);
    void Hide();
    const std::string& Text() const { return text_; }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC target);
    // The skin to draw with: the owner's skin data when it has a hint picture, else nullptr (plain).
    const TSkinData* Skin() const;
    gui::FontHandle CreateHintFont() const;
    void UpdateShape(const TSkinData* skin);
    void UpdateAlpha();

    TSkinHint& owner_;
    std::string text_;
    HintLayout layout_;
    bool shaped_ = false;    // the window has a region from the mask
    int appliedAlpha_ = -1;  // -1: not layered
};

class TSkinHint {
  public:
    // Becomes the active hint of the application (every other TSkinHint turns inactive) and sets the
    // application's short hint pause to 100 ms.
    explicit TSkinHint(TSkinData* skinData = nullptr);
    ~TSkinHint();
    TSkinHint(const TSkinHint&) = delete;
    TSkinHint& operator=(const TSkinHint&) = delete;

    TSkinData* skinData = nullptr;
    bool alphaBlend = false;
    BYTE alphaBlendValue = 0;
    gui::FontSpec defaultFont{"MS Sans Serif", 11};
    bool useSkinFont = true;
    // Runs before a hint shows; it may change the text (an empty text shows nothing).
    std::function<void(std::string& text)> onShowHint;

    bool Active() const;
    void SetActive(bool active);
    TSkinHintWindow& Window() { return window_; }

  private:
    TSkinHintWindow window_;
};

class ApplicationHints {
  public:
    static ApplicationHints& Instance();

    // Sets the hint of `control` (lines separated by CR LF); an empty text removes it.
    void SetHint(HWND control, std::string text);
    // The hint of `window` or of its nearest ancestor that has one; the window that has it in `owner`.
    const std::string* HintFor(HWND window, HWND* owner = nullptr) const;
    // The window under the screen point `p` among the program's windows, disabled ones included.
    static HWND WindowAt(POINT p);

    TSkinHint* ActiveHint() const { return active_; }
    void SetActiveHint(TSkinHint* hint);  // nullptr: no hints shown
    void Forget(TSkinHint* hint);

    void SetTimings(HintTimings timings) { schedule_.SetTimings(timings); }
    const HintTimings& Timings() const { return schedule_.Timings(); }

  private:
    ApplicationHints() = default;
    ~ApplicationHints();
    void Install();
    void Apply(HintStep step);
    void PointerMoved();
    void Cancel();
    static LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK ScheduleTick(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK PollTick(HWND, UINT, UINT_PTR, DWORD);

    std::map<HWND, std::string> hints_;
    HintSchedule schedule_;
    TSkinHint* active_ = nullptr;
    HHOOK mouseHook_ = nullptr, keyboardHook_ = nullptr;
    UINT_PTR scheduleTimer_ = 0, pollTimer_ = 0;
};

}  // namespace huecast::skin
