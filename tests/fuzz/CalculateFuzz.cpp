// One press of Calculate on ten arbitrary field texts, one per line of the input (raw, mean, SD,
// then z to percentile). A press either shows exactly one message and changes nothing, or writes
// seven results, each a signed decimal inside its scale's range with a "*" exactly when it sits
// on a bound it was pulled to; Module1::dirty only ever holds "", "no" or "yes".

#include "conversion/core/Calculate.h"
#include "conversion/core/Module1.h"
#include "framework/core/text/Characters.h"
#include "framework/core/text/NumberText.h"
#include "tests/fuzz/FuzzCheck.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using conversion::ScoreField;
using conversion::ScoreScale;
using conversion::ScoreTexts;

constexpr std::array<ScoreScale, 7> kStandardScales{
    ScoreScale::z,    ScoreScale::t,    ScoreScale::wechsler,  ScoreScale::nce,
    ScoreScale::ceeb, ScoreScale::agct, ScoreScale::percentile};

constexpr std::array<std::string_view, 3> kDirtyStates{"", "no", "yes"};

using Texts = std::array<std::string, conversion::kFieldCount>;

Texts TextsOf(const ScoreTexts& form) {
    Texts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = form.Text(static_cast<ScoreField>(i));
    }
    return texts;
}

std::string Described(const Texts& texts) {
    std::string out = "fields";
    for (const std::string& text : texts) {
        out += " " + fuzz::Quoted(text);
    }
    return out;
}

// A result reads back inside its scale's range, since rounding to the pattern cannot cross a
// bound that is itself a number of the pattern; a mark means the result sits on a bound.
void CheckResult(ScoreScale scale, std::string_view text, const std::string& described) {
    const auto& row = conversion::ScaleTable::StandardRow(scale);
    const bool marked = text.ends_with('*');
    const std::string_view number = marked ? text.substr(0, text.size() - 1) : text;
    fuzz::Require(fuzz::IsSignedDecimal(number, true),
                  "a result is not a signed decimal with at most one mark:",
                  fuzz::Quoted(text) + " from " + described);
    const double value = framework::Val(number);
    fuzz::Require(
        row.scaleMin <= value && value <= row.scaleMax,
        "a result lies outside its scale's range:", fuzz::Quoted(text) + " from " + described);
    fuzz::Require(!marked || value == row.scaleMin || value == row.scaleMax,
                  "a marked result is not on a bound:", fuzz::Quoted(text) + " from " + described);
}

void CheckRefusal(const ScoreTexts& form, const Texts& before, std::string_view dirtyBefore,
                  const std::string& described) {
    fuzz::Require(form.Messages().size() == 1,
                  "a refused press showed more than one message:", described);
    fuzz::Require(TextsOf(form) == before, "a refused press changed a field:", described);
    fuzz::Require(Module1::dirty == dirtyBefore,
                  "a refused press changed Module1::dirty:", described);
    fuzz::Require(!form.BoundNoteVisible(), "a refused press showed the range note:", described);
}

void CheckSuccess(const ScoreTexts& form, const Texts& before, const std::string& described) {
    fuzz::Require(Module1::dirty == "yes", "a successful press left Module1::dirty as",
                  Module1::dirty + " from " + described);
    const Texts after = TextsOf(form);
    for (std::size_t i = 0; i < 3; ++i) {
        fuzz::Require(after[i] == before[i], "a press wrote a raw field:", described);
    }
    for (const ScoreScale scale : kStandardScales) {
        CheckResult(scale, form.Text(conversion::ScaleTable::StandardRow(scale).field), described);
    }
    const std::string& percentile = form.Text(ScoreField::percentile);
    fuzz::Require(form.BoundNoteVisible() == percentile.ends_with('*'),
                  "the range note does not follow the percentile's mark:", described);
}

// The raw fields are read and never written, so pressing again on the raw road repeats itself.
void CheckRawRoadRepeats(ScoreTexts& form, const std::string& described) {
    const Texts first = TextsOf(form);
    conversion::Calculate(form);
    fuzz::Require(TextsOf(form) == first,
                  "a second press on the raw road changed the results:", described);
}

// Filled as the command counts it: at least one character.
bool RawRoad(const Texts& texts) {
    return framework::Len(texts[0]) != 0 && framework::Len(texts[1]) != 0 &&
           framework::Len(texts[2]) != 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = fuzz::SplitLines(fuzz::Bytes(data, size), 10);
    ScoreTexts form;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        form.SetText(static_cast<ScoreField>(i), lines[i]);
    }
    const std::string_view dirtyBefore = kDirtyStates[size % kDirtyStates.size()];
    Module1::dirty = dirtyBefore;
    const Texts before = TextsOf(form);
    const std::string described = Described(before);

    conversion::Calculate(form);
    if (!form.Messages().empty()) {
        CheckRefusal(form, before, dirtyBefore, described);
        return 0;
    }
    CheckSuccess(form, before, described);
    if (RawRoad(before)) {
        CheckRawRoadRepeats(form, described);
    }
    return 0;
}
