#pragma once

// The key filters of the converter form's ten fields. Each key first applies its field's
// clearing rule: once a calculation has filled the form, Backspace or Delete in one field
// empties the others, so that the form holds only the value being edited (the raw-score field
// has a rule of its own). Then ScoreKeyFilter lets digits, control keys, Delete and the field's
// extra keys through; any other key beeps and is dropped.

#include "conversion/core/ScoreForm.h"

#include <string_view>
#include <vector>

namespace conversion {

enum class ClearingRule {
    // Backspace or Delete, or any key while the form holds results: empty the standard scores.
    RawScore,
    // Backspace or Delete while the form holds results: empty every other field.
    OtherFields,
};

struct KeyFilterRow {
    ScoreField field;
    // The character codes admitted besides digits, control characters and Delete.
    std::string_view extraKeys;
    ClearingRule rule;
    // The fields the clearing rule empties, in this order.
    std::vector<ScoreField> emptied;
    bool hidesBoundNote;
};

const KeyFilterRow& KeyFilterFor(ScoreField field);

// Whether the key reaches a field that admits the extra keys besides digits, control keys and
// Delete.
bool ScoreKeyFilter(std::string_view key, std::string_view extraKeys);

// The field's clearing rule, then ScoreKeyFilter; a refused key beeps. True consumes the key.
bool FilterKey(ScoreForm& form, ScoreField field, std::string_view key);

} // namespace conversion
