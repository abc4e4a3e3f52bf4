// The program's start-up in its order, its one window after launch, its ways to end, and what
// happens to an exception on the way.

#include "shell/Startup.h"

#include "conversion/ControlWnd.h"
#include "conversion/core/Module1.h"
#include "framework/runtime/FileTypeRegistry.h"
#include "framework/ui/Application.h"
#include "framework/ui/ImplicitWindows.h"
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
using startuptest::VisibleWindows;

// Stands in the registry under the name of one of the program's windows, so that asking for that
// window fails the way a failing framework call does: with the framework's exception.
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

using ImpostorConverter = ImpostorWnd<ControlWnd::kClassName>;
using ImpostorAbout = ImpostorWnd<AboutWnd::kClassName>;

class StartupTest : public guitest::GuiTest {
protected:
    int argc_ = 1;
    char name_[9] = "quorvane";
    char* argv_[2] = {name_, nullptr};
};

TEST_F(StartupTest, InitializersGiveTheGlobalsTheirStartingValues) {
    Module1::dirty = "yes";
    FileTypes::pAllFileTypes.push_back(std::make_shared<framework::FileType>());
    FileTypes::pText = std::make_shared<framework::FileType>();
    FileTypes::pUntitledType = std::make_shared<framework::FileType>();
    const auto earlierBar = Menu();

    StartRuntime(argc_, argv_);

    EXPECT_EQ(Module1::dirty, "");
    EXPECT_TRUE(FileTypes::pAllFileTypes.empty());
    EXPECT_EQ(FileTypes::pText, nullptr);
    EXPECT_EQ(FileTypes::pUntitledType, nullptr);
    EXPECT_EQ(Menu::implicitInstance, nullptr);
    EXPECT_NE(Menu(), earlierBar) << "the next request builds a fresh menu bar";
    FinishRuntime();
}

TEST_F(StartupTest, EarlyStepsAreDoneBeforeTheSplashIsMade) {
    StartRuntime(argc_, argv_);
    framework::Application::SetSupportsHiDPI(false);
    const std::size_t registeredBefore = framework::RegisteredFileTypes().size();

    StartUp();

    EXPECT_TRUE(framework::Application::SupportsHiDPI());
    const auto& registered = framework::RegisteredFileTypes();
    ASSERT_EQ(registered.size(), registeredBefore + 2);
    EXPECT_EQ(registered[registeredBefore].name, "text");
    EXPECT_EQ(registered[registeredBefore].macType, "TEXT");
    EXPECT_EQ(registered[registeredBefore].macCreator, "R*ch");
    EXPECT_EQ(registered[registeredBefore + 1].name, "");

    HandleAboutMenu& app = App();
    EXPECT_EQ(app.MajorVersion(), 3);
    EXPECT_EQ(app.MinorVersion(), 0);
    EXPECT_EQ(app.BugVersion(), 0);
    EXPECT_EQ(app.NonReleaseVersion(), 0);
    EXPECT_EQ(app.StageCode(), 3);
    EXPECT_EQ(app.LongVersion(), kAttributionLine);
    EXPECT_EQ(app.ShortVersion(), "Quorvane");
    EXPECT_EQ(app.PackageInfo(), "Quorvane");
    EXPECT_EQ(app.MenuBar(), Menu::implicitInstance);
    EXPECT_NE(app.MenuBar(), nullptr);
    EXPECT_NE(app.BoundMenuHandlers().Find("AboutWYB"), nullptr);
    EXPECT_NE(app.BoundMenuHandlers().Find("AboutMenuItem"), nullptr);
    EXPECT_TRUE(app.IsEventImplemented("EnableMenuItems"));
    EXPECT_FALSE(app.IsEventImplemented("Open"));

    EXPECT_EQ(framework::GetImplicitWindow(AboutWnd::kClassName), nullptr)
        << "the splash waits until launching has finished";
    ASSERT_TRUE(startuptest::ProcessEventsUntil(
        [] { return framework::GetImplicitWindow(AboutWnd::kClassName) != nullptr; }));
    FinishRuntime();
}

TEST_F(StartupTest, RightAfterLaunchTheSplashIsTheOnlyWindow) {
    const int status = RunWholeProgram([] {
        const auto windows = VisibleWindows();
        ASSERT_EQ(windows.size(), 1u);
        EXPECT_EQ(windows[0], AboutWnd().TopLevelWidget());
        EXPECT_EQ(framework::GetImplicitWindow(ControlWnd::kClassName), nullptr);
        framework::Quit(0);
    });
    EXPECT_EQ(status, 0);
}

TEST_F(StartupTest, ClosingTheConverterWindowEndsTheProgramWithStatusZero) {
    const int status = RunWholeProgram([] {
        framework::FirePendingTimers();
        ControlWnd().Close();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(framework::GetAppObject(), nullptr) << "the finalisers release the application";
    EXPECT_EQ(framework::GetImplicitWindow(AboutWnd::kClassName), nullptr);
    const auto& registered = framework::RegisteredFileTypes();
    EXPECT_TRUE(std::none_of(registered.begin(), registered.end(), [](const auto& type) {
        return type.name == "text";
    })) << "the run's file types are withdrawn as it ends";
}

// The report names the failure, ends the loop with a failure status, and the finalisers still
// release the application object and every window.
void ExpectReportedAndFinalised(int status, const std::vector<std::string>& messages,
                                std::string_view missingWindow) {
    EXPECT_NE(status, 0);
    EXPECT_NE(status, startuptest::kLeftRunning) << "the report ends the event loop";
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(std::string(missingWindow)), std::string::npos) << messages[0];
    EXPECT_EQ(framework::GetAppObject(), nullptr);
    EXPECT_EQ(framework::GetImplicitWindow(AboutWnd::kClassName), nullptr);
    EXPECT_EQ(framework::GetImplicitWindow(ControlWnd::kClassName), nullptr);
}

TEST_F(StartupTest, ExceptionInAHandlerIsReportedAndTheProgramStillFinalises) {
    const int status = RunWholeProgram([] {
        ImpostorConverter::Register();
        framework::FirePendingTimers();
    });
    ExpectReportedAndFinalised(status, TakeMessages(), ControlWnd::kClassName);
}

TEST_F(StartupTest, FailureWhileLaunchingIsReportedAndTheProgramStillFinalises) {
    ImpostorAbout::Register();
    const int status = RunWholeProgram([] {});
    ExpectReportedAndFinalised(status, TakeMessages(), AboutWnd::kClassName);
}

} // namespace
