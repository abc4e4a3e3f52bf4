#include "framework/core/menus/MenuCommands.h"
#include "framework/core/menus/MenuItem.h"
#include "framework/core/menus/MenuShortcut.h"
#include "framework/core/runtime/Exceptions.h"

#include <gtest/gtest.h>

namespace framework {
namespace {

using Log = std::vector<std::string>;

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

TEST(MenuTreeModel, ChildLookupAndParentsFollowTheTreeAndAddMenuKeepsItATree) {
    SmallTree tree;
    EXPECT_EQ(tree.bar->Children(), (std::vector{tree.file, tree.window}));
    EXPECT_EQ(tree.bar->Child("FileMenu"), tree.file);
    EXPECT_EQ(tree.bar->Child("FileQuit"), nullptr);
    EXPECT_EQ(tree.bar->Child("filemenu"), nullptr);
    EXPECT_EQ(tree.bar->Lookup("FileQuit"), tree.quit);
    EXPECT_EQ(tree.bar->Lookup("FileOpen"), tree.open);
    EXPECT_EQ(tree.window->Lookup("FileOpen"), tree.twin);
    EXPECT_EQ(tree.bar->Lookup("Bar"), nullptr);
    EXPECT_EQ(tree.quit->Parent(), tree.file.get());
    EXPECT_EQ(tree.bar->Parent(), nullptr);

    EXPECT_THROW(tree.bar->AddMenu(nullptr), NilObjectException);
    EXPECT_THROW(tree.window->AddMenu(tree.open), RuntimeException);
    EXPECT_THROW(tree.open->AddMenu(tree.bar), RuntimeException);
    EXPECT_THROW(tree.bar->AddMenu(tree.bar), RuntimeException);
    EXPECT_EQ(tree.window->Children().size(), 1u);

    std::shared_ptr<MenuItem> survivor = tree.twin;
    tree.window.reset();
    tree.bar.reset();
    EXPECT_EQ(survivor->Parent(), nullptr);
}

TEST(MenuTreeModel, ShortcutNotation) {
    const std::pair<std::string_view, std::optional<MenuShortcut>> cases[] = {
        {"", std::nullopt},
        {"cmd+z", MenuShortcut{.command = true, .key = 'Z'}},
        {"Shift+Cmd+Z", MenuShortcut{.command = true, .shift = true, .key = 'Z'}},
        {"Option+Ctrl+1", MenuShortcut{.alt = true, .control = true, .key = '1'}},
        {"Alt+~", MenuShortcut{.alt = true, .key = '~'}},
        {"Cmd++", MenuShortcut{.command = true, .key = '+'}},
        {"!", MenuShortcut{.key = '!'}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseShortcut(text), expected) << text;
    }
    for (std::string_view bad :
         {"Cmd+", "Cmd+QQ", "Hyper+Q", "Cmd+Cmd+Q", "+Q", "Cmd+ ", "Cmd+\x7F"}) {
        EXPECT_THROW(ParseShortcut(bad), RuntimeException) << bad;
    }
    MenuItem item;
    item.SetShortcut("Cmd+C");
    EXPECT_THROW(item.SetShortcut("Cmd+Copy"), RuntimeException);
    EXPECT_EQ(item.Shortcut(), "Cmd+C");
}

TEST(MenuTreeModel, DispatchGoesToWindowThenApplicationAndQuitToTheFramework) {
    Log ran;
    const auto handler = [&ran](std::string who, bool result) -> MenuHandler {
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
    window.Add("FileQuit", handler("window quit", false));
    EXPECT_EQ(window.Find("aboutwyb"), nullptr);

    int quits = 0;
    const auto choose = [&](std::shared_ptr<MenuItem> item, const MenuHandlers* front) {
        ran.clear();
        const bool handled = DispatchMenuChoice(*item, front, &application, [&quits] { ++quits; });
        ran.push_back(handled ? "handled" : "not handled");
        return ran;
    };
    EXPECT_EQ(choose(Item("AboutWYB"), &window), (Log{"window", "application", "not handled"}));
    EXPECT_EQ(choose(Item("Print"), &window), (Log{"print", "handled"}));
    EXPECT_EQ(choose(Item("AboutMenuItem"), &window), (Log{"application about", "not handled"}));
    EXPECT_EQ(choose(Item("AboutWYB"), nullptr), (Log{"application", "not handled"}));
    EXPECT_EQ(choose(Item("EditCut"), &window), (Log{"not handled"}));
    EXPECT_EQ(choose(Item("FileQuit", MenuItemKind::Quit), &window), (Log{"handled"}));
    EXPECT_EQ(quits, 1);
    auto disabled = Item("Print");
    disabled->SetEnabled(false);
    EXPECT_EQ(choose(disabled, &window), (Log{"not handled"}));
}

} // namespace
} // namespace framework
