#include <gtest/gtest.h>

#include "skin/frame/system_menu_items.h"

namespace huecast::skin {
namespace {

std::vector<std::string> Names(const std::vector<SystemMenuItem>& items) {
    std::vector<std::string> names;
    for (const auto& item : items)
        names.push_back(item.Separator() ? "-" : item.name);
    return names;
}

using Names_ = std::vector<std::string>;
// The main window: system menu, minimize and maximize; no roll-up, no tray.
const BorderIcons kMainWindowIcons{.systemMenu = true, .minimize = true, .maximize = true, .rollUp = false};

TEST(SystemMenu, ItemsOfTheMainWindowByState) {
    SystemMenuState s{.icons = kMainWindowIcons};
    EXPECT_EQ(Names(BuildSystemMenu(s)), (Names_{"SF_MINITEM", "SF_MAXITEM", "-", "SF_CLOSE"}));
    s.show = WindowShow::Maximized;
    EXPECT_EQ(Names(BuildSystemMenu(s)), (Names_{"SF_MINITEM", "SF_RESTORE", "-", "SF_CLOSE"}));
    s.show = WindowShow::Minimized;
    EXPECT_EQ(Names(BuildSystemMenu(s)), (Names_{"SF_MAXITEM", "SF_RESTORE", "-", "SF_CLOSE"}));

    const auto items = BuildSystemMenu({.icons = kMainWindowIcons});
    EXPECT_EQ(items[0].caption, "\xD7\xEE\xD0\xA1\xBB\xAF(&N)");  // 最小化(&N)
    EXPECT_EQ(items[1].caption, "\xD7\xEE\xB4\xF3\xBB\xAF(&X)");  // 最大化(&X)
    EXPECT_EQ(items[3].caption, "\xB9\xD8\xB1\xD5(&C)");          // 关闭(&C)
    EXPECT_EQ(items[3].shortCut, "Alt+F4");
    EXPECT_EQ(items[3].command, SystemMenuCommand::Close);
}

TEST(SystemMenu, RollUpRestoreAndTray) {
    const BorderIcons all{.rollUp = true, .minimizeToTray = true};
    SystemMenuState s{.icons = all};
    EXPECT_EQ(Names(BuildSystemMenu(s)),
              (Names_{"SF_MINITEM", "SF_MAXITEM", "SF_ROLLUP", "SF_MINTOTRAY", "-", "SF_CLOSE"}));
    s.rolledUp = true;
    auto items = BuildSystemMenu(s);
    EXPECT_EQ(Names(items),
              (Names_{"SF_MINITEM", "SF_MAXITEM", "SF_RESTORE", "SF_MINTOTRAY", "-", "SF_CLOSE"}));
    EXPECT_EQ(items[2].command, SystemMenuCommand::RollDown);
    // Rolled up before it was maximized: restore un-maximizes.
    s.show = WindowShow::Maximized;
    EXPECT_EQ(BuildSystemMenu(s)[1].command, SystemMenuCommand::Restore);
    s.rolledUpWhileMaximized = true;
    EXPECT_EQ(BuildSystemMenu(s)[1].command, SystemMenuCommand::RollDown);
    // A maximized MDI child cannot roll up; its close key is Ctrl+F4.
    SystemMenuState child{.show = WindowShow::Maximized, .mdiChild = true, .icons = all};
    items = BuildSystemMenu(child);
    EXPECT_EQ(Names(items), (Names_{"SF_MINITEM", "SF_RESTORE", "SF_MINTOTRAY", "-", "SF_CLOSE"}));
    EXPECT_EQ(items.back().shortCut, "Ctrl+F4");
}

TEST(SystemMenu, OnlyCloseNeedsNoSeparator) {
    SystemMenuState s{.icons = {.systemMenu = true, .minimize = false, .maximize = false, .rollUp = false}};
    EXPECT_EQ(Names(BuildSystemMenu(s)), (Names_{"SF_CLOSE"}));
}

TEST(SystemMenu, ApplicationItemsGoBeforeTheDividerAndClose) {
    SystemMenuState s{.icons = {.systemMenu = true, .minimize = true, .maximize = true, .rollUp = false}};
    const ApplicationItemsPlace place = PlaceApplicationItems(BuildSystemMenu(s));  // min, max, -, close
    EXPECT_EQ(place.index, 2u);
    EXPECT_FALSE(place.addDivider);
    s.icons.minimize = s.icons.maximize = false;
    const ApplicationItemsPlace alone = PlaceApplicationItems(BuildSystemMenu(s));  // close only
    EXPECT_EQ(alone.index, 0u);
    EXPECT_TRUE(alone.addDivider);
}

TEST(SystemMenu, AnApplicationsMenuGetsTheFramesItemsAroundItsOwn) {
    SystemMenuState s{.show = WindowShow::Maximized, .icons = {.rollUp = true, .minimizeToTray = true}};
    const SystemMenuMerge m = MergeSystemMenu(s);
    EXPECT_EQ(Names(m.head), (Names_{"SF_MINITEM", "SF_RESTORE", "SF_ROLLUP", "SF_MINTOTRAY"}));
    EXPECT_EQ(m.close.name, "SF_CLOSE");
    EXPECT_TRUE(IsSystemMenuItemName("SF_RESTORE"));
    EXPECT_FALSE(IsSystemMenuItemName("sf_restore"));
    EXPECT_FALSE(IsSystemMenuItemName("MyItem"));
}

}  // namespace
}  // namespace huecast::skin
