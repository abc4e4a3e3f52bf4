#include "framework/core/text/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace framework {
namespace {

struct ValCase {
    const char* text;
    double expected;
};

TEST(TextVal, ReadsTheLongestDecimalPrefixAndIgnoresTheRest) {
    const ValCase cases[] = {
        {"99*", 99},    {"1.2.3", 1.2}, {"12abc", 12}, {"5e", 5},        {"7e1", 70},
        {"7E+1", 70},   {"25e-1", 2.5}, {"5e+", 5},    {"-3.5", -3.5},   {"+4", 4},
        {" \t 42", 42}, {".5", 0.5},    {"5.", 5},     {"-.25x", -0.25}, {"84.1345", 84.1345},
        {"1,5", 1},     {"0x1A", 0},    {"1 2", 1},
    };
    for (const ValCase& c : cases) {
        EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(TextVal, TextWithoutANumberIsZeroAndWordsAreNoNumbers) {
    for (const char* text : {"", " ", "-", "+", ".", "-.", "abc", "e5", "\n7", "*", "inf", "-inf",
                             "nan", "infinity", "0x10"}) {
        EXPECT_EQ(Val(text), 0.0) << '"' << text << '"';
    }
}

TEST(TextVal, OverflowGivesAnInfinityOfItsSignAndUnderflowZero) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Val("1e999"), infinity);
    EXPECT_EQ(Val("-1e999"), -infinity);
    EXPECT_EQ(Val(std::string(400, '9')), infinity);
    EXPECT_EQ(Val("12e99999999999999999999"), infinity);
    EXPECT_EQ(Val("1e-999"), 0.0);
    EXPECT_EQ(Val("0.0000001e-99999999999999999"), 0.0);
    EXPECT_EQ(Val("0e999"), 0.0);
}

TEST(TextStr, GivesTheShortestTextThatReadsBack) {
    EXPECT_EQ(Str(-6.99), "-6.99");
    EXPECT_EQ(Str(6.99), "6.99");
    EXPECT_EQ(Str(1), "1");
    EXPECT_EQ(Str(800), "800");
    EXPECT_EQ(Str(199), "199");
    EXPECT_EQ(Str(0.1 + 0.2), "0.30000000000000004");
    for (double value : {1.009999999999998, 84.13446808459986, -2.2750261888, 1e-300, 1e300}) {
        EXPECT_EQ(Val(Str(value)), value) << Str(value);
    }
}

} // namespace
} // namespace framework
