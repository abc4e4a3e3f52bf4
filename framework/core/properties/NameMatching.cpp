#include "framework/core/properties/NameMatching.h"

#include <algorithm>

namespace framework {

namespace {

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool EqualsIgnoringCase(std::string_view left, std::string_view right) {
    return std::ranges::equal(left, right,
                              [](char a, char b) { return FoldCase(a) == FoldCase(b); });
}

} // namespace framework
