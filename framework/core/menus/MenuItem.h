#pragma once

// The menu tree, free of any toolkit: a menu bar holds the top-level menus, a menu holds its
// items, and every item is found by its Name, never by its caption. The toolkit side shows the
// tree, asks UpdateMenuStates (MenuCommands.h) for the enabled states before a menu opens or a
// shortcut acts, and hands a chosen item to DispatchMenuChoice. Items are shared: a menu holds
// its items, and the program and the toolkit side may hold them too.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

enum class MenuItemKind { Item, Bar, Quit, Apple };

class MenuItem {
public:
    MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    virtual ~MenuItem();

    virtual MenuItemKind Kind() const { return MenuItemKind::Item; }

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    // The caption. "-" shows as a separator.
    const std::string& Value() const { return value_; }
    void SetValue(std::string caption) { value_ = std::move(caption); }
    bool IsSeparator() const { return value_ == "-"; }
    bool AutoEnabled() const { return autoEnabled_; }
    void SetAutoEnabled(bool autoEnabled) { autoEnabled_ = autoEnabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // The key combination in the notation "Cmd+Q", or "" for none. Throws RuntimeException for
    // a notation ParseShortcut does not read, so a bad shortcut shows when the tree is built.
    const std::string& Shortcut() const { return shortcut_; }
    void SetShortcut(std::string shortcut);

    // Appends the item as the last child. Throws NilObjectException for a null item.
    void AddMenu(std::shared_ptr<MenuItem> item);
    // The direct child of that name, or nullptr.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    // The first item of that name anywhere below this one, depth first in child order, or nullptr.
    std::shared_ptr<MenuItem> Lookup(std::string_view name) const;
    const std::vector<std::shared_ptr<MenuItem>>& Children() const { return children_; }
    // The menu that holds this item; nullptr for a menu bar, an item not yet added, or one whose
    // menu is gone.
    MenuItem* Parent() const { return parent_; }

private:
    std::string name_;
    std::string value_;
    std::string shortcut_;
    bool autoEnabled_ = true;
    bool visible_ = true;
    bool enabled_ = true;
    MenuItem* parent_ = nullptr;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

class MenuBar : public MenuItem {
public:
    MenuItemKind Kind() const override { return MenuItemKind::Bar; }
};

// The framework's quit command: choosing it quits, with no handler of the program.
class QuitMenuItem : public MenuItem {
public:
    MenuItemKind Kind() const override { return MenuItemKind::Quit; }
};

// An item that belongs in the application menu where the platform has one.
class AppleMenuItem : public MenuItem {
public:
    MenuItemKind Kind() const override { return MenuItemKind::Apple; }
};

// A new item of the class that the kind names.
std::shared_ptr<MenuItem> NewMenuItem(MenuItemKind kind);

} // namespace framework
