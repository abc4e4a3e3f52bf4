#pragma once

#include <string>
#include <string_view>

namespace framework {

// A number as text by a pattern: an optional sign character, digit places "#" and "0", and an
// optional ".". "+" shows "+" for zero and positive values, "-" (or none) shows "-" for negative
// values only. The value is rounded half away from zero, on its exact binary value, to as many
// decimals as there are places after the point; a value that rounds to zero counts as zero.
// Every integer digit shows; "0" places pad with zeros, and where every integer place is "#" an
// integer part of 0 shows no digit. After the point, "0" places always show and trailing "#"
// places show only non-zero digits. Infinities and "not a number" give readable words.
std::string Format(double value, std::string_view pattern);

} // namespace framework
