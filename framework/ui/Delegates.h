#pragma once

// Delegates and checked casts: a handler method of a window becomes a std::function bound to
// that window, and an object is typed as a class only when it is one.

#include <functional>

namespace framework {

// A delegate that calls the method on the target. The target must outlive the delegate; the
// framework keeps a window's delegates in its controls, which die with the window.
template <class Target, class Result, class... Args>
std::function<Result(Args...)> RuntimeCreateDelegate(Target* target,
                                                     Result (Target::*method)(Args...)) {
    return [target, method](Args... args) -> Result {
        return (target->*method)(std::forward<Args>(args)...);
    };
}

// The object typed as T; nullptr when it is not a T (or is nullptr).
template <class T, class U> T* RuntimeCheckCast(U* object) {
    return dynamic_cast<T*>(object);
}

} // namespace framework
