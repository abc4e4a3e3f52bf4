#pragma once

// The converter window's layout as data: its window list and the lists of its 27 controls in
// creation order, each list in the byte format that SetProperties applies.

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace framework {
class Picture;
}

namespace conversion {

enum class ControlKind { Rectangle, TextField, Label, PushButton, Canvas };

struct ControlLayout {
    std::string_view name;
    ControlKind kind;
    // A canvas's picture, set before its list is applied; nullptr for the other kinds.
    std::shared_ptr<framework::Picture> (*backdrop)();
    std::string list;
};

// The credit line under the title picture.
inline constexpr std::string_view kCreditLine = "Quorvane, by the Quorvane authors";
// The note beside the percentile field, shown when the percentile was pulled to 1 or 99. It
// speaks for every mark in the form: z, CEEB and AGCT are held at their scales' limits too.
inline constexpr std::string_view kBoundNote = "* held at the scale's limit";

const std::string& ControlWndWindowList();
std::span<const ControlLayout> ControlWndControls();

} // namespace conversion
