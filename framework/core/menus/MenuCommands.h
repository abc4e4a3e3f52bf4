#pragma once

// The two rules the toolkit side applies to the menu tree: enabling, before any menu state can
// be seen or used (a menu opening, a shortcut about to act), and dispatch of a chosen item.

#include "framework/core/menus/MenuHandlers.h"
#include "framework/core/menus/MenuItem.h"

#include <functional>

namespace framework {

// Raises one EnableMenuItems event; empty when there is no one to raise it on.
using EnableMenuItemsEvent = std::function<void()>;

// Sets every item below the menu bar to its AutoEnabled state, then raises EnableMenuItems on
// the front window and then on the application, whose handlers enable what they own. A menu
// that holds items stays enabled, so its items can always be reached.
void UpdateMenuStates(MenuItem& menuBar, const EnableMenuItemsEvent& frontWindow,
                      const EnableMenuItemsEvent& application);

// Sends a chosen item on. A disabled item does nothing. A QuitMenuItem asks the framework to
// quit. Any other item goes to the front window's handler bound to its name and then, when
// that returns False or there is none, to the application's handler. Returns whether a
// handler said it handled the choice (quitting counts as handled).
bool DispatchMenuChoice(const MenuItem& item, const MenuHandlers* frontWindow,
                        const MenuHandlers* application, const std::function<void()>& quit);

} // namespace framework
