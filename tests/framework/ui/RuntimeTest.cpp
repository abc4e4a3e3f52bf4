// The event loop and its exit status, menu and dialog fonts, timers.

#include "framework/ui/Runtime.h"

#include "conversion/window/ControlWnd.h"
#include "framework/ui/Appearance.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Timer.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QTest>
#include <chrono>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

class RuntimeTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        framework::RuntimeInit(arguments_.argc, arguments_.argv);
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        GuiTest::TearDown();
    }

    guitest::ProgramArguments arguments_;
};

// An escaped exception is reported once, in a box and on stderr, and ends the loop with status 1.
TEST_F(RuntimeTest, LoopEndsWithTheCodeGivenToQuitOrOneAfterAnEscapedException) {
    const std::pair<std::function<void()>, int> cases[] = {
        {[] { framework::Quit(3); }, 3},
        {[] { throw std::runtime_error("lost"); }, 1},
    };
    std::ostringstream stderrLines;
    std::streambuf* const realStderr = std::cerr.rdbuf(stderrLines.rdbuf());
    for (const auto& [launch, status] : cases) {
        framework::RuntimeInit(arguments_.argc, arguments_.argv);
        int launched = 0;
        framework::RunFrameworkInitialization([&launched, &launch] {
            ++launched;
            launch();
        });
        framework::RuntimeRun();
        EXPECT_EQ(launched, 1);
        EXPECT_EQ(framework::RuntimeExit(), status);
    }
    std::cerr.rdbuf(realStderr);
    EXPECT_EQ(stderrLines.str(), "Quorvane: unhandled exception: lost\n");
    EXPECT_EQ(TakeMessages(),
              std::vector<std::string>{
                  "An unexpected error occurred, and Quorvane has to close.\n\nlost"});
}

// Menus and message boxes, which no list sets, show the family of the windows' "System" text.
// Desktops match the windows to the installed desktop entry by its name.
TEST_F(RuntimeTest, MenusAndDialogsShowTheSystemFamilyAndWindowsNameTheDesktopEntry) {
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "quorvane");
    QWidget label;
    framework::SetFontName(label, "System");
    const std::string family = QFontInfo(label.font()).family().toStdString();
    for (const char* className : {"QMenu", "QMenuBar", "QMessageBox"}) {
        EXPECT_EQ(QFontInfo(QApplication::font(className)).family().toStdString(), family)
            << className;
    }
}

// A timer of a window being shown counts its whole period from when the window is on screen: a
// slow start would otherwise shorten it, and a coarse timer, started just past one of the round
// boundaries it moves its timeouts to, would fire up to a twentieth of it early.
TEST_F(RuntimeTest, OneShotTimerCountsItsWholePeriodFromItsWindowOnScreen) {
    using namespace std::chrono;
    ControlWnd().Show();
    framework::Timer timer(ControlWnd());
    QElapsedTimer onScreen;
    qint64 firedAfter = -1;
    timer.BindAction([&](framework::Timer&) { firedAfter = onScreen.elapsed(); });
    timer.SetPeriod(1000);
    timer.SetRunMode(1);
    const auto sinceBoot = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    std::this_thread::sleep_for(milliseconds(1525 - sinceBoot.count() % 500));
    onScreen.start();
    ASSERT_TRUE(QTest::qWaitFor([&firedAfter] { return firedAfter >= 0; }, 2000));
    EXPECT_GE(firedAfter, 1000);
}

} // namespace
