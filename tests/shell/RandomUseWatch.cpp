#include "tests/shell/RandomUseWatch.h"

#include "conversion/core/Module1.h"
#include "conversion/window/ControlWnd.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Label.h"
#include "framework/ui/TextField.h"
#include "shell/AboutWnd.h"
#include "shell/DescriptionWnd.h"

#include <algorithm>
#include <sstream>
#include <string_view>

namespace randomuse {
namespace {

constexpr std::string_view kDigits = "0123456789";
// Besides digits, the characters each field's key filter lets in, in field order.
constexpr std::array<std::string_view, kFieldCount> kExtraKeys{".", ".", ".", ".-", "",
                                                               "",  "",  "",  "",   "."};
// A calculated result adds its sign, its point and its mark. Refusing a raw sd that is not
// above 0 and raw values that are not finite leaves no result that is not a number.
constexpr std::string_view kResultCharacters = "+-.*";
constexpr std::size_t kFirstStandardField = 3;
constexpr std::size_t kPercentileField = 8;

// The only message boxes a press may show: no usable input, unusable raw values, or a source
// out of its range.
const std::vector<std::string> kPressMessages{
    "Enter all 3 raw scores to calculate standard scores. Or, enter 1 standard score to convert "
    "to other standard scores.",
    "The raw score sd must be greater than 0.",
    "The raw score and its mean must be finite numbers.",
    "z scores must range from -6.99 to +6.99.",
    "T scores must range from 1 to 99.",
    "Wechsler IQ scores must range from 1 to 199.",
    "NCE scores must range from 1 to 99.",
    "CEEB scores must range from 200 to 800.",
    "AGCT scores must range from 1 to 199.",
    "Percentile scores must range from 1 to 99.",
};

std::string CheckMessages(const Action& action, const std::vector<std::string>& messages) {
    if (messages.empty()) {
        return "";
    }
    if (!action.pressedCalculate || messages.size() > 1) {
        return "unexpected message box \"" + messages.front() + "\"";
    }
    if (std::find(kPressMessages.begin(), kPressMessages.end(), messages.front()) ==
        kPressMessages.end()) {
        return "a press showed \"" + messages.front() + "\"";
    }
    return "";
}

} // namespace

std::string FormWatch::Check(const Action& action, const std::string& dirtyBefore,
                             const std::vector<std::string>& messages) {
    if (framework::GetImplicitWindow(ControlWnd::kClassName) == nullptr) {
        return "the converter window is gone";
    }
    if (std::string error = CheckMessages(action, messages); !error.empty()) {
        return error;
    }
    Follow(action, dirtyBefore, messages.empty());
    if (std::string error = CheckFields(); !error.empty()) {
        return error;
    }
    if (ControlWnd().boundtext().Visible() != noteShown_) {
        return noteShown_ ? "the range note is hidden after a press that marked the percentile"
                          : "the range note shows without a press that marked the percentile";
    }
    if (Module1::dirty != "" && Module1::dirty != "yes" && Module1::dirty != "no") {
        return "the calculated state is \"" + Module1::dirty + "\"";
    }
    return CheckWindows(action);
}

void FormWatch::Follow(const Action& action, const std::string& dirtyBefore, bool noMessage) {
    if (action.unfilteredField) {
        sources_[*action.unfilteredField] = Source::Unfiltered;
    }
    if (action.pressedCalculate && noMessage) {
        std::fill(sources_.begin() + kFirstStandardField, sources_.end(), Source::Computed);
        noteShown_ = ConverterField(kPercentileField).Text().ends_with('*');
        calculated_ = true;
        ++tally_.calculations;
        tally_.markedPercentiles += noteShown_ ? 1 : 0;
    }
    tally_.refusedPresses += action.pressedCalculate && !noMessage ? 1 : 0;
    // The standard scores from z to the percentile hide the note when erased or edited.
    const auto hidesNote = [](std::optional<std::size_t> field) {
        return field && *field >= kFirstStandardField && *field <= kPercentileField;
    };
    const bool edited = hidesNote(action.editedField) &&
                        ConverterField(*action.editedField).Text() != texts_[*action.editedField];
    const bool hiddenByEdit = dirtyBefore == "yes" && (hidesNote(action.erasedField) || edited);
    if (action.pressedClear || hiddenByEdit) {
        tally_.notesHiddenByEdits += hiddenByEdit && noteShown_ ? 1 : 0;
        noteShown_ = false;
    }
}

std::string FormWatch::CheckFields() {
    if (calculated_ && Module1::dirty != "yes") {
        return "a successful press left the calculated state \"" + Module1::dirty + "\"";
    }
    calculated_ = false;
    for (std::size_t index = 0; index < kFieldCount; ++index) {
        const std::string text = ConverterField(index).Text();
        texts_[index] = text;
        if (text.empty()) {
            sources_[index] = Source::Typed;
            continue;
        }
        if (sources_[index] == Source::Unfiltered) {
            ++tally_.unfilteredTexts;
            continue;
        }
        std::string admitted = std::string(kDigits) + std::string(kExtraKeys[index]);
        if (sources_[index] == Source::Computed) {
            admitted += kResultCharacters;
        }
        if (text.find_first_not_of(admitted) != std::string::npos) {
            return std::string(kFieldNames[index]) + " holds \"" + text +
                   "\", which its key filter would not let in";
        }
    }
    return "";
}

std::string FormWatch::CheckWindows(const Action& action) {
    if (ControlWnd().IsActive() && AboutWnd().Visible()) {
        return "the About window shows while the converter window is active";
    }
    if (action.dismissedAbout && AboutWnd().Visible()) {
        return "the About window stayed on screen";
    }
    tally_.aboutDismissals += action.dismissedAbout ? 1 : 0;
    const framework::Window* description = framework::GetImplicitWindow(DescriptionWnd::kClassName);
    if (action.clickedInfo && (description == nullptr || !description->Visible())) {
        return "the info picture did not show the description window";
    }
    return "";
}

std::string FormState() {
    if (framework::GetImplicitWindow(ControlWnd::kClassName) == nullptr) {
        return "no converter window\n";
    }
    std::ostringstream state;
    for (std::size_t index = 0; index < kFieldCount; ++index) {
        state << "  " << kFieldNames[index] << " \"" << ConverterField(index).Text() << "\"\n";
    }
    state << "  dirty \"" << Module1::dirty << "\", range note "
          << (ControlWnd().boundtext().Visible() ? "shown" : "hidden") << "\n";
    return state.str();
}

} // namespace randomuse
