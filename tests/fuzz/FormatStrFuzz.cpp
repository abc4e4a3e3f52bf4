// Any double under any pattern of the pattern characters, and Str of the same double. The first
// eight bytes are the double's bits, little-endian; each further byte picks one of "+-#0.".
// Format gives a sign, digits and a point (or a word for the non-finite values) within half a
// unit of its last place of the value; Str gives text that Val reads back to the very same bits.

#include "framework/core/text/Format.h"
#include "framework/core/text/NumberText.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr std::string_view kPatternCharacters = "+-#0.";

double ValueOf(const std::uint8_t* data, std::size_t size) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < std::min<std::size_t>(size, 8); ++i) {
        bits |= static_cast<std::uint64_t>(data[i]) << (8 * i);
    }
    return std::bit_cast<double>(bits);
}

std::string PatternOf(const std::uint8_t* data, std::size_t size) {
    std::string pattern;
    for (std::size_t i = 8; i < size; ++i) {
        pattern.push_back(kPatternCharacters[data[i] % kPatternCharacters.size()]);
    }
    return pattern;
}

std::string Described(double value, std::string_view pattern, std::string_view text) {
    return "value " + framework::Str(value) + " pattern \"" + std::string(pattern) + "\" gave " +
           fuzz::Quoted(text);
}

void CheckNonFiniteFormat(double value, std::string_view pattern, std::string_view text) {
    std::string expected = "NaN";
    if (!std::isnan(value)) {
        const char sign = value < 0 ? '-' : (pattern.starts_with('+') ? '+' : 0);
        expected = sign ? std::string(1, sign) + "Infinity" : "Infinity";
    }
    fuzz::Require(text == expected,
                  "Format of a non-finite value:", Described(value, pattern, text));
}

std::size_t DecimalPlaces(std::string_view pattern) {
    const std::size_t point =
        pattern.find('.', pattern.starts_with('+') || pattern.starts_with('-'));
    return point == std::string_view::npos ? 0 : pattern.size() - point - 1;
}

void CheckFiniteFormat(double value, std::string_view pattern, std::string_view text) {
    const std::string described = Described(value, pattern, text);
    fuzz::Require(fuzz::IsSignedDecimal(text, false),
                  "Format gave more than a sign, digits and a point:", described);
    const double shown = framework::Val(text);
    fuzz::Require(!text.starts_with('-') || (value < 0 && shown != 0),
                  "Format shows a minus for a value that is not negative:", described);
    fuzz::Require(!(value < 0 && shown != 0) || text.starts_with('-'),
                  "Format lost the minus of a negative value:", described);
    fuzz::Require(!pattern.starts_with('+') || text.starts_with('-') || text.starts_with('+'),
                  "Format lost the plus its pattern asks for:", described);
    // Rounding to the pattern's places moves the value by at most half a unit of the last place;
    // reading the digits back adds at most one unit of the last bit.
    const double halfLastPlace = 0.5 * std::pow(10.0, -static_cast<double>(DecimalPlaces(pattern)));
    const double largest = std::max(std::fabs(value), std::fabs(shown));
    const double lastBit =
        std::nextafter(largest, std::numeric_limits<double>::infinity()) - largest;
    fuzz::Require(std::fabs(shown - value) <= halfLastPlace * (1 + 1e-12) + lastBit,
                  "Format is further from the value than its rounding allows:", described);
}

void CheckStr(double value) {
    const std::string text = framework::Str(value);
    const double back = framework::Val(text);
    fuzz::Require(std::bit_cast<std::uint64_t>(back) == std::bit_cast<std::uint64_t>(value),
                  "Val does not read Str's text back to the same double:",
                  fuzz::Quoted(text) + " of bits " +
                      std::to_string(std::bit_cast<std::uint64_t>(value)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double value = ValueOf(data, size);
    const std::string pattern = PatternOf(data, size);
    const std::string text = framework::Format(value, pattern);
    if (std::isfinite(value)) {
        CheckFiniteFormat(value, pattern, text);
        CheckStr(value);
    } else {
        CheckNonFiniteFormat(value, pattern, text);
        fuzz::Require(!framework::Str(value).empty(), "Str of a non-finite value is empty");
    }
    return 0;
}
