#pragma once

// Windows and controls carry their layout as property lists: entries placed back to back, each
// a property name, one blank, and the value in the encoding of the name's declared type. The
// value has no tag, so the table of declared types is part of the format.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace framework {

// A colour word 0x00RRGGBB.
struct Color {
    std::uint32_t word = 0;
    friend bool operator==(Color, Color) = default;
};

struct FontUnit {
    std::uint8_t code = 0;
    friend bool operator==(FontUnit, FontUnit) = default;
};

enum class PropertyType { Integer, Boolean, String, Color, Double, Single, FontUnit };

// Integer: 8 bytes; Boolean: 1; String: 4-byte count and UTF-8; Color: 4; Double: 8; Single: 4;
// FontUnit: 1. All little-endian.
using PropertyValue = std::variant<std::int64_t, bool, std::string, Color, double, float, FontUnit>;

struct PropertyEntry {
    std::string name;
    PropertyValue value;
};

// The declared type of a property name, matched without regard to case; nullopt when the
// format does not know the name.
std::optional<PropertyType> DeclaredType(std::string_view name);

// Turns a readable table into the byte string. Throws PropertyListException for a name the
// format does not know or a value whose type differs from the name's declared type.
std::string EncodePropertyList(std::span<const PropertyEntry> entries);
std::string EncodePropertyList(std::initializer_list<PropertyEntry> entries);

// Reads a whole list, in stored order. Throws PropertyListException naming the problem for a
// truncated value, an unknown name or a string length past the end; never reads past the end.
std::vector<PropertyEntry> DecodePropertyList(std::string_view bytes);

// Anything a property list can be applied to: a window, a control, a timer.
class PropertyTarget {
public:
    virtual ~PropertyTarget() = default;
    // Sets the property whose name matches without regard to case. Throws
    // UnsupportedPropertyException for a name the target does not have.
    virtual void SetProperty(std::string_view name, const PropertyValue& value) = 0;
};

// Decodes the list and applies its entries in stored order, so a later entry wins.
void SetProperties(PropertyTarget& target, std::string_view list);

} // namespace framework
