// Any text read by Val: never "not a number", blind to what follows the number and to blanks
// before it, and on a plain decimal number (no blank, word or hexadecimal) the same double as
// strtod in the C locale.

#include "framework/core/text/NumberText.h"
#include "tests/fuzz/Harness.h"

#include <bit>
#include <cmath>
#include <cstdint>

void fuzz::Fuzz(std::string_view input) {
    const std::string text(input);
    const auto bits = [](double value) { return std::bit_cast<std::uint64_t>(value); };
    const double value = framework::Val(text);
    Require(!std::isnan(value), "Val gave not a number");
    Require(bits(framework::Val(text + "*")) == bits(value), "a mark after the text changed Val");
    Require(bits(framework::Val(" \t" + text)) == bits(value), "leading blanks changed Val");
    char* end = nullptr;
    const double read = std::strtod(text.c_str(), &end);
    Require(text.find_first_not_of("0123456789+-.eE") != std::string::npos ||
                end != text.c_str() + text.size() || bits(read) == bits(value),
            "Val differs from strtod on a plain decimal number");
}
