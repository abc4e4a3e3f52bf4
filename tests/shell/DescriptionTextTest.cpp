#include "shell/DescriptionText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\r') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

std::string Tabs(int count) {
    return std::string(static_cast<std::size_t>(count), '\t');
}

const std::string& Line(int number) {
    static const std::vector<std::string> lines = Lines(DescriptionText());
    return lines.at(static_cast<std::size_t>(number - 1));
}

TEST(DescriptionTextTest, IsTwentyThreeAsciiLinesSeparatedBySingleCarriageReturns) {
    const std::string& text = DescriptionText();

    EXPECT_EQ(Lines(text).size(), 23u);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\r');
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
        return c == '\r' || c == '\t' || (c >= ' ' && c <= '~');
    }));
}

TEST(DescriptionTextTest, FixedLinesReadAsGiven) {
    EXPECT_EQ(Line(1), "Quorvane");
    for (const int empty : {2, 4, 6, 17, 20, 22}) {
        EXPECT_EQ(Line(empty), "") << "line " << empty;
    }
    EXPECT_EQ(Line(7), "The standard scores and their means and standard deviations are:");
    EXPECT_EQ(Line(8), std::string(65, '+'));
    EXPECT_EQ(Line(10), std::string(65, '+'));
    EXPECT_EQ(Line(18), std::string(68, '*'));
    EXPECT_TRUE(Line(3).starts_with(
        "This program can calculate a variety of standard scores if given an obtained score and "
        "its distribution's mean and standard deviation. Alternatively, a variety of standard "
        "scores can be calculated from any other score. "));
    EXPECT_TRUE(Line(5).starts_with("Normal probability and inverse probability calculations "
                                    "were based on algorithms from Abramowitz"));
    EXPECT_TRUE(Line(5).ends_with("."));
}

TEST(DescriptionTextTest, TableColumnsAreRunsOfTabs) {
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
    for (const Row& row : rows) {
        EXPECT_EQ(Line(row.line), row.name + Tabs(row.tabs1) + row.mean + Tabs(row.tabs2) + row.sd +
                                      Tabs(row.tabs3) + row.range)
            << "line " << row.line;
    }
}

TEST(DescriptionTextTest, DisclaimerNamesTheProgramAndEveryPoint) {
    const std::string& disclaimer = Line(23);
    std::size_t names = 0;
    for (auto at = disclaimer.find("Quorvane"); at != std::string::npos;
         at = disclaimer.find("Quorvane", at + 1)) {
        ++names;
    }

    EXPECT_GE(names, 3u);
    for (const char* point :
         {"express or implied", "merchantability", "fitness for a particular purpose",
          "professional care and judgment", "professional qualifications",
          "complete responsibility", "third party", "miscalculation or misuse"}) {
        EXPECT_NE(disclaimer.find(point), std::string::npos) << point;
    }
    EXPECT_NE(Line(21).find("[Computer software]"), std::string::npos);
}

TEST(DescriptionTextTest, FileLinesBecomeCarriageReturnSeparatedText) {
    EXPECT_EQ(DescriptionTextFromFile("Quorvane\n\nlast\n"), "Quorvane\r\rlast");
    EXPECT_EQ(DescriptionTextFromFile("Quorvane\nlast"), "Quorvane\rlast");
    EXPECT_EQ(DescriptionTextFromFile("a\tb\n"), "a\tb");
}

} // namespace
