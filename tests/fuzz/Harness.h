#pragma once

// What every fuzz program shares. Each is one source file that includes this header and defines
// fuzz::Fuzz, which the entry point below calls with every input. A failed property aborts at once
// with its name, so libFuzzer stops and keeps the input that broke it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

namespace fuzz {

void Fuzz(std::string_view input);

inline void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", property);
        std::abort();
    }
}

// An optional sign, digits, and a point only when digits follow it: the texts numbers are shown
// as. A text with no digit at all passes only when `digitRequired` is false.
inline bool IsSignedDecimal(const std::string& text, bool digitRequired) {
    static const std::regex required("[+-]?([0-9]+|[0-9]*\\.[0-9]+)");
    static const std::regex optional("[+-]?[0-9]*(\\.[0-9]+)?");
    return std::regex_match(text, digitRequired ? required : optional);
}

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Fuzz({reinterpret_cast<const char*>(data), size});
    return 0;
}
