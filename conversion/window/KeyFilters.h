#pragma once

// The key filters of the converter form's ten fields. Each key first applies its field's
// clearing rule: once a calculation has filled the form, Backspace or Delete in one field
// empties the others, so that the form holds only the value being edited (the raw-score field
// has a rule of its own, and in the seven standard scores any edit of the text does it). Then
// ScoreKeyFilter lets digits, control keys, Delete and the field's extra keys through; any other
// key beeps and is dropped.

#include "conversion/core/ScoreForm.h"

#include <string_view>
#include <vector>

namespace conversion {

enum class ClearingRule {
    // Backspace or Delete, or any key while the form holds results: empty the standard scores.
    RawScore,
    // Backspace or Delete while the form holds results: empty every other field.
    OtherFields,
    // As OtherFields, and also any edit that changes the text while the form holds results, so
    // that a score typed or pasted over a result is the one that the next press converts.
    StandardScore,
};

struct KeyFilterRow {
    ScoreField field;
    // The character codes admitted besides digits, control characters and Delete.
    std::string_view extraKeys;
    ClearingRule rule;
    // The fields the clearing rule empties, in this order.
    std::vector<ScoreField> emptied;
};

const KeyFilterRow& KeyFilterFor(ScoreField field);

// Whether the key reaches a field that admits the extra keys besides digits, control keys and
// Delete.
bool ScoreKeyFilter(std::string_view key, std::string_view extraKeys);

// The field's clearing rule, then ScoreKeyFilter; a refused key beeps. True consumes the key.
bool FilterKey(ScoreForm& form, ScoreField field, std::string_view key);

// After an edit that changed the field's text (a key let through, a paste, a cut, a drop, an
// undo): the field's clearing rule when it is a standard score and the form holds results.
void ClearAfterEdit(ScoreForm& form, ScoreField field);

} // namespace conversion
