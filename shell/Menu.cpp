#include "shell/Menu.h"

#include "framework/core/runtime/Exceptions.h"

#include <optional>
#include <string>
#include <string_view>

std::shared_ptr<class Menu> Menu::implicitInstance;

namespace {

using framework::MenuItemKind;

struct MenuRow {
    int builder;
    // The Name of the top-level menu that holds the item; "" for a top-level menu.
    std::string_view parent;
    std::string_view name;
    MenuItemKind kind;
    std::string_view caption;
    // nullopt: the item keeps the framework's default shortcut.
    std::optional<std::string_view> shortcut;
    bool autoEnabled;
};

// The whole tree in the order of building, which is also the order under each parent. Only
// Quit enables itself; every other item waits for a window or the application to enable it.
constexpr MenuRow kMenuRows[] = {
    {0, "", "UntitledMenu3", MenuItemKind::Item, "", "", false},
    {1, "", "UntitledMenu2", MenuItemKind::Item, "File", "", false},
    {1, "UntitledMenu2", "FileQuit", MenuItemKind::Quit, "Quit", "Cmd+Q", true},
    {1, "UntitledMenu2", "UntitledMenu8", MenuItemKind::Item, "", "", false},
    {2, "", "UntitledMenu0", MenuItemKind::Item, "Edit", "", false},
    {2, "UntitledMenu0", "EditUndo", MenuItemKind::Item, "Undo", "Cmd+Z", false},
    {2, "UntitledMenu0", "UntitledMenu1", MenuItemKind::Item, "-", std::nullopt, false},
    {2, "UntitledMenu0", "EditCut", MenuItemKind::Item, "Cut", "Cmd+X", false},
    {2, "UntitledMenu0", "EditCopy", MenuItemKind::Item, "Copy", "Cmd+C", false},
    {2, "UntitledMenu0", "EditPaste", MenuItemKind::Item, "Paste", "Cmd+V", false},
    {2, "UntitledMenu0", "EditClear", MenuItemKind::Item, "", "", false},
    {2, "UntitledMenu0", "UntitledMenu7", MenuItemKind::Item, "", "", false},
    {3, "", "WindowMenu", MenuItemKind::Item, "Window", "", false},
    {3, "WindowMenu", "ControlMenuItem", MenuItemKind::Item, "Control", "", false},
    {3, "WindowMenu", "DescriptionMenuItem", MenuItemKind::Item, "Description", "", false},
    {3, "WindowMenu", "AboutMenuItem", MenuItemKind::Item, "About Quorvane", "", false},
    {3, "WindowMenu", "UntitledMenu6", MenuItemKind::Item, "", "", false},
    {3, "WindowMenu", "AboutWYB", MenuItemKind::Apple, "About Quorvane", "", false},
    {3, "WindowMenu", "UntitledMenu5", MenuItemKind::Apple, "", "", false},
    {4, "", "UntitledMenu4", MenuItemKind::Item, "", "", false},
};

// An item is complete before it is attached.
std::shared_ptr<framework::MenuItem> NewItem(const MenuRow& row) {
    auto item = framework::NewMenuItem(row.kind);
    item->SetName(std::string(row.name));
    item->SetAutoEnabled(row.autoEnabled);
    item->SetValue(std::string(row.caption));
    item->SetVisible(true);
    if (row.shortcut) {
        item->SetShortcut(std::string(*row.shortcut));
    }
    return item;
}

} // namespace

Menu::Menu() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
    Untitled4();
}

void Menu::Untitled0() {
    BuildItemsOf(0);
}
void Menu::Untitled1() {
    BuildItemsOf(1);
}
void Menu::Untitled2() {
    BuildItemsOf(2);
}
void Menu::Untitled3() {
    BuildItemsOf(3);
}
void Menu::Untitled4() {
    BuildItemsOf(4);
}

// The parent menu is looked up afresh for every item, so no builder keeps a menu of its own.
void Menu::BuildItemsOf(int builder) {
    for (const MenuRow& row : kMenuRows) {
        if (row.builder != builder) {
            continue;
        }
        auto item = NewItem(row);
        if (row.parent.empty()) {
            AddMenu(std::move(item));
            continue;
        }
        const auto parent = Child(row.parent);
        if (!parent) {
            throw framework::NilObjectException("Menu: no menu named " + std::string(row.parent));
        }
        parent->AddMenu(std::move(item));
    }
}

std::shared_ptr<class Menu> Menu() {
    if (!Menu::implicitInstance) {
        // Stored only once the constructor has returned: a failed build leaves it nil.
        Menu::implicitInstance = std::make_shared<class Menu>();
    }
    return Menu::implicitInstance;
}
