#include "framework/properties/NameMatching.h"

#include <gtest/gtest.h>
#include <map>

namespace framework {
namespace {

TEST(PropertyNameMatchingTest, FoldsAsciiLettersOnlyForEqualityAndOrder) {
    EXPECT_TRUE(EqualsIgnoringCase("Multiline", "MultiLine"));
    EXPECT_FALSE(EqualsIgnoringCase("Visible", "Visibl"));
    EXPECT_FALSE(EqualsIgnoringCase("Tab@", "Tab`"));
    EXPECT_FALSE(EqualsIgnoringCase("\xC3\xA4", "\xC3\x84"));
    const std::map<std::string, int, LessIgnoringCase> setters{{"MultiLine", 1}, {"MacProcId", 2}};
    EXPECT_EQ(setters.at("Multiline"), 1);
    EXPECT_EQ(setters.find(std::string_view("MACPROCID"))->second, 2);
    EXPECT_EQ(setters.count("Multi"), 0u);
}

} // namespace
} // namespace framework
