#include "framework/text/Format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace framework {
namespace {

struct Pattern {
    char sign = 0; // '+', '-' or 0
    std::string_view integerPlaces;
    std::string_view fractionPlaces;
};

Pattern ParsePattern(std::string_view text) {
    Pattern pattern;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        pattern.sign = text.front();
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    pattern.integerPlaces = text.substr(0, point);
    if (point != std::string_view::npos) {
        pattern.fractionPlaces = text.substr(point + 1);
    }
    return pattern;
}

// A double is a tie at `decimals` places (its exact value ends in a 5 just after the last kept
// place) exactly when it is an odd multiple of 2^-(decimals+1).
bool IsRoundingTie(double value, int decimals) {
    const double scaled = std::ldexp(value, decimals + 1);
    return std::isfinite(scaled) && std::trunc(scaled) == scaled && std::fmod(scaled, 2.0) != 0.0;
}

// The magnitude's digits rounded half away from zero to `decimals` places, as "123.45". The
// standard conversion rounds ties to even; stepping a tie one unit away from zero first leaves
// it closer to the upper neighbour and so gives the rounding wanted.
std::string RoundedDigits(double magnitude, int decimals) {
    if (IsRoundingTie(magnitude, decimals)) {
        magnitude = std::nextafter(magnitude, std::numeric_limits<double>::infinity());
    }
    std::array<char, 400> small{};
    std::string large;
    char* first = small.data();
    char* last = first + small.size();
    if (decimals > 64) {
        large.resize(static_cast<std::size_t>(decimals) + 320);
        first = large.data();
        last = first + large.size();
    }
    const auto result = std::to_chars(first, last, magnitude, std::chars_format::fixed, decimals);
    return std::string(first, result.ptr);
}

std::size_t MinimumIntegerDigits(std::string_view places) {
    const std::size_t firstZero = places.find('0');
    return firstZero == std::string_view::npos ? 0 : places.size() - firstZero;
}

// Trailing "#" places drop their zero digits; a "0" place stops the dropping.
std::string_view ShownFraction(std::string_view digits, std::string_view places) {
    std::size_t shown = digits.size();
    while (shown > 0 && places[shown - 1] == '#' && digits[shown - 1] == '0') {
        --shown;
    }
    return digits.substr(0, shown);
}

std::string SignText(bool negative, char patternSign) {
    if (negative) {
        return "-";
    }
    return patternSign == '+' ? "+" : "";
}

std::string NonFiniteText(double value, char patternSign) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return SignText(value < 0, patternSign) + "Infinity";
}

} // namespace

std::string Format(double value, std::string_view patternText) {
    const Pattern pattern = ParsePattern(patternText);
    if (!std::isfinite(value)) {
        return NonFiniteText(value, pattern.sign);
    }
    const int decimals = static_cast<int>(pattern.fractionPlaces.size());
    const std::string digits = RoundedDigits(std::fabs(value), decimals);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    std::string_view integer = std::string_view(digits).substr(0, point);
    const std::string_view fraction =
        point < digits.size() ? std::string_view(digits).substr(point + 1) : std::string_view{};

    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    const std::size_t minimumDigits = MinimumIntegerDigits(pattern.integerPlaces);
    if (integer == "0" && minimumDigits == 0) {
        integer = {};
    }
    std::string text = SignText(value < 0 && !zero, pattern.sign);
    text.append(minimumDigits > integer.size() ? minimumDigits - integer.size() : 0, '0');
    text.append(integer);
    const std::string_view shownFraction = ShownFraction(fraction, pattern.fractionPlaces);
    if (!shownFraction.empty()) {
        text.append(".").append(shownFraction);
    }
    return text;
}

} // namespace framework
