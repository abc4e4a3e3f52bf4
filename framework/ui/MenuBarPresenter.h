#pragma once

// Where the application's menu bar is shown and how it acts. On macOS there is one global bar;
// elsewhere every document window (Type 0) carries its own above its content area. Whenever
// menu states can be seen or used (a menu about to open, a menu shortcut about to act) the
// enabling pass runs with the front window as it is then, and the bars follow the items. A
// chosen item goes to the focused text control for the Edit items, then to the front window's
// handler and the application's (DispatchMenuChoice); a QuitMenuItem quits with status 0.

#include <string_view>

namespace framework {

class Window;

// Gives a window just built its bar when the platform puts bars in windows and the window is a
// document window; the window's list has been applied by then.
void AttachMenuBar(Window& window);

// Shows the registered application's menu bar as it is now, in place of any bar shown before
// (and none when the application has none). Called when that bar is set or replaced, and when
// an application object is registered or released.
void ShowApplicationMenuBar();

// The enabling pass on the registered application's menu bar with the current front window,
// then every bar on screen brought in line.
void RefreshMenuStates();

// Chooses the item of that name as a user would: after the enabling pass, and only when it is
// enabled. A name that no item carries (a handler bound to no item, like a print command) goes
// straight to the handlers bound to it. Returns whether the choice was handled.
bool ChooseMenuItem(std::string_view itemName);

} // namespace framework
