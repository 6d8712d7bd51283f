// Frame objects built from the built-in skin and from small descriptors: placement, border icons, looks,
// morphing, animation and the mouse.
#include <gtest/gtest.h>

#include "skin/frame/frame_objects.h"
#include "skin/controls/shorten_text.h"
#include "tests/skin/frame/orange_frame.h"

namespace huecast::skin {
namespace {

using testing::kMainWindow;
using testing::OrangePicture;
using testing::OrangeSkinData;

// Records what the objects ask of their frame, in order.
class FakeHost : public FrameObjectHost {
  public:
    void RedrawObject(TActiveSkinObject& o) override { calls.push_back("redraw " + o.Name()); }
    void StartMorphTimer() override { calls.push_back("morph timer"); }
    void StartAnimateTimer() override { calls.push_back("animate timer"); }
    void PopupSystemMenu(const Rect&) override { calls.push_back("system menu"); }
    void QueueCommand(SkinCommand c) override { calls.push_back("command " + std::string(KeywordOf(c))); }
    void MouseEnterEvent(const std::string& n) override { calls.push_back("enter " + n); }
    void MouseLeaveEvent(const std::string& n) override { calls.push_back("leave " + n); }
    void MouseDownEvent(const std::string& n, MouseButton, Point) override { calls.push_back("down " + n); }
    void MouseUpEvent(const std::string& n, MouseButton, Point) override { calls.push_back("up " + n); }
    void MouseMoveEvent(const std::string& n, Point) override { calls.push_back("move " + n); }
    std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;
const BorderIcons kMainWindowIcons{.systemMenu = true, .minimize = true, .maximize = true, .rollUp = false};

class OrangeObjects : public ::testing::Test {
  protected:
    void Place(const BorderIcons& icons, Size window = kMainWindow) {
        objects = BuildFrameObjects(host, OrangeSkinData());
        ApplyBorderIcons(objects, icons);
        layout = ComputeFrameLayout(OrangeSkinData().FormInfo(), OrangePicture(), window);
        PlaceFrameObjects(objects, OrangeSkinData().FormInfo(), OrangePicture(), layout, {.showIcon = true});
    }
    TActiveSkinObject& Named(const std::string& name) {
        for (auto& o : objects)
            if (o->Name() == name) return *o;
        throw std::runtime_error("no object " + name);
    }
    FakeHost host;
    FrameObjects objects;
    FrameLayout layout;
};

TEST_F(OrangeObjects, OneObjectPerFrameDescriptorInSkinOrder) {
    Place(kMainWindowIcons);
    std::vector<std::string> names;
    for (const auto& o : objects)
        names.push_back(o->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"caption1", "closebutton", "maxbutton", "minbutton",
                                               "rollupbutton", "sysmenubutton"}));
}

TEST_F(OrangeObjects, MainWindowTable) {
    Place(kMainWindowIcons);
    EXPECT_EQ(Named("closebutton").WindowRect(), (Rect{591, 3, 611, 22}));
    EXPECT_EQ(Named("maxbutton").WindowRect(), (Rect{570, 3, 590, 22}));
    EXPECT_EQ(Named("minbutton").WindowRect(), (Rect{549, 3, 569, 22}));
    EXPECT_FALSE(Named("rollupbutton").Visible());
    EXPECT_FALSE(Named("rollupbutton").Enabled());
    // The small icon at the caption's left, centred in its 18 rows.
    EXPECT_EQ(Named("sysmenubutton").WindowRect(), (Rect{5, 4, 21, 20}));
    EXPECT_EQ(Named("sysmenubutton").Look({}, true).kind, ObjectLook::Kind::Icon);
    EXPECT_FALSE(Named("sysmenubutton").Morphing());
    // The caption from just after the icon to just before the minimize button.
    EXPECT_EQ(Named("caption1").WindowRect(), (Rect{21, 3, 549, 21}));
    EXPECT_EQ(ObjectAt(objects, layout, {600, 10}), 1);
    EXPECT_EQ(ObjectAt(objects, layout, {300, 200}), -1);  // the client area has none
}

TEST_F(OrangeObjects, ObjectsFollowTheWindowsWidth) {
    Place(kMainWindowIcons, {177, 124});
    EXPECT_EQ(Named("closebutton").WindowRect(), (Rect{152, 3, 172, 22}));
    EXPECT_EQ(Named("caption1").WindowRect(), (Rect{21, 3, 110, 21}));
}

TEST_F(OrangeObjects, WithoutMaximizeTheMinimizeButtonMovesIntoItsPlace) {
    Place({.systemMenu = true, .minimize = true, .maximize = false, .rollUp = false});
    EXPECT_FALSE(Named("maxbutton").Visible());
    EXPECT_EQ(Named("minbutton").WindowRect(), (Rect{570, 3, 590, 22}));
    EXPECT_EQ(Named("caption1").WindowRect(), (Rect{21, 3, 570, 21}));
    // With roll-up, it takes the next place.
    Place({.rollUp = true});
    EXPECT_EQ(Named("rollupbutton").WindowRect(), (Rect{528, 3, 548, 22}));
    // Close is always there.
    Place({.systemMenu = false, .minimize = false, .maximize = false, .rollUp = false});
    EXPECT_TRUE(Named("closebutton").Visible());
    EXPECT_FALSE(Named("sysmenubutton").Visible());
}

TEST_F(OrangeObjects, AButtonMorphsToItsActiveLookInTenSteps) {
    Place(kMainWindowIcons);
    TActiveSkinObject& close = Named("closebutton");
    ObjectLook look = close.Look({}, false);
    EXPECT_EQ(look.kind, ObjectLook::Kind::Copy);
    EXPECT_EQ(look.normal, (LookRect{LookSource::ActivePicture, {0, 0, 20, 19}}));

    close.MouseEnter();
    EXPECT_EQ(host.calls, (Calls{"morph timer", "enter closebutton"}));
    EXPECT_TRUE(close.IsMorphing());
    int steps = 0;
    while (close.MorphStep()) {
        ++steps;
        look = close.Look({}, false);
        EXPECT_EQ(look.kind, ObjectLook::Kind::Morph);
        EXPECT_EQ(look.active.rect, (Rect{21, 0, 41, 19}));
    }
    EXPECT_EQ(steps, 9);  // the tenth step lands on 1 and ends the morph
    EXPECT_DOUBLE_EQ(close.MorphFactor(), 1.0);
    EXPECT_EQ(close.Look({}, false).normal.rect, (Rect{21, 0, 41, 19}));

    close.MouseLeave();
    EXPECT_TRUE(close.IsMorphing());
    close.MorphStep();
    EXPECT_NEAR(close.MorphFactor(), 0.9, 1e-9);
}

TEST_F(OrangeObjects, PressingJumpsToTheActiveLookAndTheCommandComesAfterTheRelease) {
    Place(kMainWindowIcons);
    TActiveSkinObject& close = Named("closebutton");
    close.MouseEnter();
    close.MouseDown(MouseButton::Left, {600, 10});
    EXPECT_DOUBLE_EQ(close.MorphFactor(), 1.0);
    EXPECT_EQ(close.Look({}, false).normal.rect, (Rect{0, 19, 20, 38}));  // the down look
    host.calls.clear();
    close.MouseUp(MouseButton::Left, {600, 10});
    EXPECT_EQ(host.calls, (Calls{"redraw closebutton", "up closebutton", "command cmclose"}));

    // Released away from the button: no command.
    TActiveSkinObject& max = Named("maxbutton");
    max.MouseEnter();
    max.MouseDown(MouseButton::Left, {580, 10});
    max.MouseLeave();
    host.calls.clear();
    max.MouseUp(MouseButton::Left, {300, 10});
    EXPECT_EQ(host.calls, (Calls{"redraw maxbutton"}));
}

TEST_F(OrangeObjects, TheSystemMenuObjectPopsTheMenuOnPressAndClosesOnDoubleClick) {
    Place(kMainWindowIcons);
    TActiveSkinObject& sys = Named("sysmenubutton");
    sys.MouseEnter();
    host.calls.clear();
    sys.MouseDown(MouseButton::Left, {10, 10});
    EXPECT_EQ(host.calls,
              (Calls{"redraw sysmenubutton", "system menu", "redraw sysmenubutton", "down sysmenubutton"}));
    host.calls.clear();
    sys.MouseUp(MouseButton::Left, {10, 10});
    EXPECT_EQ(host.calls, (Calls{"up sysmenubutton"}));
    sys.DblClick();
    EXPECT_EQ(host.calls.back(), "command cmclose");
}

TEST_F(OrangeObjects, TheCaptionFollowsTheWindowNotTheMouse) {
    Place(kMainWindowIcons);
    auto& caption = dynamic_cast<TSkinCaptionObject&>(Named("caption1"));
    caption.SetActive(true, false);
    caption.MouseLeave();
    EXPECT_TRUE(caption.Active());
    // In the frame picture: nothing to draw over the strips, a copy of the frame picture alone.
    EXPECT_EQ(caption.Look({}, false).kind, ObjectLook::Kind::Nothing);
    EXPECT_EQ(caption.Look({}, true).normal, (LookRect{LookSource::FramePicture, {5, 3, 172, 21}}));

    // textrect 4,0,163,18 widened with the object: left-justified, centred vertically, white when active.
    EXPECT_EQ(caption.TextRect(), (Rect{25, 3, 545, 21}));
    const CaptionTextPlan active = caption.PlanText({100, 12}, true);
    EXPECT_EQ(active.textAt, (Point{25, 6}));
    EXPECT_EQ(active.shadowAt, (Point{26, 7}));
    EXPECT_TRUE(active.shadow);
    EXPECT_EQ(active.color, 16777215u);
    EXPECT_EQ(active.shadowColor, 17052u);
    const CaptionTextPlan inactive = caption.PlanText({100, 12}, false);
    EXPECT_EQ(inactive.color, 12903423u);
    EXPECT_EQ(inactive.shadowColor, 811200u);
    EXPECT_TRUE(inactive.frameSource.IsEmpty());
}

TEST_F(OrangeObjects, AChineseCaptionInANarrowWindowEndsWithWholeCharactersAndTheEllipsis) {
    Place(kMainWindowIcons, {177, 124});
    auto& caption = dynamic_cast<TSkinCaptionObject&>(Named("caption1"));
    const Rect r = caption.TextRect();
    EXPECT_EQ(r, (Rect{25, 3, 106, 21}));
    // 彩色字体转换器 in GBK, 12 pixels a character, 6 a dot, as the caption's 12-pixel font draws them.
    const std::string text = "\xB2\xCA\xC9\xAB\xD7\xD6\xCC\xE5\xD7\xAA\xBB\xBB\xC6\xF7";
    const auto measure = [](std::string_view t) {
        int w = 0;
        for (std::size_t i = 0; i < t.size(); ++i) {
            const bool lead = static_cast<unsigned char>(t[i]) >= 0x81 && i + 1 < t.size();
            w += lead ? 12 : 6;
            i += lead;
        }
        return w;
    };
    EXPECT_EQ(ShortenToWidth(text, r.Width(), measure), text.substr(0, 10) + "...");
    EXPECT_EQ(ShortenToWidth(text, 17, measure), "...");
}

// ---- Objects from small descriptors ----

TEST(FrameObjectLooks, NoActivePictureNeverMorphsAndDrawsOnlyTheNormalLook) {
    FakeHost host;
    TDataSkinButton d("plain");
    d.activePictureIndex = -1;
    d.skinRect = {10, 2, 30, 20};
    d.activeSkinRect = {30, 2, 50, 20};
    d.morphing = true;
    TSkinButtonObject b(host, d, OrangeSkinData());
    EXPECT_FALSE(b.Morphing());
    EXPECT_TRUE(b.ActiveSkinRect().IsEmpty());
    b.MouseEnter();
    EXPECT_EQ(host.calls, (Calls{"enter plain"}));
    const ObjectLook look = b.Look({}, true);
    EXPECT_EQ(look.kind, ObjectLook::Kind::Copy);
    EXPECT_EQ(look.normal, (LookRect{LookSource::FramePicture, {10, 2, 30, 20}}));
}

TEST(FrameObjectLooks, RestoreLooksReplaceTheOthersWhileMaximized) {
    FakeHost host;
    TDataSkinStdButton d("max");
    d.activePictureIndex = 2;
    d.skinRectInAPicture = true;
    d.skinRect = {0, 0, 20, 19};
    d.activeSkinRect = {21, 0, 41, 19};
    d.downRect = {0, 19, 20, 38};
    d.command = SkinCommand::Maximize;
    d.restoreRect = {0, 38, 20, 57};
    d.restoreActiveRect = {21, 38, 41, 57};
    d.restoreInactiveRect = {0, 76, 20, 95};
    TSkinStdButtonObject b(host, d, OrangeSkinData());
    const FrameLookState maximized{.windowActive = true, .show = WindowShow::Maximized};
    EXPECT_EQ(b.Look({}, false).normal.rect, (Rect{0, 0, 20, 19}));
    EXPECT_EQ(b.Look(maximized, false).normal.rect, (Rect{0, 38, 20, 57}));
    EXPECT_EQ(b.Look({.windowActive = false, .show = WindowShow::Maximized}, false).normal.rect,
              (Rect{0, 76, 20, 95}));
    b.MouseEnter();
    b.MouseDown(MouseButton::Left, {});
    // No restore-down look: the active restore look while pressed.
    EXPECT_EQ(b.Look(maximized, false).normal.rect, (Rect{21, 38, 41, 57}));
}

class AnimateObject : public ::testing::Test {
  protected:
    std::unique_ptr<TSkinAnimateObject> Make(int frames, bool cycle, int interval) {
        TDataSkinAnimate d("anim");
        d.activePictureIndex = 2;
        d.skinRectInAPicture = true;
        d.skinRect = {0, 0, 10, 10};
        d.activeSkinRect = {0, 0, 10 * frames, 10};
        d.countFrames = frames;
        d.cycle = cycle;
        d.buttonStyle = true;
        d.timerInterval = interval;
        d.command = SkinCommand::Minimize;
        return std::make_unique<TSkinAnimateObject>(host, d, OrangeSkinData());
    }
    FakeHost host;
};

TEST_F(AnimateObject, StopsAtTheLastFrameAndReturnsToTheFirstAfterTheMouseLeaves) {
    auto a = Make(4, false, 25);
    EXPECT_EQ(a->Interval(), 25);
    a->MouseEnter();
    std::vector<int> frames;
    while (a->AnimateStep())
        frames.push_back(a->Frame());
    frames.push_back(a->Frame());
    EXPECT_EQ(frames, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(a->Look({}, true).normal.rect, (Rect{30, 0, 40, 10}));
    for (int i = 0; i < 5; ++i)
        a->AnimateStep();
    EXPECT_EQ(a->Frame(), 4);  // stays while the mouse stays
    a->MouseLeave();
    while (a->AnimateStep()) {
    }
    EXPECT_EQ(a->Frame(), 1);
    EXPECT_FALSE(a->Running());
}

TEST_F(AnimateObject, ACyclingAnimationWrapsAndTheIntervalCountsInTicks) {
    auto a = Make(3, true, 10);  // below 25 behaves as 25
    EXPECT_EQ(a->Interval(), 25);
    auto slow = Make(3, true, 75);
    slow->MouseEnter();
    std::vector<int> frames;
    for (int tick = 0; tick < 9; ++tick) {
        slow->AnimateStep();
        frames.push_back(slow->Frame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 1, 2, 2, 2, 3, 3, 3, 1}));
    EXPECT_TRUE(slow->Running());
    host.calls.clear();
    slow->MouseUp(MouseButton::Left, {});
    EXPECT_EQ(host.calls, (Calls{"up anim", "command cmminimize"}));
}

TEST(FramePlacement, ObjectsOnTheFramePictureMoveWithTheirCorners) {
    FakeHost host;
    TSkinData empty;
    TDataSkinFormInfo info;
    info.leftTopPoint = {20, 20};
    info.rightTopPoint = {80, 20};
    info.leftBottomPoint = {20, 80};
    info.rightBottomPoint = {80, 80};
    info.clientRect = {10, 10, 90, 90};
    const Size picture{100, 100};
    const FrameLayout layout = ComputeFrameLayout(info, picture, {150, 130});  // dx 50, dy 30
    const std::pair<Rect, Rect> cases[] = {
        {{2, 2, 8, 8}, {2, 2, 8, 8}},              // left-top
        {{85, 2, 95, 8}, {135, 2, 145, 8}},        // right-top
        {{2, 85, 8, 95}, {2, 115, 8, 125}},        // left-bottom
        {{85, 85, 95, 95}, {135, 115, 145, 125}},  // right-bottom
        {{2, 2, 90, 8}, {2, 2, 140, 8}},           // left-top to right-top: wider
        {{2, 2, 90, 90}, {2, 2, 140, 120}},        // left-top to right-bottom: both
        {{2, 85, 90, 95}, {2, 115, 140, 125}},     // left-bottom to right-bottom: wider and down
        {{85, 2, 95, 90}, {135, 2, 145, 120}},     // right-top to right-bottom: right and taller
        {{2, 2, 8, 90}, {2, 2, 8, 120}},           // left-top to left-bottom: taller
        {{40, 40, 50, 50}, {40, 40, 50, 50}},      // anywhere else: unchanged
    };
    for (const auto& [skinRect, expected] : cases) {
        TDataUserObject d("user");
        d.skinRect = skinRect;
        FrameObjects objects;
        objects.push_back(std::make_unique<TUserObject>(host, d, empty));
        PlaceFrameObjects(objects, info, picture, layout, {});
        EXPECT_EQ(objects[0]->WindowRect(), expected) << skinRect.left << "," << skinRect.top;
        EXPECT_EQ(objects[0]->Look({}, false).kind, ObjectLook::Kind::Paint);
    }
}

TEST(FramePlacement, ButtonsFromTheLeftAndInAButtonsArea) {
    FakeHost host;
    const TSkinData& skin = OrangeSkinData();
    FrameObjects objects = BuildFrameObjects(host, skin);
    ApplyBorderIcons(objects, {.rollUp = false});
    // The built-in skin's frame, with its buttons from the left.
    const TDataSkinFormInfo& orange = skin.FormInfo();
    TDataSkinFormInfo info;
    info.leftTopPoint = orange.leftTopPoint;
    info.rightTopPoint = orange.rightTopPoint;
    info.leftBottomPoint = orange.leftBottomPoint;
    info.rightBottomPoint = orange.rightBottomPoint;
    info.clientRect = orange.clientRect;
    info.captionRect = orange.captionRect;
    info.buttonsOffset = orange.buttonsOffset;
    info.buttonsInLeft = true;
    const FrameLayout layout = ComputeFrameLayout(info, OrangePicture(), {300, 124});
    PlaceFrameObjects(objects, info, OrangePicture(), layout, {.showIcon = true});
    EXPECT_EQ(objects[1]->WindowRect(), (Rect{5, 3, 25, 22}));    // close
    EXPECT_EQ(objects[2]->WindowRect(), (Rect{26, 3, 46, 22}));   // maximize
    EXPECT_EQ(objects[3]->WindowRect(), (Rect{47, 3, 67, 22}));   // minimize
    EXPECT_EQ(objects[5]->WindowRect(), (Rect{68, 4, 84, 20}));   // system menu follows them
    EXPECT_EQ(objects[0]->WindowRect(), (Rect{84, 3, 295, 21}));  // caption after them

    info.buttonsInLeft = false;
    info.buttonsRect = {120, 2, 170, 24};  // in the right half: moves with the right edge
    const FrameLayout inArea = ComputeFrameLayout(info, OrangePicture(), {300, 124});
    PlaceFrameObjects(objects, info, OrangePicture(), inArea, {});
    EXPECT_EQ(objects[1]->WindowRect(), (Rect{273, 2, 293, 21}));
    EXPECT_EQ(objects[0]->WindowRect().right, 295);  // the caption is not cut for a buttons area
}

}  // namespace
}  // namespace huecast::skin
