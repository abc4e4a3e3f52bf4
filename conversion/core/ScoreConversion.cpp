#include "conversion/core/ScoreConversion.h"

#include <cmath>

namespace conversion {

void RescaleScores(ScoreValues& scores, const ScaleTable& table, ScoreScale source,
                   ScoreScale first, ScoreScale last) {
    const ScaleRow& from = table[source];
    for (auto i = static_cast<std::size_t>(first); i <= static_cast<std::size_t>(last); ++i) {
        const ScaleRow& to = table[static_cast<ScoreScale>(i)];
        const double d = At(scores, source) - from.scaleMean;
        const double q = d / from.scaleSD;
        const double f = to.scaleSD * q;
        scores[i] = to.scaleMean + f;
    }
}

double PercentileFromZ(double z) {
    // The constant is the one the approximation was tabulated with, not the exact root of 1/2.
    const double x = std::abs(0.7071067812 * z);
    constexpr double a[] = {0.0705230784, 0.0422820123, 0.0092705272,
                            0.0001520143, 0.0002765672, 0.0000430638};
    double poly = a[5];
    for (int k = 4; k >= 0; --k) {
        poly = poly * x + a[k];
    }
    poly = poly * x + 1;
    const double t = std::pow(poly, -16);
    double p = (1 - t) / 2 + 0.5;
    if (ScaleTable::StandardRow(ScoreScale::z).scaleMean > z) {
        p = 1 - p;
    }
    return 100 * p;
}

double ZFromPercentile(double percentile) {
    constexpr double c0 = 2.515517, c1 = 0.802853, c2 = 0.010328;
    constexpr double d1 = 1.432788, d2 = 0.189269, d3 = 0.001308;
    const double p = percentile / 100;
    const double q = 0.5 - std::abs(p - 0.5);
    const double t = std::sqrt(-2 * std::log(q));
    const double n = (c2 * t + c1) * t + c0;
    const double d = ((d3 * t + d2) * t + d1) * t + 1;
    const double r = t - n / d;
    const int sign = (p - 0.5 > 0) - (p - 0.5 < 0);
    return r * static_cast<double>(sign);
}

} // namespace conversion
