#include "framework/core/menus/MenuCommands.h"

namespace framework {

namespace {

void ResetToAutoEnabled(MenuItem& menu) {
    for (const auto& item : menu.Children()) {
        item->SetEnabled(item->AutoEnabled() || !item->Children().empty());
        ResetToAutoEnabled(*item);
    }
}

bool RunHandler(const MenuHandlers* handlers, std::string_view itemName) {
    const MenuHandler* handler = handlers ? handlers->Find(itemName) : nullptr;
    return handler && (*handler)();
}

} // namespace

void UpdateMenuStates(MenuItem& menuBar, const EnableMenuItemsEvent& frontWindow,
                      const EnableMenuItemsEvent& application) {
    ResetToAutoEnabled(menuBar);
    if (frontWindow) {
        frontWindow();
    }
    if (application) {
        application();
    }
}

bool DispatchMenuChoice(const MenuItem& item, const MenuHandlers* frontWindow,
                        const MenuHandlers* application, const std::function<void()>& quit) {
    if (!item.Enabled()) {
        return false;
    }
    if (item.Kind() == MenuItemKind::Quit) {
        quit();
        return true;
    }
    return RunHandler(frontWindow, item.Name()) || RunHandler(application, item.Name());
}

} // namespace framework
