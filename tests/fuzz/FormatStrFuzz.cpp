// Any double (the first eight bytes, little-endian) under any pattern (each further byte picks
// one of "+-#0."): Format gives a sign, digits and a point within half a unit of its last place
// of the value, or a word for a value that is not finite; Val reads Str's text back to the very
// same bits.

#include "framework/core/text/Format.h"
#include "framework/core/text/NumberText.h"
#include "tests/fuzz/Harness.h"

#include <bit>
#include <cmath>
#include <cstdint>

void fuzz::Fuzz(std::string_view input) {
    std::uint64_t bits = 0;
    std::string pattern;
    for (std::size_t i = 0; i < input.size(); ++i) {
        const auto byte = static_cast<unsigned char>(input[i]);
        if (i < 8) {
            bits |= std::uint64_t{byte} << (8 * i);
        } else {
            pattern.push_back("+-#0."[byte % 5]);
        }
    }
    const double value = std::bit_cast<double>(bits);
    const std::string text = framework::Format(value, pattern);
    const bool plus = pattern.starts_with('+');
    if (!std::isfinite(value)) {
        const std::string sign = value < 0 ? "-" : plus ? "+" : "";
        Require(text == (std::isnan(value) ? "NaN" : sign + "Infinity"), "Format of a non-finite");
        return;
    }
    Require(IsSignedDecimal(text, false), "Format gave more than a sign, digits and a point");
    const double shown = framework::Val(text);
    Require(text.starts_with('-') == (value < 0 && shown != 0), "Format's minus is wrong");
    Require(!plus || text.starts_with('-') || text.starts_with('+'), "Format lost its plus");
    // Rounding moves the value by at most half a unit of the last place; reading the digits back
    // adds at most one unit of the last bit.
    const std::size_t point = pattern.find('.', plus || pattern.starts_with('-'));
    const double places = point == std::string::npos ? 0.0 : double(pattern.size() - point - 1);
    const double largest = std::max(std::fabs(value), std::fabs(shown));
    Require(std::fabs(shown - value) <= 0.5 * std::pow(10.0, -places) * (1 + 1e-12) +
                                            (std::nextafter(largest, INFINITY) - largest),
            "Format is further from the value than its rounding allows");
    Require(std::bit_cast<std::uint64_t>(framework::Val(framework::Str(value))) == bits,
            "Val does not read Str's text back to the same double");
}
