#pragma once

// The invariants of the converter form under random use, followed from one action to the next:
// each field holds only what its key filter lets in unless text was pasted or calculated into it
// since it was last empty, the range note shows exactly when the last successful press marked
// the percentile and no erase key or edit in a standard score that hides it came after, the
// calculated state is "", "yes" or "no", a press shows only its own
// messages, and the windows answer as the action asked.

#include "tests/shell/RandomUseActions.h"

#include <array>
#include <string>
#include <vector>

namespace randomuse {

class FormWatch {
public:
    // How often the run reached the states that the invariants are about; a run that never
    // reached one of them proves nothing about it.
    struct Tally {
        int calculations = 0;
        int markedPercentiles = 0;
        int refusedPresses = 0;
        int notesHiddenByEdits = 0;
        int unfilteredTexts = 0;
        int aboutDismissals = 0;
    };
    const Tally& Reached() const { return tally_; }

    // "" when the form and the windows are sound after the action; otherwise what broke.
    std::string Check(const Action& action, const std::string& dirtyBefore,
                      const std::vector<std::string>& messages);

private:
    // What may have reached a field since it was last empty.
    enum class Source { Typed, Computed, Unfiltered };

    void Follow(const Action& action, const std::string& dirtyBefore, bool noMessage);
    std::string CheckFields();
    std::string CheckWindows(const Action& action);

    std::array<Source, kFieldCount> sources_{};
    // The texts at the last check.
    std::array<std::string, kFieldCount> texts_{};
    bool noteShown_ = false;
    bool calculated_ = false;
    Tally tally_;
};

// The ten fields' texts, the calculated state and the range note, for a failure's report.
std::string FormState();

} // namespace randomuse
