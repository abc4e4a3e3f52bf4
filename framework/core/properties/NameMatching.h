#pragma once

// Property names and menu-item bindings are ASCII words that the framework compares without
// regard to case ("Multiline" reaches a MultiLine property). Only ASCII letters fold; any other
// byte must match exactly, so UTF-8 text is never altered.

#include <string_view>

namespace framework {

bool EqualsIgnoringCase(std::string_view left, std::string_view right);

} // namespace framework
