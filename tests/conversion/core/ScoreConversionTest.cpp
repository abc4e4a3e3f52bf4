#include "conversion/core/ScoreConversion.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace conversion {
namespace {

constexpr double kTenDecimals = 5e-11;

struct CurveCase {
    double from;
    double expected;
};

TEST(PercentileFromZ, MatchesTheTabulatedValuesToTenDecimals) {
    const CurveCase cases[] = {
        {1, 84.1344680846}, {-1, 15.8655319154}, {2, 97.7249738112},
        {-2, 2.2750261888}, {3, 99.8650187314},  {6.99, 99.9999999997},
    };
    for (const CurveCase& c : cases) {
        EXPECT_NEAR(PercentileFromZ(c.from), c.expected, kTenDecimals) << "z " << c.from;
    }
    EXPECT_NEAR(PercentileFromZ(-6.99), 2.9270e-10, 0.00005e-10);
}

TEST(PercentileFromZ, ZeroGivesExactlyFiftyAndTheTailsSaturateExactly) {
    EXPECT_EQ(PercentileFromZ(0.0), 50.0);
    EXPECT_EQ(PercentileFromZ(-0.0), 50.0);
    for (double z : {9.0, 9.5, 20.0, 1e300, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(PercentileFromZ(z), 100.0) << z;
        EXPECT_EQ(PercentileFromZ(-z), 0.0) << -z;
    }
    EXPECT_TRUE(std::isnan(PercentileFromZ(std::numeric_limits<double>::quiet_NaN())));
}

TEST(ZFromPercentile, MatchesTheTabulatedValuesToTenDecimals) {
    const CurveCase cases[] = {
        {99, 2.3267853326},
        {1, -2.3267853326},
        {84, 0.9944218144},
    };
    for (const CurveCase& c : cases) {
        EXPECT_NEAR(ZFromPercentile(c.from), c.expected, kTenDecimals) << "percentile " << c.from;
    }
    EXPECT_EQ(ZFromPercentile(99), -ZFromPercentile(1));
}

TEST(ZFromPercentile, FiftyGivesANegativeZero) {
    const double z = ZFromPercentile(50);
    EXPECT_EQ(z, 0.0);
    EXPECT_TRUE(std::signbit(z));
}

TEST(NormalCurve, TheTwoOperationsAreNotExactInverses) {
    const ScaleTable table(0, 1);
    ScoreValues scores{};
    At(scores, ScoreScale::z) = ZFromPercentile(99);
    RescaleScores(scores, table, ScoreScale::z, ScoreScale::nce, ScoreScale::nce);
    EXPECT_NEAR(At(scores, ScoreScale::nce), 99.0020991037, kTenDecimals);

    ScoreValues fromNce{};
    for (const CurveCase& c : {CurveCase{99, 99.0008978924}, CurveCase{1, 0.9991021076}}) {
        At(fromNce, ScoreScale::nce) = c.from;
        RescaleScores(fromNce, table, ScoreScale::nce, ScoreScale::z, ScoreScale::agct);
        EXPECT_NEAR(PercentileFromZ(At(fromNce, ScoreScale::z)), c.expected, kTenDecimals);
    }
}

struct RescaleCase {
    double wechsler;
    ScoreValues expected; // raw and percentile entries unused
};

TEST(RescaleScores, WechslerSourceGivesEveryLinearScale) {
    const ScaleTable table(0, 1);
    const RescaleCase cases[] = {
        {130, {0, 2, 70, 130, 92.12, 700, 140, 0}},
        {85, {0, -1, 40, 85, 28.94, 400, 80, 0}},
    };
    for (const RescaleCase& c : cases) {
        ScoreValues scores{};
        At(scores, ScoreScale::wechsler) = c.wechsler;
        RescaleScores(scores, table, ScoreScale::wechsler, ScoreScale::z, ScoreScale::agct);
        for (auto scale : {ScoreScale::z, ScoreScale::t, ScoreScale::wechsler, ScoreScale::nce,
                           ScoreScale::ceeb, ScoreScale::agct}) {
            EXPECT_NEAR(At(scores, scale), At(c.expected, scale), 1e-9)
                << "Wechsler " << c.wechsler << ", scale " << static_cast<int>(scale);
        }
    }
}

TEST(RescaleScores, RewritesTheSourceInItsTurn) {
    const ScaleTable table(0, 1);
    ScoreValues scores{};
    for (double nce : {99.0, 1.0}) {
        At(scores, ScoreScale::nce) = nce;
        RescaleScores(scores, table, ScoreScale::nce, ScoreScale::z, ScoreScale::agct);
        EXPECT_EQ(At(scores, ScoreScale::nce), nce);
    }
    At(scores, ScoreScale::nce) = 1.01;
    RescaleScores(scores, table, ScoreScale::nce, ScoreScale::z, ScoreScale::agct);
    EXPECT_EQ(At(scores, ScoreScale::nce), 1.009999999999998);
}

} // namespace
} // namespace conversion
