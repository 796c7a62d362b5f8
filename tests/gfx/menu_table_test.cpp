// The menu table is the one place of the items' shortcuts and check marks.
#include <gtest/gtest.h>

#include <set>

#include "gfx/core/menu_items.h"

namespace {

using gfx::MenuItem;

TEST(MenuTable, ShortcutsAreDistinctCapitalsAndChooseTheirItems) {
    std::set<char> seen;
    int withShortcut = 0;
    for (const MenuItem& item : gfx::runMenuItems()) {
        if (!item.shortcut) continue;
        ++withShortcut;
        EXPECT_TRUE(item.shortcut >= 'A' && item.shortcut <= 'Z') << item.text;
        EXPECT_TRUE(seen.insert(item.shortcut).second) << item.text;
        EXPECT_EQ(gfx::shortcutMenuId(item.shortcut), item.id) << item.text;
        EXPECT_FALSE(item.greyed) << item.text;
    }
    EXPECT_EQ(withShortcut, 8);
    EXPECT_EQ(gfx::shortcutMenuId('B'), 0);
    EXPECT_EQ(gfx::shortcutMenuId('a'), 0);  // key codes of letters are capitals
    EXPECT_EQ(gfx::shortcutMenuId(0), 0);    // separators and credits have none
}

TEST(MenuTable, LabelsShowTheShortcutAfterATab) {
    const auto items = gfx::runMenuItems();
    EXPECT_EQ(gfx::menuLabel(items[0]), "&Animate\tCtrl+A");
    EXPECT_EQ(gfx::menuLabel(items[8]), "Play &One Script\tCtrl+O");
    EXPECT_EQ(gfx::menuLabel(items[12]), "DROVA v2.2 July 1997");
}

TEST(MenuTable, CheckMarksOnLoggingAndTheTwoScriptModes) {
    std::set<int> checkable;
    for (const MenuItem& item : gfx::runMenuItems())
        if (item.checkable) checkable.insert(item.id);
    EXPECT_EQ(checkable, (std::set<int>{gfx::MenuId::Logging, gfx::MenuId::RecordScript,
                                        gfx::MenuId::PlaybackScript}));
}

}  // namespace
