// The program's start-up in its order, its one window after launch, its ends, and what happens to
// an exception on the way.

#include "shell/Startup.h"

#include "conversion/core/Module1.h"
#include "conversion/window/ControlWnd.h"
#include "framework/core/runtime/FileTypeRegistry.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/Timer.h"
#include "shell/AboutWnd.h"
#include "shell/Attribution.h"
#include "shell/FileTypes.h"
#include "shell/HandleAboutMenu.h"
#include "shell/Menu.h"
#include "tests/shell/StartupFixture.h"

#include <algorithm>

namespace {

using startuptest::RunWholeProgram;

// Stands in the registry under a window's name, so that asking for that window fails as a
// failing framework call does: with the framework's exception.
template <const std::string_view& Name> class ImpostorWnd : public framework::Window {
public:
    static constexpr std::string_view kClassName = Name;
    static void Register() {
        framework::ConstructImplicitWindow(framework::WindowFactory::Make<ImpostorWnd>());
    }

private:
    friend class framework::WindowFactory;
    ImpostorWnd() : Window(std::string(kClassName), Events()) {}
    static const framework::WindowEventTable& Events() {
        static const framework::WindowEventTable table;
        return table;
    }
};

long Registrations(std::string_view fileTypeName) {
    const auto& types = framework::RegisteredFileTypes();
    return std::count_if(types.begin(), types.end(),
                         [fileTypeName](const auto& type) { return type.name == fileTypeName; });
}

using StartupTest = guitest::GuiTest;

TEST_F(StartupTest, GlobalsStartAfreshAndEarlyStepsAreDoneBeforeTheSplash) {
    Module1::dirty = "yes";
    const auto earlierBar = Menu();
    int argc = 1;
    char name[] = "quorvane";
    char* argv[] = {name, nullptr};
    StartRuntime(argc, argv);
    EXPECT_EQ(Module1::dirty, "");
    EXPECT_EQ(Menu::implicitInstance, nullptr);
    EXPECT_TRUE(FileTypes::pAllFileTypes.empty());
    framework::Application::SetSupportsHiDPI(false);
    const long textTypesBefore = Registrations("text");

    StartUp();

    EXPECT_TRUE(framework::Application::SupportsHiDPI());
    EXPECT_EQ(Registrations("text"), textTypesBefore + 1);
    ASSERT_EQ(FileTypes::pAllFileTypes.size(), 2u);
    const HandleAboutMenu& app = App();
    EXPECT_EQ((std::vector<std::int64_t>{app.MajorVersion(), app.MinorVersion(), app.BugVersion(),
                                         app.NonReleaseVersion(), app.StageCode()}),
              (std::vector<std::int64_t>{3, 0, 0, 0, 3}));
    EXPECT_EQ(app.LongVersion(), kAttributionLine);
    EXPECT_EQ(app.ShortVersion(), "Quorvane");
    EXPECT_EQ(app.PackageInfo(), "Quorvane");
    EXPECT_NE(app.MenuBar(), earlierBar);
    EXPECT_EQ(app.MenuBar(), Menu::implicitInstance);
    EXPECT_NE(app.BoundMenuHandlers().Find("AboutWYB"), nullptr);
    EXPECT_NE(app.BoundMenuHandlers().Find("AboutMenuItem"), nullptr);
    EXPECT_EQ(framework::GetImplicitWindow(AboutWnd::kClassName), nullptr)
        << "the splash waits until launching has finished";
    EXPECT_TRUE(startuptest::ProcessEventsUntil(
        [] { return framework::GetImplicitWindow(AboutWnd::kClassName) != nullptr; }));
    FinishRuntime();
}

TEST_F(StartupTest, SplashIsTheOnlyWindowAtLaunchAndClosingTheConverterEndsWithZero) {
    const long textTypesBefore = Registrations("text");
    const int status = RunWholeProgram([] {
        EXPECT_EQ(startuptest::VisibleWindows(),
                  std::vector<QWidget*>{AboutWnd().TopLevelWidget()});
        EXPECT_EQ(framework::GetImplicitWindow(ControlWnd::kClassName), nullptr);
        framework::FirePendingTimers();
        ControlWnd().Close();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(framework::GetAppObject(), nullptr) << "the finalisers release the application";
    EXPECT_EQ(framework::GetImplicitWindow(AboutWnd::kClassName), nullptr);
    EXPECT_EQ(Registrations("text"), textTypesBefore) << "the run's types are withdrawn as it ends";
}

// In a handler at run time and in the launch itself: the report names the failure and ends the
// loop with a failure status, and the finalisers still release the application and the windows.
TEST_F(StartupTest, EscapedExceptionIsReportedAndTheProgramStillFinalises) {
    const struct {
        std::string_view missingWindow;
        std::function<void()> beforeLaunch;
        std::function<void()> inTheLoop;
    } cases[] = {
        {ControlWnd::kClassName, [] {},
         [] {
             ImpostorWnd<ControlWnd::kClassName>::Register();
             framework::FirePendingTimers();
         }},
        {AboutWnd::kClassName, ImpostorWnd<AboutWnd::kClassName>::Register, [] {}},
    };
    for (const auto& [missingWindow, beforeLaunch, inTheLoop] : cases) {
        beforeLaunch();
        const int status = RunWholeProgram(inTheLoop);

        EXPECT_NE(status, 0) << missingWindow;
        EXPECT_NE(status, startuptest::kLeftRunning) << "the report ends the event loop";
        const auto messages = TakeMessages();
        ASSERT_EQ(messages.size(), 1u) << missingWindow;
        EXPECT_NE(messages[0].find(std::string(missingWindow)), std::string::npos) << messages[0];
        EXPECT_EQ(framework::GetAppObject(), nullptr);
        EXPECT_EQ(framework::GetImplicitWindow(missingWindow), nullptr);
    }
}

} // namespace
