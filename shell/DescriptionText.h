#pragma once

// The help text of the description window: the product name, what the program computes, where
// its normal-curve algorithms come from, the table of scales, how to cite the program and its
// disclaimer. It is kept as a plain file with one line per line (resources/description.txt) and
// compiled into the program, so the window never depends on finding a file at run time.

#include <string>
#include <string_view>

// The text as the window shows it: its lines joined by single carriage returns, with none after
// the last line and no line feed anywhere.
const std::string& DescriptionText();

// The bytes of resources/description.txt, embedded when the program is built.
std::string_view DescriptionTextFile();
