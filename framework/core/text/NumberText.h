#pragma once

// Text services of the framework: the program turns field texts into numbers and numbers into
// texts only through these, so every field of every window reads and writes numbers the same
// way, whatever the machine's locale.

#include <string>
#include <string_view>

namespace framework {

// The number at the start of the text, after blanks and tabs: an optional sign, digits with at
// most one decimal point, and an optional exponent. Whatever follows is ignored, so a marked
// result such as "99*" reads as 99. Text without a number reads as 0; a number too large for a
// double reads as an infinity of its sign. Never "not a number".
double Val(std::string_view text);

// Whether the whole text, blanks and tabs at either end aside, is the kind of number that Val
// reads: "7e1" and " -.5 " are, "6,5", "12abc", "5e", "-" and a text of blanks are not.
bool IsNumber(std::string_view text);

// The shortest decimal text that reads back to the same double: 1 is "1", -6.99 is "-6.99".
std::string Str(double value);

} // namespace framework
