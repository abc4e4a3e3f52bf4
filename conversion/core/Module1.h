#pragma once

#include <string>

namespace Module1 {

// Whether the converter form holds the results of a calculation: "yes" after a successful
// Calculate, "no" after Clear or when the converter window is activated, "" at start. The key
// filters read it to decide whether Backspace or Delete empties the other fields.
extern std::string dirty;

} // namespace Module1
