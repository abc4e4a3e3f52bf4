#pragma once

// Texts are UTF-8. These services count and compare characters (code points), not bytes, so
// a field holding "é" has one character, as its user sees it.

#include <cstdint>
#include <string_view>

namespace framework {

// The number of characters; 0 means an empty text.
std::int64_t Len(std::string_view text);

// The code of the first character; 0 for an empty text. A byte that begins no well-formed
// character stands for itself.
std::int64_t Asc(std::string_view text);

// -1, 0 or +1 as `left` orders before, equal to or after `right`, character code by character
// code; a text that is the start of the other orders first.
int StrComp(std::string_view left, std::string_view right);

} // namespace framework
