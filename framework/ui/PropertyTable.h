#pragma once

// Each window and control class sets its properties through a table of rows, one per property
// name, matched without regard to case. A row without a setter is a property that the toolkit
// has no counterpart for: the name is accepted and its value has no effect, so a list may hold it.

#include "framework/core/properties/NameMatching.h"
#include "framework/core/properties/PropertyList.h"
#include "framework/core/runtime/Exceptions.h"

#include <span>
#include <string>
#include <string_view>

namespace framework {

// The value as the type the property takes. A decoded list gives each value its name's declared
// type, so this fails (std::bad_variant_access) only where a setter disagrees with that type.
template <class T> const T& ValueAs(const PropertyValue& value) {
    return std::get<T>(value);
}

inline int IntValue(const PropertyValue& value) {
    return static_cast<int>(ValueAs<std::int64_t>(value));
}

template <class Target> struct PropertyRow {
    std::string_view name;
    void (*set)(Target& target, const PropertyValue& value);
};

// Applies the value through the row of that name; false when no row has the name.
template <class Target>
bool SetFromTable(std::span<const PropertyRow<Target>> rows, Target& target, std::string_view name,
                  const PropertyValue& value) {
    for (const auto& row : rows) {
        if (EqualsIgnoringCase(row.name, name)) {
            if (row.set != nullptr) {
                row.set(target, value);
            }
            return true;
        }
    }
    return false;
}

[[noreturn]] inline void ThrowUnknownProperty(std::string_view target, std::string_view name) {
    throw UnsupportedPropertyException(std::string(target) + " has no property " +
                                       std::string(name));
}

} // namespace framework
