#include "framework/core/menus/MenuShortcut.h"

#include "framework/core/properties/NameMatching.h"
#include "framework/core/runtime/Exceptions.h"

#include <array>
#include <string>

namespace framework {

namespace {

struct ModifierName {
    std::string_view name;
    bool MenuShortcut::*flag;
};

constexpr std::array<ModifierName, 5> kModifiers{{
    {"Cmd", &MenuShortcut::command},
    {"Shift", &MenuShortcut::shift},
    {"Alt", &MenuShortcut::alt},
    {"Option", &MenuShortcut::alt},
    {"Ctrl", &MenuShortcut::control},
}};

[[noreturn]] void Refuse(std::string_view text, std::string_view why) {
    throw RuntimeException("shortcut \"" + std::string(text) + "\": " + std::string(why));
}

void AddModifier(MenuShortcut& shortcut, std::string_view name, std::string_view text) {
    for (const auto& modifier : kModifiers) {
        if (EqualsIgnoringCase(modifier.name, name)) {
            if (shortcut.*modifier.flag) {
                Refuse(text, "repeats the modifier " + std::string(name));
            }
            shortcut.*modifier.flag = true;
            return;
        }
    }
    Refuse(text, "unknown modifier " + std::string(name));
}

char KeyOf(std::string_view key, std::string_view text) {
    if (key.size() != 1 || key[0] <= ' ' || key[0] > '~') {
        Refuse(text, "the key must be one printable character");
    }
    return key[0] >= 'a' && key[0] <= 'z' ? static_cast<char>(key[0] - 'a' + 'A') : key[0];
}

} // namespace

std::optional<MenuShortcut> ParseShortcut(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    MenuShortcut shortcut;
    std::string_view rest = text;
    // The last "+" separates the key, so "Cmd++" names the plus key.
    const std::size_t keyStart = rest.size() > 1 ? rest.rfind('+', rest.size() - 2) : rest.npos;
    if (keyStart != rest.npos) {
        std::string_view modifiers = rest.substr(0, keyStart);
        rest.remove_prefix(keyStart + 1);
        for (std::size_t plus; (plus = modifiers.find('+')) != modifiers.npos;) {
            AddModifier(shortcut, modifiers.substr(0, plus), text);
            modifiers.remove_prefix(plus + 1);
        }
        AddModifier(shortcut, modifiers, text);
    }
    shortcut.key = KeyOf(rest, text);
    return shortcut;
}

} // namespace framework
