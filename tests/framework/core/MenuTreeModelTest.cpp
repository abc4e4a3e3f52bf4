#include "framework/core/menus/MenuCommands.h"
#include "framework/core/menus/MenuItem.h"
#include "framework/core/menus/MenuShortcut.h"
#include "framework/core/runtime/Exceptions.h"

#include <gtest/gtest.h>

namespace framework {
namespace {

std::shared_ptr<MenuItem> Item(std::string name, MenuItemKind kind = MenuItemKind::Item) {
    auto item = NewMenuItem(kind);
    item->SetName(std::move(name));
    return item;
}

// A bar with two menus; the second holds an item named like the first menu's item, so that
// the order of the search shows.
struct SmallTree {
    std::shared_ptr<MenuItem> bar = Item("Bar", MenuItemKind::Bar);
    std::shared_ptr<MenuItem> file = Item("FileMenu");
    std::shared_ptr<MenuItem> quit = Item("FileQuit", MenuItemKind::Quit);
    std::shared_ptr<MenuItem> open = Item("FileOpen");
    std::shared_ptr<MenuItem> window = Item("WindowMenu");
    std::shared_ptr<MenuItem> twin = Item("FileOpen");
    SmallTree() {
        bar->AddMenu(file);
        file->AddMenu(quit);
        file->AddMenu(open);
        bar->AddMenu(window);
        window->AddMenu(twin);
    }
};

TEST(MenuTreeModelTest, ChildLookupAndParentsFollowTheTree) {
    SmallTree tree;
    ASSERT_EQ(tree.bar->Children().size(), 2u);
    EXPECT_EQ(tree.bar->Children()[1], tree.window);
    EXPECT_EQ(tree.bar->Child("FileMenu"), tree.file);
    EXPECT_EQ(tree.bar->Child("FileQuit"), nullptr);
    EXPECT_EQ(tree.bar->Child("filemenu"), nullptr);
    EXPECT_EQ(tree.bar->Lookup("FileQuit"), tree.quit);
    EXPECT_EQ(tree.bar->Lookup("FileOpen"), tree.open);
    EXPECT_EQ(tree.window->Lookup("FileOpen"), tree.twin);
    EXPECT_EQ(tree.bar->Lookup("Bar"), nullptr);
    EXPECT_EQ(tree.bar->Lookup("Print"), nullptr);
    EXPECT_EQ(tree.quit->Parent(), tree.file.get());
    EXPECT_EQ(tree.bar->Parent(), nullptr);

    std::shared_ptr<MenuItem> survivor = tree.twin;
    tree.window.reset();
    tree.bar.reset();
    EXPECT_EQ(survivor->Parent(), nullptr);
}

TEST(MenuTreeModelTest, AddMenuRefusesNilSecondHomesAndLoops) {
    SmallTree tree;
    EXPECT_THROW(tree.bar->AddMenu(nullptr), NilObjectException);
    EXPECT_THROW(tree.window->AddMenu(tree.open), RuntimeException);
    EXPECT_THROW(tree.open->AddMenu(tree.bar), RuntimeException);
    EXPECT_THROW(tree.bar->AddMenu(tree.bar), RuntimeException);
    EXPECT_EQ(tree.window->Children().size(), 1u);
}

TEST(MenuTreeModelTest, ShortcutNotation) {
    struct Case {
        std::string_view text;
        std::optional<MenuShortcut> expected;
    };
    const Case cases[] = {
        {"", std::nullopt},
        {"Cmd+Q", MenuShortcut{.command = true, .key = 'Q'}},
        {"cmd+z", MenuShortcut{.command = true, .key = 'Z'}},
        {"Shift+Cmd+Z", MenuShortcut{.command = true, .shift = true, .key = 'Z'}},
        {"Option+Ctrl+1", MenuShortcut{.alt = true, .control = true, .key = '1'}},
        {"Cmd++", MenuShortcut{.command = true, .key = '+'}},
        {"F", MenuShortcut{.key = 'F'}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseShortcut(text), expected) << text;
    }
    for (std::string_view bad : {"Cmd+", "Cmd+QQ", "Hyper+Q", "Cmd+Cmd+Q", "+Q", "Cmd+ "}) {
        EXPECT_THROW(ParseShortcut(bad), RuntimeException) << bad;
    }
    MenuItem item;
    item.SetShortcut("Cmd+C");
    EXPECT_THROW(item.SetShortcut("Cmd+Copy"), RuntimeException);
    EXPECT_EQ(item.Shortcut(), "Cmd+C");
}

TEST(MenuTreeModelTest, UpdateResetsToAutoEnabledThenRaisesWindowThenApplication) {
    SmallTree tree;
    tree.quit->SetAutoEnabled(true);
    for (const auto& item : {tree.file, tree.open, tree.window, tree.twin}) {
        item->SetAutoEnabled(false);
    }
    std::vector<std::string> raised;
    const auto window = [&] {
        raised.push_back("window");
        EXPECT_FALSE(tree.open->Enabled());
        tree.open->SetEnabled(true);
    };
    const auto application = [&] { raised.push_back("application"); };

    UpdateMenuStates(*tree.bar, window, application);
    EXPECT_EQ(raised, (std::vector<std::string>{"window", "application"}));
    EXPECT_TRUE(tree.quit->Enabled());
    EXPECT_TRUE(tree.open->Enabled());
    EXPECT_FALSE(tree.twin->Enabled());
    EXPECT_TRUE(tree.file->Enabled());
    EXPECT_TRUE(tree.window->Enabled());

    UpdateMenuStates(*tree.bar, nullptr, application);
    EXPECT_FALSE(tree.open->Enabled());
    EXPECT_TRUE(tree.quit->Enabled());
}

TEST(MenuTreeModelTest, DispatchGoesToWindowThenApplicationAndQuitToTheFramework) {
    std::vector<std::string> ran;
    int quits = 0;
    const auto quit = [&] { ++quits; };
    const auto handler = [&](std::string who, bool result) {
        return [&ran, who, result] {
            ran.push_back(who);
            return result;
        };
    };
    MenuHandlers window;
    MenuHandlers application;
    window.Add("AboutWYB", handler("stale", true));
    window.Add("AboutWYB", handler("window", false));
    application.Add("AboutWYB", handler("application", false));
    application.Add("AboutMenuItem", handler("application about", false));
    window.Add("Print", handler("print", true));
    EXPECT_EQ(window.Find("aboutwyb"), nullptr);

    const auto choose = [&](std::string name, MenuItemKind kind = MenuItemKind::Item) {
        ran.clear();
        return DispatchMenuChoice(*Item(std::move(name), kind), &window, &application, quit);
    };
    EXPECT_FALSE(choose("AboutWYB"));
    EXPECT_EQ(ran, (std::vector<std::string>{"window", "application"}));
    EXPECT_TRUE(choose("Print"));
    EXPECT_EQ(ran, (std::vector<std::string>{"print"}));
    EXPECT_FALSE(choose("AboutMenuItem"));
    EXPECT_EQ(ran, (std::vector<std::string>{"application about"}));
    EXPECT_FALSE(DispatchMenuChoice(*Item("AboutWYB"), nullptr, &application, quit));
    EXPECT_FALSE(choose("EditCut"));
    EXPECT_TRUE(ran.empty());

    window.Add("FileQuit", handler("window quit", false));
    EXPECT_TRUE(choose("FileQuit", MenuItemKind::Quit));
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(quits, 1);

    auto disabled = Item("Print");
    disabled->SetEnabled(false);
    ran.clear();
    EXPECT_FALSE(DispatchMenuChoice(*disabled, &window, &application, quit));
    EXPECT_TRUE(ran.empty());
}

} // namespace
} // namespace framework
