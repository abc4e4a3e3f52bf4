#include "framework/core/text/Format.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace framework {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

void ExpectAll(std::initializer_list<FormatCase> cases) {
    for (const FormatCase& c : cases) {
        EXPECT_EQ(Format(c.value, c.pattern), c.expected)
            << c.value << " under \"" << c.pattern << '"';
    }
}

TEST(TextFormat, SignedZScorePattern) {
    ExpectAll({
        {2, "+#.0#", "+2.0"},
        {-1, "+#.0#", "-1.0"},
        {0.9944218144, "+#.0#", "+.99"},
        {-0.5, "+#.0#", "-.5"},
        {4.9, "+#.0#", "+4.9"},
        {-6.99, "+#.0#", "-6.99"},
        {2.3267853326, "+#.0#", "+2.33"},
    });
}

TEST(TextFormat, RoundsHalfAwayFromZeroOnTheExactBinaryValue) {
    ExpectAll({
        {92.12, "##", "92"},
        {28.94, "##", "29"},
        {173.5, "###", "174"},
        {92.5, "###", "93"},
        {0.125, "+#.0#", "+.13"},
        {2.5, "#", "3"},
        {1.005, "+#.0#", "+1.0"}, // the double lies just below 1.005
        {0.995, "+#.0#", "+.99"}, // and this one below 0.995
        {99.995, "##.##", "100"},
    });
    // Ties whose scaled value needs more than 52 bits: sixteen places, or a large magnitude.
    EXPECT_EQ(Format(0.00000762939453125, "#.0000000000000000"), ".0000076293945313");
    EXPECT_EQ(Format(450359962737050.25, "#.0"), "450359962737050.3");
}

TEST(TextFormat, ZeroAndValuesThatRoundToZeroCarryNoMinus) {
    ExpectAll({
        {0.0, "+#.0#", "+.0"},
        {-0.0, "+#.0#", "+.0"},
        {-0.004, "+#.0#", "+.0"},
        {-0.4, "##", ""},
        {-0.0, "-#0", "0"},
        {-0.3, "0.0", "-0.3"},
    });
}

TEST(TextFormat, PlacesPadAndEveryIntegerDigitShows) {
    ExpectAll({
        {1234.5, "#", "1235"},
        {7, "000", "007"},
        {7, "0##", "007"},
        {3, "0.00", "3.00"},
        {3.1, "#.##", "3.1"},
        {3, "#.##", "3"},
        {3.04, "#.#0", "3.04"},
        {-5, "-##", "-5"},
        {1e20, "###", "100000000000000000000"},
    });
}

TEST(TextFormat, NonFiniteValuesGiveReadableText) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), "+#.0#"), "NaN");
    EXPECT_EQ(Format(infinity, "+#.0#"), "+Infinity");
    EXPECT_EQ(Format(-infinity, "###"), "-Infinity");
    EXPECT_EQ(Format(infinity, "###"), "Infinity");
}

TEST(TextFormat, LargeMagnitudesAndLongPatternsDoNotOverrun) {
    const std::string huge = Format(-1.7976931348623157e308, "+#.0#");
    EXPECT_EQ(huge.substr(0, 4), "-179");
    EXPECT_EQ(huge.size(), 1 + 309 + 2);
    const std::string fine = Format(0.1, "." + std::string(100, '0'));
    EXPECT_EQ(fine.substr(0, 20), ".1000000000000000055");
    EXPECT_EQ(fine.size(), 101u);
}

} // namespace
} // namespace framework
