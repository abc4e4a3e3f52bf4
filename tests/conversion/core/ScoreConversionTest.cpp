#include "conversion/core/ScoreConversion.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace conversion {
namespace {

constexpr double kTenDecimals = 5e-11;

// Both match the tabulated values to ten decimals; the tails saturate exactly.
TEST(NormalCurve, BothOperationsMatchTheTabulatedValues) {
    const std::pair<double, double> zToPercentile[] = {
        {1, 84.1344680846}, {-1, 15.8655319154}, {2, 97.7249738112},
        {-2, 2.2750261888}, {3, 99.8650187314},  {6.99, 99.9999999997},
    };
    for (const auto& [z, percentile] : zToPercentile) {
        EXPECT_NEAR(PercentileFromZ(z), percentile, kTenDecimals) << "z " << z;
    }
    EXPECT_NEAR(PercentileFromZ(-6.99), 2.9270e-10, 0.00005e-10);
    const std::pair<double, double> percentileToZ[] = {
        {99, 2.3267853326}, {1, -2.3267853326}, {84, 0.9944218144}};
    for (const auto& [percentile, z] : percentileToZ) {
        EXPECT_NEAR(ZFromPercentile(percentile), z, kTenDecimals) << "percentile " << percentile;
    }
    EXPECT_EQ(ZFromPercentile(99), -ZFromPercentile(1));
    EXPECT_TRUE(ZFromPercentile(50) == 0.0 && std::signbit(ZFromPercentile(50)));
    EXPECT_EQ(PercentileFromZ(0.0), 50.0);
    EXPECT_EQ(PercentileFromZ(-0.0), 50.0);
    for (double z : {9.0, 20.0, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(PercentileFromZ(z), 100.0) << z;
        EXPECT_EQ(PercentileFromZ(-z), 0.0) << -z;
    }
    EXPECT_TRUE(std::isnan(PercentileFromZ(std::numeric_limits<double>::quiet_NaN())));
}

// An NCE of 99 reached from a percentile of 99 is 99.0021, and a percentile reached from an
// NCE of 99 is 99.0009 (of 1, 0.9991).
TEST(NormalCurve, TheTwoOperationsAreNotExactInverses) {
    const ScaleTable table(0, 1);
    ScoreValues scores{};
    At(scores, ScoreScale::z) = ZFromPercentile(99);
    RescaleScores(scores, table, ScoreScale::z, ScoreScale::nce, ScoreScale::nce);
    EXPECT_NEAR(At(scores, ScoreScale::nce), 99.0020991037, kTenDecimals);
    for (const auto& [nce, percentile] : {std::pair{99.0, 99.0008978924}, {1.0, 0.9991021076}}) {
        At(scores, ScoreScale::nce) = nce;
        RescaleScores(scores, table, ScoreScale::nce, ScoreScale::z, ScoreScale::agct);
        EXPECT_NEAR(PercentileFromZ(At(scores, ScoreScale::z)), percentile, kTenDecimals);
    }
}

// A source inside the target range is rewritten at its turn, and not always to itself.
TEST(RescaleScores, RewritesTheSourceInItsTurn) {
    const ScaleTable table(0, 1);
    ScoreValues scores{};
    for (const auto& [nce, rewritten] :
         {std::pair{99.0, 99.0}, {1.0, 1.0}, {1.01, 1.009999999999998}}) {
        At(scores, ScoreScale::nce) = nce;
        RescaleScores(scores, table, ScoreScale::nce, ScoreScale::z, ScoreScale::agct);
        EXPECT_EQ(At(scores, ScoreScale::nce), rewritten) << nce;
    }
}

} // namespace
} // namespace conversion
