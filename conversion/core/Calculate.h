#pragma once

#include "conversion/core/ScoreForm.h"

#include <string_view>

namespace conversion {

inline constexpr std::string_view kNoInputMessage =
    "Enter all 3 raw scores to calculate standard scores. Or, enter 1 standard score to convert "
    "to other standard scores.";
inline constexpr std::string_view kRawSDMessage =
    "The raw score sd must be a finite number greater than 0.";
inline constexpr std::string_view kRawNotFiniteMessage =
    "The raw score and its mean must be finite numbers.";

// One press of Calculate. With all three raw fields filled it converts the raw score; otherwise
// it converts from the last filled standard field. A field it reads must hold a number and
// nothing else (a result's own mark aside). The results are clamped into their scales' ranges,
// marked "*" where pulled and written into the seven standard fields; Module1::dirty becomes
// "yes" last. A press that shows a message writes nothing and leaves Module1::dirty as it was.
void Calculate(ScoreForm& form);

// Whether a standard field shows a result marked "*". The range note explains the mark, so it
// shows exactly while this holds, whatever changed the fields.
bool ShowsMarkedResult(const ScoreForm& form);

} // namespace conversion
