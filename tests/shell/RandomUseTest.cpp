// A hundred thousand actions of a user who tries everything, on the whole program as it starts
// and runs its own event loop. Each action comes from that loop, as a user's would, and before
// the next one the form must still hold only what its key filters let in (or what was pasted or
// calculated into it), the range note must follow the last calculation, the calculated state
// must be one of its three values, and the program must still be running. A failing run names
// its seed, the action and the actions before it, so that it can be played again.

#include "conversion/ControlWnd.h"
#include "conversion/core/Module1.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Label.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Timer.h"
#include "shell/AboutWnd.h"
#include "shell/DescriptionWnd.h"
#include "shell/Startup.h"
#include "tests/shell/RandomUseActions.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QTimer>
#include <QtGlobal>
#include <algorithm>
#include <deque>
#include <iostream>
#include <sstream>

namespace {

using randomuse::Action;
using randomuse::ConverterField;
using randomuse::kFieldCount;
using randomuse::kFieldNames;

constexpr std::uint32_t kSeed = 20250117;
constexpr int kActions = 100000;
constexpr std::size_t kLogLength = 20;

// What may have reached a field since it was last empty.
enum class Source { Typed, Computed, Unfiltered };

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

// Follows the form through the actions and says which invariant an action broke.
class FormWatch {
public:
    // How often the run reached the states that the invariants are about; a run that never
    // reached one of them proves nothing about it.
    struct Tally {
        int calculations = 0;
        int markedPercentiles = 0;
        int refusedPresses = 0;
        int notesHiddenByKeys = 0;
        int unfilteredTexts = 0;
        int aboutDismissals = 0;
    };
    const Tally& Reached() const { return tally_; }

    // "" when the form and the windows are sound after the action.
    std::string Check(const Action& action, const std::string& dirtyBefore,
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

private:
    static std::string CheckMessages(const Action& action,
                                     const std::vector<std::string>& messages) {
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

    void Follow(const Action& action, const std::string& dirtyBefore, bool noMessage) {
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
        const bool erasedAfterCalculation = action.erasedField && dirtyBefore == "yes" &&
                                            *action.erasedField >= kFirstStandardField &&
                                            *action.erasedField <= kPercentileField;
        if (action.pressedClear || erasedAfterCalculation) {
            tally_.notesHiddenByKeys += erasedAfterCalculation && noteShown_ ? 1 : 0;
            noteShown_ = false;
        }
    }

    std::string CheckFields() {
        if (calculated_ && Module1::dirty != "yes") {
            return "a successful press left the calculated state \"" + Module1::dirty + "\"";
        }
        calculated_ = false;
        for (std::size_t index = 0; index < kFieldCount; ++index) {
            const std::string text = ConverterField(index).Text();
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

    std::string CheckWindows(const Action& action) {
        if (ControlWnd().IsActive() && AboutWnd().Visible()) {
            return "the About window shows while the converter window is active";
        }
        if (action.dismissedAbout && AboutWnd().Visible()) {
            return "the About window stayed on screen";
        }
        tally_.aboutDismissals += action.dismissedAbout ? 1 : 0;
        const framework::Window* description =
            framework::GetImplicitWindow(DescriptionWnd::kClassName);
        if (action.clickedInfo && (description == nullptr || !description->Visible())) {
            return "the info picture did not show the description window";
        }
        return "";
    }

    std::array<Source, kFieldCount> sources_{};
    bool noteShown_ = false;
    bool calculated_ = false;
    Tally tally_;
};

// The last actions, numbered, for the report of a failing run.
class ActionLog {
public:
    void Add(int number, const std::string& description) {
        entries_.push_back("#" + std::to_string(number) + " " + description);
        if (entries_.size() > kLogLength) {
            entries_.pop_front();
        }
    }
    std::string Text() const {
        std::string text;
        for (const std::string& entry : entries_) {
            text += "  " + entry + "\n";
        }
        return text;
    }

private:
    std::deque<std::string> entries_;
};

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

// Another seed plays a different run: QUORVANE_RANDOM_SEED=<number>.
std::uint32_t SeedOfThisRun() {
    bool given = false;
    const int seed = qEnvironmentVariableIntValue("QUORVANE_RANDOM_SEED", &given);
    return given ? static_cast<std::uint32_t>(seed) : kSeed;
}

struct ProgramArguments {
    int argc = 1;
    char name[9] = "quorvane";
    char* argv[2] = {name, nullptr};
};

// The offscreen platform notes every window brought to the front; thousands of those notes
// would bury the report of a failure.
QtMessageHandler& PassedOnHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

void WithoutPlatformNotes(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (!message.startsWith("This plugin does not support")) {
        PassedOnHandler()(type, context, message);
    }
}

class RandomUseTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        CancelPrinterDialogs();
        PassedOnHandler() = qInstallMessageHandler(WithoutPlatformNotes);
    }
    void TearDown() override {
        qInstallMessageHandler(PassedOnHandler());
        GuiTest::TearDown();
    }
};

TEST_F(RandomUseTest, FormStaysSoundThroughAHundredThousandRandomActions) {
    const std::uint32_t seed = SeedOfThisRun();
    randomuse::RandomUser user(seed);
    FormWatch watch;
    ActionLog log;
    int done = 0;
    bool handedOver = false;
    bool closedByTheRun = false;
    std::string failure;
    Action last;
    std::string dirtyBefore;

    // One action in each turn of the program's event loop, after what the last one queued.
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
        if (!handedOver) {
            handedOver = framework::GetImplicitWindow(AboutWnd::kClassName) != nullptr &&
                         framework::FirePendingTimers() > 0;
            return;
        }
        // What the last action asked of the platform (a window to the front) arrives first.
        QApplication::processEvents();
        if (done > 0) {
            failure = watch.Check(last, dirtyBefore, TakeMessages());
        }
        if (done == kActions || !failure.empty()) {
            turns.stop();
            closedByTheRun = true;
            if (!failure.empty()) {
                failure += "\nthe form after it:\n" + FormState();
            }
            ControlWnd().Close();
            return;
        }
        dirtyBefore = Module1::dirty;
        last = user.Act();
        log.Add(++done, last.description);
    });
    turns.start(0);
    ProgramArguments arguments;
    const int status = RunProgram(arguments.argc, arguments.argv);

    std::ostringstream report;
    report << "seed " << seed << ", action " << done << " of " << kActions << ", last actions:\n"
           << log.Text();
    EXPECT_TRUE(failure.empty()) << failure << "\n" << report.str();
    EXPECT_TRUE(closedByTheRun) << "the program quit by itself\n" << report.str();
    EXPECT_EQ(status, 0) << report.str();
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{}) << report.str();
    const FormWatch::Tally& reached = watch.Reached();
    std::cout << "seed " << seed << ": " << done << " actions, " << reached.calculations
              << " calculations (" << reached.markedPercentiles << " marked the percentile), "
              << reached.refusedPresses << " refused presses, " << reached.notesHiddenByKeys
              << " notes hidden by an erase key, " << reached.unfilteredTexts
              << " checks of pasted text passed over, " << reached.aboutDismissals
              << " About windows dismissed\n";
    EXPECT_GT(reached.calculations, 0);
    EXPECT_GT(reached.markedPercentiles, 0);
    EXPECT_GT(reached.refusedPresses, 0);
    EXPECT_GT(reached.notesHiddenByKeys, 0);
    EXPECT_GT(reached.unfilteredTexts, 0);
    EXPECT_GT(reached.aboutDismissals, 0);
}

} // namespace
