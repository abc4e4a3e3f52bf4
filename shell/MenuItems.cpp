#include "shell/MenuItems.h"

#include "framework/core/menus/MenuItem.h"
#include "framework/core/runtime/Exceptions.h"
#include "framework/ui/Application.h"

#include <memory>
#include <string>
#include <string_view>

namespace {

// No item is cached: every call goes to the application's menu bar as it stands now.
std::shared_ptr<framework::MenuItem> LookUpItem(std::string_view name) {
    const framework::Application* app = framework::GetAppObject();
    if (app == nullptr) {
        throw framework::NilObjectException("no application object for the menu item " +
                                            std::string(name));
    }
    if (app->MenuBar() == nullptr) {
        throw framework::NilObjectException("no menu bar for the menu item " + std::string(name));
    }
    return app->MenuBar()->Lookup(name);
}

} // namespace

std::shared_ptr<framework::AppleMenuItem> AboutWYB() {
    return std::dynamic_pointer_cast<framework::AppleMenuItem>(LookUpItem("AboutWYB"));
}

std::shared_ptr<framework::MenuItem> AboutMenuItem() {
    return LookUpItem("AboutMenuItem");
}

std::shared_ptr<framework::MenuItem> DescriptionMenuItem() {
    return LookUpItem("DescriptionMenuItem");
}

std::shared_ptr<framework::MenuItem> ControlMenuItem() {
    return LookUpItem("ControlMenuItem");
}

void SetItemEnabled(const std::shared_ptr<framework::MenuItem>& item, bool enabled) {
    if (item == nullptr) {
        throw framework::NilObjectException("the menu bar lacks an item whose state is set");
    }
    item->SetEnabled(enabled);
}
