#include "conversion/core/Calculate.h"

#include "conversion/core/Module1.h"
#include "conversion/core/ScoreConversion.h"
#include "framework/core/text/Characters.h"
#include "framework/core/text/Format.h"
#include "framework/core/text/NumberText.h"

#include <bitset>
#include <cmath>
#include <optional>

namespace conversion {
namespace {

constexpr ScoreScale kStandardScales[] = {
    ScoreScale::z,    ScoreScale::t,    ScoreScale::wechsler,  ScoreScale::nce,
    ScoreScale::ceeb, ScoreScale::agct, ScoreScale::percentile};

using ClampMarks = std::bitset<kScaleCount>;

bool IsFilled(const ScoreForm& form, ScoreField field) {
    return framework::Len(form.Text(field)) != 0;
}

double ReadField(const ScoreForm& form, ScoreField field) {
    return framework::Val(form.Text(field));
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

void Refuse(ScoreForm& form, std::string_view message, ScoreField field) {
    form.ShowMessage(std::string(message));
    form.Focus(field);
}

// A raw score or mean that is infinite, or an SD that is not a finite positive number, would
// turn every result into a bound or "not a number" (and a negative SD would flip them all), so
// such input is refused like an out-of-range score.
bool ValidateRawScores(ScoreForm& form, const ScoreValues& scores, const ScaleTable& table) {
    const ScaleRow& raw = table[ScoreScale::raw];
    if (!std::isfinite(At(scores, ScoreScale::raw))) {
        Refuse(form, kRawNotFiniteMessage, ScoreField::raw);
        return false;
    }
    if (!std::isfinite(raw.scaleMean)) {
        Refuse(form, kRawNotFiniteMessage, ScoreField::rawmean);
        return false;
    }
    if (!(std::isfinite(raw.scaleSD) && raw.scaleSD > 0)) {
        Refuse(form, kRawSDMessage, ScoreField::rawsd);
        return false;
    }
    return true;
}

bool ValidateSourceScore(ScoreForm& form, const ScoreValues& scores, const ScaleRow& row,
                         ScoreScale source) {
    const double score = At(scores, source);
    if (row.scaleMin > score || score > row.scaleMax) {
        std::string message(row.scaleRangePrefix);
        message.append(framework::Str(row.scaleMin))
            .append(row.scaleRangeMiddle)
            .append(framework::Str(row.scaleMax))
            .append(".");
        Refuse(form, message, row.field);
        return false;
    }
    return true;
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
ClampMarks ClampScores(ScoreValues& scores, const ScaleTable& table) {
    ClampMarks marks;
    for (ScoreScale scale : kStandardScales) {
        const ScaleRow& row = table[scale];
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

void WriteScores(ScoreForm& form, const ScoreValues& scores, const ScaleTable& table,
                 const ClampMarks& marks) {
    for (ScoreScale scale : kStandardScales) {
        const ScaleRow& row = table[scale];
        std::string text = framework::Format(At(scores, scale), row.scalePattern);
        if (marks.test(static_cast<std::size_t>(scale))) {
            text += "*";
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
    const ScaleTable table(ReadField(form, ScoreField::rawmean),
                           ReadField(form, ScoreField::rawsd));
    ScoreValues scores{};
    At(scores, ScoreScale::raw) = ReadField(form, ScoreField::raw);
    if (rawRoad) {
        if (!ValidateRawScores(form, scores, table)) {
            return;
        }
        ConvertFromRaw(scores, table);
    } else {
        const ScaleRow& row = table[*source];
        At(scores, *source) = ReadField(form, row.field);
        if (!ValidateSourceScore(form, scores, row, *source)) {
            return;
        }
        ConvertFromStandard(scores, table, *source);
    }
    const ClampMarks marks = ClampScores(scores, table);
    WriteScores(form, scores, table, marks);
    form.SetBoundNoteVisible(marks.test(static_cast<std::size_t>(ScoreScale::percentile)));
    Module1::dirty = "yes";
}

} // namespace conversion
