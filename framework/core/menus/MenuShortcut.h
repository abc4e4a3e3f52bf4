#pragma once

// A menu shortcut in the framework's notation: modifiers joined to one key by "+", as in
// "Cmd+Q" or "Shift+Cmd+Z". The command modifier is the platform's menu-command key: Command
// on macOS, Ctrl elsewhere; the toolkit side makes that choice.

#include <optional>
#include <string_view>

namespace framework {

struct MenuShortcut {
    bool command = false;
    bool shift = false;
    bool alt = false;
    bool control = false;
    // A printable ASCII character; letters in upper case.
    char key = 0;
    friend bool operator==(const MenuShortcut&, const MenuShortcut&) = default;
};

// nullopt for "" (no shortcut). Modifier names (Cmd, Shift, Alt or Option, Ctrl) are matched
// without regard to case, and a letter key is taken in upper case. Throws RuntimeException for
// any other text: an unknown modifier, a repeated one, a missing key or a key of more than one
// character.
std::optional<MenuShortcut> ParseShortcut(std::string_view text);

} // namespace framework
