// Frame objects: the caption buttons, the caption with its text, animated pictures and user pictures that
// a skinned frame draws on its border, one per [SKINOBJECTS] descriptor. They hold their looks and states
// (mouse-in, active, pressed, enabled, visible, morph factor, animation frame) and react to the mouse; what
// they need of their window (a redraw, a timer, a command, a menu) they ask of their FrameObjectHost, which
// the Win32 frame implements and tests fake.
//
//     auto objects = BuildFrameObjects(skinData);                   // descriptor order; menus give none
//     ApplyBorderIcons(objects, icons);                             // after every rebuild
//     PlaceFrameObjects(objects, skinData.FormInfo(), layout, options);  // before every drawing
//     ObjectLook look = objects[i]->Look(lookState, false);         // what to draw at WindowRect()
//
// Index: the host; looks; the object classes; building, border icons and placement.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "base/geometry.h"
#include "skin/frame/frame_layout.h"
#include "skin/frame/frame_state.h"
#include "skin/picture/morph_stepper.h"
#include "skin/format/skin_descriptors.h"

namespace huecast::skin {

class TSkinData;
class TActiveSkinObject;

enum class MouseButton { Left, Right, Middle };

// ---- What the objects use of their frame ----

class FrameObjectHost {
  public:
    virtual ~FrameObjectHost() = default;
    virtual void RedrawObject(TActiveSkinObject& object) = 0;
    virtual void StartMorphTimer() = 0;
    virtual void StartAnimateTimer() = 0;
    // Pops the system menu up under `objectRect` (window coordinates); returns when the menu has closed.
    virtual void PopupSystemMenu(const Rect& objectRect) = 0;
    // Carries out a caption command once the object's own handler has returned, so that Close never frees
    // the object that is handling the click.
    virtual void QueueCommand(SkinCommand command) = 0;
    // The frame's events, with the object's name.
    virtual void MouseEnterEvent(const std::string& name) = 0;
    virtual void MouseLeaveEvent(const std::string& name) = 0;
    virtual void MouseDownEvent(const std::string& name, MouseButton button, Point at) = 0;
    virtual void MouseUpEvent(const std::string& name, MouseButton button, Point at) = 0;
    virtual void MouseMoveEvent(const std::string& name, Point at) = 0;
};

// ---- Looks ----

// Where a look's pixels come from.
enum class LookSource { FramePicture, ActivePicture };

struct LookRect {
    LookSource source = LookSource::ActivePicture;
    Rect rect;
    friend bool operator==(const LookRect&, const LookRect&) = default;
};

// What an object draws at its window rect.
struct ObjectLook {
    enum class Kind {
        Nothing,  // a look already in the frame strips, or none at all
        Copy,     // `normal` copied
        Morph,    // `normal` and `active` blended by `morphKind` with `factor`
        Icon,     // the form's small icon
        Paint,    // the application paints it (OnPaintEvent)
    } kind = Kind::Nothing;
    LookRect normal;
    LookRect active;
    MorphKind morphKind = MorphKind::Default;
    double factor = 0;
};

// The window's state as the looks depend on it.
struct FrameLookState {
    bool windowActive = true;
    WindowShow show = WindowShow::Normal;
    bool rolledUp = false;
};

// ---- The object classes ----

class TActiveSkinObject {
  public:
    TActiveSkinObject(FrameObjectHost& host, const TDataSkinObject& descriptor, const TSkinData& skinData);
    virtual ~TActiveSkinObject() = default;
    TActiveSkinObject(const TActiveSkinObject&) = delete;
    TActiveSkinObject& operator=(const TActiveSkinObject&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Hint() const { return hint_; }
    const Rect& SkinRect() const { return skinRect_; }
    const Rect& ActiveSkinRect() const { return activeSkinRect_; }
    // The look lies in the active picture and the frame lays the object out itself.
    bool SkinRectInAPicture() const { return skinRectInAPicture_; }
    // The active picture in 24 bits (nullptr: none).
    const Bitmap* ActivePicture() const { return activePicture_; }

    const Rect& WindowRect() const { return windowRect_; }
    void SetWindowRect(const Rect& r) { windowRect_ = r; }
    bool MouseIn() const { return mouseIn_; }
    bool Active() const { return active_; }
    bool Enabled() const { return enabled_; }
    bool Visible() const { return visible_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    void SetVisible(bool visible) { visible_ = visible; }

    bool Morphing() const { return morphing_; }
    void SetMorphing(bool morphing) { morphing_ = morphing; }
    MorphKind Kind() const { return morphKind_; }
    double MorphFactor() const { return morph_.K(); }
    // Morphing on and the factor still short of the end it is heading for (1 while active, 0 while not).
    virtual bool IsMorphing() const;
    // One 20 ms step of the factor toward its end; true while it still morphs.
    bool MorphStep();

    // What to draw; `drawNormal` is false while the whole frame is drawn (its strips already hold the looks
    // that lie in the frame picture).
    virtual ObjectLook Look(const FrameLookState& state, bool drawNormal) const;

    virtual void DblClick() {}
    virtual void MouseDown(MouseButton button, Point at);
    virtual void MouseUp(MouseButton button, Point at);
    virtual void MouseMove(Point at);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Sets the look the object heads for; with `paint` false (no drawing follows) the factor jumps there.
    void SetActive(bool active, bool paint);

  protected:
    ObjectLook BaseLook(LookRect normal, const Rect& active, bool drawNormal) const;
    // Whether the mouse entering and leaving changes the look it heads for (a caption follows the window).
    virtual bool FollowsMouse() const { return true; }
    LookRect NormalLook() const;
    // Toward active or not: morph, or redraw at once.
    void ChangeActive(bool active);
    FrameObjectHost& Host() { return host_; }
    void JumpMorph(bool active) { morph_.Snap(active); }

  private:
    FrameObjectHost& host_;
    std::string name_, hint_;
    Rect skinRect_, activeSkinRect_;
    bool skinRectInAPicture_ = false;
    const Bitmap* activePicture_ = nullptr;
    bool morphing_ = false;
    MorphKind morphKind_ = MorphKind::Default;
    MorphStepper morph_;
    Rect windowRect_;
    bool mouseIn_ = false, active_ = false, enabled_ = true, visible_ = true;
};

class TSkinButtonObject : public TActiveSkinObject {
  public:
    TSkinButtonObject(FrameObjectHost& host, const TDataSkinButton& descriptor, const TSkinData& skinData);
    bool Pressed() const { return pressed_; }
    ObjectLook Look(const FrameLookState& state, bool drawNormal) const override;
    void MouseDown(MouseButton button, Point at) override;
    void MouseUp(MouseButton button, Point at) override;

  protected:
    // Whether pressing pops a menu up under the button.
    virtual bool HasMenu() const { return false; }
    virtual void PopupMenu() {}
    void Release();
    const Rect& DownRect() const { return downRect_; }

  private:
    Rect downRect_, disabledRect_;
    bool pressed_ = false;
};

class TSkinStdButtonObject : public TSkinButtonObject {
  public:
    TSkinStdButtonObject(FrameObjectHost& host, const TDataSkinStdButton& descriptor,
                         const TSkinData& skinData);
    SkinCommand Command() const { return command_; }
    // The system-menu object drawing the form's small icon (ShowIcon with an automatic layout).
    bool ShowsIcon() const { return showsIcon_; }
    void SetShowsIcon(bool showsIcon);

    ObjectLook Look(const FrameLookState& state, bool drawNormal) const override;
    void MouseUp(MouseButton button, Point at) override;
    void DblClick() override;

  protected:
    bool HasMenu() const override { return command_ == SkinCommand::SysMenu; }
    void PopupMenu() override;

  private:
    bool RestoreState(const FrameLookState& state) const;
    SkinCommand command_;
    Rect restoreRect_, restoreActiveRect_, restoreDownRect_, restoreInactiveRect_;
    bool showsIcon_ = false;
};

// Where a caption's text and the piece behind it go, for a text of a measured size.
struct CaptionTextPlan {
    Rect textRect;   // where the text may go (window coordinates); the text is clipped to it
    Point textAt;    // the text's top-left corner
    Point shadowAt;  // the shadow's, one pixel right and down
    bool shadow = false;
    Color color = 0, shadowColor = 0;
    // The piece behind the text (empty when the skin has none): left and right ends kept, middle stretched.
    Rect frameSource;  // in the active picture
    Rect frameTarget;
    int frameLeftOffset = 0, frameRightOffset = 0;
};

class TSkinCaptionObject : public TActiveSkinObject {
  public:
    TSkinCaptionObject(FrameObjectHost& host, const TDataSkinCaption& descriptor, const TSkinData& skinData);
    const SkinFont& Font() const { return font_; }
    // The text rect: the descriptor's, with its right edge moved with the object's width.
    Rect TextRect() const;
    CaptionTextPlan PlanText(Size text, bool windowActive) const;

  protected:
    bool FollowsMouse() const override { return false; }

  private:
    Rect textRect_;
    SkinFont font_;
    Color activeFontColor_ = 0;
    Alignment alignment_ = Alignment::Center;
    bool shadow_ = false;
    Color shadowColor_ = 0, activeShadowColor_ = 0;
    Rect frameRect_, activeFrameRect_, frameTextRect_;
    int frameLeftOffset_ = 0, frameRightOffset_ = 0;
};

class TSkinAnimateObject : public TActiveSkinObject {
  public:
    static constexpr int kTick = 25;  // milliseconds of the animation timer

    TSkinAnimateObject(FrameObjectHost& host, const TDataSkinAnimate& descriptor, const TSkinData& skinData);
    int Frame() const { return frame_; }  // from 1
    int CountFrames() const { return countFrames_; }
    int Interval() const { return interval_; }
    bool Running() const { return running_; }
    // One 25 ms tick; true while the animation still runs.
    bool AnimateStep();

    ObjectLook Look(const FrameLookState& state, bool drawNormal) const override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseUp(MouseButton button, Point at) override;

  private:
    void Start(bool forward);
    int countFrames_ = 1;
    bool cycle_ = false, buttonStyle_ = false;
    int interval_ = kTick;
    SkinCommand command_ = SkinCommand::Default;
    int frame_ = 1;
    bool forward_ = true, running_ = false;
    int elapsed_ = 0;
};

class TUserObject : public TActiveSkinObject {
  public:
    TUserObject(FrameObjectHost& host, const TDataUserObject& descriptor, const TSkinData& skinData);
    ObjectLook Look(const FrameLookState& state, bool drawNormal) const override;
};

// ---- Building, border icons, placement ----

using FrameObjects = std::vector<std::unique_ptr<TActiveSkinObject>>;

// One object per descriptor in the descriptor order; menu items and menu-bar buttons give none.
FrameObjects BuildFrameObjects(FrameObjectHost& host, const TSkinData& skinData);
// Five standard buttons without descriptors (close, maximize, minimize, roll-up, system menu) for the plain
// look; the frame draws them itself.
FrameObjects BuildPlainButtons(FrameObjectHost& host, const TSkinData& skinData);

// Disables the roll-up, maximize, minimize and system-menu objects whose icon is absent, and hides them
// when they are laid out automatically. Close is always available.
void ApplyBorderIcons(FrameObjects& objects, const BorderIcons& icons);

struct PlacementOptions {
    bool showIcon = false;  // the system-menu object shows the form's small icon
    Size smallIcon{16, 16};
};

// Gives every object its window rect for `layout`: objects on the frame picture move with the corners
// they lie in; the others are laid out in the buttons rect (or the caption rect): close, maximize,
// minimize, roll-up, then the system-menu object and the caption cut to the space left.
void PlaceFrameObjects(FrameObjects& objects, const TDataSkinFormInfo& info, Size picture,
                       const FrameLayout& layout, const PlacementOptions& options);

// The plain frame's buttons: squares of 17 pixels (13 for a tool window) at y = 4, from the right border
// leftwards without gaps (close, maximize, minimize, roll-up), and the system-menu button at x = 3. Returns
// the caption band left between them.
Rect PlacePlainButtons(FrameObjects& objects, Size window, bool toolWindow, const PlacementOptions& options);

// The first enabled, visible object whose window rect holds `p`, or -1 (also inside the client rect).
int ObjectAt(const FrameObjects& objects, const FrameLayout& layout, Point p);

}  // namespace huecast::skin
