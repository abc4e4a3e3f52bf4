#include "conversion/window/KeyFilters.h"

#include "conversion/core/Module1.h"
#include "framework/core/text/Characters.h"
#include "framework/ui/Dialogs.h"

#include <algorithm>
#include <array>

namespace conversion {
namespace {

using F = ScoreField;

constexpr std::string_view kPeriod = ".";
constexpr std::string_view kPeriodAndMinus = ".-";
constexpr std::string_view kNone = "";

constexpr std::int64_t kBackspace = 8;
constexpr std::int64_t kDelete = 127;
constexpr std::int64_t kFirstPrintable = 32;

const std::array<KeyFilterRow, 10>& KeyFilterRows() {
    static const std::array<KeyFilterRow, 10> rows{{
        {F::raw,
         kPeriod,
         ClearingRule::RawScore,
         {F::gre, F::z, F::t, F::nce, F::wechsler, F::percentile, F::agct}},
        {F::rawmean,
         kPeriod,
         ClearingRule::OtherFields,
         {F::raw, F::gre, F::rawsd, F::z, F::t, F::nce, F::wechsler, F::percentile, F::agct}},
        {F::rawsd,
         kPeriod,
         ClearingRule::OtherFields,
         {F::raw, F::rawmean, F::gre, F::z, F::t, F::nce, F::wechsler, F::percentile, F::agct}},
        {F::z,
         kPeriodAndMinus,
         ClearingRule::StandardScore,
         {F::raw, F::rawmean, F::rawsd, F::gre, F::t, F::nce, F::wechsler, F::percentile, F::agct}},
        {F::t,
         kNone,
         ClearingRule::StandardScore,
         {F::raw, F::rawmean, F::rawsd, F::z, F::gre, F::nce, F::wechsler, F::percentile, F::agct}},
        {F::wechsler,
         kNone,
         ClearingRule::StandardScore,
         {F::raw, F::rawmean, F::rawsd, F::z, F::t, F::nce, F::gre, F::percentile, F::agct}},
        {F::nce,
         kNone,
         ClearingRule::StandardScore,
         {F::raw, F::rawmean, F::rawsd, F::z, F::t, F::gre, F::wechsler, F::percentile, F::agct}},
        {F::gre,
         kNone,
         ClearingRule::StandardScore,
         {F::raw, F::rawmean, F::rawsd, F::z, F::t, F::nce, F::wechsler, F::percentile, F::agct}},
        {F::percentile,
         kNone,
         ClearingRule::StandardScore,
         {F::raw, F::rawmean, F::rawsd, F::z, F::t, F::nce, F::wechsler, F::gre, F::agct}},
        {F::agct,
         kPeriod,
         ClearingRule::StandardScore,
         {F::raw, F::rawmean, F::rawsd, F::z, F::t, F::gre, F::wechsler, F::percentile, F::nce}},
    }};
    return rows;
}

bool FormHoldsResults() {
    return framework::StrComp(Module1::dirty, "yes") == 0;
}

bool AppliesClearing(ClearingRule rule, std::int64_t code) {
    const bool erasing = code == kDelete || code == kBackspace;
    switch (rule) {
    case ClearingRule::RawScore:
        return erasing || FormHoldsResults();
    case ClearingRule::OtherFields:
    case ClearingRule::StandardScore:
        return erasing && FormHoldsResults();
    }
    return false;
}

void ApplyClearing(ScoreForm& form, const KeyFilterRow& row) {
    for (ScoreField emptied : row.emptied) {
        form.SetText(emptied, "");
    }
}

} // namespace

const KeyFilterRow& KeyFilterFor(ScoreField field) {
    const auto& rows = KeyFilterRows();
    return *std::find_if(rows.begin(), rows.end(),
                         [field](const KeyFilterRow& row) { return row.field == field; });
}

bool ScoreKeyFilter(std::string_view key, std::string_view extraKeys) {
    if (framework::StrComp(key, "0") >= 0 && framework::StrComp(key, "9") <= 0) {
        return true;
    }
    const std::int64_t code = framework::Asc(key);
    if (code < kFirstPrintable || code == kDelete) {
        return true;
    }
    return std::any_of(extraKeys.begin(), extraKeys.end(),
                       [code](char extra) { return code == extra; });
}

bool FilterKey(ScoreForm& form, ScoreField field, std::string_view key) {
    const KeyFilterRow& row = KeyFilterFor(field);
    if (AppliesClearing(row.rule, framework::Asc(key))) {
        ApplyClearing(form, row);
    }
    if (ScoreKeyFilter(key, row.extraKeys)) {
        return false;
    }
    framework::Beep();
    return true;
}

void ClearAfterEdit(ScoreForm& form, ScoreField field) {
    const KeyFilterRow& row = KeyFilterFor(field);
    if (row.rule == ClearingRule::StandardScore && FormHoldsResults()) {
        ApplyClearing(form, row);
    }
}

} // namespace conversion
