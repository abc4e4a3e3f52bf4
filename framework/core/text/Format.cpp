#include "framework/core/text/Format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

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

// Any magnitude and any number of decimals: the standard conversion rounds the exact value
// correctly but sends ties to even, so a tie is first stepped one unit away from zero, which
// leaves it nearer its upper neighbour.
std::string RoundedDigitsByConversion(double magnitude, int decimals) {
    if (IsRoundingTie(magnitude, decimals)) {
        magnitude = std::nextafter(magnitude, std::numeric_limits<double>::infinity());
    }
    std::array<char, 400> small;
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

constexpr std::array<double, 16> kPowersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr double kTwoToThe52 = 4503599627370496.0;

// The exact magnitude times 10^decimals, rounded half away from zero to a whole number, when
// that number stays below 2^52; nullopt otherwise. The rounded product lies on the same side of
// every half-integer as the exact one (half-integers are doubles in this range), so only a
// product that lands on a half needs the product's rounding error to settle the side.
std::optional<std::uint64_t> ScaledWhole(double magnitude, int decimals) {
    if (decimals >= static_cast<int>(kPowersOfTen.size())) {
        return std::nullopt;
    }
    const double power = kPowersOfTen[static_cast<std::size_t>(decimals)];
    const double scaled = magnitude * power;
    if (!(scaled < kTwoToThe52)) {
        return std::nullopt;
    }
    double whole = std::floor(scaled);
    const double excess = scaled - whole;
    if (excess > 0.5 || (excess == 0.5 && std::fma(magnitude, power, -scaled) >= 0)) {
        whole += 1;
    }
    return static_cast<std::uint64_t>(whole);
}

// The magnitude rounded half away from zero on its exact binary value to `decimals` places, as
// digits with a point when there are decimals: "123.45".
std::string RoundedDigits(double magnitude, int decimals) {
    const std::optional<std::uint64_t> whole = ScaledWhole(magnitude, decimals);
    if (!whole) {
        return RoundedDigitsByConversion(magnitude, decimals);
    }
    std::array<char, 24> buffer;
    char* const last = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *whole).ptr;
    const auto length = static_cast<std::size_t>(last - buffer.data());
    const auto places = static_cast<std::size_t>(decimals);
    std::string digits;
    if (length <= places) {
        digits.assign(places + 1 - length, '0');
    }
    digits.append(buffer.data(), length);
    if (places > 0) {
        digits.insert(digits.size() - places, 1, '.');
    }
    return digits;
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
