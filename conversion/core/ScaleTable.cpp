#include "conversion/core/ScaleTable.h"

#include <limits>

namespace conversion {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

constexpr std::array<ScaleRow, kScaleCount> kScaleRows{{
    {ScoreField::raw, kNone, kNone, kNone, kNone, "", "", ""},
    {ScoreField::z, 0, 1, -6.99, 6.99, "+#.0#", "z scores must range from ", " to +"},
    {ScoreField::t, 50, 10, 1, 99, "##", "T scores must range from ", " to "},
    {ScoreField::wechsler, 100, 15, 1, 199, "###", "Wechsler IQ scores must range from ", " to "},
    {ScoreField::nce, 50, 21.06, 1, 99, "##", "NCE scores must range from ", " to "},
    {ScoreField::gre, 500, 100, 200, 800, "###", "CEEB scores must range from ", " to "},
    {ScoreField::agct, 100, 20, 1, 199, "###", "AGCT scores must range from ", " to "},
    {ScoreField::percentile, kNone, kNone, 1, 99, "##", "Percentile scores must range from ",
     " to "},
}};

} // namespace

ScaleTable::ScaleTable(double rawMean, double rawSD) : rows_(kScaleRows) {
    ScaleRow& raw = rows_[static_cast<std::size_t>(ScoreScale::raw)];
    raw.scaleMean = rawMean;
    raw.scaleSD = rawSD;
}

const ScaleRow& ScaleTable::StandardRow(ScoreScale scale) {
    return kScaleRows[static_cast<std::size_t>(scale)];
}

} // namespace conversion
