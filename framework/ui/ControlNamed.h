#pragma once

// A window's accessors reach its controls by name. A control that is missing or of another class
// is the nil-object failure, reported with the window's class and the control's name.

#include "framework/core/runtime/Exceptions.h"
#include "framework/ui/Delegates.h"
#include "framework/ui/Window.h"

#include <string>
#include <string_view>

namespace framework {

template <class T> T& ControlNamed(const Window& window, std::string_view name) {
    T* control = RuntimeCheckCast<T>(window.ControlByName(name));
    if (control == nullptr) {
        throw NilObjectException(window.ClassName() + " has no control " + std::string(name));
    }
    return *control;
}

} // namespace framework
