#include "shell/DescriptionText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines() {
    std::vector<std::string> lines(1);
    for (const char c : DescriptionText()) {
        if (c == '\r') {
            lines.emplace_back();
        } else {
            lines.back().push_back(c);
        }
    }
    return lines;
}

std::string Tabs(int count) {
    return std::string(static_cast<std::size_t>(count), '\t');
}

TEST(DescriptionTextTest, IsTwentyThreeAsciiLinesSeparatedBySingleCarriageReturns) {
    const std::string& text = DescriptionText();

    EXPECT_EQ(Lines().size(), 23u);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\r');
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
        return c == '\r' || c == '\t' || (c >= ' ' && c <= '~');
    }));
}

TEST(DescriptionTextTest, NameRulesAndTableReadAsGiven) {
    struct Row {
        int line;
        const char* name;
        int tabs1;
        const char* mean;
        int tabs2;
        const char* sd;
        int tabs3;
        const char* range;
    };
    const Row rows[] = {
        {9, "Score", 6, "Mean", 2, "SD", 2, "Possible Range of Scores"},
        {11, "z", 7, "0", 3, "1", 3, "-6.99 to +6.99"},
        {12, "T", 7, "50", 3, "10", 3, "1 to 99"},
        {13, "Wechsler IQ", 5, "100", 3, "15", 3, "1 to 199"},
        {14, "Normal Curve Equivalent", 2, "50", 3, "21.06", 2, "1 to 99"},
        {15, "College Entrance Exam Board", 1, "500", 3, "100", 3, "200 to 800"},
        // The range the conversion accepts and produces for AGCT scores.
        {16, "Army General Class Test", 2, "100", 3, "20", 3, "1 to 199"},
    };
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 23u);

    EXPECT_EQ(lines[0], "Quorvane");
    EXPECT_EQ(lines[7], std::string(65, '+'));
    EXPECT_EQ(lines[9], std::string(65, '+'));
    EXPECT_EQ(lines[17], std::string(68, '*'));
    for (const Row& row : rows) {
        EXPECT_EQ(lines[static_cast<std::size_t>(row.line - 1)],
                  row.name + Tabs(row.tabs1) + row.mean + Tabs(row.tabs2) + row.sd +
                      Tabs(row.tabs3) + row.range)
            << "line " << row.line;
    }
}

} // namespace
