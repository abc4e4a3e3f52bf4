// One press of Calculate on ten field texts, one per line of the input (raw, mean, SD, then z to
// percentile). A refused press shows one message and changes nothing. Otherwise the raw fields
// stay, Module1::dirty is "yes", each of the seven results is a signed decimal inside its scale's
// range with a "*" only on a bound it was pulled to, and on the raw road a second press repeats
// the first. Before and after, the range note shows exactly when a standard score ends in "*",
// blanks aside.

#include "conversion/core/Calculate.h"
#include "conversion/core/Module1.h"
#include "framework/core/text/NumberText.h"
#include "tests/fuzz/Harness.h"

#include <algorithm>
#include <array>

namespace {

using conversion::ScoreField;

// A "*" with nothing but blanks after it.
bool EndsInAMark(const std::string& text) {
    const std::size_t mark = text.rfind('*');
    return mark != std::string::npos && text.find_first_not_of(" \t", mark + 1) == text.npos;
}

void RequireTheNoteFollowsTheMarks(const std::vector<std::string>& texts,
                                   const conversion::ScoreTexts& form) {
    fuzz::Require(std::any_of(texts.begin() + 3, texts.end(), EndsInAMark) ==
                      conversion::ShowsMarkedResult(form),
                  "the range note does not follow the marks the fields show");
}

std::vector<std::string> TextsOf(const conversion::ScoreTexts& form) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < conversion::kFieldCount; ++i) {
        texts.push_back(form.Text(static_cast<ScoreField>(i)));
    }
    return texts;
}

} // namespace

void fuzz::Fuzz(std::string_view input) {
    const std::string dirty = std::array{"", "no", "yes"}[input.size() % 3];
    conversion::ScoreTexts form;
    for (std::size_t i = 0; i < conversion::kFieldCount; ++i) {
        const std::size_t end = i + 1 < conversion::kFieldCount ? input.find('\n') : input.npos;
        form.SetText(static_cast<ScoreField>(i), std::string(input.substr(0, end)));
        input.remove_prefix(end == input.npos ? input.size() : end + 1);
    }
    const std::vector<std::string> before = TextsOf(form);
    RequireTheNoteFollowsTheMarks(before, form);
    Module1::dirty = dirty;
    conversion::Calculate(form);
    const std::vector<std::string> after = TextsOf(form);
    if (!form.Messages().empty()) {
        Require(form.Messages().size() == 1 && after == before && Module1::dirty == dirty,
                "a refused press did more than show one message");
        return;
    }
    Require(Module1::dirty == "yes", "a successful press left Module1::dirty unchanged");
    Require(std::equal(before.begin(), before.begin() + 3, after.begin()), "a raw field changed");
    for (int scale = 1; scale < 8; ++scale) {
        const auto& row = conversion::ScaleTable::StandardRow(conversion::ScoreScale(scale));
        const std::string& text = form.Text(row.field);
        const bool marked = text.ends_with('*');
        const std::string number = text.substr(0, text.size() - marked);
        const double value = framework::Val(number);
        Require(IsSignedDecimal(number, true) && row.scaleMin <= value && value <= row.scaleMax &&
                    (!marked || value == row.scaleMin || value == row.scaleMax),
                "a result is no number in its range, or marked off its bounds");
    }
    RequireTheNoteFollowsTheMarks(after, form);
    if (!before[0].empty() && !before[1].empty() && !before[2].empty()) {
        conversion::Calculate(form);
        Require(TextsOf(form) == after, "a second press on the raw road changed the results");
    }
}
