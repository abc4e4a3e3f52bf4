#include "shell/HandleAboutMenu.h"

#include "framework/core/menus/MenuItem.h"
#include "framework/core/runtime/Exceptions.h"
#include "framework/ui/Delegates.h"
#include "shell/AboutWnd.h"
#include "shell/MenuItems.h"

namespace {

bool ShowAboutWindow() {
    AboutWnd().Show();
    return false;
}

} // namespace

HandleAboutMenu::HandleAboutMenu() : Application(Events()) {}

const framework::ApplicationEventTable& HandleAboutMenu::Events() {
    static const auto table = framework::ApplicationEventTable().On(
        framework::ApplicationEvent::EnableMenuItems, &HandleAboutMenu::Event_EnableMenuItems);
    return table;
}

void HandleAboutMenu::Constructor() {}

void HandleAboutMenu::Event_EnableMenuItems() {
    SetItemEnabled(AboutWYB(), true);
}

bool HandleAboutMenu::AboutWYB_Action() {
    return ShowAboutWindow();
}

bool HandleAboutMenu::AboutMenuItem_Action() {
    return ShowAboutWindow();
}

HandleAboutMenu& App() {
    auto* app = framework::RuntimeCheckCast<HandleAboutMenu>(framework::GetAppObject());
    if (app == nullptr) {
        throw framework::NilObjectException("no application object is registered");
    }
    return *app;
}
