#include "framework/core/menus/MenuHandlers.h"

#include <algorithm>

namespace framework {

void MenuHandlers::Add(std::string itemName, MenuHandler handler) {
    const auto bound =
        std::ranges::find(bindings_, itemName, &decltype(bindings_)::value_type::first);
    if (bound != bindings_.end()) {
        bound->second = std::move(handler);
    } else {
        bindings_.emplace_back(std::move(itemName), std::move(handler));
    }
}

const MenuHandler* MenuHandlers::Find(std::string_view itemName) const {
    const auto bound =
        std::ranges::find(bindings_, itemName, &decltype(bindings_)::value_type::first);
    return bound != bindings_.end() ? &bound->second : nullptr;
}

} // namespace framework
