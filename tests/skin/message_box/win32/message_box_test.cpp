// The skinned message box on a test box inside this process: its skinned buttons (ids are results, the
// skin's height), Enter and Escape with the focus on either button, and the fade-in the frame gives it.
// Each test runs Execute and acts on the box from a thread timer, which the box's own modal loop runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "skin/controls/win32/button.h"
#include "skin/message_box/win32/message_box.h"
#include "tests/support/win32/real_input.h"
#include "tests/support/win32/skinned_host.h"

namespace huecast::skin {
namespace {

using huecast::testing::PressKeys;
using huecast::testing::SkinnedHost;

// The visible message box of this thread, or nullptr.
HWND ShownBox() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            char name[16] = {};
            GetClassNameA(window, name, sizeof name);
            if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(param) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Calls `act` with the shown box every 5 ms while Execute runs; `act` returns true once it is done.
class BoxScript {
  public:
    explicit BoxScript(std::function<bool(HWND box)> act) {
        act_ = std::move(act);
        timer_ = SetTimer(nullptr, 0, 5, Tick);
    }
    ~BoxScript() {
        KillTimer(nullptr, timer_);
        act_ = nullptr;
    }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (HWND box = ShownBox(); box && act_ && act_(box)) act_ = nullptr;
    }
    static inline std::function<bool(HWND)> act_;
    UINT_PTR timer_ = 0;
};

class SkinMessageTest : public ::testing::Test {
  protected:
    SkinMessageTest() {
        message_.skinData = message_.ctrlSkinData = &host_.Skin();
        message_.useSkinFont = false;
    }

    int Ask(MsgDlgButtons buttons, std::function<bool(HWND box)> act) {
        BoxScript script(std::move(act));
        return message_.Execute(host_.Handle(), "Delete it?", MsgDlgType::Warning, buttons);
    }

    // The box's opacity at each tick (256: not layered) until it settles at `target`, then Escape.
    std::vector<int> OpacityUntil(int target) {
        std::vector<int> seen;
        const DWORD end = GetTickCount() + 5000;
        Ask({MsgDlgBtn::OK}, [&](HWND box) {
            BYTE alpha = 255;
            const bool layered = GetWindowLongPtrA(box, GWL_EXSTYLE) & WS_EX_LAYERED;
            if (layered && !GetLayeredWindowAttributes(box, nullptr, &alpha, nullptr)) alpha = 255;
            seen.push_back(layered ? alpha : 256);
            if (seen.back() != target && GetTickCount() < end) return false;
            PressKeys({VK_ESCAPE});
            return true;
        });
        return seen;
    }

    SkinnedHost host_;
    TSkinMessage message_;
};

TEST_F(SkinMessageTest, ButtonsAreSkinnedButtonsOfTheSkinsHeightWithTheirResultsAsIds) {
    // A button element of the built-in skin whose height is not the plain buttons' 25.
    message_.buttonSkinDataName = "bigtoolbutton";
    const auto* element = host_.Skin().SkinControlAs<TDataSkinButtonControl>("bigtoolbutton");
    ASSERT_NE(element, nullptr);
    const int expectedHeight = element->skinRect.Height();
    ASSERT_NE(expectedHeight, kPlainMessageButtonHeight);
    std::vector<int> ids;
    const int result = Ask({MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Cancel}, [&](HWND box) {
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            auto* button = dynamic_cast<TSkinButton*>(gui::Window::FromHandle(child));
            if (!button) continue;
            ids.push_back(button->Id());
            EXPECT_EQ(button->ModalResult(), button->Id());
            RECT r{};
            GetClientRect(child, &r);
            EXPECT_EQ(r.bottom, expectedHeight);
            EXPECT_EQ(r.right, 60);
        }
        PressKeys({VK_ESCAPE});
        return true;
    });
    EXPECT_EQ(ids, (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    EXPECT_EQ(result, IDCANCEL) << "Escape presses the cancel button when there is one";
}

TEST_F(SkinMessageTest, WithoutTheButtonElementOrWithoutASkinTheButtonsArePlainAnd25High) {
    const auto heights = [this] {
        std::vector<int> seen;
        EXPECT_EQ(Ask({MsgDlgBtn::OK},
                      [&](HWND box) {
                          RECT r{};
                          GetClientRect(GetDlgItem(box, IDOK), &r);
                          seen.push_back(r.bottom);
                          PressKeys({VK_ESCAPE});
                          return true;
                      }),
                  IDOK);
        return seen;
    };
    message_.buttonSkinDataName = "nosuchbutton";
    EXPECT_EQ(heights(), std::vector<int>{kPlainMessageButtonHeight});
    message_.buttonSkinDataName = "bigtoolbutton";
    message_.skinData = message_.ctrlSkinData = nullptr;
    EXPECT_EQ(heights(), std::vector<int>{kPlainMessageButtonHeight}) << "the plain box";
}

TEST_F(SkinMessageTest, EnterPressesTheFocusedButtonAndEscapeTheCancelButtonWhereverTheFocusIs) {
    // The default button (yes) starts with the focus.
    EXPECT_EQ(Ask({MsgDlgBtn::Yes, MsgDlgBtn::No},
                  [](HWND) {
                      PressKeys({VK_RETURN});
                      return true;
                  }),
              IDYES);
    // Tab moves the focus to no (the box handles the key between two ticks): Enter presses no.
    int step = 0;
    EXPECT_EQ(Ask({MsgDlgBtn::Yes, MsgDlgBtn::No},
                  [&](HWND) {
                      if (step++ == 0) {
                          PressKeys({VK_TAB});
                          return false;
                      }
                      EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDNO) << "Tab did not move the focus to no";
                      PressKeys({VK_RETURN});
                      return true;
                  }),
              IDNO);
    // The underlined letter of a caption presses its button: 否(&N).
    EXPECT_EQ(Ask({MsgDlgBtn::Yes, MsgDlgBtn::No},
                  [](HWND) {
                      PressKeys({'N'});
                      return true;
                  }),
              IDNO);
    // With the focus on yes or on retry, Escape answers the cancel button's result.
    EXPECT_EQ(Ask({MsgDlgBtn::Yes, MsgDlgBtn::No},
                  [](HWND) {
                      PressKeys({VK_ESCAPE});
                      return true;
                  }),
              IDNO);
    EXPECT_EQ(Ask({MsgDlgBtn::OK, MsgDlgBtn::Retry},
                  [](HWND) {
                      PressKeys({VK_TAB});
                      PressKeys({VK_ESCAPE});
                      return true;
                  }),
              IDOK);
}

TEST_F(SkinMessageTest, FadesInToItsOpacityWhenAskedAndSetsItAtOnceOtherwise) {
    message_.alphaBlend = true;
    message_.alphaBlendValue = 200;

    message_.alphaBlendAnimation = true;
    std::vector<int> seen = OpacityUntil(200);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 200);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end())) << "the opacity only rises";
    const std::set<int> between(std::find_if(seen.begin(), seen.end(), [](int a) { return a > 0; }),
                                std::find(seen.begin(), seen.end(), 200));
    EXPECT_GE(between.size(), 3u) << "a fade passes through several opacities";

    message_.alphaBlendAnimation = false;
    seen = OpacityUntil(200);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 200);
    for (int alpha : seen)
        EXPECT_TRUE(alpha == 0 || alpha == 200) << "without the animation no opacity lies between: " << alpha;

    // Fading in without translucency ends opaque, no longer layered.
    message_.alphaBlend = false;
    message_.alphaBlendAnimation = true;
    seen = OpacityUntil(256);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 256);
}

}  // namespace
}  // namespace huecast::skin
