#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "skin/format/win32/form_skin.h"
#include "skin/format/win32/notices.h"
#include "skin/format/win32/stored_skin_resource.h"
#include "tests/support/win32/host_window.h"

namespace huecast::skin {
namespace {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class Windows : public ::testing::Test {
  protected:
    // A hidden form that records the skin notices it receives.
    std::unique_ptr<testing::TestHost> Recording() {
        auto host = std::make_unique<testing::TestHost>(testing::TestHostArgs{
            .x = 0, .y = 0, .width = 10, .height = 10, .style = WS_OVERLAPPED, .caption = ""});
        host->onMessage = [this, window = host->Handle()](UINT message, WPARAM wParam,
                                                          LPARAM lParam) -> std::optional<LRESULT> {
            if (message >= kSkinBeforeChangeMessage && message <= kSkinAfterChangeMessage)
                received.push_back({window, message, wParam, lParam});
            return std::nullopt;
        };
        return host;
    }
    HWND Make() { return hosts_.emplace_back(Recording())->Handle(); }

    std::vector<Received> received;
    std::vector<std::unique_ptr<testing::TestHost>> hosts_;
};

TStoredSkin TinySkin() {
    TStoredSkin stored;
    stored.iniStrings = {"[VERSION]", "[PICTURES]", "[FORMINFO]", "[SKINOBJECTS]", "[SKINCONTROLS]"};
    return stored;
}

TEST_F(Windows, NoticesGoToTheOwnerFirstThenToEveryOtherFormInOrder) {
    HWND other1 = Make();
    HWND owner = Make();
    HWND other2 = Make();
    FormSkinNotifier notifier(owner);
    TSkinData data(&notifier);
    const TStoredSkin stored = TinySkin();
    data.SetStoredSkin(&stored);

    ASSERT_EQ(received.size(), 9u);
    const UINT messages[3] = {1225, 1226, 1227};
    for (int step = 0; step < 3; ++step) {
        const Received* r = &received[static_cast<std::size_t>(step) * 3];
        EXPECT_EQ(r[0].window, owner);
        std::vector<HWND> rest = {r[1].window, r[2].window};
        EXPECT_TRUE((rest == std::vector<HWND>{other1, other2}) ||
                    (rest == std::vector<HWND>{other2, other1}));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(r[i].message, messages[step]);
            EXPECT_EQ(r[i].wParam, reinterpret_cast<WPARAM>(&data));
            EXPECT_EQ(r[i].lParam, 1000);
            EXPECT_EQ(SkinDataOfNotice(r[i].message, r[i].wParam, r[i].lParam), &data);
        }
    }
    EXPECT_EQ(SkinDataOfNotice(WM_USER, 0, 1000), nullptr);
    EXPECT_EQ(SkinDataOfNotice(1226, 0, 999), nullptr);
}

TEST_F(Windows, WithoutAnOwnerNothingIsSentAndOtherThreadsAreLeftAlone) {
    Make();
    FormSkinNotifier none;
    TSkinData quiet(&none);
    const TStoredSkin stored = TinySkin();
    quiet.SetStoredSkin(&stored);
    EXPECT_TRUE(received.empty());

    // A window of another thread is not a form of this one; sending to it could wait on that thread.
    HWND foreign = nullptr;
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread worker([&] {
        const std::unique_ptr<testing::TestHost> host = Recording();
        foreign = host->Handle();
        SetEvent(ready);
        WaitForSingleObject(done, INFINITE);
    });
    WaitForSingleObject(ready, INFINITE);
    HWND owner = Make();
    FormSkinNotifier notifier(owner);
    TSkinData data(&notifier);
    data.SetStoredSkin(&stored);
    SetEvent(done);
    worker.join();
    CloseHandle(ready);
    CloseHandle(done);
    for (const Received& r : received)
        EXPECT_NE(r.window, foreign);
    EXPECT_EQ(received.size(), 6u);  // the owner and the other window of this thread, three notices each
}

TEST(SkinResources, ResourceNamesAreThePathsUpperCased) {
    EXPECT_EQ(SkinResourceName("skin.ini"), "SKIN_INI");
    EXPECT_EQ(SkinResourceName("menuitems.bmp"), "MENUITEMS_BMP");
    EXPECT_EQ(SkinResourceName("a-b 1.bmp"), "A_B_1_BMP");
    EXPECT_EQ(SkinResourceName("basalt/main.bmp"), "BASALT_MAIN_BMP");
}

TEST(SkinResources, TheBuiltInSkinLoadsFromTheModule) {
    const TStoredSkin stored = LoadStoredSkinResource(GetModuleHandleA(nullptr));
    EXPECT_EQ(stored.pictures.main.Width(), 177);
    ASSERT_EQ(stored.pictures.active.size(), 5u);
    EXPECT_EQ(stored.pictures.active[3].Width(), 380);

    FormSkin skin;
    skin.Load(nullptr, GetModuleHandleA(nullptr));
    EXPECT_FALSE(skin.Data().Empty());
    EXPECT_EQ(skin.Data().SkinName(), "Orange");
    EXPECT_EQ(skin.Data().Controls().size(), 59u);
    EXPECT_EQ(skin.Data().Objects().size(), 12u);
}

TEST(SkinResources, AMissingResourceIsAnErrorThatNamesIt) {
    try {
        LoadStoredSkinResource(GetModuleHandleA(nullptr), "other.ini");
        FAIL() << "a skin text that is not there was loaded";
    } catch (const SkinError& error) {
        EXPECT_STREQ(error.what(), "the skin text \"other.ini\" was not found");
    }
}

}  // namespace
}  // namespace huecast::skin
