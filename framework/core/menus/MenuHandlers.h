#pragma once

// Menu handlers are bound by item name, by a window or by the application. A handler takes no
// argument and says whether it handled the choice.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace framework {

using MenuHandler = std::function<bool()>;

class MenuHandlers {
public:
    // A later binding of the same name replaces the earlier one.
    void Add(std::string itemName, MenuHandler handler);
    // The handler bound to the name, matched exactly, or nullptr.
    const MenuHandler* Find(std::string_view itemName) const;

private:
    std::vector<std::pair<std::string, MenuHandler>> bindings_;
};

} // namespace framework
