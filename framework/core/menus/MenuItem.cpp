#include "framework/core/menus/MenuItem.h"

#include "framework/core/menus/MenuShortcut.h"
#include "framework/core/runtime/Exceptions.h"

#include <algorithm>

namespace framework {

MenuItem::~MenuItem() {
    // Items may outlive their menu in other hands; they must not point back at it.
    for (const auto& child : children_) {
        child->parent_ = nullptr;
    }
}

void MenuItem::SetShortcut(std::string shortcut) {
    ParseShortcut(shortcut);
    shortcut_ = std::move(shortcut);
}

void MenuItem::AddMenu(std::shared_ptr<MenuItem> item) {
    if (!item) {
        throw NilObjectException("AddMenu: the item is nil");
    }
    // An item sits in one menu only, and never below itself: Lookup walks the tree as a tree.
    if (item->parent_) {
        throw RuntimeException("AddMenu: '" + item->Name() + "' is already in a menu");
    }
    for (const MenuItem* above = this; above; above = above->parent_) {
        if (above == item.get()) {
            throw RuntimeException("AddMenu: '" + item->Name() + "' would hold itself");
        }
    }
    item->parent_ = this;
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
    const auto found = std::ranges::find(children_, name, &MenuItem::Name);
    return found != children_.end() ? *found : nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) {
            return child;
        }
        if (auto below = child->Lookup(name)) {
            return below;
        }
    }
    return nullptr;
}

std::shared_ptr<MenuItem> NewMenuItem(MenuItemKind kind) {
    switch (kind) {
    case MenuItemKind::Item:
        return std::make_shared<MenuItem>();
    case MenuItemKind::Bar:
        return std::make_shared<MenuBar>();
    case MenuItemKind::Quit:
        return std::make_shared<QuitMenuItem>();
    case MenuItemKind::Apple:
        break;
    }
    return std::make_shared<AppleMenuItem>();
}

} // namespace framework
