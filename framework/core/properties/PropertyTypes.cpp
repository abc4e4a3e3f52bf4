#include "framework/core/properties/NameMatching.h"
#include "framework/core/properties/PropertyList.h"

#include <algorithm>
#include <array>

namespace framework {

namespace {

using enum PropertyType;

struct DeclaredProperty {
    std::string_view name;
    PropertyType type;
};

// Integer also carries the framework's enumerations (window types and locations, alignments,
// button styles, timer modes): they are stored as Integers.
constexpr std::array<DeclaredProperty, 79> kDeclaredProperties{{
    {"Width", Integer},
    {"Height", Integer},
    {"MinimumWidth", Integer},
    {"MinimumHeight", Integer},
    {"MaximumWidth", Integer},
    {"MaximumHeight", Integer},
    {"Type", Integer},
    {"MacProcID", Integer},
    {"DefaultLocation", Integer},
    {"Index", Integer},
    {"Left", Integer},
    {"Top", Integer},
    {"TabIndex", Integer},
    {"TabPanelIndex", Integer},
    {"TextAlignment", Integer},
    {"MaximumCharactersAllowed", Integer},
    {"MacButtonStyle", Integer},
    {"RunMode", Integer},
    {"Period", Integer},
    {"HasCloseButton", Boolean},
    {"HasMaximizeButton", Boolean},
    {"HasMinimizeButton", Boolean},
    {"HasFullScreenButton", Boolean},
    {"Resizeable", Boolean},
    {"Composite", Boolean},
    {"FullScreen", Boolean},
    {"Visible", Boolean},
    {"HasBackgroundColor", Boolean},
    {"MenuBarVisible", Boolean},
    {"LiveResize", Boolean},
    {"LockLeft", Boolean},
    {"LockTop", Boolean},
    {"LockRight", Boolean},
    {"LockBottom", Boolean},
    {"AllowAutoDeactivate", Boolean},
    {"Enabled", Boolean},
    {"Transparent", Boolean},
    {"TabStop", Boolean},
    {"HasBorder", Boolean},
    {"Password", Boolean},
    {"AllowFocusRing", Boolean},
    {"Bold", Boolean},
    {"Italic", Boolean},
    {"Underline", Boolean},
    {"AllowTabs", Boolean},
    {"AllowSpellChecking", Boolean},
    {"ReadOnly", Boolean},
    {"Multiline", Boolean},
    {"Selectable", Boolean},
    {"Cancel", Boolean},
    {"Default", Boolean},
    {"AllowFocus", Boolean},
    {"DoubleBuffer", Boolean},
    {"HideSelection", Boolean},
    {"HasHorizontalScrollbar", Boolean},
    {"HasVerticalScrollbar", Boolean},
    {"AllowStyledText", Boolean},
    {"Title", String},
    {"Name", String},
    {"Tooltip", String},
    {"InitialParent", String},
    {"Format", String},
    {"FontName", String},
    {"Hint", String},
    {"Value", String},
    {"ValidationMask", String},
    {"DataSource", String},
    {"DataField", String},
    {"Caption", String},
    {"BackgroundColor", Color},
    {"BottomRightColor", Color},
    {"FillColor", Color},
    {"TopLeftColor", Color},
    {"TextColor", Color},
    {"BorderThickness", Double},
    {"LineHeight", Double},
    {"LineSpacing", Double},
    {"FontSize", Single},
    {"FontUnit", FontUnit},
}};

} // namespace

std::optional<PropertyType> DeclaredType(std::string_view name) {
    const auto found = std::ranges::find_if(kDeclaredProperties, [name](const auto& declared) {
        return EqualsIgnoringCase(declared.name, name);
    });
    if (found == kDeclaredProperties.end()) {
        return std::nullopt;
    }
    return found->type;
}

} // namespace framework
