#include "framework/core/text/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace framework {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// The parts of the decimal number at the start of a text, located but not yet converted.
struct NumberSpan {
    std::string_view mantissa; // digits with at most one point, at least one digit
    std::string_view exponent; // the digits after e or E, with their sign; empty when absent
    bool negative = false;
};

// The exponent after the mantissa, or an empty view when what follows is not one: an "e" with
// no digit after it belongs to the ignored rest.
std::string_view ScanExponent(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E')) {
        return {};
    }
    const std::size_t start = pos + 1;
    std::size_t digits = start;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) {
        ++digits;
    }
    const std::size_t end = SkipDigits(text, digits);
    return end > digits ? text.substr(start, end - start) : std::string_view{};
}

bool ScanNumber(std::string_view text, NumberSpan& number) {
    std::size_t pos = text.find_first_not_of(kBlanks);
    if (pos == std::string_view::npos) {
        return false;
    }
    if (text[pos] == '+' || text[pos] == '-') {
        number.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;
    const std::size_t integerEnd = SkipDigits(text, pos);
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') {
        end = SkipDigits(text, end + 1);
    }
    const bool hasDigit = integerEnd > start || end > integerEnd + 1;
    if (!hasDigit) {
        return false;
    }
    number.mantissa = text.substr(start, end - start);
    number.exponent = ScanExponent(text, end);
    return true;
}

// The decimal exponent of the mantissa's leading digit, plus the written exponent: above zero
// the number is at least 10, below it less than 1. Only its sign matters, so a long exponent
// saturates instead of overflowing.
long Magnitude(const NumberSpan& number) {
    const std::string_view digits = number.mantissa;
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const std::size_t firstNonZero = digits.find_first_not_of("0.");
    long order = 0;
    if (firstNonZero != std::string_view::npos) {
        order = firstNonZero < point ? static_cast<long>(point - firstNonZero) - 1
                                     : -static_cast<long>(firstNonZero - point);
    }
    long written = 0;
    const bool negativeExponent = !number.exponent.empty() && number.exponent.front() == '-';
    for (char c : number.exponent) {
        if (IsDigit(c)) {
            written = std::min(written * 10 + (c - '0'), 1'000'000L);
        }
    }
    return order + (negativeExponent ? -written : written);
}

// Just past the number's last character: its exponent's, or its mantissa's when it has none.
const char* End(const NumberSpan& number) {
    return number.exponent.empty() ? number.mantissa.data() + number.mantissa.size()
                                   : number.exponent.data() + number.exponent.size();
}

} // namespace

NumberReading ReadNumber(std::string_view text) {
    NumberSpan number;
    if (!ScanNumber(text, number)) {
        return {0.0, NumberStatus::notANumber};
    }
    double magnitude = 0.0;
    const char* end = End(number);
    const auto result =
        std::from_chars(number.mantissa.data(), end, magnitude, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        magnitude = Magnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    const auto rest = static_cast<std::size_t>(end - text.data());
    const bool whole = text.find_first_not_of(kBlanks, rest) == std::string_view::npos;
    return {number.negative ? -magnitude : magnitude,
            whole ? NumberStatus::number : NumberStatus::notANumber};
}

double Val(std::string_view text) {
    return ReadNumber(text).value;
}

std::string Str(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace framework
