#pragma once

// The key of a key press as the program's KeyDown handlers see it: the typed character, or for
// a key that types none a control code (Backspace 8, Tab 9, Return 13, Escape 27, arrows 28-31
// left, right, up, down, Home 1, End 4, Page Up 11, Page Down 12, Delete 127).

#include <QKeyEvent>
#include <optional>
#include <string>

namespace framework {

// nullopt for a key that raises no KeyDown: a modifier alone, a key that types nothing and has
// no code, and any key held with Control (Command on macOS), which is a shortcut.
std::optional<std::string> KeyDownText(const QKeyEvent& event);

// The key as a window's own KeyDown sees it: every key that reaches the window, a menu shortcut
// having been taken by its menu on the way. Held with Control it is still a key; one that types
// nothing and has no code (a function key, Insert) is the empty text. Only a modifier pressed
// alone raises no KeyDown.
std::optional<std::string> WindowKeyDownText(const QKeyEvent& event);

} // namespace framework
