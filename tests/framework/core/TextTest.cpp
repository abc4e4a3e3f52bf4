#include "framework/core/text/Characters.h"
#include "framework/core/text/Format.h"
#include "framework/core/text/NumberText.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <tuple>

namespace framework {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A byte that starts no well-formed sequence stands for itself, in Len as in Asc; StrComp
// orders by code point and gives a sign.
TEST(Text, LenAscAndStrCompReadCharactersNotBytes) {
    const std::tuple<const char*, std::int64_t, std::int64_t> cases[] = {
        {"", 0, 0},
        {"99*", 3, '9'},
        {"\x7F", 1, 127},
        {"\xC3\xA9t\xC3\xA9", 3, 0xE9},
        {"\u20AC5", 2, 0x20AC},
        {"\xF0\x9F\x98\x80", 1, 0x1F600},
        {"\x80", 1, 0x80},
        {"\303A", 2, 0xC3},
        {"\xE2\x82", 2, 0xE2},
        {"A\x80", 2, 'A'},
    };
    for (const auto& [text, len, asc] : cases) {
        EXPECT_EQ(Len(text), len) << text;
        EXPECT_EQ(Asc(text), asc) << text;
    }
    const std::tuple<const char*, const char*, int> orders[] = {
        {"", "", 0},          {"yes", "yes", 0},           {"no", "yes", -1},
        {"yes", "no", 1},     {"Yes", "yes", -1},          {"ye", "yes", -1},
        {"\xC3\xA9", "z", 1}, {"zzzzz", "aaaaaaaaaaa", 1}, {"\xEF\xBC\xA1", "\xF0\x9F\x98\x80", -1},
    };
    for (const auto& [left, right, order] : orders) {
        EXPECT_EQ(StrComp(left, right), order) << left << " " << right;
    }
}

// 1.005 and 0.995 are doubles just below their decimals.
TEST(Text, FormatRoundsHalfAwayFromZeroOnTheExactBinaryValue) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {2, "+#.0#", "+2.0"},     {-1, "+#.0#", "-1.0"},     {0.9944218144, "+#.0#", "+.99"},
        {-0.5, "+#.0#", "-.5"},   {-6.99, "+#.0#", "-6.99"}, {2.3267853326, "+#.0#", "+2.33"},
        {92.12, "##", "92"},      {28.94, "##", "29"},       {173.5, "###", "174"},
        {0.125, "+#.0#", "+.13"}, {2.5, "#", "3"},           {1.005, "+#.0#", "+1.0"},
        {0.995, "+#.0#", "+.99"}, {99.995, "##.##", "100"},  {-0.0, "+#.0#", "+.0"},
        {-0.004, "+#.0#", "+.0"}, {-0.4, "##", ""},          {-0.0, "-#0", "0"},
        {-0.3, "0.0", "-0.3"},    {1234.5, "#", "1235"},     {7, "0##", "007"},
        {7, "+00", "+07"},        {3, "0.00", "3.00"},       {3.1, "#.##", "3.1"},
        {3, "#.##", "3"},         {3.04, "#.#0", "3.04"},    {-5, "-##", "-5"},
    };
    for (const auto& [value, pattern, expected] : cases) {
        EXPECT_EQ(Format(value, pattern), expected) << value << " " << pattern;
    }
    EXPECT_EQ(Format(0.00000762939453125, "#.0000000000000000"), ".0000076293945313");
    EXPECT_EQ(Format(450359962737050.25, "#.0"), "450359962737050.3");
    EXPECT_EQ(Format(1e20, "###"), "100000000000000000000");
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), "+#.0#") +
                  Format(kInfinity, "+#.0#") + Format(-kInfinity, "###") + Format(kInfinity, "###"),
              "NaN+Infinity-InfinityInfinity");
    const std::string huge = Format(-1.7976931348623157e308, "+#.0#");
    EXPECT_EQ(huge.substr(0, 4) + std::to_string(huge.size()), "-179312");
    const std::string fine = Format(0.1, "." + std::string(100, '0'));
    EXPECT_EQ(fine.substr(0, 20) + std::to_string(fine.size()), ".1000000000000000055101");
}

// The value is the number at the start; the text is a number only when blanks alone are left.
TEST(Text, ReadNumberReadsTheLongestDecimalPrefixAndTellsWhetherThatIsAll) {
    using namespace std::string_view_literals;
    const std::tuple<std::string_view, double, bool> cases[] = {
        {"99*", 99, false},   {"1.2.3", 1.2, false},   {"12abc", 12, false},   {"5e", 5, false},
        {"7e1", 70, true},    {"7E+1 ", 70, true},     {"25e-1", 2.5, true},   {"5e+", 5, false},
        {"-3.5", -3.5, true}, {"+4", 4, true},         {" \t 42\t", 42, true}, {".5", 0.5, true},
        {"5.", 5, true},      {"-.25x", -0.25, false}, {"1,5", 1, false},      {"1 2", 1, false},
        {"", 0, false},       {"  ", 0, false},        {"-.", 0, false},       {"e5", 0, false},
        {"\n7", 0, false},    {"7\n", 7, false},       {"7\0"sv, 7, false},    {"\u0663", 0, false},
        {"-inf", 0, false},   {"nan", 0, false},       {"0x10", 0, false},     {"+-1", 0, false},
    };
    for (const auto& [text, value, isNumber] : cases) {
        const NumberReading reading = ReadNumber(text);
        EXPECT_EQ(reading.value, value) << '"' << text << '"';
        EXPECT_EQ(reading.status == NumberStatus::number, isNumber) << '"' << text << '"';
    }
    // Out of range, and several hundred digits before or after the point with an exponent that
    // carries the number back into range or out of it the other way.
    const std::string nines(400, '9');
    const std::string zeros(400, '0');
    const std::pair<std::string, double> farCases[] = {
        {"1e999", kInfinity},
        {"-1e999", -kInfinity},
        {"12e99999999999999999999", kInfinity},
        {"1e-999", 0},
        {"0e999", 0},
        {"0.0000001e-99999999999999999", 0},
        {nines, kInfinity},
        {nines + "e-800", 0},
        {"-0." + zeros + "1e800", -kInfinity},
        {"." + zeros + "1e5", 0},
        {zeros + "1e-330", 0},
        {zeros + "1" + zeros + "e-500", 1e-100},
        {"0." + zeros + "25e402", 25},
    };
    for (const auto& [text, expected] : farCases) {
        const NumberReading reading = ReadNumber(text);
        EXPECT_EQ(reading.value, expected) << text.substr(0, 30) << " of " << text.size();
        EXPECT_EQ(reading.status, NumberStatus::number);
    }
}

} // namespace
} // namespace framework
