#include "CalculateFixture.h"

namespace conversion {
namespace {

using F = ScoreField;

const Results kFromTSixty{"+1.0", "60", "115", "71", "600", "120", "84"};
const Results kOnTheMeans{"+.0", "50", "100", "50", "500", "100", "50"};

TEST_F(CalculateTest, RawRoadWinsOverAnyStandardScoreAndRepeatsItself) {
    Fill({{F::raw, "60"}, {F::rawmean, "50"}, {F::rawsd, "10"}, {F::t, "20"}, {F::nce, "3"}});
    EXPECT_EQ(Press(), kFromTSixty);
    EXPECT_EQ(Press(), kFromTSixty);
    ExpectSuccess();
    EXPECT_FALSE(form.BoundNoteVisible());
    EXPECT_EQ(form.Text(F::rawsd), "10");

    Fill({{F::raw, "37.5"}, {F::rawmean, "37.5"}, {F::rawsd, "4"}});
    EXPECT_EQ(Press(), kOnTheMeans);

    // A refused press keeps the earlier results.
    Module1::dirty = "no";
    form.SetText(F::rawsd, "0");
    ExpectRefused("The raw score sd must be greater than 0.", F::rawsd);
}

TEST_F(CalculateTest, RawResultsBeyondEveryRangeArePulledToTheirBoundsAndMarked) {
    Fill({{F::raw, "1e308"}, {F::rawmean, "-1e308"}, {F::rawsd, "1"}});
    EXPECT_EQ(Press(), (Results{"+6.99*", "99*", "199*", "99*", "800*", "199*", "99*"}));
    EXPECT_TRUE(form.BoundNoteVisible());

    Fill({{F::raw, "40"}, {F::rawmean, "50"}, {F::rawsd, "1e-320"}});
    EXPECT_EQ(Press(), (Results{"-6.99*", "1*", "1*", "1*", "200*", "1*", "1*"}));
}

TEST_F(CalculateTest, WithoutThreeRawFieldsOrAStandardScoreOnlyTheMessageShows) {
    const std::string message = "Enter all 3 raw scores to calculate standard scores. Or, enter 1 "
                                "standard score to convert to other standard scores.";
    ExpectRefused(message, std::nullopt);
    form = ScoreTexts();
    Fill({{F::raw, "60"}, {F::rawmean, "50"}});
    ExpectRefused(message, std::nullopt);
}

TEST_F(CalculateTest, TheLastFilledStandardFieldIsTheSourceAndTheOnlyOneTested) {
    Fill({{F::raw, "60"}, {F::rawsd, "10"}, {F::t, "500"}, {F::gre, "600"}});
    EXPECT_EQ(Press(), kFromTSixty);
    EXPECT_EQ(form.Text(F::raw), "60");
    EXPECT_EQ(form.Text(F::rawmean), "");
    ExpectSuccess();

    form = ScoreTexts();
    Fill({{F::z, "  "}}); // blanks count as input and read as 0
    EXPECT_EQ(Press(), kOnTheMeans);
}

struct RangeCase {
    ScoreField field;
    const char* text;
    const char* message;
};

TEST_F(CalculateTest, ASourceOutOfItsRangeIsReportedAndFocused) {
    const RangeCase cases[] = {
        {F::z, "7", "z scores must range from -6.99 to +6.99."},
        {F::z, "-7", "z scores must range from -6.99 to +6.99."},
        {F::t, "100", "T scores must range from 1 to 99."},
        {F::t, "0", "T scores must range from 1 to 99."},
        {F::wechsler, "200", "Wechsler IQ scores must range from 1 to 199."},
        {F::nce, "0.99", "NCE scores must range from 1 to 99."},
        {F::gre, "199", "CEEB scores must range from 200 to 800."},
        {F::agct, "200", "AGCT scores must range from 1 to 199."},
        {F::percentile, "100", "Percentile scores must range from 1 to 99."},
        {F::percentile, "0", "Percentile scores must range from 1 to 99."},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.text);
        form = ScoreTexts();
        Fill({{F::raw, "5"}, {c.field, c.text}});
        ExpectRefused(c.message, c.field);
    }
}

TEST_F(CalculateTest, ASourceOnItsBoundPassesAndASecondPressReadsTheMarkedPercentile) {
    Fill({{F::t, "99"}});
    EXPECT_EQ(Press(), (Results{"+4.9", "99", "174", "99*", "800*", "198", "99*"}));
    EXPECT_TRUE(form.BoundNoteVisible());
    ExpectSuccess();

    EXPECT_EQ(Press(), (Results{"+2.33", "73", "135", "99", "733", "147", "99"}));
    EXPECT_FALSE(form.BoundNoteVisible());
}

TEST_F(CalculateTest, PercentileFiftyLandsEveryScaleOnItsMean) {
    Fill({{F::percentile, "50"}});
    EXPECT_EQ(Press(), kOnTheMeans);
    EXPECT_FALSE(form.BoundNoteVisible());
}

TEST_F(CalculateTest, NceAndPercentileAreTiedAtTheirBoundsBeforeClamping) {
    const std::pair<ScoreField, const char*> sources[] = {
        {F::nce, "99"}, {F::percentile, "99"}, {F::nce, "1"}, {F::percentile, "1"}};
    for (const auto& [field, text] : sources) {
        SCOPED_TRACE(text);
        form = ScoreTexts();
        Fill({{field, text}});
        const Results shown = Press();
        EXPECT_EQ(shown[3], text);
        EXPECT_EQ(shown[6], text);
        EXPECT_FALSE(form.BoundNoteVisible());
    }
}

TEST_F(CalculateTest, WithoutAnExactBoundNothingIsTied) {
    Fill({{F::percentile, "98.9998"}});
    const Results shown = Press();
    EXPECT_EQ(shown[3], "99*");
    EXPECT_EQ(shown[6], "99");
    EXPECT_FALSE(form.BoundNoteVisible());

    form = ScoreTexts();
    Fill({{F::nce, "98"}});
    EXPECT_EQ(Press(), (Results{"+2.28", "73", "134", "98", "728", "146", "99"}));
}

} // namespace
} // namespace conversion
