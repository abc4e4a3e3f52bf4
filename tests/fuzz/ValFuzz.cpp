// Any text read by ReadNumber: never "not a number", blind to what follows the number and to
// blanks before it. Its status says "number" exactly when the text, blanks at either end aside,
// is an optional sign, digits with at most one point and an optional exponent; such a text reads
// as the same double as strtod in the C locale.

#include "framework/core/text/NumberText.h"
#include "tests/fuzz/Harness.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <regex>

void fuzz::Fuzz(std::string_view input) {
    using framework::NumberStatus;
    const std::string text(input);
    const auto bits = [](double value) { return std::bit_cast<std::uint64_t>(value); };
    const framework::NumberReading reading = framework::ReadNumber(text);
    Require(!std::isnan(reading.value), "ReadNumber gave not a number");
    Require(bits(framework::Val(text + "*")) == bits(reading.value), "a mark changed the value");
    Require(bits(framework::Val(" \t" + text)) == bits(reading.value), "blanks changed the value");
    static const std::regex number(
        "[ \t]*[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*");
    // The standard regex recurses once a character and slows down: long texts are left out.
    Require(text.size() > 64 ||
                (reading.status == NumberStatus::number) == std::regex_match(text, number),
            "the status differs from the number pattern");
    Require(reading.status != NumberStatus::number ||
                bits(std::strtod(text.c_str(), nullptr)) == bits(reading.value),
            "a number reads otherwise than by strtod");
}
