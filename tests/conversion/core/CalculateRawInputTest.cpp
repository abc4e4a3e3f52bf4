#include "CalculateFixture.h"

namespace conversion {
namespace {

using F = ScoreField;

// A raw SD that is not a finite number above 0 would give bounds or "not a number" as results,
// or flip every score; such input is refused like an out-of-range score.
TEST_F(CalculateTest, ARawSDThatIsNotPositiveAndFiniteIsRefused) {
    for (const char* sd : {"0", "-10", "0.0", "abc", "-", "1e999", "-1e-999"}) {
        SCOPED_TRACE(sd);
        form = ScoreTexts();
        Fill({{F::raw, "60"}, {F::rawmean, "50"}, {F::rawsd, sd}, {F::t, "55"}});
        ExpectRefused("The raw score sd must be greater than 0.", F::rawsd);
        EXPECT_EQ(form.Text(F::t), "55");
        EXPECT_EQ(form.Text(F::rawsd), sd);
    }
}

TEST_F(CalculateTest, ARawScoreOrMeanThatIsNotFiniteIsRefused) {
    const std::string message = "The raw score and its mean must be finite numbers.";
    const struct {
        const char* raw;
        const char* mean;
        const char* sd;
        ScoreField focus;
    } cases[] = {
        {"1e999", "50", "10", F::raw},
        {"60", "-1e999", "10", F::rawmean},
        {"-1e999", "1e999", "10", F::raw},
        {"1e999", "50", "0", F::raw},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.raw) + " " + c.mean + " " + c.sd);
        form = ScoreTexts();
        Fill({{F::raw, c.raw}, {F::rawmean, c.mean}, {F::rawsd, c.sd}});
        ExpectRefused(message, c.focus);
    }
}

TEST_F(CalculateTest, TheRawFieldsAreNotTestedOnTheStandardRoad) {
    Fill({{F::rawmean, "1e999"}, {F::rawsd, "-3"}, {F::z, "-1"}});
    EXPECT_EQ(Press(), (Results{"-1.0", "40", "85", "29", "400", "80", "16"}));
    ExpectSuccess();
}

} // namespace
} // namespace conversion
