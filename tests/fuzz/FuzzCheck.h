#pragma once

// What every fuzz target shares: a failed property stops the run at once with a message, so
// libFuzzer keeps the input that broke it; inputs are cut into texts and number texts checked
// the same way everywhere.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline void Require(bool holds, std::string_view property, std::string_view detail = {}) {
    if (!holds) {
        std::fprintf(stderr, "property failed: %.*s %.*s\n", static_cast<int>(property.size()),
                     property.data(), static_cast<int>(detail.size()), detail.data());
        std::abort();
    }
}

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input split at each line break into exactly `count` texts: missing ones are empty and the
// last one keeps any further line breaks.
inline std::vector<std::string> SplitLines(std::string_view input, std::size_t count) {
    std::vector<std::string> texts;
    while (texts.size() + 1 < count) {
        const std::size_t end = input.find('\n');
        texts.emplace_back(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
    }
    texts.emplace_back(input);
    return texts;
}

// An optional sign, digits, and a point only when digits follow it: the texts numbers are shown
// as. A text with no digit at all passes only when `digitRequired` is false.
inline bool IsSignedDecimal(std::string_view text, bool digitRequired) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    const auto digitsEnd = [&](std::size_t pos) {
        return std::min(text.find_first_not_of("0123456789", pos), text.size());
    };
    const std::size_t integerEnd = digitsEnd(0);
    if (integerEnd == text.size()) {
        return integerEnd > 0 || !digitRequired;
    }
    return text[integerEnd] == '.' && integerEnd + 1 < text.size() &&
           digitsEnd(integerEnd + 1) == text.size();
}

// Quoted with every byte outside printable ASCII as \xHH, so a failing text reads unambiguously.
inline std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
            out.push_back(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            out += hex;
        }
    }
    return out + "\"";
}

} // namespace fuzz
