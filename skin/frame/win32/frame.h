// TSkinFrame: the skinned window frame of a form. It takes over the form's window (subclassing it, the
// form's own procedure still gets every message the frame does not answer completely), removes the system
// caption, computes the non-client area from the skin, draws frame, caption text and caption buttons from
// the skin's main picture and frame objects, answers the hit test so the skinned edges resize and the
// caption moves the window, carries out the caption commands itself, and passes skin changes on to the
// form's skinned controls. Without skin data (or with an empty one) it draws a plain frame of its own.
//
//     SkinFrame1 = std::make_unique<skin::TSkinFrame>(Handle());
//     SkinFrame1->borderIcons = {.rollUp = false};
//     SkinFrame1->showIcon = true;
//     SkinFrame1->SetSkinData(&skinData);          // builds the objects, sizes and paints the frame
//
// Index: the frame (frame.cpp: hooking, messages, commands, state); painting (frame_paint.cpp:
// strips, objects, caption text, the plain look, the client background).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/handles.h"
#include "gui/timer.h"
#include "skin/frame/frame_hit_test.h"
#include "skin/frame/frame_layout.h"
#include "skin/frame/frame_objects.h"
#include "skin/frame/frame_state.h"
#include "skin/format/skin_data.h"
#include "skin/picture/win32/gdi_stamp.h"
#include "skin/frame/win32/system_menu_popup.h"

namespace huecast::skin {

class FrameCanvas;
class TTrayIcon;

struct CaptionFont {
    std::string face = "\xCB\xCE\xCC\xE5";  // 宋体 in GBK
    int height = 12;                        // pixels
    bool bold = true;
    COLORREF color = GetSysColor(COLOR_BTNTEXT);
    BYTE charset = DEFAULT_CHARSET;
};

class TSkinFrame final : private FrameObjectHost {
  public:
    // Hooks `form` at once: its caption style goes and the frame draws from now on.
    explicit TSkinFrame(HWND form);
    ~TSkinFrame() override;
    TSkinFrame(const TSkinFrame&) = delete;
    TSkinFrame& operator=(const TSkinFrame&) = delete;

    HWND Form() const { return form_; }

    // Attaches a skin (nullptr: none); the frame rebuilds its objects, sizes itself and repaints.
    void SetSkinData(TSkinData* skinData);
    TSkinData* SkinData() const { return skinData_; }
    bool Skinned() const { return skinData_ && !skinData_->Empty(); }
    // The skinned menus plug in here; until then the system's pop-up menu shows the same items.
    void SetSystemMenuPopup(std::unique_ptr<SystemMenuPopup> popup);
    // The application's own items of the system menu, asked for afresh each time the menu opens; an item
    // picked there runs after the menu has closed and the handler that showed it has returned.
    std::function<std::vector<TMenuItem>()> applicationMenuItems;

    // Properties (set them before SetSkinData, or call Refresh after).
    BorderIcons borderIcons;
    bool magnetic = false;
    int magneticSize = 5;
    int minWidth = 0, minHeight = 0;
    bool showIcon = false;
    bool maximizeOnFullScreen = false;
    bool alphaBlend = false, alphaBlendAnimation = false;
    BYTE alphaBlendValue = 200;
    // The tray icon that minimize-to-tray hides the form behind (not owned); with alwaysMinimizeToTray the
    // minimize command goes there too.
    TTrayIcon* trayIcon = nullptr;
    bool alwaysMinimizeToTray = false;
    // Whether minimize is the whole application's (the main form) or parks this form at a free slot.
    bool mainForm = true;
    CaptionFont defCaptionFont;
    CaptionFont defInActiveCaptionFont{.color = GetSysColor(COLOR_BTNSHADOW)};

    // Events.
    std::function<void()> onChangeSkinData, onActivate, onDeActivate, onChangeRollUpState, onMinimizeToTray;
    std::function<void(const std::string&object)> onMouseEnterEvent, onMouseLeaveEvent;
    std::function<void(const std::string&object, MouseButton, Point)> onMouseDownEvent, onMouseUpEvent;
    std::function<void(const std::string& object, Point)> onMouseMoveEvent;
    std::function<void(const std::string& object, HDC, const RECT&)> onPaintEvent;

    // Re-applies the properties: objects, border icons, size limits, frame and shape.
    void Refresh();

    // The frame around the client area, and the window size that holds a client area of `client`.
    FrameMargins Margins() const;
    Size WindowSizeFor(Size client) const;
    Size MinimumSize() const;

    // State, as the frame keeps it.
    const FrameState& State() const { return state_; }
    bool Active() const { return active_; }
    const FrameObjects& Objects() const { return objects_; }
    // The frame layout for the window's current size (window coordinates).
    FrameLayout Layout() const;

    // The caption commands, as the caption buttons and the system menu run them.
    void Close();
    void MaximizeOrRestore();
    void MinimizeOrRestore();
    // Hides the form behind its tray icon; without one, an ordinary minimize.
    void MinimizeToTray();
    void Restore();
    void RollUpOrDown();
    void ShowSystemMenu(POINT at, const RECT* exclude);

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT PassOn(UINT message, WPARAM wParam, LPARAM lParam);

    // frame.cpp
    void SkinChanging(TSkinData* announcing);
    void SkinChanged(TSkinData* announcing);
    void RebuildObjects();
    void EnlargeToMinimum();
    void PlaceObjects(const FrameLayout& layout);
    HitCode HitTest(POINT screen);
    void TrackMouse();
    void SetObjectUnderMouse(int index);
    Point CursorInWindow() const;
    void OnActivate(bool active, bool paint);
    void OnSize();
    void SyncWithSystem();
    void ApplyAction(const FrameAction& action);
    void RunCommand(SkinCommand command);
    void RunMenuCommand(SystemMenuCommand command);
    void CaptionDoubleClick();
    void StartFadeIn();
    void FadeStep();
    Rect WindowBounds() const;
    Rect MaximizedArea();
    Rect MinimizedBounds();
    bool Resizable() const;
    bool ToolWindow() const;
    bool Minimized() const { return state_.Minimized() || IsIconic(form_); }
    std::vector<SystemMenuItem> SystemMenuFor() const;
    void MorphTick();
    void AnimateTick();
    void StopTimers();

    // frame_paint.cpp
    void PaintFrame(HDC windowDc);
    void PaintSkinned(HDC windowDc);
    void PaintPlain(HDC windowDc);
    void DrawObject(TActiveSkinObject& object, FrameCanvas& canvas, Point offset, bool drawNormal);
    void DrawCaptionText(TSkinCaptionObject& caption, FrameCanvas& canvas, Point offset);
    const GdiStamp& TextStamp(const std::string& text, COLORREF color);
    bool EraseClient(HDC dc);
    void UpdateRegion();
    void RepaintFrame();
    HICON SmallIcon() const;

    // FrameObjectHost
    void RedrawObject(TActiveSkinObject& object) override;
    void StartMorphTimer() override;
    void StartAnimateTimer() override;
    void PopupSystemMenu(const Rect& objectRect) override;
    void QueueCommand(SkinCommand command) override;
    void MouseEnterEvent(const std::string& name) override;
    void MouseLeaveEvent(const std::string& name) override;
    void MouseDownEvent(const std::string& name, MouseButton button, Point at) override;
    void MouseUpEvent(const std::string& name, MouseButton button, Point at) override;
    void MouseMoveEvent(const std::string& name, Point at) override;

    HWND form_;
    TSkinData* skinData_ = nullptr;
    // The skin's frame pictures in 24 bits, made at every skin change.
    Bitmap main24_, inactive24_, mask24_;
    FrameObjects objects_;
    FrameState state_;
    bool active_ = false;
    int mouseIndex_ = -1, oldMouseIndex_ = -1, pressedIndex_ = -1;
    bool moveOrSize_ = false;
    bool capturing_ = false;
    // System states last seen, to tell the system's own minimize, maximize and restore from ours.
    bool wasIconic_ = false, wasZoomed_ = false;
    std::unique_ptr<SystemMenuPopup> systemMenu_;
    std::function<void()> pendingApplicationCommand_;
    std::unique_ptr<FrameCanvas> strips_[4];
    std::unique_ptr<FrameCanvas> background_;
    bool shaped_ = false;
    Rect plainCaption_;  // the plain frame's caption band between its buttons  // the window has a region of
                         // ours (the system owns it)
    // The caption's font, its text as last fitted, and that text drawn once per colour.
    gui::FontHandle captionFont_;
    SkinFont captionFontKey_;
    std::string fittedFor_, fitted_;
    int fittedWidth_ = -1;
    Size fittedSize_;
    struct TextStampEntry {
        std::string text;
        COLORREF color;
        GdiStamp stamp;
    };
    std::vector<TextStampEntry> textStamps_;
    HICON stampedIcon_ = nullptr;
    GdiStamp iconStamp_;
    std::unique_ptr<gui::Timer> trackTimer_, morphTimer_, animateTimer_, fadeTimer_;
    int fadeAlpha_ = 0;
    UINT commandMessage_;
};

}  // namespace huecast::skin
