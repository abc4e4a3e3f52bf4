#include "conversion/core/Calculate.h"

#include "conversion/core/Module1.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace conversion {
namespace {

using F = ScoreField;
using Fields = std::vector<std::pair<ScoreField, std::string>>;

const std::string kFromTSixty = "+1.0 60 115 71 600 120 84";
const std::string kOnTheMeans = "+.0 50 100 50 500 100 50";

// A form filled afresh, pressed, and read back: the seven results, in table order, joined by
// blanks.
class CalculateTest : public ::testing::Test {
protected:
    void SetUp() override { Module1::dirty = "no"; }

    void Fill(const Fields& fields) {
        Module1::dirty = "no";
        form = ScoreTexts();
        for (const auto& [field, text] : fields) {
            form.SetText(field, text);
        }
    }

    std::string Texts(ScoreField from, ScoreField to) const {
        std::string texts;
        for (int i = static_cast<int>(from); i <= static_cast<int>(to); ++i) {
            if (!texts.empty()) {
                texts += ' ';
            }
            texts += form.Text(static_cast<ScoreField>(i));
        }
        return texts;
    }

    std::string Press() {
        Calculate(form);
        EXPECT_TRUE(form.Messages().empty()) << form.Messages().front();
        EXPECT_EQ(form.FocusedField(), std::nullopt);
        EXPECT_EQ(Module1::dirty, "yes");
        return Texts(F::z, F::percentile);
    }

    // A press that shows one message, moves the focus and changes nothing else.
    void ExpectRefused(const std::string& message, std::optional<ScoreField> focus) {
        const std::string before = Texts(F::raw, F::percentile);
        Calculate(form);
        EXPECT_EQ(form.Messages(), std::vector{message});
        EXPECT_EQ(form.FocusedField(), focus);
        EXPECT_EQ(Texts(F::raw, F::percentile), before);
        EXPECT_EQ(Module1::dirty, "no");
    }

    ScoreTexts form;
};

TEST_F(CalculateTest, RawRoadWinsOverAnyStandardScoreAndRepeatsItself) {
    Fill({{F::raw, "60"}, {F::rawmean, "50"}, {F::rawsd, "10"}, {F::t, "20"}, {F::nce, "3"}});
    EXPECT_EQ(Press(), kFromTSixty);
    EXPECT_EQ(Press(), kFromTSixty);
    Module1::dirty = "no";
    form.SetText(F::rawsd, "0");
    ExpectRefused("The raw score sd must be a finite number greater than 0.", F::rawsd);

    Fill({{F::raw, "37.5"}, {F::rawmean, "37.5"}, {F::rawsd, "4"}});
    EXPECT_EQ(Press(), kOnTheMeans);
    Fill({{F::raw, "1e308"}, {F::rawmean, "-1e308"}, {F::rawsd, "1"}});
    EXPECT_EQ(Press(), "+6.99* 99* 199* 99* 800* 199* 99*");
    Fill({{F::raw, "40"}, {F::rawmean, "50"}, {F::rawsd, "1e-320"}});
    EXPECT_EQ(Press(), "-6.99* 1* 1* 1* 200* 1* 1*");
}

TEST_F(CalculateTest, RefusedInputShowsItsMessageAndFocusesItsField) {
    const std::string none = "Enter all 3 raw scores to calculate standard scores. Or, enter 1 "
                             "standard score to convert to other standard scores.";
    const std::string sd = "The raw score sd must be a finite number greater than 0.";
    const std::string infinite = "The raw score and its mean must be finite numbers.";
    const std::tuple<Fields, std::string, std::optional<ScoreField>> cases[] = {
        {{}, none, std::nullopt},
        {{{F::raw, "60"}, {F::rawmean, "50"}}, none, std::nullopt},
        {{{F::raw, "5"}, {F::z, "7"}}, "z scores must range from -6.99 to +6.99.", F::z},
        {{{F::z, "-7"}}, "z scores must range from -6.99 to +6.99.", F::z},
        {{{F::t, "100"}}, "T scores must range from 1 to 99.", F::t},
        {{{F::wechsler, "200"}}, "Wechsler IQ scores must range from 1 to 199.", F::wechsler},
        {{{F::nce, "0.99"}}, "NCE scores must range from 1 to 99.", F::nce},
        {{{F::gre, "199"}}, "CEEB scores must range from 200 to 800.", F::gre},
        {{{F::agct, "200"}}, "AGCT scores must range from 1 to 199.", F::agct},
        {{{F::percentile, "100"}}, "Percentile scores must range from 1 to 99.", F::percentile},
        {{{F::percentile, "0"}}, "Percentile scores must range from 1 to 99.", F::percentile},
        {{{F::raw, "x"}, {F::rawmean, "x"}, {F::rawsd, "-10"}}, sd, F::rawsd},
        {{{F::raw, "1e999"}, {F::rawmean, "x"}, {F::rawsd, "1e-999"}}, sd, F::rawsd},
        {{{F::raw, "1e999"}, {F::rawmean, "x"}, {F::rawsd, "10"}}, infinite, F::raw},
    };
    for (const auto& [fields, message, focus] : cases) {
        Fill(fields);
        ExpectRefused(message, focus);
    }
}

// Each text is put where its number would make z 0.5: the source z, the raw score over mean 0
// and SD 1, the mean under a raw score of 1 and SD 1, the SD under a raw score of .25 over 0.
TEST_F(CalculateTest, AFieldIsReadOnlyWhenItsWholeTextIsANumber) {
    const std::string raw = "The raw score and its mean must be finite numbers.";
    const std::tuple<ScoreField, Fields, std::string> roads[] = {
        {F::z, {}, "z scores must range from -6.99 to +6.99."},
        {F::raw, {{F::rawmean, "0"}, {F::rawsd, "1"}}, raw},
        {F::rawmean, {{F::raw, "1"}, {F::rawsd, "1"}}, raw},
        {F::rawsd,
         {{F::raw, ".25"}, {F::rawmean, "0"}},
         "The raw score sd must be a finite number greater than 0."},
    };
    // Which texts are numbers is the reader's; here, that each road asks it, marks aside.
    const std::pair<const char*, bool> texts[] = {
        {"0.5", true}, {" +.5\t", true}, {"5e-1*", true}, {"0.05E+1 * ", true}, {"0,5", false},
        {"  ", false}, {"0.5**", false}, {"*0.5", false}, {"1e999", false},     {"-", false},
    };
    for (const auto& [field, others, message] : roads) {
        for (const auto& [text, isNumber] : texts) {
            Fields fields = others;
            fields.emplace_back(field, text);
            Fill(fields);
            SCOPED_TRACE(text);
            if (isNumber) {
                EXPECT_EQ(Press(), "+.5 55 108 61 550 110 69");
            } else {
                ExpectRefused(message, field);
            }
        }
    }
}

// A source on its bound passes; a second press reads the marked percentile that the first wrote.
TEST_F(CalculateTest, TheLastFilledStandardFieldIsTheSourceAndTheOnlyOneTested) {
    Fill({{F::raw, "60"}, {F::rawsd, "10"}, {F::t, "500"}, {F::gre, "600"}});
    EXPECT_EQ(Press(), kFromTSixty);
    EXPECT_EQ(Texts(F::raw, F::rawsd), "60  10");
    Fill({{F::percentile, "50"}});
    EXPECT_EQ(Press(), kOnTheMeans);
    Fill({{F::rawmean, "1e999"}, {F::rawsd, "-3"}, {F::z, "-1"}});
    EXPECT_EQ(Press(), "-1.0 40 85 29 400 80 16");
    Fill({{F::t, "99"}});
    EXPECT_EQ(Press(), "+4.9 99 174 99* 800* 198 99*");
    EXPECT_EQ(Press(), "+2.33 73 135 99 733 147 99");
}

// An NCE of 99 gives a percentile just above 99 and back; only exact bounds are tied.
TEST_F(CalculateTest, NceAndPercentileAreTiedAtTheirBoundsBeforeClamping) {
    const std::pair<Fields, std::string> cases[] = {
        {{{F::nce, "99"}}, "+2.33 73 135 99 733 147 99"},
        {{{F::percentile, "99"}}, "+2.33 73 135 99 733 147 99"},
        {{{F::nce, "1"}}, "-2.33 27 65 1 267 53 1"},
        {{{F::percentile, "1"}}, "-2.33 27 65 1 267 53 1"},
        {{{F::percentile, "98.9998"}}, "+2.33 73 135 99* 733 147 99"},
        {{{F::nce, "98"}}, "+2.28 73 134 98 728 146 99"},
        {{{F::z, "-2.34"}}, "-2.34 27 65 1* 266 53 1*"},
    };
    for (const auto& [fields, results] : cases) {
        Fill(fields);
        EXPECT_EQ(Press(), results) << fields[0].second;
    }
}

} // namespace
} // namespace conversion
