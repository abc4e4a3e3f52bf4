#pragma once

// The four menu items whose state the program sets, each looked up afresh by name in the
// application's menu bar. A missing application object or menu bar raises NilObjectException.

#include <memory>

namespace framework {
class AppleMenuItem;
class MenuItem;
} // namespace framework

std::shared_ptr<framework::AppleMenuItem> AboutWYB();
std::shared_ptr<framework::MenuItem> AboutMenuItem();
std::shared_ptr<framework::MenuItem> DescriptionMenuItem();
std::shared_ptr<framework::MenuItem> ControlMenuItem();

// Enables or disables an item an accessor gave. An item the menu bar lacks is nil, and setting
// its state raises NilObjectException.
void SetItemEnabled(const std::shared_ptr<framework::MenuItem>& item, bool enabled);
