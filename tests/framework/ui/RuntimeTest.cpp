// The event loop, the exit status and the report of an exception that escapes a handler.

#include "framework/ui/Runtime.h"

#include "DemoWnd.h"
#include "framework/ui/Application.h"
#include "tests/support/GuiTest.h"

#include <QTest>
#include <memory>

namespace {

class RuntimeTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Journal() = {};
        framework::RuntimeInit(argc_, argv_);
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        GuiTest::TearDown();
    }

    int argc_ = 1;
    char name_[10] = "quorvane";
    char* argv_[2] = {name_, nullptr};
};

TEST_F(RuntimeTest, QuitEndsTheLoopWithItsCode) {
    for (int code : {0, 3}) {
        framework::RuntimeInit(argc_, argv_);
        int launched = 0;
        framework::RunFrameworkInitialization([&launched, code] {
            ++launched;
            framework::Quit(code);
        });
        framework::RuntimeRun();
        EXPECT_EQ(launched, 1);
        EXPECT_EQ(framework::RuntimeExit(), code);
    }
}

TEST_F(RuntimeTest, EscapedExceptionIsReportedAndEndsTheLoopWithFailure) {
    Journal().throwOnOk = true;
    framework::RunFrameworkInitialization(
        [] { QTest::mouseClick(DemoWnd().OkBtn()->Widget(), Qt::LeftButton); });
    framework::RuntimeRun();

    EXPECT_EQ(Journal().okPresses, 1);
    EXPECT_NE(framework::RuntimeExit(), 0);
    const auto messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("OK pressed on a missing form"), std::string::npos);
}

TEST_F(RuntimeTest, InitializersAndFinalizersRunInOrderOfRegistration) {
    // Registrations last as long as the program, so they share the record rather than point at it.
    auto order = std::make_shared<std::vector<std::string>>();
    framework::RuntimeAddInitializer([order] { order->push_back("init 1"); });
    framework::RuntimeAddInitializer([order] { order->push_back("init 2"); });
    framework::RuntimeAddFinalizer([order] { order->push_back("final 1"); });
    framework::RuntimeAddFinalizer([order] { order->push_back("final 2"); });
    DemoWnd();

    framework::RuntimePerformInitializers();
    framework::RuntimePerformFinalizers();

    EXPECT_EQ(*order, (std::vector<std::string>{"init 1", "init 2", "final 1", "final 2"}));
    EXPECT_EQ(framework::GetImplicitWindow("DemoWnd.DemoWnd"), nullptr);
}

} // namespace

namespace {

class DemoApp : public framework::Application {
public:
    DemoApp() : Application(Events()) {}
    int enableRuns = 0;

private:
    static const framework::ApplicationEventTable& Events() {
        static const auto table = framework::ApplicationEventTable().On(
            framework::ApplicationEvent::EnableMenuItems, &DemoApp::Event_EnableMenuItems);
        return table;
    }
    void Event_EnableMenuItems() { ++enableRuns; }
};

TEST_F(RuntimeTest, RegisteredApplicationKeepsVersionDataAndRaisesItsEvents) {
    auto app = std::make_unique<DemoApp>();
    app->SetVersionData(3, 0, 0, 0, 3, "by its author", "Quorvane", "Quorvane");
    framework::RuntimeRegisterAppObject(std::move(app));
    auto* registered = framework::RuntimeCheckCast<DemoApp>(framework::GetAppObject());
    ASSERT_NE(registered, nullptr);

    EXPECT_EQ(registered->MajorVersion(), 3);
    EXPECT_EQ(registered->StageCode(), 3);
    EXPECT_EQ(registered->ShortVersion(), "Quorvane");
    EXPECT_TRUE(registered->IsEventImplemented("EnableMenuItems"));
    EXPECT_FALSE(registered->IsEventImplemented("Open"));
    registered->RaiseEvent(framework::ApplicationEvent::EnableMenuItems);
    EXPECT_EQ(registered->enableRuns, 1);

    framework::RuntimePerformFinalizers();
    EXPECT_EQ(framework::GetAppObject(), nullptr);
}

} // namespace
