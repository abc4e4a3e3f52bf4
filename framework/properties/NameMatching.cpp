#include "framework/properties/NameMatching.h"

#include <algorithm>

namespace framework {

namespace {

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool FoldedLess(char left, char right) {
    return static_cast<unsigned char>(FoldCase(left)) < static_cast<unsigned char>(FoldCase(right));
}

} // namespace

bool EqualsIgnoringCase(std::string_view left, std::string_view right) {
    return std::ranges::equal(left, right,
                              [](char a, char b) { return FoldCase(a) == FoldCase(b); });
}

bool LessIgnoringCase::operator()(std::string_view left, std::string_view right) const {
    return std::ranges::lexicographical_compare(left, right, FoldedLess);
}

} // namespace framework
