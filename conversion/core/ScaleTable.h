#pragma once

// The conversion core: the table of the eight score scales, the three operations that carry a
// score from one scale to another (ScoreConversion.h), and the Calculate command that reads a
// form of ten field texts, converts, clamps and writes the results back (Calculate.h). None of
// it knows about windows; the converter window adapts its fields to ScoreForm.

#include <array>
#include <cstddef>
#include <string_view>

namespace conversion {

// The scales by number; the command reads, clamps and writes the standard scores in this order.
enum class ScoreScale { raw, z, t, wechsler, nce, ceeb, agct, percentile };
inline constexpr std::size_t kScaleCount = 8;

// The ten entry fields of the converter form.
enum class ScoreField { raw, rawmean, rawsd, z, t, wechsler, nce, gre, agct, percentile };

struct ScaleRow {
    ScoreField field;
    double scaleMean; // score = scaleMean + scaleSD * z
    double scaleSD;
    double scaleMin; // the closed range; a score equal to a bound is in range
    double scaleMax;
    std::string_view scalePattern;
    std::string_view scaleRangePrefix;
    std::string_view scaleRangeMiddle;
};

// One conversion's table: the standard rows are fixed, the raw row carries the mean and SD read
// from the form for this conversion. The raw row has no range or pattern, the percentile row no
// mean or SD; those cells hold "not a number" so a misuse shows in every result.
class ScaleTable {
public:
    ScaleTable(double rawMean, double rawSD);

    const ScaleRow& operator[](ScoreScale scale) const {
        return rows_[static_cast<std::size_t>(scale)];
    }

    // The fixed row of a standard scale (z to percentile).
    static const ScaleRow& StandardRow(ScoreScale scale);

private:
    std::array<ScaleRow, kScaleCount> rows_;
};

// The scores of one conversion, indexed by ScoreScale.
using ScoreValues = std::array<double, kScaleCount>;

inline double& At(ScoreValues& scores, ScoreScale scale) {
    return scores[static_cast<std::size_t>(scale)];
}

inline double At(const ScoreValues& scores, ScoreScale scale) {
    return scores[static_cast<std::size_t>(scale)];
}

} // namespace conversion
