#include "tests/shell/StartupFixture.h"

#include "conversion/window/ControlWnd.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Runtime.h"
#include "shell/AboutWnd.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace startuptest {
namespace {

constexpr int kPatienceMilliseconds = 1000;

struct ProgramArguments {
    int argc = 1;
    char name[9] = "quorvane";
    char* argv[2] = {name, nullptr};
};

} // namespace

std::vector<QWidget*> VisibleWindows() {
    std::vector<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            windows.push_back(widget);
        }
    }
    return windows;
}

bool ProcessEventsUntil(const std::function<bool()>& condition) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.hasExpired(kPatienceMilliseconds)) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

int RunWholeProgram(const std::function<void()>& scenario) {
    QTimer splashWatch;
    QTimer leftRunning;
    leftRunning.setSingleShot(true);
    QObject::connect(&leftRunning, &QTimer::timeout, [] { framework::Quit(kLeftRunning); });
    QObject::connect(&splashWatch, &QTimer::timeout, [&] {
        if (framework::GetImplicitWindow(AboutWnd::kClassName) == nullptr) {
            return;
        }
        splashWatch.stop();
        scenario();
        leftRunning.start(kPatienceMilliseconds);
    });
    splashWatch.start(0);
    ProgramArguments arguments;
    return RunProgram(arguments.argc, arguments.argv);
}

void LaunchedTest::SetUp() {
    GuiTest::SetUp();
    ProgramArguments arguments;
    StartRuntime(arguments.argc, arguments.argv);
    StartUp();
    ASSERT_TRUE(ProcessEventsUntil([] {
        return framework::GetImplicitWindow(AboutWnd::kClassName) != nullptr;
    })) << "the splash never came up";
}

void LaunchedTest::TearDown() {
    FinishRuntime();
    GuiTest::TearDown();
}

void LaunchedTest::WaitForActiveConverter() {
    ASSERT_TRUE(ProcessEventsUntil([] {
        const auto* converter = framework::GetImplicitWindow(ControlWnd::kClassName);
        return converter != nullptr && converter->IsActive();
    })) << "the converter window never became active";
}

} // namespace startuptest
