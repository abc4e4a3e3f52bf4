#pragma once

// The three operations between scales. Each follows a fixed order of double operations, so
// that results are the same to the last bit everywhere: the command compares rescaled NCE
// values with 99 and 1 for exact equality.

#include "conversion/core/ScaleTable.h"

namespace conversion {

// For each target from `first` to `last` in ascending order: mean(i) + SD(i) * ((x - mean(s)) /
// SD(s)), x being the source entry read afresh for each target. A source inside the target
// range is rewritten at its turn, and later targets use the rewritten value.
void RescaleScores(ScoreValues& scores, const ScaleTable& table, ScoreScale source,
                   ScoreScale first, ScoreScale last);

// The percentile rank (0 to 100, unclamped) of a z score, by the error-function approximation
// 7.1.28 of Abramowitz and Stegun.
double PercentileFromZ(double z);

// The z score of a percentile rank strictly between 0 and 100, by the rational approximation
// 26.2.23 of Abramowitz and Stegun. A percentile of 50 gives a negative zero.
double ZFromPercentile(double percentile);

} // namespace conversion
