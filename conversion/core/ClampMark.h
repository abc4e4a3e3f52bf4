#pragma once

#include <string_view>

namespace conversion {

// What ends a result pulled to its scale's limit.
inline constexpr char kClampMark = '*';

// A field's text seen as a result that may be marked: marked when the text, blanks at its ends
// aside, ends in the mark; `number` is the text without that mark.
struct MarkedText {
    std::string_view number;
    bool marked;
};

MarkedText SplitMark(std::string_view text);

} // namespace conversion
