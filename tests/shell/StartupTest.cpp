// The program's start-up in its order, its one window after launch and its ends. The built
// program itself is started by the end-to-end stage.

#include "conversion/core/Module1.h"
#include "framework/core/runtime/FileTypeRegistry.h"
#include "shell/Attribution.h"
#include "shell/FileTypes.h"
#include "shell/HandleAboutMenu.h"
#include "shell/Menu.h"
#include "tests/shell/StartupFixture.h"

#include <algorithm>

namespace {

// How often the text type and the untitled one are registered.
std::pair<long, long> Registrations() {
    const auto& types = framework::RegisteredFileTypes();
    return {std::count(types.begin(), types.end(),
                       framework::FileTypeRegistration{"text", "R*ch", "TEXT", "", ""}),
            std::count(types.begin(), types.end(), framework::FileTypeRegistration{})};
}

using StartupTest = guitest::GuiTest;

TEST_F(StartupTest, GlobalsStartAfreshAndEarlyStepsAreDoneBeforeTheSplash) {
    Module1::dirty = "yes";
    const auto earlierBar = Menu();
    guitest::ProgramArguments arguments;
    StartRuntime(arguments.argc, arguments.argv);
    EXPECT_TRUE(Module1::dirty.empty() && !Menu::implicitInstance && !FileTypes::Text() &&
                !FileTypes::UntitledType() && FileTypes::pAllFileTypes.empty());
    framework::Application::SetSupportsHiDPI(false);
    const auto [texts, untitled] = Registrations();

    StartUp();
    EXPECT_TRUE(framework::Application::SupportsHiDPI());
    EXPECT_EQ(Registrations(), std::pair(texts + 1, untitled + 1));
    EXPECT_EQ(FileTypes::pAllFileTypes,
              (std::vector{FileTypes::Text(), FileTypes::UntitledType()}));
    const HandleAboutMenu& app = App();
    EXPECT_EQ(std::tuple(app.MajorVersion(), app.MinorVersion(), app.BugVersion(),
                         app.NonReleaseVersion(), app.StageCode(), app.LongVersion(),
                         app.ShortVersion() + app.PackageInfo()),
              std::tuple(3, 0, 0, 0, 3, std::string(kAttributionLine), "QuorvaneQuorvane"));
    EXPECT_TRUE(app.MenuBar() != earlierBar && app.MenuBar() == Menu::implicitInstance);
    EXPECT_TRUE(app.IsEventImplemented("EnableMenuItems") && !app.IsEventImplemented("Open"));
    EXPECT_FALSE(startuptest::SplashIsUp()) << "the splash waits until launching has finished";
    EXPECT_TRUE(QTest::qWaitFor(startuptest::SplashIsUp, 1000));
    FinishRuntime();
}

// Closing the converter window ends the program with 0; so does Quit's shortcut, the framework's
// own, from the converter window and from the About window, which carries no bar. The finalisers
// release the application and withdraw the run's file types.
TEST_F(StartupTest, SplashIsTheOnlyWindowAtLaunchAndClosingOrQuittingEndsWithZero) {
    const auto registeredBefore = Registrations();
    for (const std::string end : {"close", "quit", "quit on the splash"}) {
        const int status = startuptest::RunWholeProgram([&end] {
            EXPECT_EQ(startuptest::VisibleWindows(), std::vector{AboutWnd().TopLevelWidget()});
            EXPECT_EQ(framework::GetImplicitWindow(ControlWnd::kClassName), nullptr);
            if (end != "quit on the splash") {
                framework::FirePendingTimers();
            }
            QWidget* front = startuptest::VisibleWindows().front();
            ASSERT_TRUE(QTest::qWaitForWindowActive(front));
            if (end == "close") {
                ControlWnd().Close();
            } else {
                QTest::keyClick(front, Qt::Key_Q, Qt::ControlModifier);
            }
        });
        EXPECT_EQ(status, 0) << end;
        EXPECT_TRUE(framework::GetAppObject() == nullptr && !startuptest::SplashIsUp()) << end;
        EXPECT_EQ(Registrations(), registeredBefore) << end;
    }
}

} // namespace
