// Any text read as a number by Val: never "not a number", the same double on every reading, blind
// to what follows the number and to the blanks before it, and for a plain decimal number the
// double that the C library's strtod reads in the C locale.

#include "framework/core/text/NumberText.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool SameBits(double left, double right) {
    return std::bit_cast<std::uint64_t>(left) == std::bit_cast<std::uint64_t>(right);
}

// The end of the run of digits from `pos`.
std::size_t DigitsEnd(std::string_view text, std::size_t pos) {
    return std::min(text.find_first_not_of("0123456789", pos), text.size());
}

std::size_t SkipSign(std::string_view text, std::size_t pos) {
    return pos < text.size() && (text[pos] == '+' || text[pos] == '-') ? pos + 1 : pos;
}

// The whole text is a sign, digits with at most one point and at least one digit, and an
// optional exponent with digits: the texts on which Val and strtod must agree. Blanks, words
// such as "inf" and hexadecimal stay out, since there the two read differently by design.
bool IsPlainDecimal(std::string_view text) {
    std::size_t pos = SkipSign(text, 0);
    const std::size_t integerStart = pos;
    pos = DigitsEnd(text, pos);
    bool hasDigit = pos > integerStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = pos + 1;
        pos = DigitsEnd(text, fractionStart);
        hasDigit = hasDigit || pos > fractionStart;
    }
    if (!hasDigit) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        const std::size_t exponentStart = SkipSign(text, pos + 1);
        pos = DigitsEnd(text, exponentStart);
        if (pos == exponentStart) {
            return false;
        }
    }
    return pos == text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(fuzz::Bytes(data, size));
    const double value = framework::Val(text);
    const std::string shown = fuzz::Quoted(text);
    fuzz::Require(!std::isnan(value), "Val gave not a number for", shown);
    fuzz::Require(SameBits(framework::Val(std::string(text)), value),
                  "Val read differently a second time", shown);
    fuzz::Require(SameBits(framework::Val(text + "*"), value),
                  "a mark after the text changed what Val reads for", shown);
    fuzz::Require(SameBits(framework::Val(" \t" + text), value),
                  "leading blanks changed what Val reads for", shown);
    if (IsPlainDecimal(text)) {
        fuzz::Require(SameBits(std::strtod(text.c_str(), nullptr), value),
                      "Val differs from strtod on the plain number", shown);
    }
    return 0;
}
