#include "skin/frame/frame_objects.h"

#include <algorithm>

#include "skin/format/skin_data.h"

namespace huecast::skin {

namespace {

ObjectLook LookOfKind(ObjectLook::Kind kind) {
    ObjectLook look;
    look.kind = kind;
    return look;
}

}  // namespace

// ---- TActiveSkinObject ----

TActiveSkinObject::TActiveSkinObject(FrameObjectHost& host, const TDataSkinObject& d,
                                     const TSkinData& skinData)
    : host_(host),
      name_(d.Name()),
      hint_(d.hint),
      skinRect_(d.skinRect),
      activeSkinRect_(d.activeSkinRect),
      skinRectInAPicture_(d.skinRectInAPicture),
      activePicture_(skinData.ActivePicture24(d.activePictureIndex)),
      morphing_(d.morphing),
      morphKind_(d.morphKind) {
    if (!activePicture_) activeSkinRect_ = {};
    if (activeSkinRect_.IsEmpty()) morphing_ = false;
}

bool TActiveSkinObject::IsMorphing() const {
    return morphing_ && (active_ ? morph_.Step() < MorphStepper::kSteps : morph_.Step() > 0);
}

bool TActiveSkinObject::MorphStep() {
    if (!IsMorphing()) return false;
    morph_.Tick(active_);
    return IsMorphing();
}

LookRect TActiveSkinObject::NormalLook() const {
    return {skinRectInAPicture_ ? LookSource::ActivePicture : LookSource::FramePicture, skinRect_};
}

ObjectLook TActiveSkinObject::BaseLook(LookRect normal, const Rect& active, bool drawNormal) const {
    ObjectLook look;
    if (IsMorphing()) {
        look.kind = ObjectLook::Kind::Morph;
        look.normal = normal;
        look.active = {LookSource::ActivePicture, active};
        look.morphKind = morphKind_;
        look.factor = morph_.K();
        return look;
    }
    if (active_ && !active.IsEmpty() && activePicture_) {
        look.kind = ObjectLook::Kind::Copy;
        look.normal = {LookSource::ActivePicture, active};
        return look;
    }
    if (normal.rect.IsEmpty()) return look;
    if (normal.source == LookSource::ActivePicture && !activePicture_) return look;
    if (normal.source == LookSource::FramePicture && !drawNormal) return look;
    look.kind = ObjectLook::Kind::Copy;
    look.normal = normal;
    return look;
}

ObjectLook TActiveSkinObject::Look(const FrameLookState&, bool drawNormal) const {
    return BaseLook(NormalLook(), activeSkinRect_, drawNormal);
}

void TActiveSkinObject::ChangeActive(bool active) {
    active_ = active;
    if (activeSkinRect_.IsEmpty()) return;
    if (morphing_)
        host_.StartMorphTimer();
    else
        host_.RedrawObject(*this);
}

void TActiveSkinObject::SetActive(bool active, bool paint) {
    if (active == active_) return;
    if (!paint) {
        active_ = active;
        morph_.Snap(active);
        return;
    }
    ChangeActive(active);
}

void TActiveSkinObject::MouseEnter() {
    mouseIn_ = true;
    if (FollowsMouse()) ChangeActive(true);
    host_.MouseEnterEvent(name_);
}

void TActiveSkinObject::MouseLeave() {
    mouseIn_ = false;
    if (FollowsMouse()) ChangeActive(false);
    host_.MouseLeaveEvent(name_);
}

void TActiveSkinObject::MouseDown(MouseButton button, Point at) {
    host_.MouseDownEvent(name_, button, at);
}

void TActiveSkinObject::MouseUp(MouseButton button, Point at) {
    if (mouseIn_) host_.MouseUpEvent(name_, button, at);
}

void TActiveSkinObject::MouseMove(Point at) {
    host_.MouseMoveEvent(name_, at);
}

// ---- TSkinButtonObject ----

TSkinButtonObject::TSkinButtonObject(FrameObjectHost& host, const TDataSkinButton& d,
                                     const TSkinData& skinData)
    : TActiveSkinObject(host, d, skinData), downRect_(d.downRect), disabledRect_(d.disableSkinRsect) {}

ObjectLook TSkinButtonObject::Look(const FrameLookState& state, bool drawNormal) const {
    if (ActivePicture()) {
        ObjectLook look;
        look.kind = ObjectLook::Kind::Copy;
        if (!Enabled() && !disabledRect_.IsEmpty()) {
            look.normal = {LookSource::ActivePicture, disabledRect_};
            return look;
        }
        if (pressed_ && MouseIn() && !downRect_.IsEmpty()) {
            look.normal = {LookSource::ActivePicture, downRect_};
            return look;
        }
    }
    return TActiveSkinObject::Look(state, drawNormal);
}

void TSkinButtonObject::MouseDown(MouseButton button, Point at) {
    if (button == MouseButton::Left && Enabled()) {
        pressed_ = true;
        JumpMorph(true);
        Host().RedrawObject(*this);
        if (HasMenu()) {
            PopupMenu();
            // The menu took the mouse; the button is up again when it closes.
            Release();
        }
    }
    TActiveSkinObject::MouseDown(button, at);
}

void TSkinButtonObject::Release() {
    if (!pressed_) return;
    pressed_ = false;
    Host().RedrawObject(*this);
}

void TSkinButtonObject::MouseUp(MouseButton button, Point at) {
    if (button == MouseButton::Left) Release();
    TActiveSkinObject::MouseUp(button, at);
}

// ---- TSkinStdButtonObject ----

TSkinStdButtonObject::TSkinStdButtonObject(FrameObjectHost& host, const TDataSkinStdButton& d,
                                           const TSkinData& skinData)
    : TSkinButtonObject(host, d, skinData),
      command_(d.command),
      restoreRect_(d.restoreRect),
      restoreActiveRect_(d.restoreActiveRect),
      restoreDownRect_(d.restoreDownRect),
      restoreInactiveRect_(d.restoreInactiveRect) {}

void TSkinStdButtonObject::SetShowsIcon(bool showsIcon) {
    showsIcon_ = showsIcon;
    // The icon has no second look to morph to.
    if (showsIcon_) SetMorphing(false);
}

bool TSkinStdButtonObject::RestoreState(const FrameLookState& state) const {
    if (restoreRect_.IsEmpty() || !ActivePicture()) return false;
    switch (command_) {
        case SkinCommand::Maximize:
            return state.show == WindowShow::Maximized;
        case SkinCommand::Minimize:
            return state.show == WindowShow::Minimized;
        case SkinCommand::RollUp:
            return state.rolledUp;
        default:
            return false;
    }
}

ObjectLook TSkinStdButtonObject::Look(const FrameLookState& state, bool drawNormal) const {
    if (showsIcon_) return LookOfKind(ObjectLook::Kind::Icon);
    if (!RestoreState(state)) return TSkinButtonObject::Look(state, drawNormal);
    ObjectLook look;
    look.kind = ObjectLook::Kind::Copy;
    if (!state.windowActive && !restoreInactiveRect_.IsEmpty()) {
        look.normal = {LookSource::ActivePicture, restoreInactiveRect_};
        return look;
    }
    if (Pressed() && MouseIn() && !restoreDownRect_.IsEmpty()) {
        look.normal = {LookSource::ActivePicture, restoreDownRect_};
        return look;
    }
    return BaseLook({LookSource::ActivePicture, restoreRect_}, restoreActiveRect_, drawNormal);
}

void TSkinStdButtonObject::PopupMenu() {
    Host().PopupSystemMenu(WindowRect());
}

void TSkinStdButtonObject::MouseUp(MouseButton button, Point at) {
    const bool click = button == MouseButton::Left && Pressed() && MouseIn();
    // Released (and redrawn) first; the command runs after this handler, so Close cannot free the object
    // while it still handles the click.
    TSkinButtonObject::MouseUp(button, at);
    // The system menu popped up on the press already.
    if (click && Enabled() && command_ != SkinCommand::SysMenu) Host().QueueCommand(command_);
}

void TSkinStdButtonObject::DblClick() {
    if (command_ == SkinCommand::SysMenu) Host().QueueCommand(SkinCommand::Close);
}

// ---- TSkinCaptionObject ----

TSkinCaptionObject::TSkinCaptionObject(FrameObjectHost& host, const TDataSkinCaption& d,
                                       const TSkinData& skinData)
    : TActiveSkinObject(host, d, skinData),
      textRect_(d.textRect),
      font_(d.font),
      activeFontColor_(d.activeFontColor),
      alignment_(d.alignment),
      shadow_(d.shadow),
      shadowColor_(d.shadowColor),
      activeShadowColor_(d.activeShadowColor),
      frameRect_(d.frameRect),
      activeFrameRect_(d.activeFrameRect),
      frameTextRect_(d.frameTextRect),
      frameLeftOffset_(d.frameLeftOffset),
      frameRightOffset_(d.frameRightOffset) {}

Rect TSkinCaptionObject::TextRect() const {
    const Rect& w = WindowRect();
    Rect r = textRect_.Offset(w.left, w.top);
    r.right += w.Width() - SkinRect().Width();
    return r;
}

CaptionTextPlan TSkinCaptionObject::PlanText(Size text, bool windowActive) const {
    CaptionTextPlan plan;
    plan.textRect = TextRect();
    const Rect& r = plan.textRect;
    int x = r.left;
    if (alignment_ == Alignment::RightJustify) x = r.right - text.cx;
    if (alignment_ == Alignment::Center) x = r.left + (r.Width() - text.cx) / 2;
    plan.textAt = {x, r.top + (r.Height() - text.cy) / 2};
    plan.shadowAt = {plan.textAt.x + 1, plan.textAt.y + 1};
    plan.shadow = shadow_;
    plan.color = windowActive ? activeFontColor_ : font_.color;
    plan.shadowColor = windowActive ? activeShadowColor_ : shadowColor_;
    const Rect& piece = windowActive && !activeFrameRect_.IsEmpty() ? activeFrameRect_ : frameRect_;
    if (!piece.IsEmpty() && ActivePicture()) {
        plan.frameSource = piece;
        // Widened by the text's width over the text part's, placed so the text part falls on the text.
        const int width = piece.Width() + text.cx - frameTextRect_.Width();
        const Point at{plan.textAt.x - (frameTextRect_.left - frameRect_.left),
                       plan.textAt.y - (frameTextRect_.top - frameRect_.top)};
        plan.frameTarget = {at.x, at.y, at.x + std::max(width, 0), at.y + piece.Height()};
        plan.frameLeftOffset = std::clamp(frameLeftOffset_, 0, piece.Width());
        plan.frameRightOffset = std::clamp(frameRightOffset_, 0, piece.Width() - plan.frameLeftOffset);
    }
    return plan;
}

// ---- TSkinAnimateObject ----

TSkinAnimateObject::TSkinAnimateObject(FrameObjectHost& host, const TDataSkinAnimate& d,
                                       const TSkinData& skinData)
    : TActiveSkinObject(host, d, skinData),
      countFrames_(std::max(d.countFrames, 1)),
      cycle_(d.cycle),
      buttonStyle_(d.buttonStyle),
      interval_(std::max(d.timerInterval, kTick)),
      command_(d.command) {}

ObjectLook TSkinAnimateObject::Look(const FrameLookState&, bool) const {
    ObjectLook look;
    const Rect& a = ActiveSkinRect();
    if (!ActivePicture() || a.IsEmpty()) return look;
    const int w = SkinRect().Width();
    const int left = a.left + (frame_ - 1) * w;
    look.kind = ObjectLook::Kind::Copy;
    look.normal = {LookSource::ActivePicture, {left, a.top, left + w, a.top + SkinRect().Height()}};
    return look;
}

void TSkinAnimateObject::Start(bool forward) {
    forward_ = forward;
    if (!running_) elapsed_ = kTick;
    running_ = true;
    Host().StartAnimateTimer();
}

void TSkinAnimateObject::MouseEnter() {
    TActiveSkinObject::MouseEnter();
    if (buttonStyle_) Start(true);
}

void TSkinAnimateObject::MouseLeave() {
    TActiveSkinObject::MouseLeave();
    if (buttonStyle_) Start(false);
}

void TSkinAnimateObject::MouseUp(MouseButton button, Point at) {
    const bool click = button == MouseButton::Left && MouseIn();
    TActiveSkinObject::MouseUp(button, at);
    if (click && buttonStyle_ && Enabled()) Host().QueueCommand(command_);
}

bool TSkinAnimateObject::AnimateStep() {
    if (!running_) return false;
    if (elapsed_ < interval_) {
        elapsed_ += kTick;
        return true;
    }
    elapsed_ = kTick;
    if (forward_) {
        if (frame_ < countFrames_) {
            ++frame_;
            running_ = cycle_ || frame_ < countFrames_;
        } else {
            frame_ = 1;  // only a cycling animation gets here
        }
    } else {
        frame_ = std::max(frame_ - 1, 1);
        running_ = frame_ > 1;
    }
    Host().RedrawObject(*this);
    return running_;
}

// ---- TUserObject ----

TUserObject::TUserObject(FrameObjectHost& host, const TDataUserObject& d, const TSkinData& skinData)
    : TActiveSkinObject(host, d, skinData) {}

ObjectLook TUserObject::Look(const FrameLookState&, bool) const {
    return LookOfKind(ObjectLook::Kind::Paint);
}

// ---- Building ----

FrameObjects BuildFrameObjects(FrameObjectHost& host, const TSkinData& skinData) {
    FrameObjects objects;
    for (const auto& descriptor : skinData.Objects()) {
        const TDataSkinObject* d = descriptor.get();
        // Menu-bar buttons are standard buttons of the menus, not of the frame: test them first.
        if (dynamic_cast<const TDataSkinMainMenuBarButton*>(d)) continue;
        if (auto* b = dynamic_cast<const TDataSkinStdButton*>(d))
            objects.push_back(std::make_unique<TSkinStdButtonObject>(host, *b, skinData));
        else if (auto* b2 = dynamic_cast<const TDataSkinButton*>(d))
            objects.push_back(std::make_unique<TSkinButtonObject>(host, *b2, skinData));
        else if (auto* c = dynamic_cast<const TDataSkinCaption*>(d))
            objects.push_back(std::make_unique<TSkinCaptionObject>(host, *c, skinData));
        else if (auto* a = dynamic_cast<const TDataSkinAnimate*>(d))
            objects.push_back(std::make_unique<TSkinAnimateObject>(host, *a, skinData));
        else if (auto* u = dynamic_cast<const TDataUserObject*>(d))
            objects.push_back(std::make_unique<TUserObject>(host, *u, skinData));
    }
    return objects;
}

FrameObjects BuildPlainButtons(FrameObjectHost& host, const TSkinData& skinData) {
    FrameObjects objects;
    const std::pair<const char*, SkinCommand> buttons[] = {{"closebutton", SkinCommand::Close},
                                                           {"maxbutton", SkinCommand::Maximize},
                                                           {"minbutton", SkinCommand::Minimize},
                                                           {"rollupbutton", SkinCommand::RollUp},
                                                           {"sysmenubutton", SkinCommand::SysMenu}};
    for (const auto& [name, command] : buttons) {
        TDataSkinStdButton d(name);
        d.skinRectInAPicture = true;  // laid out by the frame
        d.command = command;
        objects.push_back(std::make_unique<TSkinStdButtonObject>(host, d, skinData));
    }
    return objects;
}

// ---- Border icons ----

namespace {

TSkinStdButtonObject* StdButton(TActiveSkinObject& object) {
    return dynamic_cast<TSkinStdButtonObject*>(&object);
}

bool CommandAvailable(SkinCommand command, const BorderIcons& icons) {
    switch (command) {
        case SkinCommand::RollUp:
            return icons.rollUp;
        case SkinCommand::Maximize:
            return icons.maximize;
        case SkinCommand::Minimize:
            return icons.minimize;
        case SkinCommand::SysMenu:
            return icons.systemMenu;
        default:
            return true;
    }
}

}  // namespace

void ApplyBorderIcons(FrameObjects& objects, const BorderIcons& icons) {
    for (auto& object : objects) {
        TSkinStdButtonObject* button = StdButton(*object);
        if (!button) continue;
        const bool available = CommandAvailable(button->Command(), icons);
        button->SetEnabled(available);
        button->SetVisible(available || !button->SkinRectInAPicture());
    }
}

// ---- Placement ----

namespace {

enum class Corner { LeftTop, RightTop, LeftBottom, RightBottom, None };

Corner CornerOf(Point p, const TDataSkinFormInfo& f, Size picture) {
    if (Rect{0, 0, f.leftTopPoint.x, f.leftTopPoint.y}.Contains(p)) return Corner::LeftTop;
    if (Rect{f.rightTopPoint.x, 0, picture.cx, f.rightTopPoint.y}.Contains(p)) return Corner::RightTop;
    if (Rect{0, f.leftBottomPoint.y, f.leftBottomPoint.x, picture.cy}.Contains(p)) return Corner::LeftBottom;
    if (Rect{f.rightBottomPoint.x, f.rightBottomPoint.y, picture.cx, picture.cy}.Contains(p))
        return Corner::RightBottom;
    return Corner::None;
}

// A rect on the frame picture moved and widened with the corners it lies in.
Rect PlaceOnFrame(Rect r, const TDataSkinFormInfo& f, Size picture, int dx, int dy) {
    const Corner a = CornerOf({r.left, r.top}, f, picture);
    const Corner b = CornerOf({r.right, r.bottom}, f, picture);
    using C = Corner;
    if (a == b) {
        switch (a) {
            case C::RightTop:
                return r.Offset(dx, 0);
            case C::LeftBottom:
                return r.Offset(0, dy);
            case C::RightBottom:
                return r.Offset(dx, dy);
            default:
                return r;
        }
    }
    if (a == C::LeftTop && b == C::RightTop) return {r.left, r.top, r.right + dx, r.bottom};
    if (a == C::LeftTop && b == C::RightBottom) return {r.left, r.top, r.right + dx, r.bottom + dy};
    if (a == C::LeftBottom && b == C::RightBottom) return {r.left, r.top + dy, r.right + dx, r.bottom + dy};
    if (a == C::RightTop && b == C::RightBottom) return {r.left + dx, r.top, r.right + dx, r.bottom + dy};
    if (a == C::LeftTop && b == C::LeftBottom) return {r.left, r.top, r.right, r.bottom + dy};
    return r;
}

TSkinStdButtonObject* FirstVisible(FrameObjects& objects, SkinCommand command) {
    for (auto& object : objects) {
        TSkinStdButtonObject* b = StdButton(*object);
        if (b && b->SkinRectInAPicture() && b->Visible() && b->Command() == command) return b;
    }
    return nullptr;
}

TSkinCaptionObject* FirstCaption(FrameObjects& objects) {
    for (auto& object : objects)
        if (auto* c = dynamic_cast<TSkinCaptionObject*>(object.get())) return c;
    return nullptr;
}

}  // namespace

void PlaceFrameObjects(FrameObjects& objects, const TDataSkinFormInfo& info, Size picture,
                       const FrameLayout& layout, const PlacementOptions& options) {
    for (auto& object : objects)
        if (!object->SkinRectInAPicture())
            object->SetWindowRect(PlaceOnFrame(object->SkinRect(), info, picture, layout.dx, layout.dy));

    const bool inButtons = !layout.buttonsRect.IsEmpty();
    const Rect area = inButtons ? layout.buttonsRect : layout.captionRect;
    if (area.IsEmpty()) return;
    const bool fromLeft = info.buttonsInLeft;
    const int offset = info.buttonsOffset;
    TSkinStdButtonObject* sysMenu = FirstVisible(objects, SkinCommand::SysMenu);
    const auto sizeOf = [&](TSkinStdButtonObject& b) {
        const bool icon = &b == sysMenu && options.showIcon;
        return icon ? options.smallIcon : Size{b.SkinRect().Width(), b.SkinRect().Height()};
    };

    // The edge the next button starts from (right edge going left, left edge going right).
    int edge = fromLeft ? area.left : area.right;
    const auto put = [&](TSkinStdButtonObject& b, int top) {
        const Size s = sizeOf(b);
        const int left = fromLeft ? edge : edge - s.cx;
        b.SetWindowRect({left, top, left + s.cx, top + s.cy});
        edge = fromLeft ? left + s.cx + offset : left - offset;
    };
    bool placedAny = false;
    for (SkinCommand command :
         {SkinCommand::Close, SkinCommand::Maximize, SkinCommand::Minimize, SkinCommand::RollUp}) {
        if (TSkinStdButtonObject* b = FirstVisible(objects, command)) {
            put(*b, area.top);
            placedAny = true;
        }
    }
    if (fromLeft && !inButtons && sysMenu) {
        put(*sysMenu, area.top + (area.Height() - sizeOf(*sysMenu).cy) / 2);
        placedAny = true;
    }
    // The buttons end where `edge` minus one offset is.
    const int buttonsEnd = placedAny ? (fromLeft ? edge - offset : edge + offset) : edge;

    TSkinCaptionObject* caption = FirstCaption(objects);
    if (caption && !inButtons) {
        Rect r = caption->WindowRect();
        if (fromLeft)
            r.left = std::max(r.left, buttonsEnd);
        else
            r.right = std::min(r.right, buttonsEnd);
        caption->SetWindowRect(r);
    }
    if (!fromLeft && sysMenu && !layout.captionRect.IsEmpty()) {
        const Rect& c = layout.captionRect;
        const Size s = sizeOf(*sysMenu);
        const int top = c.top + (c.Height() - s.cy) / 2;
        sysMenu->SetWindowRect({c.left, top, c.left + s.cx, top + s.cy});
        if (caption) {
            Rect r = caption->WindowRect();
            r.left = std::max(r.left, c.left + s.cx);
            caption->SetWindowRect(r);
        }
    }
    if (sysMenu) sysMenu->SetShowsIcon(options.showIcon);
}

Rect PlacePlainButtons(FrameObjects& objects, Size window, bool toolWindow, const PlacementOptions& options) {
    const int side = toolWindow ? 13 : 17;
    int right = window.cx - 3;
    for (SkinCommand command :
         {SkinCommand::Close, SkinCommand::Maximize, SkinCommand::Minimize, SkinCommand::RollUp}) {
        if (TSkinStdButtonObject* b = FirstVisible(objects, command)) {
            b->SetWindowRect({right - side, 4, right, 4 + side});
            right -= side;
        }
    }
    int left = 3;
    if (TSkinStdButtonObject* sys = FirstVisible(objects, SkinCommand::SysMenu)) {
        const Size s = options.showIcon ? options.smallIcon : Size{side, side};
        sys->SetWindowRect({3, 4, 3 + s.cx, 4 + s.cy});
        sys->SetShowsIcon(options.showIcon);
        left += s.cx;
    }
    return {left, 3, std::max(left, right), 3 + UnskinnedCaptionHeight(toolWindow)};
}

int ObjectAt(const FrameObjects& objects, const FrameLayout& layout, Point p) {
    if (layout.clientRect.Contains(p)) return -1;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TActiveSkinObject& o = *objects[i];
        if (o.Enabled() && o.Visible() && o.WindowRect().Contains(p)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace huecast::skin
