#pragma once

// Text services of the framework: the program turns field texts into numbers and numbers into
// texts only through these, so every field of every window reads and writes numbers the same
// way, whatever the machine's locale.

#include <string>
#include <string_view>

namespace framework {

// The blanks a number may stand between in a text.
inline constexpr std::string_view kBlanks = " \t";

enum class NumberStatus {
    number,     // the whole text, blanks at either end aside, is the number read
    notANumber, // the text holds no number, or more than one
};

// What a text reads as, in the manner of std::from_chars: the number at its start, after blanks
// (an optional sign, digits with at most one decimal point, and an optional exponent), and whether
// anything but blanks follows it. Text without a number reads as 0; a number too large for a
// double reads as an infinity of its sign. The value is never "not a number".
struct NumberReading {
    double value;
    NumberStatus status;
};

// "7e1" and " -.5 " are numbers; "6,5", "12abc", "99*", "5e", "-" and a text of blanks are not.
NumberReading ReadNumber(std::string_view text);

// The value ReadNumber finds, whatever follows it: "99*" reads as 99, "12abc" as 12.
double Val(std::string_view text);

// The shortest decimal text that reads back to the same double: 1 is "1", -6.99 is "-6.99".
std::string Str(double value);

} // namespace framework
