#pragma once

// The framework's failures surface as C++ exceptions. Handlers let them pass; the framework
// catches what escapes a handler at the boundary to the toolkit and reports it once.

#include <stdexcept>
#include <string>

namespace framework {

class RuntimeException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Using nil: an absent application object, menu bar, menu item, window or control.
class NilObjectException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
};

// A property list that cannot be read: a truncated value, an unknown name, a length past the end.
class PropertyListException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
};

// A property name the target does not have, or a value of the wrong type for it.
class UnsupportedPropertyException : public RuntimeException {
public:
    using RuntimeException::RuntimeException;
};

} // namespace framework
