#include "framework/core/text/Characters.h"

#include <gtest/gtest.h>

namespace framework {
namespace {

TEST(TextCharacters, LenCountsCharactersNotBytes) {
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len(" "), 1);
    EXPECT_EQ(Len("99*"), 3);
    EXPECT_EQ(Len("\xC3\xA9t\xC3\xA9"), 3); // "été"
    EXPECT_EQ(Len("\xE2\x82\xAC"
                  "5"),
              2);                          // "€5"
    EXPECT_EQ(Len("\xF0\x9F\x98\x80"), 1); // one emoji, four bytes
    // A byte that starts no well-formed sequence stands for itself, as Asc reads it, so a
    // field holding only such bytes is not empty.
    EXPECT_EQ(Len("\x80"), 1);
    EXPECT_EQ(Len("\xC3"
                  "A"),
              2);
    EXPECT_EQ(Len("\xE2\x82"), 2);
}

TEST(TextCharacters, AscGivesTheFirstCharactersCode) {
    EXPECT_EQ(Asc(""), 0);
    EXPECT_EQ(Asc("A"), 65);
    EXPECT_EQ(Asc("\x7F"), 127);
    EXPECT_EQ(Asc("\xC3\xA9t"), 0xE9);
    EXPECT_EQ(Asc("\xE2\x82\xAC"), 0x20AC);
    EXPECT_EQ(Asc("\xF0\x9F\x98\x80"), 0x1F600);
    EXPECT_EQ(Asc("\xC3"), 0xC3); // cut short
    EXPECT_EQ(Asc("\xC3"
                  "A"),
              0xC3); // not followed by a continuation byte
    EXPECT_EQ(Asc("\x80"), 0x80);
}

TEST(TextCharacters, StrCompOrdersByCodePointAndGivesASign) {
    EXPECT_EQ(StrComp("", ""), 0);
    EXPECT_EQ(StrComp("yes", "yes"), 0);
    EXPECT_EQ(StrComp("no", "yes"), -1);
    EXPECT_EQ(StrComp("yes", "no"), 1);
    EXPECT_EQ(StrComp("Yes", "yes"), -1); // by code, not regardless of case
    EXPECT_EQ(StrComp("ye", "yes"), -1);
    EXPECT_EQ(StrComp("zzzzz", "aaaaaaaaaaa"), 1);
    EXPECT_EQ(StrComp("\xC3\xA9", "z"), 1);                     // U+00E9 after U+007A
    EXPECT_EQ(StrComp("\xEF\xBC\xA1", "\xF0\x9F\x98\x80"), -1); // U+FF21 before U+1F600
}

} // namespace
} // namespace framework
