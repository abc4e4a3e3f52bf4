#include "conversion/core/Calculate.h"

#include "conversion/core/ClampMark.h"
#include "conversion/core/Module1.h"
#include "conversion/core/ScoreConversion.h"
#include "framework/core/text/Characters.h"
#include "framework/core/text/Format.h"
#include "framework/core/text/NumberText.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <limits>
#include <optional>

namespace conversion {
namespace {

constexpr ScoreScale kStandardScales[] = {
    ScoreScale::z,    ScoreScale::t,    ScoreScale::wechsler,  ScoreScale::nce,
    ScoreScale::ceeb, ScoreScale::agct, ScoreScale::percentile};

using ClampMarks = std::bitset<kScaleCount>;

// The standard road reads no raw mean or SD.
constexpr double kUnread = std::numeric_limits<double>::quiet_NaN();

bool IsFilled(const ScoreForm& form, ScoreField field) {
    return framework::Len(form.Text(field)) != 0;
}

bool RawFieldsFilled(const ScoreForm& form) {
    return IsFilled(form, ScoreField::raw) && IsFilled(form, ScoreField::rawmean) &&
           IsFilled(form, ScoreField::rawsd);
}

// The last filled standard field is the source, whatever the fields before it hold.
std::optional<ScoreScale> SourceScale(const ScoreForm& form) {
    std::optional<ScoreScale> source;
    for (ScoreScale scale : kStandardScales) {
        if (IsFilled(form, ScaleTable::StandardRow(scale).field)) {
            source = scale;
        }
    }
    return source;
}

// The field's number, or nothing when its whole text is not one: results shown for the 6 that
// Val makes of "6,5", or the 0 of "hello", would answer a score nobody entered. A second press
// reads the results of the first, so the mark that ends a result is no part of its text.
std::optional<double> FieldNumber(const ScoreForm& form, ScoreField field) {
    const std::string text = form.Text(field);
    const framework::NumberReading reading = framework::ReadNumber(SplitMark(text).number);
    if (reading.status != framework::NumberStatus::number) {
        return std::nullopt;
    }
    return reading.value;
}

std::optional<double> FiniteFieldNumber(const ScoreForm& form, ScoreField field) {
    const std::optional<double> value = FieldNumber(form, field);
    return value && std::isfinite(*value) ? value : std::nullopt;
}

void Refuse(ScoreForm& form, std::string_view message, ScoreField field) {
    form.ShowMessage(std::string(message));
    form.Focus(field);
}

struct RawScore {
    double score;
    double mean;
    double sd;
};

// An infinite raw score or mean, or an SD that is not a finite positive number, would turn every
// result into a bound or "not a number" (and a negative SD would flip them all), so such input
// is refused like an out-of-range score: the SD first, then the score, then its mean.
std::optional<RawScore> ReadRawScore(ScoreForm& form) {
    const std::optional<double> sd = FiniteFieldNumber(form, ScoreField::rawsd);
    if (!sd || *sd <= 0) {
        Refuse(form, kRawSDMessage, ScoreField::rawsd);
        return std::nullopt;
    }
    const std::optional<double> score = FiniteFieldNumber(form, ScoreField::raw);
    if (!score) {
        Refuse(form, kRawNotFiniteMessage, ScoreField::raw);
        return std::nullopt;
    }
    const std::optional<double> mean = FiniteFieldNumber(form, ScoreField::rawmean);
    if (!mean) {
        Refuse(form, kRawNotFiniteMessage, ScoreField::rawmean);
        return std::nullopt;
    }
    return RawScore{*score, *mean, *sd};
}

// A source whose text is not a number is refused as one out of its scale's range is.
std::optional<double> ReadSourceScore(ScoreForm& form, const ScaleRow& row) {
    const std::optional<double> score = FieldNumber(form, row.field);
    if (!score || row.scaleMin > *score || *score > row.scaleMax) {
        std::string message(row.scaleRangePrefix);
        message.append(framework::Str(row.scaleMin))
            .append(row.scaleRangeMiddle)
            .append(framework::Str(row.scaleMax))
            .append(".");
        Refuse(form, message, row.field);
        return std::nullopt;
    }
    return score;
}

void ConvertFromRaw(ScoreValues& scores, const ScaleTable& table) {
    RescaleScores(scores, table, ScoreScale::raw, ScoreScale::z, ScoreScale::agct);
    At(scores, ScoreScale::percentile) = PercentileFromZ(At(scores, ScoreScale::z));
}

// The two normal-curve operations are not exact inverses: an NCE of 99 gives a percentile of
// 99.0009 and a percentile of 99 an NCE of 99.0021. Tying the two together at 99 and 1, before
// clamping, keeps the pair at 99 and 99 (or 1 and 1) without a clamp mark.
void ConvertFromStandard(ScoreValues& scores, const ScaleTable& table, ScoreScale source) {
    double& nce = At(scores, ScoreScale::nce);
    double& percentile = At(scores, ScoreScale::percentile);
    if (source == ScoreScale::percentile) {
        At(scores, ScoreScale::z) = ZFromPercentile(percentile);
        RescaleScores(scores, table, ScoreScale::z, ScoreScale::t, ScoreScale::agct);
        if (percentile == 99) {
            nce = 99;
        }
        if (percentile == 1) {
            nce = 1;
        }
        return;
    }
    RescaleScores(scores, table, source, ScoreScale::z, ScoreScale::agct);
    double p = PercentileFromZ(At(scores, ScoreScale::z));
    if (nce == 99) {
        p = 99;
    }
    if (nce == 1) {
        p = 1;
    }
    percentile = p;
}

// "Not a number" fails both tests and stays unmarked; an infinity goes to the bound on its side.
ClampMarks ClampScores(ScoreValues& scores) {
    ClampMarks marks;
    for (ScoreScale scale : kStandardScales) {
        const ScaleRow& row = ScaleTable::StandardRow(scale);
        double& score = At(scores, scale);
        if (row.scaleMin > score) {
            score = row.scaleMin;
            marks.set(static_cast<std::size_t>(scale));
        }
        if (score > row.scaleMax) {
            score = row.scaleMax;
            marks.set(static_cast<std::size_t>(scale));
        }
    }
    return marks;
}

void WriteScores(ScoreForm& form, const ScoreValues& scores, const ClampMarks& marks) {
    for (ScoreScale scale : kStandardScales) {
        const ScaleRow& row = ScaleTable::StandardRow(scale);
        std::string text = framework::Format(At(scores, scale), row.scalePattern);
        if (marks.test(static_cast<std::size_t>(scale))) {
            text += kClampMark;
        }
        form.SetText(row.field, std::move(text));
    }
}

} // namespace

void Calculate(ScoreForm& form) {
    const bool rawRoad = RawFieldsFilled(form);
    const std::optional<ScoreScale> source = SourceScale(form);
    if (!rawRoad && !source) {
        form.ShowMessage(std::string(kNoInputMessage));
        return;
    }
    ScoreValues scores{};
    if (rawRoad) {
        const std::optional<RawScore> raw = ReadRawScore(form);
        if (!raw) {
            return;
        }
        At(scores, ScoreScale::raw) = raw->score;
        ConvertFromRaw(scores, ScaleTable(raw->mean, raw->sd));
    } else {
        const std::optional<double> score = ReadSourceScore(form, ScaleTable::StandardRow(*source));
        if (!score) {
            return;
        }
        At(scores, *source) = *score;
        ConvertFromStandard(scores, ScaleTable(kUnread, kUnread), *source);
    }
    const ClampMarks marks = ClampScores(scores);
    WriteScores(form, scores, marks);
    Module1::dirty = "yes";
}

bool ShowsMarkedResult(const ScoreForm& form) {
    return std::ranges::any_of(kStandardScales, [&form](ScoreScale scale) {
        return SplitMark(form.Text(ScaleTable::StandardRow(scale).field)).marked;
    });
}

} // namespace conversion
