#pragma once

// The program started in this test process as its own main starts it. LaunchedTest brings it up
// to the splash and lets the test drive the event loop; RunWholeProgram runs it through its loop.

#include "conversion/window/ControlWnd.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/Timer.h"
#include "shell/AboutWnd.h"
#include "shell/Startup.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace startuptest {

inline std::vector<QWidget*> VisibleWindows() {
    QWidgetList windows = QApplication::topLevelWidgets();
    windows.removeIf([](const QWidget* window) { return !window->isVisible(); });
    return {windows.begin(), windows.end()};
}

inline bool SplashIsUp() {
    return framework::GetImplicitWindow(AboutWnd::kClassName) != nullptr;
}

// Once the splash is up the scenario runs inside the event loop; a scenario that leaves the loop
// running makes the run end with kLeftRunning.
inline constexpr int kLeftRunning = 99;
inline int RunWholeProgram(const std::function<void()>& scenario) {
    QTimer splashWatch;
    QObject::connect(&splashWatch, &QTimer::timeout, [&] {
        if (SplashIsUp()) {
            splashWatch.stop();
            scenario();
            QTimer::singleShot(1000, &splashWatch, [] { framework::Quit(kLeftRunning); });
        }
    });
    splashWatch.start(0);
    guitest::ProgramArguments arguments;
    return RunProgram(arguments.argc, arguments.argv);
}

class LaunchedTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        guitest::ProgramArguments arguments;
        StartRuntime(arguments.argc, arguments.argv);
        StartUp();
        ASSERT_TRUE(QTest::qWaitFor(SplashIsUp, 1000)) << "the splash never came up";
    }
    void TearDown() override {
        FinishRuntime();
        GuiTest::TearDown();
    }
    static bool ConverterIsActive() {
        return QTest::qWaitFor([] {
            const auto* converter = framework::GetImplicitWindow(ControlWnd::kClassName);
            return converter != nullptr && converter->IsActive();
        });
    }
    // The converter window in front, as the timer's hand-over leaves it.
    static class ControlWnd& HandedOver() {
        framework::FirePendingTimers();
        EXPECT_TRUE(ConverterIsActive());
        return ControlWnd();
    }
    static void TypeAtStart(framework::TextArea& area, const char* keys) {
        area.SetSelStart(0);
        area.SetSelLength(0);
        QTest::keyClicks(area.Widget(), keys);
    }
};

} // namespace startuptest
