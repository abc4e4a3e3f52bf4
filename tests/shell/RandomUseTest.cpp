// A hundred thousand actions of a user who tries everything, on the whole program as it starts
// and runs its own event loop. Each action comes from that loop, as a user's would, and before
// the next one the form must still hold only what its key filters let in (or what was pasted or
// calculated into it), the range note must follow the last calculation, the calculated state
// must be one of its three values, and the program must still be running. A failing run names
// its seed, the action and the actions before it, so that it can be played again.

#include "conversion/core/Module1.h"
#include "conversion/window/ControlWnd.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Timer.h"
#include "shell/AboutWnd.h"
#include "shell/Startup.h"
#include "tests/shell/RandomUseActions.h"
#include "tests/shell/RandomUseWatch.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QTimer>
#include <QtGlobal>
#include <deque>
#include <iostream>
#include <sstream>

namespace {

using randomuse::Action;
using randomuse::FormState;
using randomuse::FormWatch;

constexpr std::uint32_t kSeed = 20250117;
constexpr int kActions = 100000;
constexpr std::size_t kLogLength = 20;

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
              << reached.refusedPresses << " refused presses, " << reached.notesHiddenByEdits
              << " notes hidden by an erase key or an edit, " << reached.unfilteredTexts
              << " checks of pasted text passed over, " << reached.aboutDismissals
              << " About windows dismissed\n";
    EXPECT_GT(reached.calculations, 0);
    EXPECT_GT(reached.markedPercentiles, 0);
    EXPECT_GT(reached.refusedPresses, 0);
    EXPECT_GT(reached.notesHiddenByEdits, 0);
    EXPECT_GT(reached.unfilteredTexts, 0);
    EXPECT_GT(reached.aboutDismissals, 0);
}

} // namespace
